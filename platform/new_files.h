#pragma once
// Writes new files into one folder. Each file appears whole or not at all, and a file that
// is already there, or appears meanwhile, is never replaced.
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/files.h"

namespace zeb {

class NewFileWriter {
 public:
  // Notes the folder's ordinary files once, so that asking whether a name is taken needs no
  // lookup on disk: on some file systems (Wine on ext4) looking up a name that is not there
  // reads the whole folder, which makes a loop over a big folder quadratic.
  explicit NewFileWriter(std::string folder);
  ~NewFileWriter();
  NewFileWriter(const NewFileWriter&) = delete;
  NewFileWriter& operator=(const NewFileWriter&) = delete;

  // True when an ordinary file of that name was there at the start, or was made since.
  // Names that differ only in case are the same name, as on Windows.
  bool Exists(const std::string& name) const;

  // Writes the lines to a new file of that name. The file is written in a hidden work
  // folder inside the folder (small, so its lookups stay cheap) and then moved into place.
  CreateOnceResult Create(const std::string& name, const std::vector<std::string>& lines,
                          Status* status);

 private:
  std::string folder_;       // without a trailing "\"
  std::string work_folder_;  // empty until the first file is written
  bool work_folder_failed_ = false;
  std::unordered_set<std::string> taken_;  // upper-cased names
};

}  // namespace zeb
