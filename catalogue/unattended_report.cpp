#include "catalogue/unattended_report.h"

#include <windows.h>

#include "catalogue/progress_text.h"

namespace zeb {

namespace {

// A console line is this wide at least; a longer text is cut so it never wraps.
constexpr size_t kLineWidth = 79;
// The line is redrawn no oftener than this, so the console does not slow the work.
constexpr uint32_t kStepIntervalMs = 100;

}  // namespace

void UnattendedReport::Log(const std::string& text) {
  Status written = log_.Write(text);
  if (written.ok() || log_failed_) return;
  log_failed_ = true;  // said once, not for every message
  ClearProgressLine();
  stream_.Write("The log file cannot be written. " + written.message() + "\r\n");
}

void UnattendedReport::ShowMessage(const std::string& text, const std::string& title) {
  ClearProgressLine();
  stream_.Write(title + ": " + text + "\r\n");
  Log(text);
}

void UnattendedReport::Step(const char* activity, size_t done, size_t total,
                            const std::string& item) {
  if (!stream_.is_console()) return;
  uint32_t now = GetTickCount();
  if (line_shown_ && done < total && now - last_step_ms_ < kStepIntervalMs) return;
  last_step_ms_ = now;
  std::string line = ProgressText(activity, done, total, item);
  line.resize(kLineWidth, ' ');
  stream_.Write("\r" + line);
  line_shown_ = true;
}

void UnattendedReport::ClearProgressLine() {
  if (!line_shown_) return;
  stream_.Write("\r" + std::string(kLineWidth, ' ') + "\r");
  line_shown_ = false;
}

void UnattendedReport::Finish(const std::string& summary) {
  ClearProgressLine();
  Log(summary);
}

}  // namespace zeb
