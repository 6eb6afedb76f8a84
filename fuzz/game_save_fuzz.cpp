// The game text file as the window uses it: read, recompute, save in all four
// forms (listing, listing with maxima, board page, page per turn). Saving leaves
// the game as it was, the saved listing reads back to the same turn table, every
// page of the chain is closed once, and a disk that fills up at any write leaves
// the files of the previous save exactly as they were.
//
// The first three bytes choose the circumstances, the rest is the game text. A
// search is what costs time, so only a few inputs ask for one:
//   byte 0: bits 0-1 tile set (Oud, Middel, Nieuw, Nieuw without one letter),
//           bit 2 blank character '+' instead of '*', bit 3 "1e blanco vervangen" off,
//           bits 4-5 the played turns kept (1..4; 1..2 for the forms with maxima,
//           where every turn is one more search), bit 6 also the drawn turn after
//           them (searched by every recompute), bit 7 see byte 2;
//   byte 1: bits 0-2 the form: listing (0, 1), board page (2, 3), page chain
//           without maxima (4, 5), with maxima (6), listing with maxima (7), each
//           maximum a search; bits 3-7 the letter the tile set without one lacks;
//   byte 2: with bit 7 clear, the writes and flushes that fit on the disk (bits
//           0-4: 0..31); bits 5-6 both set and bit 7 of byte 0 too: the full word
//           list instead of some sixty words (the saving is the same either way,
//           the full list only makes each search take longer).
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "dict/graph_packer.h"
#include "dict/word_graph.h"
#include "files/game_file.h"
#include "files/paths.h"
#include "files/save.h"
#include "files/turn_pages.h"
#include "fuzz_check.h"
#include "game/game_state.h"
#include "game/tile_set.h"
#include "game/turn_cycle.h"
#include "tests/full_disk_writer.h"

namespace {

namespace fs = std::filesystem;
using kwarrel::fuzz::require;
using kwarrel::GameState;
using kwarrel::Turn;

// One scratch folder per run for the saved files, removed when the run ends; in
// memory where the system has such a folder, since replacing files on a disk
// costs more than everything else an input does.
const std::string& scratchFolder() {
  static const std::string folder = [] {
    std::error_code error;
    const bool inMemory = fs::is_directory("/dev/shm", error);
    std::string pattern = inMemory ? "/dev/shm/kwarrel-fuzz-XXXXXX" : "/tmp/kwarrel-fuzz-XXXXXX";
    require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    return pattern + "/";
  }();
  static const bool removedAtExit = [] {
    return std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(scratchFolder(), ignored);
    }) == 0;
  }();
  (void)removedAtExit;
  return folder;
}

std::string fileText(const std::string& path) {
  std::string text;
  const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return text;
  struct stat info {};
  if (::fstat(file, &info) == 0 && info.st_size > 0) {
    text.resize(static_cast<size_t>(info.st_size));
    const long got = ::read(file, text.data(), text.size());
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  }
  ::close(file);
  return text;
}

// Words enough for the searches of the maxima to find something on most boards:
// the words of the seed games and the short words that cross them.
const kwarrel::WordGraph& smallWordGraph() {
  static const kwarrel::WordGraph graph = [] {
    const kwarrel::PackedGraph packed = kwarrel::packWordGraph(
        {"aa", "af", "al", "as", "be", "da", "de", "do", "ee", "eh", "en", "er", "ex", "ga", "ha",
         "he", "hi", "ho", "ik", "in", "ja", "je", "jo", "ka", "ko", "la", "na", "ne", "nu", "oh",
         "om", "op", "os", "pa", "re", "te", "to", "uw", "we", "xi", "ze", "zo", "een", "eet",
         "tax", "taxi", "taxiend", "bezwijke", "vonk", "prach", "prachten", "bic", "tergde",
         "zwijg", "kwee", "kweek", "zaken", "ster", "rest", "tarwe", "quiz", "jacht", "fjord"});
    require(packed.error.empty(), "the small word list packs");
    auto expanded = kwarrel::WordGraph::fromRecords(packed.bytes.data(), packed.bytes.size());
    require(expanded.has_value(), "the small word list expands");
    return std::move(*expanded);
  }();
  return graph;
}

bool sameTurn(const Turn& a, const Turn& b) {
  return a.rack == b.rack && a.word == b.word && a.row == b.row && a.column == b.column &&
         a.horizontal == b.horizontal && a.score == b.score;
}

