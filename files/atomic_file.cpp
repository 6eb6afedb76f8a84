#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace kwarrel {

namespace fs = std::filesystem;

namespace {

// More links in a row than this are taken for a loop, as the system does.
constexpr int kMaxLinks = 40;

bool writeAll(FileWriter& writer, int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const long written = writer.write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// The file a save really replaces: a symbolic link is followed to its target,
// also when that target does not exist yet, so the link keeps pointing at it.
// Nothing for a loop of links.
std::optional<fs::path> targetOf(const std::string& path) {
  fs::path current(path);
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(current, error))) return current;
    const fs::path next = fs::read_symlink(current, error);
    if (error) return std::nullopt;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return std::nullopt;
}

// A file whose mode gives nobody write permission stays as it is, also for a
// program that runs with all rights and could open it anyway.
bool mayReplace(const fs::path& file, const struct stat& info) {
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

// Opens a device or a pipe for writing. A pipe without a reader would keep the
// open waiting for ever; opened without waiting it fails at once instead. Once
// open, writes wait for the reader as usual.
int openInPlace(const char* path, int flags) {
  const int descriptor = ::open(path, O_WRONLY | O_NONBLOCK | O_CLOEXEC | flags, 0666);
  if (descriptor < 0) return -1;
  const int status = ::fcntl(descriptor, F_GETFL);
  if (status < 0 || ::fcntl(descriptor, F_SETFL, status & ~O_NONBLOCK) < 0) {
    ::close(descriptor);
    return -1;
  }
  return descriptor;
}

// Creates a new file with a short name of its own in `folder`, never one that
// exists already. Returns -1 when the folder takes no new file.
int createTemporary(const fs::path& folder, fs::path& name) {
  std::mt19937 random(static_cast<std::mt19937::result_type>(
      std::chrono::steady_clock::now().time_since_epoch().count()));
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = folder / (".kwarrel-" + std::to_string(random() % 1000000000u) + ".tmp");
    const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0) return descriptor;
    if (errno != EEXIST) return -1;
  }
  return -1;
}

void syncFolder(FileWriter& writer, const fs::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  // Where the file system allows it; the files are in place anyway.
  [[maybe_unused]] const int synced = writer.sync(descriptor);
  ::close(descriptor);
}

// Where the new contents of one file are until they take its place.
struct Pending {
  fs::path target;
  fs::path temporary;   // empty when the target is written in place
  int descriptor = -1;  // the device or pipe written in place, until then
};

// Writes one file's contents to its temporary, on disk and closed, or opens the
// device or pipe that takes them in place. False when the file cannot be written.
bool prepare(const FileContents& file, FileWriter& writer, Pending& pending) {
  const std::optional<fs::path> target = targetOf(file.path);
  if (!target) return false;
  pending.target = *target;
  struct stat info {};
  const bool exists = ::stat(target->c_str(), &info) == 0;
  if (exists && (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))) {
    // A terminal, a device such as /dev/null or a pipe (/dev/stdout into another
    // program) is written in place, never replaced by a file.
    pending.descriptor = openInPlace(target->c_str(), O_TRUNC);
    return pending.descriptor >= 0;
  }
  // A folder, a socket or a disk is refused, and so is a protected file.
  if (exists && (!S_ISREG(info.st_mode) || !mayReplace(*target, info))) return false;

  const fs::path folder = target->parent_path().empty() ? fs::path(".") : target->parent_path();
  const int descriptor = createTemporary(folder, pending.temporary);
  if (descriptor < 0) {
    pending.temporary.clear();
    return false;
  }
  if (exists) {
    // The new file is the old one to everybody who may read it: same owner where
    // the system lets us give it, same mode.
    [[maybe_unused]] const int owned = ::fchown(descriptor, info.st_uid, info.st_gid);
    [[maybe_unused]] const int moded = ::fchmod(descriptor, info.st_mode & 0777);
  }
  // On disk before it replaces the old file, so a power cut leaves one of the two.
  bool written = writeAll(writer, descriptor, file.bytes) && writer.sync(descriptor) == 0;
  written = (::close(descriptor) == 0) && written;
  return written;
}

void discard(std::vector<Pending>& pending) {
  for (Pending& file : pending) {
    if (file.descriptor >= 0) ::close(file.descriptor);
    file.descriptor = -1;
    if (!file.temporary.empty()) ::unlink(file.temporary.c_str());
    file.temporary.clear();
  }
}

}  // namespace

size_t replaceFiles(std::span<const FileContents> files, FileWriter& writer) {
  std::vector<Pending> pending(files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    if (!prepare(files[i], writer, pending[i])) {
      discard(pending);
      return i;
    }
  }
  // Everything is written: devices and pipes take their bytes, then the files take
  // their places.
  for (size_t i = 0; i < files.size(); ++i) {
    Pending& file = pending[i];
    if (file.descriptor < 0) continue;
    bool written = writeAll(writer, file.descriptor, files[i].bytes);
    written = (::close(file.descriptor) == 0) && written;
    file.descriptor = -1;
    if (!written) {
      discard(pending);
      return i;
    }
  }
  std::vector<fs::path> folders;
  for (size_t i = 0; i < files.size(); ++i) {
    Pending& file = pending[i];
    if (file.temporary.empty()) continue;
    if (::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
      discard(pending);
      return i;
    }
    file.temporary.clear();
    fs::path folder = file.target.parent_path().empty() ? fs::path(".") : file.target.parent_path();
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
      folders.push_back(std::move(folder));
    }
  }
  for (const fs::path& folder : folders) syncFolder(writer, folder);
  return files.size();
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, FileWriter& writer) {
  const FileContents file{path, bytes};
  return replaceFiles(std::span(&file, 1), writer) == 1;
}

bool appendToFile(const std::string& path, std::string_view bytes, FileWriter& writer) {
  const int descriptor = openInPlace(path.c_str(), O_APPEND | O_CREAT);
  if (descriptor < 0) return false;
  struct stat info {};
  const bool regular = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
  // One write: the line is never split by the program itself, and a write that a
  // full disk cut short is taken back.
  const long written = writer.write(descriptor, bytes.data(), bytes.size());
  const bool whole = written >= 0 && static_cast<size_t>(written) == bytes.size();
  if (!whole && written > 0 && regular) {
    [[maybe_unused]] const int cut = ::ftruncate(descriptor, info.st_size);
  }
  return (::close(descriptor) == 0) && whole;
}

}  // namespace kwarrel
