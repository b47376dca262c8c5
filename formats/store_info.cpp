#include "formats/store_info.h"

#include <nlohmann/json.hpp>
#include <vector>

namespace zeb {

namespace {

using nlohmann::json;

const json* Member(const json& object, const char* key) {
  auto found = object.find(key);
  return found == object.end() ? nullptr : &*found;
}

// The member's text; nullopt when it is missing or no string.
std::optional<std::string> Text(const json& object, const char* key) {
  const json* value = Member(object, key);
  if (value == nullptr || !value->is_string()) return std::nullopt;
  return value->get<std::string>();
}

// The path's parts below the game folder, joined by "\". False for a path that is absolute,
// names a drive or a stream (":"), or climbs out of the game folder with "..".
bool InsideGameFolder(std::string_view path, std::string* inside) {
  inside->clear();
  if (!path.empty() && (path.front() == '\\' || path.front() == '/')) return false;
  if (path.find(':') != std::string_view::npos) return false;
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view part = path.substr(start, end - start);
    if (part == "..") {
      if (parts.empty()) return false;
      parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  for (std::string_view part : parts) {
    if (!inside->empty()) *inside += '\\';
    *inside += part;
  }
  return true;
}

StoreInfo Fails(StoreInfoKind kind, std::string why) {
  StoreInfo info;
  info.kind = kind;
  info.why = std::move(why);
  return info;
}

// The first task that is primary, a FileTask, and of the category "game" (older records
// name no category).
const json* PrimaryGameTask(const json& record) {
  const json* tasks = Member(record, "playTasks");
  if (tasks == nullptr || !tasks->is_array()) return nullptr;
  for (const json& task : *tasks) {
    if (!task.is_object()) continue;
    const json* primary = Member(task, "isPrimary");
    if (primary == nullptr || !primary->is_boolean() || !primary->get<bool>()) continue;
    if (Text(task, "type") != "FileTask") continue;
    std::optional<std::string> category = Text(task, "category");
    if (Member(task, "category") != nullptr && category != "game") continue;
    return &task;
  }
  return nullptr;
}

}  // namespace

bool IsStoreInfoName(std::string_view name) {
  constexpr std::string_view kStart = "goggame-", kEnd = ".info";
  if (name.size() <= kStart.size() + kEnd.size()) return false;
  auto same = [](std::string_view text, std::string_view lower) {
    for (size_t i = 0; i < lower.size(); ++i)
      if ((text[i] | 0x20) != lower[i]) return false;
    return true;
  };
  if (!same(name.substr(0, kStart.size()), kStart)) return false;
  if (!same(name.substr(name.size() - kEnd.size()), kEnd)) return false;
  for (char c : name.substr(kStart.size(), name.size() - kStart.size() - kEnd.size()))
    if (c < '0' || c > '9') return false;
  return true;
}

StoreInfo ReadStoreInfo(std::string_view bytes) {
  if (bytes.size() > kMaxStoreInfoBytes)
    return Fails(StoreInfoKind::kMalformed, "larger than 1 MB");
  json record = json::parse(bytes.begin(), bytes.end(), nullptr, /*allow_exceptions=*/false);
  if (record.is_discarded()) return Fails(StoreInfoKind::kMalformed, "not valid JSON");
  if (!record.is_object()) return Fails(StoreInfoKind::kMalformed, "no JSON object");

  const json* task = PrimaryGameTask(record);
  if (task == nullptr)
    return Fails(StoreInfoKind::kNoTask, "no primary game task of type FileTask");
  std::optional<std::string> path = Text(*task, "path");
  if (!path) return Fails(StoreInfoKind::kUnusable, "the play task names no program");
  StoreInfo info;
  if (!InsideGameFolder(*path, &info.task.path) || info.task.path.empty())
    return Fails(StoreInfoKind::kUnusable,
                 "the play task's program \"" + *path + "\" is not inside the game folder");
  if (std::optional<std::string> folder = Text(*task, "workingDir"); folder && !folder->empty()) {
    info.task.working_dir.emplace();
    if (!InsideGameFolder(*folder, &*info.task.working_dir))
      return Fails(StoreInfoKind::kUnusable,
                   "the play task's folder \"" + *folder + "\" is not inside the game folder");
  }
  if (Member(*task, "arguments") != nullptr) {
    std::optional<std::string> arguments = Text(*task, "arguments");
    if (!arguments) return Fails(StoreInfoKind::kUnusable, "the play task's arguments are no text");
    info.task.arguments = *arguments;
  }
  info.task.game_name = Text(record, "name").value_or("");
  if (info.task.game_name.empty()) info.task.game_name = Text(*task, "name").value_or("");
  // An add-on's record names the game it belongs to.
  std::optional<std::string> game = Text(record, "gameId"), root = Text(record, "rootGameId");
  info.task.root_game = !root || !game || *root == *game;
  info.kind = StoreInfoKind::kTask;
  return info;
}

}  // namespace zeb
