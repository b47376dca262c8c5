#include "ui/window_icon.h"

namespace zeb {

namespace {

unique_hicon LoadIconSized(HINSTANCE instance, int resource_id, int width_metric,
                           int height_metric) {
  // Not LR_SHARED: Windows finds a shared icon again by its resource alone, whatever size
  // is asked for, so the small icon would be the large one shrunk.
  return unique_hicon(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(resource_id),
                                                    IMAGE_ICON, GetSystemMetrics(width_metric),
                                                    GetSystemMetrics(height_metric), 0)));
}

}  // namespace

void WindowIcon::Set(HWND window, int resource_id) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  big_ = LoadIconSized(instance, resource_id, SM_CXICON, SM_CYICON);
  small_ = LoadIconSized(instance, resource_id, SM_CXSMICON, SM_CYSMICON);
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_.get()));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_.get()));
}

}  // namespace zeb
