// Games and scratch folders shared by the report and listing tests.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "game/draw.h"
#include "game/game_state.h"
#include "game/turn_cycle.h"

namespace kwarrel::report_games {

inline std::unique_ptr<GameState> newGame() {
  auto state = std::make_unique<GameState>(builtInWordGraph());
  state->results.clear();
  recomputeGame(*state);
  return state;
}

inline void recompute(GameState& state) {
  recomputeAfresh(state);
}

// Stores a turn (column as a letter) without recomputing.
inline void setTurn(GameState& state, int index, const std::string& rack, const std::string& word,
                    char column, int row, bool horizontal) {
  Turn& turn = state.turns[index];
  turn.rack = rack;
  turn.word = word;
  turn.column = column - 64;
  turn.row = row;
  turn.horizontal = horizontal ? 1 : 0;
}

// TAXIEND across row 8 from B, BEZWIJKE down column E from row 4 through its I,
// EEN across row 11 from the E of BEZWIJKE.
inline void playThreeTurns(GameState& state) {
  setTurn(state, 0, "IDNXAET", "TAXIEND", 'B', 8, true);
  setTurn(state, 1, "KWEEZBJ", "BEZWIJKE", 'E', 4, false);
  setTurn(state, 2, "ENORSTA", "EEN", 'E', 11, true);
  recompute(state);
}

// What the search offered for one turn: the maximum and the moves reaching it.
struct TurnMaximum {
  int maximum = 0;
  int played = 0;
  std::vector<Move> best;
};

// Plays `count` turns on racks drawn from the seeded bag, each with the search's
// best move, or, for the turn numbers in `missTurns`, with the first move that
// scores less. Stops early when the bag or the search gives out.
inline std::vector<TurnMaximum> playBestMoves(GameState& state, int count,
                                              const std::vector<int>& missTurns = {},
                                              uint32_t seed = 7) {
  state.random.seed(seed);
  std::vector<TurnMaximum> maxima;
  for (int i = 0; i < count; ++i) {
    Turn& turn = state.turns[i];
    turn.rack = drawRack(state);
    if (turn.rack.empty()) break;
    recompute(state);
    if (state.results.empty()) break;
    TurnMaximum& offered = maxima.emplace_back();
    offered.maximum = state.results.front().score;
    for (const Move& move : state.results) {
      if (move.score == offered.maximum) offered.best.push_back(move);
    }
    Move chosen = state.results.front();
    const bool miss =
        std::find(missTurns.begin(), missTurns.end(), i + 1) != missTurns.end();
    if (miss) {
      for (const Move& move : state.results) {
        if (move.score < chosen.score) {
          chosen = move;
          break;
        }
      }
    }
    offered.played = chosen.score;
    turn.play(chosen);
    recompute(state);
  }
  return maxima;
}

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A fresh folder for one test, removed afterwards.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() /
              ("kwarrel-" + name + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline size_t countOf(const std::string& text, const std::string& piece) {
  size_t count = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
    ++count;
  }
  return count;
}

}  // namespace kwarrel::report_games
