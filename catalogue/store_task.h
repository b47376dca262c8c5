#pragma once
// An entry made from a store's play task: where it starts the program and with what line.
#include <string>

#include "formats/store_info.h"

namespace zeb {

struct StoreStart {
  // The entry's folder below the game folder ("" for the game folder itself): the task's
  // working folder, or else the folder of its program.
  std::string folder;
  // Line 2: the program relative to that folder, then a blank and the task's arguments as
  // written when it has any. A program name with a blank is then quoted, so that the start
  // rule still finds it.
  std::string line2;
  // The program's own file name, after which the entry file is named.
  std::string program;
};

StoreStart StartOfPlayTask(const PlayTask& task);

}  // namespace zeb
