#include "tables/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace kvadrix::tables {
namespace {

FileWriter system_writer;
FileWriter* current_writer = &system_writer;

}  // namespace

int FileWriter::Open(const std::filesystem::path& file, int flags, mode_t mode) {
  return ::open(file.c_str(), flags, mode);
}

int FileWriter::ChangeMode(int fd, mode_t mode) { return ::fchmod(fd, mode); }

ssize_t FileWriter::Write(int fd, const char* data, size_t size) { return ::write(fd, data, size); }

ssize_t FileWriter::CopyRange(int from_fd, off_t* from_offset, int to_fd, size_t size) {
  return ::copy_file_range(from_fd, from_offset, to_fd, nullptr, size, 0);
}

int FileWriter::Sync(int fd) { return ::fsync(fd); }

int FileWriter::Close(int fd) { return ::close(fd); }

int FileWriter::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str());
}

int FileWriter::Unlink(const std::filesystem::path& file) { return ::unlink(file.c_str()); }

FileWriter& CurrentFileWriter() { return *current_writer; }

ScopedFileWriter::ScopedFileWriter(FileWriter& writer) : previous_(current_writer) {
  current_writer = &writer;
}

ScopedFileWriter::~ScopedFileWriter() { current_writer = previous_; }

}  // namespace kvadrix::tables
