#pragma once
// VersionInfo reads the version resource of one executable file, or of a module loaded in
// this process. Setting Filename or ModuleName loads everything at once; every other
// property only reads what the last load stored. A load that fails ends silently, and the
// properties then read empty text or zero.
//
// The game facts need only ProductName, LegalCopyright and CompanyName; every other property
// is kept on purpose: the reader offers the whole version resource, and the release check
// reads the versions of the programs through it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "versioninfo/version_decoding.h"

namespace zeb {

class VersionInfo {
 public:
  void Filename(const std::string& file_name);
  const std::string& Filename() const { return file_name_; }
  void ModuleName(const std::string& module_name);
  const std::string& ModuleName() const { return module_name_; }

  int32_t Language() const { return LanguageOfKey(translation_key_); }
  int32_t CodePage() const { return CodePageOfKey(translation_key_); }

  std::string CompanyName() const { return QueryStringValue("CompanyName"); }
  std::string FileDescription() const { return QueryStringValue("FileDescription"); }
  std::string FileVersion() const { return QueryStringValue("FileVersion"); }
  std::string InternalName() const { return QueryStringValue("InternalName"); }
  std::string LegalCopyright() const { return QueryStringValue("LegalCopyright"); }
  std::string OriginalFileName() const { return QueryStringValue("OriginalFileName"); }
  std::string ProductName() const { return QueryStringValue("ProductName"); }
  std::string ProductVersion() const { return QueryStringValue("ProductVersion"); }
  std::string LegalTrademarks() const { return QueryStringValue("LegalTrademarks"); }
  std::string LegalTrademarks1() const { return QueryStringValue("LegalTrademarks1"); }
  std::string LegalTrademarks2() const { return QueryStringValue("LegalTrademarks2"); }
  std::string Comments() const { return QueryStringValue("Comments"); }
  std::string PrivateBuild() const { return QueryStringValue("PrivateBuild"); }
  std::string SpecialBuild() const { return QueryStringValue("SpecialBuild"); }

  int32_t FileFlagsRaw() const {
    return static_cast<int32_t>(fixed_.file_flags & fixed_.file_flags_mask);
  }
  std::string FileFlags() const {
    return FileFlagsText(fixed_.file_flags & fixed_.file_flags_mask);
  }
  int32_t FileOSRaw() const { return static_cast<int32_t>(fixed_.file_os); }
  std::string FileOS() const { return FileOSText(fixed_.file_os); }
  int32_t FileTypeRaw() const { return static_cast<int32_t>(fixed_.file_type); }
  std::string FileType() const { return FileTypeText(fixed_.file_type); }
  int32_t FileSubTypeRaw() const { return static_cast<int32_t>(fixed_.file_subtype); }
  std::string FileSubType() const { return FileSubTypeText(fixed_.file_type, fixed_.file_subtype); }

  // The translation key of the string table the texts are read from ("040904E4").
  const std::string& TranslationKey() const { return translation_key_; }

 private:
  std::string QueryStringValue(const std::string& key) const;
  void LoadVersionResource();

  std::string module_name_;
  std::string file_name_;
  // The whole resource as the system filled it, with the scratch space it reserved after it.
  std::optional<std::vector<unsigned char>> version_data_;
  std::string translation_key_;
  FixedFileInfo fixed_;
};

}  // namespace zeb
