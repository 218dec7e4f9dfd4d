// The caption of one tab (or header column): an optional image-list icon and the text, aligned
// in the tab, the text ending in an ellipsis when it does not fit.
#pragma once

#include <string>

#include "base/win32.h"
#include "ui/graphics.h"

enum class TCaptionAlign { Left = 0, Centre = 1, Right = 2 };

struct TTabCaption {
  std::wstring Text;
  int ImageIndex = -1;
  HIMAGELIST Images = nullptr;
  TColor Colour = 0;
  bool Enabled = true;
  // Extra DrawText flags (right-to-left reading).
  UINT ReadingFlags = 0;
  // Tabs wrap long words; header captions stay on one line.
  bool WordBreak = true;
};

// Where the icon and the text go inside rect: the icon's left (or -1 for none) and the text box.
struct TCaptionPlacement {
  int IconLeft = -1, IconTop = 0;
  RECT Text{};
};

// The placement rule on measured sizes: x from the alignment (3 for left, centred, or 2 from the
// right) and never below 1; the text box centred vertically.
TCaptionPlacement PlaceCaption(const RECT& rect, TCaptionAlign align, int iconWidth, int textWidth, int textHeight);

// Draws the caption into dc (its selected font) inside rect.
void DrawTabCaption(HDC dc, const RECT& rect, TCaptionAlign align, const TTabCaption& caption);
