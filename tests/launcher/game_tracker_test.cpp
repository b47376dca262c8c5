// Which processes are the game and when it has ended, on made-up event sequences.
#include "launcher/game_tracker.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

constexpr char kFolder[] = "C:\\Games\\Sky Race";
constexpr char kStub[] = "C:\\Games\\Sky Race\\Sky.exe";
constexpr char kRealGame[] = "C:\\Games\\Sky Race\\Game\\Binaries\\Win64\\Sky-Win64-Shipping.exe";
constexpr char kTrayLauncher[] = "C:\\Program Files\\Store\\store.exe";
constexpr char kClient[] = "C:\\Program Files\\Store\\client.exe";

SeenProcess Descendant(uint32_t id, const std::string& path) { return {id, path, true, false}; }
SeenProcess Listed(uint32_t id, const std::string& path, bool older_than_game = false) {
  return {id, path, false, older_than_game};
}

TEST(IsInFolder, CountsProgramsInTheFolderAndBelowItInAnyLetterCase) {
  EXPECT_TRUE(IsInFolder(kStub, kFolder));
  EXPECT_TRUE(IsInFolder(kRealGame, kFolder));
  EXPECT_TRUE(IsInFolder("c:\\GAMES\\sky race\\sky.exe", kFolder));
  EXPECT_TRUE(IsInFolder(kStub, "C:\\Games\\Sky Race\\"));
  EXPECT_FALSE(IsInFolder("C:\\Games\\Sky Race 2\\sky.exe", kFolder));
  EXPECT_FALSE(IsInFolder("C:\\Games\\Sky Race.exe", kFolder));
  EXPECT_FALSE(IsInFolder("C:\\Games\\Sky Race\\", kFolder));
  EXPECT_FALSE(IsInFolder(kTrayLauncher, kFolder));
  EXPECT_FALSE(IsInFolder("", kFolder));
  EXPECT_FALSE(IsInFolder(kStub, ""));
  // A game at a drive's root owns the programs beside it, not the system's below it.
  EXPECT_TRUE(IsInFolder("D:\\sky.exe", "D:\\"));
  EXPECT_FALSE(IsInFolder("D:\\Windows\\System32\\cmd.exe", "D:\\"));
}

// The stub, the resident and the hand-off themselves are shown by vrelo_test.cpp; here the
// edges of each rule.
TEST(GameTracker, ADescendantCountsOnlyWhenItsProgramLiesInTheGameFolder) {
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  EXPECT_EQ(tracker.WaitMs(0), GameTracker::kNoTimeLimit);
  EXPECT_FALSE(tracker.Appeared(Descendant(1, kStub), 100));  // the job reports it too
  EXPECT_FALSE(tracker.Appeared(Descendant(2, kTrayLauncher), 100));
  EXPECT_FALSE(tracker.Appeared(Descendant(3, ""), 100));  // ended before it could be read
  EXPECT_TRUE(tracker.Appeared(Descendant(4, kRealGame), 100));
  tracker.Ended(1, 200);
  tracker.Ended(2, 300);
  EXPECT_FALSE(tracker.ended());
  tracker.Ended(4, 20000);
  EXPECT_TRUE(tracker.ended());
}

TEST(GameTracker, AfterAShortRunItLooksForAHandOffAndFollowsIt) {
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  // While the game runs, a program of the folder that someone else starts is not the game.
  EXPECT_FALSE(tracker.Appeared(Listed(5, kRealGame), 100));
  tracker.Ended(1, 500);
  ASSERT_TRUE(tracker.looking());
  // The first look is due at once, then one every 250 ms.
  EXPECT_TRUE(tracker.LookDue(500));
  tracker.Looked(500);
  EXPECT_FALSE(tracker.LookDue(700));
  EXPECT_EQ(tracker.WaitMs(700), 50u);
  EXPECT_FALSE(tracker.Appeared(Listed(6, kTrayLauncher), 750));
  EXPECT_FALSE(tracker.Appeared(Listed(7, kRealGame, true), 750));  // running before the game
  EXPECT_TRUE(tracker.Appeared(Listed(8, kRealGame), 3500));
  EXPECT_FALSE(tracker.looking());
  EXPECT_EQ(tracker.WaitMs(3500), GameTracker::kNoTimeLimit);
  tracker.Ended(8, 3600000);
  EXPECT_TRUE(tracker.ended());
}

TEST(GameTracker, ALookEndsTenSecondsAfterTheRunWhenNothingTheGameStartedElsewhereRuns) {
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  EXPECT_FALSE(tracker.Appeared(Descendant(2, kClient), 100));
  tracker.Ended(2, 400);  // ended with the run
  tracker.Ended(1, 500);
  // A program outside the folder that someone else runs holds nothing.
  EXPECT_FALSE(tracker.Appeared(Listed(6, kTrayLauncher), 600));
  tracker.Looked(10400);
  EXPECT_EQ(tracker.WaitMs(10400), 100u);
  tracker.TimePassed(10499);
  EXPECT_TRUE(tracker.looking());
  tracker.TimePassed(10500);
  EXPECT_TRUE(tracker.ended());
  EXPECT_EQ(tracker.WaitMs(10500), 0u);
  EXPECT_FALSE(tracker.Appeared(Listed(8, kRealGame), 10600));
}

