// The program's own pictures made with the skin: track channels, menu glyphs and the icon.
#pragma once

#include <vector>

#include "raster.h"
#include "skin.h"

// "TRACK" (16 x 4) and "TRACKVERT" (4 x 16): the track bar channels, drawn with `TrackPalette` only.
Image MakeTrack(const Theme& theme);
Image MakeTrackVert(const Theme& theme);
std::vector<Rgb> TrackPalette(const Theme& theme);  // 16 colours

// "REDEDODEVED" (64 x 16, black on white): restore, maximize, minimize, close.
Image MakeMenuGlyphs();

// The program icon at 16, 32 and 48 pixels: a globe with a location pin.
std::vector<RgbaImage> MakeIcon(const Theme& theme);
