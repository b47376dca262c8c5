// Where a folder and a name meet: exactly one "\" between them, whatever the folder is.
#include "platform/paths.h"

#include <gtest/gtest.h>

#include "platform/text_rules.h"

namespace zeb {
namespace {

TEST(JoinPath, PutsExactlyOneSeparatorBetweenFolderAndName) {
  EXPECT_EQ(JoinPath("D:\\Games\\Sky Race", "skyrace.exe"), "D:\\Games\\Sky Race\\skyrace.exe");
  EXPECT_EQ(JoinPath("D:\\Games\\", "x.zeb"), "D:\\Games\\x.zeb");
  EXPECT_EQ(JoinPath("D:/Games/", "x.zeb"), "D:/Games/x.zeb");
  // A drive's root, with and without its "\" (a listing reports it without).
  EXPECT_EQ(JoinPath("C:\\", "game.exe"), "C:\\game.exe");
  EXPECT_EQ(JoinPath("C:", "game.exe"), "C:\\game.exe");
  // A network share's root.
  EXPECT_EQ(JoinPath("\\\\server\\share", "game.exe"), "\\\\server\\share\\game.exe");
  EXPECT_EQ(JoinPath("\\\\server\\share\\", "game.exe"), "\\\\server\\share\\game.exe");
  // No folder: the name alone, in the current folder.
  EXPECT_EQ(JoinPath("", "config.cfg"), "config.cfg");
}

TEST(WithTrailingSeparator, AddsOneOnlyWhereNoneIs) {
  EXPECT_EQ(WithTrailingSeparator("roms"), "roms\\");
  EXPECT_EQ(WithTrailingSeparator("roms\\"), "roms\\");
  EXPECT_EQ(WithTrailingSeparator("roms/"), "roms/");
  EXPECT_EQ(WithTrailingSeparator("C:"), "C:\\");
  EXPECT_EQ(WithTrailingSeparator("\\\\server\\share"), "\\\\server\\share\\");
  EXPECT_EQ(WithTrailingSeparator(""), "");
}

TEST(LastPathPart, IsTheNameAfterTheLastBackslash) {
  EXPECT_EQ(LastPathPart("D:\\Games\\Sky Race"), "Sky Race");
  EXPECT_EQ(LastPathPart("skyrace.zeb"), "skyrace.zeb");
  EXPECT_EQ(LastPathPart("D:\\Games\\"), "");
  EXPECT_EQ(LastPathPart("\\\\server\\share"), "share");
  EXPECT_EQ(LastPathPart(""), "");
}

}  // namespace
}  // namespace zeb
