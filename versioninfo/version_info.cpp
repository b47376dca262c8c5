#include "versioninfo/version_info.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/paths.h"

namespace zeb {

void VersionInfo::Filename(const std::string& file_name) {
  file_name_ = file_name;
  LoadVersionResource();
}

void VersionInfo::ModuleName(const std::string& module_name) {
  module_name_ = module_name;
  LoadVersionResource();
}

// Each step that fails ends the load at once; every field keeps what it holds then.
void VersionInfo::LoadVersionResource() {
  if (!module_name_.empty()) {
    HMODULE module = GetModuleHandleA(module_name_.c_str());
    if (module == nullptr) return;
    char path[260];
    DWORD length = GetModuleFileNameA(module, path, sizeof path);
    if (length == 0) return;
    file_name_.assign(path, std::min<DWORD>(length, sizeof path));
  }
  if (file_name_.empty()) return;

  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(file_name_.c_str(), &ignored);
  if (size == 0) return;
  version_data_.emplace(size, 0);
  std::vector<unsigned char>& data = *version_data_;
  if (!GetFileVersionInfoA(file_name_.c_str(), 0, size, data.data())) return;

  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &value, &length)) return;
  // Only the first language and code-page pair counts; the rest are ignored.
  if (value == nullptr || length < 4) return;
  const unsigned char* pair = static_cast<const unsigned char*>(value);
  translation_key_ = zeb::TranslationKey(pair[0], pair[1], pair[2], pair[3]);
  if (translation_key_ == "00000000") translation_key_ = "040904E4";

  if (!VerQueryValueA(data.data(), "\\", &value, &length) || value == nullptr) return;
  // A shorter record fills only the leading fields and leaves the rest as they were.
  std::memcpy(&fixed_, value, std::min<size_t>(length, sizeof fixed_));
}

std::string VersionInfo::QueryStringValue(const std::string& key) const {
  // Without a translation key the path names no string table, and the query would fail.
  if (!version_data_ || translation_key_.empty()) return "";
  const std::vector<unsigned char>& data = *version_data_;
  std::string path = JoinPath(JoinPath("\\StringFileInfo", translation_key_), key);
  void* value = nullptr;
  UINT length = 0;
  // VerQueryValueA takes a non-const block; it only reads it and its own scratch space.
  auto* block = const_cast<unsigned char*>(data.data());
  if (!VerQueryValueA(block, path.c_str(), &value, &length) || value == nullptr || length == 0)
    return "";
  // The length counts the terminating NUL. Some resource compilers write wrong lengths, so
  // copy no further than the first NUL, the length, or the end of the block.
  const char* text = static_cast<const char*>(value);
  const char* block_end = reinterpret_cast<const char*>(data.data() + data.size());
  if (text < reinterpret_cast<const char*>(data.data()) || text >= block_end) return "";
  size_t limit = std::min<size_t>(length - 1, static_cast<size_t>(block_end - text));
  return TrimAtNull(std::string_view(text, limit));
}

}  // namespace zeb
