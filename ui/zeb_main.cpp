// zeb: the catalogue builder. "/autoparse" rebuilds the catalogue with nobody at the screen;
// otherwise the main window opens.
#include <windows.h>
#include <commctrl.h>

#include "catalogue/catalogue.h"
#include "platform/program_info.h"
#include "platform/stderr_prompt.h"
#include "platform/window_prompt.h"
#include "ui/main_window.h"

namespace {

// The unattended build never waits for a person: what a step would show goes to the error
// stream. Ends with 0 when every step succeeded, 1 when any reported a failure. Gives no
// status when the settings do not allow the build, and the window opens instead.
bool RunUnattended(const std::string& arguments, int* status) {
  zeb::StderrPrompt report;
  zeb::Catalogue catalogue(report, zeb::ProgramFolder());
  catalogue.StartUp();
  if (!catalogue.UnattendedBuildApplies(arguments)) return false;
  catalogue.RunUnattendedBuild();
  *status = report.messages_shown() == 0 ? 0 : 1;
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  std::string arguments = zeb::ProgramArguments();
  int status = 0;
  if (arguments == zeb::kUnattendedSwitch && RunUnattended(arguments, &status)) return status;

  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  zeb::WindowPrompt prompt;
  zeb::Catalogue catalogue(prompt, zeb::ProgramFolder());
  std::unique_ptr<zeb::Form1> window = zeb::Form1::Create(instance, &catalogue);
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
