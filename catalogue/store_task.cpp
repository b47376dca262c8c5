#include "catalogue/store_task.h"

#include <vector>

#include "platform/command_line.h"
#include "platform/name_rules.h"
#include "platform/text_rules.h"

namespace zeb {

namespace {

std::vector<std::string> Parts(const std::string& path) {
  return path.empty() ? std::vector<std::string>() : SplitAt(path, "\\");
}

// path relative to folder; both are relative to the game folder, "\"-separated and free of
// "." and "..". Folder names compare ignoring case, as Windows compares them.
std::string RelativeTo(const std::string& path, const std::string& folder) {
  std::vector<std::string> to = Parts(path), from = Parts(folder);
  size_t common = 0;
  while (common < from.size() && common + 1 < to.size() &&
         UpperCase(from[common]) == UpperCase(to[common]))
    ++common;
  std::string relative;
  for (size_t i = common; i < from.size(); ++i) relative += "..\\";
  for (size_t i = common; i < to.size(); ++i) relative += (i == common ? "" : "\\") + to[i];
  return relative;
}

}  // namespace

StoreStart StartOfPlayTask(const PlayTask& task) {
  StoreStart start;
  size_t slash = task.path.find_last_of('\\');
  std::string program_folder = slash == std::string::npos ? "" : task.path.substr(0, slash);
  start.folder = task.working_dir.value_or(program_folder);
  start.program = std::string(LastPathPart(task.path));
  std::string program = RelativeTo(task.path, start.folder);
  start.line2 =
      task.arguments.empty() ? program : QuotedProgramName(program) + " " + task.arguments;
  return start;
}

}  // namespace zeb
