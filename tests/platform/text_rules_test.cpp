// Line splitting, name order, pattern matching and the argument text: the rules every reader
// and listing relies on.
#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "platform/name_rules.h"
#include "platform/text_lines.h"

namespace zeb {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitTextLines, EveryKindOfLineEndEndsALine) {
  EXPECT_EQ(SplitTextLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitTextLines("a\rb\nc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(SplitTextLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines("\r\n"), (Lines{""}));
  EXPECT_EQ(SplitTextLines(""), (Lines{}));
  // LF CR is two line ends, not one.
  EXPECT_EQ(SplitTextLines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(SplitTextLines, StopsAtTheLimitAndKeepsBytesAsTheyAre) {
  EXPECT_EQ(SplitTextLines("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n", 5), (Lines{"1", "2", "3", "4", "5"}));
  std::string binary("x\0y\xff\t", 5);
  EXPECT_EQ(SplitTextLines(binary + "\r\nz"), (Lines{binary, "z"}));
}

TEST(JoinTextLines, EndsEveryLineWithCrLf) {
  EXPECT_EQ(JoinTextLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinTextLines({}), "");
}

TEST(CountCompleteLines, CountsPieceByPieceWithoutCountingAHalfCrLf) {
  std::string text = "ab\r";
  size_t pos = 0;
  // The CR at the end may still be followed by LF: not a complete line yet.
  EXPECT_EQ(CountCompleteLines(text, 5, &pos), 0u);
  text += "\ncd\nef";
  EXPECT_EQ(CountCompleteLines(text, 5, &pos), 2u);
  text += "\r\n";
  EXPECT_EQ(CountCompleteLines(text, 5, &pos), 1u);
  EXPECT_EQ(pos, text.size());
  size_t from_start = 0;
  EXPECT_EQ(CountCompleteLines(text, 2, &from_start), 2u);
}

TEST(NameRules, OrderIgnoresCaseAndIsTotal) {
  std::vector<std::string> names = {"b.zeb",  "A.zeb",  "a.zeb", "C.zeb",
                                    "_x.zeb", "10.zeb", "9.zeb"};
  SortNames(names);
  EXPECT_EQ(names, (Lines{"10.zeb", "9.zeb", "A.zeb", "a.zeb", "b.zeb", "C.zeb", "_x.zeb"}));
  EXPECT_TRUE(NameLess("abc", "ABCD"));
  EXPECT_FALSE(NameLess("abc", "abc"));
  // Names that differ only in case keep one order, whichever came first.
  EXPECT_NE(NameLess("a.zeb", "A.zeb"), NameLess("A.zeb", "a.zeb"));
  Lines one = {"a.zeb", "B.zeb", "A.zeb", "b.zeb"}, other = {"b.zeb", "A.zeb", "B.zeb", "a.zeb"};
  SortNames(one);
  SortNames(other);
  EXPECT_EQ(one, other);
}

TEST(NameRules, UpperCaseTouchesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCase("Sky Race\\caf\xe9.exe"), "SKY RACE\\CAF\xe9.EXE");
}

TEST(MatchesPattern, WildcardsMatchTheWholeNameIgnoringCase) {
  EXPECT_TRUE(MatchesPattern("game.EXE", "*.exe"));
  EXPECT_TRUE(MatchesPattern(".exe", "*.exe"));
  EXPECT_FALSE(MatchesPattern("game.exe.bak", "*.exe"));
  EXPECT_FALSE(MatchesPattern("game.exe4", "*.exe"));
  EXPECT_TRUE(MatchesPattern("sky race.zeb", "*.zeb"));
  EXPECT_FALSE(MatchesPattern("notes.zebra", "*.zeb"));
  EXPECT_TRUE(MatchesPattern("a1.txt", "a?.*"));
  EXPECT_FALSE(MatchesPattern("a12.txt", "a?.txt"));
  EXPECT_TRUE(MatchesPattern("x", "*x*"));
  // "*.*" lists every file, even one without a dot.
  EXPECT_TRUE(MatchesPattern("README", "*.*"));
  EXPECT_FALSE(MatchesPattern("README", "*.txt"));
}

TEST(ArgumentText, DropsTheProgramNameAndTheBlanksAfterIt) {
  EXPECT_EQ(ArgumentText("zeb.exe /autoparse"), "/autoparse");
  EXPECT_EQ(ArgumentText("\"C:\\Program Files\\zeb.exe\"  /autoparse"), "/autoparse");
  EXPECT_EQ(ArgumentText("\"C:\\a b\\vrelo.exe\"\tC:\\e\\demo.zeb /w  "), "C:\\e\\demo.zeb /w  ");
  EXPECT_EQ(ArgumentText("zeb.exe"), "");
  EXPECT_EQ(ArgumentText("zeb.exe   "), "");
  EXPECT_EQ(ArgumentText("\"unclosed quote"), "");
  EXPECT_EQ(ArgumentText(""), "");
}

TEST(ProgramWord, IsTheProgramTheSystemStartsForACommandText) {
  EXPECT_EQ(ProgramWord("game.exe -nosound"), "game.exe");
  EXPECT_EQ(ProgramWord("  dosbox.exe\t-conf x"), "dosbox.exe");
  EXPECT_EQ(ProgramWord("\"C:\\Program Files\\DOSBox\\dosbox.exe\" -c"),
            "C:\\Program Files\\DOSBox\\dosbox.exe");
  EXPECT_EQ(ProgramWord("\"unclosed quote"), "unclosed quote");
  EXPECT_EQ(ProgramWord(""), "");
}

TEST(QuotedProgramName, QuotesOnlyANameWithABlankInIt) {
  EXPECT_EQ(QuotedProgramName("moon base.exe"), "\"moon base.exe\"");
  EXPECT_EQ(QuotedProgramName(" moon base.exe "), "\"moon base.exe\"");
  EXPECT_EQ(QuotedProgramName("moon\tbase.exe"), "\"moon\tbase.exe\"");
  // Blanks around a name are no part of it: the name stays as written.
  EXPECT_EQ(QuotedProgramName(" sky.exe"), " sky.exe");
  EXPECT_EQ(QuotedProgramName("sky.exe"), "sky.exe");
}

}  // namespace
}  // namespace zeb
