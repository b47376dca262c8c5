// zeb: the catalogue builder's main window and its message loop.
#include <windows.h>
#include <commctrl.h>

#include "catalogue/catalogue.h"
#include "catalogue/main_window.h"
#include "platform/program_info.h"
#include "platform/window_prompt.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  zeb::WindowPrompt prompt;
  zeb::Catalogue catalogue(prompt, zeb::ProgramFolder());
  std::unique_ptr<zeb::Form1> window = zeb::Form1::Create(instance, &catalogue);
  if (!window) return 1;
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
