// Start-up and shut-down of the main window: the settings file beside the program.
#include <algorithm>
#include <thread>

#include "catalogue/catalogue.h"
#include "platform/files.h"
#include "platform/paths.h"

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

std::string Catalogue::EntryFolder() const {
  return settings_.zeb_path.empty() ? "" : SettingFolder(settings_.zeb_path);
}

std::string Catalogue::SettingFolder(const std::string& setting) const {
  return zeb::SettingFolder(setting, program_folder_);
}

void Catalogue::Step(const char* activity, size_t done, size_t total, const std::string& item) {
  std::lock_guard<std::recursive_mutex> lock(report_mutex_);
  progress_->Step(activity, done, total, item);
}

void Catalogue::ReportFailure(const std::string& text) {
  std::lock_guard<std::recursive_mutex> lock(report_mutex_);
  ++failures_reported_;
  prompt_->ShowMessage(text, kAppTitle);
}

void Catalogue::ShowNotice(const std::string& text) {
  std::lock_guard<std::recursive_mutex> lock(report_mutex_);
  prompt_->ShowMessage(text, kAppTitle);
}

std::string Catalogue::SettingsFilePath() const { return JoinPath(program_folder_, "config.cfg"); }

void Catalogue::StartUp() {
  // A missing or unreadable file is no error: it gives four empty settings.
  std::vector<std::string> lines;
  bool read = ReadTextFile(SettingsFilePath(), 4, &lines).ok();
  if (!read) lines.clear();
  settings_ = SettingsFromLines(lines);
  // A file that is there but could not be read (locked, no access, too big) must not be
  // replaced by those empty fields at close: it is kept unless the user sets a field.
  unread_settings_ = !read && AnyFileExists(SettingsFilePath());
  settings_at_start_ = settings_;
  LoadZEBs();
}

Status Catalogue::SaveSettings(const Settings& settings) const {
  if (unread_settings_ && settings == settings_at_start_) return Status::Ok();
  return ReplaceTextFile(SettingsFilePath(), SettingsLines(settings));
}

}  // namespace zeb
