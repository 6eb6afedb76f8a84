// A club's own word list: where it lives, and loading it through its cached
// graph. The program folder's woordenlijst.txt replaces the built-in list; its
// packed graph is kept beside it as woordenlijst.kwg, so that a start with an
// unchanged list only loads records.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dict/graph_packer.h"
#include "dict/word_folding.h"
#include "dict/word_graph.h"

namespace kwarrel {

constexpr const char* kOwnWordListFile = "woordenlijst.txt";
constexpr const char* kOwnWordGraphFile = "woordenlijst.kwg";

// A list copied into the program folder starts with this line and the name of the
// file it came from, so the name survives the copy; '#' lines are comments.
constexpr std::string_view kListNameLine = "# naam: ";

// Lists larger than this are refused before they are read.
constexpr size_t kMaxWordListBytes = 64u << 20;

// The program folder's woordenlijst.txt, and its cache woordenlijst.kwg.
std::string programFolderWordList();

// Where the packed graph of the list at `listPath` is kept: woordenlijst.kwg
// beside the program folder's list; for any other list a file in the program
// folder's "woordenlijsten" folder named after the list's path.
std::string wordGraphCachePath(const std::string& listPath);

struct OwnWordList {
  std::optional<WordGraph> graph;  // its origin names the list
  bool fromCache = false;
  WordListReading reading;  // when the list was read afresh
  std::string error;        // Dutch, when there is no graph
};

// Loads the list at `listPath`. The graph comes from the cache at `cachePath`
// when the cache belongs to the list as it is now (size, time and checksum) and
// its records are undamaged and pass the checks of the built-in records; else the
// list is read and packed and the cache rewritten (a cache that cannot be written
// costs only time at the next start).
OwnWordList loadOwnWordList(const std::string& listPath, const std::string& cachePath,
                            const PackProgress& progress = {});

// Reads and packs the bytes of a list; `fileName` names it in the graph's origin
// unless the list starts with a name line. Also the cache-less path of the loader.
OwnWordList packWordList(std::string_view bytes, const std::string& fileName,
                         const PackProgress& progress = {});

// The bytes to keep in the program folder for a list named `fileName`: a name
// line, then the list as it is.
std::string programFolderCopy(std::string_view bytes, const std::string& fileName);

// Reads a whole file of at most kMaxWordListBytes; nullopt when it cannot be read.
std::optional<std::string> readWordListFile(const std::string& path);

// The line below the tables of a report of a game played with an own list:
// "Gespeeld met woordenlijst NAAM (N woorden)."; empty for the built-in list.
std::string ownWordListNote(const WordGraph& graph);

// The same line as a paragraph of an HTML report; empty for the built-in list.
std::string ownWordListHtmlNote(const WordGraph& graph);

}  // namespace kwarrel
