// The entry file name, the list row and the settings file lines.
#include <gtest/gtest.h>

#include "catalogue/entry_format.h"
#include "catalogue/settings_format.h"

namespace zeb {
namespace {

using Lines = std::vector<std::string>;

std::string NameOf(std::string_view exe) {
  std::string name;
  EXPECT_TRUE(EntryFileName(exe, &name)) << exe;
  return name;
}

TEST(EntryFileName, ReplacesExactlyTheLastThreeCharacters) {
  EXPECT_EQ(NameOf("skyrace.exe"), "skyrace.zeb");
  EXPECT_EQ(NameOf("SKYRACE.EXE"), "SKYRACE.zeb");
  EXPECT_EQ(NameOf("run.bat"), "run.zeb");
  EXPECT_EQ(NameOf("x.exe4"), "x.ezeb");
  EXPECT_EQ(NameOf("launcher"), "launczeb");
  EXPECT_EQ(NameOf("abc"), "zeb");
}

TEST(EntryFileName, NamesShorterThanThreeCharactersHaveNone) {
  std::string name = "left over";
  EXPECT_FALSE(EntryFileName("ab", &name));
  EXPECT_EQ(name, "");
  EXPECT_FALSE(EntryFileName("", &name));
}

TEST(ListRow, SplitsAtEveryBarAndKeepsEmptyFields) {
  EXPECT_EQ(SplitRow("d:\\pc games\\Sky Race|skyrace.exe|Sky Race|Example Games|1999"),
            (Lines{"d:\\pc games\\Sky Race", "skyrace.exe", "Sky Race", "Example Games", "1999"}));
  EXPECT_EQ(SplitRow("f|g.exe|G||"), (Lines{"f", "g.exe", "G", "", ""}));
  EXPECT_EQ(SplitRow(""), (Lines{}));
  // A bar inside a field makes a sixth piece and shifts the later fields.
  EXPECT_EQ(SplitRow("f|g.exe|A|B|C|1999").size(), 6u);
}

TEST(ListRow, JoinIsTheInverseOfSplit) {
  Lines fields = {"d:\\pc games\\Sky Race", "skyrace.exe", "Sky Race", "", ""};
  EXPECT_EQ(JoinRow(fields), "d:\\pc games\\Sky Race|skyrace.exe|Sky Race||");
  EXPECT_EQ(SplitRow(JoinRow(fields)), fields);
}

TEST(BlacklistEntry, IsFiveNullLinesAndOnlyTheExactMarkerCounts) {
  EXPECT_EQ(BlacklistLines(), (Lines{"NULL", "NULL", "NULL", "NULL", "NULL"}));
  EXPECT_TRUE(IsBlacklistMarker("NULL"));
  EXPECT_FALSE(IsBlacklistMarker("null"));
  EXPECT_FALSE(IsBlacklistMarker("NULL "));
  EXPECT_FALSE(IsBlacklistMarker(""));
}

TEST(SettingsFromLines, OneHolderServesAllFourReads) {
  Settings none = SettingsFromLines({});
  EXPECT_EQ(SettingsLines(none), (Lines{"", "", "", ""}));
  Settings two = SettingsFromLines({"d:\\games\\", "roms\\"});
  EXPECT_EQ(SettingsLines(two), (Lines{"d:\\games\\", "roms\\", "roms\\", "roms\\"}));
  Settings full = SettingsFromLines({"g\\", "", "dats\\", "c:\\dk\\"});
  EXPECT_EQ(full.game_paths, "g\\");
  EXPECT_EQ(full.zeb_path, "");
  EXPECT_EQ(full.dat_path, "dats\\");
  EXPECT_EQ(full.dk_path, "c:\\dk\\");
}

}  // namespace
}  // namespace zeb
