// The unattended build: "zeb /autoparse" rebuilds the catalogue without a user and ends.
#include "catalogue/catalogue.h"
#include "platform/failure_report.h"

namespace zeb {

bool Catalogue::UnattendedBuildApplies(const std::string& arguments) const {
  // The switch is exact and alone; the frontend folder may be empty, the others may not.
  return arguments == kUnattendedSwitch && !settings_.zeb_path.empty() &&
         !settings_.dat_path.empty() && !settings_.game_paths.empty();
}

void Catalogue::RunUnattendedBuild() {
  // A step that fails reports through the prompt and is abandoned; the next still runs.
  RunReportingFailures(prompt(), kAppTitle, [this] { GenerateZEBFiles(); });
  RunReportingFailures(prompt(), kAppTitle, [this] { RemoveInvalidEntries(); });
  RunReportingFailures(prompt(), kAppTitle, [this] { MakeDatFile(); });
  if (!settings_.dk_path.empty())
    RunReportingFailures(prompt(), kAppTitle, [this] { MakeDKcfg(); });
}

}  // namespace zeb
