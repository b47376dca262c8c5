#pragma once
// A prompt that always shows its boxes and dialogs on the window's own thread: work running
// on another thread asks through it and waits for the answer, as if it had asked itself.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/prompt.h"

namespace zeb {

// Sent to the window with a std::function<void()>* in lParam, to run it on the window's
// thread. The window's message handler calls RunSentCall for it.
inline constexpr UINT kRunOnWindowThreadMessage = WM_APP + 3;

inline void RunSentCall(LPARAM call) { (*reinterpret_cast<std::function<void()>*>(call))(); }

class UiThreadPrompt : public Prompt {
 public:
  UiThreadPrompt(Prompt& inner, HWND window)
      : inner_(inner), window_(window), thread_(GetWindowThreadProcessId(window, nullptr)) {}

  void ShowMessage(const std::string& text, const std::string& title) override {
    OnWindowThread([&] { inner_.ShowMessage(text, title); });
  }
  std::string AskFileToOpen(const std::string& preset_name) override {
    std::string answer;
    OnWindowThread([&] { answer = inner_.AskFileToOpen(preset_name); });
    return answer;
  }
  bool AskYesNo(const std::string& text, const std::string& title) override {
    bool answer = false;
    OnWindowThread([&] { answer = inner_.AskYesNo(text, title); });
    return answer;
  }
  std::string AskFolder(const std::string& text, const std::string& preset_folder) override {
    std::string answer;
    OnWindowThread([&] { answer = inner_.AskFolder(text, preset_folder); });
    return answer;
  }
  void Note(const std::string& text) override { inner_.Note(text); }

 private:
  void OnWindowThread(const std::function<void()>& call) {
    if (GetCurrentThreadId() == thread_) {
      call();
      return;
    }
    SendMessageA(window_, kRunOnWindowThreadMessage, 0, reinterpret_cast<LPARAM>(&call));
  }

  Prompt& inner_;
  HWND window_;
  DWORD thread_;
};

}  // namespace zeb
