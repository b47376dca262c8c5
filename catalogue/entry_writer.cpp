// The entry writer: the scan's rows become entry files, never replacing one that exists.
#include "catalogue/catalogue.h"
#include "formats/game_entry.h"
#include "platform/files.h"
#include "platform/new_files.h"

namespace zeb {

void Catalogue::List2ZEB() {
  std::string& folder = settings_.zeb_path;
  if (folder.empty()) return;
  // The field itself keeps the added "\", so it is shown and saved too.
  if (folder.back() != '\\') folder += '\\';
  // Only the last level is made; the folder that should hold it must exist.
  if (!FolderExists(folder)) CreateOneFolder(folder);
  if (!FolderExists(folder)) {
    prompt_.ShowMessage("Unable to create ZEB directory!!!", kAppTitle);
    return;
  }

  std::vector<std::string> not_written;
  std::string reason;
  {
    NewFileWriter writer(folder);
    for (const std::string& row : rows_) {
      // Every piece becomes a line, and the second names the executable.
      std::vector<std::string> parts = SplitRow(row);
      std::string name;
      if (parts.size() < 2 || !EntryFileName(parts[1], &name)) continue;
      // An existing entry (edited, blacklisted, or another game's) always wins.
      if (writer.Exists(name)) continue;
      Status status;
      if (writer.Create(name, parts, &status) == CreateOnceResult::kFailed) {
        not_written.push_back(name);
        if (reason.empty()) reason = status.message();
      }
    }
  }
  if (!not_written.empty()) {
    std::string names;
    for (const std::string& name : not_written) names += "\n" + name;
    prompt_.ShowMessage("These entry files could not be written:" + names + "\n\n" + reason,
                        kAppTitle);
  }
  LoadZEBs();
}

}  // namespace zeb
