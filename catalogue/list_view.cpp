// The list of entries: loading it from the entry folder, the selection and its details, and
// starting the selected game.
#include <windows.h>

#include "catalogue/catalogue.h"
#include "formats/entry_file.h"
#include "platform/listing.h"
#include "platform/process.h"
#include "platform/text_rules.h"

namespace zeb {

void Catalogue::ClearRows() {
  rows_.clear();
  selected_ = -1;
  ++rows_version_;
}

void Catalogue::AddRow(std::string row) {
  rows_.push_back(std::move(row));
  ++rows_version_;
}

void Catalogue::LoadZEBs() {
  ClearRows();
  const std::string& folder = settings_.zeb_path;
  // The entry folder text must name files: a folder without its final "\" names nothing.
  if (!NamesAnyOrdinaryFile(folder)) return;
  FileListing listing;
  if (!ListFiles(folder, "*.*", &listing).ok()) return;
  rows_.reserve(listing.names.size());
  for (const std::string& name : listing.names) {
    // A file that cannot be read is passed over; one with fewer than five lines is listed
    // with the missing fields empty.
    EntryFile file = ReadEntryFile(listing.folder + "\\" + name);
    if (file.kind == EntryFileKind::kUnreadable || file.kind == EntryFileKind::kBlacklist) continue;
    AddRow(file.entry.ToRow());
  }
}

void Catalogue::Select(int index) {
  if (index < 0 || static_cast<size_t>(index) >= rows_.size()) {
    selected_ = -1;
    return;
  }
  selected_ = index;
  details_ = EntryFromRow(rows_[index]);
}

void Catalogue::StartSelectedGame() {
  if (selected_ < 0) return;
  GameEntry entry = EntryFromRow(rows_[selected_]);
  std::string folder = TrimSpaces(entry.folder);
  std::string exe = TrimSpaces(entry.exe);
  // The game gets its own folder as current folder; ours stays where it is, so relative
  // settings such as "roms\" keep pointing where they did. The start rule is vrelo's.
  StartedProcess game;
  Status started = StartProcess(GameStartIn(folder, exe, ""), 0, &game);
  if (!started.ok()) prompt_.ShowMessage(started.message(), kAppTitle);
}

}  // namespace zeb
