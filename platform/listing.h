#pragma once
// Folder and file listings, in ascending name order ignoring case.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/status.h"

namespace zeb {

// A folder's matching files: the folder as an absolute path without a trailing "\", and the
// names (without folder) of its ordinary files, neither hidden nor system files.
struct FileListing {
  std::string folder;
  std::vector<std::string> names;
};

// Lists the ordinary files of folder whose long names match pattern ("*" and "?").
Status ListFiles(const std::string& folder, const std::string& pattern, FileListing* listing);

// Lists the names of every entry of folder, hidden and system files and sub-folders too, in no
// particular order: what a new file of one of those names would meet there.
Status ListAllNames(const std::string& folder, std::vector<std::string>* names);

// Lists the direct sub-folders of folder as full paths: the folder as an absolute path
// without a trailing "\", then "\" and the sub-folder's name.
Status ListFolders(const std::string& folder, std::vector<std::string>* sub_folders);

// A game folder as the scan names it. Its path is one the program's 8-bit functions can use:
// a long name that the code page cannot hold ("Ōkami HD" under code page 1252) is reached
// through the folder's short (8.3) name, which Windows keeps for exactly this. The name is the
// long name, as the code page best renders it where it cannot hold it ("Okami HD").
struct SubFolder {
  std::string path;  // empty when the name cannot be held and the volume keeps no short name
  std::string name;
};

// Lists the direct sub-folders of folder, in the order of their names ignoring case.
Status ListGameFolders(const std::string& folder, std::vector<SubFolder>* sub_folders);

// A file's name and when it was last written (as GetFileWriteTime gives it, platform/files.h).
struct FileStamp {
  std::string name;
  uint64_t written = 0;
};

// Lists the ordinary files of folder whose names match pattern, in no particular order, each
// with the time it was last written.
Status ListFileStamps(const std::string& folder, const std::string& pattern,
                      std::vector<FileStamp>* stamps);

// The presence test: true when the path text names at least one ordinary file. A text that
// ends in "\" names the files of that folder; any other text names itself (so a folder
// named without its final "\" yields no file).
bool NamesAnyOrdinaryFile(const std::string& path_text);

}  // namespace zeb
