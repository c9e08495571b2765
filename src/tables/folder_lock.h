#pragma once
// The play folder's lock: every change of a table file is made while holding it, so windows of
// one machine and machines sharing the folder take turns, each re-reading what the others
// saved. An advisory lock on ".kvadrix.lock" (open file description locks: they work between
// processes, between windows of one process, and over network file systems that lock), which
// dies with its holder, so a crashed holder never blocks anyone.
#include <chrono>
#include <filesystem>
#include <string_view>

namespace kvadrix::tables {

inline constexpr std::string_view kLockFileName = ".kvadrix.lock";
inline constexpr std::string_view kFolderBusy =
    "A játékmappát most egy másik ablak vagy gép használja, ezért a változás nem történt meg.\r\n"
    "Kérem, próbálja újra egy kicsit később!";
inline constexpr std::chrono::milliseconds kDefaultLockWait{3000};

class FolderLock {
 public:
  // Waits at most LockWait() for the lock, then throws kvadrix::Error(kFolderBusy). Taking
  // it finishes a change that a killed holder left half done (replace_together.h). Nested
  // locks of one folder in one process share the first one. A folder where the lock file
  // cannot be made (read-only, or without lock support) is used unlocked: nothing can be saved
  // there anyway, and the save says why.
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  std::filesystem::path key_;
};

// How long a lock is waited for: kDefaultLockWait unless a ScopedLockWait is alive (tests).
std::chrono::milliseconds LockWait();
class ScopedLockWait {
 public:
  explicit ScopedLockWait(std::chrono::milliseconds wait);
  ~ScopedLockWait();
  ScopedLockWait(const ScopedLockWait&) = delete;
  ScopedLockWait& operator=(const ScopedLockWait&) = delete;

 private:
  std::chrono::milliseconds previous_;
};

}  // namespace kvadrix::tables
