#include "frontends/frontend_catalogue.h"

#include <algorithm>

#include "formats/picture_files.h"
#include "platform/name_rules.h"
#include "platform/paths.h"
#include "platform/text_rules.h"

namespace zeb {

const char* FrontendName(FrontendKind kind) {
  switch (kind) {
    case FrontendKind::kEsDe:
      return "ES-DE";
    case FrontendKind::kPegasus:
      return "Pegasus";
    case FrontendKind::kAttractMode:
      return "Attract-Mode";
    case FrontendKind::kSteamRomManager:
      return "Steam ROM Manager";
  }
  return "";
}

bool FrontendFolders::AnySet() const {
  return std::any_of(folders.begin(), folders.end(),
                     [](const std::string& folder) { return !folder.empty(); });
}

std::string FrontendCatalogue::VreloPath() const { return JoinPath(program_folder, "vrelo.exe"); }

std::string FrontendCatalogue::EntryPath(const FrontendGame& game) const {
  return JoinPath(entry_folder, game.file_name);
}

std::string FrontendCatalogue::PicturesFolder() const {
  return zeb::PicturesFolder(program_folder);
}

std::string FrontendCatalogue::PicturePath(const FrontendGame& game) const {
  return game.picture.empty() ? std::string() : JoinPath(PicturesFolder(), game.picture);
}

bool HasEntryExtension(std::string_view file_name) {
  return file_name.size() > kEntryExtension.size() &&
         UpperCase(file_name.substr(file_name.size() - kEntryExtension.size())) ==
             UpperCase(kEntryExtension);
}

std::string EntryStem(std::string_view file_name) {
  if (!HasEntryExtension(file_name)) return std::string(file_name);
  return std::string(file_name.substr(0, file_name.size() - kEntryExtension.size()));
}

namespace {

// The text with every control character as a blank, and no blanks around it.
std::string CleanText(std::string_view text) {
  std::string clean(text);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return TrimSpaces(clean);
}

}  // namespace

std::string GameTitle(const FrontendGame& game) {
  std::string name = CleanText(game.entry.name);
  return name.empty() ? EntryStem(game.file_name) : name;
}

std::string ReleaseYear(const GameEntry& entry) {
  std::string year = TrimSpaces(entry.year);
  bool plain = year.size() == 4 &&
               std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; });
  return plain ? year : std::string();
}

std::string Developer(const GameEntry& entry) { return CleanText(entry.manufacturer); }

std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  return quoted.append(1, '"').append(text).append(1, '"');
}

std::string WithoutTrailingSeparator(std::string_view folder) {
  std::string result(folder);
  while (result.size() > 1 && IsPathSeparator(result.back())) {
    bool drive_root = result.size() == 3 && result[1] == ':';
    if (drive_root) break;
    result.pop_back();
  }
  return result;
}

}  // namespace zeb
