#include "files/file_writer.h"

#include <unistd.h>

namespace kwarrel {

long FileWriter::write(int descriptor, const char* data, size_t size) {
  return ::write(descriptor, data, size);
}

int FileWriter::sync(int descriptor) { return ::fsync(descriptor); }

FileWriter& realFileWriter() {
  static FileWriter real;
  return real;
}

}  // namespace kwarrel
