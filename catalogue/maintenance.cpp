// Keeping the entry folder in order: clearing it, removing the entries whose game is gone,
// and blacklisting the selected entry's executable.
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/progress_text.h"
#include "formats/entry_file.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text_rules.h"

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
  for (const std::string& name : listing.names) paths->push_back(JoinPath(listing.folder, name));
  return Status::Ok();
}

// Deletes the file and counts it, or notes why it is still there.
void DeleteAndCount(const std::string& path, size_t* deleted, std::vector<std::string>* failures) {
  Status status = DeleteOneFile(path);
  if (status.ok())
    ++*deleted;
  else
    failures->push_back(status.message());
}

constexpr char kLeftInPlace[] = "These files could not be deleted and were left in place:";

// "Stopped after 12 of 300 files: " when the user stopped the work, else nothing.
std::string StoppedAfter(size_t looked_at, size_t total, const char* what) {
  if (looked_at >= total) return "";
  return "Stopped after " + CountText(looked_at) + " of " + CountText(total) + " " + what + ": ";
}

}  // namespace

void Catalogue::ClearZEBs() {
  std::vector<std::string> paths;
  std::vector<std::string> failures;
  Status listed = EntryFolderFiles(EntryFolder(), &paths);
  if (!listed.ok()) failures.push_back(listed.message());
  // Every correction and blacklist entry goes too, and one click is easily made: ask first.
  if (!paths.empty()) {
    std::string files =
        paths.size() == 1 ? "the 1 file" : "all " + CountText(paths.size()) + " files";
    bool yes = false;
    {
      std::lock_guard<std::recursive_mutex> lock(report_mutex_);
      yes = prompt_->AskYesNo("Clear ZEB Database deletes " + files + " in " + EntryFolder() +
                                  ", every entry you corrected or blacklisted among them.\r\n\r\n"
                                  "Delete them?",
                              kAppTitle);
    }
    if (!yes) {
      outcome_ = "Nothing was deleted";
      return;
    }
  }
  ClearRows();
  size_t deleted_count = 0, looked_at = 0;
  for (; looked_at < paths.size() && !progress_->StopRequested(); ++looked_at) {
    const std::string& path = paths[looked_at];
    Step("Deleting", looked_at + 1, paths.size(), std::string(LastPathPart(path)));
    DeleteAndCount(path, &deleted_count, &failures);
  }
  if (!failures.empty()) ReportFailure(ListMessage(kLeftInPlace, failures));
  LoadZEBs();
  outcome_ = StoppedAfter(looked_at, paths.size(), "files") + CountText(deleted_count) +
             (deleted_count == 1 ? " file deleted from " : " files deleted from ") + EntryFolder();
}

void Catalogue::RemoveInvalidEntries() {
  std::vector<std::string> paths;
  std::vector<std::string> failures;
  Status listed = EntryFolderFiles(EntryFolder(), &paths);
  if (!listed.ok()) failures.push_back(listed.message());
  std::vector<std::string> unreachable, unreadable;
  size_t removed = 0, looked_at = 0;
  for (; looked_at < paths.size() && !progress_->StopRequested(); ++looked_at) {
    const std::string& path = paths[looked_at];
    Step("Checking", looked_at + 1, paths.size(), std::string(LastPathPart(path)));
    // A file that cannot be read cannot be judged, so it stays (and is named); so does a
    // blacklist entry.
    EntryFile file = ReadEntryFile(path);
    if (file.kind == EntryFileKind::kUnreadable) {
      unreadable.push_back(file.status.message());
      continue;
    }
    if (file.kind == EntryFileKind::kBlacklist) continue;
    // Kept whenever the start rule finds its program: the whole line 2 as a file in the
    // entry's folder (in any letter case, hidden or not), else the program the line names
    // first, in that folder or on the search path.
    FileLookup game = LookUpEntryProgram(file.entry.folder, file.entry.exe);
    if (game == FileLookup::kFound) continue;
    // A game on a drive that is not plugged in, or a share that is offline, may well still
    // be there: its entry (perhaps edited by hand) stays.
    if (game == FileLookup::kUnknown) {
      unreachable.push_back(path);
      continue;
    }
    DeleteAndCount(path, &removed, &failures);
  }
  if (!failures.empty()) ReportFailure(ListMessage(kLeftInPlace, failures));
  if (!unreadable.empty())
    ReportFailure(ListMessage("These entry files could not be read and were kept:", unreadable));
  // Not a failure: the entries are kept on purpose, and the game may well be there.
  if (!unreachable.empty())
    ShowNotice(ListMessage(
        "These entries were kept because their game's drive or network folder cannot be "
        "reached:",
        unreachable));
  LoadZEBs();
  outcome_ = StoppedAfter(looked_at, paths.size(), "entry files") + CountText(removed) +
             (removed == 1 ? " invalid entry removed" : " invalid entries removed");
  if (!unreachable.empty()) outcome_ += ", " + CountText(unreachable.size()) + " kept unreachable";
}

void Catalogue::Blacklist() {
  if (selected_ < 0) return;
  // The row's own entry file, whatever its name; a row of the scan that was never written
  // has none, and is named after its program.
  std::string path;
  bool named = selected_entry_file().empty() ? EntryFilePath(details_.exe, &path)
                                             : PathInEntryFolder(selected_entry_file(), &path);
  if (!named) return;
  if (OverwriteEntryFile(path, BlacklistLines()))
    outcome_ = std::string(LastPathPart(path)) + " blacklisted";
  LoadZEBs();
}

}  // namespace zeb
