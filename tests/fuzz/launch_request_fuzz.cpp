// The launcher's command-line rules over any argument text.
#include <cstdint>
#include <string>

#include "launcher/command_rules.h"
#include "platform/name_rules.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view command_line(reinterpret_cast<const char*>(data), size);
  zeb::LaunchRequest request;
  bool names_entry = zeb::ReadLaunchRequest(command_line, "C:\\Launcher", &request);
  FUZZ_CHECK(names_entry == (command_line.find_first_not_of(' ') != std::string_view::npos));
  if (!names_entry) return 0;
  const std::string& path = request.entry_path;
  // Every entry path ends in the three letters, and one without a folder has the launcher's.
  FUZZ_CHECK(path.size() >= 3 && zeb::UpperCase(path.substr(path.size() - 3)) == "ZEB");
  FUZZ_CHECK(path.find('\\') != std::string::npos || path == ".zeb");
  // The options come only from the command line: "/" options are never longer than it, and
  // " -" options have one blank more.
  FUZZ_CHECK(request.game_options.size() <= command_line.size() + 1);
  // The batch line is the name in quotes with ".ahk"; a "%" is always doubled.
  std::string line = zeb::CompanionBatchLine(command_line);
  FUZZ_CHECK(line.front() == '"' && line.ends_with(".ahk\""));
  size_t percents = 0;
  for (char c : command_line) percents += c == '%';
  FUZZ_CHECK(line.size() == command_line.size() + percents + 6);
  return 0;
}
