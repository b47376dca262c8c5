#pragma once
// Form1, the main window: a dialog that shows the Catalogue's settings, list and details,
// and runs its operations from the buttons. It holds no rule of its own.
//
// Long work (the scan, the two maintenance commands that walk the entry folder, the DAT
// export) runs on a thread of its own, so the window keeps answering: meanwhile every
// command is disabled, the progress row shows how far the work has come, Cancel (or Esc)
// stops it after the current item, and closing the window stops it and then closes.
#include <windows.h>

#include <memory>
#include <optional>

#include "catalogue/catalogue.h"
#include "ui/anchor_layout.h"
#include "ui/background_work.h"
#include "ui/dialog_window.h"
#include "ui/editor_window.h"
#include "ui/ui_thread_prompt.h"
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

  // True while long work runs.
  bool busy() const { return work_ && work_->running(); }

 private:
  explicit Form1(Catalogue* catalogue) : catalogue_(*catalogue) {}

  INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // Through the catalogue's prompt, like every other message of the window.
  void ShowUnexpectedFailure(const std::string& text) override;

  // The load handler: settings, list, and the window's first state.
  void OnInitDialog();
  // Buttons and list notifications.
  void OnCommand(int id, int code);
  // The unload handler: saves the settings, then the window goes. During long work it stops
  // the work first and closes once the work has ended.
  void OnClose();
  // The fields to "config.cfg"; a failure is shown.
  void SaveSettings();
  // Long work has ended: show its outcome and give the commands back.
  void OnWorkDone();
  void OnWorkProgress();

  // Runs one operation at once with the settings as the fields show them, then shows the
  // outcome. Refused while long work runs.
  template <typename Operation>
  void Run(Operation operation);
  // The same on the work thread: the window keeps answering and shows the progress.
  void RunInBackground(void (Catalogue::*operation)());

  // Disables (or enables again) everything that would start or change something.
  void SetBusy(bool busy);
  Settings SettingsInFields() const;
  void ReadSettingsFromFields();
  void ShowSettings();
  void ShowRows();
  void ShowDetails();
  // The progress row's text, whole in a tip over it when the row is too narrow for it.
  void ShowStatus(const std::string& text);
  // The bar shows only while work runs; at rest the text takes its place in the row.
  void ShowProgressBar(bool show);
  void PlaceStatusText();
  void ShowOutcome();

  // Opens the entry editor, or brings the open one to the front.
  void OpenEditor();
  // "Other Frontends...": the folders dialog; after OK, saves them and writes the frontends.
  void OnOtherFrontends();

  Catalogue& catalogue_;
  unsigned shown_rows_version_ = ~0u;
  bool quit_on_destroy_ = true;
  bool close_when_work_ends_ = false;
  // The catalogue's own prompt, whose boxes this window shows on its thread.
  Prompt* original_prompt_ = nullptr;
  std::unique_ptr<UiThreadPrompt> prompt_;
  std::unique_ptr<BackgroundWork> work_;
  AnchorLayout layout_;
  HWND status_tip_ = nullptr;
  // Between the bar's right edge and the text while the bar shows, in pixels.
  int status_gap_ = 0;
  WindowIcon icon_;
  // The entry editor; at most one, and its window may have closed.
  std::unique_ptr<frmEdit> editor_;
};

}  // namespace zeb
