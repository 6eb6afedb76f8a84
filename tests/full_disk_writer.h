// A disk that fills up, for the savers' file writer: the first `room` writes and
// flushes go through, the next write takes only part of its bytes, and every call
// after that fails for want of space. Flushes that succeed return at once: this
// disk is only pretended to be slow to forget.
#pragma once

#include <cerrno>
#include <cstddef>

#include "files/file_writer.h"

namespace kwarrel {

class FullDiskWriter : public FileWriter {
 public:
  explicit FullDiskWriter(int room) : room_(room) {}

  long write(int descriptor, const char* data, size_t size) override {
    ++calls_;
    if (calls_ <= room_) return FileWriter::write(descriptor, data, size);
    if (!full_) {
      full_ = true;
      if (size > 1) return FileWriter::write(descriptor, data, size / 2);
    }
    errno = ENOSPC;
    return -1;
  }

  int sync(int) override {
    ++calls_;
    if (calls_ <= room_) return 0;
    full_ = true;
    errno = ENOSPC;
    return -1;
  }

  // Writes and flushes asked for so far.
  int calls() const { return calls_; }

 private:
  int room_;
  int calls_ = 0;
  bool full_ = false;
};

}  // namespace kwarrel
