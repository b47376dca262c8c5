#include "ui/editor_window.h"

#include <array>
#include <string>
#include <utility>

#include "platform/program_icon.h"
#include "ui/resource.h"

namespace zeb {

namespace {

// Each field of the entry beside the editor's control that shows it.
std::array<std::pair<int, std::string*>, 5> Controls(GameEntry& fields) {
  return {{{IDC_txtPath, &fields.folder},
           {IDC_txtExe, &fields.exe},
           {IDC_txtName, &fields.name},
           {IDC_txtMan, &fields.manufacturer},
           {IDC_txtYear, &fields.year}}};
}

}  // namespace

std::unique_ptr<frmEdit> frmEdit::Create(HINSTANCE instance, HWND owner, Catalogue* catalogue,
                                         CatalogueRunner run) {
  std::unique_ptr<frmEdit> window(new frmEdit(owner, catalogue, std::move(run)));
  HWND hwnd = window->CreateDialogWindow(instance, IDD_frmEdit, owner);
  if (hwnd == nullptr) return nullptr;
  ShowWindow(hwnd, SW_SHOW);
  return window;
}

frmEdit::~frmEdit() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

INT_PTR frmEdit::HandleMessage(UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      // The opening fill runs once, when the window is made; opening it again only brings
      // it to the front.
      for (auto [id, text] : Controls(editor_.fields()))
        SendDlgItemMessageA(hwnd_, id, EM_SETLIMITTEXT, 0, 0);
      icon_.Set(hwnd_, IDI_ZEBRINE);
      editor_.Fill();
      ShowFields();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam));
      return TRUE;
    case WM_CLOSE:
      // The title bar's close: like Cancel, but the main window is not activated first.
      DestroyWindow(hwnd_);
      return TRUE;
  }
  return FALSE;
}

void frmEdit::ShowUnexpectedFailure(const std::string& text) {
  catalogue_.prompt().ShowMessage(text, kAppTitle);
}

void frmEdit::OnCommand(int id) {
  switch (id) {
    case IDC_cmdBrowse:
      OnBrowse();
      break;
    case IDC_cmdOk:
    case IDOK:  // Enter
      OnOk();
      break;
    case IDC_cmdCancel:
    case IDCANCEL:  // Esc
      OnCancel();
      break;
  }
}

void frmEdit::SetBusy(bool busy) {
  EnableWindow(GetDlgItem(hwnd_, IDC_cmdOk), !busy);
  EnableWindow(GetDlgItem(hwnd_, IDC_cmdBrowse), !busy);
}

void frmEdit::OnBrowse() {
  ReadFields();
  // Through the main window, which refuses while its long work uses the catalogue.
  run_([this] { editor_.Browse(); });
  if (hwnd_ != nullptr) ShowFields();
}

void frmEdit::OnOk() {
  ReadFields();
  bool written = false;
  run_([this, &written] { written = editor_.Ok(); });
  // When nothing could be written the editor stays, so the user can mend and try again.
  if (!written || hwnd_ == nullptr) return;
  SetActiveWindow(owner_);
  DestroyWindow(hwnd_);
}

void frmEdit::OnCancel() {
  SetActiveWindow(owner_);
  DestroyWindow(hwnd_);
}

void frmEdit::ReadFields() {
  for (auto [id, text] : Controls(editor_.fields())) *text = FieldText(hwnd_, id);
}

void frmEdit::ShowFields() {
  for (auto [id, text] : Controls(editor_.fields())) SetFieldText(hwnd_, id, *text);
}

}  // namespace zeb
