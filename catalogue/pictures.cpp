// The games' pictures: each listed entry's program icon as a PNG file in the pictures folder
// beside config.cfg, made where it is missing or older than the program.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <unordered_map>

#include "catalogue/catalogue.h"
#include "catalogue/progress_text.h"
#include "formats/picture_files.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/name_rules.h"
#include "platform/parallel.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text_rules.h"
#include "versioninfo/file_icon.h"
#include "versioninfo/png_encoding.h"

namespace zeb {

namespace {

// Writes pictures into the pictures folder, made on the first picture. Each file is written
// in a small hidden work folder inside it and moved into place, so it appears whole or not at
// all, and only the move looks its new name up in the big folder (on some file systems, Wine
// on ext4, looking up a name that is not there reads the whole folder).
class PictureWriter {
 public:
  explicit PictureWriter(std::string folder) : folder_(std::move(folder)) {}
  ~PictureWriter() {
    if (!work_folder_.empty()) RemoveDirectoryW(WidePath(work_folder_).c_str());
  }
  PictureWriter(const PictureWriter&) = delete;
  PictureWriter& operator=(const PictureWriter&) = delete;

  // Safe to call from several threads at once.
  Status Write(const std::string& name, const std::string& png) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (!made_) {
        if (!FolderExists(folder_)) made_status_ = CreateOneFolder(folder_);
        std::string work = JoinPath(folder_, ".zeb-new-" + std::to_string(GetCurrentProcessId()));
        if (made_status_.ok() && (CreateDirectoryW(WidePath(work).c_str(), nullptr) ||
                                  GetLastError() == ERROR_ALREADY_EXISTS)) {
          SetFileAttributesW(WidePath(work).c_str(), FILE_ATTRIBUTE_HIDDEN);
          work_folder_ = work;  // otherwise each file is written beside its final name
        }
        made_ = true;
      }
      if (!made_status_.ok()) return made_status_;
    }
    return PlaceFileBytes(JoinPath(folder_, name), png, work_folder_);
  }

 private:
  const std::string folder_;
  std::mutex mutex_;
  bool made_ = false;
  Status made_status_;
  std::string work_folder_;
};

// When each picture there was last written, by upper-cased name.
std::unordered_map<std::string, uint64_t> PictureTimes(const std::string& folder) {
  std::unordered_map<std::string, uint64_t> times;
  std::vector<FileStamp> stamps;
  if (FolderExists(folder) && ListFileStamps(folder, "*.png", &stamps).ok())
    for (const FileStamp& stamp : stamps) times[UpperCase(stamp.name)] = stamp.written;
  return times;
}

}  // namespace

void Catalogue::MakePictures() {
  // The listed entries, the ones a frontend shows; blacklist entries are never listed.
  struct Item {
    const GameEntry* entry;
    std::string picture;
  };
  std::vector<Item> items;
  for (size_t i = 0; i < entries_.size() && i < entry_files_.size(); ++i) {
    std::string picture = PictureFileName(entry_files_[i]);
    if (!picture.empty()) items.push_back({&entries_[i], std::move(picture)});
  }
  const std::string folder = PicturesFolder(program_folder_);
  const std::unordered_map<std::string, uint64_t> times = PictureTimes(folder);
  PictureWriter writer(folder);
  std::mutex lists_mutex;
  std::vector<std::string> damaged, not_written;
  std::atomic<size_t> done{0}, made{0};
  const size_t total = items.size();
  size_t looked_at = ParallelForInOrder(
      total, scan_threads_, [this] { return progress_->StopRequested(); },
      [&](size_t i) {
        const Item& item = items[i];
        Step("Making pictures", ++done, total, item.entry->name);
        // The program that starting the game runs; a line that names none in the game folder
        // (a command for a program elsewhere) gives no picture.
        std::string program =
            GameStartIn(TrimSpaces(item.entry->folder), item.entry->exe, "").program_file;
        if (program.empty()) return;
        auto picture_time = times.find(UpperCase(item.picture));
        uint64_t program_time = 0;
        if (picture_time != times.end() && GetFileWriteTime(program, &program_time).ok() &&
            picture_time->second >= program_time)
          return;
        FileIcon icon = ReadFileIcon(program);
        if (icon.kind == FileIcon::Kind::kNone) return;
        std::string png;
        if (icon.kind == FileIcon::Kind::kPicture) png = PictureAsPng(icon.picture);
        if (png.empty()) {
          std::lock_guard<std::mutex> lock(lists_mutex);
          damaged.push_back(program + ": " +
                            (icon.reason.empty() ? "its picture cannot be made" : icon.reason));
          return;
        }
        Status written = writer.Write(item.picture, png);
        if (written.ok()) {
          ++made;
        } else {
          std::lock_guard<std::mutex> lock(lists_mutex);
          not_written.push_back(written.message());
        }
      });
  // The threads finish in any order; the messages list in name order, and a pictures folder
  // that cannot be made is named once, not once for each picture.
  SortNames(damaged);
  SortNames(not_written);
  not_written.erase(std::unique(not_written.begin(), not_written.end()), not_written.end());
  // A damaged icon costs the game its picture and nothing else: a notice, not a failure.
  if (!damaged.empty())
    ShowNotice(
        ListMessage("These programs' icons are damaged, so their games got no picture:", damaged));
  if (!not_written.empty())
    ReportFailure(ListMessage("These pictures could not be written:", not_written));
  bool stopped = looked_at < total;
  if (stopped && looked_at == 0) return;  // stopped before: the scan's line says so
  if (!stopped && made == 0) return;      // every picture was there already
  outcome_ += "; ";
  if (stopped)
    outcome_ += "stopped after " + CountText(looked_at) + " of " + CountText(total) + " entries: ";
  outcome_ += CountText(made) + (made == 1 ? " picture" : " pictures");
}

}  // namespace zeb
