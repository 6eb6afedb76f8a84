#include "files/paths.h"

#include <filesystem>

namespace kwarrel {

namespace {

#ifdef _WIN32
constexpr const char* kSeparators = "/\\";
#else
constexpr const char* kSeparators = "/";
#endif

}  // namespace

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of(kSeparators);
  if (slash == std::string::npos) return std::string();
  return path.substr(0, slash + 1);
}

std::string bareName(const std::string& path) {
  const size_t slash = path.find_last_of(kSeparators);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string fileStem(const std::string& path) {
  const std::string name = bareName(path);
  const size_t dot = name.rfind('.');
  return (dot == std::string::npos || dot == 0) ? name : name.substr(0, dot);
}

std::string inFolder(const std::string& folder, const std::string& name) {
  return (std::filesystem::path(folder) / name).string();
}

}  // namespace kwarrel
