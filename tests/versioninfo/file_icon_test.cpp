// The icon of real programs: test games built for x86_64 and i686 with the test icons in
// their resources (tests/fixtures/CMakeLists.txt).
#include "versioninfo/file_icon.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"
#include "tests/support/test_icons.h"

namespace zeb::testing {
namespace {

std::string Fixture(const std::string& arch, const std::string& name) {
  return BuiltProgram("fixtures\\" + arch + "\\" + name + ".exe");
}

// A program of the other architecture is read as well as one of this program's own.
TEST(FileIcon, ReadsTheIconOfA64BitAndOfA32BitProgram) {
  for (const char* arch : {"x64", "x86"}) {
    FileIcon icon = ReadFileIcon(Fixture(arch, "icon_png"));
    ASSERT_EQ(icon.kind, FileIcon::Kind::kPicture) << arch << ": " << icon.reason;
    EXPECT_EQ(icon.picture.png, ResourcesOf(TestIco("png256")).images.at(2)) << arch;

    icon = ReadFileIcon(Fixture(arch, "icon_bitmap"));
    ASSERT_EQ(icon.kind, FileIcon::Kind::kPicture) << arch << ": " << icon.reason;
    EXPECT_EQ(icon.picture.bitmap.width, 48u) << arch;
    EXPECT_TRUE(icon.picture.bitmap.pixels == ExpectedTestPixels(48, 32, 0, true)) << arch;
  }
}

TEST(FileIcon, NoIconIsNoneAndADamagedOneSaysWhy) {
  TempFolder dir;
  WriteBytes(dir / "text.exe", "MZ but no program");
  for (const std::string& path : {Fixture("x64", "noversion"), Fixture("x86", "noversion"),
                                  dir / "text.exe", dir / "missing.exe"}) {
    FileIcon icon = ReadFileIcon(path);
    EXPECT_TRUE(icon.kind == FileIcon::Kind::kNone && icon.reason.empty()) << path;
  }
  for (const char* arch : {"x64", "x86"}) {
    FileIcon icon = ReadFileIcon(Fixture(arch, "icon_damaged"));
    EXPECT_EQ(icon.kind, FileIcon::Kind::kDamaged) << arch;
    EXPECT_EQ(icon.reason, "its bitmap needs 4264 bytes, but the image holds 2088") << arch;
  }
}

}  // namespace
}  // namespace zeb::testing
