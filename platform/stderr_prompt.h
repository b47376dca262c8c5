#pragma once
// The Prompt of a run with nobody at the screen: what would have been a message box goes to
// the standard error stream (the parent's console when there is one), and nothing waits.
#include "platform/prompt.h"

namespace zeb {

class StderrPrompt : public Prompt {
 public:
  StderrPrompt();

  // Writes "<title>: <text>" and a line end to the standard error stream.
  void ShowMessage(const std::string& text, const std::string& title) override;
  // Nobody can choose a file: always as if cancelled.
  std::string AskFileToOpen(const std::string& preset_name) override;

  // How many messages were reported; each stands for a step that failed.
  int messages_shown() const { return messages_shown_; }

 private:
  void* error_stream_ = nullptr;
  int messages_shown_ = 0;
};

}  // namespace zeb
