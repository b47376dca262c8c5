// Writing the files of all four other frontends (ES-DE, Pegasus, Attract-Mode, Steam ROM
// Manager) for an entry folder of 32,767 entry files, against a baseline that only lists and
// reads those entries, which no writer can avoid. Measured twice: into empty frontend
// folders, and again over the files the first write left (ES-DE's then merged), as every
// later build does.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "catalogue/catalogue.h"
#include "formats/entry_file.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kEntries = 32767;
const char* const kFrontendFolders[] = {"ES-DE", "Pegasus", "AM", "SRM"};

// Lists the entry folder and reads every entry file, as the writers must.
size_t ReadEntries(const std::string& folder) {
  zeb::FileListing listing;
  zeb::ListFiles(folder, "*.zeb", &listing);
  size_t games = 0;
  for (const std::string& name : listing.names)
    games +=
        zeb::ReadEntryFile(zeb::JoinPath(listing.folder, name)).kind == zeb::EntryFileKind::kEntry;
  return games;
}

void EmptyFrontendFolders(const zeb::testing::TempFolder& dir) {
  for (const char* folder : kFrontendFolders) {
    zeb::testing::RemoveTree(dir / folder);
    zeb::testing::MakeFolders(dir / folder);
  }
}

}  // namespace

int main() {
  zeb::testing::TempFolder dir;
  std::string roms = dir / "roms";
  CreateDirectoryA(roms.c_str(), nullptr);
  std::printf("writing %d entry files...\n", kEntries);
  for (int i = 0; i < kEntries; ++i) {
    std::string number = std::to_string(i);
    zeb::WriteTextFile(roms + "\\game" + number + ".zeb",
                       {"D:\\PC Games\\Game " + number, "game" + number + ".exe",
                        "Game " + number + " & Caf\xE9", "Example Games; Ltd", "1999"});
  }
  zeb::testing::RecordingPrompt prompt;
  zeb::Catalogue catalogue(prompt, dir.path());
  catalogue.settings().zeb_path = roms + "\\";
  zeb::FrontendFolders& folders = catalogue.frontend_folders();
  folders[zeb::FrontendKind::kEsDe] = dir / "ES-DE";
  folders[zeb::FrontendKind::kPegasus] = dir / "Pegasus";
  folders[zeb::FrontendKind::kAttractMode] = dir / "AM";
  folders[zeb::FrontendKind::kSteamRomManager] = dir / "SRM";

  size_t games = 0;
  double baseline = zeb::bench::BestOf(3, [&] { games = ReadEntries(roms); });
  double first = 1e30, again = 1e30;
  for (int run = 0; run < 3; ++run) {
    EmptyFrontendFolders(dir);
    first = std::min(first, zeb::bench::BestOf(1, [&] { catalogue.WriteOtherFrontends(); }));
    again = std::min(again, zeb::bench::BestOf(1, [&] { catalogue.WriteOtherFrontends(); }));
  }
  std::printf("entries read: %zu; %s\n", games, catalogue.outcome().c_str());
  zeb::bench::PrintRatio("write 4 frontends for 32,767 entries into empty folders", first, baseline,
                         1.5);
  zeb::bench::PrintRatio("write 4 frontends for 32,767 entries over their files", again, baseline,
                         1.5);
  const std::string expected =
      "ES-DE: 32,767 games; Pegasus: 32,767 games; "
      "Attract-Mode: 32,767 games; Steam ROM Manager: 32,767 games";
  return games == kEntries && catalogue.outcome() == expected && prompt.messages.empty() ? 0 : 1;
}
