// The entry writer: the scan's rows become entry files, never replacing one that exists.
#include "catalogue/catalogue.h"
#include "formats/game_entry.h"
#include "platform/files.h"
#include "platform/new_files.h"

namespace zeb {

size_t Catalogue::List2ZEB(bool stoppable) {
  std::string& setting = settings_.zeb_path;
  if (setting.empty()) return 0;
  // The field itself keeps the added "\", so it is shown and saved too.
  if (setting.back() != '\\') setting += '\\';
  const std::string folder = EntryFolder();
  // Only the last level is made; the folder that should hold it must exist.
  if (!FolderExists(folder)) CreateOneFolder(folder);
  if (!FolderExists(folder)) {
    ShowMessage("Unable to create ZEB directory!!!");
    return 0;
  }

  std::vector<std::string> not_written;
  std::string reason;
  size_t written = 0;
  {
    NewFileWriter writer(folder);
    for (size_t i = 0; i < rows_.size() && !(stoppable && progress_->StopRequested()); ++i) {
      // Every piece becomes a line, and the second names the executable.
      std::vector<std::string> parts = SplitRow(rows_[i]);
      std::string name;
      if (parts.size() < 2 || !EntryFileName(parts[1], &name)) continue;
      Step("Writing entry files", i + 1, rows_.size(), name);
      // An existing entry (edited, blacklisted, or another game's) always wins.
      if (writer.Exists(name)) continue;
      Status status;
      CreateOnceResult result = writer.Create(name, parts, &status);
      if (result == CreateOnceResult::kCreated) ++written;
      if (result == CreateOnceResult::kFailed) {
        not_written.push_back(name);
        if (reason.empty()) reason = status.message();
      }
    }
  }
  if (!not_written.empty()) {
    std::string names;
    for (const std::string& name : not_written) names += "\n" + name;
    ShowMessage("These entry files could not be written:" + names + "\n\n" + reason);
  }
  LoadZEBs();
  return written;
}

}  // namespace zeb
