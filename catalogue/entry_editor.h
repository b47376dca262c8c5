#pragma once
// The rules of the entry editor (frmEdit): its five fields, the executable it opened with,
// the opening fill, Browse and OK. The window only copies texts in and out.
#include <string>

#include "catalogue/catalogue.h"
#include "formats/game_entry.h"

namespace zeb {

// The title of the notice shown when OK blacklists the executable the entry had before.
inline constexpr char kBlacklistNoticeTitle[] = "Previous Exe Will Be Black-listed!";
inline constexpr char kBlacklistNoticeText[] =
    "The Exe you selected is not the EXE that ZEB defaulted to.  In order to avoid further "
    "confusion, a blacklist entry will be made for this EXE.";

class EntryEditor {
 public:
  explicit EntryEditor(Catalogue* catalogue) : catalogue_(*catalogue) {}

  // The opening fill: the fields of the catalogue's selected row, or, with no row selected,
  // the games root as folder and "NULL" as prevExe (adding).
  void Fill();

  // Picks the executable in the file-open dialog and takes the folder, the name and the
  // facts of its version resource. A cancelled dialog changes nothing.
  void Browse();

  // Writes a blacklist entry for a replaced program, then the entry itself, and reloads the
  // catalogue. An edited entry keeps its own entry file while its program stays (line 2 may
  // change its arguments); a replaced program turns that file into the blacklist entry. A new
  // entry file is named after its program, unless another game's entry holds that name (then
  // after the program and the game folder). False when nothing more could be written: a
  // message says why, and the editor stays open with its fields so the user can mend them and
  // press OK again.
  bool Ok();

  // The five fields: txtPath, txtExe, txtName, txtMan, txtYear.
  GameEntry& fields() { return fields_; }
  const GameEntry& fields() const { return fields_; }
  // The executable of the entry being edited as it was when the editor opened, or "NULL".
  const std::string& prevExe() const { return prevExe_; }

 private:
  // True when no field holds a text that would break the entry's lines or its list row;
  // otherwise a message names the field.
  bool FieldsFitAnEntry();

  Catalogue& catalogue_;
  GameEntry fields_;
  std::string prevExe_;
  // The edited row's folder as it opened and its own entry file (empty when adding).
  std::string prev_folder_;
  std::string own_file_;
};

}  // namespace zeb
