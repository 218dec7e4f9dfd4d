// Tab strip geometry as plain arithmetic.
#include "skin/controls/tab_geometry.h"

namespace {
constexpr std::uint32_t kVerticalTabs = 0x80;  // TCS_VERTICAL
constexpr std::uint32_t kFarSide = 0x2;        // TCS_BOTTOM, and TCS_RIGHT with TCS_VERTICAL
constexpr int kPaneGrowth = 4;
constexpr int kCloseBoxInset = 2, kCloseBoxSize = 6;
constexpr int kScrollerRoom = 21;
}  // namespace

TTabPlacement PlacementOfStyle(std::uint32_t style) {
  const bool vertical = style & kVerticalTabs, far = style & kFarSide;
  if (vertical) return far ? TTabPlacement::Right : TTabPlacement::Left;
  return far ? TTabPlacement::Bottom : TTabPlacement::Top;
}

TTabRect PaneRect(const TTabRect& display, TTabPlacement placement) {
  TTabRect p{display.Left - kPaneGrowth, display.Top - kPaneGrowth, display.Right + kPaneGrowth,
             display.Bottom + kPaneGrowth};
  switch (placement) {
    case TTabPlacement::Top: ++p.Top; break;
    case TTabPlacement::Bottom: --p.Bottom; break;
    case TTabPlacement::Left: ++p.Left; break;
    case TTabPlacement::Right: --p.Right; break;
  }
  return p;
}

TTabRect StripRect(const TTabRect& window, const TTabRect& pane, TTabPlacement placement) {
  switch (placement) {
    case TTabPlacement::Top: return {window.Left, window.Top, window.Right, pane.Top};
    case TTabPlacement::Bottom: return {window.Left, pane.Bottom, window.Right, window.Bottom};
    case TTabPlacement::Left: return {window.Left, window.Top, pane.Left, window.Bottom};
    case TTabPlacement::Right: return {pane.Right, window.Top, window.Right, window.Bottom};
  }
  return {};
}

int StripLength(const TTabRect& strip, TTabPlacement placement) {
  const bool side = placement == TTabPlacement::Left || placement == TTabPlacement::Right;
  return side ? strip.Height() : strip.Width();
}

int StripThickness(const TTabRect& strip, TTabPlacement placement) {
  const bool side = placement == TTabPlacement::Left || placement == TTabPlacement::Right;
  return side ? strip.Width() : strip.Height();
}

TTabRect TabInStrip(const TTabRect& item, TTabPlacement placement, const TTabRect& window, const TTabRect& pane,
                    int stripLength) {
  switch (placement) {
    case TTabPlacement::Top: return {item.Left, item.Top + 1, item.Right, item.Bottom + 1};
    case TTabPlacement::Bottom:
      return {item.Left, item.Top - pane.Bottom - 1, item.Right, item.Bottom - pane.Bottom - 1};
    // Tabs on the left: the strip turns a quarter to the left, so a tab's top end lies at the
    // strip's far end.
    case TTabPlacement::Left:
      return {stripLength - item.Bottom, item.Left, stripLength - item.Top, item.Right};
    case TTabPlacement::Right:
      return {item.Top - 1, window.Right - item.Right, item.Bottom - 1, window.Right - item.Left};
  }
  return item;
}

TTabRect CloseBoxOf(const TTabRect& tab) {
  return {tab.Right - kCloseBoxInset - kCloseBoxSize, tab.Top + kCloseBoxInset, tab.Right - kCloseBoxInset,
          tab.Top + kCloseBoxInset + kCloseBoxSize};
}

bool TabSetTabFits(int usableWidth, int x, int textWidth, bool scrollerVisible) {
  return usableWidth >= x + textWidth + (scrollerVisible ? kScrollerRoom : kTabSetPadding);
}
