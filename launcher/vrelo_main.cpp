// vrelo: the windowless launcher. The frontend starts it with the path of one entry file
// (and options for the game); it starts that game and ends when the game has ended.
#include <windows.h>

#include "launcher/module1.h"
#include "platform/failure_report.h"
#include "platform/program_info.h"
#include "platform/window_prompt.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  zeb::WindowPrompt prompt;
  int status = zeb::kFailed;
  // A failure that nothing expects is shown, and vrelo ends with the failure status.
  zeb::RunReportingFailures(prompt, zeb::kVreloTitle, [&] {
    status = zeb::Module1(zeb::ProgramArguments(), zeb::ProgramFolder(), prompt);
  });
  return status;
}
