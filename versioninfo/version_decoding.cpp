#include "versioninfo/version_decoding.h"

namespace zeb {

namespace {

// The byte in upper-case hexadecimal, left-filled with "0" to two digits.
std::string Hex2(uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string digits;
  if (byte >= 16) digits += kDigits[byte >> 4];
  digits += kDigits[byte & 0xF];
  return PadLeftZeros(digits, 2);
}

// The value of four hexadecimal digits, or 0 when one of them is no digit.
int32_t HexValue(std::string_view digits) {
  int32_t value = 0;
  for (char c : digits) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else
      return 0;
    value = value * 16 + digit;
  }
  return value;
}

}  // namespace

std::string TrimAtNull(std::string_view text) {
  size_t nul = text.find('\0');
  return std::string(nul == std::string_view::npos ? text : text.substr(0, nul));
}

std::string PadLeftZeros(std::string_view text, size_t width) {
  std::string padded = std::string(width, '0') + std::string(text);
  return padded.substr(padded.size() - width);
}

std::string TranslationKey(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
  return Hex2(b1) + Hex2(b0) + Hex2(b3) + Hex2(b2);
}

int32_t LanguageOfKey(std::string_view key) {
  return key.size() == 8 ? HexValue(key.substr(0, 4)) : 0;
}

int32_t CodePageOfKey(std::string_view key) {
  return key.size() == 8 ? HexValue(key.substr(4, 4)) : 0;
}

std::string FileFlagsText(uint32_t flags) {
  // Tested in this order; each word keeps its trailing blank and the result is not trimmed.
  static constexpr struct {
    uint32_t bit;
    const char* word;
  } kWords[] = {{0x01, "Debug "},
                {0x04, "Patched "},
                {0x02, "Pre-release "},
                {0x08, "Private "},
                {0x20, "Special "}};
  std::string text;
  for (const auto& entry : kWords)
    if (flags & entry.bit) text += entry.word;
  return text;
}

std::string FileOSText(uint32_t file_os) {
  std::string text;
  switch (file_os & 0xFFFF) {
    case 1:
      text = "Win16 API";
      break;
    case 2:
      text = "PM16 API";
      break;
    case 3:
      text = "PM32 API";
      break;
    case 4:
      text = "Win32 API";
      break;
    default:
      text = "Unknown API";
      break;
  }
  switch (file_os >> 16) {
    case 1:
      text += " on DOS";
      break;
    case 2:
      text += " on OS2/16";
      break;
    case 3:
      text += " on OS2/32";
      break;
    case 4:
      text += " on Windows NT";
      break;
  }
  return text;
}

std::string FileTypeText(uint32_t file_type) {
  switch (file_type) {
    case 0:
      return "Unknown";
    case 1:
      return "Application";
    case 2:
      return "DLL";
    case 3:
      return "Driver";
    case 4:
      return "Font";
    case 5:
      return "VXD";
    case 7:
      return "Static-link library";
    default:
      return "";
  }
}

std::string FileSubTypeText(uint32_t file_type, uint32_t file_subtype) {
  static constexpr const char* kDrivers[] = {
      "Unknown", "Printer", "Keyboard",    "Language", "Display",        "Mouse",
      "Network", "System",  "Installable", "Sound",    "Communications", "Input Method"};
  static constexpr const char* kFonts[] = {"Unknown", "Raster", "Vector", "TrueType"};
  switch (file_type) {
    case 3:
      return file_subtype < std::size(kDrivers) ? kDrivers[file_subtype] : "Unknown";
    case 4:
      return file_subtype < std::size(kFonts) ? kFonts[file_subtype] : "Unknown";
    case 5:
      // A virtual device's subtype is its device identifier.
      return std::to_string(file_subtype);
    default:
      return "Unknown";
  }
}

}  // namespace zeb
