// Keeping the entry folder in order: clearing it, removing the entries whose game is gone,
// and blacklisting the selected entry's executable.
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "formats/entry_file.h"
#include "platform/files.h"
#include "platform/listing.h"

namespace zeb {

namespace {

// The entry folder's ordinary files as full paths, the way LoadZEBs sees them. A folder the
// presence test finds nothing in is no error: it gives no file.
Status EntryFolderFiles(const std::string& folder, std::vector<std::string>* paths) {
  paths->clear();
  if (!NamesAnyOrdinaryFile(folder)) return Status::Ok();
  FileListing listing;
  Status listed = ListFiles(folder, "*.*", &listing);
  if (!listed.ok()) return listed;
  paths->reserve(listing.names.size());
  for (const std::string& name : listing.names) paths->push_back(listing.folder + "\\" + name);
  return Status::Ok();
}

// One message for everything that went wrong in a pass, so a folder of locked files does
// not bring one box per file.
void ReportLeftFiles(Prompt& prompt, const std::vector<std::string>& failures) {
  if (failures.empty()) return;
  std::string text = "These files could not be deleted and were left in place:";
  for (const std::string& failure : failures) text += "\r\n" + failure;
  prompt.ShowMessage(text, kAppTitle);
}

// Whether the game of an entry still starts: a file (not a folder) of the executable's name
// in the entry's folder. The lookup ignores letter case and sees hidden and system files, as
// starting the game does. An empty executable line names no game.
FileLookup LookUpExecutable(const std::string& folder, const std::string& exe) {
  return exe.empty() ? FileLookup::kMissing : LookUpFile(folder + "\\" + exe);
}

}  // namespace

void Catalogue::ClearZEBs() {
  ClearRows();
  std::vector<std::string> paths;
  std::vector<std::string> failures;
  Status listed = EntryFolderFiles(settings_.zeb_path, &paths);
  if (!listed.ok()) failures.push_back(listed.message());
  for (const std::string& path : paths) {
    Status deleted = DeleteOneFile(path);
    if (!deleted.ok()) failures.push_back(deleted.message());
  }
  ReportLeftFiles(prompt_, failures);
  LoadZEBs();
}

void Catalogue::RemoveInvalidEntries() {
  std::vector<std::string> paths;
  std::vector<std::string> failures;
  Status listed = EntryFolderFiles(settings_.zeb_path, &paths);
  if (!listed.ok()) failures.push_back(listed.message());
  std::vector<std::string> unreachable;
  for (const std::string& path : paths) {
    // A file that cannot be read cannot be judged, so it stays; so does a blacklist entry.
    EntryFile file = ReadEntryFile(path);
    if (file.kind == EntryFileKind::kUnreadable || file.kind == EntryFileKind::kBlacklist) continue;
    FileLookup game = LookUpExecutable(file.entry.folder, file.entry.exe);
    if (game == FileLookup::kFound) continue;
    // A game on a drive that is not plugged in, or a share that is offline, may well still
    // be there: its entry (perhaps edited by hand) stays.
    if (game == FileLookup::kUnknown) {
      unreachable.push_back(path);
      continue;
    }
    Status deleted = DeleteOneFile(path);
    if (!deleted.ok()) failures.push_back(deleted.message());
  }
  ReportLeftFiles(prompt_, failures);
  if (!unreachable.empty()) {
    std::string text =
        "These entries were kept because their game's drive or network folder "
        "cannot be reached:";
    for (const std::string& path : unreachable) text += "\r\n" + path;
    prompt_.ShowMessage(text, kAppTitle);
  }
  LoadZEBs();
}

void Catalogue::Blacklist() {
  if (selected_ < 0) return;
  // The details hold the selected row's fields.
  std::string path;
  if (!EntryFilePath(details_.exe, &path)) return;
  OverwriteEntryFile(path, BlacklistLines());
  LoadZEBs();
}

}  // namespace zeb
