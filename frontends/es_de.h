#pragma once
// ES-DE's files, which ES-DE and the user write too: zeb's system goes into
// custom_systems\es_systems.xml and its games into gamelists\zebrine\gamelist.xml, and
// everything else in them stays as it was, byte for byte.
#include <memory>
#include <string>
#include <string_view>

#include "frontends/frontend_catalogue.h"
#include "platform/status.h"

namespace zeb {

// One of the two files, read first and merged later, so that reading it can go on while the
// games are still being read. Both calls run on one thread, inside one ComScope.
class EsDeFile {
 public:
  enum class Kind {
    // The system file: zeb's system "zebrine" is made or updated (its full name, path,
    // extension and command are zeb's; a platform and theme the user chose stay). Other
    // systems stay.
    kSystems,
    // The gamelist: a game already listed (by its path) gets the entry's name, developer and
    // release date where those differ, and keeps everything else (play count, favourite,
    // rating, tags and attributes unknown to zeb); a missing game is added at the end; games
    // without an entry stay. A developer or year the entry lacks changes nothing.
    kGamelist,
  };

  explicit EsDeFile(Kind kind);
  ~EsDeFile();
  EsDeFile(const EsDeFile&) = delete;
  EsDeFile& operator=(const EsDeFile&) = delete;

  // Reads the file's bytes (empty when there is none; UTF-8 text in catalogue folders).
  // Fails, saying why, when they are no XML or not a file of this kind.
  Status Load(std::string_view existing, std::string_view entry_folder);
  // The file with the catalogue's part merged in (the catalogue in UTF-8).
  Status Merge(const FrontendCatalogue& catalogue, std::string* merged);

 private:
  struct Parsed;
  Kind kind_;
  std::unique_ptr<Parsed> parsed_;
};

// Load and Merge at once.
Status MergeEsDeSystems(std::string_view existing, const FrontendCatalogue& catalogue,
                        std::string* merged);
Status MergeEsDeGamelist(std::string_view existing, const FrontendCatalogue& catalogue,
                         std::string* merged);

}  // namespace zeb
