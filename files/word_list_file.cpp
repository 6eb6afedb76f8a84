#include "files/word_list_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "files/atomic_file.h"
#include "files/html_text.h"
#include "files/paths.h"
#include "files/program_folder.h"

namespace kwarrel {
namespace {

// The cache: a header that ties it to one state of one list, then the packed
// graph exactly as the built-in one is stored.
constexpr char kCacheMagic[4] = {'K', 'W', 'L', 'C'};
constexpr uint8_t kCacheVersion = 1;
constexpr size_t kCacheHeaderSize = 56;

struct CacheKey {
  uint64_t listSize = 0;
  int64_t listTime = 0;
  uint64_t listChecksum = 0;

  bool operator==(const CacheKey&) const = default;
};

int64_t modificationTime(const std::string& path) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(path, error);
  return error ? 0 : static_cast<int64_t>(time.time_since_epoch().count());
}

// A 64-bit checksum over eight bytes at a time: it catches damage and edits, not
// deliberate forgery, and reads a list of a few megabytes in a millisecond or two.
// Fed piece by piece, so a list need not be held whole to be checked.
class Checksum {
 public:
  void add(std::string_view bytes) {
    for (const char c : bytes) {
      pending_ |= uint64_t{static_cast<uint8_t>(c)} << (8 * pendingCount_);
      if (++pendingCount_ == 8) flush();
    }
    size_ += bytes.size();
  }

  uint64_t finish() {
    flush();
    mix(size_);
    return hash_;
  }

 private:
  void mix(uint64_t chunk) {
    hash_ = (hash_ ^ chunk) * 0x9E3779B97F4A7C15ull;
    hash_ ^= hash_ >> 31;
  }
  void flush() {
    mix(pending_);
    pending_ = 0;
    pendingCount_ = 0;
  }

  uint64_t hash_ = 0x243F6A8885A308D3ull;
  uint64_t pending_ = 0;
  int pendingCount_ = 0;
  uint64_t size_ = 0;
};

uint64_t checksum(std::string_view bytes) {
  Checksum sum;
  sum.add(bytes);
  return sum.finish();
}

// The key of the list at `path` as it is now, read in pieces: a start with an
// unchanged list then touches little more memory than its cache.
std::optional<CacheKey> listKey(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Checksum sum;
  uint64_t size = 0;
  char piece[65536];
  while (in.read(piece, sizeof piece) || in.gcount() > 0) {
    sum.add(std::string_view(piece, static_cast<size_t>(in.gcount())));
    size += static_cast<uint64_t>(in.gcount());
  }
  if (in.bad()) return std::nullopt;
  return CacheKey{size, modificationTime(path), sum.finish()};
}

void putUint64(std::string& out, uint64_t value) {
  for (int shift = 0; shift < 64; shift += 8) {
    out += static_cast<char>((value >> shift) & 0xFFu);
  }
}

uint64_t getUint64(std::string_view bytes, size_t pos) {
  uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[pos + i]);
  return value;
}

// A name as reports and titles show it: printable ASCII, at most 80 characters.
std::string shownName(std::string_view name) {
  std::string shown(name.substr(0, 80));
  for (char& c : shown) {
    if (c < 0x20 || c > 0x7E) c = '_';
  }
  return shown;
}

// The name a list goes by: its name line, else its own file name.
std::string listNameOf(std::string_view bytes, const std::string& fileName) {
  if (bytes.substr(0, kListNameLine.size()) == kListNameLine) {
    std::string_view name = bytes.substr(kListNameLine.size());
    name = name.substr(0, name.find_first_of("\r\n"));
    if (!name.empty()) return shownName(name);
  }
  return fileName.empty() ? std::string(kOwnWordListFile) : shownName(fileName);
}

// The graph in a cache, or nullopt when the cache is not of this list as it is
// now, or is damaged in any way.
std::optional<WordGraph> graphFromCache(std::string_view cache, const CacheKey& key,
                                        size_t& wordCount) {
  if (cache.size() <= kCacheHeaderSize + kGraphHeaderSize) return std::nullopt;
  if (cache.substr(0, 4) != std::string_view(kCacheMagic, 4) ||
      static_cast<uint8_t>(cache[4]) != kCacheVersion) {
    return std::nullopt;
  }
  const CacheKey stored{getUint64(cache, 8), static_cast<int64_t>(getUint64(cache, 16)),
                        getUint64(cache, 24)};
  if (!(stored == key)) return std::nullopt;
  const uint64_t words = getUint64(cache, 32);
  const uint64_t recordsSize = getUint64(cache, 40);
  const std::string_view records = cache.substr(kCacheHeaderSize);
  if (words == 0 || recordsSize != records.size() || getUint64(cache, 48) != checksum(records)) {
    return std::nullopt;
  }
  if (records.substr(0, 4) != std::string_view(kGraphMagic, 4) ||
      static_cast<uint8_t>(records[4]) != kGraphFormatVersion) {
    return std::nullopt;
  }
  std::optional<WordGraph> graph = WordGraph::fromRecords(
      reinterpret_cast<const uint8_t*>(records.data()), records.size());
  if (graph) wordCount = static_cast<size_t>(words);
  return graph;
}

