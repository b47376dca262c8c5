#include "datexport/crc_update.h"

#include <bit>
#include <cstring>

namespace zeb {

namespace {

static_assert(std::endian::native == std::endian::little,
              "the slicing loop reads four bytes at a time as a little-endian number");

uint32_t LoadLittle32(const uint8_t* p) {
  uint32_t value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

// Below this length the folding routine's set-up costs more than it saves.
constexpr size_t kFoldMinimum = 64;
// Below this length the slicing loop has too few whole steps to pay for itself.
constexpr size_t kSliceMinimum = 16;

}  // namespace

uint32_t Crc16Update(uint32_t crc, std::span<const uint8_t> bytes) {
  for (uint8_t b : bytes) crc = ((crc << 8) ^ kCrc16Table[((crc >> 8) ^ b) & 0xFF]) & 0xFFFFu;
  return crc;
}

uint32_t Crc32UpdateBytewise(uint32_t crc, std::span<const uint8_t> bytes, const CrcTable& table) {
  for (uint8_t b : bytes) crc = (crc >> 8) ^ table[(crc ^ b) & 0xFF];
  return crc;
}

uint32_t Crc32UpdateSliced(uint32_t crc, std::span<const uint8_t> bytes) {
  const Crc32Slices& t = kCrc32Slices;
  const uint8_t* p = bytes.data();
  size_t n = bytes.size();
  for (; n >= 8; p += 8, n -= 8) {
    uint32_t low = LoadLittle32(p) ^ crc;
    uint32_t high = LoadLittle32(p + 4);
    crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^
          t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^ t[1][(high >> 16) & 0xFF] ^
          t[0][high >> 24];
  }
  return Crc32UpdateBytewise(crc, {p, n}, t[0]);
}

uint32_t Crc32Update(uint32_t crc, std::span<const uint8_t> bytes) {
  if (bytes.size() >= kFoldMinimum) {
    static const bool folding = CpuHasCarrylessMultiply();
    if (folding) return Crc32UpdateFolded(crc, bytes);
  }
  if (bytes.size() >= kSliceMinimum) return Crc32UpdateSliced(crc, bytes);
  return Crc32UpdateBytewise(crc, bytes, kCrc32Table);
}

}  // namespace zeb
