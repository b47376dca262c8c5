// clsCRC: the check values, the tables, the register's rules (Algorithm, Value, Clear) and
// the faster update loops, each against a bit-at-a-time reference that uses no table.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "datexport/cls_crc.h"
#include "datexport/crc_tables.h"
#include "datexport/crc_update.h"
#include "tests/support/reference_crc.h"

namespace zeb {
namespace {

using testing::BitwiseCrc16;
using testing::BitwiseCrc32;

using Bytes = std::vector<uint8_t>;

Bytes RandomBytes(size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes(count);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

TEST(clsCRC, CheckValuesOfBothAlgorithms) {
  clsCRC crc;
  EXPECT_EQ(crc.CalculateString("123456789"), -873187034);
  EXPECT_EQ(static_cast<uint32_t>(crc.Value()), 0xCBF43926u);
  const Bytes digits = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(crc.CalculateBytes(digits), -873187034);
  crc.SetAlgorithm(0);
  EXPECT_EQ(crc.CalculateString("123456789"), 0x31C3);
  EXPECT_EQ(crc.CalculateBytes(digits), 0x31C3);
  // A run that starts inside a larger buffer is taken from its first element.
  const Bytes framed = {'x', 'y', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'z'};
  EXPECT_EQ(crc.CalculateBytes(std::span(framed).subspan(2, 9)), 0x31C3);
  crc.SetAlgorithm(1);
  EXPECT_EQ(crc.CalculateBytes(std::span(framed).subspan(2, 9)), -873187034);
  EXPECT_EQ(static_cast<uint32_t>(crc.CalculateString("a")), 0xE8B7BE43u);
}

TEST(clsCRC, TablesHoldTheStandardEntries) {
  EXPECT_EQ(kCrc32Table[0], 0u);
  EXPECT_EQ(kCrc32Table[1], 0x77073096u);
  EXPECT_EQ(kCrc32Table[128], 0xEDB88320u);
  EXPECT_EQ(kCrc32Table[255], 0x2D02EF8Du);
  EXPECT_EQ(kCrc16Table[0], 0u);
  EXPECT_EQ(kCrc16Table[1], 0x1021u);
  EXPECT_EQ(kCrc16Table[128], 0x9188u);
  EXPECT_EQ(kCrc16Table[255], 0x1EF0u);
  // Every entry is the bitwise CRC of its index byte (from a zero register).
  for (uint32_t i = 0; i < 256; ++i) {
    uint8_t b = static_cast<uint8_t>(i);
    EXPECT_EQ(kCrc32Table[i], BitwiseCrc32(0, {&b, 1})) << i;
    EXPECT_EQ(kCrc16Table[i], BitwiseCrc16(0, {&b, 1})) << i;
  }
}

TEST(clsCRC, ANewObjectIsCrc32WithValueZero) {
  clsCRC crc;
  EXPECT_EQ(crc.Algorithm(), -1);
  EXPECT_EQ(crc.Value(), 0);
  // Nothing added: the CRC of nothing is 0 under both algorithms.
  EXPECT_EQ(crc.CalculateBytes({}), 0);
  EXPECT_EQ(crc.CalculateString(""), 0);
  crc.SetAlgorithm(0);
  EXPECT_EQ(crc.CalculateBytes({}), 0);
  EXPECT_EQ(crc.CalculateString(""), 0);
}

TEST(clsCRC, AlgorithmReadsBackAsZeroOrMinusOne) {
  clsCRC crc;
  for (int32_t written : {2, 1, -1, -7, 0x10000, INT32_MIN}) {
    crc.SetAlgorithm(written);
    EXPECT_EQ(crc.Algorithm(), -1) << written;
    EXPECT_EQ(crc.CalculateString("123456789"), -873187034) << written;
  }
  crc.SetAlgorithm(0);
  EXPECT_EQ(crc.Algorithm(), 0);
  EXPECT_EQ(crc.CalculateString("123456789"), 0x31C3);
}

TEST(clsCRC, WritingAlgorithmAlwaysClears) {
  clsCRC crc;
  crc.AddString("some bytes");
  ASSERT_NE(crc.Value(), 0);
  crc.SetAlgorithm(1);  // the same algorithm again
  EXPECT_EQ(crc.Value(), 0);
  crc.SetAlgorithm(0);
  crc.AddString("some bytes");
  ASSERT_NE(crc.Value(), 0);
  crc.SetAlgorithm(0);
  EXPECT_EQ(crc.Value(), 0);
  crc.AddString("more");
  crc.SetAlgorithm(-1);
  EXPECT_EQ(crc.Value(), 0);
  EXPECT_EQ(crc.AddString("123456789"), -873187034);
}

TEST(clsCRC, ValueIsStoredIntoTheRegisterUnchanged) {
  clsCRC crc;
  for (int32_t v : {0, 1, -1, 0x12345678, INT32_MIN, -873187034}) {
    crc.SetAlgorithm(1);
    crc.SetValue(v);
    EXPECT_EQ(crc.Value(), ~v) << v;
    crc.SetAlgorithm(0);
    crc.SetValue(v);
    EXPECT_EQ(crc.Value(), v & 0xFFFF) << v;
  }
  // What is written is the running register, so a CRC can be continued from it.
  crc.SetAlgorithm(1);
  int32_t head = crc.CalculateString("1234");
  crc.SetAlgorithm(1);
  crc.SetValue(~head);
  EXPECT_EQ(crc.AddString("56789"), -873187034);
  crc.SetAlgorithm(0);
  head = crc.CalculateString("1234");
  crc.SetAlgorithm(0);
  crc.SetValue(head);
  EXPECT_EQ(crc.AddString("56789"), 0x31C3);
  // High bits in the CRC-16 register do not reach the CRC.
  crc.SetValue(head | 0x7FFF0000);
  EXPECT_EQ(crc.AddString("56789"), 0x31C3);
  // An empty run leaves a written register as it is.
  crc.SetValue(0x7FFF1234);
  EXPECT_EQ(crc.AddBytes({}), 0x1234);
  EXPECT_EQ(crc.AddString(""), 0x1234);
}

TEST(clsCRC, PiecesGiveTheCrcOfTheWhole) {
  const Bytes data = RandomBytes(300, 7);
  for (int32_t algorithm : {1, 0}) {
    clsCRC whole;
    whole.SetAlgorithm(algorithm);
    const int32_t expected = whole.CalculateBytes(data);
    for (size_t cut = 0; cut <= data.size(); cut += 13) {
      clsCRC pieces;
      pieces.SetAlgorithm(algorithm);
      pieces.CalculateBytes(std::span(data).first(cut));
      EXPECT_EQ(pieces.AddBytes(std::span(data).subspan(cut)), expected) << cut;
      // Clear and three pieces, one of them a text.
      pieces.Clear();
      pieces.AddBytes(std::span(data).first(cut / 2));
      std::string middle(data.begin() + cut / 2, data.begin() + cut);
      pieces.AddString(middle);
      EXPECT_EQ(pieces.AddBytes(std::span(data).subspan(cut)), expected) << cut;
    }
  }
}

TEST(clsCRC, Crc16MatchesTheBitwiseDefinition) {
  clsCRC crc;
  crc.SetAlgorithm(0);
  for (size_t length : {1u, 2u, 17u, 255u, 1000u}) {
    Bytes data = RandomBytes(length, static_cast<uint32_t>(length));
    EXPECT_EQ(static_cast<uint32_t>(crc.CalculateBytes(data)), BitwiseCrc16(0, data)) << length;
  }
}

// Every update routine, from random registers and at every alignment, against the bitwise
// definition: lengths around each routine's step and block sizes, and a few large ones.
TEST(Crc32Update, EveryRoutineEqualsTheBitwiseDefinition) {
  const Bytes data = RandomBytes(70000, 11);
  std::mt19937 random(3);
  std::vector<size_t> lengths;
  for (size_t n = 0; n <= 300; ++n) lengths.push_back(n);
  for (size_t n : {511u, 512u, 513u, 1023u, 4096u, 4099u, 65536u + 15}) lengths.push_back(n);
  const bool folding = CpuHasCarrylessMultiply();
  for (size_t length : lengths) {
    for (size_t offset = 0; offset < 16; offset += (length > 1000 ? 5 : 1)) {
      std::span<const uint8_t> run(data.data() + offset, length);
      uint32_t start = random();
      uint32_t expected = BitwiseCrc32(start, run);
      ASSERT_EQ(Crc32UpdateBytewise(start, run, kCrc32Table), expected) << length << "+" << offset;
      ASSERT_EQ(Crc32UpdateSliced(start, run), expected) << length << "+" << offset;
      ASSERT_EQ(Crc32Update(start, run), expected) << length << "+" << offset;
      if (folding) {
        ASSERT_EQ(Crc32UpdateFolded(start, run), expected) << length << "+" << offset;
      }
    }
  }
}

}  // namespace
}  // namespace zeb
