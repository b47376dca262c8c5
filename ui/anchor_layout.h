#pragma once
// Keeps a dialog's controls in place as the window is resized: each control holds on to the
// edges it is anchored to, so a control anchored left and right grows with the width and
// one anchored to the bottom moves down with it.
#include <windows.h>

#include <vector>

namespace zeb {

enum Anchor : unsigned {
  kAnchorLeft = 1,
  kAnchorTop = 2,
  kAnchorRight = 4,
  kAnchorBottom = 8,
};

struct ControlAnchor {
  int id;
  unsigned anchors;  // Anchor bits; controls not named keep left and top
};

class AnchorLayout {
 public:
  // Notes where every named control and the window stand now, at the dialog's first size,
  // which also becomes the smallest size the window may take.
  void Capture(HWND dialog, const std::vector<ControlAnchor>& controls);
  // Moves the controls for the dialog's present client size (on WM_SIZE).
  void Apply(HWND dialog) const;
  // The smallest window size (for WM_GETMINMAXINFO).
  POINT minimum_size() const { return minimum_size_; }

 private:
  struct Placed {
    int id;
    unsigned anchors;
    RECT rect;  // in the client coordinates of the first size
  };
  std::vector<Placed> placed_;
  SIZE first_client_ = {0, 0};
  POINT minimum_size_ = {0, 0};
};

}  // namespace zeb
