// The Dragon King settings file: it makes the frontend offer ".zeb" files as PC games and
// start each through Vrelo.exe, which is installed beside this program.
#include "catalogue/catalogue.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace zeb {

std::vector<std::string> DkSettingsLines(const std::string& program_folder) {
  return {
      "[Config]",
      "extension=.zeb",
      "path=" + WithTrailingSeparator(program_folder),
      "exe=Vrelo.exe",
      "send rom path=1",
      "send exit keys=0",
      "command line options=",
  };
}

void Catalogue::MakeDKcfg() {
  std::string path = SettingFolder(settings_.dk_path) + "cfgs\\PC.cfg";
  // Written beside and put in place, so a failure leaves an existing file as it was.
  Status written = ReplaceTextFile(path, DkSettingsLines(program_folder_));
  outcome_ = written.ok() ? path + " written" : path + " was not written";
  if (!written.ok())
    ReportFailure("The Dragon King settings file could not be written. " + written.message());
}

}  // namespace zeb
