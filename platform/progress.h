#pragma once
// How long work tells how far it has come, and learns that the user wants it to stop. The
// work calls Step as it goes and looks at StopRequested between items, so a stop takes effect
// after the current item and nothing is left half-done.
#include <cstddef>
#include <string>

namespace zeb {

class Progress {
 public:
  virtual ~Progress() = default;

  // `done` of `total` items are finished; `activity` says what is being done ("Scanning")
  // and `item` names what is being worked on now (may be empty).
  virtual void Step(const char* activity, size_t done, size_t total, const std::string& item) = 0;

  // True once the user has asked the work to stop. Several threads may ask at once.
  virtual bool StopRequested() const = 0;
};

// The progress of work that nobody watches and nobody stops.
class NoProgress : public Progress {
 public:
  void Step(const char*, size_t, size_t, const std::string&) override {}
  bool StopRequested() const override { return false; }
};

}  // namespace zeb
