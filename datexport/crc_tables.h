#pragma once
// The tables of the two CRCs. They are computed by the compiler from their rules, so the
// values in the program are the rules' values and nothing can be mistyped.
#include <array>
#include <cstdint>

namespace zeb {

using CrcTable = std::array<uint32_t, 256>;

// CRC-32 (the CRC of zip and zlib): the polynomial 0x04C11DB7 bit-reversed, because the
// register runs least significant bit first.
inline constexpr uint32_t kCrc32ReflectedPolynomial = 0xEDB88320u;

// CRC-16/XMODEM: polynomial 0x1021, most significant bit first.
inline constexpr uint32_t kCrc16Polynomial = 0x1021u;

// Entry i: the register i after eight steps of "odd: shift right and XOR the polynomial,
// even: shift right".
constexpr CrcTable MakeCrc32Table() {
  CrcTable table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t r = i;
    for (int bit = 0; bit < 8; ++bit) r = (r & 1) ? (r >> 1) ^ kCrc32ReflectedPolynomial : r >> 1;
    table[i] = r;
  }
  return table;
}

// Entry i: starting from r = 0 and a = i * 256, eight steps of "if bit 15 of r XOR a is set,
// r = r * 2 XOR 0x1021, else r = r * 2; then a = a * 2". Only the low 16 bits are kept.
constexpr CrcTable MakeCrc16Table() {
  CrcTable table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t r = 0;
    uint32_t a = i << 8;
    for (int bit = 0; bit < 8; ++bit) {
      r = ((r ^ a) & 0x8000u) ? (r << 1) ^ kCrc16Polynomial : r << 1;
      a <<= 1;
    }
    table[i] = r & 0xFFFFu;
  }
  return table;
}

inline constexpr CrcTable kCrc32Table = MakeCrc32Table();
inline constexpr CrcTable kCrc16Table = MakeCrc16Table();

// Slicing by eight: slice k, entry i, is the CRC-32 of byte i followed by k zero bytes, so
// eight bytes can be folded into the register with eight independent look-ups.
using Crc32Slices = std::array<CrcTable, 8>;

constexpr Crc32Slices MakeCrc32Slices() {
  Crc32Slices slices{};
  slices[0] = MakeCrc32Table();
  for (size_t k = 1; k < slices.size(); ++k) {
    for (size_t i = 0; i < 256; ++i) {
      uint32_t previous = slices[k - 1][i];
      slices[k][i] = (previous >> 8) ^ slices[0][previous & 0xFF];
    }
  }
  return slices;
}

inline constexpr Crc32Slices kCrc32Slices = MakeCrc32Slices();

}  // namespace zeb
