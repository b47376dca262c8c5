// The unattended build: "zeb /autoparse" rebuilds the catalogue without a user and ends.
#include "catalogue/catalogue.h"
#include "platform/failure_report.h"
#include "platform/files.h"
#include "platform/name_rules.h"

namespace zeb {

bool IsUnattendedSwitch(const std::string& arguments) {
  // A scheduled task may spell it in capitals; a window that nobody sees would never end.
  return UpperCase(arguments) == UpperCase(kUnattendedSwitch);
}

bool Catalogue::UnattendedBuildApplies(const std::string& arguments, std::string* why_not) const {
  if (!IsUnattendedSwitch(arguments)) return false;
  // The frontend folder may be empty, the others may not.
  std::vector<std::string> missing;
  if (settings_.game_paths.empty()) missing.push_back("the games root folder");
  if (settings_.zeb_path.empty()) missing.push_back("the entry folder");
  if (settings_.dat_path.empty()) missing.push_back("the DAT folder");
  if (missing.empty()) return true;
  if (why_not == nullptr) return false;
  std::string reason;
  if (!AnyFileExists(SettingsFilePath())) {
    reason = "there is no config.cfg beside zeb.exe (" + SettingsFilePath() + ")";
  } else {
    for (size_t i = 0; i < missing.size(); ++i)
      reason += (i == 0 ? "" : i + 1 == missing.size() ? " and " : ", ") + missing[i];
    reason += missing.size() == 1 ? " is not set in config.cfg" : " are not set in config.cfg";
  }
  *why_not = "The unattended build did not run: " + reason + ".";
  return false;
}

void Catalogue::RunStep(const std::function<void()>& step) {
  try {
    step();
  } catch (...) {
    ReportFailure(UnexpectedFailureText(std::current_exception()));
  }
}

int Catalogue::RunUnattendedBuild(std::string* summary) {
  // A step that fails reports and is abandoned; the next still runs.
  std::string steps;
  auto run = [&](void (Catalogue::*operation)()) {
    outcome_.clear();
    RunStep([&] { (this->*operation)(); });
    if (!outcome_.empty()) steps += (steps.empty() ? "" : "; ") + outcome_;
  };
  size_t failures_before = failures_reported_;
  run(&Catalogue::GenerateZEBFiles);
  run(&Catalogue::RemoveInvalidEntries);
  run(&Catalogue::MakeDatFile);
  if (!settings_.dk_path.empty()) run(&Catalogue::MakeDKcfg);
  LoadFrontendFolders();
  if (frontend_folders_.AnySet()) run(&Catalogue::WriteOtherFrontends);
  int status = failures_reported_ == failures_before ? 0 : 1;
  *summary = "Unattended build ended with exit status " + std::to_string(status) + ": " + steps;
  return status;
}

}  // namespace zeb
