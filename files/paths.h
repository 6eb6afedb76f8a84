// Folder and file names of the files the program reads and writes.
#pragma once

#include <string>

namespace kwarrel {

// The folder part of `path` followed by a separator, or "" for a bare name, so
// that a sibling file can be named relative to the chosen one.
std::string folderOf(const std::string& path);

// The file name of `path` without its folder.
std::string bareName(const std::string& path);

// The file name of `path` without its folder and its last ending ("map/spel.txt"
// -> "spel"); a name that starts with its only dot keeps it.
std::string fileStem(const std::string& path);

// The file `name` in `folder`; just `name` when the folder is "".
std::string inFolder(const std::string& folder, const std::string& name);

}  // namespace kwarrel