// The listing writes the turns up to the first without a whole rack, each with its
// word and square when the word has 1..15 characters, else its rack alone.
void requireReadBack(const GameState& saved, const GameState& loaded) {
  for (int i = 0; i < saved.maxTurns; ++i) {
    const Turn& turn = saved.turns[i];
    const Turn& back = loaded.turns[i];
    if (turn.rack.size() != kwarrel::kRackSize) {
      require(back.rack.empty(), "the listing ends where the racks end");
      return;
    }
    require(back.rack == turn.rack, "rack reads back");
    if (!turn.hasWrittenWord()) {
      require(back.word.empty(), "a turn written without its word reads back without one");
      continue;
    }
    require(back.word == turn.word, "word reads back");
    require(back.row == turn.row && back.column == turn.column, "square reads back");
    require(back.horizontal == turn.horizontal, "direction reads back");
  }
}

void chooseCircumstances(GameState& game, uint8_t choice, uint8_t missing) {
  const int preset = choice & 3;
  kwarrel::applyPreset(static_cast<kwarrel::TilePreset>(preset == 3 ? 2 : preset), game.countTable,
                       game.valueTable);
  if (preset == 3) game.countTable[static_cast<size_t>(1 + missing % 26)] = 0;
  game.settings.blankChar = (choice & 4) != 0 ? '+' : '*';
  game.settings.replaceFirstBlank = (choice & 8) == 0;
}

// Keeps the first played turns and, when asked, the drawn turn after them.
void keepTurns(GameState& game, int played, bool drawnToo) {
  int kept = 0;
  while (kept < played && game.turns[kept].rack.size() == kwarrel::kRackSize &&
         game.turns[kept].hasWrittenWord()) {
    ++kept;
  }
  if (drawnToo) ++kept;
  for (int i = kept; i < kwarrel::kTurnSlots; ++i) game.turns[i].clear();
}

struct Form {
  const char* name;
  bool withMax;
};

constexpr Form kForms[8] = {{"spel.txt", false},  {"spel.asc", false}, {"spel.html", false},
                            {"spel.HTML", false}, {"spel.htm", false}, {"spel.HTM", false},
                            {"spel.htm", true},   {"spel.max", true}};

// Saves in one form; the page chain directly, to choose the maxima and see where
// the chain ends.
bool saveForm(GameState& game, const std::string& folder, const Form& form, kwarrel::FileWriter& disk,
              int& lastPage) {
  const std::string path = folder + form.name;
  if (kwarrel::saveFormFor(path) != kwarrel::SaveForm::TurnPages) {
    std::string failedPath;
    const bool written = kwarrel::saveGame(game, path, failedPath, disk);
    require(written == failedPath.empty(), "a failed save names its file, a good one none");
    return written;
  }
  kwarrel::TurnPagesWriter writer;
  writer.folder = folder;
  const bool written = kwarrel::writeTurnPages(game, writer, 0, "spel", path, form.withMax, disk);
  kwarrel::recomputeAfresh(game);
  require(written == writer.failedPath.empty(), "a failed chain names its page, a good one none");
  lastPage = writer.lastPageNumber;
  return written;
}

// Whether `file` is one that saving as `name` replaces: the file itself, or for
// the page chain any page of it.
bool ofTheSameForm(const std::string& file, const std::string& name) {
  if (file == name) return true;
  if (kwarrel::saveFormFor(name) != kwarrel::SaveForm::TurnPages) return false;
  if (file.size() <= 8 || file.compare(0, 4, "spel") != 0) return false;
  if (file.compare(file.size() - 4, 4, ".htm") != 0) return false;
  return file.find_first_not_of("0123456789", 4) == file.size() - 4;
}

// The names in the scratch folder. Read with the system call itself into a buffer
// on the stack: the folder is listed two or three times an input, and opendir's
// large buffer, allocated and poisoned by the sanitizer each time, was a quarter of
// the target's time.
std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  const int listing = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  require(listing >= 0, "the scratch folder can be listed");
  alignas(8) char buffer[4096];
  for (;;) {
    const long got = ::syscall(SYS_getdents64, listing, buffer, sizeof buffer);
    require(got >= 0, "the scratch folder can be read");
    if (got == 0) break;
    for (long at = 0; at < got;) {
      // struct linux_dirent64: inode (8), offset (8), record length (2), type (1), name.
      unsigned short length = 0;
      std::memcpy(&length, buffer + at + 16, sizeof length);
      const std::string_view name(buffer + at + 19);
      if (name != "." && name != "..") names.emplace_back(name);
      at += length;
    }
  }
  ::close(listing);
  return names;
}

