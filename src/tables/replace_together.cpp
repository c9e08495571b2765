#include "tables/replace_together.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "common/error.h"
#include "tables/file_writer.h"
#include "tables/value_text.h"

namespace kvadrix::tables {
namespace {

constexpr std::string_view kJournalHeader = "kvadrix journal 1\n";
constexpr std::string_view kJournalEnd = "end\n";

Error SaveError(const std::filesystem::path& file, std::string_view reason) {
  return Error(std::string("A(z) ") + Quoted(file.string()) +
               " fájl nem menthető: " + std::string(reason) + ".");
}

// Each path on its own line, its length first, so no character of a name can end it early.
void AppendPath(std::string& text, const std::filesystem::path& path) {
  const std::string& native = path.native();
  text += std::to_string(native.size()) + ":" + native + "\n";
}

bool TakePath(std::string_view& text, std::filesystem::path& path) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 9) return false;
  size_t length = 0;
  for (char digit : text.substr(0, colon)) {
    if (digit < '0' || digit > '9') return false;
    length = length * 10 + static_cast<size_t>(digit - '0');
  }
  text.remove_prefix(colon + 1);
  if (text.size() < length + 1 || text[length] != '\n') return false;
  path = std::string(text.substr(0, length));
  text.remove_prefix(length + 1);
  return true;
}

// The pairs a whole journal names; none for a journal cut short or not ours.
bool ParseJournal(std::string_view text, std::vector<PreparedFile>& files) {
  if (!text.starts_with(kJournalHeader)) return false;
  text.remove_prefix(kJournalHeader.size());
  while (text != kJournalEnd) {
    PreparedFile file;
    if (!TakePath(text, file.temporary) || !TakePath(text, file.target)) return false;
    files.push_back(std::move(file));
  }
  return true;
}

void WriteWholly(FileWriter& writer, int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = writer.Write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw Error(SystemErrorText(written == 0 ? ENOSPC : errno));
    bytes.remove_prefix(static_cast<size_t>(written));
  }
}

// Written aside and renamed in, so a journal is either whole or absent.
void PutJournal(const std::filesystem::path& folder, std::string_view text) {
  FileWriter& writer = CurrentFileWriter();
  const std::filesystem::path journal = folder / kJournalName;
  const std::filesystem::path aside =
      folder / (std::string(kJournalName) + "." + std::to_string(::getpid()) + ".tmp");
  const int fd = writer.Open(aside, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) throw SaveError(journal, SystemErrorText(errno));
  try {
    try {
      WriteWholly(writer, fd, text);
      if (writer.Sync(fd) != 0) throw Error(SystemErrorText(errno));
    } catch (...) {
      writer.Close(fd);
      throw;
    }
    if (writer.Close(fd) != 0) throw Error(SystemErrorText(errno));
    if (writer.Rename(aside, journal) != 0) throw Error(SystemErrorText(errno));
  } catch (const Error& error) {
    writer.Unlink(aside);
    throw SaveError(journal, error.what());
  }
  SyncFolder(folder);
}

// The renames of a decided change; each is done at most once, so running them again after an
// interruption finishes the change.
void RenameAll(const std::filesystem::path& folder, const std::vector<PreparedFile>& files) {
  FileWriter& writer = CurrentFileWriter();
  for (const PreparedFile& file : files) {
    struct stat info;
    if (::lstat(file.temporary.c_str(), &info) != 0) continue;  // renamed before
    if (writer.Rename(file.temporary, file.target) != 0) {
      throw SaveError(file.target, SystemErrorText(errno));
    }
  }
  for (const PreparedFile& file : files) SyncFolder(FolderOf(file.target));
  // The change is whole now; a journal left behind names nothing left to do.
  writer.Unlink(folder / kJournalName);
  SyncFolder(folder);
}

}  // namespace

std::vector<FileIdentity> ReplaceFilesTogether(const std::filesystem::path& folder,
                                               std::span<const Replacement> replacements) {
  std::vector<PreparedFile> prepared;
  std::string journal(kJournalHeader);
  try {
    for (const Replacement& replacement : replacements) {
      try {
        prepared.push_back(
            replacement.write
                ? PrepareReplacement(replacement.file, replacement.write, replacement.owner_only)
                : PrepareReplacement(replacement.file, replacement.bytes, replacement.owner_only));
      } catch (const ContentRefused&) {
        throw;  // says what cannot be written itself
      } catch (const Error& error) {
        throw SaveError(replacement.file, error.what());
      }
      AppendPath(journal, prepared.back().temporary);
      AppendPath(journal, prepared.back().target);
    }
    journal += kJournalEnd;
    PutJournal(folder, journal);
  } catch (...) {
    for (const PreparedFile& file : prepared) CurrentFileWriter().Unlink(file.temporary);
    throw;
  }
  // Decided: from here on every step is finished again by the next lock if it fails now.
  try {
    RenameAll(folder, prepared);
  } catch (const Error& error) {
    throw Error(error.what() + std::string(kFinishedLater));
  }
  std::vector<FileIdentity> identities;
  for (const PreparedFile& file : prepared) identities.push_back(CurrentIdentity(file.target));
  return identities;
}

void FinishInterruptedReplacement(const std::filesystem::path& folder) {
  const std::filesystem::path journal = folder / kJournalName;
  struct stat info;
  if (::lstat(journal.c_str(), &info) != 0) return;  // the usual case: one stat
  FileBytes bytes;
  ReadFailure failure;
  if (!ReadWholeFile(journal, bytes, failure)) throw SaveError(journal, failure.reason);
  std::vector<PreparedFile> files;
  if (!ParseJournal(bytes.View(), files)) {
    // Never put in place by this program: a journal is renamed in only when whole.
    throw Error(std::string("A(z) ") + Quoted(journal.string()) +
                " fájl sérült; a játékmappa adatai csak a törlése után változhatnak.");
  }
  RenameAll(folder, files);
}

}  // namespace kvadrix::tables
