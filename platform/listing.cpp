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

bool IsDotName(const wchar_t* name) {
  return (name[0] == L'.' && name[1] == L'\0') ||
         (name[0] == L'.' && name[1] == L'.' && name[2] == L'\0');
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

// Calls visit(attributes, name) for every entry that the search text matches, except "."
// and "..". When nothing matches, the search is no error.
template <typename Visit>
Status VisitMatches(const std::string& search, const std::string& folder, DWORD flags,
                    Visit visit) {
  WIN32_FIND_DATAW data;
  unique_hfind find(FindFirstFileExW(WidePath(search).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, flags));
  if (!find) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return Status::Ok();
    return Status::Error("Cannot list \"" + folder + "\": " + ErrorText(error));
  }
  do {
    if (!IsDotName(data.cFileName) && !visit(data.dwFileAttributes, Narrow(data.cFileName)))
      return Status::Ok();
  } while (FindNextFileW(find.get(), &data));
  DWORD error = GetLastError();
  if (error != ERROR_NO_MORE_FILES)
    return Status::Error("Cannot list \"" + folder + "\": " + ErrorText(error));
  return Status::Ok();
}

// Every entry of folder. An empty folder is no error; a missing one is.
template <typename Visit>
Status VisitFolder(const std::string& folder, Visit visit) {
  if (folder.empty()) return Status::Error("No folder was given");
  return VisitMatches(WithoutTrailingSlash(folder) + "\\*", folder, FIND_FIRST_EX_LARGE_FETCH,
                      [&](DWORD attributes, const std::string& name) {
                        visit(attributes, name);
                        return true;
                      });
}

}  // namespace

Status ListFiles(const std::string& folder, const std::string& pattern, FileListing* listing) {
  listing->names.clear();
  listing->folder = WithoutTrailingSlash(AbsolutePath(folder));
  Status status = VisitFolder(folder, [&](DWORD attributes, const std::string& name) {
    if ((attributes & kNotOrdinary) == 0 && MatchesPattern(name, pattern))
      listing->names.push_back(name);
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
  Status status = VisitFolder(folder, [&](DWORD attributes, const std::string& name) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) names.push_back(name);
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
  bool found = false;
  VisitMatches(search, path_text, 0, [&](DWORD attributes, const std::string&) {
    found = (attributes & kNotOrdinary) == 0;
    return !found;  // stop at the first ordinary file
  });
  return found;
}

}  // namespace zeb
