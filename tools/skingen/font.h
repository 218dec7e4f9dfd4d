// A built-in 5 x 7 pixel font (digits, capital letters, a few signs) for the labels of the contact sheet.
#pragma once

#include <string>

#include "raster.h"

inline constexpr int kGlyphWidth = 5, kGlyphHeight = 7, kGlyphAdvance = 6;

// Draws text (lower case is shown as capitals, '*' as a multiplication sign, unknown characters as blanks) at (x, y),
// each font pixel as a scale x scale square.
void DrawLabel(Image& image, int x, int y, const std::string& text, Rgb colour, int scale = 1);

int LabelWidth(const std::string& text, int scale = 1);
