// Searching a game folder "G" for its executable, through listings of made-up files.
#include "catalogue/game_search.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/name_rules.h"
#include "platform/paths.h"

namespace zeb {
namespace {

// The found path for a game folder "G" holding these files (every folder on their way
// exists); log gets each listing asked for, and the folder unlistable cannot be listed.
std::string Find(const std::vector<std::string>& files, std::string* log = nullptr,
                 const std::string& unlistable = "") {
  auto list = [&](const std::string& folder, bool folders, std::vector<std::string>* out) {
    if (log) *log += (folders ? "D " : "F ") + folder + ";";
    out->clear();
    for (const std::string& file : files) {
      std::string path = "G\\" + file;
      if (path.rfind(folder + "\\", 0) != 0) continue;
      size_t slash = path.find('\\', folder.size() + 1);
      if (folders && slash != std::string::npos) out->push_back(path.substr(0, slash));
      if (!folders && slash == std::string::npos && MatchesPattern(path, "*.exe"))
        out->push_back(path.substr(folder.size() + 1));
    }
    SortNames(*out);
    out->erase(std::unique(out->begin(), out->end()), out->end());
    return folder != unlistable;
  };
  FolderLister lister{
      [&](auto& folder, FolderFiles* files) { return list(folder, false, &files->executables); },
      [&](auto& folder, auto* paths) { return list(folder, true, paths); }};
  std::optional<FoundExecutable> found = FindGameExecutable("G", lister);
  return found ? JoinPath(found->folder, found->name) : "<none>";
}

TEST(FindGameExecutable, WhereThePlainRuleChoosesNothingElseIsListed) {
  std::string log;
  EXPECT_EQ(Find({"play.exe", "setup.exe", "bin\\g.exe"}, &log), "G\\play.exe");
  EXPECT_EQ(log, "F G;");
  // The first sub-folder as before, even a redistributables folder.
  EXPECT_EQ(Find({"redist\\dxwebinst.exe", "x64\\game.exe"}), "G\\redist\\dxwebinst.exe");
  // Unless all it holds is helper programs: then the deeper look, which passes over them too.
  EXPECT_EQ(Find({"redist\\vcredist_x64.exe", "x64\\game.exe"}), "G\\x64\\game.exe");
  EXPECT_EQ(Find({"UnityCrashHandler64.exe", "a\\CrashReportClient.exe", "b\\game.exe"}),
            "G\\b\\game.exe");
}

TEST(FindGameExecutable, LevelByLevelThreeDeepPreferredFirstWithinALevel) {
  // "G" is in every path, so these names are preferred for "LAUNCH" only.
  EXPECT_EQ(Find({"setup.exe", "a\\tool.exe", "b\\Launcher.exe"}), "G\\b\\Launcher.exe");
  EXPECT_EQ(Find({"setup.exe", "a\\tool.exe", "a\\b\\Launcher.exe"}), "G\\a\\tool.exe");
  EXPECT_EQ(Find({"setup.exe", "a\\b\\c\\tool.exe"}), "G\\a\\b\\c\\tool.exe");
  EXPECT_EQ(Find({"setup.exe", "a\\b\\c\\d\\tool.exe"}), "<none>");
}

TEST(FindGameExecutable, AFolderThatCannotBeListedIsPassedOver) {
  EXPECT_EQ(Find({"setup.exe", "a\\x\\tool.exe", "b\\y\\tool.exe"}, nullptr, "G\\a"),
            "G\\b\\y\\tool.exe");
  EXPECT_EQ(Find({"bin\\tool.exe"}, nullptr, "G"), "<none>");
}

}  // namespace
}  // namespace zeb
