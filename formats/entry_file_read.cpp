// The file half of the entry reader, on the platform's text files.
#include "formats/entry_file.h"
#include "platform/files.h"

namespace zeb {

EntryFile ReadEntryFile(const std::string& path, size_t needed) {
  std::vector<std::string> lines;
  Status read = ReadTextFile(path, needed, &lines);
  if (!read.ok()) {
    EntryFile file;
    file.status = read;
    return file;
  }
  return EntryFromFileLines(lines, needed);
}

}  // namespace zeb
