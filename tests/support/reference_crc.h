#pragma once
// The two CRCs computed one bit at a time straight from their polynomials: no table and
// nothing of the program's engine, so tests can hold every routine of the engine to them.
// Pure, so the native tests and the fuzzers use it too.
#include <cstdint>
#include <span>
#include <string_view>

namespace zeb::testing {

// The CRC-32 register (un-finalised) after the bytes, least significant bit first.
inline uint32_t BitwiseCrc32(uint32_t crc, std::span<const uint8_t> bytes) {
  for (uint8_t b : bytes) {
    crc ^= b;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
  }
  return crc;
}

// The CRC-16/XMODEM register after the bytes, most significant bit first.
inline uint32_t BitwiseCrc16(uint32_t crc, std::span<const uint8_t> bytes) {
  for (uint8_t b : bytes) {
    crc ^= static_cast<uint32_t>(b) << 8;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x8000) ? (crc << 1) ^ 0x1021u : crc << 1;
    crc &= 0xFFFF;
  }
  return crc;
}

// The finished CRC-32 of a run of bytes (as zip and zlib give it).
inline uint32_t ReferenceCrc32(std::span<const uint8_t> bytes) {
  return ~BitwiseCrc32(0xFFFFFFFFu, bytes);
}
inline uint32_t ReferenceCrc32(std::string_view bytes) {
  return ReferenceCrc32({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

// The finished CRC-16/XMODEM of a run of bytes.
inline uint32_t ReferenceCrc16(std::span<const uint8_t> bytes) { return BitwiseCrc16(0, bytes); }

}  // namespace zeb::testing
