// "Prepare Dk Settings": the frontend's settings file.
#include <windows.h>
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "platform/files.h"
#include "platform/program_info.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {
namespace {

class DkSettingsTest : public ::testing::Test {
 protected:
  DkSettingsTest() : catalogue_(prompt_, dir_ / "Zeb") {}
  std::string Expected() const {
    return "[Config]\r\nextension=.zeb\r\npath=" + dir_ / "Zeb" +
           "\\\r\nexe=Vrelo.exe\r\nsend rom path=1\r\nsend exit keys=0\r\ncommand line "
           "options=\r\n";
  }

  TempFolder dir_;
  RecordingPrompt prompt_;
  Catalogue catalogue_;
};

TEST_F(DkSettingsTest, WritesTheSevenLinesAndReplacesAnOldFileWhole) {
  MakeFolders(dir_ / "DK\\cfgs");
  WriteBytes(dir_ / "DK\\cfgs\\PC.cfg", std::string(5000, 'x'));
  catalogue_.settings().dk_path = dir_ / "DK\\";
  catalogue_.MakeDKcfg();
  EXPECT_EQ(ReadBytes(dir_ / "DK\\cfgs\\PC.cfg"), Expected());
  catalogue_.MakeDKcfg();
  EXPECT_EQ(ReadBytes(dir_ / "DK\\cfgs\\PC.cfg"), Expected());
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(DkSettingsTest, AFolderWithoutFinalBackslashGetsOneAndRelativeOnesCountFromZebsFolder) {
  MakeFolders(dir_ / "DK\\cfgs");
  MakeFolders(dir_ / "DKcfgs");
  catalogue_.settings().dk_path = dir_ / "DK";
  catalogue_.MakeDKcfg();
  EXPECT_EQ(ReadBytes(dir_ / "DK\\cfgs\\PC.cfg"), Expected());
  EXPECT_FALSE(AnyFileExists(dir_ / "DKcfgs\\PC.cfg"));
  EXPECT_EQ(catalogue_.outcome(), dir_ / "DK\\cfgs\\PC.cfg written");

  // Started from another folder, an empty or relative setting still means zeb's own folder.
  MakeFolders(dir_ / "Zeb\\cfgs");
  MakeFolders(dir_ / "Zeb\\frontend\\cfgs");
  MakeFolders(dir_ / "elsewhere\\cfgs");
  CurrentFolderGuard current(dir_ / "elsewhere");
  ASSERT_TRUE(current.ok());
  for (const char* setting : {"", "frontend"}) {
    catalogue_.settings().dk_path = setting;
    catalogue_.MakeDKcfg();
  }
  EXPECT_EQ(ReadBytes(dir_ / "Zeb\\cfgs\\PC.cfg"), Expected());
  EXPECT_EQ(ReadBytes(dir_ / "Zeb\\frontend\\cfgs\\PC.cfg"), Expected());
  EXPECT_FALSE(AnyFileExists(dir_ / "elsewhere\\cfgs\\PC.cfg"));
}

TEST_F(DkSettingsTest, AMissingCfgsFolderIsNamedInAMessage) {
  catalogue_.settings().dk_path = dir_ / "DK\\";
  catalogue_.MakeDKcfg();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find(dir_ / "DK\\cfgs\\PC.cfg"), std::string::npos)
      << prompt_.messages[0].text;
  EXPECT_EQ(prompt_.messages[0].title, kAppTitle);
  EXPECT_FALSE(AnyFileExists(dir_ / "DK\\cfgs\\PC.cfg"));
}

}  // namespace
}  // namespace zeb::testing
