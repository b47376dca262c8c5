// The copy half of the pictures' rules, on the platform's files.
#include "formats/picture_copies.h"

#include <optional>
#include <unordered_set>

#include "formats/picture_files.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/name_rules.h"
#include "platform/paths.h"

namespace zeb {

namespace {

// The upper-cased names of everything in a folder, hidden files too (a hidden picture of the
// user's is still theirs), listed once: asking the disk for each name that is not there would
// read the whole folder every time on some file systems. A listing that fails is no empty
// folder: taken for one, it would let the user's pictures be overwritten.
Status NamesIn(const std::string& folder, std::unordered_set<std::string>* names) {
  std::vector<std::string> listed_names;
  Status listed = ListAllNames(folder, &listed_names);
  for (const std::string& name : listed_names) names->insert(UpperCase(name));
  return listed;
}

// The file's bytes when the listing holds its name; no value when it does not.
Status ReadListed(const std::unordered_set<std::string>& names, const std::string& folder,
                  const std::string& name, std::optional<std::string>* bytes) {
  bytes->reset();
  if (names.count(UpperCase(name)) == 0) return Status::Ok();
  std::string read;
  Status status = ReadFileBytes(JoinPath(folder, name), &read);
  if (status.ok()) *bytes = std::move(read);
  return status;
}

}  // namespace

PictureCopies CopyPicturesTo(const std::string& pictures_folder, const std::string& target_folder,
                             const std::string& record_folder) {
  PictureCopies result;
  FileListing pictures;
  if (!FolderExists(pictures_folder)) return result;
  Status listed = ListFiles(pictures_folder, "*.png", &pictures);
  if (!listed.ok()) result.failures.push_back(listed.message());
  if (pictures.names.empty()) return result;
  for (const std::string& folder : {target_folder, record_folder}) {
    if (FolderExists(folder)) continue;
    Status made = CreateOneFolder(folder);
    if (!made.ok()) {
      result.failures.push_back(made.message());
      return result;
    }
  }
  std::unordered_set<std::string> in_target, in_record;
  for (Status listed : {NamesIn(target_folder, &in_target), NamesIn(record_folder, &in_record)}) {
    if (!listed.ok()) {
      result.failures.push_back(listed.message());
      return result;
    }
  }
  for (const std::string& name : pictures.names) {
    std::string ours;
    std::optional<std::string> there, earlier;
    Status read = ReadFileBytes(JoinPath(pictures_folder, name), &ours);
    if (read.ok()) read = ReadListed(in_target, target_folder, name, &there);
    if (read.ok()) read = ReadListed(in_record, record_folder, name, &earlier);
    if (!read.ok()) {
      result.failures.push_back(read.message());
      continue;
    }
    const std::string record = JoinPath(record_folder, name);
    if (there == ours) {
      // Already there: only the record may need to catch up (a write that failed before).
      if (earlier != ours) {
        Status written = ReplaceFileBytes(record, ours);
        if (!written.ok()) result.failures.push_back(written.message());
      }
      continue;
    }
    if (!MayReplaceFrontendPicture(there, earlier)) {
      result.kept.push_back(name);
      continue;
    }
    // The copy first: a record ahead of the copy would make our old copy look hand-made.
    Status written = ReplaceFileBytes(JoinPath(target_folder, name), ours);
    if (written.ok()) written = ReplaceFileBytes(record, ours);
    if (!written.ok()) {
      result.failures.push_back(written.message());
      continue;
    }
    ++result.copied;
  }
  return result;
}

}  // namespace zeb
