// TWinSkinMenu and TMenuBtn: the skinned menu bar in the band under the caption of a skinned
// window, one non-client object per top-level menu item, laid out and drawn from the skin's
// menu-bar picture and colours.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/form/caption_buttons.h"
#include "skin/form/menu_rules.h"
#include "skin/model/skin_data.h"
#include "ui/bitmap.h"
#include "ui/menus.h"

class TWinSkinMenu;

class TMenuBtn : public TNCObject {
public:
  TMenuBtn(TWinSkinForm* owner, TWinSkinMenu* bar) : TNCObject(owner), FBar(bar) {}
  // The state-change repaint on the window.
  void Paint() override;
  // The item's strip of the band with its look for the current state, into a DC whose origin
  // is the window's top-left.
  void PaintTo(HDC dc);

  TMenuItem* FrameworkItem = nullptr;
  TSkinData* SkinData = nullptr;
  int Index = 0;
  std::wstring Caption;
  bool ItemEnabled = true;
  HMENU SubMenu = nullptr;
  int Command = 0;

private:
  TWinSkinMenu* FBar;
};

class TWinSkinMenu {
public:
  TWinSkinMenu(TWinSkinForm* owner, TSkinData* data);
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // Items from the window's menu (and the form's main menu); removes the window's menu bar.
  void BuildItems();
  void BuildItemsFromFramework();
  // Items from a new menu handle only (an MDI frame's new menu), then the layout.
  void RebuildFromHandle(HMENU menu);
  // The menu on the window, or the form's own while it keeps a changed menu off the window.
  HMENU WindowMenu() const;
  void PaintMenuBar(HDC dc, const RECT& band);
  void LayoutMenuBar();
  // The first item with a caption whose bounds hold the point (window coordinates).
  TMenuBtn* ItemAt(POINT frame) const;
  // A caption centred in rect, its "&" accelerator underlined.
  void DrawBarCaption(HDC dc, const RECT& rect, const std::wstring& caption, bool enabled);
  // The form's main menu as it is now (none for a bare window).
  TMainMenu* CurrentFrameworkMenu() const;
  TFont& Font() { return FFont; }

  std::vector<std::unique_ptr<TMenuBtn>> Items;
  TMainMenu* FrameworkMenu = nullptr;
  RECT BandRect{};
  TSkinData* SkinData;
  TWinSkinForm* Owner;
  TBitmap BarBackground;
  int ItemCount = 0;
  bool Painting = false;
  HMENU OsMenu = nullptr;

private:
  // Steps 3 and 4 of building: the items of a menu handle, with their framework items.
  void ReadHandleItems(HMENU menu, bool lookUpTextItemsOnly);
  std::vector<TFrameRect> Measure(HDC dc, int bandWidth, int bandHeight, int rightLimit);
  int StartOffset(int bandWidth) const;

  TFont FFont;
};
