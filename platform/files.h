#pragma once
// Files and folders: existence, text files of CR LF lines, whole-file bytes, and the few
// changes the programs make (create, replace, delete, copy). Paths are in the system's
// 8-bit code page; relative paths resolve against the current folder.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/status.h"

namespace zeb {

// True when an ordinary file (not a folder, not hidden, not a system file) is at path.
bool OrdinaryFileExists(const std::string& path);

// True when a file of any attributes, but not a folder, is at path.
bool AnyFileExists(const std::string& path);

// What a lookup of a file can tell: it is there (a file of any attributes, not a folder), it
// is certainly not there, or the lookup cannot tell (the drive or network share that would
// hold it is not available, access is denied, ...).
enum class FileLookup { kFound, kMissing, kUnknown };
FileLookup LookUpFile(const std::string& path);

// True when a folder is at path.
bool FolderExists(const std::string& path);

// Creates one folder level; the folder that holds it must exist.
Status CreateOneFolder(const std::string& path);

// Reads the text file at path as lines (CR LF, CR or LF end a line), at most max_lines.
Status ReadTextFile(const std::string& path, size_t max_lines, std::vector<std::string>* lines);

// Reads the whole file at path.
Status ReadFileBytes(const std::string& path, std::string* bytes);

// Creates or empties the file at path and writes the lines, each ending with CR LF.
Status WriteTextFile(const std::string& path, const std::vector<std::string>& lines);

// Writes the lines to a new file beside path, then puts it in place of path. The old file
// stays whole until the new one is complete. A read-only file is not replaced.
Status ReplaceTextFile(const std::string& path, const std::vector<std::string>& lines);

// The same for bytes written as they are.
Status ReplaceFileBytes(const std::string& path, const std::string& bytes);

// Outcome of CreateTextFileOnce beyond success and failure.
enum class CreateOnceResult { kCreated, kAlreadyExists, kFailed };

// Writes the lines to a new file at path, which appears whole or not at all; a file that is
// already there (or appears meanwhile) is never replaced. The file is written first under a
// temporary name in temp_folder (beside path when empty), which must be on the same drive.
CreateOnceResult CreateTextFileOnce(const std::string& path, const std::vector<std::string>& lines,
                                    Status* status, const std::string& temp_folder = "");

// Deletes the file at path.
Status DeleteOneFile(const std::string& path);

// Copies a file, replacing the target if it exists.
Status CopyOneFile(const std::string& from, const std::string& to);

// Copies a file to a new file beside the target, then puts it in place of the target. The
// old target stays whole until the copy is complete; on a failure it is left as it was.
Status ReplaceWithCopy(const std::string& from, const std::string& to);

// Writes bytes to a new file in temp_folder (it must be on the same drive), then moves it over
// whatever is at path, so a half-written file is never seen there. For files zeb makes again
// whenever they are missing (pictures): nothing is flushed and nothing is looked up first, so
// that a new file in a big folder costs one lookup of its name.
Status PlaceFileBytes(const std::string& path, const std::string& bytes,
                      const std::string& temp_folder);

// When the file at path was last written: 100-nanosecond steps since 1601, as Windows counts.
Status GetFileWriteTime(const std::string& path, uint64_t* written);

// The length of the file at path in bytes.
Status GetFileLength(const std::string& path, uint64_t* length);

// The absolute form of path (resolved against the current folder).
std::string AbsolutePath(const std::string& path);

// The same as wide characters, converted from the system's 8-bit code page once.
std::wstring AbsoluteWidePath(const std::string& path);

// An absolute wide path in the form the wide-character file functions take at any length:
// from 248 characters on, with the "\\?\" prefix.
std::wstring LongPathForm(const std::wstring& absolute);

// The form of path to hand to the system's wide-character file functions: converted from
// the system's 8-bit code page as the "A" functions convert it, and, from 248 characters on,
// made absolute with the "\\?\" prefix, which lifts the old limit of 260 characters (that
// limit holds for every "A" function, prefix or not).
std::wstring WidePath(const std::string& path);

// Text between the program's 8-bit code page and the system's wide characters.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

}  // namespace zeb