// The game's program wakes a store client outside the folder and ends; the client signs in
// and starts the game from the folder much later.
TEST(GameTracker, AProgramTheGameStartedElsewhereKeepsTheLookGoingWhileItRuns) {
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  EXPECT_FALSE(tracker.Appeared(Descendant(2, kClient), 100));
  tracker.Ended(1, 500);
  tracker.TimePassed(60500);
  ASSERT_TRUE(tracker.looking());
  EXPECT_TRUE(tracker.LookDue(60500));
  EXPECT_TRUE(tracker.Appeared(Descendant(3, kRealGame), 60500));
  EXPECT_EQ(tracker.WaitMs(60600), GameTracker::kNoTimeLimit);
  // Played: the client that still runs holds nothing.
  tracker.Ended(3, 3600000);
  EXPECT_TRUE(tracker.ended());
}

TEST(GameTracker, WhenTheClientEndsTheLookGoesOnTenSecondsAsAfterTheRun) {
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  tracker.Appeared(Descendant(2, kClient), 100);
  tracker.Appeared(Descendant(3, kClient), 200);  // a helper of the client
  tracker.Ended(1, 500);
  tracker.Ended(3, 5000);
  tracker.Ended(2, 20500);
  tracker.Looked(30400);
  EXPECT_EQ(tracker.WaitMs(30400), 100u);
  tracker.TimePassed(30499);
  EXPECT_TRUE(tracker.looking());
  tracker.TimePassed(30500);
  EXPECT_TRUE(tracker.ended());
}

TEST(GameTracker, ALookEndsTwoMinutesAfterTheRunAtTheLatest) {
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  tracker.Appeared(Descendant(2, kClient), 100);
  tracker.Ended(1, 500);
  tracker.Looked(120400);
  EXPECT_EQ(tracker.WaitMs(120400), 100u);
  tracker.TimePassed(120499);
  EXPECT_TRUE(tracker.looking());
  tracker.TimePassed(120500);
  EXPECT_TRUE(tracker.ended());
}

TEST(GameTracker, OnceALookHasFoundTheGameTheClientIsNotWaitedFor) {
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  tracker.Appeared(Descendant(2, kClient), 100);
  tracker.Ended(1, 500);
  ASSERT_TRUE(tracker.Appeared(Listed(3, kRealGame), 30000));
  tracker.Ended(3, 32000);  // a crash at start: short, so the look of today
  tracker.TimePassed(41999);
  EXPECT_TRUE(tracker.looking());
  tracker.TimePassed(42000);
  EXPECT_TRUE(tracker.ended());
}

TEST(GameTracker, ALookTakesEveryProgramOfTheFolderInItsListingAndNoLaterOne) {
  // The look comes after the launcher has started the real game: both are in one listing.
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  tracker.Ended(1, 500);
  ASSERT_TRUE(tracker.Appeared(Listed(2, kStub), 750));
  ASSERT_TRUE(tracker.Appeared(Listed(3, kRealGame), 750));
  tracker.Ended(2, 20000);
  EXPECT_FALSE(tracker.ended()) << "the real game still runs";
  // A program of the folder that someone starts once the look is over is not the game.
  EXPECT_FALSE(tracker.Appeared(Listed(4, kRealGame), 21000));
  tracker.Ended(3, 30000);
  EXPECT_TRUE(tracker.ended());
}

TEST(GameTracker, AProgramWhoseFileWasUnknownAtFirstIsTheGameOnceALookFindsIt) {
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  EXPECT_FALSE(tracker.Appeared(Descendant(2, ""), 100));
  tracker.Ended(1, 500);
  ASSERT_TRUE(tracker.Appeared(Listed(2, kRealGame), 750));
  tracker.Ended(2, 2000);  // a crash at start: the look of today, no wait for a client
  tracker.TimePassed(12000);
  EXPECT_TRUE(tracker.ended());
}

TEST(GameTracker, ARunOfExactlyTheShortRunCountsAsPlayed) {
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  tracker.Appeared(Descendant(2, kClient), 100);  // still running: it holds nothing
  tracker.Ended(1, 10000);
  EXPECT_TRUE(tracker.ended());
}

TEST(GameTracker, OverlappingProcessesRunFromTheFirstOnesStart) {
  // The stub's real game starts 9 s into the stub's run and ends 3 s after it: 12 s played.
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  ASSERT_TRUE(tracker.Appeared(Descendant(2, kRealGame), 9000));
  tracker.Ended(1, 9500);
  tracker.Ended(2, 12000);
  EXPECT_TRUE(tracker.ended());
}

TEST(GameTracker, RunsAddUpWithoutTheLooksBetweenThem) {
  // A game that restarts itself twice, 4 s each time, 5 s apart: 8 s of play is still short.
  GameTracker tracker(kFolder);
  tracker.Started(1, 0);
  tracker.Ended(1, 4000);
  ASSERT_TRUE(tracker.Appeared(Listed(2, kStub), 9000));
  tracker.Ended(2, 13000);
  EXPECT_TRUE(tracker.looking());
  ASSERT_TRUE(tracker.Appeared(Listed(3, kStub), 18000));
  tracker.Ended(3, 22000);
  EXPECT_TRUE(tracker.ended());
}

TEST(ReadHandOffTimes, TakesThreeNumbersOrLeavesTheTimesAlone) {
  HandOffTimes times;
  EXPECT_TRUE(ReadHandOffTimes("1000,2000,6000", &times));
  EXPECT_EQ(times.short_run_ms, 1000u);
  EXPECT_EQ(times.look_for_ms, 2000u);
  EXPECT_EQ(times.look_at_most_ms, 6000u);
  EXPECT_EQ(times.look_every_ms, 250u);
  for (const char* text : {"", "1,2", "1,2,3,4", "1,,3", "1,2,x", "-1,2,3", "1, 2,3", "1,2,3 ",
                           "1,2,99999999999999999999"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ReadHandOffTimes(text, &times));
    EXPECT_EQ(times.look_for_ms, 2000u);
  }
}

}  // namespace
}  // namespace zeb
