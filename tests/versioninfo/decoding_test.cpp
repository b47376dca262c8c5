// Decoding of the translation key, flags, system, type and subtype; the game facts rules.
#include <gtest/gtest.h>

#include "versioninfo/game_facts.h"
#include "versioninfo/version_decoding.h"

namespace zeb {
namespace {

TEST(TranslationKey, LanguageThenCodePageAsEightUpperCaseDigits) {
  EXPECT_EQ(TranslationKey(0x09, 0x04, 0xE4, 0x04), "040904E4");
  EXPECT_EQ(TranslationKey(0x11, 0x04, 0xB0, 0x04), "041104B0");
  EXPECT_EQ(TranslationKey(0, 0, 0, 0), "00000000");
  EXPECT_EQ(TranslationKey(0xFF, 0xFF, 0x0A, 0x00), "FFFF000A");
  // Bytes on both sides of the step from one hexadecimal digit to two (Italian is 0x0410).
  EXPECT_EQ(TranslationKey(0x10, 0x04, 0x0F, 0x10), "0410100F");
}

TEST(TranslationKey, LanguageAndCodePageNeedExactlyEightCharacters) {
  EXPECT_EQ(LanguageOfKey("041104B0"), 1041);
  EXPECT_EQ(CodePageOfKey("041104B0"), 1200);
  EXPECT_EQ(LanguageOfKey("040904E4"), 1033);
  EXPECT_EQ(CodePageOfKey("040904E4"), 1252);
  EXPECT_EQ(LanguageOfKey("FFFFFFFF"), 65535);
  for (const char* key : {"", "040904E", "040904E40"}) {
    EXPECT_EQ(LanguageOfKey(key), 0) << key;
    EXPECT_EQ(CodePageOfKey(key), 0) << key;
  }
}

TEST(TextHelpers, TrimAtNullAndPadLeftZeros) {
  EXPECT_EQ(TrimAtNull(std::string("Sky\0Race", 8)), "Sky");
  EXPECT_EQ(TrimAtNull(std::string("\0x", 2)), "");
  EXPECT_EQ(TrimAtNull("plain"), "plain");
  EXPECT_EQ(PadLeftZeros("9", 2), "09");
  EXPECT_EQ(PadLeftZeros("E4", 2), "E4");
  EXPECT_EQ(PadLeftZeros("123", 2), "23");
  EXPECT_EQ(PadLeftZeros("", 2), "00");
}

TEST(FileFlagsText, WordsInTheirOrderEachWithATrailingBlank) {
  EXPECT_EQ(FileFlagsText(0x3F), "Debug Patched Pre-release Private Special ");
  EXPECT_EQ(FileFlagsText(0x10), "");
  EXPECT_EQ(FileFlagsText(0), "");
  EXPECT_EQ(FileFlagsText(0x06), "Patched Pre-release ");
  EXPECT_EQ(FileFlagsText(0xFFFFFFC0), "");
}

TEST(FileOSText, ApiThenSystem) {
  EXPECT_EQ(FileOSText(0x40004), "Win32 API on Windows NT");
  EXPECT_EQ(FileOSText(0x10001), "Win16 API on DOS");
  EXPECT_EQ(FileOSText(0x20002), "PM16 API on OS2/16");
  EXPECT_EQ(FileOSText(0x30003), "PM32 API on OS2/32");
  EXPECT_EQ(FileOSText(0x4), "Win32 API");
  EXPECT_EQ(FileOSText(0), "Unknown API");
  EXPECT_EQ(FileOSText(0x50005), "Unknown API");
  EXPECT_EQ(FileOSText(0x40000), "Unknown API on Windows NT");
}

TEST(FileTypeText, EveryValue) {
  const char* expected[] = {"Unknown", "Application",         "DLL", "Driver", "Font", "VXD",
                            "",        "Static-link library", ""};
  for (uint32_t type = 0; type < std::size(expected); ++type)
    EXPECT_EQ(FileTypeText(type), expected[type]) << type;
  EXPECT_EQ(FileTypeText(0xFFFFFFFF), "");
}

TEST(FileSubTypeText, DependsOnTheFileType) {
  EXPECT_EQ(FileSubTypeText(3, 0), "Unknown");
  EXPECT_EQ(FileSubTypeText(3, 1), "Printer");
  EXPECT_EQ(FileSubTypeText(3, 9), "Sound");
  EXPECT_EQ(FileSubTypeText(3, 10), "Communications");
  EXPECT_EQ(FileSubTypeText(3, 11), "Input Method");
  EXPECT_EQ(FileSubTypeText(3, 12), "Unknown");
  EXPECT_EQ(FileSubTypeText(4, 1), "Raster");
  EXPECT_EQ(FileSubTypeText(4, 2), "Vector");
  EXPECT_EQ(FileSubTypeText(4, 3), "TrueType");
  EXPECT_EQ(FileSubTypeText(4, 4), "Unknown");
  EXPECT_EQ(FileSubTypeText(5, 0x28), "40");
  EXPECT_EQ(FileSubTypeText(5, 0), "0");
  EXPECT_EQ(FileSubTypeText(1, 3), "Unknown");
  EXPECT_EQ(FileSubTypeText(0, 0), "Unknown");
}

TEST(ReadsAsNumber, OptionalSignThenDigitsOnly) {
  for (const char* yes : {"1999", "0", "+7", "-5", "007", "123456789012345678901234567890"})
    EXPECT_TRUE(ReadsAsNumber(yes)) << yes;
  for (const char* no : {"", "+", "-", "(c)1999",
                         "\xa9"
                         "1999",
                         "1998-2001", "19.99", "1e3", "1,999", " 1999", "1999.", "--5", "0x10"})
    EXPECT_FALSE(ReadsAsNumber(no)) << no;
}

TEST(CompareNumbers, ByValueWhateverTheLength) {
  EXPECT_LT(CompareNumbers("999", "1000"), 0);
  EXPECT_EQ(CompareNumbers("0042", "+42"), 0);
  EXPECT_EQ(CompareNumbers("-0", "0"), 0);
  EXPECT_LT(CompareNumbers("-5", "0"), 0);
  EXPECT_LT(CompareNumbers("-10", "-9"), 0);
  // Thirty digits: no overflow, and no rounding into a smaller or equal number.
  EXPECT_GT(CompareNumbers("100000000000000000000000000001", "100000000000000000000000000000"), 0);
  EXPECT_GT(CompareNumbers("100000000000000000000000000000", "18446744073709551615"), 0);
}

struct FactsCase {
  const char* product;
  const char* copyright;
  const char* company;
  const char* name;
  const char* manufacturer;
  const char* year;
};

TEST(DeriveGameFacts, CopyrightNotices) {
  const FactsCase cases[] = {
      {" Foo Racing ", "", "", "Foo Racing", "", ""},
      {"", "Copyright (c) 1999 Bar Ltd.", "Foo Inc.", "", "Foo Inc.", "1999"},
      {"", "Copyright (c) 1999 Foo Inc.", "", "", "Foo Inc.", "1999"},
      {"", "(c) 1995 - 1998 Foo", "", "", "1995 -  Foo", "1998"},
      {"", "Copyright 1998-2001 Foo", "", "", "1998-2001 Foo", ""},
      {"", "Copyright 2000 Foo2000 Inc", "", "", "Foo Inc", "2000"},
      {"", "\xa9 1999 Foo", "", "", "\xa9  Foo", "1999"},
      {"", "1999 Foo 1999", "", "", "Foo", "1999"},
      {"", "Copyright 0 -5 Foo", "", "", "0 -5 Foo", ""},
      {"", "Copyright 2 Player Games", "", "", "Player Games", "2"},
      {"", "  Copyright  2001  ", "", "", "", "2001"},
      {"", "CopyRight 2001 Foo", "", "", "CopyRight  Foo", "2001"},
      {"", "(C) COPYRIGHT copyright 1990 +1991 Foo", "", "", "1990  Foo", "+1991"},
      {"Game", "", "  Maker  ", "Game", "Maker", ""},
      {"", "", "", "", "", ""},
  };
  for (const FactsCase& c : cases) {
    GameFacts facts = DeriveGameFacts(c.product, c.copyright, c.company);
    EXPECT_EQ(facts.game_name, c.name) << c.copyright;
    EXPECT_EQ(facts.manufacturer, c.manufacturer) << c.copyright;
    EXPECT_EQ(facts.year, c.year) << c.copyright;
  }
}

TEST(DeriveGameFacts, NoFactCarriesABarOrALineBreak) {
  GameFacts facts = DeriveGameFacts("Pipe|Dream\r\n", "(c)\r\n2001 Pipe|Works", "Line\nBreak\tCo");
  EXPECT_EQ(facts.game_name, "Pipe Dream");
  EXPECT_EQ(facts.manufacturer, "Line Break Co");
  EXPECT_EQ(facts.copyright, "(c)  2001 Pipe Works");
  EXPECT_EQ(facts.year, "2001");
  // Without a company, the manufacturer comes from the cleaned copyright text.
  EXPECT_EQ(DeriveGameFacts("", "(c)\r\n2001 Pipe|Works", "").manufacturer, "Pipe Works");
}

}  // namespace
}  // namespace zeb
