// Reading the start of a file without ever waiting: a pipe without a writer or a
// device would keep an ordinary open or read from returning.
#pragma once

#include <cstddef>
#include <string>

namespace kwarrel {

enum class RegularRead {
  Read,        // `bytes` holds the whole file
  Truncated,   // `bytes` holds the first `limit` bytes; the file holds more
  NotRegular,  // a device, pipe or socket: not opened for reading
  Failed,      // cannot be opened or read; `error` tells why
};

// Reads at most `limit` bytes of `path` when it is a regular file (a symbolic link
// is followed). The file is opened without blocking, so a pipe there never waits
// for a writer. A folder fails with EISDIR.
RegularRead readRegularFile(const std::string& path, size_t limit, std::string& bytes, int& error);

}  // namespace kwarrel
