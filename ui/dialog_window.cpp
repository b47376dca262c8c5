#include "ui/dialog_window.h"

#include <algorithm>

#include "catalogue/catalogue.h"
#include "platform/failure_report.h"

namespace zeb {

HWND DialogWindow::CreateDialogWindow(HINSTANCE instance, int template_id, HWND owner) {
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(template_id), owner, DialogProc,
                            reinterpret_cast<LPARAM>(this));
}

INT_PTR DialogWindow::RunModalDialog(HINSTANCE instance, int template_id, HWND owner) {
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(template_id), owner, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  DialogWindow* self;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<DialogWindow*>(lparam);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, lparam);
  } else {
    self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) and after WM_NCDESTROY have no object.
  if (self == nullptr) return FALSE;
  // A failure must not leave through the system's code that called us, which would end the
  // program without a word.
  INT_PTR result = FALSE;
  try {
    result = self->HandleMessage(message, wparam, lparam);
  } catch (...) {
    try {
      self->ShowUnexpectedFailure(UnexpectedFailureText(std::current_exception()));
    } catch (...) {
      // Not even the message could be shown; the window still goes on.
    }
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

void DialogWindow::ShowUnexpectedFailure(const std::string& text) {
  MessageBoxA(hwnd_, text.c_str(), kAppTitle, MB_OK);
}

std::string FieldText(HWND dialog, int id) {
  HWND field = GetDlgItem(dialog, id);
  int length = GetWindowTextLengthA(field);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(field, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return text;
}

void SetFieldText(HWND dialog, int id, const std::string& text) {
  if (FieldText(dialog, id) != text) SetDlgItemTextA(dialog, id, text.c_str());
}

}  // namespace zeb
