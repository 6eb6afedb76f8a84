// Replacing a file so that a failed write never destroys the previous one.
#pragma once

#include <string>
#include <string_view>

namespace kwarrel {

// Writes `bytes` to a new temporary file in the same folder as `path`, then renames
// it over `path`. Returns false (and leaves any previous file untouched) on failure.
// A symbolic link is followed, so its target gets the new contents; a character
// device or a pipe is written in place and a failed write is still reported; a
// folder, socket or block device is refused and left as it is.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

// Appends `bytes` to `path`; false when the file cannot be opened or written.
bool appendToFile(const std::string& path, std::string_view bytes);

}  // namespace kwarrel
