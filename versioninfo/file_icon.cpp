#include "versioninfo/file_icon.h"

#include <windows.h>

#include <variant>

#include "platform/files.h"
#include "platform/unique_handle.h"

namespace zeb {

namespace {

// The resource types by number (RT_ICON and RT_GROUP_ICON are the "A" functions' pointers).
constexpr WORD kIconType = 3;
constexpr WORD kIconGroupType = 14;

// A file mapped by LoadLibraryEx, let go of with FreeLibrary.
struct ModuleTraits {
  using Type = HMODULE;
  static Type Empty() { return nullptr; }
  static void Close(Type module) { ::FreeLibrary(module); }
};
using unique_hmodule = UniqueHandle<ModuleTraits>;

// The first icon group's name: a number, or a text copied out of the listing's callback
// (the system's copy is gone once the callback returns).
struct FirstGroup {
  bool found = false;
  std::variant<WORD, std::wstring> name;

  const wchar_t* pointer() const {
    if (const WORD* id = std::get_if<WORD>(&name)) return MAKEINTRESOURCEW(*id);
    return std::get<std::wstring>(name).c_str();
  }
};

BOOL CALLBACK TakeFirstGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR context) {
  auto* first = reinterpret_cast<FirstGroup*>(context);
  first->found = true;
  if (IS_INTRESOURCE(name))
    first->name = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  else
    first->name = std::wstring(name);
  return FALSE;  // the first is all we need
}

// The bytes of a resource, where the mapping holds them.
bool ResourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type,
                   std::string_view* bytes) {
  HRSRC found = FindResourceW(module, name, type);
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded == nullptr ? nullptr : LockResource(loaded);
  if (data == nullptr) return false;
  *bytes = std::string_view(static_cast<const char*>(data), SizeofResource(module, found));
  return true;
}

}  // namespace

FileIcon ReadFileIcon(const std::string& path) {
  FileIcon icon;
  // Mapped as an image resource, any program's resources can be read, whatever its
  // architecture, and none of its code is run or even prepared for running.
  unique_hmodule module(LoadLibraryExW(WidePath(path).c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  if (!module) return icon;
  FirstGroup first;
  EnumResourceNamesW(module.get(), MAKEINTRESOURCEW(kIconGroupType), TakeFirstGroup,
                     reinterpret_cast<LONG_PTR>(&first));
  if (!first.found) return icon;
  std::string_view group;
  if (!ResourceBytes(module.get(), first.pointer(), MAKEINTRESOURCEW(kIconGroupType), &group)) {
    icon.kind = FileIcon::Kind::kDamaged;
    icon.reason = "its icon group cannot be loaded";
    return icon;
  }
  Status read = ReadIconGroup(
      group,
      [&](uint16_t id, std::string_view* bytes) {
        return ResourceBytes(module.get(), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(kIconType),
                             bytes);
      },
      &icon.picture);
  icon.kind = read.ok() ? FileIcon::Kind::kPicture : FileIcon::Kind::kDamaged;
  icon.reason = read.message();
  return icon;
}

}  // namespace zeb
