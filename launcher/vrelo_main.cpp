// vrelo: the windowless launcher. The frontend starts it with the path of one entry file
// (and options for the game); it starts that game and ends when the game has ended.
#include <windows.h>

#include "launcher/module1.h"
#include "platform/program_info.h"
#include "platform/window_prompt.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  zeb::WindowPrompt prompt;
  return zeb::Module1(zeb::ProgramArguments(), zeb::ProgramFolder(), prompt);
}
