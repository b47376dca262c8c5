#include "platform/log_file.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "platform/files.h"
#include "platform/log_text.h"
#include "platform/text_lines.h"

namespace zeb {

namespace {

std::string LocalTimeStamp() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth,
                now.wDay, now.wHour, now.wMinute, now.wSecond);
  return stamp;
}

}  // namespace

Status LogFile::Write(const std::string& text) {
  std::string old_text;
  std::vector<std::string> lines;
  // A missing log is simply a new one.
  if (AnyFileExists(path_)) {
    Status read = ReadFileBytes(path_, &old_text);
    if (!read.ok()) return read;
    lines = SplitTextLines(old_text);
  }
  for (std::string& line : LogEntryLines(LocalTimeStamp(), text)) lines.push_back(std::move(line));
  size_t bytes = 0;
  for (const std::string& line : lines) bytes += line.size() + 2;
  if (bytes > max_bytes_) lines = NewestLogLines(lines, keep_bytes_);
  return ReplaceTextFile(path_, lines);
}

}  // namespace zeb
