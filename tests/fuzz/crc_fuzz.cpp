// The CRC engine against a plain bit-at-a-time reference loop, whole and in two pieces.
#include <cstdint>
#include <span>

#include "datexport/cls_crc.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/reference_crc.h"

using zeb::testing::ReferenceCrc16;
using zeb::testing::ReferenceCrc32;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> bytes(data, size);
  size_t cut = size == 0 ? 0 : data[0] % (size + 1);

  zeb::clsCRC crc;
  FUZZ_CHECK(static_cast<uint32_t>(crc.CalculateBytes(bytes)) == ReferenceCrc32(bytes));
  crc.CalculateBytes(bytes.first(cut));
  FUZZ_CHECK(static_cast<uint32_t>(crc.AddBytes(bytes.subspan(cut))) == ReferenceCrc32(bytes));

  crc.SetAlgorithm(0);
  FUZZ_CHECK(static_cast<uint32_t>(crc.CalculateBytes(bytes)) == ReferenceCrc16(bytes));
  crc.CalculateBytes(bytes.first(cut));
  FUZZ_CHECK(static_cast<uint32_t>(crc.AddBytes(bytes.subspan(cut))) == ReferenceCrc16(bytes));
  return 0;
}
