#include "tables/file_io.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <functional>
#include <system_error>
#include <thread>
#include <utility>

#include "common/error.h"
#include "tables/file_writer.h"

namespace kvadrix::tables {
namespace {

[[noreturn]] void ThrowSystemError(int error_number) { throw Error(SystemErrorText(error_number)); }

// ".jatekosok.xml.<process id>.<count>.tmp": hidden, and never taken for a table file.
std::filesystem::path TemporaryName(const std::filesystem::path& file) {
  static std::atomic<unsigned> counter{0};
  return FolderOf(file) / (std::string(".") + file.filename().string() + std::string(".") +
                           std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp");
}

bool ParseDecimal(std::string_view text, long long& value) {
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

// The process that wrote a temporary name of the file, or -1 for any other name.
pid_t TemporaryOwner(std::string_view name, std::string_view file_name) {
  const std::string prefix = std::string(".") + std::string(file_name) + ".";
  constexpr std::string_view kSuffix = ".tmp";
  if (name.size() <= prefix.size() + kSuffix.size() || !name.starts_with(prefix) ||
      !name.ends_with(kSuffix)) {
    return -1;
  }
  name = name.substr(prefix.size(), name.size() - prefix.size() - kSuffix.size());
  const size_t dot = name.find('.');
  long long pid, count;
  if (dot == std::string_view::npos || !ParseDecimal(name.substr(0, dot), pid) ||
      !ParseDecimal(name.substr(dot + 1), count) || pid == 0 || pid > INT32_MAX) {
    return -1;
  }
  return static_cast<pid_t>(pid);
}

// A save killed half way leaves its temporary file behind. Saves of one process run one at a
// time, so one of this process is stale too; one of another running process is its own affair.
void RemoveStaleTemporaries(const std::filesystem::path& file, FileWriter& writer) {
  std::error_code error;
  const std::string file_name = file.filename().string();
  for (std::filesystem::directory_iterator entry(FolderOf(file), error), end;
       !error && entry != end; entry.increment(error)) {
    const pid_t owner = TemporaryOwner(entry->path().filename().string(), file_name);
    if (owner < 0) continue;
    if (owner == ::getpid() || (::kill(owner, 0) != 0 && errno == ESRCH)) {
      writer.Unlink(entry->path());  // failing here only leaves the litter in place
    }
  }
}

// Closed by the writer that opened it; reading needs none.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd, FileWriter* writer = nullptr) : writer_(writer), fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ < 0) return;
    if (writer_ != nullptr) {
      writer_->Close(fd_);
    } else {
      ::close(fd_);
    }
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  FileWriter* writer_;
  int fd_;
};

void WriteAll(FileWriter& writer, int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = writer.Write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      ThrowSystemError(errno);
    }
    if (written == 0) ThrowSystemError(ENOSPC);  // no progress: nothing more fits
    bytes.remove_prefix(static_cast<size_t>(written));
  }
}

// Where the kernel cannot copy between the two files, the bytes pass through memory.
bool CopyUnsupported(int error_number) {
  return error_number == EXDEV || error_number == ENOSYS || error_number == EOPNOTSUPP ||
         error_number == EINVAL;
}

[[noreturn]] void ThrowChangedMeanwhile() { throw Error("a fájl időközben megváltozott"); }

// Starts the disk writing what is written so far, piece by piece, so that the flush at the end
// waits for the last piece only rather than for the whole file.
class EarlyWriteback {
 public:
  static constexpr uint64_t kStep = uint64_t{4} << 20;
  explicit EarlyWriteback(int fd) : fd_(fd) {}
  void Wrote(uint64_t size) {
    written_ += size;
    if (written_ - started_ < kStep) return;
    ::sync_file_range(fd_, static_cast<off_t>(started_), static_cast<off_t>(written_ - started_),
                      SYNC_FILE_RANGE_WRITE);  // only a hint: the flush still makes it durable
    started_ = written_;
  }

