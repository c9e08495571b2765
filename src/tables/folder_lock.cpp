#include "tables/folder_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <thread>

#include "common/error.h"
#include "tables/replace_together.h"

namespace kvadrix::tables {
namespace {

// The lock file stays open between changes, so taking the lock costs two fcntl calls. A forked
// child shares the parent's open file and with it the lock, so it opens its own.
struct HeldLock {
  int fd = -1;  // -1: the folder is used unlocked
  pid_t owner = 0;
  int depth = 0;
};

// Saves run on one thread, so this does.
std::map<std::filesystem::path, HeldLock>& HeldLocks() {
  static std::map<std::filesystem::path, HeldLock> held;
  return held;
}

std::filesystem::path KeyOf(const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
  return (error ? folder : absolute).lexically_normal();
}

int OpenLockFile(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / kLockFileName;
  // Non-blocking: whatever sits under that name (a pipe) must not hang the open.
  const int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
  int fd = ::open(file.c_str(), O_RDWR | O_CREAT | flags, 0666);
  if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
    fd = ::open(file.c_str(), O_RDONLY | flags);  // a read lock still keeps writers out
  }
  return fd;
}

// True when locked, false when the file system takes no such locks; throws when busy.
bool Lock(int fd, std::chrono::milliseconds wait) {
  const int mode = ::fcntl(fd, F_GETFL);
  struct flock lock {};
  lock.l_type = (mode & O_ACCMODE) == O_RDONLY ? F_RDLCK : F_WRLCK;
  lock.l_whence = SEEK_SET;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (true) {
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) return true;
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EACCES) return false;
    if (std::chrono::steady_clock::now() >= deadline) throw Error(std::string(kFolderBusy));
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::chrono::milliseconds lock_wait = kDefaultLockWait;

bool StillNamed(int fd, const std::filesystem::path& folder) {
  struct stat open_file, named;
  return ::fstat(fd, &open_file) == 0 && ::lstat((folder / kLockFileName).c_str(), &named) == 0 &&
         open_file.st_ino == named.st_ino && open_file.st_dev == named.st_dev;
}

void Unlock(int fd) {
  if (fd < 0) return;
  struct flock lock {};
  lock.l_type = F_UNLCK;
  lock.l_whence = SEEK_SET;
  ::fcntl(fd, F_OFD_SETLK, &lock);
}

}  // namespace

std::chrono::milliseconds LockWait() { return lock_wait; }
ScopedLockWait::ScopedLockWait(std::chrono::milliseconds wait) : previous_(lock_wait) {
  lock_wait = wait;
}
ScopedLockWait::~ScopedLockWait() { lock_wait = previous_; }

FolderLock::FolderLock(const std::filesystem::path& folder) : key_(KeyOf(folder)) {
  HeldLock& held = HeldLocks()[key_];
  if (held.depth > 0 && held.owner == ::getpid()) {
    ++held.depth;
    return;
  }
  if (held.owner != ::getpid()) {
    if (held.fd >= 0) ::close(held.fd);  // the parent's: closing it here leaves its lock alone
    held = HeldLock{-1, ::getpid(), 0};
  }
  try {
    if (held.fd >= 0 && !StillNamed(held.fd, folder)) {
      ::close(held.fd);  // the lock file was removed: a lock on it would keep nobody out
      held.fd = -1;
    }
    if (held.fd < 0) held.fd = OpenLockFile(folder);
    if (held.fd >= 0 && !Lock(held.fd, lock_wait)) {
      ::close(held.fd);
      held.fd = -1;
    }
    held.depth = 1;
    FinishInterruptedReplacement(folder);
  } catch (...) {
    held.depth = 0;
    Unlock(held.fd);
    throw;
  }
}

FolderLock::~FolderLock() {
  auto found = HeldLocks().find(key_);
  if (found == HeldLocks().end() || found->second.owner != ::getpid()) return;
  if (--found->second.depth == 0) Unlock(found->second.fd);
}

}  // namespace kvadrix::tables
