#pragma once
// Whole-file reading, and replacing a file so that a crash or a full disk never leaves it half
// written.
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/error.h"

namespace kvadrix::tables {

struct ReadFailure {
  bool exists;         // the file is there but could not be read
  std::string reason;  // Hungarian, e.g. "nincs hozzá olvasási jog"
};

// What a file was when it was read or written. Any change by anyone (a replace, an edit in
// place, a change of permissions) gives another identity, so comparing two costs one stat.
struct FileIdentity {
  bool present = false;
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = 0;
  int64_t modified_ns = 0;
  int64_t changed_ns = 0;
  bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const struct stat& info);
// The file as it is now, through symbolic links; not present when stat fails.
FileIdentity CurrentIdentity(const std::filesystem::path& file);

// A file's bytes, in a buffer that is not zeroed before the read fills it.
struct FileBytes {
  std::unique_ptr<char[]> data;
  size_t size = 0;
  FileIdentity identity;  // of the file that was read
  std::string_view View() const { return std::string_view(data.get(), size); }
};

// No table file comes near this; anything larger (or a device without end) is not read.
inline constexpr int64_t kMaxTableFileBytes = int64_t{256} << 20;

// Returns false and fills failure when the file cannot be read: also when it is not a regular
// file (a pipe, a folder, a device, a link loop or a link to nothing) or is larger than
// kMaxTableFileBytes. Never blocks on a pipe.
bool ReadWholeFile(const std::filesystem::path& file, FileBytes& bytes, ReadFailure& failure);

// The same file read piece by piece, so that no buffer needs to hold all of it. Every method that
// returns false has filled failure as ReadWholeFile would.
class FileChunks {
 public:
  FileChunks() = default;
  ~FileChunks();
  FileChunks(const FileChunks&) = delete;
  FileChunks& operator=(const FileChunks&) = delete;

  bool Open(const std::filesystem::path& file, ReadFailure& failure);
  // Up to size bytes into buffer; got is 0 at the end of the file.
  bool Read(char* buffer, size_t size, size_t& got, ReadFailure& failure);
  const FileIdentity& Identity() const { return identity_; }

 private:
  int fd_ = -1;
  FileIdentity identity_;
  uint64_t read_ = 0;
};

// Writes a temporary file in the same folder (".<name>.<process id>.<count>.tmp"), flushes it to
// disk and renames it over the file, all through CurrentFileWriter(). Temporary files of the same
// file that a killed save left behind (of a process no longer running, or of this one) are
// removed first. A new file gets the umask permissions (owner_only: 0600); a replaced file keeps
// its own (owner_only: 0600). Throws kvadrix::Error with the reason (without the file name); the
// old file is then left as it was and the temporary file is gone. Refuses anything but a regular
// file this process may write, and a link to nothing (a file would appear where it points).
// Returns what the file now is.
FileIdentity ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                                   bool owner_only);

class FileWriter;
// Takes new content for the temporary file a piece at a time, starting the disk's writing as it
// goes, so content made piece by piece never stands whole in memory.
class ContentStream {
 public:
  ContentStream(FileWriter& writer, int fd);
  ~ContentStream();
  ContentStream(const ContentStream&) = delete;
  ContentStream& operator=(const ContentStream&) = delete;
  void Write(std::string_view piece);

 private:
  struct Progress;
  FileWriter& writer_;
  int fd_;
  std::unique_ptr<Progress> progress_;
};
// Writes the whole new content into the stream.
using ContentWriter = std::function<void(ContentStream& stream)>;
// Content that cannot be written at all (a value the file cannot hold): its message passes
// through the replace as it is, and nothing is replaced.
class ContentRefused : public Error {
 public:
  using Error::Error;
};
FileIdentity ReplaceFileAtomically(const std::filesystem::path& file, const ContentWriter& write,
                                   bool owner_only);

// New content told as ranges of the file it replaces and new text, in order.
struct SplicedContent {
  struct Piece {
    bool from_old;  // a range of the replaced file, else of text
    uint64_t offset;
    uint64_t size;
  };
  std::string text;
  std::vector<Piece> pieces;
};

// ReplaceFileAtomically with spliced content: the old file's ranges are copied inside the kernel
// where it can (FileWriter::CopyRange), else read and written. Returns nothing, having changed
// nothing, when the file is no longer the one expected; the caller then writes it whole.
std::optional<FileIdentity> ReplaceFileBySplice(const std::filesystem::path& file,
                                                const SplicedContent& content,
                                                const FileIdentity& expected, bool owner_only);

// The two halves of that replace, for files that must be replaced together: the new content
// written and flushed beside the file (through a symbolic link, beside its target), and the
// rename over it.
struct PreparedFile {
  std::filesystem::path target;     // the file itself, links resolved
  std::filesystem::path temporary;  // its new content
};
PreparedFile PrepareReplacement(const std::filesystem::path& file, std::string_view bytes,
                                bool owner_only);
PreparedFile PrepareReplacement(const std::filesystem::path& file, const ContentWriter& write,
                                bool owner_only);
// Throws kvadrix::Error with the reason; the temporary file is then left in place.
FileIdentity CommitReplacement(const PreparedFile& prepared);
// A folder's entries made durable (renames, removals); failing here loses nothing.
void SyncFolder(const std::filesystem::path& folder);
std::filesystem::path FolderOf(const std::filesystem::path& file);

// Whether anything has this name, a link to nothing or a link loop included: those are not
// missing files to create afresh, but entries that fail to load with their reason. Never throws.
bool EntryExists(const std::filesystem::path& file);

// The reason of a failed system call in Hungarian words.
std::string SystemErrorText(int error_number);

}  // namespace kvadrix::tables
