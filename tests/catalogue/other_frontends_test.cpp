// "Other Frontends...": the frontends' folders in frontends.ini, and their files written from
// the entry files (in the system's code page) as UTF-8, each frontend on its own.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "catalogue/catalogue.h"
#include "platform/files.h"
#include "platform/text_rules.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"
#include "tests/support/xml_texts.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

// Code page 1252, as the entry files hold it, and the same in UTF-8.
const std::string kSkyName = "Caf\xE9 & <Sky> \"Race\"", kSkyUtf8 = "Caf\xC3\xA9 & <Sky> \"Race\"";
const std::string kSkyMaker = "M\xFCller; Co", kSkyMakerUtf8 = "M\xC3\xBCller; Co";
const std::string kTmName = "Brand\x99", kTmUtf8 = "Brand\xE2\x84\xA2";

class OtherFrontendsTest : public ::testing::Test {
 protected:
  OtherFrontendsTest() : catalogue_(prompt_, dir_ / "Zeb") {
    MakeFolders(dir_ / "Zeb");
    MakeFolders(roms_);
    WriteBytes(roms_ + "\\sky.zeb",
               CrLf({dir_ / "g\\Sky", "sky.exe", kSkyName, kSkyMaker, "1999"}));
    WriteBytes(roms_ + "\\tm.zeb", CrLf({dir_ / "g\\Tm", "tm.exe", kTmName, "", "199x"}));
    WriteBytes(roms_ + "\\two.zeb", CrLf({dir_ / "g\\Two", "two.exe"}));
    // Neither a blacklist entry, nor a file vrelo cannot start, nor a file that is no entry.
    WriteBytes(roms_ + "\\black.zeb", CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));
    WriteBytes(roms_ + "\\one.zeb", CrLf({dir_ / "g\\One"}));
    WriteBytes(roms_ + "\\notes.txt", CrLf({dir_ / "g\\Notes", "notes.exe", "Notes", "", ""}));
    catalogue_.settings().zeb_path = roms_ + "\\";
    for (const char* folder : {"ES-DE", "Pegasus", "AM", "SRM"}) MakeFolders(dir_ / folder);
    folders()[FrontendKind::kEsDe] = dir_ / "ES-DE\\";
    folders()[FrontendKind::kPegasus] = dir_ / "Pegasus";
    folders()[FrontendKind::kAttractMode] = dir_ / "AM\\";
    folders()[FrontendKind::kSteamRomManager] = dir_ / "SRM\\";
  }
  FrontendFolders& folders() { return catalogue_.frontend_folders(); }

  TempFolder dir_;
  std::string roms_ = dir_ / "roms";
  RecordingPrompt prompt_;
  Catalogue catalogue_;
};

