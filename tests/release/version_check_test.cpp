// The release check's reading of version resources, on the programs this build made and on
// test games whose resources disagree in known ways; and the icon both programs carry.
#include "release/version_check.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <set>

#include "platform/program_icon.h"
#include "tests/support/temp_folder.h"
#include "zeb_version.h"

namespace zeb::testing {
namespace {

// True when text holds part; the message shows the whole text when it does not.
::testing::AssertionResult Holds(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << text << "\" does not hold \"" << part << "\"";
}

TEST(VersionCheckTest, BothProgramsCarryTheProjectVersion) {
  EXPECT_EQ(VersionDisagreement(BuiltProgram("zeb.exe"), ZEB_VERSION_TEXT), "");
  EXPECT_EQ(VersionDisagreement(BuiltProgram("vrelo.exe"), ZEB_VERSION_TEXT), "");
}

// The widths of the images in the program's icon group IDI_ZEBRINE (256 is written 0);
// empty when the program has no such group.
std::set<int> IconWidths(const std::string& program) {
  HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return {};
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDI_ZEBRINE), RT_GROUP_ICON);
  size_t bytes = found != nullptr ? SizeofResource(module, found) : 0;
  const BYTE* group =
      bytes >= 6 ? static_cast<const BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
  std::set<int> widths;
  // The group: a 6-byte header ending in the image count, then 14 bytes per image, the
  // first of them its width.
  size_t count = group != nullptr ? group[4] | group[5] << 8 : 0;
  for (size_t i = 0; i < count && 6 + 14 * (i + 1) <= bytes; ++i)
    widths.insert(group[6 + 14 * i] == 0 ? 256 : group[6 + 14 * i]);
  FreeLibrary(module);
  return widths;
}

TEST(VersionCheckTest, BothProgramsCarryTheIconAtEverySizeExplorerShows) {
  const std::set<int> sizes = {16, 20, 24, 32, 40, 48, 64, 256};
  EXPECT_EQ(IconWidths(BuiltProgram("zeb.exe")), sizes);
  EXPECT_EQ(IconWidths(BuiltProgram("vrelo.exe")), sizes);
  // A program without the group is told apart.
  EXPECT_EQ(IconWidths(BuiltProgram("fixtures\\x64\\full.exe")), std::set<int>());
}

TEST(VersionCheckTest, AnotherVersionIsReportedWithTheTextsFound) {
  std::string problem = VersionDisagreement(BuiltProgram("vrelo.exe"), "0.0.9");
  EXPECT_TRUE(Holds(problem, std::string("FileVersion \"") + ZEB_VERSION_TEXT + "\""));
  EXPECT_TRUE(Holds(problem, "expected \"0.0.9\""));
  // A version that merely starts the same is another version.
  EXPECT_NE(VersionDisagreement(BuiltProgram("zeb.exe"), std::string(ZEB_VERSION_TEXT) + ".0"), "");
}

TEST(VersionCheckTest, FileVersionAndProductVersionMustBothAgree) {
  // full.rc: FileVersion "1.2.3.4", ProductVersion "5.6.7.8".
  for (const char* arch : {"x64", "x86"}) {
    std::string game = BuiltProgram(std::string("fixtures\\") + arch + "\\full.exe");
    EXPECT_TRUE(Holds(VersionDisagreement(game, "1.2.3.4"), "ProductVersion \"5.6.7.8\"")) << arch;
    EXPECT_TRUE(Holds(VersionDisagreement(game, "5.6.7.8"), "FileVersion \"1.2.3.4\"")) << arch;
  }
}

TEST(VersionCheckTest, NoResourceOrNoFileIsADisagreement) {
  EXPECT_TRUE(Holds(VersionDisagreement(BuiltProgram("fixtures\\x64\\noversion.exe"), "1.0.0"),
                    "no FileVersion or ProductVersion"));
  EXPECT_TRUE(Holds(VersionDisagreement(BuiltProgram("missing.exe"), "1.0.0"),
                    "no FileVersion or ProductVersion"));
  // An empty version agrees with nothing, not even with a file that has no resource.
  EXPECT_NE(VersionDisagreement(BuiltProgram("missing.exe"), ""), "");
}

}  // namespace
}  // namespace zeb::testing
