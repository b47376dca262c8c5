#pragma once
// Writing the other frontends' files into their folders. Each file is written whole or not
// at all, in UTF-8; a file of the user's or of another program that zeb would not merge into
// is never replaced.
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "formats/picture_copies.h"
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
  // The copies of the games' pictures the frontend looks for (ES-DE's covers), once its files
  // are written: a copy that failed is no failure of the files.
  PictureCopies pictures;
};

// One frontend to write: its kind and its folder (absolute).
struct FrontendTarget {
  FrontendKind kind;
  std::string folder;
};

class FrontendWriter {
 public:
  // Starts reading what each frontend's folder holds (ES-DE's XML is parsed, a file zeb may
  // replace is checked), each frontend on a thread of its own, so that this goes on while
  // the caller reads the entries. The folders are in the system's code page; the games'
  // pictures are in the pictures folder of program_folder.
  FrontendWriter(const std::string& program_folder, const std::string& entry_folder,
                 std::vector<FrontendTarget> targets);
  // Without Write, nothing is written.
  ~FrontendWriter();
  FrontendWriter(const FrontendWriter&) = delete;
  FrontendWriter& operator=(const FrontendWriter&) = delete;

  // Gives every frontend the games (in the system's code page, as the entry files hold them;
  // the files get them in UTF-8) and waits until all are written. One result per target, in
  // their order. Call it once.
  std::vector<FrontendWrite> Write(const std::vector<FrontendGame>& games);

 private:
  void Run(size_t index);
  // Ends the threads; those not given games yet write nothing.
  void Abandon();

  FrontendCatalogue utf8_;       // the folders at once, the games when Write gives them
  std::string pictures_folder_;  // in the system's code page
  std::vector<FrontendTarget> targets_;
  std::vector<FrontendWrite> results_;
  std::mutex mutex_;
  std::condition_variable games_given_;
  bool given_ = false;
  bool abandoned_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace zeb
