#include "platform/files.h"

#include <windows.h>

#include <algorithm>

#include "platform/paths.h"
#include "platform/text_lines.h"
#include "platform/unique_handle.h"
#include "platform/win_error.h"

namespace zeb {

namespace {

constexpr DWORD kNotOrdinary =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// A reader lets other programs go on writing, renaming or deleting the file, as a plain
// text editor does; only a program that opened it without sharing keeps it from us.
constexpr DWORD kReaderSharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// No text file of the programs comes near this size; reading stops here, so that a huge
// file without line ends cannot take all the memory there is.
constexpr size_t kMaxTextBytes = 16u << 20;

DWORD Attributes(const std::string& path) { return GetFileAttributesW(WidePath(path).c_str()); }

Status Failure(const std::string& what, const std::string& path) {
  return Status::Error(what + " \"" + path + "\": " + LastErrorText(path));
}

// Windows refuses to replace a read-only file, but Wine replaces it: ask first, so that a
// read-only file stays as it is everywhere.
Status RefuseReadOnly(const std::string& path) {
  DWORD attributes = Attributes(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
    return Status::Error("Cannot replace \"" + path + "\": " + ErrorText(ERROR_ACCESS_DENIED));
  return Status::Ok();
}

Status WriteAll(HANDLE file, const std::string& bytes, const std::string& path) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
      return Failure("Cannot write", path);
    done += written;
  }
  return Status::Ok();
}

// The name of the attempt-th temporary file for target: in temp_folder (beside target when
// empty), named after target and this process.
std::string TemporaryPath(const std::string& target, const std::string& temp_folder, int attempt) {
  size_t slash = target.find_last_of("\\/");
  std::string folder = (slash == std::string::npos) ? "" : target.substr(0, slash + 1);
  std::string name = (slash == std::string::npos) ? target : target.substr(slash + 1);
  if (!temp_folder.empty()) folder = WithTrailingSeparator(temp_folder);
  return folder + "." + name + "." + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(attempt) + ".tmp";
}

// Writes bytes to a new hidden file in temp_folder (beside target when empty), so that a
// half-written file is never mistaken for a finished one; returns the temporary file's path.
// With flush, the bytes reach the disk before the file is put in place, so that even a
// power failure cannot leave an empty file where a complete one stood.
Status WriteTemporaryFile(const std::string& target, const std::string& bytes,
                          const std::string& temp_folder, bool flush, std::string* temp_path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp_path = TemporaryPath(target, temp_folder, attempt);
    unique_hfile file(CreateFileW(WidePath(*temp_path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!file) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      return Failure("Cannot write", target);
    }
    Status written = WriteAll(file.get(), bytes, target);
    if (written.ok() && flush && !FlushFileBuffers(file.get()))
      written = Failure("Cannot write", target);
    file.reset();
    if (!written.ok()) DeleteFileW(WidePath(*temp_path).c_str());
    return written;
  }
  return Status::Error("Cannot create a temporary file beside \"" + target + "\"");
}

// Moves the finished temporary file over path; on a failure it is deleted. The file written
// hidden is shown once it is in place.
Status MoveIntoPlace(const std::string& temp, const std::string& path) {
  if (!MoveFileExW(WidePath(temp).c_str(), WidePath(path).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Status failed = Failure("Cannot replace", path);
    DeleteFileW(WidePath(temp).c_str());
    return failed;
  }
  SetFileAttributesW(WidePath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  return Status::Ok();
}

}  // namespace

std::wstring Widen(const std::string& text) {
  if (text.empty()) return std::wstring();
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return std::string();
  int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                      nullptr, nullptr);
  return narrow;
}

namespace {

std::wstring FullPath(const std::wstring& path) {
  DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  return full;
}

}  // namespace

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  return Narrow(FullPath(Widen(path)));
}

std::wstring AbsoluteWidePath(const std::string& path) {
  return path.empty() ? std::wstring() : FullPath(Widen(path));
}

std::wstring LongPathForm(const std::wstring& absolute) {
  if (absolute.size() < 248 || absolute.rfind(L"\\\\?\\", 0) == 0) return absolute;
  if (absolute.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + absolute.substr(2);
  return L"\\\\?\\" + absolute;
}

std::wstring WidePath(const std::string& path) {
  std::wstring wide = Widen(path);
  if (wide.size() < 248) return wide;
  return LongPathForm(FullPath(wide));
}

bool OrdinaryFileExists(const std::string& path) {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotOrdinary) == 0;
}

