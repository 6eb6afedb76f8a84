// The configuration file "Kwar2002.cfg": fonts, offsets, column widths, draw
// display, blank character, tile set and signal tone, kept between runs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/game_state.h"

namespace kwarrel {

constexpr int32_t kConfigVersion = 7;
constexpr size_t kConfigFileSize = 603;
inline constexpr const char* kConfigFileName = "Kwar2002.cfg";
inline constexpr const char* kOldConfigFileName = "Kwarrel.cfg";  // read, never written

// Bounds of a loaded column width: a share of at most ten list widths, a fixed
// width of at most this many pixels. Keeps the window's arithmetic in range.
constexpr int32_t kMaxColumnShare = 1000;
constexpr int32_t kMaxColumnPixels = 32767;

using ColumnPixelWidths = std::array<int32_t, 6>;

// The version-7 bytes of the settings; the column widths are the turn list's
// current pixel widths, stored negated.
std::string encodeSettings(const GameState& state, const ColumnPixelWidths& pixelWidths);

// Reads a configuration file's bytes into the settings and tile set. Returns the
// version read, or 0 when the file is refused as a whole (no version, or one
// outside 1..7). Fields after the end of a short file keep their values.
int32_t decodeSettings(GameState& state, std::string_view bytes);

// Reads "Kwar2002.cfg" (else "Kwarrel.cfg") in `folder`; an older version is
// rewritten at once as version 7 under "Kwar2002.cfg". True when a file was read.
bool loadSettings(GameState& state, const std::string& folder = ".");

// Writes "Kwar2002.cfg" in `folder`, replacing the old file only when the new
// one is complete. False when it could not be written.
bool saveSettings(const GameState& state, const ColumnPixelWidths& pixelWidths,
                  const std::string& folder = ".");

// Pixel widths for saving when no turn list is at hand: a share counts as that
// many pixels and a fixed width as its own pixels, so the proportions survive.
ColumnPixelWidths nominalColumnWidths(const Settings& settings);

}  // namespace kwarrel
