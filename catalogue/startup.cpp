// Start-up and shut-down of the main window: the settings file beside the program.
#include "catalogue/catalogue.h"
#include "platform/files.h"

namespace zeb {

Catalogue::Catalogue(Prompt& prompt, std::string program_folder)
    : prompt_(prompt), program_folder_(std::move(program_folder)) {}

std::string Catalogue::SettingsFilePath() const { return program_folder_ + "\\config.cfg"; }

void Catalogue::StartUp() {
  // A missing or unreadable file is no error: it gives four empty settings.
  std::vector<std::string> lines;
  if (!ReadTextFile(SettingsFilePath(), 4, &lines).ok()) lines.clear();
  settings_ = SettingsFromLines(lines);
  LoadZEBs();
}

Status Catalogue::SaveSettings() const {
  return ReplaceTextFile(SettingsFilePath(), SettingsLines(settings_));
}

}  // namespace zeb
