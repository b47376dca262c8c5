#pragma once
// The user-prompt seam: every message box and the file-open dialog go through a Prompt, so
// that a test can answer them and read what was shown, and an unattended run can report
// instead of waiting for a person.
#include <string>

namespace zeb {

class Prompt {
 public:
  virtual ~Prompt() = default;

  // A plain message box with an OK button only and no icon; returns when it is closed.
  virtual void ShowMessage(const std::string& text, const std::string& title) = 0;

  // The file-open dialog, preset with a file name (empty for none). Returns the chosen full
  // path, or empty text when the user cancelled.
  virtual std::string AskFileToOpen(const std::string& preset_name) = 0;

  // A question with Yes and No buttons, No the default; true when the user chose Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;

  // The folder picker, with a line that says what to pick, starting at preset_folder (empty
  // for none). Returns the chosen folder, or empty text when the user cancelled. Nobody can
  // pick one unless a prompt says otherwise.
  virtual std::string AskFolder(const std::string& /*text*/, const std::string& /*preset_folder*/) {
    return "";
  }

  // A line for the record, never shown in a box: what a step did when it went well. Only
  // the unattended build keeps it (in its log).
  virtual void Note(const std::string& /*text*/) {}
};

}  // namespace zeb
