#include "tables/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <utility>

#include "common/error.h"

namespace kvadrix::tables {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

[[noreturn]] void ThrowSystemError(int error_number) { throw Error(SystemErrorText(error_number)); }

std::filesystem::path TemporaryName(const std::filesystem::path& file) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
  return folder / (std::string(".") + file.filename().string() + std::string(".") +
                   std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp");
}

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      ThrowSystemError(errno);
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
}

// The rename is only durable once the folder itself is on disk; failing here loses nothing.
void SyncFolder(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

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

bool ReadWholeFile(const std::filesystem::path& file, FileBytes& bytes, ReadFailure& failure) {
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info;
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
    const int error_number = errno;
    failure = {error_number != ENOENT && error_number != ENOTDIR, SystemErrorText(error_number)};
    return false;
  }
  if (S_ISDIR(info.st_mode)) {
    failure = {true, SystemErrorText(EISDIR)};
    return false;
  }
  size_t capacity = static_cast<size_t>(info.st_size) + 1;  // one spare byte shows the end
  bytes.data = std::make_unique_for_overwrite<char[]>(capacity);
  bytes.size = 0;
  while (true) {
    if (bytes.size == capacity) {  // the file grew while it was read
      auto larger = std::make_unique_for_overwrite<char[]>(capacity * 2);
      std::memcpy(larger.get(), bytes.data.get(), bytes.size);
      bytes.data = std::move(larger);
      capacity *= 2;
    }
    const ssize_t got = ::read(fd.get(), bytes.data.get() + bytes.size, capacity - bytes.size);
    if (got < 0) {
      if (errno == EINTR) continue;
      failure = {true, SystemErrorText(errno)};
      return false;
    }
    if (got == 0) return true;
    bytes.size += static_cast<size_t>(got);
  }
}

void ReplaceFileAtomically(const std::filesystem::path& link_or_file, std::string_view bytes,
                           bool owner_only) {
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
  if (replacing && S_ISDIR(old_info.st_mode)) ThrowSystemError(EISDIR);
  const std::filesystem::path temporary = TemporaryName(file);
  const mode_t create_mode = owner_only ? 0600 : 0666;
  FileDescriptor fd(
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, create_mode));
  if (fd.get() < 0) ThrowSystemError(errno);
  try {
    if (owner_only || replacing) {
      const mode_t mode = owner_only ? 0600 : (old_info.st_mode & 07777);
      if (::fchmod(fd.get(), mode) != 0) ThrowSystemError(errno);
    }
    WriteAll(fd.get(), bytes);
    if (::fsync(fd.get()) != 0) ThrowSystemError(errno);
    if (::close(fd.Release()) != 0) ThrowSystemError(errno);
    if (::rename(temporary.c_str(), file.c_str()) != 0) ThrowSystemError(errno);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
  SyncFolder(file);
}

}  // namespace kvadrix::tables
