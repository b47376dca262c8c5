#pragma once
// The Prompt of a program with windows: real message boxes, the system's file-open dialog and
// its folder picker.
#include <string>

#include "platform/prompt.h"

namespace zeb {

class WindowPrompt : public Prompt {
 public:
  // The boxes are owned by the window of ours that is active when they are shown, or else by
  // the fallback owner, so that no window of ours stays usable under a box (the user may
  // have switched to another program meanwhile). A box with no owner at all (vrelo has no
  // window) stays on top of every other window.
  void ShowMessage(const std::string& text, const std::string& title) override;
  std::string AskFileToOpen(const std::string& preset_name) override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  std::string AskFolder(const std::string& text, const std::string& preset_folder) override;

  void set_fallback_owner(void* window) { fallback_owner_ = window; }

 private:
  void* Owner() const;

  void* fallback_owner_ = nullptr;
};

}  // namespace zeb
