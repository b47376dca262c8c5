// vrelo: the windowless launcher. The frontend starts it with the path of one entry file
// (and options for the game); it starts that game and ends when the game has ended.
#include <windows.h>

#include "launcher/game_tracker.h"
#include "launcher/module1.h"
#include "platform/failure_report.h"
#include "platform/program_info.h"
#include "platform/window_prompt.h"

namespace {

#ifdef ZEB_SHORT_LOOK
// vrelo_short_look.exe, which only the tests build and run: the same program, whose look for
// a hand-off takes shorter times from this variable, so that a test of a store client that
// starts the game after a minute need not wait that minute. The vrelo.exe that users get
// reads no environment variable.
constexpr char kTestTimesVariable[] = "ZEBRINE_TEST_HAND_OFF_MS";

zeb::PlayOptions Options() {
  zeb::PlayOptions options;
  char text[96];
  DWORD length = GetEnvironmentVariableA(kTestTimesVariable, text, sizeof text);
  if (length > 0 && length < sizeof text)
    zeb::ReadHandOffTimes(std::string_view(text, length), &options.times);
  return options;
}
#else
zeb::PlayOptions Options() { return {}; }
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  zeb::WindowPrompt prompt;
  int status = zeb::kFailed;
  // A failure that nothing expects is shown, and vrelo ends with the failure status.
  zeb::RunReportingFailures(prompt, zeb::kVreloTitle, [&] {
    status = zeb::Module1(zeb::ProgramArguments(), zeb::ProgramFolder(), prompt, Options());
  });
  return status;
}
