#pragma once
// The outcome of an operation that can fail: success, or a message that says what failed.
#include <string>
#include <utility>

namespace zeb {

class Status {
 public:
  Status() = default;  // success
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return ok_; }
  const std::string& message() const { return message_; }

 private:
  explicit Status(std::string message) : ok_(false), message_(std::move(message)) {}

  bool ok_ = true;
  std::string message_;
};

}  // namespace zeb
