// The files that zeb alone writes for the other frontends, made from games whose names hold
// what each format must escape or cannot hold; and the checks that an existing file is zeb's.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "frontends/attract_mode.h"
#include "frontends/es_de_rules.h"
#include "frontends/pegasus.h"
#include "frontends/steam_rom_manager.h"
#include "frontends/xml_layout.h"
#include "frontends/zeb_mark.h"
#include "platform/text_rules.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

// UTF-8, as the writers get it: "é", "ü" and "™".
const std::string kE = "\xC3\xA9", kU = "\xC3\xBC", kTm = "\xE2\x84\xA2";

FrontendCatalogue Catalogue() {
  FrontendCatalogue catalogue;
  catalogue.program_folder = "C:\\Zebrine";
  catalogue.entry_folder = "D:\\My Games\\entries";
  catalogue.games = {
      {"sky.zeb",
       {"D:\\G\\Sky", "sky.exe", "Sky & <Race> \"2\"", "Caf" + kE + "; Co", "1999"},
       "Sky.png"},
      {"bru.zeb", {"D:\\G\\B", "bru.exe", " Br" + kU + "cke" + kTm + " ", "", "199x"}},
      {"noname.zeb", {"D:\\G\\N", "noname.exe", "", "  ", " 2004 "}},
      {"semi;colon.zeb", {"D:\\G\\S", "semi;colon.exe", "Semi", "S", "2001"}},
  };
  return catalogue;
}

TEST(FrontendTextTest, PegasusListsEveryGameWithWhatItsEntryAndPictureHave) {
  EXPECT_EQ(PegasusLines(Catalogue()), (Lines{
                                           "# written by zeb",
                                           "collection: PC Games",
                                           "shortname: zebrine",
                                           "launch: \"C:/Zebrine/vrelo.exe\" \"{file.path}\"",
                                           "files:",
                                           "  D:/My Games/entries/sky.zeb",
                                           "  D:/My Games/entries/bru.zeb",
                                           "  D:/My Games/entries/noname.zeb",
                                           "  D:/My Games/entries/semi;colon.zeb",
                                           "",
                                           "game: Sky & <Race> \"2\"",
                                           "file: D:/My Games/entries/sky.zeb",
                                           "developer: Caf" + kE + "; Co",
                                           "release: 1999",
                                           "assets.boxFront: C:/Zebrine/pictures/Sky.png",
                                           "",
                                           "game: Br" + kU + "cke" + kTm,
                                           "file: D:/My Games/entries/bru.zeb",
                                           "",
                                           "game: noname",
                                           "file: D:/My Games/entries/noname.zeb",
                                           "release: 2004",
                                           "",
                                           "game: Semi",
                                           "file: D:/My Games/entries/semi;colon.zeb",
                                           "developer: S",
                                           "release: 2001",
                                       }));
}

TEST(FrontendTextTest, AttractModeKeepsSeventeenColumnsWhateverTheNamesHold) {
  EXPECT_EQ(AttractModeEmulatorLines(Catalogue()),
            (Lines{"# written by zeb", "executable           C:\\Zebrine\\vrelo.exe",
                   "args                 \"[romfilename]\"",
                   "rompath              D:\\My Games\\entries", "romext               .zeb",
                   "system               PC", "artwork    snap      C:\\Zebrine\\pictures"}));
  size_t left_out = 0;
  Lines romlist = AttractModeRomlistLines(Catalogue(), &left_out);
  ASSERT_EQ(romlist.size(), 5u);
  EXPECT_EQ(romlist[0], "# written by zeb");
  EXPECT_EQ(romlist[1], kAttractModeHeader);
  EXPECT_EQ(SplitAt(romlist[1], ";").size(), kAttractModeFields);
  const Lines expected[] = {
      {"sky", "Sky & <Race> \"2\"", "Zebrine", "", "1999", "Caf" + kE + ", Co"},
      {"bru", "Br" + kU + "cke" + kTm, "Zebrine", "", "", ""},
      {"noname", "noname", "Zebrine", "", "2004", ""},
  };
  for (size_t i = 0; i < std::size(expected); ++i) {
    Lines columns = SplitAt(romlist[i + 2], ";");
    ASSERT_EQ(columns.size(), kAttractModeFields) << romlist[i + 2];
    Lines wanted = expected[i];
    wanted.resize(kAttractModeFields);
    EXPECT_EQ(columns, wanted);
  }
  // Its name is what Attract-Mode finds the file by, and no field can hold the ";".
  EXPECT_EQ(left_out, 1u);
}

TEST(FrontendTextTest, TheSteamManifestReadsBackAsEveryGamesShortcut) {
  nlohmann::json manifest = nlohmann::json::parse(SteamManifest(Catalogue()));
  ASSERT_TRUE(manifest.is_array());
  ASSERT_EQ(manifest.size(), 4u);
  EXPECT_EQ(manifest[0], (nlohmann::json{{"title", "Sky & <Race> \"2\""},
                                         {"target", "C:\\Zebrine\\vrelo.exe"},
                                         {"startIn", "C:\\Zebrine"},
                                         {"launchOptions", "\"D:\\My Games\\entries\\sky.zeb\""}}));
  EXPECT_EQ(manifest[1]["title"], "Br" + kU + "cke" + kTm);
  EXPECT_EQ(manifest[2]["title"], "noname");
  EXPECT_EQ(manifest[3]["launchOptions"], "\"D:\\My Games\\entries\\semi;colon.zeb\"");
  EXPECT_TRUE(IsZebsSteamManifest(SteamManifest(Catalogue())));
}

