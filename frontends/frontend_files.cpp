#include "frontends/frontend_files.h"

#include <vector>

#include "formats/picture_files.h"
#include "frontends/attract_mode.h"
#include "frontends/es_de.h"
#include "frontends/pegasus.h"
#include "frontends/steam_rom_manager.h"
#include "frontends/xml_document.h"
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

// One frontend's files: first what its folder holds, then, given the games, what it gets.
class FrontendJob {
 public:
  FrontendJob(FrontendKind kind, std::string folder) : kind_(kind), folder_(std::move(folder)) {}
  virtual ~FrontendJob() = default;

  // Reads what the folder holds; a failure (the folder is not there, a file zeb may not
  // replace) is kept in result().
  void Prepare(const FrontendCatalogue& folders) {
    if (!FolderExists(folder_)) {
      return Fail("folder " + folder_ + " not found",
                  "The " + Name() + " folder \"" + folder_ +
                      "\" is not there, so nothing was written for " + Name() + ".");
    }
    ReadFolder(folders);
  }

  // Makes the files for the games, then the sub-folders, and writes each file that changed.
  void Finish(const FrontendCatalogue& catalogue) {
    if (failed()) return;
    MakeFiles(catalogue);
    if (failed()) return;
    for (const std::string& folder : folders_) {
      if (FolderExists(folder)) continue;
      Status made = CreateOneFolder(folder);
      if (!made.ok()) return Fail("not written", made.message());
    }
    for (const PlannedFile& file : planned_) {
      Status written = ReplaceFileBytes(file.path, file.bytes);
      if (!written.ok()) return Fail("not written", written.message());
    }
    CopyPictures();
  }

  FrontendWrite result() const {
    FrontendWrite result = result_;
    if (failed()) result.games = result.left_out = 0;
    return result;
  }

 protected:
  virtual void ReadFolder(const FrontendCatalogue& folders) = 0;
  virtual void MakeFiles(const FrontendCatalogue& catalogue) = 0;
  // Once the files are written: copies of the games' pictures where the frontend looks for
  // them, for a frontend that finds them only in a place of its own.
  virtual void CopyPictures() {}

  std::string Path(const std::string& relative) const { return JoinPath(folder_, relative); }
  std::string Name() const { return FrontendName(kind_); }
  bool failed() const { return !result_.status.ok(); }
  void set_pictures(PictureCopies pictures) { result_.pictures = std::move(pictures); }
  void Counted(size_t games, size_t left_out = 0) {
    result_.games = games;
    result_.left_out = left_out;
  }

  // The existing file's bytes (none when it is not there); false, with the failure noted,
  // when it cannot be read.
  bool Existing(const std::string& path, std::string* bytes) {
    bytes->clear();
    if (!AnyFileExists(path)) return true;
    Status read = ReadFileBytes(path, bytes);
    if (read.ok()) return true;
    Fail(std::string(LastPathPart(path)) + " cannot be read", read.message());
    return false;
  }

  // A file left as it was: nothing of the frontend is written.
  void Refuse(const std::string& path, const std::string& why) {
    Fail(std::string(LastPathPart(path)) + " left as it is",
         "\"" + path + "\" was left as it is, and nothing was written for " + Name() + ": " + why);
  }

  // The file is to hold bytes; it is written only when what is there differs.
  void Plan(std::string path, std::string bytes, const std::string& existing) {
    if (bytes != existing) planned_.push_back({std::move(path), std::move(bytes)});
  }
  void NeedFolder(const std::string& relative) { folders_.push_back(Path(relative)); }

 private:
  void Fail(std::string failure, const std::string& why) {
    if (failed()) return;
    result_.failure = std::move(failure);
    result_.status = Status::Error(why);
  }

  FrontendKind kind_;
  std::string folder_;
  std::vector<std::string> folders_;
  std::vector<PlannedFile> planned_;
  FrontendWrite result_;
};

// ES-DE's two files, parsed while the games are read and merged once they are there, and the
// games' pictures as its covers.
class EsDeJob : public FrontendJob {
 public:
  EsDeJob(std::string folder, std::string pictures_folder)
      : FrontendJob(FrontendKind::kEsDe, std::move(folder)),
        pictures_folder_(std::move(pictures_folder)) {}