std::string cacheBytes(const CacheKey& key, size_t wordCount, const std::vector<uint8_t>& records) {
  std::string out(kCacheMagic, 4);
  out += static_cast<char>(kCacheVersion);
  out.append(3, '\0');
  putUint64(out, key.listSize);
  putUint64(out, static_cast<uint64_t>(key.listTime));
  putUint64(out, key.listChecksum);
  putUint64(out, wordCount);
  putUint64(out, records.size());
  const std::string_view recordText(reinterpret_cast<const char*>(records.data()), records.size());
  putUint64(out, checksum(recordText));
  out += recordText;
  return out;
}

// Packs the list; on success also hands out the packed records for the cache.
OwnWordList packListBytes(std::string_view bytes, const std::string& fileName,
                          const PackProgress& progress, std::vector<uint8_t>* records) {
  OwnWordList result;
  result.reading = readWordList(bytes);
  if (result.reading.words.empty()) {
    result.error = "de woordenlijst bevat geen bruikbaar woord";
    return result;
  }
  PackedGraph packed = packWordGraph(result.reading.words, progress);
  if (!packed.error.empty()) {
    result.error = packed.error;
    return result;
  }
  result.graph = WordGraph::fromRecords(packed.bytes.data(), packed.bytes.size());
  if (!result.graph) {
    result.error = "de woordgraaf is beschadigd";
    return result;
  }
  result.graph->setOrigin({listNameOf(bytes, fileName), result.reading.words.size()});
  if (records != nullptr) *records = std::move(packed.bytes);
  return result;
}

// The name line at the start of the list, when it has one.
std::string listNameAt(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string first;
  std::getline(in, first);
  return listNameOf(first, bareName(path));
}

OwnWordList unreadableList(const std::string& listPath) {
  OwnWordList unreadable;
  unreadable.error = "kan " + listPath + " niet lezen";
  return unreadable;
}

}  // namespace

std::string programFolderWordList() { return inFolder(programFolder(), kOwnWordListFile); }

std::string wordGraphCachePath(const std::string& listPath) {
  const std::string folder = programFolder();
  if (listPath == programFolderWordList()) return inFolder(folder, kOwnWordGraphFile);
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(listPath, error);
  if (error) absolute = listPath;
  char name[32];
  std::snprintf(name, sizeof name, "%016llx.kwg",
                static_cast<unsigned long long>(checksum(absolute.lexically_normal().string())));
  return inFolder(inFolder(folder, "woordenlijsten"), name);
}

std::optional<std::string> readWordListFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxWordListBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  // Read in one piece: a start with a cached list reads megabytes, and copying
  // them while the text grows would cost more than the reading.
  std::string bytes(static_cast<size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<size_t>(in.gcount()));
  // A file that grew meanwhile is read to its end all the same.
  char more[4096];
  while (in.read(more, sizeof more) || in.gcount() > 0) {
    bytes.append(more, static_cast<size_t>(in.gcount()));
    if (bytes.size() > kMaxWordListBytes) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

OwnWordList packWordList(std::string_view bytes, const std::string& fileName,
                         const PackProgress& progress) {
  return packListBytes(bytes, fileName, progress, nullptr);
}

OwnWordList loadOwnWordList(const std::string& listPath, const std::string& cachePath,
                            const PackProgress& progress) {
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(listPath, error);
  if (error || size > kMaxWordListBytes) return unreadableList(listPath);
  const std::optional<CacheKey> key = listKey(listPath);
  if (!key) return unreadableList(listPath);
  if (const std::optional<std::string> cache = readWordListFile(cachePath)) {
    size_t wordCount = 0;
    if (std::optional<WordGraph> graph = graphFromCache(*cache, *key, wordCount)) {
      OwnWordList cached;
      cached.graph = std::move(graph);
      cached.graph->setOrigin({listNameAt(listPath), wordCount});
      cached.fromCache = true;
      return cached;
    }
  }
  // Packed from the bytes whose key the cache gets, should the list change meanwhile.
  const std::optional<std::string> bytes = readWordListFile(listPath);
  if (!bytes) return unreadableList(listPath);
  const CacheKey bytesKey{bytes->size(), key->listTime, checksum(*bytes)};
  const std::string name = listNameOf(*bytes, bareName(listPath));
  std::vector<uint8_t> records;
  OwnWordList packed = packListBytes(*bytes, name, progress, &records);
  if (packed.graph) {
    std::filesystem::create_directories(std::filesystem::path(cachePath).parent_path(), error);
    writeFileAtomically(cachePath, cacheBytes(bytesKey, packed.reading.words.size(), records));
  }
  return packed;
}

std::string programFolderCopy(std::string_view bytes, const std::string& fileName) {
  std::string copy(kListNameLine);
  copy += listNameOf(bytes, fileName);
  copy += '\n';
  if (bytes.substr(0, kListNameLine.size()) == kListNameLine) {
    const size_t end = bytes.find('\n');
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
  }
  copy += bytes;
  return copy;
}

std::string ownWordListNote(const WordGraph& graph) {
  const WordListOrigin& origin = graph.origin();
  if (origin.isBuiltIn()) return {};
  return "Gespeeld met woordenlijst " + origin.fileName + " (" +
         std::to_string(origin.wordCount) + " woorden).";
}

std::string ownWordListHtmlNote(const WordGraph& graph) {
  const std::string note = ownWordListNote(graph);
  if (note.empty()) return {};
  std::string html = "<p>";
  appendHtmlEscaped(html, note);
  html += "</p>\n";
  return html;
}

}  // namespace kwarrel
