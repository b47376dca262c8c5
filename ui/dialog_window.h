#pragma once
// What zeb's windows share: each is a dialog whose window object is found through
// GWLP_USERDATA and handles the messages in one switch, and whose controls' texts are read
// and set by id.
#include <windows.h>

#include <string>

namespace zeb {

class DialogWindow {
 public:
  DialogWindow() = default;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;
  virtual ~DialogWindow() = default;

  // Null until the dialog is made and again once it is gone.
  HWND hwnd() const { return hwnd_; }

 protected:
  // Makes the modeless dialog of the template, with this object handling its messages.
  HWND CreateDialogWindow(HINSTANCE instance, int template_id, HWND owner);
  // The same as a modal dialog: returns the result given to EndDialog once it has closed.
  INT_PTR RunModalDialog(HINSTANCE instance, int template_id, HWND owner);

  // One message of the dialog; the result is the dialog procedure's.
  virtual INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) = 0;

  // Shows a failure that escaped HandleMessage (memory running out, say) as the usual
  // "Error: " message; the window goes on working. A plain message box unless the window
  // has a prompt of its own.
  virtual void ShowUnexpectedFailure(const std::string& text);

  HWND hwnd_ = nullptr;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
};

// The text of the dialog's control id.
std::string FieldText(HWND dialog, int id);

// Sets the control's text, leaving an unchanged text alone (setting it would move the caret
// and scroll the field for nothing).
void SetFieldText(HWND dialog, int id, const std::string& text);

}  // namespace zeb
