// clsCRC's CRC-32 against zlib's crc32, the reference implementation of the same CRC.
#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <vector>

#include "datexport/cls_crc.h"
#include "datexport/crc_tables.h"

namespace zeb {
namespace {

std::vector<uint8_t> RandomBytes(size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(count);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

int32_t ZlibCrc(std::span<const uint8_t> bytes) {
  uLong crc = crc32(0L, Z_NULL, 0);
  // zlib takes at most 4 GiB - 1 per call; every run here is far smaller.
  crc = crc32(crc, bytes.data(), static_cast<uInt>(bytes.size()));
  return static_cast<int32_t>(static_cast<uint32_t>(crc));
}

TEST(clsCRCAgainstZlib, TheTableIsZlibs) {
  const z_crc_t* table = get_crc_table();
  for (size_t i = 0; i < 256; ++i) EXPECT_EQ(kCrc32Table[i], table[i]) << i;
}

TEST(clsCRCAgainstZlib, EveryLengthFromZeroTo4096) {
  const std::vector<uint8_t> data = RandomBytes(4096, 1);
  std::mt19937 random(2);
  clsCRC crc;
  for (size_t length = 0; length <= data.size(); ++length) {
    // A different stretch of the data for each length, so every run is new.
    size_t start = random() % (data.size() - length + 1);
    std::span<const uint8_t> run(data.data() + start, length);
    ASSERT_EQ(crc.CalculateBytes(run), ZlibCrc(run)) << length;
  }
}

TEST(clsCRCAgainstZlib, LargeRunsWholeAndInPieces) {
  for (size_t length : {size_t{1} << 20, (size_t{1} << 22) + 13, (size_t{1} << 24) + 1}) {
    const std::vector<uint8_t> data = RandomBytes(length, static_cast<uint32_t>(length));
    const int32_t expected = ZlibCrc(data);
    clsCRC crc;
    EXPECT_EQ(crc.CalculateBytes(data), expected) << length;
    // Pieces of uneven sizes, added one after another.
    crc.Clear();
    std::mt19937 random(5);
    size_t done = 0;
    while (done < length) {
      size_t piece = std::min<size_t>(length - done, random() % 100000);
      crc.AddBytes(std::span(data).subspan(done, piece));
      done += piece;
    }
    EXPECT_EQ(crc.Value(), expected) << length;
  }
}

}  // namespace
}  // namespace zeb
