// The game entry's forms (entry file name, lines, list row, blacklist entry), what an entry
// file's lines say, and the settings file lines.
#include "formats/game_entry.h"

#include <gtest/gtest.h>

#include "formats/entry_file.h"
#include "formats/settings_file.h"

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

TEST(GameEntry, LinesAndRowKeepOneFieldOrderAndShiftedRowsTakePiecesByPosition) {
  GameEntry sky = {"d:\\pc games\\Sky Race", "skyrace.exe", "Sky Race", "Example Games", "1999"};
  EXPECT_EQ(sky.ToLines(),
            (Lines{"d:\\pc games\\Sky Race", "skyrace.exe", "Sky Race", "Example Games", "1999"}));
  EXPECT_EQ(EntryFromLines(sky.ToLines()), sky);
  EXPECT_EQ(EntryFromRow(sky.ToRow()), sky);
  EXPECT_EQ(EntryFromLines({"f", "g.exe"}), (GameEntry{"f", "g.exe", "", "", ""}));
  EXPECT_EQ(EntryFromRow("f|g.exe|A|B|C|1999"), (GameEntry{"f", "g.exe", "A", "B", "C"}));
}

TEST(EntryFromFileLines, TellsEntryBlacklistAndTooShortApart) {
  EXPECT_EQ(EntryFromFileLines({"f", "g.exe", "G", "", ""}).kind, EntryFileKind::kEntry);
  // The marker on line 1 is enough, whatever follows and however few lines there are.
  EXPECT_EQ(EntryFromFileLines({"NULL"}).kind, EntryFileKind::kBlacklist);
  EXPECT_EQ(EntryFromFileLines({"NULL", "x.exe", "X", "", ""}).kind, EntryFileKind::kBlacklist);
  // Only the whole line: a maker named "NULLSOFT" or a stray blank is a game.
  EXPECT_EQ(EntryFromFileLines({"NULLSOFT", "x.exe", "X", "", ""}).kind, EntryFileKind::kEntry);
  EXPECT_EQ(EntryFromFileLines({"NULL ", "x.exe", "X", "", ""}).kind, EntryFileKind::kEntry);
  EntryFile short_file = EntryFromFileLines({"f", "g.exe", "G"});
  EXPECT_EQ(short_file.kind, EntryFileKind::kTooShort);
  EXPECT_EQ(short_file.line_count, 3u);
  EXPECT_EQ(short_file.entry, (GameEntry{"f", "g.exe", "G", "", ""}));
  EXPECT_EQ(EntryFromFileLines({}).kind, EntryFileKind::kTooShort);
  // The launcher needs only two lines.
  EXPECT_EQ(EntryFromFileLines({"f", "g.exe"}, 2).kind, EntryFileKind::kEntry);
  EXPECT_EQ(EntryFromFileLines({"f"}, 2).kind, EntryFileKind::kTooShort);
}

TEST(BlacklistEntry, IsFiveNullLinesAndOnlyTheExactMarkerCounts) {
  EXPECT_EQ(BlacklistLines(), (Lines{"NULL", "NULL", "NULL", "NULL", "NULL"}));
  EXPECT_TRUE(IsBlacklistMarker("NULL"));
  EXPECT_FALSE(IsBlacklistMarker("null"));
  EXPECT_FALSE(IsBlacklistMarker("NULL "));
  EXPECT_FALSE(IsBlacklistMarker(""));
}

TEST(SettingFolder, EndsInABackslashAndCountsRelativeSettingsFromTheProgramsFolder) {
  const std::string zeb = "C:\\Games\\Zebrine";
  EXPECT_EQ(SettingFolder("dats", zeb), "C:\\Games\\Zebrine\\dats\\");
  EXPECT_EQ(SettingFolder("roms\\", zeb), "C:\\Games\\Zebrine\\roms\\");
  EXPECT_EQ(SettingFolder("", zeb), "C:\\Games\\Zebrine\\");
  EXPECT_EQ(SettingFolder("D:\\DK", zeb), "D:\\DK\\");
  EXPECT_EQ(SettingFolder("d:\\pc games\\", zeb), "d:\\pc games\\");
  EXPECT_EQ(SettingFolder("\\\\server\\share", zeb), "\\\\server\\share\\");
  EXPECT_EQ(SettingFolder("\\Games", zeb), "\\Games\\");
  EXPECT_EQ(SettingFolder("D:Games", zeb), "D:Games\\");
  EXPECT_EQ(SettingFolder("D:/Games/", zeb), "D:/Games/");
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
