#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the
// end of the test, and small helpers for the files and folders that tests make and check.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/paths.h"

namespace zeb::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's absolute path, without a trailing "\".
  const std::string& path() const { return path_; }
  // path() + "\" + name.
  std::string operator/(const std::string& name) const { return JoinPath(path_, name); }

 private:
  std::string path_;
};

// Removes a folder and everything in it (read-only, hidden and system files too).
void RemoveTree(const std::string& path);

// Makes a folder and the folders above it that are missing.
void MakeFolders(const std::string& path);

// Writes bytes to a file, creating or replacing it.
void WriteBytes(const std::string& path, const std::string& bytes);

// The whole content of a file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// The file's lines joined with CR LF after each, as every text file of the programs is.
std::string CrLf(const std::vector<std::string>& lines);

// Adds or removes file attributes (FILE_ATTRIBUTE_HIDDEN, ...).
void SetAttributes(const std::string& path, unsigned long add, unsigned long remove = 0);

// The folder that holds the running test program (the build's bin folder).
std::string TestProgramFolder();

// The full path of a program that the build made (zeb.exe, vrelo.exe, fixtures\...).
std::string BuiltProgram(const std::string& relative_path);

// Copies a file, replacing the target.
void CopyFileOrFail(const std::string& from, const std::string& to);

// Waits until a file exists at path (another process writes it); fails after the time-out,
// naming the file.
::testing::AssertionResult WaitForFile(const std::string& path, unsigned long timeout_ms = 20000);

// Every name in a folder (hidden and system files and sub-folders too), sorted by bytes.
std::vector<std::string> AllFiles(const std::string& folder);

// Makes a folder the process's current folder for as long as it lives, then puts the old
// one back, also when the test fails half-way.
class CurrentFolderGuard {
 public:
  explicit CurrentFolderGuard(const std::string& folder);
  ~CurrentFolderGuard();
  CurrentFolderGuard(const CurrentFolderGuard&) = delete;
  CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

  // Whether the folder could be made current.
  bool ok() const { return ok_; }

 private:
  std::string previous_;
  bool ok_;
};

}  // namespace zeb::testing
