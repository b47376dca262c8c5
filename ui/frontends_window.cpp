#include "ui/frontends_window.h"

#include "platform/paths.h"
#include "ui/resource.h"

namespace zeb {

namespace {

// Each frontend's field and Browse button.
struct FrontendControls {
  FrontendKind kind;
  int field;
  int browse;
};
constexpr FrontendControls kControls[] = {
    {FrontendKind::kEsDe, IDC_txtEsDe, IDC_cmdBrowseEsDe},
    {FrontendKind::kPegasus, IDC_txtPegasus, IDC_cmdBrowsePegasus},
    {FrontendKind::kAttractMode, IDC_txtAttractMode, IDC_cmdBrowseAttractMode},
    {FrontendKind::kSteamRomManager, IDC_txtSteamRomManager, IDC_cmdBrowseSteamRomManager},
};

}  // namespace

bool frmFrontends::Ask(HINSTANCE instance, HWND owner, Prompt& prompt, FrontendFolders* folders) {
  frmFrontends dialog(prompt, *folders);
  if (dialog.RunModalDialog(instance, IDD_frmFrontends, owner) != IDOK) return false;
  *folders = dialog.folders_;
  return true;
}

INT_PTR frmFrontends::HandleMessage(UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      for (const FrontendControls& controls : kControls) {
        SendDlgItemMessageA(hwnd_, controls.field, EM_SETLIMITTEXT, 0, 0);
        SetFieldText(hwnd_, controls.field, folders_[controls.kind]);
      }
      return TRUE;
    case WM_COMMAND: {
      int id = LOWORD(wparam);
      for (const FrontendControls& controls : kControls)
        if (id == controls.browse) OnBrowse(controls.kind);
      if (id == IDOK) {
        for (const FrontendControls& controls : kControls)
          folders_[controls.kind] = FieldText(hwnd_, controls.field);
        EndDialog(hwnd_, IDOK);
      } else if (id == IDCANCEL) {  // Cancel, Esc and the close box
        EndDialog(hwnd_, IDCANCEL);
      }
      return TRUE;
    }
  }
  return FALSE;
}

void frmFrontends::OnBrowse(FrontendKind kind) {
  for (const FrontendControls& controls : kControls) {
    if (controls.kind != kind) continue;
    std::string chosen =
        prompt_.AskFolder(std::string("The folder for ") + FrontendName(kind) + ":",
                          FieldText(hwnd_, controls.field));
    if (!chosen.empty()) SetFieldText(hwnd_, controls.field, WithTrailingSeparator(chosen));
  }
}

}  // namespace zeb
