#pragma once
// What the unattended build reports, with nobody at the screen: every message goes to the
// error stream (as a line, never a box that would wait) and, with date and time, to a small
// log file beside config.cfg, so that a scheduled run leaves a trace. When the error stream
// is a console, one line there shows the progress, updated in place.
#include <cstdint>
#include <string>

#include "platform/error_stream.h"
#include "platform/log_file.h"
#include "platform/progress.h"
#include "platform/prompt.h"

namespace zeb {

class UnattendedReport : public Prompt, public Progress {
 public:
  explicit UnattendedReport(const std::string& log_path) : log_(log_path) {}

  // "<title>: <text>" on the error stream, and the text in the log.
  void ShowMessage(const std::string& text, const std::string& title) override;
  // Nobody can choose a file: always as if cancelled.
  std::string AskFileToOpen(const std::string&) override { return ""; }
  // Nobody can answer: No, the answer that changes nothing.
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  // Into the log only.
  void Note(const std::string& text) override { Log(text); }

  // The progress line, on a console only (a redirected stream gets nothing more).
  void Step(const char* activity, size_t done, size_t total, const std::string& item) override;
  bool StopRequested() const override { return false; }
  bool shows_progress() const { return stream_.is_console(); }

  // Only into the log (a note that needs no one's attention now).
  void Log(const std::string& text);
  // Clears the progress line and logs the run's summary.
  void Finish(const std::string& summary);

 private:
  void ClearProgressLine();

  ErrorStream stream_;
  LogFile log_;
  bool log_failed_ = false;
  bool line_shown_ = false;
  uint32_t last_step_ms_ = 0;
};

}  // namespace zeb
