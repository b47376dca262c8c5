// A store's record of a game (goggame-<digits>.info): its primary play task, or why none.
#include "formats/store_info.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

// The shape of a real record: a primary DOS task and a second, non-primary one.
constexpr char kOrion[] = R"({"gameId":"1207658836","name":"The Orion Conspiracy","playTasks":[
  {"arguments":"-conf \"..\\dosboxORION.conf\" -noconsole -c \"exit\"","category":"game",
   "isPrimary":true,"name":"The Orion Conspiracy","path":"DOSBOX\\dosbox.exe",
   "type":"FileTask","workingDir":"DOSBOX"},
  {"category":"document","name":"Manual","path":"manual.pdf","type":"FileTask"}],
  "rootGameId":"1207658836","version":1})";

std::string Task(const std::string& task) { return R"({"name":"G","playTasks":[)" + task + "]}"; }

TEST(ReadStoreInfo, TakesThePrimaryGameTaskAsWritten) {
  StoreInfo info = ReadStoreInfo(kOrion);
  ASSERT_EQ(info.kind, StoreInfoKind::kTask) << info.why;
  EXPECT_EQ(info.task.game_name, "The Orion Conspiracy");
  EXPECT_EQ(info.task.path, "DOSBOX\\dosbox.exe");
  EXPECT_EQ(info.task.arguments, R"(-conf "..\dosboxORION.conf" -noconsole -c "exit")");
  EXPECT_EQ(info.task.working_dir, "DOSBOX");
  EXPECT_TRUE(info.task.root_game);

  // "/" is taken as "\", "." and a ".." that stays inside are resolved; no folder, no options;
  // a record without a category is a game's.
  info =
      ReadStoreInfo(Task(R"({"isPrimary":true,"type":"FileTask","path":"./bin/../x64/Game.exe"})"));
  ASSERT_EQ(info.kind, StoreInfoKind::kTask) << info.why;
  EXPECT_EQ(info.task.path, "x64\\Game.exe");
  EXPECT_EQ(info.task.working_dir, std::nullopt);
  EXPECT_EQ(info.task.arguments, "");
  // "." names the game folder itself.
  info = ReadStoreInfo(
      Task(R"({"isPrimary":true,"type":"FileTask","path":"a.exe","workingDir":"."})"));
  EXPECT_EQ(info.task.working_dir, "");

  // An add-on's record names another root game.
  info = ReadStoreInfo(
      R"({"gameId":"2","rootGameId":"1","playTasks":[{"isPrimary":true,"type":"FileTask","path":"a.exe"}]})");
  EXPECT_FALSE(info.task.root_game);
}

TEST(ReadStoreInfo, SaysWhyThereIsNoTaskToUse) {
  struct Case {
    std::string bytes;
    StoreInfoKind kind;
  };
  const Case cases[] = {
      {"{\"name\":\"G\",", StoreInfoKind::kMalformed},
      {"[1,2]", StoreInfoKind::kMalformed},
      {"\"" + std::string(kMaxStoreInfoBytes, 'x') + "\"", StoreInfoKind::kMalformed},
      {R"({"name":"DLC"})", StoreInfoKind::kNoTask},
      {Task(R"({"isPrimary":false,"type":"FileTask","path":"a.exe"})"), StoreInfoKind::kNoTask},
      {Task(R"({"isPrimary":true,"type":"URLTask","link":"http://x"})"), StoreInfoKind::kNoTask},
      {Task(R"({"isPrimary":true,"type":"FileTask"})"), StoreInfoKind::kUnusable},
      {Task(R"({"isPrimary":true,"type":"FileTask","path":"C:\\Games\\a.exe"})"),
       StoreInfoKind::kUnusable},
      {Task(R"({"isPrimary":true,"type":"FileTask","path":"bin/../../a.exe"})"),
       StoreInfoKind::kUnusable},
      {Task(R"({"isPrimary":true,"type":"FileTask","path":"a.exe","workingDir":"..\\x"})"),
       StoreInfoKind::kUnusable},
      {Task(R"({"isPrimary":true,"type":"FileTask","path":"a.exe","arguments":7})"),
       StoreInfoKind::kUnusable},
  };
  for (const Case& c : cases) {
    StoreInfo info = ReadStoreInfo(c.bytes);
    EXPECT_EQ(info.kind, c.kind) << c.bytes.substr(0, 80);
    EXPECT_FALSE(info.why.empty()) << c.bytes.substr(0, 80);
  }
}

TEST(IsStoreInfoName, GoggameDigitsInfoInAnyCase) {
  for (const char* name : {"goggame-1207658836.info", "GOGGAME-1.INFO"})
    EXPECT_TRUE(IsStoreInfoName(name)) << name;
  for (const char* name : {"goggame-.info", "goggame-12a.info", "goggame-1.info.bak",
                           "goggame-1.hashdb", "xgoggame-1.info"})
    EXPECT_FALSE(IsStoreInfoName(name)) << name;
}

}  // namespace
}  // namespace zeb
