// The calls through which every save puts bytes on disk, so that a test can make
// any of them fail as a full disk or a failing stick would. The default is the
// real file system.
#pragma once

#include <cstddef>

namespace kwarrel {

class FileWriter {
 public:
  virtual ~FileWriter() = default;

  // As write(2): the number of bytes written, possibly fewer than `size`, or -1
  // with errno set.
  virtual long write(int descriptor, const char* data, size_t size);

  // As fsync(2): 0 once everything written is on the disk, else -1 with errno set.
  virtual int sync(int descriptor);
};

// The real file system. It holds no state, so one object serves every caller.
FileWriter& realFileWriter();

}  // namespace kwarrel
