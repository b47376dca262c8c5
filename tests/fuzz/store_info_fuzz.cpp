// The reader of a store's record of a game (goggame-<digits>.info) over any bytes.
#include <cstdint>
#include <string_view>

#include "formats/store_info.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// A path the reader hands out: relative, "\"-separated, without empty, "." or ".." parts.
bool InsideAndNormal(std::string_view path) {
  if (path.find_first_of("/:") != std::string_view::npos) return false;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view part = path.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zeb::StoreInfo info = zeb::ReadStoreInfo(bytes);
  if (info.kind != zeb::StoreInfoKind::kTask) {
    FUZZ_CHECK(!info.why.empty());
    return 0;
  }
  FUZZ_CHECK(InsideAndNormal(info.task.path));
  if (info.task.working_dir && !info.task.working_dir->empty())
    FUZZ_CHECK(InsideAndNormal(*info.task.working_dir));
  return 0;
}
