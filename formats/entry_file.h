#pragma once
// Reading an entry file: the one reader behind the list, the maintenance commands, the DAT
// export, the editor and the launcher. It says what it found, and each caller decides what
// that means for it.
#include <cstddef>
#include <string>
#include <vector>

#include "formats/game_entry.h"
#include "platform/status.h"

namespace zeb {

enum class EntryFileKind {
  kEntry,       // a game entry with every line that was asked for
  kBlacklist,   // line 1 is exactly "NULL", whatever follows it
  kTooShort,    // a game entry with fewer lines than were asked for
  kUnreadable,  // the file cannot be opened or read
};

struct EntryFile {
  EntryFileKind kind = EntryFileKind::kUnreadable;
  // The fields read, missing lines empty (kEntry and kTooShort).
  GameEntry entry;
  // How many lines the file gave, at most as many as were asked for.
  size_t line_count = 0;
  // Why the file could not be read (kUnreadable).
  Status status;
};

// What the first lines of an entry file say, when `needed` lines make a whole entry.
EntryFile EntryFromFileLines(const std::vector<std::string>& lines,
                             size_t needed = kEntryLineCount);

// Reads the first `needed` lines of the entry file at path (never more: a reader ignores
// what follows the fifth line, and the launcher needs only the first two).
EntryFile ReadEntryFile(const std::string& path, size_t needed = kEntryLineCount);

}  // namespace zeb
