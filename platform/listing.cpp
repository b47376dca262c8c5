#include "platform/listing.h"

#include <windows.h>

#include "platform/files.h"
#include "platform/name_rules.h"
#include "platform/unique_handle.h"
#include "platform/win_error.h"

namespace zeb {

namespace {

constexpr DWORD kNotOrdinary =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool IsDotName(const char* name) {
  return (name[0] == '.' && name[1] == '\0') ||
         (name[0] == '.' && name[1] == '.' && name[2] == '\0');
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

// Calls visit for every entry of folder except "." and "..". An empty folder is no error.
template <typename Visit>
Status VisitFolder(const std::string& folder, Visit visit) {
  if (folder.empty()) return Status::Error("No folder was given");
  std::string search = WithoutTrailingSlash(folder) + "\\*";
  WIN32_FIND_DATAA data;
  unique_hfind find(FindFirstFileExA(ApiPath(search).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (!find) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return Status::Ok();
    return Status::Error("Cannot list \"" + folder + "\": " + ErrorText(error));
  }
  do {
    if (!IsDotName(data.cFileName)) visit(data);
  } while (FindNextFileA(find.get(), &data));
  DWORD error = GetLastError();
  if (error != ERROR_NO_MORE_FILES)
    return Status::Error("Cannot list \"" + folder + "\": " + ErrorText(error));
  return Status::Ok();
}

}  // namespace

Status ListFiles(const std::string& folder, const std::string& pattern, FileListing* listing) {
  listing->names.clear();
  listing->folder = WithoutTrailingSlash(AbsolutePath(folder));
  Status status = VisitFolder(folder, [&](const WIN32_FIND_DATAA& data) {
    if ((data.dwFileAttributes & kNotOrdinary) == 0 && MatchesPattern(data.cFileName, pattern))
      listing->names.emplace_back(data.cFileName);
  });
  if (!status.ok()) {
    listing->names.clear();
    return status;
  }
  SortNames(listing->names);
  return Status::Ok();
}

Status ListFolders(const std::string& folder, std::vector<std::string>* sub_folders) {
  sub_folders->clear();
  std::vector<std::string> names;
  Status status = VisitFolder(folder, [&](const WIN32_FIND_DATAA& data) {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) names.emplace_back(data.cFileName);
  });
  if (!status.ok()) return status;
  SortNames(names);
  std::string base = WithoutTrailingSlash(AbsolutePath(folder));
  sub_folders->reserve(names.size());
  for (const std::string& name : names) sub_folders->push_back(base + "\\" + name);
  return Status::Ok();
}

bool NamesAnyOrdinaryFile(const std::string& path_text) {
  if (path_text.empty()) return false;
  std::string search = path_text;
  if (search.back() == '\\' || search.back() == '/') search += "*";
  WIN32_FIND_DATAA data;
  unique_hfind find(FindFirstFileExA(ApiPath(search).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, 0));
  if (!find) return false;
  do {
    if ((data.dwFileAttributes & kNotOrdinary) == 0) return true;
  } while (FindNextFileA(find.get(), &data));
  return false;
}

}  // namespace zeb
