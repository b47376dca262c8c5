// The CRC engine against a plain bit-at-a-time reference loop, whole and in two pieces.
#include <cstdint>
#include <span>

#include "datexport/cls_crc.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

uint32_t ReferenceCrc32(std::span<const uint8_t> bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (uint8_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0);
  }
  return ~crc;
}

uint32_t ReferenceCrc16(std::span<const uint8_t> bytes) {
  uint32_t crc = 0;
  for (uint8_t byte : bytes) {
    crc ^= static_cast<uint32_t>(byte) << 8;
    for (int bit = 0; bit < 8; ++bit) crc = ((crc << 1) ^ ((crc & 0x8000) ? 0x1021 : 0)) & 0xFFFF;
  }
  return crc;
}

}  // namespace

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