std::string PathWithSlashes(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

TEST_F(OtherFrontendsTest, EveryFrontendGetsTheGamesInUtf8) {
  catalogue_.WriteOtherFrontends();
  EXPECT_EQ(catalogue_.outcome(),
            "ES-DE: 3 games; Pegasus: 3 games; Attract-Mode: 3 games; Steam ROM Manager: 3 games");
  EXPECT_TRUE(prompt_.messages.empty());
  ASSERT_EQ(prompt_.notes.size(), 4u);
  EXPECT_EQ(prompt_.notes[2], "Attract-Mode: 3 games written to " + dir_ / "AM\\");

  // ES-DE: the system names the entry folder and vrelo beside zeb; the gamelist, read back,
  // has the names and makers as they were meant.
  std::string es_de = dir_ / "ES-DE\\";
  EXPECT_EQ(XmlTexts(es_de + "custom_systems\\es_systems.xml", "path"), Lines{roms_});
  EXPECT_EQ(XmlTexts(es_de + "custom_systems\\es_systems.xml", "command"),
            Lines{"\"" + dir_ / "Zeb\\vrelo.exe\" %ROM%"});
  std::string gamelist = es_de + "gamelists\\zebrine\\gamelist.xml";
  EXPECT_EQ(XmlTexts(gamelist, "path"), (Lines{"./sky.zeb", "./tm.zeb", "./two.zeb"}));
  EXPECT_EQ(XmlTexts(gamelist, "name"), (Lines{kSkyUtf8, kTmUtf8, "two"}));
  EXPECT_EQ(XmlTexts(gamelist, "developer"), Lines{kSkyMakerUtf8});
  EXPECT_EQ(XmlTexts(gamelist, "releasedate"), Lines{"19990101T000000"});
  EXPECT_NE(ReadBytes(gamelist).find("Caf\xC3\xA9 &amp; &lt;Sky&gt;"), std::string::npos);

  std::string pegasus = ReadBytes(dir_ / "Pegasus\\metadata.pegasus.txt");
  EXPECT_EQ(pegasus.rfind("# written by zeb\r\ncollection: PC Games\r\n", 0), 0u) << pegasus;
  EXPECT_NE(pegasus.find("\r\ngame: " + kSkyUtf8 + "\r\nfile: " + PathWithSlashes(roms_) +
                         "/sky.zeb\r\ndeveloper: " + kSkyMakerUtf8 + "\r\nrelease: 1999\r\n"),
            std::string::npos)
      << pegasus;

  Lines romlist = SplitAt(ReadBytes(dir_ / "AM\\romlists\\Zebrine.txt"), "\r\n");
  ASSERT_EQ(romlist.size(), 6u);
  EXPECT_EQ(romlist[2], "sky;" + kSkyUtf8 + ";Zebrine;;1999;M\xC3\xBCller, Co;;;;;;;;;;;");
  EXPECT_EQ(romlist[3], "tm;" + kTmUtf8 + ";Zebrine;;;;;;;;;;;;;;");
  EXPECT_NE(ReadBytes(dir_ / "AM\\emulators\\Zebrine.cfg").find("rompath              " + roms_),
            std::string::npos);

  nlohmann::json manifest = nlohmann::json::parse(ReadBytes(dir_ / "SRM\\zebrine.json"));
  ASSERT_EQ(manifest.size(), 3u);
  EXPECT_EQ(manifest[0]["title"], kSkyUtf8);
  EXPECT_EQ(manifest[1]["launchOptions"], "\"" + roms_ + "\\tm.zeb\"");
  EXPECT_EQ(manifest[2]["target"], dir_ / "Zeb\\vrelo.exe");
}

TEST_F(OtherFrontendsTest, AFileZebMayNotReplaceIsRefusedAndTheOtherFrontendsAreStillWritten) {
  MakeFolders(dir_ / "ES-DE\\custom_systems");
  const std::string broken = "<systemList>\r\n  <system>\r\n</systemList>\r\n";
  WriteBytes(dir_ / "ES-DE\\custom_systems\\es_systems.xml", broken);
  const std::string users = "collection: Mine\r\nfiles:\r\n  a.exe\r\n";
  WriteBytes(dir_ / "Pegasus\\metadata.pegasus.txt", users);
  RemoveTree(dir_ / "AM");

  catalogue_.WriteOtherFrontends();
  EXPECT_EQ(catalogue_.outcome(),
            "ES-DE: es_systems.xml left as it is; Pegasus: metadata.pegasus.txt left as it is; "
            "Attract-Mode: folder " +
                dir_ / "AM\\ not found; Steam ROM Manager: 3 games");
  EXPECT_EQ(ReadBytes(dir_ / "ES-DE\\custom_systems\\es_systems.xml"), broken);
  EXPECT_FALSE(FolderExists(dir_ / "ES-DE\\gamelists")) << "nothing of ES-DE is written";
  EXPECT_EQ(ReadBytes(dir_ / "Pegasus\\metadata.pegasus.txt"), users);
  EXPECT_FALSE(FolderExists(dir_ / "AM"));
  EXPECT_FALSE(ReadBytes(dir_ / "SRM\\zebrine.json").empty());

  ASSERT_EQ(prompt_.messages.size(), 3u);
  const std::string named[] = {dir_ / "ES-DE\\custom_systems\\es_systems.xml",
                               dir_ / "Pegasus\\metadata.pegasus.txt", dir_ / "AM\\"};
  for (size_t i = 0; i < 3; ++i)
    EXPECT_NE(prompt_.messages[i].text.find("\"" + named[i] + "\""), std::string::npos)
        << prompt_.messages[i].text;
  EXPECT_NE(prompt_.messages[0].text.find("cannot be read as XML"), std::string::npos);
  EXPECT_NE(prompt_.messages[1].text.find("# written by zeb"), std::string::npos);
  EXPECT_EQ(catalogue_.failures_reported(), 3u);
}

TEST_F(OtherFrontendsTest, APictureThatCannotBeCopiedFailsAloneAndPegasusNamesItAsListed) {
  const std::string pictures = dir_ / "Zeb\\pictures";
  MakeFolders(pictures);
  WriteBytes(JoinPath(pictures, "TM.PNG"), "picture of tm");
  HANDLE locked = CreateFileA(JoinPath(pictures, "TM.PNG").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  catalogue_.WriteOtherFrontends();
  CloseHandle(locked);

  EXPECT_EQ(catalogue_.outcome(),
            "ES-DE: 3 games, not every picture copied; Pegasus: 3 games; Attract-Mode: 3 games; "
            "Steam ROM Manager: 3 games");
  ASSERT_EQ(prompt_.messages.size(), 1u);
  const std::string& message = prompt_.messages[0].text;
  EXPECT_EQ(message.rfind("These pictures could not be copied for ES-DE:\r\n", 0), 0u) << message;
  EXPECT_NE(message.find("\"" + JoinPath(pictures, "TM.PNG") + "\""), std::string::npos) << message;
  EXPECT_EQ(catalogue_.failures_reported(), 1u);
  EXPECT_TRUE(AnyFileExists(dir_ / "ES-DE\\gamelists\\zebrine\\gamelist.xml"));
  EXPECT_NE(ReadBytes(dir_ / "Pegasus\\metadata.pegasus.txt")
                .find("/tm.zeb\r\nassets.boxFront: " + PathWithSlashes(pictures) + "/TM.PNG\r\n"),
            std::string::npos);
}

TEST_F(OtherFrontendsTest, TheFoldersLiveInFrontendsIniAndRelativeOnesCountFromZebsFolder) {
  WriteBytes(dir_ / "Zeb\\config.cfg", CrLf({"d:\\games\\", roms_ + "\\", "dats\\", ""}));
  folders()[FrontendKind::kPegasus] = "pegasus";
  folders()[FrontendKind::kAttractMode] = "";
  ASSERT_TRUE(catalogue_.SaveFrontendFolders().ok());
  EXPECT_EQ(ReadBytes(dir_ / "Zeb\\frontends.ini"),
            CrLf({"[Frontends]", "ES-DE=" + dir_ / "ES-DE\\", "Pegasus=pegasus",
                  "Attract-Mode=", "Steam ROM Manager=" + dir_ / "SRM\\"}));

  RecordingPrompt prompt;
  Catalogue later(prompt, dir_ / "Zeb");
  later.StartUp();
  later.LoadFrontendFolders();
  EXPECT_EQ(later.frontend_folders(), folders());
  ASSERT_TRUE(later.SaveSettings().ok());
  EXPECT_EQ(ReadBytes(dir_ / "Zeb\\config.cfg"), CrLf({"d:\\games\\", roms_ + "\\", "dats\\", ""}))
      << "config.cfg keeps its four lines";

  MakeFolders(dir_ / "Zeb\\pegasus");
  MakeFolders(dir_ / "elsewhere\\pegasus");
  CurrentFolderGuard current(dir_ / "elsewhere");
  ASSERT_TRUE(current.ok());
  later.WriteOtherFrontends();
  EXPECT_TRUE(AnyFileExists(dir_ / "Zeb\\pegasus\\metadata.pegasus.txt"));
  EXPECT_FALSE(AnyFileExists(dir_ / "elsewhere\\pegasus\\metadata.pegasus.txt"));
  EXPECT_EQ(later.outcome(), "ES-DE: 3 games; Pegasus: 3 games; Steam ROM Manager: 3 games");
}

}  // namespace
}  // namespace zeb::testing
