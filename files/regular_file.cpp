#include "files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace kwarrel {

namespace {

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

int lastError() { return errno != 0 ? errno : EIO; }

}  // namespace

RegularRead readRegularFile(const std::string& path, size_t limit, std::string& bytes, int& error) {
  bytes.clear();
  error = 0;
  errno = 0;
  // Without O_NONBLOCK opening a pipe waits until some program writes to it.
  const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  if (file.fd < 0) {
    error = lastError();
    return RegularRead::Failed;
  }
  struct stat status {};
  if (::fstat(file.fd, &status) != 0) {
    error = lastError();
    return RegularRead::Failed;
  }
  if (S_ISDIR(status.st_mode)) {
    error = EISDIR;
    return RegularRead::Failed;
  }
  if (!S_ISREG(status.st_mode)) return RegularRead::NotRegular;

  // One byte past the limit tells a file that holds more. The size the file
  // gives is only a hint (it may grow while it is read), but spares copies.
  const auto hinted = static_cast<size_t>(std::max<off_t>(status.st_size, 0));
  bytes.reserve(std::min(hinted, limit) + 1);
  std::array<char, 16 * 1024> chunk;
  while (bytes.size() <= limit) {
    const size_t wanted = std::min(chunk.size(), limit + 1 - bytes.size());
    const ssize_t got = ::read(file.fd, chunk.data(), wanted);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = lastError();
      bytes.clear();
      return RegularRead::Failed;
    }
    if (got == 0) break;
    bytes.append(chunk.data(), static_cast<size_t>(got));
  }
  if (bytes.size() > limit) {
    bytes.resize(limit);
    return RegularRead::Truncated;
  }
  return RegularRead::Read;
}

}  // namespace kwarrel