// Every file of the scratch folder, with its bytes when it is one that saving as
// `name` may replace and they are asked for.
std::map<std::string, std::string> folderContents(const std::string& folder, const std::string& name,
                                                  bool withBytes) {
  std::map<std::string, std::string> files;
  for (const std::string& file : namesIn(folder)) {
    files[file] = withBytes && ofTheSameForm(file, name) ? fileText(folder + file) : "";
  }
  return files;
}

// The files a save may replace get contents no save writes, so that a failed
// save that replaced them anyway shows. Returns the folder as it is then.
std::map<std::string, std::string> markAsOld(const std::string& folder, const std::string& name) {
  std::map<std::string, std::string> files;
  for (const std::string& file : namesIn(folder)) {
    std::string& old = files[file];
    if (!ofTheSameForm(file, name)) continue;
    old = "oud " + file;
    const int descriptor = ::open((folder + file).c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    require(descriptor >= 0 && ::write(descriptor, old.data(), old.size()) == static_cast<long>(old.size()),
            "an old file can be marked");
    ::close(descriptor);
  }
  return files;
}

void requireClosedChain(const std::string& folder, const std::string& first, int lastPage) {
  for (int page = 0; page <= lastPage; ++page) {
    const std::string name = page == 0 ? first : "spel" + std::to_string(page) + ".htm";
    const std::string text = fileText(folder + name);
    const size_t end = text.find("</BODY></HTML>\n");
    require(end != std::string::npos && end + 15 == text.size(), "every page of the chain ends closed");
  }
  require(!fs::exists(folder + "spel0.htm"), "the closing part goes to a page of the chain");
}

constexpr int kSavedSlots = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static GameState fullGame(kwarrel::builtInWordGraph());
  static GameState smallGame(smallWordGraph());
  static GameState loaded(smallWordGraph());
  const std::string& folder = scratchFolder();
  if (size < 3) return 0;
  // The forms write the best move of a turn and the moves tied with it; a few
  // result slots hold those, and filling eighty is most of a search's work here.
  fullGame.activeSlots = kSavedSlots;
  smallGame.activeSlots = kSavedSlots;
  GameState& game = (data[2] & 0x60) == 0x60 && (data[0] & 0x80) != 0 ? fullGame : smallGame;

  chooseCircumstances(game, data[0], static_cast<uint8_t>(data[1] >> 3));
  const Form& form = kForms[data[1] & 7];
  constexpr int kNoEnd = 1 << 30;
  const int room = (data[2] & 0x80) != 0 ? kNoEnd : data[2] & 31;
  game.maxTurns = kwarrel::kMinMaxTurns;
  kwarrel::readGameText(game, std::string_view(reinterpret_cast<const char*>(data) + 3, size - 3));
  keepTurns(game, 1 + ((data[0] >> 4) & (form.withMax ? 1 : 3)), (data[0] & 0x40) != 0);
  kwarrel::recomputeAfresh(game);
  const std::array<Turn, kwarrel::kTurnSlots> before = game.turns;
  const int32_t total = game.totalScore;

  // A failed save must leave the files as they were; give them contents of
  // their own first, so that a save that replaced them anyway shows. A disk with
  // room for everything cannot fail.
  const auto previous = room != kNoEnd ? markAsOld(folder, form.name) : std::map<std::string, std::string>();
  kwarrel::FullDiskWriter disk(room);
  int lastPage = 0;
  const bool written = saveForm(game, folder, form, disk, lastPage);
  require(written || room != kNoEnd, "every form is saved when the disk has room");
  const auto after = folderContents(folder, form.name, !written);
  if (!written) {
    require(after == previous, "a failed save leaves the old files and no others");
  } else {
    for (const auto& file : after) {
      require(file.first.find(".kwarrel-") != 0, "no temporary file is left behind");
    }
    if (kwarrel::saveFormFor(form.name) == kwarrel::SaveForm::TurnPages) {
      requireClosedChain(folder, form.name, lastPage);
    }
  }
  for (int i = 0; i < game.maxTurns; ++i) {
    require(sameTurn(game.turns[i], before[i]), "saving leaves the turn table as it was");
  }
  require(game.totalScore == total, "saving leaves the total as it was");

  const kwarrel::SaveForm saved = kwarrel::saveFormFor(form.name);
  if (written && (saved == kwarrel::SaveForm::Listing || saved == kwarrel::SaveForm::MaxListing)) {
    loaded.maxTurns = game.maxTurns;
    loaded.settings.blankChar = game.settings.blankChar;
    kwarrel::readGameText(loaded, fileText(folder + form.name));
    requireReadBack(game, loaded);
  }
  return 0;
}
