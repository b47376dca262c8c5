// Choosing a game folder's executable from its names.
#include "catalogue/exe_choice.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

std::string Chosen(const std::string& folder, const std::vector<std::string>& names) {
  std::optional<size_t> index = ChooseExecutable(folder, names);
  return index ? names[*index] : "<none>";
}

TEST(ChooseExecutable, WorkedExamples) {
  EXPECT_EQ(Chosen("d:\\pc games\\Sky Race", {"RACE.EXE", "setup.exe"}), "RACE.EXE");
  EXPECT_EQ(Chosen("d:\\pc games\\Tanks", {"config.exe", "play.exe", "uninst.exe"}), "play.exe");
  EXPECT_EQ(Chosen("d:\\pc games\\Tanks", {"GameLauncher.exe", "tanks2.exe"}), "GameLauncher.exe");
  EXPECT_EQ(Chosen("d:\\pc games\\Tanks", {"a.exe", "z.exe"}), "a.exe");
  EXPECT_EQ(Chosen("d:\\pc games\\Tanks", {"setup.exe", "uninstall.exe"}), "<none>");
  EXPECT_EQ(Chosen("d:\\pc games\\Tanks\\bin", {"tanks.exe"}), "tanks.exe");
}

TEST(ChooseExecutable, APreferredNameWinsOverExclusionsAndOrder) {
  EXPECT_EQ(Chosen("d:\\games\\Zed", {"SETUP.EXE", "zed.exe"}), "zed.exe");
  EXPECT_EQ(Chosen("d:\\games\\Q", {"run.exe", "Uninstall_Launcher.exe"}),
            "Uninstall_Launcher.exe");
  // The games root's own path counts: "GAMES" occurs in it.
  EXPECT_EQ(Chosen("d:\\games\\Q", {"play.exe", "games.exe"}), "games.exe");
  // A file named just ".exe" has an empty base name, which occurs in every path.
  EXPECT_EQ(Chosen("d:\\x\\Q", {"a1.exe", ".exe"}), ".exe");
  EXPECT_EQ(Chosen("d:\\x\\Q", {}), "<none>");
}

TEST(ExcludedExecutable, TheTableAndTheTwoWords) {
  for (const char* name :
       {"UNINSTALL.EXE", "uninstal.exe", "Setup.exe", "CONFIG.EXE", "autorun.exe", "IS_DEL.EXE",
        "unwise.exe", "_isdel.exe", "uninst.exe", "MySetup2.exe", "xUNINy.exe"})
    EXPECT_TRUE(IsExcludedExecutable(name)) << name;
  for (const char* name : {"config2.exe", "autorun2.exe", "play.exe", "unwise2.exe", "isdel.exe"})
    EXPECT_FALSE(IsExcludedExecutable(name)) << name;
}

TEST(ChooseExecutable, TheSecondPassPassesOverHelperProgramsButNotThePreferredOne) {
  // A Unity game whose name is not in its folder's path: the crash reporter sorts first.
  EXPECT_EQ(Chosen("d:\\games\\V Rising", {"UnityCrashHandler64.exe", "VRising.exe"}),
            "VRising.exe");
  EXPECT_EQ(Chosen("d:\\games\\Q", {"crashpad_handler.EXE", "CrashSender1403.exe", "bssndrpt.exe",
                                    "dotNetFx40_Full_x86_x64.exe", "oalinst.exe", "python.exe",
                                    "zsync.exe", "wl3.exe"}),
            "wl3.exe");
  // Only helpers: none, so the search looks further.
  EXPECT_EQ(Chosen("d:\\games\\Q", {"vc_redist.x64.exe", "QtWebEngineProcess.exe"}), "<none>");
  // The first pass is unchanged: a preferred helper still wins.
  EXPECT_EQ(Chosen("d:\\x\\Python", {"play.exe", "python.exe"}), "python.exe");
  EXPECT_FALSE(IsHelperProgram("crashpad.exe"));
  EXPECT_FALSE(IsHelperProgram("MyCrashSender.exe")) << "the beginning of the name only";
}

TEST(PreferredExecutable, IgnoresCaseOnBothSides) {
  EXPECT_TRUE(IsPreferredExecutable("D:\\PC GAMES\\SKY RACE", "race.exe"));
  EXPECT_TRUE(IsPreferredExecutable("d:\\pc games\\sky race", "RACE.EXE"));
  EXPECT_TRUE(IsPreferredExecutable("d:\\x", "mylauncher.exe"));
  EXPECT_FALSE(IsPreferredExecutable("d:\\x\\Tanks", "play.exe"));
  // The base name is the name without its last four characters, whatever they are.
  EXPECT_TRUE(IsPreferredExecutable("d:\\x\\Tanks", "tanks.exe"));
  EXPECT_FALSE(IsPreferredExecutable("d:\\x\\Tank", "tanks.exe"));
}

}  // namespace
}  // namespace zeb
