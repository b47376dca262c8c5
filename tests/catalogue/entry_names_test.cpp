// Whose entry an entry file is, and the entry made from a store's play task. (The names of
// games sharing a program are shown by the scan's tests.)
#include "catalogue/entry_names.h"

#include <gtest/gtest.h>

#include "catalogue/store_task.h"

namespace zeb {
namespace {

TEST(IsGamesEntry, TheGameFolderOrBelowItIgnoringCase) {
  EXPECT_TRUE(IsGamesEntry("D:\\Games\\HITMAN 3", "d:\\games\\hitman 3"));
  EXPECT_TRUE(IsGamesEntry("d:\\games\\hitman 3\\Retail\\", "D:\\Games\\HITMAN 3\\"));
  EXPECT_FALSE(IsGamesEntry("D:\\Games\\HITMAN 3x", "D:\\Games\\HITMAN 3"));
  EXPECT_FALSE(IsGamesEntry("D:\\Games", "D:\\Games\\HITMAN 3"));
  EXPECT_FALSE(IsGamesEntry("", "D:\\Games\\HITMAN 3"));
  EXPECT_FALSE(IsGamesEntry("NULL", "D:\\Games\\HITMAN 3"));
}

TEST(GameFolderOf, TheDirectSubFolderOfTheGamesRoot) {
  EXPECT_EQ(GameFolderOf("D:\\Games\\Tanks\\bin\\x64", "d:\\games\\"), "D:\\Games\\Tanks");
  EXPECT_EQ(GameFolderOf("D:\\Games\\Tanks\\", "D:\\Games"), "D:\\Games\\Tanks");
  EXPECT_EQ(GameFolderOf("E:\\Elsewhere\\Tanks", "D:\\Games\\"), "E:\\Elsewhere\\Tanks");
  EXPECT_EQ(GameFolderOf("D:\\Games", "D:\\Games\\"), "D:\\Games");
  EXPECT_EQ(GameFolderOf("D:\\Tanks\\bin", "D:\\"), "D:\\Tanks");
}

TEST(StartOfPlayTask, TheWorkingFolderOrTheProgramsFolderAndTheArgumentsAsWritten) {
  PlayTask dos{"The Orion Conspiracy", "DOSBOX\\dosbox.exe",
               R"(-conf "..\dosboxORION.conf" -noconsole -c "exit")", "DOSBOX"};
  StoreStart start = StartOfPlayTask(dos);
  EXPECT_EQ(start.folder, "DOSBOX");
  EXPECT_EQ(start.line2, R"(dosbox.exe -conf "..\dosboxORION.conf" -noconsole -c "exit")");
  EXPECT_EQ(start.program, "dosbox.exe");

  start = StartOfPlayTask({"G", "bin\\x64\\Cloud Hopper.exe", "", std::nullopt});
  EXPECT_EQ(start.folder, "bin\\x64");
  EXPECT_EQ(start.line2, "Cloud Hopper.exe");
  // A working folder that does not hold the program; a name with a blank before arguments.
  start = StartOfPlayTask({"G", "Bin\\Cloud Hopper.exe", "-w", "bin\\data"});
  EXPECT_EQ(start.line2, "\"..\\Cloud Hopper.exe\" -w");
  start = StartOfPlayTask({"G", "game.exe", "", ""});
  EXPECT_EQ(start.folder, "");
  EXPECT_EQ(start.line2, "game.exe");
}

}  // namespace
}  // namespace zeb
