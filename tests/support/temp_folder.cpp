#include "tests/support/temp_folder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/program_info.h"
#include "tests/support/wait.h"

namespace zeb::testing {

namespace {

void Fail(const std::string& what) { throw std::runtime_error(what); }

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  char base[MAX_PATH + 1];
  DWORD length = GetTempPathA(sizeof base, base);
  if (length == 0 || length > MAX_PATH) Fail("no temporary folder");
  std::string root(base, length);
  if (root.back() == '\\') root.pop_back();
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::string candidate = root + "\\zebtest-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(GetTickCount()) + "-" + std::to_string(counter++);
    if (CreateDirectoryW(WidePath(candidate).c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
  }
  Fail("cannot make a temporary folder");
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(WidePath(path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = Narrow(data.cFileName);
      if (name == "." || name == "..") continue;
      std::string child = JoinPath(path, name);
      SetFileAttributesW(WidePath(child).c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(child);
      else
        DeleteFileW(WidePath(child).c_str());
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  SetFileAttributesW(WidePath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(WidePath(path).c_str());
}

void MakeFolders(const std::string& path) {
  for (size_t pos = path.find('\\', 3); pos != std::string::npos; pos = path.find('\\', pos + 1))
    CreateDirectoryW(WidePath(path.substr(0, pos)).c_str(), nullptr);
  CreateDirectoryW(WidePath(path).c_str(), nullptr);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail("cannot write " + path);
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != bytes.size()) Fail("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
  HANDLE file =
      CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

void SetAttributes(const std::string& path, unsigned long add, unsigned long remove) {
  DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) Fail("no file " + path);
  attributes = (attributes | add) & ~remove;
  if (attributes == 0) attributes = FILE_ATTRIBUTE_NORMAL;
  if (!SetFileAttributesW(WidePath(path).c_str(), attributes))
    Fail("cannot set attributes of " + path);
}

std::string TestProgramFolder() { return ProgramFolder(); }

std::string BuiltProgram(const std::string& relative_path) {
  return JoinPath(TestProgramFolder(), relative_path);
}

void CopyFileOrFail(const std::string& from, const std::string& to) {
  if (!CopyFileW(WidePath(from).c_str(), WidePath(to).c_str(), FALSE))
    Fail("cannot copy " + from + " to " + to);
}

::testing::AssertionResult WaitForFile(const std::string& path, unsigned long timeout_ms) {
  return WaitUntil(
      path + " to exist",
      [&] { return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES; },
      timeout_ms);
}

std::vector<std::string> AllFiles(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(WidePath(folder + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = Narrow(data.cFileName);
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

CurrentFolderGuard::CurrentFolderGuard(const std::string& folder)
    : previous_(CurrentFolder()), ok_(SetCurrentDirectoryA(folder.c_str()) != 0) {}

CurrentFolderGuard::~CurrentFolderGuard() { SetCurrentDirectoryA(previous_.c_str()); }

}  // namespace zeb::testing
