// The rules of the skinned menu bar and menu items as pure functions: where the bar items go,
// which item an accelerator or an arrow key reaches, and the geometry of a drawn menu item.
#pragma once

#include "base/scale.h"

#include <string>
#include <vector>

#include "skin/form/frame_geometry.h"

// Where the first bar item starts: from the menu-bar object's end cap, or a fixed margin.
// The engine's own gaps are 96-DPI lengths, scaled to dpi like the skin's.
int MenuBarStartOffset(bool hasBarObject, int leftWidth, int rightWidth, bool rightToLeft, int bandWidth,
                       int dpi = kDesignDpi);

// One top-level item as the layout sees it.
struct TBarItemMeasure {
  int TextWidth = 0;
  bool Visible = true;
};

// The item rectangles in band coordinates (0, 0 = the band's top-left), left to right from
// start, or for a right-to-left bar from bandWidth - start (and no further right than
// rightLimit when it is given, for the MDI buttons). An item that is not visible gets an
// empty rectangle.
std::vector<TFrameRect> LayoutBarItems(const std::vector<TBarItemMeasure>& items, int start, int bandWidth,
                                       int bandHeight, bool rightToLeft, int rightLimit = -1, int dpi = kDesignDpi);

// The accelerator of a caption: the character after a single "&" ("&&" is a plain "&"), upper
// case; 0 without one.
wchar_t AccelCharOf(const std::wstring& caption);

// A bar item as the accelerator search sees it.
struct TAccelEntry {
  std::wstring Caption;
  bool Enabled = true;
  bool Visible = true;
};
// The first enabled, visible item whose accelerator is ch (any letter case); -1 for none.
int FindAccelIndex(const std::vector<TAccelEntry>& items, wchar_t ch);

// The neighbouring usable bar item of from, wrapping at the ends; -1 when none is usable.
int NeighbourBarIndex(const std::vector<bool>& usable, int from, bool forward);

// What the menu loop sees of the open popups when an arrow key arrives.
struct TMenuLoopView {
  bool NothingSelected = true;
  // The selected item lies in the popup of the bar item itself (not in a deeper submenu).
  bool SelectedInBarPopup = false;
  bool SelectedHasChildren = false;
};
enum TArrowMove : int { amNone = 0, amPrevious = 1, amNext = 2 };
// Whether an arrow key in the menu loop moves to another bar item: left from the bar item's
// own popup, right from an item without children.
TArrowMove MenuLoopArrow(unsigned key, const TMenuLoopView& view);
// In a right-to-left menu the left and right arrows trade places.
unsigned SwapRtlArrow(unsigned key);

// The extra width of an owner-drawn item beyond its own measure: the skin item's left margin
// and a gap when the menu has images, else room for a check mark.
int MenuItemExtraWidth(bool hasMenuItemObject, int menuItemLeftWidth, bool hasImageList, bool popupMenu,
                       int dpi = kDesignDpi);

// The glyph box and text rectangle of a drawn menu item.
struct TMenuItemLayout {
  TFrameRect GlyphBox;
  TFrameRect TextRect;
};
TMenuItemLayout MenuItemLayoutOf(const TFrameRect& item, int menuItemLeftWidth, int imageWidth, bool checked,
                                 bool separator, bool rightToLeft, int dpi = kDesignDpi);

// The rows of a separator taken from frame 2 of the item picture: its bottom rows, as many as
// the item is high (all rows of a lower picture).
struct TSeparatorRows {
  int Top = 0, Height = 0;
};
TSeparatorRows SeparatorRowsOf(int imageHeight, int itemHeight);

// The rectangle a popup menu opens at below a bar item: its left (right for right-to-left)
// bottom corner in screen coordinates.
struct TFramePoint {
  int X = 0, Y = 0;
};
TFramePoint BarPopupPoint(const TFrameRect& itemBounds, int windowLeft, int windowTop, bool rightToLeft);