TEST(FrontendTextTest, OnlyZebsOwnFilesAreTakenForZebs) {
  for (const char* ours : {"", "# written by zeb", "# written by zeb\r\ncollection: x",
                           "# written by zeb\nx", "\xEF\xBB\xBF# written by zeb\r\n"})
    EXPECT_TRUE(IsZebsTextFile(ours)) << ours;
  for (const char* theirs : {"collection: Mine\r\n# written by zeb\r\n", "# written by zebra\r\n",
                             " # written by zeb\r\n", "# Written by zeb\r\n", "\r\n"})
    EXPECT_FALSE(IsZebsTextFile(theirs)) << theirs;

  const char* shortcut =
      R"({"title": "A", "target": "E:\\Zeb\\VRELO.EXE", "startIn": "E:\\Zeb", "launchOptions": "x"})";
  for (std::string ours : {std::string(""), std::string("[]"), "[" + std::string(shortcut) + "]"})
    EXPECT_TRUE(IsZebsSteamManifest(ours)) << ours;
  const std::string theirs[] = {
      shortcut,  // one object: a manifest of the user's
      "[" + std::string(shortcut) + ", {\"title\": \"B\"}]",
      R"([{"title": "A", "target": "C:\\Steam\\game.exe", "startIn": "C:\\", "launchOptions": ""}])",
      R"([{"title": "A", "target": "vrelo.exe", "startIn": "", "launchOptions": "", "x": 1}])",
      R"([{"title": 1, "target": "vrelo.exe", "startIn": "", "launchOptions": ""}])",
      "[" + std::string(shortcut),
      "not json",
  };
  for (const std::string& bytes : theirs) EXPECT_FALSE(IsZebsSteamManifest(bytes)) << bytes;
}

TEST(FrontendTextTest, OnlyAPlainYearBecomesADate) {
  const struct {
    const char* year;
    const char* release;
  } cases[] = {{"1999", "1999"}, {" 2004 ", "2004"}, {"199x", ""}, {"1995-1998", ""},
               {"99", ""},       {"c. 2001", ""},    {"", ""},     {"１９９９", ""}};
  for (const auto& c : cases) {
    GameEntry entry{"", "", "", "", c.year};
    EXPECT_EQ(ReleaseYear(entry), c.release) << c.year;
    EXPECT_EQ(EsDeReleaseDate(entry), *c.release ? std::string(c.release) + "0101T000000" : "");
  }
}

TEST(FrontendTextTest, ADamagedEntrysControlCharactersBecomeBlanks) {
  FrontendGame game{"x.zeb",
                    {"", "", std::string("\x01Sky\tRace\x7F\0", 11),
                     "A\x1B"
                     "B",
                     ""}};
  EXPECT_EQ(GameTitle(game), "Sky Race");
  EXPECT_EQ(Developer(game.entry), "A B");
}

TEST(FrontendTextTest, AGamelistPathMatchesTheEntryFileItNames) {
  const std::string folder = "D:\\Zebrine\\entries";
  std::string key = EsDeGameKey(EsDeGamePath({"Sky.zeb", {}}), folder);
  for (const char* same : {"./sky.zeb", ".\\SKY.ZEB", " ./Sky.zeb ", "D:/zebrine/Entries/sky.zeb",
                           "D:\\Zebrine\\entries\\sky.zeb"})
    EXPECT_EQ(EsDeGameKey(same, folder), key) << same;
  for (const char* other : {"./sky2.zeb", "./sub/sky.zeb", "E:\\Zebrine\\entries\\sky.zeb"})
    EXPECT_NE(EsDeGameKey(other, folder), key) << other;
}

TEST(FrontendTextTest, ASavedFileGetsBackTheOriginalsLineEndsMarkAndEnd) {
  const std::string saved = "<?xml version=\"1.0\"?>\n<a>\n\t<b/>\n</a>\n";
  EXPECT_EQ(KeepLayout("", saved), saved);
  EXPECT_EQ(KeepLayout("<a>\n</a>\n", saved), saved);
  EXPECT_EQ(KeepLayout("<a>\r\n</a>\r\n", saved),
            "<?xml version=\"1.0\"?>\r\n<a>\r\n\t<b/>\r\n</a>\r\n");
  // A library that writes CR LF after the declaration only (as Windows' MSXML does).
  EXPECT_EQ(KeepLayout("<a>\n</a>\n", "<?xml version=\"1.0\"?>\r\n<a>\n</a>\n"),
            "<?xml version=\"1.0\"?>\n<a>\n</a>\n");
  EXPECT_EQ(KeepLayout("\xEF\xBB\xBF<a/>", "<a/>\n"), "\xEF\xBB\xBF<a/>");
  EXPECT_EQ(KeepLayout("<a/>\r\n", "<a/>\n"), "<a/>\r\n");
}

}  // namespace
}  // namespace zeb::testing
