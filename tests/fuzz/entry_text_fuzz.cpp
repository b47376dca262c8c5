// The readers of entry files and "config.cfg", and the list row, over any bytes.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/game_entry.h"
#include "formats/settings_file.h"
#include "platform/text_lines.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);

  // Reading five lines never yields more, and no line holds a line end.
  std::vector<std::string> lines = zeb::SplitTextLines(text, zeb::kEntryLineCount);
  FUZZ_CHECK(lines.size() <= zeb::kEntryLineCount);
  for (const std::string& line : lines) FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);

  // Counting complete lines piece by piece agrees with counting them at once.
  size_t at_once_pos = 0, piecewise_pos = 0, piecewise = 0;
  size_t at_once = zeb::CountCompleteLines(text, SIZE_MAX, &at_once_pos);
  for (size_t end = 0; end <= size; end += 7)
    piecewise += zeb::CountCompleteLines(text.substr(0, end), SIZE_MAX, &piecewise_pos);
  piecewise += zeb::CountCompleteLines(text, SIZE_MAX, &piecewise_pos);
  FUZZ_CHECK(piecewise == at_once);

  // Lines written with CR LF read back as the same lines.
  std::vector<std::string> all = zeb::SplitTextLines(text);
  FUZZ_CHECK(zeb::SplitTextLines(zeb::JoinTextLines(all)) == all);

  // A row of the five fields splits back into them when no field holds a bar.
  lines.resize(zeb::kEntryLineCount);
  std::string row = zeb::JoinRow(lines);
  if (std::count(row.begin(), row.end(), '|') == 4) FUZZ_CHECK(zeb::SplitRow(row) == lines);

  // The settings: four fields, each one of the lines read.
  std::vector<std::string> settings_lines = zeb::SplitTextLines(text, 4);
  std::vector<std::string> settings = zeb::SettingsLines(zeb::SettingsFromLines(settings_lines));
  FUZZ_CHECK(settings.size() == 4);
  for (size_t i = 0; i < 4; ++i) {
    if (i < settings_lines.size())
      FUZZ_CHECK(settings[i] == settings_lines[i]);
    else
      FUZZ_CHECK(settings[i] == (settings_lines.empty() ? "" : settings_lines.back()));
  }

  std::string name;
  if (zeb::EntryFileName(lines[1], &name)) FUZZ_CHECK(name.ends_with("zeb"));
  return 0;
}
