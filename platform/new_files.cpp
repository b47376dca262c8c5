#include "platform/new_files.h"

#include <windows.h>

#include "platform/listing.h"
#include "platform/name_rules.h"
#include "platform/paths.h"

namespace zeb {

NewFileWriter::NewFileWriter(std::string folder) : folder_(std::move(folder)) {
  while (!folder_.empty() && (folder_.back() == '\\' || folder_.back() == '/')) folder_.pop_back();
  FileListing listing;
  if (ListFiles(WithTrailingSeparator(folder_), "*", &listing).ok())
    for (const std::string& name : listing.names) taken_.insert(UpperCase(name));
}

NewFileWriter::~NewFileWriter() {
  if (!work_folder_.empty()) RemoveDirectoryW(WidePath(work_folder_).c_str());
}

bool NewFileWriter::Exists(const std::string& name) const {
  return taken_.count(UpperCase(name)) != 0;
}

CreateOnceResult NewFileWriter::Create(const std::string& name,
                                       const std::vector<std::string>& lines, Status* status) {
  if (work_folder_.empty() && !work_folder_failed_) {
    std::string work = JoinPath(folder_, ".zeb-new-" + std::to_string(GetCurrentProcessId()));
    if (CreateDirectoryW(WidePath(work).c_str(), nullptr) ||
        GetLastError() == ERROR_ALREADY_EXISTS) {
      SetFileAttributesW(WidePath(work).c_str(), FILE_ATTRIBUTE_HIDDEN);
      work_folder_ = work;
    } else {
      work_folder_failed_ = true;  // then each file is written beside its final name
    }
  }
  CreateOnceResult result =
      CreateTextFileOnce(JoinPath(folder_, name), lines, status, work_folder_);
  if (result != CreateOnceResult::kFailed) taken_.insert(UpperCase(name));
  return result;
}

}  // namespace zeb
