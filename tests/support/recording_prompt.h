#pragma once
// A Prompt for tests: it records every message and note and answers the file-open dialog and
// the folder picker from queues.
#include <deque>
#include <string>
#include <vector>

#include "platform/prompt.h"

namespace zeb::testing {

class RecordingPrompt : public Prompt {
 public:
  struct Message {
    std::string text;
    std::string title;
  };
  struct FileQuestion {
    std::string preset_name;
  };

  void ShowMessage(const std::string& text, const std::string& title) override {
    messages.push_back({text, title});
  }

  // Answers with the next queued path, or as a cancelled dialog when none is queued.
  std::string AskFileToOpen(const std::string& preset_name) override {
    file_questions.push_back({preset_name});
    if (file_answers.empty()) return "";
    std::string answer = file_answers.front();
    file_answers.pop_front();
    return answer;
  }

  // Records the question among the messages and answers with the next queued answer, or No
  // (the default button) when none is queued.
  bool AskYesNo(const std::string& text, const std::string& title) override {
    questions.push_back({text, title});
    if (yes_no_answers.empty()) return false;
    bool answer = yes_no_answers.front();
    yes_no_answers.pop_front();
    return answer;
  }

  // Records the question and answers with the next queued folder, or as a cancelled picker.
  std::string AskFolder(const std::string& text, const std::string& preset_folder) override {
    folder_questions.push_back({text, preset_folder});
    if (folder_answers.empty()) return "";
    std::string answer = folder_answers.front();
    folder_answers.pop_front();
    return answer;
  }

  void Note(const std::string& text) override { notes.push_back(text); }

  std::vector<Message> messages;
  std::vector<FileQuestion> file_questions;
  std::deque<std::string> file_answers;
  std::vector<Message> questions;
  std::deque<bool> yes_no_answers;
  // Each folder question's text (in text) and preset folder (in title).
  std::vector<Message> folder_questions;
  std::deque<std::string> folder_answers;
  std::vector<std::string> notes;
};

}  // namespace zeb::testing
