// Unexpected failures become an "Error: " message and the caller goes on.
#include "platform/failure_report.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <system_error>

#include "platform/text_rules.h"
#include "tests/support/recording_prompt.h"

namespace zeb::testing {
namespace {

TEST(RunReportingFailures, ShowsTheDescriptionAndNumberAndReturns) {
  RecordingPrompt prompt;
  bool after = false;
  RunReportingFailures(prompt, "Title", [] {
    throw std::system_error(5, std::generic_category(), "Reading the resource");
  });
  RunReportingFailures(prompt, "Title", [] { throw std::bad_alloc(); });
  RunReportingFailures(prompt, "Title", [] { throw std::runtime_error("Odd data"); });
  RunReportingFailures(prompt, "Title", [] { throw 42; });
  RunReportingFailures(prompt, "Title", [&] { after = true; });
  ASSERT_EQ(prompt.messages.size(), 4u);
  EXPECT_TRUE(prompt.messages[0].text.starts_with("Error: Reading the resource"))
      << prompt.messages[0].text;
  EXPECT_TRUE(prompt.messages[0].text.ends_with(" (5)")) << prompt.messages[0].text;
  EXPECT_EQ(prompt.messages[1].text, "Error: Not enough memory (14)");
  EXPECT_EQ(prompt.messages[2].text, "Error: Odd data (1359)");
  EXPECT_EQ(prompt.messages[3].text, "Error: Unknown failure (1359)");
  EXPECT_EQ(prompt.messages[0].title, "Title");
  EXPECT_TRUE(after);
}

TEST(TextRules, TrimSplitAndRemove) {
  EXPECT_EQ(TrimSpaces("  Foo Racing  "), "Foo Racing");
  EXPECT_EQ(TrimSpaces("\tFoo "), "\tFoo");
  EXPECT_EQ(TrimSpaces("   "), "");
  using Pieces = std::vector<std::string>;
  EXPECT_EQ(SplitAt("a b  c", " "), (Pieces{"a", "b", "", "c"}));
  EXPECT_EQ(SplitAt("", " "), (Pieces{}));
  EXPECT_EQ(SplitAt("x -y -z", " -"), (Pieces{"x", "y", "z"}));
  EXPECT_EQ(SplitAt("/", "/"), (Pieces{"", ""}));
  EXPECT_EQ(RemoveAll("2000 Foo2000 Inc", "2000"), " Foo Inc");
  EXPECT_EQ(RemoveAll("aaa", "aa"), "a");
  EXPECT_EQ(RemoveAll("abc", ""), "abc");
}

}  // namespace
}  // namespace zeb::testing
