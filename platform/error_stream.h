#pragma once
// The standard error stream of a program with windows: the one it was given (a file or a
// pipe when a script redirected it), or else the console of the parent that started it.
#include <string>

namespace zeb {

class ErrorStream {
 public:
  ErrorStream();

  // True when there is a stream to write to.
  bool usable() const { return handle_ != nullptr; }
  // True when the stream is a console that a person reads, not a file or a pipe.
  bool is_console() const { return console_; }
  // Writes the text as it is (nothing is added).
  void Write(const std::string& text);

 private:
  void* handle_ = nullptr;
  bool console_ = false;
};

}  // namespace zeb
