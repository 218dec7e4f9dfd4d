// Pure rules of the skinned menu bar and menu items.
#include "skin/form/menu_rules.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr int kItemGap = 10;         // text width plus this per bar item
constexpr int kPlainStart = 6;       // start offset without a menu-bar object
constexpr int kNarrowStart = 12;     // start offset when the band is narrower than the cap
constexpr int kMdiButtonsGap = 5;    // right-to-left items stop this far left of the MDI buttons
constexpr int kGlyphSide = 16;
constexpr int kTextGap = 3;
constexpr unsigned kKeyLeft = 0x25, kKeyRight = 0x27;

}  // namespace

int MenuBarStartOffset(bool hasBarObject, int leftWidth, int rightWidth, bool rightToLeft, int bandWidth, int dpi) {
  if (!hasBarObject) return ScaleByDpi(kPlainStart, dpi);
  const int offset = rightToLeft ? rightWidth + ScaleByDpi(8, dpi) : leftWidth + ScaleByDpi(4, dpi);
  return bandWidth < offset ? ScaleByDpi(kNarrowStart, dpi) : offset;
}

std::vector<TFrameRect> LayoutBarItems(const std::vector<TBarItemMeasure>& items, int start, int bandWidth,
                                       int bandHeight, bool rightToLeft, int rightLimit, int dpi) {
  std::vector<TFrameRect> rects(items.size());
  int x = rightToLeft ? bandWidth - start : start;
  if (rightToLeft && rightLimit >= 0) x = std::min(x, rightLimit - ScaleByDpi(kMdiButtonsGap, dpi));
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i].Visible) continue;
    const int w = items[i].TextWidth;
    const int span = w > 0 ? w + ScaleByDpi(kItemGap, dpi) : w;
    if (rightToLeft) {
      rects[i] = TFrameRect{x - span, 0, x, bandHeight - 1};
      x -= span;
    } else {
      rects[i] = TFrameRect{x, 0, x + span, bandHeight - 1};
      x += span;
    }
  }
  return rects;
}

wchar_t AccelCharOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(caption[i + 1])));
  }
  return 0;
}

int FindAccelIndex(const std::vector<TAccelEntry>& items, wchar_t ch) {
  if (ch == 0) return -1;
  const auto wanted = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].Enabled && items[i].Visible && AccelCharOf(items[i].Caption) == wanted) return static_cast<int>(i);
  }
  return -1;
}

int NeighbourBarIndex(const std::vector<bool>& usable, int from, bool forward) {
  const int n = static_cast<int>(usable.size());
  if (n == 0) return -1;
  int i = std::clamp(from, 0, n - 1);
  for (int step = 0; step < n; ++step) {
    i = forward ? (i + 1) % n : (i + n - 1) % n;
    if (usable[static_cast<size_t>(i)]) return i;
  }
  return -1;
}

TArrowMove MenuLoopArrow(unsigned key, const TMenuLoopView& view) {
  if (key == kKeyLeft && (view.NothingSelected || view.SelectedInBarPopup)) return amPrevious;
  if (key == kKeyRight && (view.NothingSelected || !view.SelectedHasChildren)) return amNext;
  return amNone;
}

unsigned SwapRtlArrow(unsigned key) {
  if (key == kKeyLeft) return kKeyRight;
  if (key == kKeyRight) return kKeyLeft;
  return key;
}

int MenuItemExtraWidth(bool hasMenuItemObject, int menuItemLeftWidth, bool hasImageList, bool popupMenu, int dpi) {
  if (!hasImageList) return ScaleByDpi(35, dpi);
  return (hasMenuItemObject ? menuItemLeftWidth : 0) + ScaleByDpi(popupMenu ? 12 : 10, dpi);
}

TMenuItemLayout MenuItemLayoutOf(const TFrameRect& item, int menuItemLeftWidth, int imageWidth, bool checked,
                                 bool separator, bool rightToLeft, int dpi) {
  const int glyphSide = ScaleByDpi(kGlyphSide, dpi), textGap = ScaleByDpi(kTextGap, dpi);
  int side = imageWidth > 0 ? imageWidth : glyphSide;
  if (checked) side = std::max(side, glyphSide);
  TMenuItemLayout layout;
  const int top = item.Top + 1;
  if (!separator) {
    if (rightToLeft) {
      const int right = item.Right - 1 - menuItemLeftWidth;
      layout.GlyphBox = TFrameRect{right - side, top, right, top + side};
    } else {
      const int left = item.Left + 1 + menuItemLeftWidth;
      layout.GlyphBox = TFrameRect{left, top, left + side, top + side};
    }
  }
  const int edgeLeft = item.Left + 1 + menuItemLeftWidth, edgeRight = item.Right - 1 - menuItemLeftWidth;
  if (rightToLeft) {
    const int boxLeft = separator ? edgeRight - side : layout.GlyphBox.Left;
    layout.TextRect = TFrameRect{item.Left + 1, item.Top, boxLeft - textGap, item.Bottom};
  } else {
    const int boxRight = separator ? edgeLeft + side : layout.GlyphBox.Right;
    layout.TextRect = TFrameRect{boxRight + textGap, item.Top, item.Right - 1, item.Bottom};
  }
  return layout;
}

TSeparatorRows SeparatorRowsOf(int imageHeight, int itemHeight) {
  if (imageHeight <= 0 || itemHeight <= 0) return {};
  const int rows = std::min(imageHeight, itemHeight);
  return TSeparatorRows{imageHeight - rows, rows};
}

TFramePoint BarPopupPoint(const TFrameRect& itemBounds, int windowLeft, int windowTop, bool rightToLeft) {
  return TFramePoint{(rightToLeft ? itemBounds.Right : itemBounds.Left) + windowLeft, itemBounds.Bottom + windowTop};
}
