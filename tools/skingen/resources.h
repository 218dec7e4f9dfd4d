// The program's own pictures made with the skin: track channels, menu glyphs and the icon.
#pragma once

#include <vector>

#include "raster.h"
#include "skin.h"

// Scale 2 draws a picture twice the size for high display scales ("TRACK_2X" and so on).

// "TRACK" (16 x 4) and "TRACKVERT" (4 x 16): the track bar channels, drawn with `TrackPalette` only.
Image MakeTrack(const Theme& theme, int scale = 1);
Image MakeTrackVert(const Theme& theme, int scale = 1);
std::vector<Rgb> TrackPalette(const Theme& theme);  // 16 colours

// "REDEDODEVED" (64 x 16, black on white): restore, maximize, minimize, close.
Image MakeMenuGlyphs(int scale = 1);

// The program icon at every size of `IconSizes`, smallest first: a globe with a location pin.
std::vector<RgbaImage> MakeIcon(const Theme& theme);
const std::vector<int>& IconSizes();
