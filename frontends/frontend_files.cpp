#include "frontends/frontend_files.h"

#include <vector>

#include "frontends/attract_mode.h"
#include "frontends/es_de.h"
#include "frontends/pegasus.h"
#include "frontends/steam_rom_manager.h"
#include "frontends/zeb_mark.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text_encoding.h"
#include "platform/text_lines.h"
#include "platform/text_rules.h"

namespace zeb {

namespace {

// One file of a frontend: where it goes and what it will hold.
struct PlannedFile {
  std::string path;
  std::string bytes;
};

std::string Utf8Text(const std::vector<std::string>& lines) { return JoinTextLines(lines); }

// Reads a file that may be there; missing is no failure and gives no bytes.
Status ReadExisting(const std::string& path, bool* exists, std::string* bytes) {
  bytes->clear();
  *exists = AnyFileExists(path);
  if (!*exists) return Status::Ok();
  return ReadFileBytes(path, bytes);
}

class FrontendJob {
 public:
  FrontendJob(FrontendKind kind, std::string folder) : kind_(kind), folder_(std::move(folder)) {}

  std::string Path(const std::string& relative) const { return JoinPath(folder_, relative); }

  // The existing file's bytes; false (with the failure noted) when it cannot be read.
  bool Existing(const std::string& path, std::string* bytes) {
    bool exists = false;
    Status read = ReadExisting(path, &exists, bytes);
    if (read.ok()) return true;
    Fail(std::string(LastPathPart(path)) + " cannot be read", read.message());
    return false;
  }

  // A file left as it was: nothing of the frontend is written.
  void Refuse(const std::string& path, const std::string& why) {
    Fail(std::string(LastPathPart(path)) + " left as it is",
         "\"" + path + "\" was left as it is, and nothing was written for " + Name() + ": " + why);
  }

  void Plan(std::string path, std::string bytes) {
    planned_.push_back({std::move(path), std::move(bytes)});
  }
  void NeedFolder(const std::string& relative) { folders_.push_back(Path(relative)); }

  // Makes the sub-folders and writes the planned files, each only when its bytes changed.
  void Carry() {
    for (const std::string& folder : folders_) {
      if (FolderExists(folder)) continue;
      Status made = CreateOneFolder(folder);
      if (!made.ok()) return Fail("not written", made.message());
    }
    for (const PlannedFile& file : planned_) {
      std::string old;
      bool exists = false;
      if (ReadExisting(file.path, &exists, &old).ok() && exists && old == file.bytes) continue;
      Status written = ReplaceFileBytes(file.path, file.bytes);
      if (!written.ok()) return Fail("not written", written.message());
    }
  }

  bool failed() const { return !result_.status.ok(); }
  FrontendWrite& result() { return result_; }
  std::string Name() const { return FrontendName(kind_); }

 private:
  void Fail(std::string failure, const std::string& why) {
    result_.failure = std::move(failure);
    result_.status = Status::Error(why);
  }

