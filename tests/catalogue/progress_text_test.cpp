// The progress row's texts.
#include "catalogue/progress_text.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

TEST(ProgressText, CountsAreGroupedAndTheItemIsNamed) {
  EXPECT_EQ(CountText(0), "0");
  EXPECT_EQ(CountText(999), "999");
  EXPECT_EQ(CountText(1000), "1,000");
  EXPECT_EQ(CountText(1234567), "1,234,567");
  EXPECT_EQ(ProgressText("Scanning", 312, 2000, "Sky Race"), "Scanning 312 of 2,000: Sky Race");
  EXPECT_EQ(ProgressText("Reading entries", 1, 1, ""), "Reading entries 1 of 1");
}

}  // namespace
}  // namespace zeb
