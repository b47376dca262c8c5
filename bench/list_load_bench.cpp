// Filling the main window's list from an entry folder of 32,767 entry files, against a
// baseline that only lists and reads the same files.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"
#include "ui/main_window.h"
#include "ui/resource.h"

namespace {

constexpr int kEntries = 32767;

// Lists the folder and reads every file whole: the work no list can avoid.
size_t ReadEveryFile(const std::string& folder) {
  size_t bytes = 0;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  char buffer[4096];
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    HANDLE file = CreateFileA(zeb::JoinPath(folder, data.cFileName).c_str(), GENERIC_READ,
                              FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD got = 0;
    if (ReadFile(file, buffer, sizeof buffer, &got, nullptr)) bytes += got;
    CloseHandle(file);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return bytes;
}

}  // namespace

int main() {
  zeb::testing::TempFolder dir;
  std::string roms = dir / "roms";
  CreateDirectoryA(roms.c_str(), nullptr);
  std::printf("writing %d entry files...\n", kEntries);
  for (int i = 0; i < kEntries; ++i) {
    std::string exe = "game" + std::to_string(i) + ".exe";
    zeb::WriteTextFile(roms + "\\game" + std::to_string(i) + ".zeb",
                       {"D:\\PC Games\\Game " + std::to_string(i), exe, "Game " + std::to_string(i),
                        "Example Games", "1999"});
  }
  zeb::WriteTextFile(dir / "config.cfg", {"d:\\pc games\\", roms + "\\", "dats\\", ""});

  size_t rows = 0;
  double baseline = zeb::bench::BestOf(3, [&] { ReadEveryFile(roms); });
  double measured = zeb::bench::BestOf(3, [&] {
    zeb::testing::RecordingPrompt prompt;
    zeb::Catalogue catalogue(prompt, dir.path());
    auto window = zeb::Form1::Create(GetModuleHandleA(nullptr), &catalogue);
    window->set_quit_on_destroy(false);
    rows = static_cast<size_t>(SendDlgItemMessageA(window->hwnd(), IDC_List1, LB_GETCOUNT, 0, 0));
  });
  std::printf("list rows: %zu\n", rows);
  zeb::bench::PrintRatio("fill the list from 32,767 entry files", measured, baseline, 1.5);
  return rows == kEntries ? 0 : 1;
}
