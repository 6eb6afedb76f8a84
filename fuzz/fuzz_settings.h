// Settings a fuzz target takes from its input, so that every target meets the
// tile sets, blank characters and blank rules a club can choose, and the odd
// ones a hand-made configuration file can give.
#pragma once

#include <cstdint>

#include "game/game_state.h"
#include "game/tile_set.h"

namespace kwarrel::fuzz {

// From `flags`: bits 0-1 the tile set (the three presets, or the current one with
// a letter missing), bit 2 the blank character '+' instead of '*', bit 3 "1e
// blanco vervangen" off, bit 4 the alphabetical draw display, bit 5 a blank worth
// 3 points. `missing` is the letter without tiles when the tile set lacks one.
// Every setting is set, so a state kept between inputs starts alike each time.
inline void applySettings(GameState& state, uint8_t flags, int missing) {
  const TilePreset presets[] = {TilePreset::Oud, TilePreset::Middel, TilePreset::Nieuw,
                                TilePreset::Nieuw};
  applyPreset(presets[flags & 3], state.countTable, state.valueTable);
  if ((flags & 3) == 3 && missing >= 1 && missing < kLetterCodes) state.countTable[missing] = 0;
  state.settings.blankChar = (flags & 4) != 0 ? '+' : '*';
  state.settings.replaceFirstBlank = (flags & 8) == 0;
  state.settings.alphabeticalDraw = (flags & 16) != 0 ? 1 : 0;
  state.valueTable[0] = (flags & 32) != 0 ? 3 : 0;
}

}  // namespace kwarrel::fuzz
