#pragma once
// The decoding of a version resource's parts into numbers and words: the translation key,
// the flags, the target system, the file type and subtype. Pure rules, no Windows calls.
#include <cstdint>
#include <string>
#include <string_view>

namespace zeb {

// The fixed part of a version resource: thirteen unsigned 32-bit fields in this order.
struct FixedFileInfo {
  uint32_t signature = 0, struct_version = 0;
  uint32_t file_version_ms = 0, file_version_ls = 0;
  uint32_t product_version_ms = 0, product_version_ls = 0;
  uint32_t file_flags_mask = 0, file_flags = 0;
  uint32_t file_os = 0, file_type = 0, file_subtype = 0;
  uint32_t file_date_ms = 0, file_date_ls = 0;
};
static_assert(sizeof(FixedFileInfo) == 52);

// The text up to its first NUL character.
std::string TrimAtNull(std::string_view text);

// The text left-filled with "0" to width characters; only the last width characters stay.
std::string PadLeftZeros(std::string_view text, size_t width);

// The translation key from the first four bytes of the translation table: the language
// identifier and code page, each a little-endian 16-bit value, as eight upper-case
// hexadecimal digits ("040904E4").
std::string TranslationKey(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3);

// The language identifier (first four digits) and code page (last four) of a translation
// key; 0 for a key that is not exactly eight characters long.
int32_t LanguageOfKey(std::string_view key);
int32_t CodePageOfKey(std::string_view key);

// Words for the flags, target system, file type and subtype.
std::string FileFlagsText(uint32_t flags);  // flags already masked
std::string FileOSText(uint32_t file_os);
std::string FileTypeText(uint32_t file_type);
std::string FileSubTypeText(uint32_t file_type, uint32_t file_subtype);

}  // namespace zeb
