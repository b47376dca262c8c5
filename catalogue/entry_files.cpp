// Overwriting entry files, which only the blacklist command and the entry editor do.
#include "catalogue/catalogue.h"
#include "formats/game_entry.h"
#include "platform/files.h"

namespace zeb {

bool Catalogue::EntryFilePath(const std::string& exe_name, std::string* path) {
  std::string name;
  if (!EntryFileName(exe_name, &name)) {
    path->clear();
    ShowMessage("The executable name \"" + exe_name +
                "\" is shorter than three characters, so no entry file can be "
                "named after it. Nothing was written.");
    return false;
  }
  // Nothing is written into an unset entry folder (it would land in whatever folder is
  // current, where the list never shows it).
  if (EntryFolder().empty()) {
    path->clear();
    ShowMessage("No entry folder is set in \"ZEB Output Path\". Nothing was written.");
    return false;
  }
  *path = EntryFolder() + name;
  return true;
}

bool Catalogue::OverwriteEntryFile(const std::string& path, const std::vector<std::string>& lines) {
  Status written = ReplaceTextFile(path, lines);
  if (written.ok()) return true;
  ShowMessage("The entry file was not written. " + written.message());
  return false;
}

}  // namespace zeb
