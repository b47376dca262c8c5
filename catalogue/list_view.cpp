// The list of entries: loading it from the entry folder, the selection and its details, and
// starting the selected game.
#include <windows.h>

#include "catalogue/catalogue.h"
#include "formats/entry_file.h"
#include "platform/listing.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text_rules.h"

namespace zeb {

void Catalogue::ClearRows() {
  rows_.clear();
  entries_.clear();
  entry_files_.clear();
  details_ = GameEntry();
  selected_ = -1;
  ++rows_version_;
}

void Catalogue::AddRow(const GameEntry& entry, const std::string& file_name) {
  rows_.push_back(entry.ToRow());
  entries_.push_back(entry);
  entry_files_.push_back(file_name);
  ++rows_version_;
}

void Catalogue::LoadZEBs() {
  ClearRows();
  const std::string folder = EntryFolder();
  // An unset, missing or empty entry folder is no error: the list stays empty.
  if (!NamesAnyOrdinaryFile(folder)) return;
  FileListing listing;
  if (!ListFiles(folder, "*.*", &listing).ok()) return;
  rows_.reserve(listing.names.size());
  entries_.reserve(listing.names.size());
  for (size_t i = 0; i < listing.names.size(); ++i) {
    const std::string& name = listing.names[i];
    // The list must show the disk, so reading is reported but never stopped.
    Step("Reading entries", i + 1, listing.names.size(), name);
    // A file that cannot be read is passed over; one with fewer than five lines is listed
    // with the missing fields empty.
    EntryFile file = ReadEntryFile(JoinPath(listing.folder, name));
    if (file.kind == EntryFileKind::kUnreadable || file.kind == EntryFileKind::kBlacklist) continue;
    AddRow(file.entry, name);
  }
}

void Catalogue::Select(int index) {
  if (index < 0 || static_cast<size_t>(index) >= rows_.size()) {
    selected_ = -1;
    return;
  }
  selected_ = index;
  details_ = entries_[index];
}

void Catalogue::StartSelectedGame() {
  if (selected_ < 0) return;
  const GameEntry& entry = entries_[selected_];
  std::string folder = TrimSpaces(entry.folder);
  std::string exe = TrimSpaces(entry.exe);
  // The game gets its own folder as current folder; ours stays where it is, so relative
  // settings such as "roms\" keep pointing where they did. The start rule is vrelo's.
  StartedProcess game;
  Status started = StartProcess(GameStartIn(folder, exe, ""), 0, &game);
  if (!started.ok()) {
    ShowMessage(started.message());
    outcome_ = exe + " could not be started";
    return;
  }
  outcome_ = exe + " started";
}

}  // namespace zeb
