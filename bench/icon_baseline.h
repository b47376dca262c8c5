#pragma once
// The plainest reading of a program's icon, for the baselines: map the file as an image
// resource, take its first icon group and that group's largest image, and read the image's
// bytes. Nothing is checked, decoded or written.
#include <windows.h>

#include <cstdint>
#include <string>

namespace zeb::bench {

inline BOOL CALLBACK FirstIconGroup(HMODULE, LPCSTR, LPSTR name, LONG_PTR first) {
  *reinterpret_cast<LPSTR*>(first) = name;  // the fixtures' groups are numbered
  return FALSE;
}

// The sum of the bytes of the program's icon image (0 when it has none).
inline uint32_t ReadIconPlainly(const std::string& path) {
  HMODULE module = LoadLibraryExA(path.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return 0;
  LPSTR group_name = nullptr;
  EnumResourceNamesA(module, RT_GROUP_ICON, FirstIconGroup,
                     reinterpret_cast<LONG_PTR>(&group_name));
  uint32_t sum = 0;
  HRSRC group = group_name ? FindResourceA(module, group_name, RT_GROUP_ICON) : nullptr;
  if (group != nullptr) {
    const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    WORD count = *reinterpret_cast<const WORD*>(dir + 4);
    const BYTE* best = dir + 6;
    for (WORD i = 1; i < count; ++i) {
      const BYTE* entry = dir + 6 + 14 * i;
      auto side = [](BYTE b) { return b == 0 ? 256 : b; };
      if (side(entry[0]) * side(entry[1]) > side(best[0]) * side(best[1])) best = entry;
    }
    WORD id = *reinterpret_cast<const WORD*>(best + 12);
    HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(id), RT_ICON);
    if (image != nullptr) {
      const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, image)));
      for (DWORD i = 0, size = SizeofResource(module, image); i < size; ++i) sum += bytes[i];
    }
  }
  FreeLibrary(module);
  return sum;
}

}  // namespace zeb::bench
