#pragma once
// frmFrontends, the other frontends' folders: a modal dialog of the main window with one
// folder field and a Browse button per frontend. It holds no rule of its own.
#include <windows.h>

#include "frontends/frontend_catalogue.h"
#include "platform/prompt.h"
#include "ui/dialog_window.h"

namespace zeb {

class frmFrontends : public DialogWindow {
 public:
  // Shows the dialog over owner with these folders and returns when it closes: true after
  // OK, with the fields in folders; false after Cancel, folders unchanged. Browse asks the
  // prompt for a folder.
  static bool Ask(HINSTANCE instance, HWND owner, Prompt& prompt, FrontendFolders* folders);

 private:
  frmFrontends(Prompt& prompt, const FrontendFolders& folders)
      : prompt_(prompt), folders_(folders) {}

  INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnBrowse(FrontendKind kind);

  Prompt& prompt_;
  FrontendFolders folders_;
};

}  // namespace zeb
