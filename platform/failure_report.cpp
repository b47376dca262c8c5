#include "platform/failure_report.h"

#include <new>
#include <system_error>

namespace zeb {

namespace {

// The system's numbers for the failures that carry none of their own.
constexpr int kOutOfMemory = 14;      // ERROR_OUTOFMEMORY
constexpr int kInternalError = 1359;  // ERROR_INTERNAL_ERROR

std::string Format(const std::string& description, int number) {
  return "Error: " + description + " (" + std::to_string(number) + ")";
}

}  // namespace

std::string UnexpectedFailureText(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::system_error& error) {
    return Format(error.what(), error.code().value());
  } catch (const std::bad_alloc&) {
    return Format("Not enough memory", kOutOfMemory);
  } catch (const std::exception& error) {
    return Format(error.what(), kInternalError);
  } catch (...) {
    return Format("Unknown failure", kInternalError);
  }
}

}  // namespace zeb
