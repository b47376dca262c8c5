// The rules behind long work and its reports: running items side by side in order, the
// log's lines, and system messages with their placeholders filled.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>

#include "platform/log_text.h"
#include "platform/parallel.h"
#include "platform/text_rules.h"

namespace zeb {
namespace {

using Lines = std::vector<std::string>;

TEST(ParallelForInOrder, RunsEveryItemOnceOrStopsWithAnUnbrokenRunFromTheFirst) {
  for (unsigned threads : {1u, 4u}) {
    std::mutex mutex;
    std::multiset<size_t> ran;
    size_t count = ParallelForInOrder(
        200, threads, [] { return false; },
        [&](size_t i) {
          std::lock_guard<std::mutex> lock(mutex);
          ran.insert(i);
        });
    EXPECT_EQ(count, 200u) << threads;
    ASSERT_EQ(ran.size(), 200u) << threads;
    for (size_t i = 0; i < 200; ++i) EXPECT_EQ(ran.count(i), 1u) << i;

    // A stop asked for half-way: the items that ran are exactly 0 to count - 1.
    ran.clear();
    std::atomic<size_t> started{0};
    count = ParallelForInOrder(
        200, threads, [&] { return started.load() >= 50; },
        [&](size_t i) {
          ++started;
          std::lock_guard<std::mutex> lock(mutex);
          ran.insert(i);
        });
    EXPECT_GE(count, 50u) << threads;
    EXPECT_LT(count, 200u) << threads;
    ASSERT_EQ(ran.size(), count) << threads;
    EXPECT_EQ(*ran.rbegin(), count - 1) << threads;
  }
  EXPECT_EQ(ParallelForInOrder(
                0, 4, [] { return false; }, [](size_t) {}),
            0u);
  // A failure on any thread reaches the caller instead of ending the program.
  EXPECT_THROW(ParallelForInOrder(
                   100, 4, [] { return false; },
                   [](size_t i) {
                     if (i == 30) throw std::runtime_error("out of memory");
                   }),
               std::runtime_error);
}

TEST(LogText, EveryLineStartsWithTheStampOrBlanksAndOnlyTheNewestLinesStay) {
  EXPECT_EQ(LogEntryLines("2026-12-07 16:06:46", "These files:\r\nC:\\a\r\nC:\\b"),
            (Lines{"2026-12-07 16:06:46 These files:", "                    C:\\a",
                   "                    C:\\b"}));
  EXPECT_EQ(LogEntryLines("stamp", ""), (Lines{"stamp "}));
  Lines log = {"first", "second", "third"};
  // Each line counts with its CR LF: "third" and "second" take 7 + 8 bytes.
  EXPECT_EQ(NewestLogLines(log, 15), (Lines{"second", "third"}));
  EXPECT_EQ(NewestLogLines(log, 14), (Lines{"third"}));
  EXPECT_EQ(NewestLogLines(log, 1000), log);
}

TEST(FillPlaceholders, NoPlaceholderReachesTheUser) {
  EXPECT_EQ(FillPlaceholders("%1 is not a valid Win32 application.", "C:\\g\\game.exe"),
            "C:\\g\\game.exe is not a valid Win32 application.");
  EXPECT_EQ(FillPlaceholders("%1 is not a valid Win32 application.", ""),
            "is not a valid Win32 application.");
  EXPECT_EQ(FillPlaceholders("The file %1 was used by %2.", "x"), "The file x was used by.");
  EXPECT_EQ(FillPlaceholders("100% done", "x"), "100% done");
  EXPECT_EQ(FillPlaceholders("ends in %", "x"), "ends in %");
}

}  // namespace
}  // namespace zeb