 private:
  // ES-DE looks for a game's cover only as downloaded_media\<system>\covers\<file name without
  // extension>.png. The record of the copies zeb put there is a sibling of "covers" that names
  // no media type, so ES-DE never shows it; being inside ES-DE's folder, it moves and goes
  // with the copies it describes (a portable ES-DE carried to another drive, another ES-DE
  // folder given to zeb), and a record never vouches for files in a place it does not describe.
  void CopyPictures() override {
    if (!FolderExists(pictures_folder_)) return;
    const std::string system_media = Path("downloaded_media\\zebrine");
    for (const std::string& folder : {Path("downloaded_media"), system_media}) {
      if (FolderExists(folder)) continue;
      Status made = CreateOneFolder(folder);
      if (!made.ok()) return set_pictures({0, {}, {made.message()}});
    }
    set_pictures(CopyPicturesTo(pictures_folder_, JoinPath(system_media, "covers"),
                                JoinPath(system_media, "zeb_covers_record")));
  }

  struct XmlFile {
    XmlFile(std::string path, EsDeFile::Kind kind) : path(std::move(path)), file(kind) {}
    std::string path;
    std::string existing;
    EsDeFile file;
  };

  void ReadFolder(const FrontendCatalogue& folders) override {
    files_.push_back(std::make_unique<XmlFile>(Path("custom_systems\\es_systems.xml"),
                                               EsDeFile::Kind::kSystems));
    files_.push_back(std::make_unique<XmlFile>(Path("gamelists\\zebrine\\gamelist.xml"),
                                               EsDeFile::Kind::kGamelist));
    for (auto& file : files_) {
      if (!Existing(file->path, &file->existing)) return;
      Status loaded = file->file.Load(file->existing, folders.entry_folder);
      if (!loaded.ok()) return Refuse(file->path, loaded.message());
    }
  }

  void MakeFiles(const FrontendCatalogue& catalogue) override {
    for (auto& file : files_) {
      std::string merged;
      Status made = file->file.Merge(catalogue, &merged);
      if (!made.ok()) return Refuse(file->path, made.message());
      Plan(file->path, std::move(merged), file->existing);
    }
    NeedFolder("custom_systems");
    NeedFolder("gamelists");
    NeedFolder("gamelists\\zebrine");
    Counted(catalogue.games.size());
  }

  std::string pictures_folder_;
  std::vector<std::unique_ptr<XmlFile>> files_;
};

// A file that only zeb writes: replaced only when it is zeb's (or holds what zeb would write).
struct OwnFile {
  std::string path;
  std::string existing;
  bool zebs = false;
};

class OwnFilesJob : public FrontendJob {
 public:
  OwnFilesJob(FrontendKind kind, std::string folder, std::vector<std::string> files,
              bool (*is_zebs)(std::string_view), std::string not_zebs)
      : FrontendJob(kind, std::move(folder)),
        names_(std::move(files)),
        is_zebs_(is_zebs),
        not_zebs_(std::move(not_zebs)) {}

 protected:
  void ReadFolder(const FrontendCatalogue&) override {
    for (const std::string& name : names_) {
      OwnFile file{Path(name), "", false};
      if (!Existing(file.path, &file.existing)) return;
      file.zebs = is_zebs_(file.existing);
      files_.push_back(std::move(file));
    }
  }

  // Plans the files' new bytes, in the order of their names.
  bool PlanFiles(std::vector<std::string> contents) {
    for (size_t i = 0; i < files_.size(); ++i) {
      if (!files_[i].zebs && files_[i].existing != contents[i]) {
        Refuse(files_[i].path, not_zebs_);
        return false;
      }
    }
    for (size_t i = 0; i < files_.size(); ++i)
      Plan(files_[i].path, std::move(contents[i]), files_[i].existing);
    return true;
  }

 private:
  std::vector<std::string> names_;
  bool (*is_zebs_)(std::string_view);
  std::string not_zebs_;
  std::vector<OwnFile> files_;
};

const std::string kNoMark = "zeb did not write it (its first line is not \"" +
                            std::string(kZebMark) +
                            "\"). Move it away, or give zeb another folder for this frontend.";

class PegasusJob : public OwnFilesJob {
 public:
  explicit PegasusJob(std::string folder)
      : OwnFilesJob(FrontendKind::kPegasus, std::move(folder), {kPegasusFileName}, &IsZebsTextFile,
                    kNoMark) {}

 private:
  void MakeFiles(const FrontendCatalogue& catalogue) override {
    if (PlanFiles({JoinTextLines(PegasusLines(catalogue))})) Counted(catalogue.games.size());
  }
};

