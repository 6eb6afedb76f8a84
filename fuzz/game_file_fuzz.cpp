// The game file as it is loaded from disk: the bytes are written to a file and
// loaded by loadGameFile, through its byte-order mark, line ends and bounds. A
// refused file leaves the game in memory as it was; a loaded one gives the turn
// table its text gives, and holds a turn unless it is white space only.
//
// Input: settings flags (fuzz_settings.h; bit 6: 11 turns), the letter a tile set
// may lack (255: the text is also repeated past the size bound, which is costly
// enough to be kept rare), then the file's bytes.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "dict/word_graph.h"
#include "files/game_file.h"
#include "fuzz_check.h"
#include "fuzz_settings.h"
#include "game/game_state.h"

namespace {

using kwarrel::fuzz::require;
using kwarrel::GameState;
using kwarrel::Turn;

constexpr size_t kHeaderSize = 2;
constexpr int32_t kTotalBefore = 12345;  // no game loaded from a file has it unnoticed

// One scratch file for the run, removed when the run ends; in memory where the
// system offers a folder for that, as writing it is much of the work per input.
const std::string& scratchFile() {
  static const std::string path = [] {
    std::error_code ignored;
    const char* folder = std::filesystem::is_directory("/dev/shm", ignored) ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(folder) + "/kwarrel-fuzz-game-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    require(fd >= 0, "a scratch file can be made");
    ::close(fd);
    return pattern;
  }();
  static const bool removedAtExit = std::atexit([] { std::remove(scratchFile().c_str()); }) == 0;
  (void)removedAtExit;
  return path;
}

void writeFile(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  require(file != nullptr, "the scratch file can be written");
  require(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(), "all bytes written");
  require(std::fclose(file) == 0, "the scratch file is closed");
}

bool sameTurn(const Turn& a, const Turn& b) {
  return a.rack == b.rack && a.word == b.word && a.row == b.row && a.column == b.column &&
         a.horizontal == b.horizontal;
}

// The game in memory before the load: two turns, not recomputed (a refused load
// must not recompute either, so the total stays what it was).
void setGameInMemory(GameState& state) {
  for (Turn& turn : state.turns) turn.clear();
  state.turns[0].rack = "IDNXAET";
  state.turns[0].word = "TAXIEND";
  state.turns[0].row = 8;
  state.turns[0].column = 2;
  state.turns[0].horizontal = 1;
  state.turns[1].rack = "KWEEZBJ";
  state.totalScore = kTotalBefore;
}

bool isWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeaderSize) return 0;
  // Loading recomputes the game and searches the turn in progress; without words
  // the search is quick, so the run spends its time on reading files.
  static const kwarrel::WordGraph noWords;
  static GameState state(noWords);
  static GameState fromText(noWords);
  const uint8_t flags = data[0];
  for (GameState* game : {&state, &fromText}) {
    kwarrel::fuzz::applySettings(*game, flags, 1 + data[1] % 26);
    game->maxTurns = (flags & 64) != 0 ? kwarrel::kMinMaxTurns : kwarrel::kDefaultMaxTurns;
  }
  std::string bytes(reinterpret_cast<const char*>(data) + kHeaderSize, size - kHeaderSize);
  if (data[1] == 0xFF && !bytes.empty()) {
    while (bytes.size() <= kwarrel::kMaxGameFileBytes) bytes += bytes;
  }
  const std::string& path = scratchFile();
  writeFile(path, bytes);
  setGameInMemory(state);
  const std::array<Turn, kwarrel::kTurnSlots> before = state.turns;

  bool turnsLeftOver = false;
  const int result = kwarrel::loadGameFile(state, path, &turnsLeftOver);
  require(result == 0 || result == kwarrel::kNotAGameFile ||
              result == kwarrel::kGameFileTooLarge || result == kwarrel::kGameLineTooLong,
          "a regular file is loaded or refused as a game file");
  require(bytes.size() <= kwarrel::kMaxGameFileBytes || result == kwarrel::kGameFileTooLarge,
          "a file over the bound is refused");
  if (result != 0) {
    require(std::equal(before.begin(), before.end(), state.turns.begin(), sameTurn),
            "a refused file changes no turn");
    require(state.totalScore == kTotalBefore, "a refused file recomputes nothing");
    const std::string message = kwarrel::loadGameMessage(result, path);
    require(message.find(path) != std::string::npos, "the message names the file");
    return 0;
  }

  // The file reads as its text does.
  bool textLeftOver = false;
  kwarrel::readGameText(fromText, bytes, &textLeftOver);
  require(textLeftOver == turnsLeftOver, "the file and its text leave the same turns over");
  int read = 0;
  while (read < state.maxTurns && !state.turns[read].rack.empty()) ++read;
  for (int i = 0; i < state.maxTurns; ++i) {
    require(sameTurn(state.turns[i], fromText.turns[i]), "the file reads as its text");
    require(state.turns[i].rack.empty() || state.turns[i].rack.size() == kwarrel::kRackSize,
            "a rack has 7 letters");
  }
  std::string_view body(bytes);
  if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
  require(read > 0 || std::all_of(body.begin(), body.end(), isWhiteSpace),
          "a file loaded without a turn is white space only");
  require(state.totalScore >= 0, "the loaded game is recomputed");
  return 0;
}
