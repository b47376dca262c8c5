#include "ui/anchor_layout.h"

namespace zeb {

void AnchorLayout::Capture(HWND dialog, const std::vector<ControlAnchor>& controls) {
  RECT client;
  GetClientRect(dialog, &client);
  first_client_ = {client.right, client.bottom};
  RECT window;
  GetWindowRect(dialog, &window);
  minimum_size_ = {window.right - window.left, window.bottom - window.top};
  placed_.clear();
  for (const ControlAnchor& control : controls) {
    HWND item = GetDlgItem(dialog, control.id);
    if (item == nullptr) continue;
    RECT rect;
    GetWindowRect(item, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    placed_.push_back({control.id, control.anchors, rect});
  }
}

void AnchorLayout::Apply(HWND dialog) const {
  if (placed_.empty()) return;
  RECT client;
  GetClientRect(dialog, &client);
  // Never smaller than the first size: a minimised window reports a client of nothing.
  LONG dx = client.right - first_client_.cx, dy = client.bottom - first_client_.cy;
  if (dx < 0) dx = 0;
  if (dy < 0) dy = 0;
  HDWP moves = BeginDeferWindowPos(static_cast<int>(placed_.size()));
  for (const Placed& control : placed_) {
    RECT r = control.rect;
    if (control.anchors & kAnchorRight) {
      if (!(control.anchors & kAnchorLeft)) r.left += dx;
      r.right += dx;
    }
    if (control.anchors & kAnchorBottom) {
      if (!(control.anchors & kAnchorTop)) r.top += dy;
      r.bottom += dy;
    }
    HWND item = GetDlgItem(dialog, control.id);
    if (moves != nullptr)
      moves = DeferWindowPos(moves, item, nullptr, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (moves != nullptr) EndDeferWindowPos(moves);
  // Group boxes and labels leave traces of their old places otherwise.
  InvalidateRect(dialog, nullptr, TRUE);
}

}  // namespace zeb
