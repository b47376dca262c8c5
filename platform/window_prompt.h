#pragma once
// The Prompt of a program with windows: real message boxes and the system's file-open dialog.
#include "platform/prompt.h"

namespace zeb {

class WindowPrompt : public Prompt {
 public:
  // The boxes are owned by the window that is active when they are shown; a box with no
  // such window stays on top of every other window.
  void ShowMessage(const std::string& text, const std::string& title) override;
  std::string AskFileToOpen(const std::string& preset_name) override;
};

}  // namespace zeb
