// "Generate ZEB Files" over a generated games root (three executables per game folder, one
// with a version resource and an icon, every fifth game nested in a "bin" folder), into an
// empty entry folder and with no pictures yet, against a baseline that does only the
// unavoidable work: list the same folders and files, read the chosen executable's version
// resource and its icon, write as many small files. A second root has every game at the top
// of its folder, where the scan must do no more listing than the plain rule needs. Half the
// games' icons hold a PNG, taken as it is; the other half a bitmap, which the scan encodes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/icon_baseline.h"
#include "catalogue/catalogue.h"
#include "platform/paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace {

using zeb::testing::AllFiles;
using zeb::testing::RemoveTree;

// nest_every: every how many games one is nested in "bin" (0: none is).
void MakeGamesRoot(const std::string& root, int games, const std::string (&versioned_exes)[2],
                   int nest_every) {
  CreateDirectoryA(root.c_str(), nullptr);
  for (int i = 0; i < games; ++i) {
    std::string folder = root + "\\Game " + std::to_string(i);
    CreateDirectoryA(folder.c_str(), nullptr);
    if (nest_every > 0 && i % nest_every == 0) {
      folder += "\\bin";
      CreateDirectoryA(folder.c_str(), nullptr);
    }
    std::string exe = folder + "\\game" + std::to_string(i) + ".exe";
    const std::string& versioned_exe = versioned_exes[i % 2];
    if (!CreateHardLinkA(exe.c_str(), versioned_exe.c_str(), nullptr))
      CopyFileA(versioned_exe.c_str(), exe.c_str(), FALSE);
    zeb::testing::WriteBytes(folder + "\\setup.exe", "MZ");
    zeb::testing::WriteBytes(folder + "\\uninst.exe", "MZ");
  }
}

std::string ProductName(const std::string& exe) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
  if (size == 0) return "";
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(exe.c_str(), 0, size, data.data())) return "";
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\ProductName", &value, &length))
    return "";
  return static_cast<const char*>(value);
}

// The unavoidable work, as plainly as it can be done.
int Baseline(const std::string& root, const std::string& out) {
  int written = 0;
  for (const std::string& game : AllFiles(root)) {
    std::string folder = zeb::JoinPath(root, game);
    std::vector<std::string> files = AllFiles(folder);
    if (files.size() == 1) {  // only the "bin" folder
      folder += "\\" + files[0];
      files = AllFiles(folder);
    }
    // The game's own program, whatever the order of the names.
    std::string chosen = files[0];
    for (const std::string& file : files)
      if (file.rfind("game", 0) == 0) chosen = file;
    std::string name = ProductName(zeb::JoinPath(folder, chosen));
    zeb::bench::ReadIconPlainly(zeb::JoinPath(folder, chosen));
    std::string text = folder + "\r\n" + chosen + "\r\n" + name + "\r\nFoo Inc.\r\n1999\r\n";
    HANDLE file = CreateFileA((zeb::JoinPath(out, chosen) + ".zeb").c_str(), GENERIC_WRITE, 0,
                              nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD done = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
    CloseHandle(file);
    ++written;
  }
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {1000, 2000, 4000};
  const std::string versioned[2] = {zeb::testing::BuiltProgram("fixtures\\x64\\icon_png.exe"),
                                    zeb::testing::BuiltProgram("fixtures\\x64\\icon_bitmap.exe")};
  int status = 0;
  struct Layout {
    const char* what;
    int nest_every;
  };
  const Layout layouts[] = {{"every fifth game in \"bin\"", 5}, {"every game at the top", 0}};
  for (int games : sizes) {
    for (const Layout& layout : layouts) {
      zeb::testing::TempFolder dir;
      std::printf("making a games root of %d game folders, %s...\n", games, layout.what);
      MakeGamesRoot(dir / "games", games, versioned, layout.nest_every);
      // The scan with one thread and with as many as it takes by default, side by side; each
      // gives back how many entries it listed and how many pictures it made.
      auto scan = [&](unsigned threads, size_t(&made)[2]) {
        RemoveTree(dir / "roms");
        RemoveTree(dir / "pictures");
        zeb::testing::RecordingPrompt prompt;
        zeb::Catalogue catalogue(prompt, dir.path());
        if (threads != 0) catalogue.set_scan_threads(threads);
        catalogue.settings().game_paths = dir / "games\\";
        catalogue.settings().zeb_path = dir / "roms\\";
        double start = zeb::bench::Seconds();
        catalogue.GenerateZEBFiles();
        double elapsed = zeb::bench::Seconds() - start;
        made[0] = catalogue.rows().size();
        made[1] = AllFiles(dir / "pictures").size();
        return elapsed;
      };
      size_t made_one[2] = {}, made_pool[2] = {};
      double baseline = 1e30, one = 1e30, pool = 1e30;
      for (int run = 0; run < 3; ++run) {
        RemoveTree(dir / "plain");
        CreateDirectoryA((dir / "plain").c_str(), nullptr);
        double start = zeb::bench::Seconds();
        Baseline(dir / "games", dir / "plain");
        baseline = std::min(baseline, zeb::bench::Seconds() - start);
        one = std::min(one, scan(1, made_one));
        pool = std::min(pool, scan(0, made_pool));
      }
      std::printf(
          "%d game folders: %.2f ms per folder with one thread, %.2f ms with the pool, "
          "baseline %.2f ms per folder\n",
          games, 1000 * one / games, 1000 * pool / games, 1000 * baseline / games);
      zeb::bench::PrintRatio("Generate ZEB Files, one thread", one, baseline, 1.35);
      zeb::bench::PrintRatio("Generate ZEB Files, thread pool", pool, baseline, 1.35);
      for (const size_t* made : {made_one, made_pool}) {
        if (made[0] != static_cast<size_t>(games) || made[1] != static_cast<size_t>(games)) {
          std::printf("expected %d entries and pictures, made %zu and %zu\n", games, made[0],
                      made[1]);
          status = 1;
        }
      }
    }
  }
  return status;
}
