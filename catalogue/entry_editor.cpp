#include "catalogue/entry_editor.h"

#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text_rules.h"

namespace zeb {

void EntryEditor::Fill() {
  fields_ = GameEntry();
  prev_folder_.clear();
  own_file_.clear();
  if (catalogue_.selected() < 0) {
    fields_.folder = catalogue_.settings().game_paths;
    prevExe_ = std::string(kBlacklistMarker);
    return;
  }
  // The details are the selected row's fields, split as the row is split.
  fields_ = catalogue_.details();
  prevExe_ = fields_.exe;
  prev_folder_ = fields_.folder;
  own_file_ = catalogue_.selected_entry_file();
}

void EntryEditor::Browse() {
  std::string preset;
  if (catalogue_.selected() >= 0) preset = JoinPath(fields_.folder, fields_.exe);
  std::string chosen = catalogue_.prompt().AskFileToOpen(preset);
  if (chosen.empty()) return;
  // The folder is everything before the last "\": a folder of the file's own name, or a
  // name that merely starts like it, is part of the path and must stay.
  size_t slash = chosen.find_last_of('\\');
  if (slash == std::string::npos) {
    fields_.exe = chosen;
    fields_.folder.clear();
  } else {
    fields_.exe = chosen.substr(slash + 1);
    fields_.folder = chosen.substr(0, slash);
  }
  GameFacts facts = catalogue_.GetVersionInfo(JoinPath(fields_.folder, fields_.exe));
  if (facts.game_name.empty()) return;
  fields_.name = facts.game_name;
  fields_.manufacturer = facts.manufacturer;
  fields_.year = facts.year;
}

bool EntryEditor::FieldsFitAnEntry() {
  const std::pair<const char*, const std::string*> named[] = {
      {"Name", &fields_.name},    {"Manufacturer", &fields_.manufacturer}, {"Year", &fields_.year},
      {"Exe Name", &fields_.exe}, {"Exe Path", &fields_.folder},
  };
  std::string unfit;
  for (const auto& [caption, text] : named) {
    if (text->find_first_of("|\r\n") == std::string::npos) continue;
    unfit += unfit.empty() ? "" : ", ";
    unfit += std::string("\"") + caption + "\"";
  }
  if (unfit.empty()) return true;
  catalogue_.prompt().ShowMessage(
      "An entry keeps its fields on separate lines and the list joins them with \"|\", so "
      "no field may hold a \"|\" or a line break. Found in: " +
          unfit + ". Nothing was written.",
      kAppTitle);
  return false;
}

bool EntryEditor::Ok() {
  if (!FieldsFitAnEntry()) return false;
  // The programs are compared, not the lines: new arguments keep the program. Both names are
  // checked before anything is written.
  std::string program = EntryProgram(fields_.folder, fields_.exe);
  bool replaces_exe = prevExe_ != fields_.exe && !IsBlacklistMarker(prevExe_) &&
                      EntryProgram(prev_folder_, prevExe_) != program;
  std::string old_path, new_path;
  // The row's own file; a row of the scan that was never written is named after its program.
  auto own_path = [&](std::string* path) {
    if (!own_file_.empty()) return catalogue_.PathInEntryFolder(own_file_, path);
    std::string previous = EntryProgram(prev_folder_, prevExe_);
    return catalogue_.EntryFilePath(previous.substr(previous.find_last_of("\\/") + 1), path);
  };
  if (replaces_exe && !own_path(&old_path)) return false;
  bool same_file = !replaces_exe && !IsBlacklistMarker(prevExe_) && !own_file_.empty();
  if (same_file ? !own_path(&new_path)
                : !catalogue_.NewEntryFilePath(program, catalogue_.GameFolderOf(fields_.folder),
                                               own_file_, &new_path))
    return false;

  // The old entry as it stood, to put back should the new entry fail to be written. The
  // two names may be one file (game.exe and Game.exe), so the blacklist entry goes first
  // and the new entry over it.
  bool old_existed = false;
  std::vector<std::string> old_lines;
  if (replaces_exe) {
    catalogue_.prompt().ShowMessage(kBlacklistNoticeText, kBlacklistNoticeTitle);
    old_existed = ReadTextFile(old_path, SIZE_MAX, &old_lines).ok();
    if (!catalogue_.OverwriteEntryFile(old_path, BlacklistLines())) return false;
  }
  if (!catalogue_.OverwriteEntryFile(new_path, fields_.ToLines())) {
    if (replaces_exe) {
      Status undone = old_existed ? ReplaceTextFile(old_path, old_lines) : DeleteOneFile(old_path);
      if (!undone.ok()) {
        catalogue_.prompt().ShowMessage(
            "The blacklist entry could not be taken back. " + undone.message(), kAppTitle);
        catalogue_.LoadZEBs();
      }
    }
    return false;
  }
  std::string outcome = std::string(LastPathPart(new_path)) + " written";
  if (replaces_exe) outcome += ", " + std::string(LastPathPart(old_path)) + " blacklisted";
  catalogue_.set_outcome(outcome);
  catalogue_.LoadZEBs();
  return true;
}

}  // namespace zeb
