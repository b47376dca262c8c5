// clsCRC::CalculateBytes over 64 MiB against zlib's crc32 over the same bytes, in the same
// run. The faster routines' results must equal zlib's, or the benchmark fails.
#include <zlib.h>

#include <cstdio>
#include <random>
#include <vector>

#include "bench/bench_support.h"
#include "datexport/cls_crc.h"
#include "datexport/crc_update.h"

int main() {
  constexpr size_t kSize = size_t{64} << 20;
  std::vector<uint8_t> data(kSize);
  std::mt19937_64 random(42);
  for (size_t i = 0; i < kSize; i += 8) {
    uint64_t word = random();
    for (size_t k = 0; k < 8; ++k) data[i + k] = static_cast<uint8_t>(word >> (8 * k));
  }

  uint32_t expected = 0, ours = 0, sliced = 0;
  double baseline = zeb::bench::BestOf(5, [&] {
    expected = static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0), data.data(), kSize));
  });
  double measured = zeb::bench::BestOf(5, [&] {
    zeb::clsCRC crc;
    ours = static_cast<uint32_t>(crc.CalculateBytes(data));
  });
  double slicing =
      zeb::bench::BestOf(3, [&] { sliced = ~zeb::Crc32UpdateSliced(0xFFFFFFFFu, data); });

  std::printf("carry-less multiply: %s\n", zeb::CpuHasCarrylessMultiply() ? "yes" : "no");
  std::printf("zlib crc32: %.0f MB/s; CalculateBytes: %.0f MB/s; slicing by eight: %.0f MB/s\n",
              kSize / baseline / 1e6, kSize / measured / 1e6, kSize / slicing / 1e6);
  zeb::bench::PrintRatio("CalculateBytes over 64 MiB against zlib's crc32", measured, baseline,
                         1.0);
  if (ours != expected || sliced != expected) {
    std::printf("MISMATCH: zlib %08X, CalculateBytes %08X, slicing %08X\n", expected, ours, sliced);
    return 1;
  }
  return 0;
}
