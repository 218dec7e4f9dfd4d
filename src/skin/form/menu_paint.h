// The skinned menu-item painter shared by the menu-bar popups, the popup menus of forms and
// controls and the skinned system menu: items drawn from the skin's "MenuItem" picture over
// the popup's background, or plainly without one, and their measures.
#pragma once

#include <string>

#include "skin/model/skin_data.h"
#include "ui/canvas.h"
#include "ui/menus.h"

class TImageList;

// What the painter draws of one item; made from a framework item or from a platform menu.
struct TMenuItemView {
  std::wstring Caption;
  bool Enabled = true;
  bool Checked = false;
  bool Radio = false;
  bool Default = false;
  bool RightToLeft = false;
  int ShortCut = 0;
  int ImageIndex = -1;
  TImageList* Images = nullptr;
  // The menu that holds the item: its popup's background is drawn under the item.
  HMENU ParentMenu = nullptr;
};

TMenuItemView ViewOfItem(TMenuItem& item);
// A temporary item from a platform menu: its text (or "-" for none) without the shortcut part.
TMenuItemView ViewOfOsItem(HMENU menu, const std::wstring& text, bool enabled, bool checked);

// The skinned item over the popup's background; the plain painter without a "MenuItem" picture.
void PaintMenuItem(TSkinData* skin, const TMenuItemView& item, TCanvas& canvas, bool selected, const RECT& rect);
// Every item of a platform menu, separators included, with the "MenuItem" frame.
void PaintOsMenuItem(TSkinData* skin, const TMenuItemView& item, TCanvas& canvas, bool selected, const RECT& rect);
void PaintMenuItemPlain(TSkinData* skin, const TMenuItemView& item, TCanvas& canvas, bool selected, const RECT& rect);
// Glyph (image, check or radio mark), caption and shortcut of an item.
void DrawMenuItemContent(TSkinData* skin, const TMenuItemView& item, TCanvas& canvas, bool selected, const RECT& rect);
// The separator from frame 2 of the "MenuItem" picture, magenta transparent.
void DrawMenuSeparator(TSkinData* skin, TCanvas& canvas, const RECT& rect);

// The item's own measure (without its handler) widened for the skinned look.
void MeasureSubMenuItem(TSkinData* skin, TMenuItem& item, TCanvas& canvas, int& width, int& height);
void MeasurePopupItem(TSkinData* skin, TMenuItem& item, TCanvas& canvas, int& width, int& height);
// An item known only from its platform text.
void MeasureOsMenuItem(TSkinData* skin, const std::wstring& text, TCanvas& canvas, int& width, int& height);

// Puts the skinned painter (and measure) on every item of a menu, or takes both off; items
// with a drawing handler of their own keep it (a main menu's top level is drawn by the bar).
void SetSkinnedMenuHandlers(TMenu& menu, TSkinData* skin, bool on, bool popupMenu);

// The platform's menu font on the canvas.
void UseMenuFont(TCanvas& canvas);
// The whole text of a menu item (any length), with the item's type, identifier and submenu in
// info when given; false when the item cannot be read.
bool ReadMenuItem(HMENU menu, UINT position, std::wstring& text, MENUITEMINFOW* info = nullptr);
// The whole text of the item with that command identifier; empty when there is none.
std::wstring MenuStringOf(HMENU menu, UINT command);