 private:
  int fd_;
  uint64_t written_ = 0;
  uint64_t started_ = 0;
};

void ReadAndWrite(FileWriter& writer, int from, off_t offset, uint64_t size, int to,
                  EarlyWriteback& writeback) {
  constexpr size_t kChunk = size_t{1} << 20;
  const auto buffer = std::make_unique_for_overwrite<char[]>(std::min<uint64_t>(size, kChunk));
  while (size > 0) {
    const ssize_t got = ::pread(from, buffer.get(), std::min<uint64_t>(size, kChunk), offset);
    if (got < 0) {
      if (errno == EINTR) continue;
      ThrowSystemError(errno);
    }
    if (got == 0) ThrowChangedMeanwhile();  // the old file is shorter than it was
    WriteAll(writer, to, std::string_view(buffer.get(), static_cast<size_t>(got)));
    writeback.Wrote(static_cast<uint64_t>(got));
    offset += got;
    size -= static_cast<uint64_t>(got);
  }
}

void CopyAll(FileWriter& writer, int from, uint64_t offset, uint64_t size, int to,
             EarlyWriteback& writeback) {
  off_t position = static_cast<off_t>(offset);
  while (size > 0) {
    const ssize_t copied =
        writer.CopyRange(from, &position, to, std::min(size, EarlyWriteback::kStep));
    if (copied < 0) {
      if (errno == EINTR) continue;
      if (!CopyUnsupported(errno)) ThrowSystemError(errno);
      ReadAndWrite(writer, from, position, size, to, writeback);
      return;
    }
    if (copied == 0) ThrowChangedMeanwhile();
    writeback.Wrote(static_cast<uint64_t>(copied));
    size -= static_cast<uint64_t>(copied);
  }
}

void WriteSpliced(FileWriter& writer, int old_fd, const SplicedContent& content, int fd) {
  EarlyWriteback writeback(fd);
  for (const SplicedContent::Piece& piece : content.pieces) {
    if (piece.from_old) {
      CopyAll(writer, old_fd, piece.offset, piece.size, fd, writeback);
    } else {
      WriteAll(writer, fd, std::string_view(content.text).substr(piece.offset, piece.size));
      writeback.Wrote(piece.size);
    }
  }
}

// The last descriptor of a replaced file frees its pages and blocks as it closes, which for a
// table of years takes tens of milliseconds; the save does not wait for that.
void CloseInBackground(int fd) {
  try {
    std::thread([fd] { ::close(fd); }).detach();
  } catch (const std::system_error&) {
    ::close(fd);
  }
}

constexpr char kDanglingLink[] = "a szimbolikus link nem létező fájlra mutat";

std::string TooLargeText() {
  return "túl nagy, több mint " + std::to_string(kMaxTableFileBytes >> 20) + " MB";
}

// Why an entry that is not a regular file cannot hold a table.
std::string NotAFileText(mode_t mode) {
  if (S_ISDIR(mode)) return SystemErrorText(EISDIR);
  if (S_ISFIFO(mode)) return "ez egy csővezeték, nem fájl";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "ez egy eszköz, nem fájl";
  if (S_ISSOCK(mode)) return "ez egy foglalat, nem fájl";
  return "ez nem közönséges fájl";
}

// A name that failed to open; a link to nothing is there, not missing.
ReadFailure OpenFailure(const std::filesystem::path& file, int error_number) {
  struct stat info;
  if (error_number == ENOENT && ::lstat(file.c_str(), &info) == 0) return {true, kDanglingLink};
  return {error_number != ENOENT && error_number != ENOTDIR, SystemErrorText(error_number)};
}

// Only a regular file this process may write is replaced, and only a free name is created.
void RequireReplaceable(const std::filesystem::path& file, const struct stat* old_info,
                        int stat_error) {
  if (old_info == nullptr) {
    if (stat_error == ENOENT && !EntryExists(file)) return;
    throw Error(stat_error == ENOENT ? std::string(kDanglingLink) : SystemErrorText(stat_error));
  }
  if (!S_ISREG(old_info->st_mode)) throw Error(NotAFileText(old_info->st_mode));
  if (old_info->st_size > kMaxTableFileBytes) throw Error(TooLargeText());
  // The rename needs only the folder's permission; a file made read-only stays as it is.
  if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) ThrowSystemError(errno);
}

}  // namespace

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : ".";
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

FileIdentity IdentityOf(const struct stat& info) {
  FileIdentity identity;
  identity.present = true;
  identity.device = info.st_dev;
  identity.inode = info.st_ino;
  identity.size = info.st_size;
  identity.modified_ns = info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
  identity.changed_ns = info.st_ctim.tv_sec * 1000000000LL + info.st_ctim.tv_nsec;
  return identity;
}

