// "Make Dat File": the DAT export started from the main window.
#include "catalogue/catalogue.h"
#include "datexport/dat_generation.h"

namespace zeb {

void Catalogue::MakeDatFile() {
  Status written = WriteDatFile(settings_.zeb_path, settings_.dat_path, program_folder_);
  if (!written.ok()) prompt_.ShowMessage(written.message(), kAppTitle);
}

}  // namespace zeb
