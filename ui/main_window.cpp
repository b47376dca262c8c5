#include "ui/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/failure_report.h"
#include "platform/program_icon.h"
#include "platform/win_error.h"
#include "ui/frontends_window.h"
#include "ui/resource.h"

namespace zeb {

namespace {

// The buttons that each run one catalogue operation: the first four walk whole folders and
// run on the work thread, the others are done at once.
struct OperationButton {
  int id;
  void (Catalogue::*operation)();
  bool long_work;
};
constexpr OperationButton kOperationButtons[] = {
    {IDC_Command1, &Catalogue::GenerateZEBFiles, true},
    {IDC_cmdValZEB, &Catalogue::RemoveInvalidEntries, true},
    {IDC_cmdClear, &Catalogue::ClearZEBs, true},
    {IDC_cmdMakeDat, &Catalogue::MakeDatFile, true},
    {IDC_cmdDkSet, &Catalogue::MakeDKcfg, false},
    {IDC_cmdBlacklist, &Catalogue::Blacklist, false},
};

// Everything the user could start or change something with; disabled during long work.
constexpr int kInputControls[] = {
    IDC_txtGamePaths, IDC_txtZEBpath,   IDC_txtDatPath,       IDC_txtDkPath, IDC_Command1,
    IDC_cmdValZEB,    IDC_cmdClear,     IDC_cmdMakeDat,       IDC_cmdDkSet,  IDC_cmdAddEntry,
    IDC_Command2,     IDC_cmdBlacklist, IDC_cmdOtherFrontends};

// How the controls follow the window's edges when it is resized: the list takes the room.
const std::vector<ControlAnchor>& Anchors() {
  constexpr unsigned kTopWide = kAnchorLeft | kAnchorTop | kAnchorRight;
  constexpr unsigned kBottomLeft = kAnchorLeft | kAnchorBottom;
  constexpr unsigned kBottomWide = kAnchorLeft | kAnchorRight | kAnchorBottom;
  static const std::vector<ControlAnchor> anchors = {
      {IDC_Frame1, kTopWide},
      {IDC_txtGamePaths, kTopWide},
      {IDC_txtZEBpath, kTopWide},
      {IDC_txtDatPath, kTopWide},
      {IDC_txtDkPath, kTopWide},
      {IDC_Frame2, kTopWide},
      {IDC_Line1, kTopWide},
      {IDC_Label1, kTopWide},
      {IDC_List1, kTopWide | kAnchorBottom},
      {IDC_cmdAddEntry, kBottomLeft},
      {IDC_Command2, kBottomLeft},
      {IDC_cmdBlacklist, kBottomLeft},
      {IDC_Frame3, kBottomWide},
      {IDC_Label7, kBottomLeft},
      {IDC_lblexe, kBottomWide},
      {IDC_Label8, kBottomLeft},
      {IDC_lblName, kBottomWide},
      {IDC_Label9, kBottomLeft},
      {IDC_lblMan, kBottomWide},
      {IDC_Label10, kBottomLeft},
      {IDC_lblYear, kBottomWide},
      {IDC_Label11, kBottomLeft},
      {IDC_lblPath, kBottomWide},
      {IDC_prgWork, kBottomLeft},
      {IDC_lblStatus, kBottomWide},
      {IDC_cmdStop, kAnchorRight | kAnchorBottom},
  };
  return anchors;
}

// A control's rectangle in its dialog's client coordinates.
RECT ClientRect(HWND dialog, int id) {
  RECT rect = {};
  HWND control = GetDlgItem(dialog, id);
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

std::unique_ptr<Form1> Form1::Create(HINSTANCE instance, Catalogue* catalogue) {
  std::unique_ptr<Form1> window(new Form1(catalogue));
  if (window->CreateDialogWindow(instance, IDD_Form1, nullptr) == nullptr) return nullptr;
  return window;
}

Form1::~Form1() {
  // Work still running is stopped and waited for before the catalogue gets its own prompt
  // and progress back.
  work_.reset();
  catalogue_.set_progress(nullptr);
  if (original_prompt_ != nullptr) catalogue_.set_prompt(original_prompt_);
  if (hwnd_ != nullptr) {
    quit_on_destroy_ = false;
    DestroyWindow(hwnd_);
  }
}

INT_PTR Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
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
    case WM_QUERYENDSESSION:
      SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_ENDSESSION:
      // Log-off or shut-down with the window open: no WM_CLOSE comes, so save now.
      if (wparam) SaveSettings();
      return TRUE;
    case WM_SIZE:
      layout_.Apply(hwnd_);
      PlaceStatusText();
      return TRUE;
    case WM_GETMINMAXINFO: {
      POINT smallest = layout_.minimum_size();
      if (smallest.x > 0) reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = smallest;
      return TRUE;
    }
    case kWorkProgressMessage:
      OnWorkProgress();
      return TRUE;
    case kWorkDoneMessage:
      OnWorkDone();
      return TRUE;
    case kRunOnWindowThreadMessage:
      RunSentCall(lparam);
      return TRUE;
    case WM_DESTROY:
      if (quit_on_destroy_) PostQuitMessage(0);
      return TRUE;
  }
  return FALSE;
}

void Form1::ShowUnexpectedFailure(const std::string& text) {
  catalogue_.prompt().ShowMessage(text, kAppTitle);
}

void Form1::OnInitDialog() {
  // Every box the catalogue shows appears on this window's thread, also when long work on
  // another thread asks for it.
  original_prompt_ = &catalogue_.prompt();
  prompt_ = std::make_unique<UiThreadPrompt>(*original_prompt_, hwnd_);
  catalogue_.set_prompt(prompt_.get());
  work_ = std::make_unique<BackgroundWork>(hwnd_);
  SendDlgItemMessageA(hwnd_, IDC_prgWork, PBM_SETRANGE32, 0, 1000);
  layout_.Capture(hwnd_, Anchors());
  status_gap_ = ClientRect(hwnd_, IDC_lblStatus).left - ClientRect(hwnd_, IDC_prgWork).right;
  PlaceStatusText();
  status_tip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX, 0, 0, 0, 0,
                                hwnd_, nullptr, nullptr, nullptr);
  TOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd_, IDC_lblStatus));
  tool.lpszText = const_cast<char*>("");
  SendMessageA(status_tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(status_tip_, TTM_SETMAXTIPWIDTH, 0, 600);
  icon_.Set(hwnd_, IDI_ZEBRINE);
  // Nothing that start-up meets may end the program before its window is there.
  RunReportingFailures(catalogue_.prompt(), kAppTitle, [this] { catalogue_.StartUp(); });
  ShowSettings();
  ShowRows();
}

