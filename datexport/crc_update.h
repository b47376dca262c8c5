#pragma once
// The update routines of the two CRCs: each feeds a run of bytes into a running register
// (the un-finalised state; no complement or masking happens here).
//
// The one-byte table loop is the definition. The faster CRC-32 routines give the same
// register for every input; Crc32Update picks the fastest one the processor allows.
#include <cstdint>
#include <span>

#include "datexport/crc_tables.h"

namespace zeb {

// CRC-16/XMODEM, one table look-up per byte. Leaves the high 16 bits of the register zero.
uint32_t Crc16Update(uint32_t crc, std::span<const uint8_t> bytes);

// CRC-32, one table look-up per byte.
uint32_t Crc32UpdateBytewise(uint32_t crc, std::span<const uint8_t> bytes, const CrcTable& table);

// CRC-32, eight bytes per step with the slicing tables.
uint32_t Crc32UpdateSliced(uint32_t crc, std::span<const uint8_t> bytes);

// True when the processor has the carry-less multiply (PCLMULQDQ) that Crc32UpdateFolded needs.
bool CpuHasCarrylessMultiply();

// CRC-32 by folding 64 bytes per step with the carry-less multiply. Call it only when
// CpuHasCarrylessMultiply() is true.
uint32_t Crc32UpdateFolded(uint32_t crc, std::span<const uint8_t> bytes);

// CRC-32 by the fastest routine available.
uint32_t Crc32Update(uint32_t crc, std::span<const uint8_t> bytes);

}  // namespace zeb
