#pragma once
// A window's icon in its title bar and in Alt+Tab.
#include <windows.h>

#include "platform/unique_handle.h"

namespace zeb {

class WindowIcon {
 public:
  // Gives the window the icon resource of its module, drawn from the image made for each
  // size the system shows (the large and the small icon) rather than one image scaled. The
  // icons live as long as this object, which must outlive the window.
  void Set(HWND window, int resource_id);

 private:
  unique_hicon big_;
  unique_hicon small_;
};

}  // namespace zeb
