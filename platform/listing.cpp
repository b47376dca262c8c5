#include "platform/listing.h"

#include <windows.h>

#include <algorithm>

#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/name_rules.h"
#include "platform/paths.h"
#include "platform/unique_handle.h"
#include "platform/win_error.h"

namespace zeb {

namespace {

constexpr DWORD kNotOrdinary =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

uint64_t FileTimeValue(const FILETIME& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool IsDotName(const wchar_t* name) {
  return (name[0] == L'.' && name[1] == L'\0') ||
         (name[0] == L'.' && name[1] == L'.' && name[2] == L'\0');
}

// The folder's absolute path without its trailing "\\" (a drive's root keeps none either),
// converted to wide characters once: the listing and the folder it reports both come from it.
std::wstring ListedFolder(const std::string& folder) {
  std::wstring absolute = AbsoluteWidePath(folder);
  while (absolute.size() > 1 && (absolute.back() == L'\\' || absolute.back() == L'/'))
    absolute.pop_back();
  return absolute;
}

// Calls visit(data) for every entry that the search path matches, except "." and "..", with
// its name as wide characters. When nothing matches, the search is no error.
template <typename Visit>
Status VisitMatches(const std::wstring& search, const std::string& folder, DWORD flags,
                    Visit visit) {
  WIN32_FIND_DATAW data;
  unique_hfind find(FindFirstFileExW(search.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, flags));
  if (!find) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return Status::Ok();
    return Status::Error("Cannot list \"" + folder + "\": " + ErrorText(error, folder));
  }
  do {
    if (!IsDotName(data.cFileName) && !visit(data)) return Status::Ok();
  } while (FindNextFileW(find.get(), &data));
  DWORD error = GetLastError();
  if (error != ERROR_NO_MORE_FILES)
    return Status::Error("Cannot list \"" + folder + "\": " + ErrorText(error, folder));
  return Status::Ok();
}

// Every entry of folder, given as typed and as ListedFolder made it. An empty folder is no
// error; a missing one is.
template <typename Visit>
Status VisitFolder(const std::string& folder, const std::wstring& listed, Visit visit) {
  if (folder.empty()) return Status::Error("No folder was given");
  return VisitMatches(LongPathForm(listed + L"\\*"), folder, FIND_FIRST_EX_LARGE_FETCH,
                      [&](const WIN32_FIND_DATAW& data) {
                        visit(data);
                        return true;
                      });
}

}  // namespace

Status ListFiles(const std::string& folder, const std::string& pattern, FileListing* listing) {
  listing->names.clear();
  std::wstring listed = ListedFolder(folder);
  listing->folder = Narrow(listed);
  Status status = VisitFolder(folder, listed, [&](const WIN32_FIND_DATAW& data) {
    if ((data.dwFileAttributes & kNotOrdinary) != 0) return;
    std::string name = Narrow(data.cFileName);
    if (MatchesPattern(name, pattern)) listing->names.push_back(std::move(name));
  });
  if (!status.ok()) {
    listing->names.clear();
    return status;
  }
  SortNames(listing->names);
  return Status::Ok();
}

Status ListAllNames(const std::string& folder, std::vector<std::string>* names) {
  names->clear();
  Status status = VisitFolder(folder, ListedFolder(folder), [&](const WIN32_FIND_DATAW& data) {
    names->push_back(Narrow(data.cFileName));
  });
  if (!status.ok()) names->clear();
  return status;
}

Status ListFolders(const std::string& folder, std::vector<std::string>* sub_folders) {
  sub_folders->clear();
  std::vector<std::string> names;
  std::wstring listed = ListedFolder(folder);
  Status status = VisitFolder(folder, listed, [&](const WIN32_FIND_DATAW& data) {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) names.push_back(Narrow(data.cFileName));
  });
  if (!status.ok()) return status;
  SortNames(names);
  std::string base = Narrow(listed);
  sub_folders->reserve(names.size());
  for (const std::string& name : names) sub_folders->push_back(JoinPath(base, name));
  return Status::Ok();
}

Status ListGameFolders(const std::string& folder, std::vector<SubFolder>* sub_folders) {
  sub_folders->clear();
  std::wstring listed = ListedFolder(folder);
  std::string base = Narrow(listed);
  Status status = VisitFolder(folder, listed, [&](const WIN32_FIND_DATAW& data) {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    const wchar_t* wide_name = data.cFileName;
    SubFolder sub;
    if (NarrowExactly(wide_name, &sub.name)) {
      sub.path = JoinPath(base, sub.name);
    } else {
      // Windows keeps a short name for exactly this; the volume may keep none.
      std::wstring long_path = LongPathForm(listed + L"\\" + wide_name);
      std::wstring short_path(32768, L'\0');
      DWORD length = GetShortPathNameW(long_path.c_str(), short_path.data(), 32768);
      std::wstring_view short_wide(short_path.data(), length < 32768 ? length : 0);
      short_wide.remove_prefix(std::min(short_wide.size(), short_wide.find_last_of(L'\\') + 1));
      std::string short_name;
      // Without a short name the system gives back the long one, which cannot be held either.
      if (!short_wide.empty() && NarrowExactly(std::wstring(short_wide), &short_name))
        sub.path = JoinPath(base, short_name);
    }
    sub_folders->push_back(std::move(sub));
  });
  if (!status.ok()) {
    sub_folders->clear();
    return status;
  }
  std::sort(sub_folders->begin(), sub_folders->end(),
            [](const SubFolder& a, const SubFolder& b) { return NameLess(a.name, b.name); });
  return Status::Ok();
}

Status ListFileStamps(const std::string& folder, const std::string& pattern,
                      std::vector<FileStamp>* stamps) {
  stamps->clear();
  Status status = VisitFolder(folder, ListedFolder(folder), [&](const WIN32_FIND_DATAW& data) {
    if ((data.dwFileAttributes & kNotOrdinary) != 0) return;
    std::string name = Narrow(data.cFileName);
    if (MatchesPattern(name, pattern))
      stamps->push_back({std::move(name), FileTimeValue(data.ftLastWriteTime)});
  });
  if (!status.ok()) stamps->clear();
  return status;
}

bool NamesAnyOrdinaryFile(const std::string& path_text) {
  if (path_text.empty()) return false;
  std::string search = path_text;
  if (search.back() == '\\' || search.back() == '/') search += "*";
  bool found = false;
  VisitMatches(WidePath(search), path_text, 0, [&](const WIN32_FIND_DATAW& data) {
    found = (data.dwFileAttributes & kNotOrdinary) == 0;
    return !found;  // stop at the first ordinary file
  });
  return found;
}

}  // namespace zeb
