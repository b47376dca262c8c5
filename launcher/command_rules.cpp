#include "launcher/command_rules.h"

#include <algorithm>

#include "platform/name_rules.h"
#include "platform/paths.h"
#include "platform/text_rules.h"

namespace zeb {

namespace {

constexpr std::string_view kEntryEnding = ".zeb";

// When the entry path holds the separator, the path becomes the trimmed text in front of its
// first occurrence and the options become the command line without that path.
bool SplitOptionsAt(std::string_view separator, std::string_view command_line,
                    LaunchRequest* request) {
  size_t at = request->entry_path.find(separator);
  if (at == std::string::npos) return false;
  request->entry_path = TrimSpaces(std::string_view(request->entry_path).substr(0, at));
  request->game_options = RemoveAll(command_line, request->entry_path);
  return true;
}

// Compares the last three characters (all of a shorter text) in upper case with "ZEB"; no
// dot is needed in front of them.
bool EndsInZeb(std::string_view path) {
  return UpperCase(path.substr(path.size() - std::min<size_t>(path.size(), 3))) == "ZEB";
}

// Some frontends put the path in double quotes. A Windows path never holds a double quote, so
// a text that is one pair of them around anything else can only be such a path.
bool IsQuotedPath(std::string_view text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"' &&
         text.find('"', 1) == text.size() - 1;
}

}  // namespace

bool ReadLaunchRequest(std::string_view command_line, std::string_view launcher_folder,
                       LaunchRequest* request) {
  request->game_options.clear();
  request->entry_path = TrimSpaces(command_line);
  if (request->entry_path.empty()) return false;

  if (IsQuotedPath(request->entry_path)) {
    request->entry_path =
        TrimSpaces(std::string_view(request->entry_path).substr(1, request->entry_path.size() - 2));
  } else if (!SplitOptionsAt("/", command_line, request) &&
             SplitOptionsAt(" -", command_line, request)) {
    request->game_options = " " + request->game_options;
  }

  // An empty path (the text began with "/") counts as having a folder: it is not completed
  // with the launcher's folder.
  std::string& path = request->entry_path;
  bool has_folder = path.empty() || path.find('\\') != std::string::npos;
  bool has_extension = EndsInZeb(path);
  if (!has_folder) path = JoinPath(launcher_folder, path);
  if (!has_extension) path += kEntryEnding;
  return true;
}

std::string CompanionBatchLine(std::string_view game_exe) {
  std::string line = "\"";
  for (char c : game_exe) {
    line += c;
    if (c == '%') line += '%';
  }
  line += ".ahk\"";
  return line;
}

}  // namespace zeb
