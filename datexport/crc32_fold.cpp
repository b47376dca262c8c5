// CRC-32 with the carry-less multiply: the register is folded forward over 64 bytes at a time
// (four 128-bit lanes), then reduced to 32 bits with a Barrett reduction. The constants are
// powers of x modulo the polynomial, bit-reversed to match the reflected register:
//   k1 = x^(4*128+32), k2 = x^(4*128-32)   fold by 64 bytes
//   k3 = x^(128+32),   k4 = x^(128-32)     fold by 16 bytes
//   k5 = x^64                              fold 64 bits into 32
//   mu = floor(x^64 / P), P                Barrett reduction
// (k1 to k5 taken mod P, bit-reversed and shifted left by one; mu and P bit-reversed as 33-bit
// numbers). Results equal the one-byte table loop.
#include "datexport/crc_update.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define ZEB_HAVE_FOLDING 1
#endif

namespace zeb {

#ifdef ZEB_HAVE_FOLDING

namespace {

#define ZEB_FOLD_TARGET __attribute__((target("pclmul,sse2")))

ZEB_FOLD_TARGET inline __m128i Load(const uint8_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Moves the 128 bits of x forward by the distance that k encodes and adds next.
ZEB_FOLD_TARGET inline __m128i Fold(__m128i x, __m128i k, __m128i next) {
  __m128i low = _mm_clmulepi64_si128(x, k, 0x00);
  __m128i high = _mm_clmulepi64_si128(x, k, 0x11);
  return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

// n is at least 64 and a multiple of 16.
ZEB_FOLD_TARGET uint32_t FoldBlocks(uint32_t crc, const uint8_t* p, size_t n) {
  const __m128i k1k2 = _mm_set_epi64x(0x1C6E41596, 0x154442BD4);
  const __m128i k3k4 = _mm_set_epi64x(0x0CCAA009E, 0x1751997D0);
  const __m128i k5 = _mm_set_epi64x(0, 0x163CD6124);
  const __m128i mu_p = _mm_set_epi64x(0x1F7011641, 0x1DB710641);
  const __m128i low32 = _mm_set_epi32(0, 0, 0, -1);

  __m128i x0 = _mm_xor_si128(Load(p), _mm_cvtsi32_si128(static_cast<int>(crc)));
  __m128i x1 = Load(p + 16);
  __m128i x2 = Load(p + 32);
  __m128i x3 = Load(p + 48);
  p += 64;
  n -= 64;
  for (; n >= 64; p += 64, n -= 64) {
    x0 = Fold(x0, k1k2, Load(p));
    x1 = Fold(x1, k1k2, Load(p + 16));
    x2 = Fold(x2, k1k2, Load(p + 32));
    x3 = Fold(x3, k1k2, Load(p + 48));
  }
  // Four lanes into one, then the remaining 16-byte blocks.
  __m128i x = Fold(x0, k3k4, x1);
  x = Fold(x, k3k4, x2);
  x = Fold(x, k3k4, x3);
  for (; n >= 16; p += 16, n -= 16) x = Fold(x, k3k4, Load(p));

  // 128 bits to 64 (this also appends the 32 zero bits the reduction needs).
  x = _mm_xor_si128(_mm_srli_si128(x, 8), _mm_clmulepi64_si128(x, k3k4, 0x10));
  // 64 bits to 32.
  x = _mm_xor_si128(_mm_srli_si128(x, 4), _mm_clmulepi64_si128(_mm_and_si128(x, low32), k5, 0x00));
  // Barrett reduction to the 32-bit register.
  __m128i t = _mm_clmulepi64_si128(_mm_and_si128(x, low32), mu_p, 0x10);
  t = _mm_clmulepi64_si128(_mm_and_si128(t, low32), mu_p, 0x00);
  x = _mm_xor_si128(x, t);
  return static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(x, 4)));
}

}  // namespace

bool CpuHasCarrylessMultiply() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
  return (c & bit_PCLMUL) != 0 && (d & bit_SSE2) != 0;
}

uint32_t Crc32UpdateFolded(uint32_t crc, std::span<const uint8_t> bytes) {
  if (bytes.size() < 64) return Crc32UpdateSliced(crc, bytes);
  size_t blocks = bytes.size() & ~size_t{15};
  crc = FoldBlocks(crc, bytes.data(), blocks);
  return Crc32UpdateSliced(crc, bytes.subspan(blocks));
}

#else  // no carry-less multiply on this processor family

bool CpuHasCarrylessMultiply() { return false; }

uint32_t Crc32UpdateFolded(uint32_t crc, std::span<const uint8_t> bytes) {
  return Crc32UpdateSliced(crc, bytes);
}

#endif

}  // namespace zeb
