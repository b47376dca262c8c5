#pragma once
// Writing one frontend's files into its folder, from the catalogue's games. Each file is
// written whole or not at all, in UTF-8; a file of the user's or of another program that zeb
// would not merge into is never replaced.
#include <cstddef>
#include <string>

#include "frontends/frontend_catalogue.h"
#include "platform/status.h"

namespace zeb {

struct FrontendWrite {
  // Success, or what failed and why, naming the folder or file (for a message).
  Status status;
  // When it failed, the same in a few words for the progress row ("folder D:\AM\ not found").
  std::string failure;
  // How many games the frontend's files list, and how many it had to leave out.
  size_t games = 0;
  size_t left_out = 0;
};

class FrontendWriter {
 public:
  // The catalogue in the system's code page, as the entry files hold it; the files get it in
  // UTF-8.
  explicit FrontendWriter(const FrontendCatalogue& catalogue);

  // Writes the frontend's files into folder (absolute, which must exist), making the
  // sub-folders its format needs.
  FrontendWrite Write(FrontendKind kind, const std::string& folder) const;

 private:
  FrontendCatalogue utf8_;
};

}  // namespace zeb
