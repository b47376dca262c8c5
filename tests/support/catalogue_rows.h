#pragma once
// Finding a game's row in the catalogue's list, as a user picks it by its executable.
#include <string>

#include "catalogue/catalogue.h"

namespace zeb::testing {

// Selects the first row whose executable field is exe; false when no row has it.
inline bool SelectRowOf(Catalogue& catalogue, const std::string& exe) {
  for (size_t i = 0; i < catalogue.rows().size(); ++i) {
    if (catalogue.rows()[i].find("|" + exe + "|") != std::string::npos) {
      catalogue.Select(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

}  // namespace zeb::testing
