#include "ui/main_window.h"

#include <algorithm>

#include "platform/failure_report.h"
#include "platform/program_icon.h"
#include "ui/resource.h"

namespace zeb {

std::unique_ptr<Form1> Form1::Create(HINSTANCE instance, Catalogue* catalogue) {
  std::unique_ptr<Form1> window(new Form1(catalogue));
  if (window->CreateDialogWindow(instance, IDD_Form1, nullptr) == nullptr) return nullptr;
  return window;
}

Form1::~Form1() {
  if (hwnd_ != nullptr) {
    quit_on_destroy_ = false;
    DestroyWindow(hwnd_);
  }
}

INT_PTR Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_CLOSE:
      OnClose();
      return TRUE;
    case WM_DESTROY:
      if (quit_on_destroy_) PostQuitMessage(0);
      return TRUE;
  }
  return FALSE;
}

void Form1::OnInitDialog() {
  icon_.Set(hwnd_, IDI_ZEBRINE);
  // Nothing that start-up meets may end the program before its window is there.
  RunReportingFailures(catalogue_.prompt(), kAppTitle, [this] { catalogue_.StartUp(); });
  ShowSettings();
  ShowRows();
}

namespace {

// The buttons that each run one catalogue operation.
struct OperationButton {
  int id;
  void (Catalogue::*operation)();
};
constexpr OperationButton kOperationButtons[] = {
    {IDC_Command1, &Catalogue::GenerateZEBFiles}, {IDC_cmdValZEB, &Catalogue::RemoveInvalidEntries},
    {IDC_cmdClear, &Catalogue::ClearZEBs},        {IDC_cmdMakeDat, &Catalogue::MakeDatFile},
    {IDC_cmdDkSet, &Catalogue::MakeDKcfg},        {IDC_cmdBlacklist, &Catalogue::Blacklist},
};

}  // namespace

void Form1::OnCommand(int id, int code) {
  for (const OperationButton& button : kOperationButtons) {
    if (button.id == id) {
      Run([this, &button] { (catalogue_.*button.operation)(); });
      return;
    }
  }
  switch (id) {
    case IDC_List1:
      if (code == LBN_SELCHANGE) {
        catalogue_.Select(
            static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_List1, LB_GETCURSEL, 0, 0)));
        ShowDetails();
      } else if (code == LBN_DBLCLK) {
        Run([this] { catalogue_.StartSelectedGame(); });
      }
      break;
    case IDC_cmdAddEntry:
      // Adding starts from an empty editor, whatever row was selected.
      catalogue_.Select(-1);
      SendDlgItemMessageA(hwnd_, IDC_List1, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
      Run([this] { OpenEditor(); });
      break;
    case IDC_Command2:
      Run([this] { OpenEditor(); });
      break;
    case IDCANCEL:
      // Esc must not close the main window; the title bar's close comes as WM_CLOSE.
      break;
  }
}

void Form1::OnClose() {
  ReadSettingsFromFields();
  Status saved = catalogue_.SaveSettings();
  if (!saved.ok()) {
    catalogue_.prompt().ShowMessage("The settings could not be saved. " + saved.message(),
                                    kAppTitle);
  }
  DestroyWindow(hwnd_);
}

template <typename Operation>
void Form1::Run(Operation operation) {
  ReadSettingsFromFields();
  // A failure that no operation expects (memory running out, say) is shown; the window
  // and the user's data stay as they are.
  RunReportingFailures(catalogue_.prompt(), kAppTitle, operation);
  ShowSettings();
  ShowRows();
}

void Form1::ReadSettingsFromFields() {
  Settings& settings = catalogue_.settings();
  settings.game_paths = FieldText(hwnd_, IDC_txtGamePaths);
  settings.zeb_path = FieldText(hwnd_, IDC_txtZEBpath);
  settings.dat_path = FieldText(hwnd_, IDC_txtDatPath);
  settings.dk_path = FieldText(hwnd_, IDC_txtDkPath);
}

void Form1::ShowSettings() {
  const Settings& settings = catalogue_.settings();
  SetFieldText(hwnd_, IDC_txtGamePaths, settings.game_paths);
  SetFieldText(hwnd_, IDC_txtZEBpath, settings.zeb_path);
  SetFieldText(hwnd_, IDC_txtDatPath, settings.dat_path);
  SetFieldText(hwnd_, IDC_txtDkPath, settings.dk_path);
}

void Form1::ShowRows() {
  if (shown_rows_version_ == catalogue_.rows_version()) return;
  shown_rows_version_ = catalogue_.rows_version();
  HWND list = GetDlgItem(hwnd_, IDC_List1);
  const std::vector<std::string>& rows = catalogue_.rows();
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  size_t bytes = 0;
  for (const std::string& row : rows) bytes += row.size() + 1;
  SendMessageA(list, LB_INITSTORAGE, rows.size(), bytes);
  // The widest row sets how far the list scrolls sideways.
  HDC dc = GetDC(list);
  HGDIOBJ old_font =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
  LONG widest = 0;
  for (const std::string& row : rows) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    SIZE size;
    if (GetTextExtentPoint32A(dc, row.c_str(), static_cast<int>(row.size()), &size))
      widest = std::max(widest, size.cx);
  }
  SelectObject(dc, old_font);
  ReleaseDC(list, dc);
  SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(catalogue_.selected()), 0);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void Form1::OpenEditor() {
  if (editor_ && editor_->hwnd() != nullptr) {
    SetActiveWindow(editor_->hwnd());
    return;
  }
  editor_.reset();
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd_, GWLP_HINSTANCE));
  editor_ = frmEdit::Create(instance, hwnd_, &catalogue_,
                            [this](const std::function<void()>& operation) { Run(operation); });
}

void Form1::ShowDetails() {
  const GameEntry& details = catalogue_.details();
  SetDlgItemTextA(hwnd_, IDC_lblexe, details.exe.c_str());
  SetDlgItemTextA(hwnd_, IDC_lblName, details.name.c_str());
  SetDlgItemTextA(hwnd_, IDC_lblMan, details.manufacturer.c_str());
  SetDlgItemTextA(hwnd_, IDC_lblYear, details.year.c_str());
  SetDlgItemTextA(hwnd_, IDC_lblPath, details.folder.c_str());
}

}  // namespace zeb
