#pragma once
// Unexpected failures shown to the user as "Error: <description> (<number>)" instead of
// ending the program.
#include <exception>
#include <string>

#include "platform/prompt.h"

namespace zeb {

// The message for the failure being handled: "Error: ", its description, " (", its number
// in decimal digits, ")". The number is the system's error code where there is one.
std::string UnexpectedFailureText(std::exception_ptr failure);

// Runs steps; a failure that escapes them is shown in a message box with the given title,
// and the call then returns normally.
template <typename Steps>
void RunReportingFailures(Prompt& prompt, const std::string& title, Steps steps) {
  try {
    steps();
  } catch (...) {
    prompt.ShowMessage(UnexpectedFailureText(std::current_exception()), title);
  }
}

}  // namespace zeb
