#pragma once
// clsCRC: a CRC-16 (XMODEM) or CRC-32 (zip, zlib) over byte runs, texts and whole files, in
// one call or piece by piece.
//
// The register holds the running, un-finalised state; the final step (complement for CRC-32,
// the low 16 bits for CRC-16) happens only when Value is read. So the CRC of several pieces
// is Clear (or CalculateBytes on the first), then AddBytes or AddString for the others.
//
// The DAT export uses only construction and CalculateFile; the rest (CRC-16, pieces, texts,
// reading and writing Value) is kept on purpose: the class is a whole CRC engine in its own
// right, and its members are part of what it offers.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace zeb {

class clsCRC {
 public:
  // Selects CRC-32 exactly as SetAlgorithm(1) does.
  clsCRC();

  // Feeds the bytes through the selected CRC, continuing from the register; returns Value.
  int32_t AddBytes(std::span<const uint8_t> bytes);
  // AddBytes of the text's bytes (text is held in the system's 8-bit code page already).
  int32_t AddString(std::string_view text);

  // 0 when CRC-16 is selected, -1 when CRC-32 is (whatever number selected it).
  int32_t Algorithm() const;
  // 0 selects CRC-16, any other number CRC-32. Always clears both registers, also when the
  // same algorithm is selected again.
  void SetAlgorithm(int32_t algorithm);

  // Clear, then AddBytes.
  int32_t CalculateBytes(std::span<const uint8_t> bytes);
  // Clear, then AddString.
  int32_t CalculateString(std::string_view text);
  // The CRC of the whole file's bytes, read in one piece. An empty file gives no value and
  // leaves the registers as they were. A file that cannot be read is an error, and the
  // registers stay as they were. (It reads through the platform layer, so only the Windows
  // builds define it: crc_file.cpp.)
  Status CalculateFile(const std::string& file_name, std::optional<int32_t>* value);

  // CRC-32: the complement of the register; CRC-16: the register's low 16 bits.
  int32_t Value() const;
  // Stores value into the selected register as it is: no complement, no masking. Only a
  // 32-bit signed number is taken; any other type is refused when the program is compiled,
  // so no number outside that range can arrive here.
  void SetValue(int32_t value);
  template <typename T>
  void SetValue(T value) = delete;

  // CRC-16 register to 0, CRC-32 register to 0xFFFFFFFF, whichever is selected.
  void Clear();

 private:
  // The tables are built by the compiler (crc_tables.h), so selecting an algorithm has
  // nothing to prepare.
  int16_t algorithm_ = -1;  // 0: CRC-16, -1: CRC-32
  uint32_t crc16_ = 0;
  uint32_t crc32_ = 0xFFFFFFFFu;
};

}  // namespace zeb