FileIdentity CurrentIdentity(const std::filesystem::path& file) {
  struct stat info;
  return ::stat(file.c_str(), &info) == 0 ? IdentityOf(info) : FileIdentity{};
}

bool EntryExists(const std::filesystem::path& file) {
  struct stat info;
  // A folder that cannot be searched hides whether the name is there; loading then says why.
  return ::lstat(file.c_str(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::string SystemErrorText(int error_number) {
  switch (error_number) {
    case ENOENT:
      return "a fájl vagy a mappája nem létezik";
    case EACCES:
    case EPERM:
      return "nincs hozzá jogosultság";
    case EISDIR:
      return "ez egy mappa, nem fájl";
    case ENOTDIR:
      return "az útvonal egyik tagja nem mappa";
    case ELOOP:
      return "a szimbolikus linkek körbe mutatnak";
    case ENOSPC:
      return "megtelt a lemez";
    case EDQUOT:
      return "elfogyott a lemezkvóta";
    case EROFS:
      return "a fájlrendszer csak olvasható";
    case EIO:
      return "lemezhiba";
    case ENAMETOOLONG:
      return "túl hosszú a fájlnév";
    case EMFILE:
    case ENFILE:
      return "túl sok a megnyitott fájl";
    default:
      return std::string("rendszerhiba: ") + std::strerror(error_number);
  }
}

FileChunks::~FileChunks() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileChunks::Open(const std::filesystem::path& file, ReadFailure& failure) {
  // A device is not even opened (that alone may do something), and the open does not block, so
  // a pipe put there in the meantime cannot hold the program forever.
  struct stat info;
  if (::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    failure = {true, NotAFileText(info.st_mode)};
    return false;
  }
  fd_ = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0 || ::fstat(fd_, &info) != 0) {
    failure = OpenFailure(file, errno);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    failure = {true, NotAFileText(info.st_mode)};
    return false;
  }
  identity_ = IdentityOf(info);
  if (info.st_size > kMaxTableFileBytes) {
    failure = {true, TooLargeText()};
    return false;
  }
  return true;
}

bool FileChunks::Read(char* buffer, size_t size, size_t& got, ReadFailure& failure) {
  while (true) {
    const ssize_t count = ::read(fd_, buffer, size);
    if (count < 0) {
      if (errno == EINTR) continue;
      failure = {true, SystemErrorText(errno)};
      return false;
    }
    got = static_cast<size_t>(count);
    read_ += got;
    if (read_ > static_cast<uint64_t>(kMaxTableFileBytes)) {  // the file grew while it was read
      failure = {true, TooLargeText()};
      return false;
    }
    return true;
  }
}

bool ReadWholeFile(const std::filesystem::path& file, FileBytes& bytes, ReadFailure& failure) {
  FileChunks chunks;
  if (!chunks.Open(file, failure)) {
    if (chunks.Identity().present) bytes.identity = chunks.Identity();
    return false;
  }
  bytes.identity = chunks.Identity();
  size_t capacity = static_cast<size_t>(bytes.identity.size) + 1;  // one spare byte shows the end
  bytes.data = std::make_unique_for_overwrite<char[]>(capacity);
  bytes.size = 0;
  while (true) {
    if (bytes.size == capacity) {  // the file grew while it was read
      const size_t larger_capacity =
          std::min(capacity * 2, static_cast<size_t>(kMaxTableFileBytes) + 1);
      auto larger = std::make_unique_for_overwrite<char[]>(larger_capacity);
      std::memcpy(larger.get(), bytes.data.get(), bytes.size);
      bytes.data = std::move(larger);
      capacity = larger_capacity;
    }
    size_t got = 0;
    if (!chunks.Read(bytes.data.get() + bytes.size, capacity - bytes.size, got, failure)) {
      return false;
    }
    if (got == 0) return true;
    bytes.size += got;
  }
}

namespace {

// The new content, written to the temporary file by write_content.
PreparedFile PrepareWith(const std::filesystem::path& link_or_file, bool owner_only,
                         const std::function<void(FileWriter&, int)>& write_content) {
  // Through a symbolic link the file it points to is replaced, not the link.
  struct stat link_info;
  std::filesystem::path file = link_or_file;
  if (::lstat(link_or_file.c_str(), &link_info) == 0 && S_ISLNK(link_info.st_mode)) {
    std::error_code error;
    file = std::filesystem::weakly_canonical(link_or_file, error);
    if (error) ThrowSystemError(error.value());
  }
  struct stat old_info;
  const bool replacing = ::stat(file.c_str(), &old_info) == 0;
  RequireReplaceable(file, replacing ? &old_info : nullptr, replacing ? 0 : errno);
  FileWriter& writer = CurrentFileWriter();
  RemoveStaleTemporaries(file, writer);
  const std::filesystem::path temporary = TemporaryName(file);
  const mode_t create_mode = owner_only ? 0600 : 0666;
  FileDescriptor fd(writer.Open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, create_mode),
                    &writer);
  if (fd.get() < 0) ThrowSystemError(errno);
  try {
    if (owner_only || replacing) {
      const mode_t mode = owner_only ? 0600 : (old_info.st_mode & 07777);
      if (writer.ChangeMode(fd.get(), mode) != 0) ThrowSystemError(errno);
    }
    write_content(writer, fd.get());
    if (writer.Sync(fd.get()) != 0) ThrowSystemError(errno);
    if (writer.Close(fd.Release()) != 0) ThrowSystemError(errno);
  } catch (...) {
    writer.Unlink(temporary);
    throw;
  }
  return PreparedFile{file, temporary};
}

}  // namespace

struct ContentStream::Progress {
  explicit Progress(int fd) : writeback(fd) {}
  EarlyWriteback writeback;
};

ContentStream::ContentStream(FileWriter& writer, int fd)
    : writer_(writer), fd_(fd), progress_(std::make_unique<Progress>(fd)) {}

ContentStream::~ContentStream() = default;

void ContentStream::Write(std::string_view piece) {
  for (std::string_view rest = piece; !rest.empty();) {
    const std::string_view step = rest.substr(0, EarlyWriteback::kStep);
    WriteAll(writer_, fd_, step);
    progress_->writeback.Wrote(step.size());
    rest.remove_prefix(step.size());
  }
}

PreparedFile PrepareReplacement(const std::filesystem::path& link_or_file,
                                const ContentWriter& write, bool owner_only) {
  return PrepareWith(link_or_file, owner_only, [&write](FileWriter& writer, int fd) {
    ContentStream stream(writer, fd);
    write(stream);
  });
}

PreparedFile PrepareReplacement(const std::filesystem::path& link_or_file, std::string_view bytes,
                                bool owner_only) {
  return PrepareReplacement(
      link_or_file, [bytes](ContentStream& stream) { stream.Write(bytes); }, owner_only);
}

FileIdentity CommitReplacement(const PreparedFile& prepared) {
  if (CurrentFileWriter().Rename(prepared.temporary, prepared.target) != 0) {
    ThrowSystemError(errno);
  }
  SyncFolder(FolderOf(prepared.target));
  return CurrentIdentity(prepared.target);
}

FileIdentity ReplaceFileAtomically(const std::filesystem::path& link_or_file,
                                   std::string_view bytes, bool owner_only) {
  return ReplaceFileAtomically(
      link_or_file, [bytes](ContentStream& stream) { stream.Write(bytes); }, owner_only);
}

FileIdentity ReplaceFileAtomically(const std::filesystem::path& link_or_file,
                                   const ContentWriter& write, bool owner_only) {
  const PreparedFile prepared = PrepareReplacement(link_or_file, write, owner_only);
  try {
    return CommitReplacement(prepared);
  } catch (...) {
    CurrentFileWriter().Unlink(prepared.temporary);
    throw;
  }
}

std::optional<FileIdentity> ReplaceFileBySplice(const std::filesystem::path& link_or_file,
                                                const SplicedContent& content,
                                                const FileIdentity& expected, bool owner_only) {
  FileDescriptor old_fd(::open(link_or_file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat old_info;
  if (old_fd.get() < 0 || ::fstat(old_fd.get(), &old_info) != 0 || !S_ISREG(old_info.st_mode) ||
      IdentityOf(old_info) != expected) {
    return std::nullopt;
  }
  const PreparedFile prepared = PrepareWith(
      link_or_file, owner_only,
      [&](FileWriter& writer, int fd) { WriteSpliced(writer, old_fd.get(), content, fd); });
  FileIdentity identity;
  try {
    identity = CommitReplacement(prepared);
  } catch (...) {
    CurrentFileWriter().Unlink(prepared.temporary);
    throw;
  }
  CloseInBackground(old_fd.Release());
  return identity;
}

}  // namespace kvadrix::tables
