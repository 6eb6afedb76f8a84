#include "game/tile_set.h"

namespace kwarrel {

namespace {

// Blank first, then A..Z.
constexpr TileSet kOud = {
    {2, 6, 2, 2, 5, 18, 1, 4, 3, 6, 2, 2, 3, 2, 10, 6, 2, 1, 6, 3, 6, 2, 2, 2, 1, 1, 2},
    {0, 1, 3, 3, 1, 1, 5, 2, 2, 1, 4, 4, 2, 3, 1, 1, 3, 10, 1, 1, 1, 4, 4, 4, 8, 8, 6}};
constexpr TileSet kMiddel = {
    {2, 6, 2, 2, 5, 18, 1, 3, 2, 4, 2, 3, 3, 3, 10, 6, 2, 1, 5, 4, 5, 3, 2, 2, 1, 1, 2},
    {0, 1, 3, 5, 2, 1, 4, 3, 4, 1, 4, 3, 3, 3, 1, 1, 3, 10, 2, 2, 2, 4, 4, 5, 8, 8, 4}};
// The current set: the previous one with an extra F and S.
constexpr TileSet kNieuw = {
    {2, 6, 2, 2, 5, 18, 2, 3, 2, 4, 2, 3, 3, 3, 10, 6, 2, 1, 5, 5, 5, 3, 2, 2, 1, 1, 2},
    {0, 1, 3, 5, 2, 1, 4, 3, 4, 1, 4, 3, 3, 3, 1, 1, 3, 10, 2, 2, 2, 4, 4, 5, 8, 8, 4}};

}  // namespace

const TileSet& tilePreset(TilePreset preset) {
  switch (preset) {
    case TilePreset::Oud:
      return kOud;
    case TilePreset::Middel:
      return kMiddel;
    case TilePreset::Nieuw:
      break;
  }
  return kNieuw;
}

void applyPreset(TilePreset preset, LetterCounts& countTable, LetterCounts& valueTable) {
  const TileSet& tiles = tilePreset(preset);
  countTable = tiles.counts;
  valueTable = tiles.values;
}

}  // namespace kwarrel
