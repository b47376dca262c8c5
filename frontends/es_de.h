#pragma once
// ES-DE's files, which ES-DE and the user write too: zeb's system goes into
// custom_systems\es_systems.xml and its games into gamelists\zebrine\gamelist.xml, and
// everything else in them stays as it was, byte for byte.
#include <string>
#include <string_view>

#include "frontends/frontend_catalogue.h"
#include "platform/status.h"

namespace zeb {

// The system file with zeb's system "zebrine" made or updated: its full name, path,
// extension and command are zeb's; a platform and theme the user chose stay. Other systems
// stay. existing is the file's bytes (empty when there is none); the catalogue is in UTF-8.
// Fails, saying why, when existing is no XML or no system list.
Status MergeEsDeSystems(std::string_view existing, const FrontendCatalogue& catalogue,
                        std::string* merged);

// The gamelist with every game of the catalogue: a game already listed (by its path) gets
// the entry's name, developer and release date where those differ, and keeps everything
// else (play count, favourite, rating, tags and attributes unknown to zeb); a missing game
// is added at the end; games without an entry stay. A developer or year the entry lacks
// changes nothing. Fails, saying why, when existing is no XML or no game list.
Status MergeEsDeGamelist(std::string_view existing, const FrontendCatalogue& catalogue,
                         std::string* merged);

}  // namespace zeb
