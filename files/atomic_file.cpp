#include "files/atomic_file.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace kwarrel {

namespace fs = std::filesystem;

namespace {

bool writeAll(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

// Writes and closes; false when any byte did not reach the file.
bool writeAndClose(std::FILE* file, std::string_view bytes) {
  bool written = writeAll(file, bytes);
  written = (std::fflush(file) == 0) && written;
  written = (std::fclose(file) == 0) && written;
  return written;
}

// The file a save really replaces: a symbolic link keeps pointing at its target,
// which gets the new contents.
fs::path targetOf(const std::string& path) {
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(path, error))) return fs::path(path);
  const fs::path resolved = fs::weakly_canonical(path, error);
  return error ? fs::path(path) : resolved;
}

// Creates a new file with a short name of its own in `folder`, never one that
// exists already. Returns nullptr when the folder takes no new file.
std::FILE* createTemporary(const fs::path& folder, fs::path& name) {
  std::mt19937 random(static_cast<std::mt19937::result_type>(
      std::chrono::steady_clock::now().time_since_epoch().count()));
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = folder / (".kwarrel-" + std::to_string(random() % 1000000000u) + ".tmp");
    if (std::FILE* file = std::fopen(name.c_str(), "wbx")) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
  const fs::path target = targetOf(path);
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (fs::is_character_file(status) || fs::is_fifo(status)) {
    // A terminal, a device such as /dev/null or a pipe (/dev/stdout into another
    // program) is written in place, never replaced by a file.
    std::FILE* file = std::fopen(target.c_str(), "wb");
    return file != nullptr && writeAndClose(file, bytes);
  }
  // A folder, a socket or a disk is refused.
  if (fs::exists(status) && !fs::is_regular_file(status)) return false;
  fs::path temporary;
  std::FILE* file = createTemporary(target.parent_path().empty() ? fs::path(".") : target.parent_path(), temporary);
  if (file == nullptr) return false;
  if (!writeAndClose(file, bytes) || std::rename(temporary.c_str(), target.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

bool appendToFile(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return false;
  return writeAndClose(file, bytes);
}

}  // namespace kwarrel
