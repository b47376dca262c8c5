// "Other Frontends...": the folders of ES-DE, Pegasus, Attract-Mode and Steam ROM Manager in
// frontends.ini beside config.cfg, and writing their files from the entry files and the
// games' pictures.
#include <windows.h>

#include <unordered_map>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/progress_text.h"
#include "formats/entry_file.h"
#include "formats/picture_files.h"
#include "frontends/frontend_files.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/name_rules.h"
#include "platform/paths.h"
#include "platform/win_error.h"

namespace zeb {

namespace {

constexpr char kFrontendsSection[] = "Frontends";

// A file that vrelo can start: an entry with at least its folder and executable lines.
bool IsStartableEntry(const EntryFile& file) {
  return file.kind == EntryFileKind::kEntry ||
         (file.kind == EntryFileKind::kTooShort && file.line_count >= 2);
}

std::string GamesText(size_t games) { return CountText(games) + (games == 1 ? " game" : " games"); }

std::string PicturesText(size_t pictures) {
  return CountText(pictures) + (pictures == 1 ? " picture" : " pictures");
}

// The pictures folder's pictures by upper-cased name, from one listing: looking up each
// game's picture on its own would read the whole folder for each one that is missing.
std::unordered_map<std::string, std::string> PictureNames(const std::string& folder) {
  std::unordered_map<std::string, std::string> names;
  FileListing listing;
  if (FolderExists(folder) && ListFiles(folder, "*.png", &listing).ok())
    for (std::string& name : listing.names) names.emplace(UpperCase(name), std::move(name));
  return names;
}

// What the note on a frontend's files adds about the copies of the pictures.
std::string CopiesText(const PictureCopies& copies) {
  std::string text;
  if (copies.copied > 0) text += "; " + PicturesText(copies.copied) + " copied";
  if (!copies.kept.empty())
    text += "; " + PicturesText(copies.kept.size()) + " of the user's own kept";
  return text;
}

}  // namespace

std::string Catalogue::FrontendsFilePath() const {
  return JoinPath(program_folder_, "frontends.ini");
}

void Catalogue::LoadFrontendFolders() {
  std::vector<char> buffer(32768);
  for (FrontendKind kind : kFrontendKinds) {
    DWORD length =
        GetPrivateProfileStringA(kFrontendsSection, FrontendName(kind), "", buffer.data(),
                                 static_cast<DWORD>(buffer.size()), FrontendsFilePath().c_str());
    frontend_folders_[kind].assign(buffer.data(), length);
  }
}

Status Catalogue::SaveFrontendFolders() const {
  for (FrontendKind kind : kFrontendKinds) {
    if (!WritePrivateProfileStringA(kFrontendsSection, FrontendName(kind),
                                    frontend_folders_[kind].c_str(), FrontendsFilePath().c_str()))
      return Status::Error("Cannot write \"" + FrontendsFilePath() +
                           "\": " + LastErrorText(FrontendsFilePath()));
  }
  return Status::Ok();
}

void Catalogue::WriteOtherFrontends() {
  if (!frontend_folders_.AnySet()) {
    outcome_ = "No frontend folder is set";
    return;
  }
  FileListing listing;
  Status listed = settings_.zeb_path.empty() ? Status::Error("The entry folder is not set.")
                                             : ListFiles(EntryFolder(), "*.zeb", &listing);
  if (!listed.ok()) {
    ReportFailure("No frontend was written. " + listed.message());
    outcome_ = "No frontend written";
    return;
  }
  // What each frontend's folder holds is read while the entries are.
  std::vector<FrontendTarget> targets;
  for (FrontendKind kind : kFrontendKinds) {
    const std::string& setting = frontend_folders_[kind];
    if (!setting.empty())
      targets.push_back({kind, WithTrailingSeparator(AbsolutePath(SettingFolder(setting)))});
  }
  const std::string program_folder = WithoutTrailingSeparator(AbsolutePath(program_folder_));
  FrontendWriter writer(program_folder,
                        WithoutTrailingSeparator(WithTrailingSeparator(listing.folder)), targets);
  const std::unordered_map<std::string, std::string> pictures =
      PictureNames(PicturesFolder(program_folder));
  std::vector<FrontendGame> games;
  for (size_t i = 0; i < listing.names.size(); ++i) {
    const std::string& name = listing.names[i];
    if (progress_->StopRequested()) {
      outcome_ = "Stopped: no frontend written";
      return;
    }
    Step("Reading entries", i + 1, listing.names.size(), name);
    // Blacklist entries and files that are no entries never reach a frontend.
    if (!HasEntryExtension(name)) continue;
    EntryFile file = ReadEntryFile(JoinPath(listing.folder, name));
    if (!IsStartableEntry(file)) continue;
    auto picture = pictures.find(UpperCase(PictureFileName(name)));
    games.push_back({name, file.entry, picture == pictures.end() ? "" : picture->second});
  }
  Step("Writing the frontends' files", 0, targets.size(), "");
  std::vector<FrontendWrite> results = writer.Write(games);

  std::string outcome;
  for (size_t i = 0; i < targets.size(); ++i) {
    std::string name = FrontendName(targets[i].kind);
    const FrontendWrite& written = results[i];
    std::string result;
    if (written.status.ok()) {
      result = GamesText(written.games);
      if (written.left_out > 0) result += ", " + CountText(written.left_out) + " left out";
      {
        std::lock_guard<std::recursive_mutex> lock(report_mutex_);
        prompt_->Note(name + ": " + result + " written to " + targets[i].folder +
                      CopiesText(written.pictures));
      }
      // The files are written; a picture that could not be copied fails on its own.
      if (!written.pictures.failures.empty()) {
        ReportFailure(ListMessage("These pictures could not be copied for " + name + ":",
                                  written.pictures.failures));
        result += ", not every picture copied";
      }
    } else {
      result = written.failure;
      ReportFailure(written.status.message());
    }
    outcome += (outcome.empty() ? "" : "; ") + name + ": " + result;
  }
  outcome_ = outcome;
}

}  // namespace zeb
