// Replacing a file so that a failed write never destroys the previous one.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "files/file_writer.h"

namespace kwarrel {

// The new contents of one file of a group that is replaced together.
struct FileContents {
  std::string path;
  std::string_view bytes;
};

// Replaces every file of `files` together: each new content is written to a
// temporary file beside its target and flushed to disk, and only when all of them
// are written do they take their places. Returns files.size() when everything was
// written, else the index of the file that failed; then the temporaries are gone
// and every target is as it was. (Only a rename refused after every file was
// written, which a sound file system does not do once the targets are checked,
// leaves the files before it replaced.)
//
// A symbolic link is followed to its target, also when that target does not exist
// yet, so the link keeps pointing where it pointed. A replaced file keeps its mode
// and, where the system allows, its owner; a file without write permission in its
// mode is refused, also when the program runs with all rights. A character device
// or a pipe is written in place (a pipe only when a reader is waiting); a folder,
// socket or block device is refused and left as it is.
size_t replaceFiles(std::span<const FileContents> files, FileWriter& writer);

// One file replaced as replaceFiles does it; false (previous file untouched) on
// failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes,
                         FileWriter& writer = realFileWriter());

// Appends `bytes` (one line of a log) with a single write: on a full disk the file
// is cut back to its previous length, so it never ends in part of a line. False
// when the file cannot be opened or written.
bool appendToFile(const std::string& path, std::string_view bytes,
                  FileWriter& writer = realFileWriter());

}  // namespace kwarrel
