#pragma once
// Looking at windows as a user sees them: captions, classes, list rows, and the windows of
// another process.
#include <windows.h>

#include <string>
#include <vector>

namespace zeb::testing {

// Generous, so that a slow machine passes and a fault fails instead of hanging the run.
constexpr DWORD kWindowTimeoutMs = 60000;

// A window's caption or text.
std::string WindowText(HWND window);

// A window's class name ("Button", "Edit", "#32770", ...).
std::string ClassOf(HWND window);

// The rows of a list box, in its order.
std::vector<std::string> ListBoxRows(HWND list);

// Selects a row of a dialog's list box as a click does: the selection, then the
// LBN_SELCHANGE notification to the dialog.
void SelectListRow(HWND dialog, int list_id, int index);

// The texts of a window's static controls, each followed by a line end.
std::string StaticTexts(HWND window);

// A visible top-level window of the process with this window class ("#32770" for dialogs
// and message boxes) and, unless caption is empty, this caption; waits up to timeout_ms.
HWND WaitForWindow(DWORD process_id, const std::string& class_name, const std::string& caption,
                   DWORD timeout_ms = kWindowTimeoutMs);

}  // namespace zeb::testing