void Form1::OnCommand(int id, int code) {
  if (busy()) {
    // Only the stop gets through: a click on a disabled button (some systems still report
    // one) must not run afterwards, nor half-way into the work.
    if (id == IDC_cmdStop || id == IDCANCEL) work_->RequestStop();
    return;
  }
  for (const OperationButton& button : kOperationButtons) {
    if (button.id != id) continue;
    if (button.long_work) {
      RunInBackground(button.operation);
    } else {
      Run([this, &button] { (catalogue_.*button.operation)(); });
    }
    return;
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
    case IDC_cmdOtherFrontends:
      OnOtherFrontends();
      break;
    case IDCANCEL:
      // Esc must not close the main window; the title bar's close comes as WM_CLOSE.
      break;
  }
}

void Form1::OnClose() {
  if (busy()) {
    // The work stops after its current item; the window closes when it has ended.
    close_when_work_ends_ = true;
    work_->RequestStop();
    return;
  }
  SaveSettings();
  DestroyWindow(hwnd_);
}

void Form1::SaveSettings() {
  // While work runs, the catalogue is the work's: the fields (which cannot change then) are
  // saved without touching it.
  Settings settings = SettingsInFields();
  if (!busy()) catalogue_.settings() = settings;
  Status saved = catalogue_.SaveSettings(settings);
  if (!saved.ok()) {
    catalogue_.prompt().ShowMessage("The settings could not be saved. " + saved.message(),
                                    kAppTitle);
  }
}

template <typename Operation>
void Form1::Run(Operation operation) {
  if (busy()) return;
  ReadSettingsFromFields();
  catalogue_.set_outcome("");
  // A failure that no operation expects (memory running out, say) is shown; the window
  // and the user's data stay as they are.
  RunReportingFailures(catalogue_.prompt(), kAppTitle, operation);
  ShowSettings();
  ShowRows();
  ShowOutcome();
}

void Form1::RunInBackground(void (Catalogue::*operation)()) {
  ReadSettingsFromFields();
  catalogue_.set_outcome("");
  catalogue_.set_progress(work_.get());
  SetBusy(true);
  bool started = work_->Start([this, operation] {
    RunReportingFailures(catalogue_.prompt(), kAppTitle, [&] { (catalogue_.*operation)(); });
  });
  if (!started) {
    std::string reason = ErrorText(GetLastError());
    catalogue_.set_progress(nullptr);
    SetBusy(false);
    catalogue_.prompt().ShowMessage("The work could not be started: " + reason, kAppTitle);
  }
}

