#pragma once
// The system calls that replacing a file makes, behind one interface, so tests can put a full
// disk, a failing flush or a failing rename in place of the real file system.
#include <sys/types.h>

#include <filesystem>

namespace kvadrix::tables {

// Each call returns what its system call returns and sets errno the same way; the base class
// is the real file system, so a test overrides only the calls it makes fail.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  virtual int Open(const std::filesystem::path& file, int flags, mode_t mode);
  virtual int ChangeMode(int fd, mode_t mode);
  virtual ssize_t Write(int fd, const char* data, size_t size);
  // copy_file_range from an offset of one file to the position of another.
  virtual ssize_t CopyRange(int from_fd, off_t* from_offset, int to_fd, size_t size);
  virtual int Sync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const std::filesystem::path& from, const std::filesystem::path& to);
  virtual int Unlink(const std::filesystem::path& file);
};

// The writer every save goes through: the real file system unless a ScopedFileWriter is alive.
FileWriter& CurrentFileWriter();

// Puts a writer in place for its lifetime; scopes nest. Saves run on one thread, so this does.
class ScopedFileWriter {
 public:
  explicit ScopedFileWriter(FileWriter& writer);
  ~ScopedFileWriter();
  ScopedFileWriter(const ScopedFileWriter&) = delete;
  ScopedFileWriter& operator=(const ScopedFileWriter&) = delete;

 private:
  FileWriter* previous_;
};

}  // namespace kvadrix::tables
