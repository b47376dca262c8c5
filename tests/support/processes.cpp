#include "tests/support/processes.h"

#include <tlhelp32.h>

#include <cstdlib>
#include <sstream>

#include "platform/name_rules.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {

unique_handle StartWithArguments(const std::string& program, const std::string& arguments,
                                 const std::string& current_folder, const std::string& error_file,
                                 DWORD creation_flags) {
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
                      error_stream ? TRUE : FALSE, creation_flags, nullptr, current_folder.c_str(),
                      &startup, &info))
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

ProcessActivity ActivityOf(const unique_handle& process, const std::string& command_line) {
  // Wine shows Linux's process list as Z:\proc; there, a Wine process's command line is its
  // Windows command line split into arguments (quotes gone, NULs between and after them).
  auto plain = [](std::string text) {
    std::string out;
    for (char c : text)
      if (c != '"') out += c == '\0' ? ' ' : c;
    return out.substr(0, out.find_last_not_of(' ') + 1);
  };
  std::string wanted = plain(command_line);
  ProcessActivity activity;
  std::vector<std::string> linux_processes = AllFiles("Z:\\proc");
  for (const std::string& name : linux_processes) {
    std::string linux_process = "Z:\\proc\\" + name;
    if (name.find_first_not_of("0123456789") != std::string::npos ||
        plain(ReadBytes(linux_process + "\\cmdline")) != wanted)
      continue;
    // Fields 14 and 15 (after the name in parentheses): user and system time, 100 ticks a second.
    std::string stat = ReadBytes(linux_process + "\\stat");
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 13; ++i) fields >> field;
    double user = 0, system = 0;
    fields >> user >> system;
    activity.processor_ms = (user + system) * 10.0;
    activity.wake_ups = 0;
    for (const std::string& task : AllFiles(linux_process + "\\task")) {
      std::string status = ReadBytes(linux_process + "\\task\\" + task + "\\status");
      size_t at = status.find("\nvoluntary_ctxt_switches:");
      if (at != std::string::npos) activity.wake_ups += std::atol(status.c_str() + at + 26);
    }
    return activity;
  }
  if (!linux_processes.empty()) return activity;  // under Wine, and the process is not there
  FILETIME created, exited, kernel, user;
  if (GetProcessTimes(process.get(), &created, &exited, &kernel, &user)) {
    auto ms = [](const FILETIME& t) {
      return ((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    activity.processor_ms = ms(kernel) + ms(user);
  }
  return activity;
}

unique_handle FindProgram(const std::string& path) {
  unique_hfile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more;
       more = Process32Next(snapshot.get(), &entry)) {
    unique_handle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, entry.th32ProcessID));
    char image[MAX_PATH * 4];
    DWORD size = sizeof image;
    if (process && QueryFullProcessImageNameA(process.get(), 0, image, &size) &&
        UpperCase(std::string(image, size)) == UpperCase(path) &&
        WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT)
      return process;
  }
  return unique_handle();
}

bool ProgramRuns(const std::string& path) { return static_cast<bool>(FindProgram(path)); }

}  // namespace zeb::testing
