#pragma once
// Move-only owners of Win32 handles, so that no handle is ever closed by hand.
#include <windows.h>

#include <utility>

namespace zeb {

template <typename Traits>
class UniqueHandle {
 public:
  using Type = typename Traits::Type;

  UniqueHandle() = default;
  explicit UniqueHandle(Type value) : value_(value) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Type get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::Empty(); }
  Type release() { return std::exchange(value_, Traits::Empty()); }
  void reset(Type value = Traits::Empty()) {
    if (value_ != Traits::Empty()) Traits::Close(value_);
    value_ = value;
  }

 private:
  Type value_ = Traits::Empty();
};

// Process and thread handles, and most kernel objects: NULL is empty.
struct KernelHandleTraits {
  using Type = HANDLE;
  static Type Empty() { return nullptr; }
  static void Close(Type h) { ::CloseHandle(h); }
};

// File handles: INVALID_HANDLE_VALUE is empty.
struct FileHandleTraits {
  using Type = HANDLE;
  static Type Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { ::CloseHandle(h); }
};

// Directory searches, closed with FindClose.
struct FindHandleTraits {
  using Type = HANDLE;
  static Type Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { ::FindClose(h); }
};

// Icons made by LoadImage (without LR_SHARED), destroyed with DestroyIcon.
struct IconHandleTraits {
  using Type = HICON;
  static Type Empty() { return nullptr; }
  static void Close(Type h) { ::DestroyIcon(h); }
};

using unique_handle = UniqueHandle<KernelHandleTraits>;
using unique_hfile = UniqueHandle<FileHandleTraits>;
using unique_hfind = UniqueHandle<FindHandleTraits>;
using unique_hicon = UniqueHandle<IconHandleTraits>;

}  // namespace zeb
