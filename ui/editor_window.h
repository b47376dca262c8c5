#pragma once
// frmEdit, the entry editor's window: a modeless dialog owned by the main window that shows
// an EntryEditor's fields and runs its Browse and OK. It holds no rule of its own.
#include <windows.h>

#include <functional>
#include <memory>

#include "catalogue/entry_editor.h"
#include "ui/dialog_window.h"
#include "ui/window_icon.h"

namespace zeb {

// Runs a catalogue operation the way the main window runs its own: with the settings as its
// fields show them, and the list shown afresh afterwards.
using CatalogueRunner = std::function<void(const std::function<void()>& operation)>;

class frmEdit : public DialogWindow {
 public:
  // Creates the window over owner, fills it from the catalogue's selection and shows it.
  // run is how the editor reaches the main window's settings and list.
  static std::unique_ptr<frmEdit> Create(HINSTANCE instance, HWND owner, Catalogue* catalogue,
                                         CatalogueRunner run);
  ~frmEdit() override;

  // While the main window runs long work, OK and Browse wait: both use the catalogue.
  void SetBusy(bool busy);

 private:
  frmEdit(HWND owner, Catalogue* catalogue, CatalogueRunner run)
      : owner_(owner), catalogue_(*catalogue), editor_(catalogue), run_(std::move(run)) {}

  INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // Through the catalogue's prompt, like every other message of the editor.
  void ShowUnexpectedFailure(const std::string& text) override;

  void OnCommand(int id);
  void OnBrowse();
  void OnOk();
  // Cancel: back to the main window, nothing written.
  void OnCancel();

  void ReadFields();
  void ShowFields();

  HWND owner_;
  Catalogue& catalogue_;
  EntryEditor editor_;
  CatalogueRunner run_;
  WindowIcon icon_;
};

}  // namespace zeb
