// "Make Dat File": the DAT export started from the main window.
#include "catalogue/catalogue.h"
#include "catalogue/progress_text.h"
#include "datexport/dat_generation.h"
#include "platform/files.h"

namespace zeb {

void Catalogue::MakeDatFile() {
  DatWriteResult result;
  Status written = WriteDatFile(EntryFolder(), SettingFolder(settings_.dat_path), program_folder_,
                                progress_, &result);
  if (!written.ok()) {
    ReportFailure(written.message());
    outcome_ = "PC.dat was not written";
  } else if (result.stopped) {
    outcome_ = "Stopped: PC.dat was left as it was";
  } else {
    outcome_ = "PC.dat written: " + CountText(result.games) +
               (result.games == 1 ? " game, " : " games, ") +
               AbsolutePath(DatFilePath(SettingFolder(settings_.dat_path)));
  }
}

}  // namespace zeb
