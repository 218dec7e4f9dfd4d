// The geometry of a skinned tab strip as pure functions: where the tabs sit, the strip and the
// page border, each tab's rectangle in the strip (which is composed lying flat and turned for
// tabs at the sides), the close box, and the tab-set rule of which tabs fit. Plain integers
// only, so the rules are tested natively.
#pragma once

#include <cstdint>

struct TTabRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  bool operator==(const TTabRect&) const = default;
};

enum class TTabPlacement : std::uint8_t { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// From the tab window's style bits: TCS_VERTICAL (0x80) and TCS_BOTTOM/TCS_RIGHT (2).
TTabPlacement PlacementOfStyle(std::uint32_t style);

// The page border: the display area grown by 4 and moved one pixel into the tab row's side.
TTabRect PaneRect(const TTabRect& display, TTabPlacement placement);

// The tab row between the window's edge and the page border.
TTabRect StripRect(const TTabRect& window, const TTabRect& pane, TTabPlacement placement);

// The strip is drawn lying flat: its length along the tabs and its thickness across them.
int StripLength(const TTabRect& strip, TTabPlacement placement);
int StripThickness(const TTabRect& strip, TTabPlacement placement);

// A tab's rectangle (client coordinates) mapped into the flat strip's coordinates.
TTabRect TabInStrip(const TTabRect& item, TTabPlacement placement, const TTabRect& window, const TTabRect& pane,
                    int stripLength);

// The close box in a tab's top-right corner.
TTabRect CloseBoxOf(const TTabRect& tab);

// A tab of the older tab set is drawn only while it still fits in the usable width: 21 pixels
// stay free for a visible scroller, 9 otherwise.
bool TabSetTabFits(int usableWidth, int x, int textWidth, bool scrollerVisible);
// The width a tab-set tab takes beyond its text.
inline constexpr int kTabSetPadding = 9;
