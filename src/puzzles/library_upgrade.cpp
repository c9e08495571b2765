#include "puzzles/library_upgrade.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>

#include "common/error.h"
#include "puzzles/id_history.h"
#include "puzzles/puzzle_table.h"
#include "tables/file_io.h"
#include "tables/folder_lock.h"
#include "tables/table_store.h"

namespace kvadrix::puzzles {
namespace {

namespace fs = std::filesystem;

// The library shipped before IDs kept their grids (up to 1.15), whole-file FNV-1a: it was
// reordered once, before anyone had results, and is replaced like any shipped library.
constexpr std::array<uint64_t, 1> kLibrariesBeforeIdHistory = {0xc651f43d9023984bu};

constexpr std::string_view kNotReplaced =
    "kvadrix: a játékmappa sudoku.xml fájlja nem cserélődött az új feladványtárra, mert ";

LibraryUpdate LeftAlone(std::string reason) {
  return {LibraryUpdate::Kind::kLeftAlone, std::string(kNotReplaced) + reason, {}};
}

std::string ReadOrThrow(const fs::path& file) {
  tables::FileBytes bytes;
  tables::ReadFailure failure;
  if (!tables::ReadWholeFile(file, bytes, failure)) {
    throw Error("A(z) \"" + file.string() + "\" fájl nem olvasható: " + failure.reason + ".");
  }
  return std::string(bytes.View());
}

// Why the library is not one the package shipped, or nothing when it is.
std::optional<std::string> NotShipped(std::string_view bytes, const IdHistory& history) {
  for (const uint64_t earlier : kLibrariesBeforeIdHistory) {
    if (Fnv1a64(bytes) == earlier) return std::nullopt;
  }
  tables::TableStore store;
  try {
    store.SetRequiredFields(PuzzleFields());
    store.LoadFromBytes(bytes, kPuzzleFile);
  } catch (const std::exception& error) {
    return std::string("nem olvasható: ") + error.what();
  }
  for (store.First(); !store.Eof(); store.Next()) {
    const PuzzleRecord record = CurrentPuzzle(store);
    const auto recorded = history.find(record.id);
    if (recorded == history.end() || recorded->second != Fnv1a64(record.givens)) {
      return "kézzel módosították: a(z) " + std::to_string(record.id) +
             " azonosítójú feladványt a játék sosem így adta ki.";
    }
  }
  return std::nullopt;
}

// Links the old file to the first free backup name; a folder without hard links gets a copy.
fs::path MakeBackup(const fs::path& library, std::string_view old_bytes, std::string_view today) {
  for (int n = 1;; ++n) {
    const std::string suffix = n == 1 ? "" : "-" + std::to_string(n);
    const fs::path backup =
        library.parent_path() / ("sudoku.xml." + std::string(today) + suffix + ".bak");
    if (::link(library.c_str(), backup.c_str()) == 0) return backup;
    if (errno == EEXIST) continue;
    const int fd = ::open(backup.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) throw Error(tables::SystemErrorText(errno));
    const bool written =
        ::write(fd, old_bytes.data(), old_bytes.size()) == static_cast<ssize_t>(old_bytes.size()) &&
        ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (written) return backup;
    ::unlink(backup.c_str());
    throw Error(tables::SystemErrorText(error));
  }
}

// The first copy: written aside and linked in, so a cut-short copy is never taken for the
// library and one that appeared meanwhile is kept.
void CopyIn(const fs::path& library, std::string_view bytes) {
  const fs::path part =
      library.parent_path() / (".sudoku.xml." + std::to_string(::getpid()) + ".part");
  ::unlink(part.c_str());  // left by a killed start that had this process id
  const int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) throw Error(tables::SystemErrorText(errno));
  const bool written =
      ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
      ::fsync(fd) == 0;
  int error = errno;
  ::close(fd);
  const bool linked = written && (::link(part.c_str(), library.c_str()) == 0 || errno == EEXIST);
  if (written && !linked) error = errno;
  ::unlink(part.c_str());
  if (!linked) throw Error(tables::SystemErrorText(error));
  tables::SyncFolder(library.parent_path());
}

// One line: messages made for a message box may hold line breaks.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\r') c = ' ';
    if (c == '\n') c = ' ';
  }
  return text;
}

}  // namespace

LibraryUpdate UpdatePlayFolderLibrary(const fs::path& shipped, const fs::path& history_file,
                                      const fs::path& folder, std::string_view today) {
  const std::string new_bytes = ReadOrThrow(shipped);
  const fs::path library = folder / kPuzzleFile;
  struct stat info {};
  if (::lstat(library.c_str(), &info) != 0) {
    if (errno != ENOENT) return LeftAlone("nem érhető el: " + tables::SystemErrorText(errno) + ".");
    CopyIn(library, new_bytes);
    return {LibraryUpdate::Kind::kCopied, {}, {}};
  }
  if (!S_ISREG(info.st_mode)) return LeftAlone("nem közönséges fájl.");

  // The usual cases, a current library and one the player edited, are settled without the
  // lock, so they leave the folder exactly as it was.
  tables::FileBytes old_bytes;
  tables::ReadFailure failure;
  std::optional<std::string> reason;
  std::optional<IdHistory> history;
  const auto look = [&] {
    if (!tables::ReadWholeFile(library, old_bytes, failure)) {
      reason = "nem olvasható: " + failure.reason + ".";
    } else if (old_bytes.View() != new_bytes) {
      if (!history) history = ReadIdHistory(history_file);
      reason = NotShipped(old_bytes.View(), *history);
    }
  };
  try {
    look();
    if (reason) return LeftAlone(*reason);
    if (old_bytes.View() == new_bytes) return {LibraryUpdate::Kind::kCurrent, {}, {}};
    // Another start may have upgraded it meanwhile, or the player changed it: look again.
    const tables::FolderLock lock(folder);
    look();
    if (reason) return LeftAlone(*reason);
    if (old_bytes.View() == new_bytes) return {LibraryUpdate::Kind::kCurrent, {}, {}};
    const fs::path backup = MakeBackup(library, old_bytes.View(), today);
    try {
      tables::ReplaceFileAtomically(library, new_bytes, false);
    } catch (...) {
      ::unlink(backup.c_str());
      throw;
    }
    tables::SyncFolder(folder);
    return {LibraryUpdate::Kind::kUpgraded,
            "kvadrix: a játékmappa feladványtára frissült, a régi: " + backup.filename().string(),
            backup};
  } catch (const Error& error) {
    return LeftAlone(OneLine(error.what()));
  }
}

}  // namespace kvadrix::puzzles
