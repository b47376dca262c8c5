// The pictures' names, and when a picture may go where a frontend looks for one.
#include "formats/picture_files.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

TEST(PictureFileName, IsTheEntryFileNameWithPngForZeb) {
  EXPECT_EQ(PictureFileName("skyrace.zeb"), "skyrace.png");
  EXPECT_EQ(PictureFileName("Sky Race.ZEB"), "Sky Race.png");
  EXPECT_EQ(PictureFileName("launczeb"), "") << "made from \"launcher\": no ending";
  EXPECT_EQ(PictureFileName(".zeb"), "");
  EXPECT_EQ(PictureFileName("notes.txt"), "");
  EXPECT_EQ(PictureFileName("old.zeb.bak"), "");
}

TEST(MayReplaceFrontendPicture, OnlyWhereNothingOrOurEarlierCopyIsThere) {
  const std::string ours = "\x89PNG ours", theirs = "\x89PNG drawn by hand";
  EXPECT_TRUE(MayReplaceFrontendPicture(std::nullopt, std::nullopt));
  EXPECT_TRUE(MayReplaceFrontendPicture(std::nullopt, ours)) << "the user deleted our copy";
  EXPECT_TRUE(MayReplaceFrontendPicture(ours, ours));
  EXPECT_FALSE(MayReplaceFrontendPicture(theirs, ours));
  EXPECT_FALSE(MayReplaceFrontendPicture(theirs, std::nullopt)) << "there before we ever copied";
  EXPECT_FALSE(MayReplaceFrontendPicture(ours + " ", ours)) << "one byte more is not ours";
  EXPECT_FALSE(MayReplaceFrontendPicture(std::string(), ours)) << "an empty file is not ours";
}

}  // namespace
}  // namespace zeb