  FrontendKind kind_;
  std::string folder_;
  std::vector<std::string> folders_;
  std::vector<PlannedFile> planned_;
  FrontendWrite result_;
};

void PlanEsDe(FrontendJob& job, const FrontendCatalogue& catalogue) {
  struct XmlFile {
    std::string path;
    Status (*merge)(std::string_view, const FrontendCatalogue&, std::string*);
  };
  const XmlFile files[] = {
      {job.Path("custom_systems\\es_systems.xml"), &MergeEsDeSystems},
      {job.Path("gamelists\\zebrine\\gamelist.xml"), &MergeEsDeGamelist},
  };
  for (const XmlFile& file : files) {
    std::string existing, merged;
    if (!job.Existing(file.path, &existing)) return;
    Status made = file.merge(existing, catalogue, &merged);
    if (!made.ok()) return job.Refuse(file.path, made.message());
    job.Plan(file.path, std::move(merged));
  }
  job.NeedFolder("custom_systems");
  job.NeedFolder("gamelists");
  job.NeedFolder("gamelists\\zebrine");
  job.result().games = catalogue.games.size();
}

// A file that only zeb writes, replaced only when it is zeb's.
bool PlanOwnFile(FrontendJob& job, const std::string& path, std::string bytes,
                 bool (*is_zebs)(std::string_view), const std::string& not_zebs) {
  std::string existing;
  if (!job.Existing(path, &existing)) return false;
  if (!is_zebs(existing)) {
    job.Refuse(path, not_zebs);
    return false;
  }
  job.Plan(path, std::move(bytes));
  return true;
}

const std::string kNoMark = "zeb did not write it (its first line is not \"" +
                            std::string(kZebMark) +
                            "\"). Move it away, or give zeb another folder for this frontend.";

void PlanPegasus(FrontendJob& job, const FrontendCatalogue& catalogue) {
  if (!PlanOwnFile(job, job.Path(kPegasusFileName), Utf8Text(PegasusLines(catalogue)),
                   &IsZebsTextFile, kNoMark))
    return;
  job.result().games = catalogue.games.size();
}

void PlanAttractMode(FrontendJob& job, const FrontendCatalogue& catalogue) {
  size_t left_out = 0;
  std::string romlist = Utf8Text(AttractModeRomlistLines(catalogue, &left_out));
  std::string name = kAttractModeName;
  if (!PlanOwnFile(job, job.Path("emulators\\" + name + ".cfg"),
                   Utf8Text(AttractModeEmulatorLines(catalogue)), &IsZebsTextFile, kNoMark) ||
      !PlanOwnFile(job, job.Path("romlists\\" + name + ".txt"), romlist, &IsZebsTextFile, kNoMark))
    return;
  job.NeedFolder("emulators");
  job.NeedFolder("romlists");
  job.result().games = catalogue.games.size() - left_out;
  job.result().left_out = left_out;
}

void PlanSteamRomManager(FrontendJob& job, const FrontendCatalogue& catalogue) {
  if (!PlanOwnFile(job, job.Path(kSteamManifestName), SteamManifest(catalogue),
                   &IsZebsSteamManifest,
                   "it holds something other than zeb's list of games. Move it away, or give "
                   "zeb another folder for this frontend."))
    return;
  job.result().games = catalogue.games.size();
}

}  // namespace

FrontendWriter::FrontendWriter(const FrontendCatalogue& catalogue) {
  utf8_.program_folder = Utf8FromAnsi(catalogue.program_folder);
  utf8_.entry_folder = Utf8FromAnsi(catalogue.entry_folder);
  utf8_.games.reserve(catalogue.games.size());
  for (const FrontendGame& game : catalogue.games) {
    const GameEntry& entry = game.entry;
    utf8_.games.push_back(
        {Utf8FromAnsi(game.file_name),
         {Utf8FromAnsi(entry.folder), Utf8FromAnsi(entry.exe), Utf8FromAnsi(entry.name),
          Utf8FromAnsi(entry.manufacturer), Utf8FromAnsi(entry.year)}});
  }
}

FrontendWrite FrontendWriter::Write(FrontendKind kind, const std::string& folder) const {
  FrontendJob job(kind, folder);
  if (!FolderExists(folder)) {
    job.result().failure = "folder " + folder + " not found";
    job.result().status =
        Status::Error("The " + job.Name() + " folder \"" + folder +
                      "\" is not there, so nothing was written for " + job.Name() + ".");
    return job.result();
  }
  switch (kind) {
    case FrontendKind::kEsDe:
      PlanEsDe(job, utf8_);
      break;
    case FrontendKind::kPegasus:
      PlanPegasus(job, utf8_);
      break;
    case FrontendKind::kAttractMode:
      PlanAttractMode(job, utf8_);
      break;
    case FrontendKind::kSteamRomManager:
      PlanSteamRomManager(job, utf8_);
      break;
  }
  if (!job.failed()) job.Carry();
  if (job.failed()) {
    job.result().games = 0;
    job.result().left_out = 0;
  }
  return job.result();
}

}  // namespace zeb