class AttractModeJob : public OwnFilesJob {
 public:
  explicit AttractModeJob(std::string folder)
      : OwnFilesJob(FrontendKind::kAttractMode, std::move(folder),
                    {"emulators\\" + std::string(kAttractModeName) + ".cfg",
                     "romlists\\" + std::string(kAttractModeName) + ".txt"},
                    &IsZebsTextFile, kNoMark) {}

 private:
  void MakeFiles(const FrontendCatalogue& catalogue) override {
    size_t left_out = 0;
    std::string romlist = JoinTextLines(AttractModeRomlistLines(catalogue, &left_out));
    if (!PlanFiles({JoinTextLines(AttractModeEmulatorLines(catalogue)), std::move(romlist)}))
      return;
    NeedFolder("emulators");
    NeedFolder("romlists");
    Counted(catalogue.games.size() - left_out, left_out);
  }
};

class SteamRomManagerJob : public OwnFilesJob {
 public:
  explicit SteamRomManagerJob(std::string folder)
      : OwnFilesJob(FrontendKind::kSteamRomManager, std::move(folder), {kSteamManifestName},
                    &IsZebsSteamManifest,
                    "it holds something other than zeb's list of games. Move it away, or give "
                    "zeb another folder for this frontend.") {}

 private:
  void MakeFiles(const FrontendCatalogue& catalogue) override {
    if (PlanFiles({SteamManifest(catalogue)})) Counted(catalogue.games.size());
  }
};

std::unique_ptr<FrontendJob> JobFor(const FrontendTarget& target,
                                    const std::string& pictures_folder) {
  switch (target.kind) {
    case FrontendKind::kEsDe:
      return std::make_unique<EsDeJob>(target.folder, pictures_folder);
    case FrontendKind::kPegasus:
      return std::make_unique<PegasusJob>(target.folder);
    case FrontendKind::kAttractMode:
      return std::make_unique<AttractModeJob>(target.folder);
    case FrontendKind::kSteamRomManager:
      return std::make_unique<SteamRomManagerJob>(target.folder);
  }
  return nullptr;
}

GameEntry Utf8Entry(const GameEntry& entry) {
  return {Utf8FromAnsi(entry.folder), Utf8FromAnsi(entry.exe), Utf8FromAnsi(entry.name),
          Utf8FromAnsi(entry.manufacturer), Utf8FromAnsi(entry.year)};
}

}  // namespace

FrontendWriter::FrontendWriter(const std::string& program_folder, const std::string& entry_folder,
                               std::vector<FrontendTarget> targets)
    : pictures_folder_(PicturesFolder(program_folder)),
      targets_(std::move(targets)),
      results_(targets_.size()) {
  utf8_.program_folder = Utf8FromAnsi(program_folder);
  utf8_.entry_folder = Utf8FromAnsi(entry_folder);
  try {
    for (size_t i = 0; i < targets_.size(); ++i) threads_.emplace_back([this, i] { Run(i); });
  } catch (...) {
    Abandon();
    throw;
  }
}

FrontendWriter::~FrontendWriter() { Abandon(); }

void FrontendWriter::Abandon() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    abandoned_ = !given_;
  }
  games_given_.notify_all();
  for (std::thread& thread : threads_) thread.join();
  threads_.clear();
}

void FrontendWriter::Run(size_t index) {
  // ES-DE's files are read and merged on this thread, in its own COM apartment.
  ComScope com;
  FrontendWrite& result = results_[index];
  try {
    std::unique_ptr<FrontendJob> job = JobFor(targets_[index], pictures_folder_);
    job->Prepare(utf8_);
    {
      std::unique_lock<std::mutex> lock(mutex_);
      games_given_.wait(lock, [this] { return given_ || abandoned_; });
      if (abandoned_) return;
    }
    job->Finish(utf8_);
    result = job->result();
  } catch (const std::exception& error) {
    result.status = Status::Error(std::string("Nothing was written for ") +
                                  FrontendName(targets_[index].kind) + ": " + error.what());
    result.failure = "not written";
  }
}

std::vector<FrontendWrite> FrontendWriter::Write(const std::vector<FrontendGame>& games) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    utf8_.games.reserve(games.size());
    for (const FrontendGame& game : games)
      utf8_.games.push_back(
          {Utf8FromAnsi(game.file_name), Utf8Entry(game.entry), Utf8FromAnsi(game.picture)});
    given_ = true;
  }
  games_given_.notify_all();
  for (std::thread& thread : threads_) thread.join();
  threads_.clear();
  return results_;
}

}  // namespace zeb