void Form1::OnWorkProgress() {
  if (!busy()) return;
  BackgroundWork::Snapshot snapshot = work_->TakeSnapshot();
  SendDlgItemMessageA(hwnd_, IDC_prgWork, PBM_SETPOS, snapshot.per_mille, 0);
  ShowStatus(snapshot.text);
}

void Form1::OnWorkDone() {
  if (!busy()) return;
  std::exception_ptr failure = work_->Finish();
  catalogue_.set_progress(nullptr);
  SetBusy(false);
  ShowSettings();
  ShowRows();
  // A row clicked during the work (the list stays usable to look at) becomes the selection
  // now, so that the commands act on the row that is highlighted.
  int highlighted = static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_List1, LB_GETCURSEL, 0, 0));
  if (highlighted != catalogue_.selected()) {
    catalogue_.Select(highlighted);
    ShowDetails();
  }
  ShowOutcome();
  if (failure) ShowUnexpectedFailure(UnexpectedFailureText(failure));
  if (close_when_work_ends_) OnClose();
}

void Form1::SetBusy(bool busy) {
  for (int id : kInputControls) EnableWindow(GetDlgItem(hwnd_, id), !busy);
  HWND stop = GetDlgItem(hwnd_, IDC_cmdStop);
  EnableWindow(stop, busy);
  ShowProgressBar(busy);
  if (busy) {
    SendDlgItemMessageA(hwnd_, IDC_prgWork, PBM_SETPOS, 0, 0);
    ShowStatus("");
    // The focus must not stay on a disabled control: Esc and Enter then reach Cancel.
    SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(stop), TRUE);
  } else if (GetFocus() == stop || GetFocus() == nullptr) {
    SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hwnd_, IDC_List1)),
                 TRUE);
  }
  if (editor_ && editor_->hwnd() != nullptr) editor_->SetBusy(busy);
}

void Form1::ShowStatus(const std::string& text) {
  SetFieldText(hwnd_, IDC_lblStatus, text);
  TOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd_, IDC_lblStatus));
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(status_tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form1::ShowProgressBar(bool show) {
  ShowWindow(GetDlgItem(hwnd_, IDC_prgWork), show ? SW_SHOWNA : SW_HIDE);
  PlaceStatusText();
}

void Form1::PlaceStatusText() {
  RECT bar = ClientRect(hwnd_, IDC_prgWork);
  RECT text = ClientRect(hwnd_, IDC_lblStatus);
  // The bar's own style: the window itself may not be showing yet.
  bool bar_shown = GetWindowLongA(GetDlgItem(hwnd_, IDC_prgWork), GWL_STYLE) & WS_VISIBLE;
  text.left = bar_shown ? bar.right + status_gap_ : bar.left;
  SetWindowPos(GetDlgItem(hwnd_, IDC_lblStatus), nullptr, text.left, text.top,
               text.right - text.left, text.bottom - text.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::ShowOutcome() { ShowStatus(catalogue_.outcome()); }

Settings Form1::SettingsInFields() const {
  return {FieldText(hwnd_, IDC_txtGamePaths), FieldText(hwnd_, IDC_txtZEBpath),
          FieldText(hwnd_, IDC_txtDatPath), FieldText(hwnd_, IDC_txtDkPath)};
}

void Form1::ReadSettingsFromFields() { catalogue_.settings() = SettingsInFields(); }

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
  // A reloaded list has no selection, so "Current Selection:" shows no entry that is gone.
  ShowDetails();
}

void Form1::OnOtherFrontends() {
  // The dialog starts from what frontends.ini holds now.
  catalogue_.LoadFrontendFolders();
  FrontendFolders folders = catalogue_.frontend_folders();
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd_, GWLP_HINSTANCE));
  if (!frmFrontends::Ask(instance, hwnd_, catalogue_.prompt(), &folders)) return;
  catalogue_.frontend_folders() = folders;
  Status saved = catalogue_.SaveFrontendFolders();
  if (!saved.ok()) {
    catalogue_.prompt().ShowMessage("The frontend folders could not be saved. " + saved.message(),
                                    kAppTitle);
  }
  // Reading every entry file takes a while in a big catalogue.
  RunInBackground(&Catalogue::WriteOtherFrontends);
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
