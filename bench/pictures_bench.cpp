// The pictures of 32,767 entries (Catalogue::MakePictures into an empty pictures folder),
// against a baseline that only reads each entry's program icon: map the program, find its
// largest icon image and read its bytes. Half the programs' icons hold a PNG, taken as it is;
// the other half a 48 px bitmap, which is decoded and encoded.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/icon_baseline.h"
#include "catalogue/catalogue.h"
#include "platform/new_files.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kDefaultEntries = 32767;
constexpr int kGamesPerFolder = 256;

struct Program {
  std::string folder;
  std::string exe;
};

}  // namespace

int main(int argc, char** argv) {
  const int kEntries = argc > 1 ? std::atoi(argv[1]) : kDefaultEntries;
  zeb::testing::TempFolder dir;
  const std::string fixtures[2] = {zeb::testing::BuiltProgram("fixtures\\x64\\icon_png.exe"),
                                   zeb::testing::BuiltProgram("fixtures\\x64\\icon_bitmap.exe")};
  std::printf("making %d programs and their entry files...\n", kEntries);
  std::vector<Program> programs;
  CreateDirectoryA((dir / "games").c_str(), nullptr);
  CreateDirectoryA((dir / "roms").c_str(), nullptr);
  {
    zeb::NewFileWriter entries(dir / "roms");
    for (int i = 0; i < kEntries; ++i) {
      Program program{dir / ("games\\Folder " + std::to_string(i / kGamesPerFolder)),
                      "game" + std::to_string(i) + ".exe"};
      if (i % kGamesPerFolder == 0) CreateDirectoryA(program.folder.c_str(), nullptr);
      // Hard links: 32,767 copies would fill the disk.
      if (!CreateHardLinkA((program.folder + "\\" + program.exe).c_str(), fixtures[i % 2].c_str(),
                           nullptr)) {
        std::printf("cannot make a hard link in %s\n", program.folder.c_str());
        return 1;
      }
      zeb::Status status;
      entries.Create("game" + std::to_string(i) + ".zeb",
                     {program.folder, program.exe, "Game " + std::to_string(i), "", ""}, &status);
      programs.push_back(program);
    }
  }

  double baseline = zeb::bench::BestOf(2, [&] {
    for (const Program& program : programs)
      zeb::bench::ReadIconPlainly(program.folder + "\\" + program.exe);
  });
  // One run each (each writes every picture); only MakePictures is timed: the list is read
  // before it, and the pictures are counted after.
  size_t made = 0;
  auto pictures = [&](unsigned threads) {
    zeb::testing::RemoveTree(dir / "pictures");
    zeb::testing::RecordingPrompt prompt;
    zeb::Catalogue catalogue(prompt, dir.path());
    if (threads != 0) catalogue.set_scan_threads(threads);
    catalogue.settings().zeb_path = dir / "roms\\";
    catalogue.LoadZEBs();
    double start = zeb::bench::Seconds();
    catalogue.MakePictures();
    double elapsed = zeb::bench::Seconds() - start;
    made = zeb::testing::AllFiles(dir / "pictures").size();
    if (!prompt.messages.empty()) std::printf("%s\n", prompt.messages[0].text.c_str());
    return elapsed;
  };
  double one = pictures(1);
  size_t made_one = made;
  double pool = pictures(0);
  std::printf(
      "%d entries: %.2f ms per picture with one thread, %.2f ms with the pool, "
      "%.2f ms per icon read alone\n",
      kEntries, 1000 * one / kEntries, 1000 * pool / kEntries, 1000 * baseline / kEntries);
  std::printf("pictures, one thread: %.3f s, icons alone %.3f s, ratio %.2fx\n", one, baseline,
              one / baseline);
  std::printf("pictures, thread pool: %.3f s, icons alone %.3f s, ratio %.2fx\n", pool, baseline,
              pool / baseline);
  if (made_one != static_cast<size_t>(kEntries) || made != static_cast<size_t>(kEntries)) {
    std::printf("expected %d pictures, made %zu and %zu\n", kEntries, made_one, made);
    return 1;
  }
  return 0;
}
