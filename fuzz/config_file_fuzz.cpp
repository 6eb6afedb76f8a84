// The configuration file: whatever bytes are read, the settings saved from them
// load back the same. Column widths are saved as the turn list's pixel widths, so
// they come back converted: a share counts as that many pixels, a fixed width as
// its pixels, and on loading the stored pixels become shares of their total.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dict/word_graph.h"
#include "files/config_file.h"
#include "fuzz_check.h"
#include "game/game_state.h"
#include "game/settings.h"
#include "game/tile_set.h"

namespace {

using kwarrel::fuzz::require;
using kwarrel::GameState;
using kwarrel::Settings;

constexpr std::array<int32_t, 6> kLoadDefaultWidths = {10, 27, 27, 13, 10, 15};

// The widths a save with these settings loads back as.
std::array<int32_t, 6> widthsAfterSaveAndLoad(const Settings& settings) {
  const kwarrel::ColumnPixelWidths pixels = kwarrel::nominalColumnWidths(settings);
  std::array<int32_t, 6> widths{};
  int64_t pixelTotal = 0;
  int64_t defaultTotal = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    if (pixels[i] == 0) {
      widths[i] = kLoadDefaultWidths[i];
      defaultTotal += kLoadDefaultWidths[i];
    } else {
      pixelTotal += pixels[i];
    }
  }
  const bool toShares = pixelTotal > 0 && defaultTotal < 100;
  for (size_t i = 0; i < widths.size(); ++i) {
    if (pixels[i] == 0) continue;
    widths[i] = toShares ? static_cast<int32_t>(int64_t{pixels[i]} * 100 / pixelTotal) : -pixels[i];
  }
  return widths;
}

void requireSameKeptSettings(const GameState& a, const GameState& b) {
  const Settings& x = a.settings;
  const Settings& y = b.settings;
  require(x.fonts.coordFont == y.fonts.coordFont && x.fonts.wordFont == y.fonts.wordFont &&
              x.fonts.valueFont == y.fonts.valueFont &&
              x.fonts.turnListFont == y.fonts.turnListFont && x.fonts.bagFont == y.fonts.bagFont,
          "fonts load back");
  require(x.hideValues == y.hideValues && x.alphabeticalDraw == y.alphabeticalDraw,
          "flags load back");
  require(x.labelOffset == y.labelOffset && x.letterOffset == y.letterOffset &&
              x.valueOffset == y.valueOffset,
          "offsets load back");
  require(x.blankChar == y.blankChar, "blank character loads back");
  require(a.countTable == b.countTable && a.valueTable == b.valueTable, "tile set loads back");
  require(x.soundDuration == y.soundDuration && x.soundFrequency == y.soundFrequency,
          "signal tone loads back");
}

// The settings and tile set of a new game: fields a short file leaves out keep them.
void resetKeptSettings(GameState& state) {
  state.settings = Settings{};
  state.countTable = kwarrel::tilePreset(kwarrel::TilePreset::Nieuw).counts;
  state.valueTable = kwarrel::tilePreset(kwarrel::TilePreset::Nieuw).values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static GameState first(kwarrel::builtInWordGraph());
  static GameState second(kwarrel::builtInWordGraph());
  resetKeptSettings(first);
  resetKeptSettings(second);
  const int32_t version =
      kwarrel::decodeSettings(first, std::string_view(reinterpret_cast<const char*>(data), size));
  require(version >= 0 && version <= kwarrel::kConfigVersion, "version read is 0 or 1..7");
  if (version == 0) return 0;

  const std::string saved =
      kwarrel::encodeSettings(first, kwarrel::nominalColumnWidths(first.settings));
  require(saved.size() == kwarrel::kConfigFileSize, "a saved file has the full layout");
  require(kwarrel::decodeSettings(second, saved) == kwarrel::kConfigVersion,
          "a saved file has the current version");
  requireSameKeptSettings(first, second);
  require(second.settings.columnWidths == widthsAfterSaveAndLoad(first.settings),
          "column widths load back converted");
  require(second.valueTable[0] >= 0 && second.valueTable[0] <= 99,
          "the blank keeps a value as read, within the table's range");
  return 0;
}
