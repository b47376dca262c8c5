// The release check's reading of version resources, on the programs this build made and on
// test games whose resources disagree in known ways.
#include "release/version_check.h"

#include <gtest/gtest.h>

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
