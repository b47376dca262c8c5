// zeb: the catalogue builder. "/autoparse" rebuilds the catalogue with nobody at the screen;
// otherwise the main window opens.
#include <windows.h>
#include <commctrl.h>

#include "catalogue/catalogue.h"
#include "catalogue/unattended_report.h"
#include "platform/program_info.h"
#include "platform/window_prompt.h"
#include "ui/main_window.h"

namespace {

// The unattended build never waits for a person: what a step would show goes to the error
// stream and the log. Ends with 0 when every step succeeded, 1 when any reported a failure.
// Gives no status when the settings do not allow the build (why_not says why), and the
// window opens instead.
bool RunUnattended(const std::string& arguments, int* status, std::string* why_not) {
  std::string folder = zeb::ProgramFolder();
  zeb::UnattendedReport report(zeb::LogFilePath(folder));
  zeb::Catalogue catalogue(report, folder);
  catalogue.StartUp();
  if (!catalogue.UnattendedBuildApplies(arguments, why_not)) return false;
  if (report.shows_progress()) catalogue.set_progress(&report);
  std::string summary;
  *status = catalogue.RunUnattendedBuild(&summary);
  report.Finish(summary);
  return true;
}

// A scheduled run that could not build says in the log what happened instead.
void LogInstead(const std::string& why_not, bool window_opened) {
  zeb::UnattendedReport report(zeb::LogFilePath(zeb::ProgramFolder()));
  report.Log(why_not + (window_opened ? " The window opened instead."
                                      : " No window could open either, and zeb ended."));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  std::string arguments = zeb::ProgramArguments();
  int status = 0;
  std::string why_not;
  if (zeb::IsUnattendedSwitch(arguments) && RunUnattended(arguments, &status, &why_not))
    return status;

  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS |
                                                        ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  zeb::WindowPrompt prompt;
  zeb::Catalogue catalogue(prompt, zeb::ProgramFolder());
  std::unique_ptr<zeb::Form1> window = zeb::Form1::Create(instance, &catalogue);
  if (!why_not.empty()) LogInstead(why_not, window != nullptr);
  if (!window) return 1;
  prompt.set_fallback_owner(window->hwnd());
  ShowWindow(window->hwnd(), show);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    // Each dialog takes its own keyboard navigation (Tab, Enter, Esc).
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root != nullptr && IsDialogMessageA(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
