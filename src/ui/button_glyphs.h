// What glyph buttons share, drawn with or without a skin: where the glyph and the caption go
// for each layout, drawing one glyph of a strip (with a disabled look made from the first),
// and the standard glyphs of the bit button kinds.
#pragma once

#include <string>

#include "ui/bitmap.h"

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
const std::vector<std::string>& ButtonLayoutNames();
// "blGlyphTop" (any case) to its layout; anything else is glyph-left.
TButtonLayout ButtonLayoutOfName(std::string_view name);

struct TGlyphPlacement {
  POINT Glyph{};
  RECT Text{};      // the caption's rectangle, its measured size
  UINT TextFlags = 0;
  int Margin = 0;   // as used
  int Spacing = 0;  // as used
};

// client: the button's size; glyph and text: their sizes (0 x 0 when missing). margin or
// spacing -1 place automatically; centred puts the pair in the middle whatever the margin;
// speedButton: the centring margin of tool buttons is one pixel larger.
TGlyphPlacement PlaceGlyph(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin, int spacing,
                           bool centred, bool speedButton);

// The caption bounds PlaceGlyph measures in: the client inflated by -2, less the glyph's side.
RECT GlyphCaptionBounds(SIZE client, SIZE glyph, TButtonLayout layout);

// Draws glyph number (1-based) of a strip of count glyphs at pos, the bottom-left pixel of the
// strip transparent. Number 2 of a single glyph is that glyph's embossed disabled look; a
// number beyond count draws the first.
void DrawGlyph(HDC dc, POINT pos, int count, int number, TBitmap& strip);

// The glyph size: strip width div count by the strip height (0 x 0 for an empty strip).
SIZE GlyphSize(TBitmap& strip, int count);

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
const std::vector<std::string>& BitBtnKindNames();
// The standard caption of a kind ("OK", "Cancel", "&Help" ...); empty for bkCustom.
std::wstring BitBtnKindCaption(TBitBtnKind kind);
// The dialog result of a kind (mrOk ... mrAll); 0 for custom, help and close.
int BitBtnKindModalResult(TBitBtnKind kind);
// Draws the kind's standard picture into glyph: two 18 x 18 glyphs side by side (normal and
// disabled), olive where transparent. Nothing for bkCustom.
void MakeBitBtnKindGlyph(TBitBtnKind kind, TBitmap& glyph);
