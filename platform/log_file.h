#pragma once
// A log file kept small: entries are appended with the local date and time, and once the
// file passes max_bytes only its newest keep_bytes remain.
#include <cstddef>
#include <string>

#include "platform/status.h"

namespace zeb {

class LogFile {
 public:
  explicit LogFile(std::string path, size_t max_bytes = 512 * 1024, size_t keep_bytes = 256 * 1024)
      : path_(std::move(path)), max_bytes_(max_bytes), keep_bytes_(keep_bytes) {}

  // Appends one entry (its text may have several lines). The file is replaced whole, so a
  // failure half-way leaves the old one.
  Status Write(const std::string& text);

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  size_t max_bytes_;
  size_t keep_bytes_;
};

}  // namespace zeb
