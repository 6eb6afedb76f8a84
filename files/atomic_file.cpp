#include "files/atomic_file.h"

#include <cstdio>
#include <string>

namespace kwarrel {

namespace {

bool writeAll(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".tmp~";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = writeAll(file, bytes);
  written = (std::fflush(file) == 0) && written;
  written = (std::fclose(file) == 0) && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

bool appendToFile(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return false;
  bool written = writeAll(file, bytes);
  written = (std::fclose(file) == 0) && written;
  return written;
}

}  // namespace kwarrel
