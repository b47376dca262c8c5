#pragma once
// Form1, the main window: a dialog that shows the Catalogue's settings, list and details,
// and runs its operations from the buttons. It holds no rule of its own.
#include <windows.h>

#include <memory>

#include "catalogue/catalogue.h"

namespace zeb {

class Form1 {
 public:
  // Creates the window and runs start-up (the load handler). The window is not shown yet.
  static std::unique_ptr<Form1> Create(HINSTANCE instance, Catalogue* catalogue);
  ~Form1();

  HWND hwnd() const { return hwnd_; }

  // Whether destroying the window ends the thread's message loop (the program's main window
  // does; a window made by a test does not).
  void set_quit_on_destroy(bool quit) { quit_on_destroy_ = quit; }

 private:
  explicit Form1(Catalogue* catalogue) : catalogue_(*catalogue) {}

  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  // The load handler: settings, list, and the window's first state.
  void OnInitDialog();
  // Buttons and list notifications.
  void OnCommand(int id, int code);
  // The unload handler: saves the settings, then the window goes.
  void OnClose();

  // Runs one operation with the settings as the fields show them, then shows the outcome.
  template <typename Operation>
  void Run(Operation operation);

  void ReadSettingsFromFields();
  void ShowSettings();
  void ShowRows();
  void ShowDetails();

  Catalogue& catalogue_;
  HWND hwnd_ = nullptr;
  unsigned shown_rows_version_ = ~0u;
  bool quit_on_destroy_ = true;
};

}  // namespace zeb
