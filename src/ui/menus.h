// Menus: TMenuItem trees built into platform menus, the form's TMainMenu and TPopupMenu,
// with owner drawing through OnDrawItem and OnMeasureItem.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/component.h"

class TMenu;
class TImageList;

using TMenuDrawItemEvent = std::function<void(TObject*, TCanvas&, RECT, bool)>;
using TMenuMeasureItemEvent = std::function<void(TObject*, TCanvas&, int&, int&)>;

// Virtual key plus modifier bits.
using TShortCut = std::uint16_t;
// Command identifiers of menu items stay below this: higher numbers belong to the platform's
// system commands, and owner-drawn items of the range reach their item through its data.
inline constexpr unsigned kMaxMenuCommand = 4095;
inline constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
std::wstring ShortCutToText(TShortCut shortcut);

class TMenuItem : public TComponent {
  CORVANA_CLASS(TMenuItem)

public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  std::wstring Caption() const { return FCaption; }
  void SetCaption(const std::wstring& caption);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  // A checked radio item shows a bullet instead of a check mark.
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value);
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  int ShortCut() const { return FShortCut; }
  void SetShortCut(int shortcut);
  std::wstring Hint() const { return FHint; }
  void SetHint(const std::wstring& hint) { FHint = hint; }
  bool IsLine() const { return FCaption == L"-"; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  void Delete(int index);
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;
  TMenu* GetParentMenu() const;

  // The command identifier of an item without sub-items.
  UINT Command() const { return FCommand; }
  // The handle of the item's drop-down menu (items with sub-items), once built.
  HMENU Handle();
  // The handle of the menu that holds the item (its parent's drop-down, or the root menu's).
  HMENU ParentMenuHandle();
  TMenuItem* FindCommand(UINT command);
  TMenuItem* FindHandle(HMENU menu);

  virtual void Click();
  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  // Owner drawing: the handler, or plain text.
  void DrawItem(TCanvas& canvas, RECT rect, bool selected);
  void MeasureItem(TCanvas& canvas, int& width, int& height);

  bool AcceptChild(TComponent* child) override;
  void GetChildren(std::vector<TComponent*>& children) const override;
  bool HasParent() const override { return FParent != nullptr; }

protected:
  void BeforeDestruction() override;

private:
  friend class TMenu;
  // The items below changed: the platform menu is built anew.
  void Changed();
  // Only this item's text or state changed: a built menu takes it in place.
  void Restated();
  bool UpdateBuiltItem();
  MENUITEMINFOW ItemInfo(std::wstring& text, bool ownerDraw, bool rightToLeft) const;
  void Build(HMENU into, bool ownerDraw, bool rightToLeft);

  std::wstring FCaption;
  std::wstring FHint;
  bool FChecked = false, FRadioItem = false, FDefault = false, FEnabled = true, FVisible = true;
  int FImageIndex = -1;
  int FShortCut = 0;
  UINT FCommand = 0;
  HMENU FHandle = nullptr;  // part of the root menu's handle tree
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
};

class TMenu : public TComponent {
  CORVANA_CLASS(TMenu)

public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return FItems; }
  // The platform menu, built from the items on first use and after every change.
  HMENU Handle();
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images) { FImages = images; }
  // A right-to-left menu is built with its items ordered and aligned from the right.
  bool RightToLeft() const { return FRightToLeft; }
  void SetRightToLeft(bool value);

  TMenuItem* FindItem(UINT command) const { return FItems->FindCommand(command); }
  TMenuItem* FindHandle(HMENU menu) const { return FItems->FindHandle(menu); }
  // Raises the item's click for a WM_COMMAND identifier; false when no item has it.
  bool DispatchCommand(UINT command);

  bool AcceptChild(TComponent* child) override;
  void GetChildren(std::vector<TComponent*>& children) const override { FItems->GetChildren(children); }
  // The items changed: the platform menu is built anew.
  virtual void MenuChanged();
  // Items' texts or states changed in the built menu: whoever shows it is told.
  virtual void ItemsRestated() {}
  // Changes between BeginUpdate and the last EndUpdate build the platform menu once, at the end
  // (each build puts a new menu on the form's window, which realigns its whole client).
  void BeginUpdate() { ++FUpdating; }
  void EndUpdate();
  bool Updating() const { return FUpdating > 0; }

protected:
  virtual HMENU CreateMenuHandle() = 0;
  void BeforeDestruction() override;
  void DestroyMenuHandle();
  // Forgets the platform menu without destroying it; the caller owns what it returns.
  HMENU DetachMenuHandle();

private:
  TMenuItem* FItems;
  HMENU FHandle = nullptr;
  bool FOwnerDraw = false;
  TImageList* FImages = nullptr;
  bool FRightToLeft = false;
  int FUpdating = 0;
  bool FChangedWhileUpdating = false;
  bool FRestatedWhileUpdating = false;
  friend class TMenuItem;
};

class TMainMenu : public TMenu {
  CORVANA_CLASS(TMainMenu)

public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  void MenuChanged() override;
  void ItemsRestated() override;

protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
};

class TPopupMenu : public TMenu {
  CORVANA_CLASS(TPopupMenu)

public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
  // Shows the menu at a screen point and runs the chosen item's click.
  void Popup(int x, int y);
  // The same for an explicit owner window (which gets the menu's messages), e.g. a window
  // that is not the menu owner's form.
  void Popup(int x, int y, HWND owner);
  TNotifyEvent OnPopup;

protected:
  HMENU CreateMenuHandle() override { return CreatePopupMenu(); }
};
