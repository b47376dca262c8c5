// clsCRC::CalculateFile: the one member that touches the file system, so it lives beside the
// platform layer and the rest of the class stays pure.
#include <limits>
#include <new>

#include "datexport/cls_crc.h"
#include "platform/files.h"

namespace zeb {

Status clsCRC::CalculateFile(const std::string& file_name, std::optional<int32_t>* value) {
  value->reset();
  uint64_t length = 0;
  Status status = GetFileLength(file_name, &length);
  if (!status.ok()) return status;
  // An empty file has no CRC: no value, and the running CRC stays as it was.
  if (length == 0) return Status::Ok();
  // The file is read in one piece; one that does not fit in memory is reported, not
  // truncated or left to end the program.
  if (length > std::numeric_limits<size_t>::max() / 2)
    return Status::Error("Cannot read \"" + file_name + "\": the file is too large");
  std::string bytes;
  try {
    status = ReadFileBytes(file_name, &bytes);
  } catch (const std::bad_alloc&) {
    return Status::Error("Cannot read \"" + file_name + "\": the file is too large");
  }
  if (!status.ok()) return status;
  *value = CalculateString(bytes);
  return Status::Ok();
}

}  // namespace zeb
