// Drawing one frame of a skin picture at any size as a nine-slice (corners unscaled), opaque
// or with magenta transparent.
#pragma once

#include <memory>

#include "skin/model/skin_objects.h"

// Frame frameIndex (1-based) of a strip of frameCount frames, side by side or stacked
// (vertical), built at width x height with unscaled margins; the centre is tiled when tile is
// non-zero, else stretched. An empty picture, a frame count below 1, a frame index outside
// the strip or an empty target give an empty bitmap.
std::unique_ptr<TBitmap> RenderSkinFrame(int width, int height, TBitmap& image, const RECT& margins, bool vertical,
                                         int tile, int frameCount, int frameIndex);

// Renders the frame into rect of the DC, magenta transparent when transparent is set.
void DrawSkinFrame(HDC dc, const RECT& rect, TBitmap& image, const RECT& margins, int tile, int frameCount,
                   int frameIndex, bool transparent);

// The frame of a skin object (side by side frames, its margins and Tile), transparent when
// its Trans is exactly 1; nothing for an inverted rect.
void DrawSkinObject(HDC dc, const RECT& rect, int frameCount, int frameIndex, TDataSkinObject& object);

// Copies a bitmap to the DC at rect's size with pixels of the key colour left out.
void DrawKeyed(HDC dc, const RECT& rect, TBitmap& bitmap, TColor key);
