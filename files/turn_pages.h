// The page-per-turn report: a chain of linked HTML pages that replays a game turn
// by turn, each page after the first with the maximum of its turn, the last one
// with the turns that missed the maximum.
#pragma once

#include <string>
#include <vector>

#include "files/file_writer.h"
#include "game/game_state.h"

namespace kwarrel {

// What one report run carries from page to page.
struct TurnPagesWriter {
  std::string folder;                  // where pages after the first go, ending in a separator; "" = as given
  std::vector<std::string> missList;   // one entry per turn below its maximum, latest turn first
  int lastPageNumber = 0;              // page that receives the closing part
  std::string standingsLink;           // HTML closing the last page, "" for none: a game
                                       // with players links to its standings page
  std::string failedPath;              // after a failed run: the page that could not be written
};

// Writes page `pageNumber` to `path` and every later page to folder + stem + n + ".htm";
// page 0 also writes the closing part (misses or praise) at the end of the last page.
// With `withMax` each page after page 0 shows the maximum of its turn, which
// recomputes the game with later turns taken out; the turn table is put back,
// but the caller must recompute the game afterwards. The pages replace the old
// ones together: when one cannot be written, none is, and `writer.failedPath`
// names it. Returns whether the chain was written.
bool writeTurnPages(GameState& state, TurnPagesWriter& writer, int pageNumber,
                    const std::string& stem, const std::string& path, bool withMax,
                    FileWriter& files = realFileWriter());

// The same with later pages beside `path`.
bool writeTurnPages(GameState& state, int pageNumber, const std::string& stem,
                    const std::string& path, bool withMax, const std::string& standingsLink = {});

}  // namespace kwarrel
