#pragma once
// A file writer that makes one chosen call fail, as a full disk, a failing flush or a folder
// that cannot be written would; every other call reaches the real file system.
#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "tables/file_writer.h"

namespace kvadrix::tables::testing {

enum class WriterCall { kNone, kOpen, kChangeMode, kWrite, kSync, kClose, kRename };

class FailingWriter : public FileWriter {
 public:
  // A failing write first writes written_before_failure bytes, as a disk filling up does.
  FailingWriter(WriterCall call, int error_number, size_t written_before_failure = 0)
      : call_(call), error_number_(error_number), written_before_(written_before_failure) {}

  // The cleanup of the temporary file fails too: it stays behind.
  void FailUnlink() { fail_unlink_ = true; }

  int Open(const std::filesystem::path& file, int flags, mode_t mode) override {
    return Fails(WriterCall::kOpen) ? -1 : FileWriter::Open(file, flags, mode);
  }
  int ChangeMode(int fd, mode_t mode) override {
    return Fails(WriterCall::kChangeMode) ? -1 : FileWriter::ChangeMode(fd, mode);
  }
  // A full disk fails copies as it fails writes, after the same number of bytes.
  ssize_t Write(int fd, const char* data, size_t size) override {
    if (call_ != WriterCall::kWrite) return FileWriter::Write(fd, data, size);
    return Filling([&](size_t allowed) { return FileWriter::Write(fd, data, allowed); }, size);
  }
  ssize_t CopyRange(int from_fd, off_t* from_offset, int to_fd, size_t size) override {
    if (call_ != WriterCall::kWrite)
      return FileWriter::CopyRange(from_fd, from_offset, to_fd, size);
    const ssize_t copied = Filling(
        [&](size_t allowed) { return FileWriter::CopyRange(from_fd, from_offset, to_fd, allowed); },
        size);
    if (copied == 0) errno = ENOSPC;  // for a copy, 0 would mean the source ended
    return copied == 0 ? -1 : copied;
  }
  int Sync(int fd) override { return Fails(WriterCall::kSync) ? -1 : FileWriter::Sync(fd); }
  int Close(int fd) override {
    const int closed = FileWriter::Close(fd);  // the descriptor is gone even when close fails
    return Fails(WriterCall::kClose) ? -1 : closed;
  }
  int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return Fails(WriterCall::kRename) ? -1 : FileWriter::Rename(from, to);
  }
  int Unlink(const std::filesystem::path& file) override {
    if (!fail_unlink_) return FileWriter::Unlink(file);
    errno = EIO;
    return -1;
  }

 private:
  bool Fails(WriterCall call) const {
    if (call != call_) return false;
    errno = error_number_;
    return true;
  }

  template <typename Put>
  ssize_t Filling(Put put, size_t size) {
    if (written_ < written_before_) {
      const ssize_t done = put(std::min(size, written_before_ - written_));
      if (done > 0) written_ += static_cast<size_t>(done);
      return done;
    }
    errno = error_number_;
    return error_number_ == 0 ? 0 : -1;  // 0: a write that makes no progress
  }

  WriterCall call_;
  int error_number_;
  size_t written_before_;
  size_t written_ = 0;
  bool fail_unlink_ = false;
};

}  // namespace kvadrix::tables::testing
