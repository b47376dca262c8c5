#pragma once
// Form1, the main window: a dialog that shows the Catalogue's settings, list and details,
// and runs its operations from the buttons. It holds no rule of its own.
#include <windows.h>

#include <memory>

#include "catalogue/catalogue.h"
#include "ui/dialog_window.h"
#include "ui/editor_window.h"
#include "ui/window_icon.h"

namespace zeb {

class Form1 : public DialogWindow {
 public:
  // Creates the window and runs start-up (the load handler). The window is not shown yet.
  static std::unique_ptr<Form1> Create(HINSTANCE instance, Catalogue* catalogue);
  ~Form1() override;

  // Whether destroying the window ends the thread's message loop (the program's main window
  // does; a window made by a test does not).
  void set_quit_on_destroy(bool quit) { quit_on_destroy_ = quit; }

 private:
  explicit Form1(Catalogue* catalogue) : catalogue_(*catalogue) {}

  INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

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

  // Opens the entry editor, or brings the open one to the front.
  void OpenEditor();

  Catalogue& catalogue_;
  unsigned shown_rows_version_ = ~0u;
  bool quit_on_destroy_ = true;
  WindowIcon icon_;
  // The entry editor; at most one, and its window may have closed.
  std::unique_ptr<frmEdit> editor_;
};

}  // namespace zeb
