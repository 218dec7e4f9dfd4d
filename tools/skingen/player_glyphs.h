// The media player's button glyphs: nine pictures in three looks (enabled, disabled, coloured).
#pragma once

#include <string>
#include <vector>

#include "raster.h"

// The transparent colour of the glyphs (olive, 0x008080 as a Windows colour).
inline constexpr Rgb kGlyphOlive{128, 128, 0};
// Ink of the enabled look, and the two inks of the embossed disabled look.
inline constexpr Rgb kGlyphInk{0, 0, 0};
inline constexpr Rgb kGlyphGrey{128, 128, 128};
inline constexpr Rgb kGlyphLight{255, 255, 255};
inline constexpr int kGlyphWidth = 16;
inline constexpr int kGlyphHeight = 14;

struct PlayerGlyph {
  std::string name;  // the resource name, e.g. "EN_MPPLAY"
  Image image;
};

// The button stems in the player's order: play, pause, stop, next, previous, step, back, record, eject.
const std::vector<std::string>& PlayerGlyphStems();
// The colour of a button's coloured look (index in the stem order).
Rgb PlayerGlyphColour(int button);
// All 27 glyphs: "EN_", "DI_" and "CL_" for each stem, in that order. Scale 2 draws them twice
// the size, under the same names (the resource script adds "_2X").
std::vector<PlayerGlyph> MakePlayerGlyphs(int scale = 1);
