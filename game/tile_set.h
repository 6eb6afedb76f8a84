// The tile set: how many tiles of each letter the bag holds and what each scores.
#pragma once

#include <string_view>

#include "game/letters.h"

namespace kwarrel {

struct TileSet {
  LetterCounts counts{};
  LetterCounts values{};
};

enum class TilePreset { Oud, Middel, Nieuw };

// The built-in distributions: "Oud", "Middel" and "Nieuw" (current, extra F and S).
const TileSet& tilePreset(TilePreset preset);

// Copies a preset's count and value tables over the current ones.
void applyPreset(TilePreset preset, LetterCounts& countTable, LetterCounts& valueTable);

}  // namespace kwarrel
