// The list of entries: loading it from the entry folder, the selection and its details, and
// starting the selected game.
#include <windows.h>

#include "catalogue/catalogue.h"
#include "catalogue/entry_format.h"
#include "platform/files.h"
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
  std::vector<std::string> lines;
  for (const std::string& name : listing.names) {
    // A file that cannot be read is passed over; one with fewer than five lines is listed
    // with the missing fields empty.
    if (!ReadTextFile(listing.folder + "\\" + name, kEntryLineCount, &lines).ok()) continue;
    lines.resize(kEntryLineCount);
    if (IsBlacklistMarker(lines[kFolderField])) continue;
    AddRow(JoinRow(lines));
  }
}

void Catalogue::Select(int index) {
  if (index < 0 || static_cast<size_t>(index) >= rows_.size()) {
    selected_ = -1;
    return;
  }
  selected_ = index;
  std::vector<std::string> pieces = SplitRow(rows_[index]);
  pieces.resize(std::max<size_t>(pieces.size(), kEntryLineCount));
  details_.exe = pieces[kExeField];
  details_.name = pieces[kNameField];
  details_.manufacturer = pieces[kManufacturerField];
  details_.year = pieces[kYearField];
  details_.path = pieces[kFolderField];
}

void Catalogue::StartSelectedGame() {
  if (selected_ < 0) return;
  std::vector<std::string> pieces = SplitRow(rows_[selected_]);
  pieces.resize(std::max<size_t>(pieces.size(), kEntryLineCount));
  std::string folder = TrimSpaces(pieces[kFolderField]);
  std::string exe = TrimSpaces(pieces[kExeField]);
  // The game gets its own folder as current folder; ours stays where it is, so relative
  // settings such as "roms\" keep pointing where they did.
  Status started = StartProgram(ProgramFileIn(folder, exe), exe, SW_SHOWNORMAL, folder);
  if (!started.ok()) prompt_.ShowMessage(started.message(), kAppTitle);
}

}  // namespace zeb
