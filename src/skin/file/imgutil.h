// Bitmap colour utilities of the skin engine: key-colour replacement, mirror, flip, quarter
// turns, colour blending and the cached two-colour gradient fill.
#pragma once

#include "base/win32.h"
#include "skin/file/colour_math.h"
#include "ui/bitmap.h"

// The magenta of skin pictures that is never drawn.
inline constexpr TColor kSkinKeyColour = 0xFF00FF;

// Converts the bitmap to 24 bits per pixel and paints every key-coloured pixel in colour
// (a system colour is resolved first).
void ReplaceKeyColour(TBitmap& bitmap, TColor colour);

// In place, on 24-bit bitmaps only; other formats are left as they are (callers convert
// first), since their rows do not hold three bytes per pixel.
void MirrorHorizontal(TBitmap& bitmap);
void FlipVertical(TBitmap& bitmap);
// Quarter turns counter-clockwise and clockwise: width and height exchange, the result is
// a 24-bit bitmap.
void RotateLeft(TBitmap& bitmap);
void RotateRight(TBitmap& bitmap);

// BlendRgb after resolving system colours (negative values) to their current values.
TColor BlendColours(TColor c1, TColor c2, int weight);

// Fills rect with a gradient from start (top or left) to end (bottom or right), drawing only
// the lines inside the DC's clip box, each in the colour it has in the whole gradient.
void GradientFill(HDC dc, const RECT& rect, TColor start, TColor end, bool vertical);
