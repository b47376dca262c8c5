#include "tests/support/processes.h"

namespace zeb::testing {

unique_handle StartWithArguments(const std::string& program, const std::string& arguments,
                                 const std::string& current_folder, const std::string& error_file) {
  std::string command = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  unique_hfile error_stream;
  if (error_file == kNoErrorStream) {
    startup.dwFlags = STARTF_USESTDHANDLES;  // all three handles empty
  } else if (!error_file.empty()) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    error_stream.reset(CreateFileA(error_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!error_stream) return unique_handle();
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = error_stream.get();
  }
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr,
                      error_stream ? TRUE : FALSE, 0, nullptr, current_folder.c_str(), &startup,
                      &info))
    return unique_handle();
  unique_handle thread(info.hThread);
  return unique_handle(info.hProcess);
}

DWORD ExitStatus(const unique_handle& process, DWORD timeout_ms) {
  if (!process || WaitForSingleObject(process.get(), timeout_ms) != WAIT_OBJECT_0)
    return kStillRunning;
  DWORD status = kStillRunning;
  GetExitCodeProcess(process.get(), &status);
  return status;
}

}  // namespace zeb::testing
