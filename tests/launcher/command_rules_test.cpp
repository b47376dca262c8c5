// The launcher's command-line rules: which entry file a command line names and which options
// reach the game.
#include "launcher/command_rules.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

constexpr char kOwnFolder[] = "C:\\Front End\\vrelo";

// The request for a command line, or a note that it names nothing.
struct Read {
  bool names_entry;
  std::string entry_path;
  std::string game_options;
  bool operator==(const Read&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Read& read) {
  if (!read.names_entry) return out << "(nothing)";
  return out << "[" << read.entry_path << "] options [" << read.game_options << "]";
}

Read ReadLine(std::string_view command_line) {
  LaunchRequest request{"left over", "left over"};
  if (!ReadLaunchRequest(command_line, kOwnFolder, &request)) return {false, "", ""};
  return {true, request.entry_path, request.game_options};
}

Read Names(std::string entry_path, std::string game_options = "") {
  return {true, std::move(entry_path), std::move(game_options)};
}

TEST(ReadLaunchRequest, EmptyOrBlankCommandLinesNameNothing) {
  EXPECT_EQ(ReadLine(""), (Read{false, "", ""}));
  EXPECT_EQ(ReadLine("   "), (Read{false, "", ""}));
}

TEST(ReadLaunchRequest, AFullPathIsUsedAsItStandsAndBlanksAroundItAreIgnored) {
  EXPECT_EQ(ReadLine("C:\\games\\entries\\Demo.zeb"), Names("C:\\games\\entries\\Demo.zeb"));
  EXPECT_EQ(ReadLine("  C:\\games\\my entries\\Demo.zeb  "),
            Names("C:\\games\\my entries\\Demo.zeb"));
  // A relative path with a folder stays relative: it is found from the current folder.
  EXPECT_EQ(ReadLine("roms\\Demo.zeb"), Names("roms\\Demo.zeb"));
}

TEST(ReadLaunchRequest, ABareNameIsCompletedWithTheLaunchersFolderAndTheEnding) {
  EXPECT_EQ(ReadLine("Demo"), Names("C:\\Front End\\vrelo\\Demo.zeb"));
  EXPECT_EQ(ReadLine("Demo.zeb"), Names("C:\\Front End\\vrelo\\Demo.zeb"));
  EXPECT_EQ(ReadLine("C:\\games\\entries\\Demo"), Names("C:\\games\\entries\\Demo.zeb"));
}

TEST(ReadLaunchRequest, OnlyTheLastThreeLettersDecideTheEnding) {
  // Any letter case; the ending is kept as typed.
  EXPECT_EQ(ReadLine("C:\\e\\DEMO.ZEB"), Names("C:\\e\\DEMO.ZEB"));
  EXPECT_EQ(ReadLine("C:\\e\\Demo.Zeb"), Names("C:\\e\\Demo.Zeb"));
  // No dot is needed in front of the letters.
  EXPECT_EQ(ReadLine("C:\\e\\Grazeb"), Names("C:\\e\\Grazeb"));
  EXPECT_EQ(ReadLine("C:\\e\\Demo.ze"), Names("C:\\e\\Demo.ze.zeb"));
  // Names of three letters or fewer are compared whole.
  EXPECT_EQ(ReadLine("zEb"), Names("C:\\Front End\\vrelo\\zEb"));
  EXPECT_EQ(ReadLine("eb"), Names("C:\\Front End\\vrelo\\eb.zeb"));
}

TEST(ReadLaunchRequest, OptionsAfterASlashReachTheGameAsTheyFollowedThePath) {
  EXPECT_EQ(ReadLine("C:\\e\\Demo.zeb /w"), Names("C:\\e\\Demo.zeb", " /w"));
  EXPECT_EQ(ReadLine("C:\\e\\Demo.zeb   /w /x:1 "), Names("C:\\e\\Demo.zeb", "   /w /x:1 "));
  EXPECT_EQ(ReadLine("C:\\e\\Demo.zeb/w"), Names("C:\\e\\Demo.zeb", "/w"));
  // The options are the untrimmed command line without the path, so a leading blank stays.
  EXPECT_EQ(ReadLine(" C:\\e\\Demo.zeb /w"), Names("C:\\e\\Demo.zeb", "  /w"));
  // The path is completed after the split.
  EXPECT_EQ(ReadLine("Demo /w"), Names("C:\\Front End\\vrelo\\Demo.zeb", " /w"));
}

TEST(ReadLaunchRequest, OptionsAfterABlankAndHyphenGetOneMoreBlank) {
  EXPECT_EQ(ReadLine("C:\\e\\Demo.zeb -w"), Names("C:\\e\\Demo.zeb", "  -w"));
  EXPECT_EQ(ReadLine("C:\\e\\Demo.zeb -w -x"), Names("C:\\e\\Demo.zeb", "  -w -x"));
  // A hyphen inside a name is no option.
  EXPECT_EQ(ReadLine("C:\\e\\Sky-Race.zeb"), Names("C:\\e\\Sky-Race.zeb"));
  EXPECT_EQ(ReadLine("C:\\my -games\\Demo.zeb"), Names("C:\\my.zeb", "  -games\\Demo.zeb"));
}

TEST(ReadLaunchRequest, TheFirstSlashStartsTheOptionsEvenInsideThePath) {
  EXPECT_EQ(ReadLine("C:/e/Demo.zeb"), Names("C:\\Front End\\vrelo\\C:.zeb", "/e/Demo.zeb"));
  // With both separators only "/" splits; " -" stays in the path.
  EXPECT_EQ(ReadLine("C:\\e\\Demo.zeb -a /b"), Names("C:\\e\\Demo.zeb -a.zeb", " /b"));
}

TEST(ReadLaunchRequest, ThePathIsTakenOutOfTheOptionsWhereverItOccurs) {
  EXPECT_EQ(ReadLine("Demo /Demo:Demo"), Names("C:\\Front End\\vrelo\\Demo.zeb", " /:"));
  EXPECT_EQ(ReadLine("aa /aaa"), Names("C:\\Front End\\vrelo\\aa.zeb", " /a"));
}

TEST(ReadLaunchRequest, OddCommandLinesGiveAPathAndNeverHang) {
  // Nothing in front of the "/": the empty path counts as having a folder, the options keep
  // the whole command line.
  EXPECT_EQ(ReadLine("/w"), Names(".zeb", "/w"));
  EXPECT_EQ(ReadLine("  /w"), Names(".zeb", "  /w"));
  EXPECT_EQ(ReadLine(" -w"), Names("C:\\Front End\\vrelo\\-w.zeb"));
  // Tabs are no blanks.
  EXPECT_EQ(ReadLine("\t"), Names("C:\\Front End\\vrelo\\\t.zeb"));
}

TEST(ReadLaunchRequest, APathInOnePairOfQuotesIsThePathWithoutThem) {
  EXPECT_EQ(ReadLine("\"C:\\my games\\Demo.zeb\""), Names("C:\\my games\\Demo.zeb"));
  // Inside the quotes nothing starts options; the name is completed as usual.
  EXPECT_EQ(ReadLine(" \"C:\\a -b/c\\Demo\" "), Names("C:\\a -b/c\\Demo.zeb"));
  EXPECT_EQ(ReadLine("\"Demo\""), Names("C:\\Front End\\vrelo\\Demo.zeb"));
  // Any other quote stays part of the path, so such an entry is never found.
  EXPECT_EQ(ReadLine("\"C:\\e\\Demo.zeb\" /w"), Names("\"C:\\e\\Demo.zeb\".zeb", " /w"));
  EXPECT_EQ(ReadLine("\"C:\\e\"\\Demo.zeb\""), Names("\"C:\\e\"\\Demo.zeb\".zeb"));
  EXPECT_EQ(ReadLine("\""), Names("C:\\Front End\\vrelo\\\".zeb"));
}

TEST(CompanionBatchLine, NamesTheScriptInQuotesWithEveryPercentDoubled) {
  EXPECT_EQ(CompanionBatchLine("demo.exe"), "\"demo.exe.ahk\"");
  EXPECT_EQ(CompanionBatchLine("Sky Race & Co.exe"), "\"Sky Race & Co.exe.ahk\"");
  EXPECT_EQ(CompanionBatchLine("100%.exe"), "\"100%%.exe.ahk\"");
  EXPECT_EQ(CompanionBatchLine("%COMSPEC%.exe"), "\"%%COMSPEC%%.exe.ahk\"");
  EXPECT_EQ(CompanionBatchLine("%%"), "\"%%%%.ahk\"");
}

}  // namespace
}  // namespace zeb
