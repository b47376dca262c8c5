// vrelo: the windowless launcher. The frontend starts it with the path of one entry file
// (and options for the game); it starts that game and ends when the game has ended.
#include <windows.h>

#include "launcher/game_tracker.h"
#include "launcher/module1.h"
#include "platform/failure_report.h"
#include "platform/program_info.h"
#include "platform/window_prompt.h"

namespace {

// The tests' way to shorten the look for a hand-off of the real program, so that a test of a
// store client that starts the game after a minute need not wait that minute. A frontend
// never sets it.
constexpr char kTestTimesVariable[] = "ZEBRINE_TEST_HAND_OFF_MS";

zeb::PlayOptions OptionsFromEnvironment() {
  zeb::PlayOptions options;
  char text[96];
  DWORD length = GetEnvironmentVariableA(kTestTimesVariable, text, sizeof text);
  if (length > 0 && length < sizeof text)
    zeb::ReadHandOffTimes(std::string_view(text, length), &options.times);
  return options;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  zeb::WindowPrompt prompt;
  int status = zeb::kFailed;
  // A failure that nothing expects is shown, and vrelo ends with the failure status.
  zeb::RunReportingFailures(prompt, zeb::kVreloTitle, [&] {
    status = zeb::Module1(zeb::ProgramArguments(), zeb::ProgramFolder(), prompt,
                          OptionsFromEnvironment());
  });
  return status;
}
