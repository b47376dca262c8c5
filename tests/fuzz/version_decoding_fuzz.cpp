// The decoding of version-resource numbers and keys from any bytes.
#include <cstdint>
#include <cstring>
#include <string>

#include "tests/fuzz/fuzz_support.h"
#include "versioninfo/version_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint8_t bytes[12] = {};
  std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
  std::string key = zeb::TranslationKey(bytes[0], bytes[1], bytes[2], bytes[3]);
  FUZZ_CHECK(key.size() == 8);
  FUZZ_CHECK(zeb::LanguageOfKey(key) == (bytes[1] << 8 | bytes[0]));
  FUZZ_CHECK(zeb::CodePageOfKey(key) == (bytes[3] << 8 | bytes[2]));

  uint32_t a, b;
  std::memcpy(&a, bytes + 4, 4);
  std::memcpy(&b, bytes + 8, 4);
  std::string flags = zeb::FileFlagsText(a);
  FUZZ_CHECK(flags.empty() == ((a & 0x2F) == 0));
  FUZZ_CHECK(!zeb::FileOSText(a).empty());
  zeb::FileTypeText(a);
  FUZZ_CHECK(!zeb::FileSubTypeText(a, b).empty());

  // Any text as a key: never more than the 16-bit range.
  std::string any(reinterpret_cast<const char*>(data), size);
  FUZZ_CHECK(zeb::LanguageOfKey(any) >= 0 && zeb::LanguageOfKey(any) <= 0xFFFF);
  FUZZ_CHECK(zeb::CodePageOfKey(any) >= 0 && zeb::CodePageOfKey(any) <= 0xFFFF);
  FUZZ_CHECK(zeb::PadLeftZeros(any, 2).size() == 2);
  FUZZ_CHECK(zeb::TrimAtNull(any).find('\0') == std::string::npos);
  return 0;
}