bool AnyFileExists(const std::string& path) {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

namespace {

// The root of the drive or network share that holds an absolute path ("C:\\",
// "\\\\server\\share\\"), or empty text when the path has none.
std::string RootOf(const std::string& absolute) {
  if (absolute.size() >= 2 && absolute[1] == ':') return absolute.substr(0, 2) + "\\";
  if (absolute.rfind("\\\\", 0) != 0) return "";
  size_t share = absolute.find('\\', 2);
  if (share == std::string::npos) return "";
  size_t end = absolute.find('\\', share + 1);
  return (end == std::string::npos ? absolute : absolute.substr(0, end)) + "\\";
}

}  // namespace

FileLookup LookUpFile(const std::string& path) {
  DWORD attributes = Attributes(path);
  if (attributes != INVALID_FILE_ATTRIBUTES)
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FileLookup::kMissing : FileLookup::kFound;
  DWORD error = GetLastError();
  bool not_there = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                   error == ERROR_INVALID_NAME || error == ERROR_DIRECTORY;
  // "Not found" only counts when the drive or share that would hold the file is there: an
  // unplugged drive or an offline share says nothing about the file.
  std::string root = RootOf(AbsolutePath(path));
  if (not_there && (root.empty() || FolderExists(root))) return FileLookup::kMissing;
  return FileLookup::kUnknown;
}

bool FolderExists(const std::string& path) {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

Status CreateOneFolder(const std::string& path) {
  if (!CreateDirectoryW(WidePath(path).c_str(), nullptr)) return Failure("Cannot create", path);
  return Status::Ok();
}

Status ReadTextFile(const std::string& path, size_t max_lines, std::vector<std::string>* lines) {
  lines->clear();
  unique_hfile file(CreateFileW(WidePath(path).c_str(), GENERIC_READ, kReaderSharing, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Failure("Cannot open", path);
  // Read in pieces and stop once enough lines are complete: readers never look past the
  // lines they need, so a long tail is never read.
  std::string text;
  char buffer[64 * 1024];
  size_t complete = 0, scanned = 0;
  while (complete < max_lines) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr))
      return Failure("Cannot read", path);
    if (got == 0) break;
    text.append(buffer, got);
    complete += CountCompleteLines(text, max_lines - complete, &scanned);
    if (complete < max_lines && text.size() > kMaxTextBytes)
      return Status::Error("Cannot read \"" + path + "\": it is no text file of lines (" +
                           std::to_string(text.size()) + " bytes without enough line ends)");
  }
  *lines = SplitTextLines(text, max_lines);
  return Status::Ok();
}

Status ReadFileBytes(const std::string& path, std::string* bytes) {
  bytes->clear();
  unique_hfile file(CreateFileW(WidePath(path).c_str(), GENERIC_READ, kReaderSharing, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Failure("Cannot open", path);
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size)) return Failure("Cannot read", path);
  bytes->resize(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes->size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes->size() - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes->data() + done, chunk, &got, nullptr))
      return Failure("Cannot read", path);
    if (got == 0) break;
    done += got;
  }
  bytes->resize(done);
  return Status::Ok();
}

Status WriteTextFile(const std::string& path, const std::vector<std::string>& lines) {
  unique_hfile file(CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Failure("Cannot create", path);
  return WriteAll(file.get(), JoinTextLines(lines), path);
}

Status ReplaceTextFile(const std::string& path, const std::vector<std::string>& lines) {
  return ReplaceFileBytes(path, JoinTextLines(lines));
}

Status ReplaceFileBytes(const std::string& path, const std::string& bytes) {
  Status writable = RefuseReadOnly(path);
  if (!writable.ok()) return writable;
  std::string temp;
  Status written = WriteTemporaryFile(path, bytes, "", true, &temp);
  if (!written.ok()) return written;
  return MoveIntoPlace(temp, path);
}

CreateOnceResult CreateTextFileOnce(const std::string& path, const std::vector<std::string>& lines,
                                    Status* status, const std::string& temp_folder) {
  std::string temp;
  // A new file replaces nothing, so a power failure can lose no earlier content: the cost of
  // flushing every one of thousands of new files buys nothing here.
  *status = WriteTemporaryFile(path, JoinTextLines(lines), temp_folder, false, &temp);
  if (!status->ok()) return CreateOnceResult::kFailed;
  // Without MOVEFILE_REPLACE_EXISTING the move fails when a file of that name is there.
  if (!MoveFileExW(WidePath(temp).c_str(), WidePath(path).c_str(), MOVEFILE_WRITE_THROUGH)) {
    DWORD error = GetLastError();
    DeleteFileW(WidePath(temp).c_str());
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
      *status = Status::Ok();
      return CreateOnceResult::kAlreadyExists;
    }
    *status = Status::Error("Cannot create \"" + path + "\": " + ErrorText(error, path));
    return CreateOnceResult::kFailed;
  }
  SetFileAttributesW(WidePath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  return CreateOnceResult::kCreated;
}

Status DeleteOneFile(const std::string& path) {
  if (!DeleteFileW(WidePath(path).c_str())) return Failure("Cannot delete", path);
  return Status::Ok();
}

Status CopyOneFile(const std::string& from, const std::string& to) {
  if (!CopyFileW(WidePath(from).c_str(), WidePath(to).c_str(), FALSE))
    return Status::Error("Cannot copy \"" + from + "\" to \"" + to + "\": " + LastErrorText(to));
  return Status::Ok();
}

Status ReplaceWithCopy(const std::string& from, const std::string& to) {
  Status writable = RefuseReadOnly(to);
  if (!writable.ok()) return writable;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp = TemporaryPath(to, "", attempt);
    if (!CopyFileW(WidePath(from).c_str(), WidePath(temp).c_str(), TRUE)) {
      DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      return Status::Error("Cannot copy \"" + from + "\" to \"" + to +
                           "\": " + ErrorText(error, to));
    }
    if (!MoveFileExW(WidePath(temp).c_str(), WidePath(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      Status failed = Failure("Cannot replace", to);
      DeleteFileW(WidePath(temp).c_str());
      return failed;
    }
    return Status::Ok();
  }
  return Status::Error("Cannot create a temporary file beside \"" + to + "\"");
}

Status PlaceFileBytes(const std::string& path, const std::string& bytes,
                      const std::string& temp_folder) {
  std::string temp;
  Status written = WriteTemporaryFile(path, bytes, temp_folder, false, &temp);
  if (!written.ok()) return written;
  return MoveIntoPlace(temp, path);
}

Status GetFileWriteTime(const std::string& path, uint64_t* written) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data))
    return Failure("Cannot read", path);
  *written = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
             data.ftLastWriteTime.dwLowDateTime;
  return Status::Ok();
}

Status GetFileLength(const std::string& path, uint64_t* length) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data))
    return Failure("Cannot read", path);
  *length = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return Status::Ok();
}

}  // namespace zeb
