// Start-up and shut-down of the main window: the settings file beside the program.
#include <algorithm>
#include <thread>

#include "catalogue/catalogue.h"
#include "platform/files.h"

namespace zeb {

namespace {

// Reading version resources waits on the disk as much as on the processor, so a few more
// threads than processors still gain; more than this gains nothing.
unsigned DefaultScanThreads() {
  unsigned processors = std::thread::hardware_concurrency();
  return std::clamp(processors, 1u, 4u);
}

}  // namespace

Catalogue::Catalogue(Prompt& prompt, std::string program_folder)
    : prompt_(&prompt),
      scan_threads_(DefaultScanThreads()),
      program_folder_(std::move(program_folder)) {}

void Catalogue::Step(const char* activity, size_t done, size_t total, const std::string& item) {
  std::lock_guard<std::recursive_mutex> lock(report_mutex_);
  progress_->Step(activity, done, total, item);
}

void Catalogue::ShowMessage(const std::string& text) {
  std::lock_guard<std::recursive_mutex> lock(report_mutex_);
  prompt_->ShowMessage(text, kAppTitle);
}

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
