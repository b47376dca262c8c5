#include "datexport/dat_generation.h"

#include <optional>
#include <vector>

#include "datexport/cls_crc.h"
#include "datexport/dat_format.h"
#include "formats/entry_file.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/paths.h"

namespace zeb {

std::string DatFilePath(const std::string& dat_path) { return JoinPath(dat_path, "PC.dat"); }

std::string TempDatPath(const std::string& program_folder) {
  return JoinPath(program_folder, "tempdat.dat");
}

Status MakeRomLine(const std::string& full_path, std::string* rom_line) {
  rom_line->clear();
  clsCRC crc;  // a new engine computes CRC-32
  std::string token = DatRomNameToken(full_path);
  if (!HasDriveLetter(full_path)) return Status::Ok();
  uint64_t size = 0;
  Status status = GetFileLength(full_path, &size);
  if (!status.ok()) return status;
  std::optional<int32_t> value;
  status = crc.CalculateFile(full_path, &value);
  if (!status.ok()) return status;
  // An empty file has no CRC value; the CRC of nothing is 0.
  *rom_line = DatRomLine(token, size, static_cast<uint32_t>(value.value_or(0)));
  return Status::Ok();
}

namespace {

// The DAT text of the entry folder, header first.
Status MakeDatLines(const std::string& zeb_path, Progress& progress,
                    std::vector<std::string>* lines, DatWriteResult* result) {
  *lines = DatHeaderLines();
  if (zeb_path.empty()) return Status::Error("No entry folder is set.");
  if (!FolderExists(zeb_path))
    return Status::Error("The entry folder \"" + zeb_path + "\" does not exist.");
  FileListing listing;
  Status status = ListFiles(zeb_path, "*.zeb", &listing);
  if (!status.ok()) return status;
  std::string rom_line;
  for (size_t i = 0; i < listing.names.size(); ++i) {
    if (progress.StopRequested()) {
      result->stopped = true;
      return Status::Ok();
    }
    const std::string& name = listing.names[i];
    progress.Step("Exporting", i + 1, listing.names.size(), name);
    std::string path = JoinPath(listing.folder, name);
    EntryFile file = ReadEntryFile(path);
    if (file.kind == EntryFileKind::kUnreadable) return file.status;
    // An entry file of fewer lines (written by hand) counts with its missing lines empty,
    // as the list shows it.
    if (file.kind == EntryFileKind::kBlacklist) continue;
    status = MakeRomLine(path, &rom_line);
    if (!status.ok()) return status;
    AppendDatGameBlock(name, file.entry, rom_line, lines);
    ++result->games;
  }
  return Status::Ok();
}

}  // namespace

Status WriteDatFile(const std::string& zeb_path, const std::string& dat_path,
                    const std::string& program_folder, Progress* progress, DatWriteResult* result) {
  NoProgress unwatched;
  DatWriteResult ignored;
  if (progress == nullptr) progress = &unwatched;
  if (result == nullptr) result = &ignored;
  *result = DatWriteResult();
  const std::string dat_file = DatFilePath(dat_path);
  const std::string temp_file = TempDatPath(program_folder);
  auto not_written = [&](const Status& cause) {
    return Status::Error("The DAT file \"" + dat_file + "\" was not written. " + cause.message());
  };

  std::vector<std::string> lines;
  Status status = MakeDatLines(zeb_path, *progress, &lines, result);
  if (!status.ok()) return not_written(status);
  if (result->stopped) return Status::Ok();
  // Said plainly, before anything is written (not as a failure to copy a temporary file).
  if (!FolderExists(dat_path))
    return not_written(Status::Error("The DAT folder " + dat_path + " does not exist."));
  status = WriteTextFile(temp_file, lines);
  if (!status.ok()) {
    DeleteOneFile(temp_file);
    return not_written(status);
  }
  // The copy goes in beside the DAT file and replaces it whole, so a failed copy leaves the
  // old DAT file as it was.
  status = ReplaceWithCopy(temp_file, dat_file);
  if (!status.ok()) {
    DeleteOneFile(temp_file);
    return not_written(status);
  }
  status = DeleteOneFile(temp_file);
  if (!status.ok()) {
    return Status::Error("The DAT file \"" + dat_file +
                         "\" was written, but its temporary file was not removed. " +
                         status.message());
  }
  return Status::Ok();
}

}  // namespace zeb
