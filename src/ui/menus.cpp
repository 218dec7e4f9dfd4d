// Menu items, menus, the form's main menu and popup menus.
#include "ui/menus.h"

#include <algorithm>
#include <set>

#include "base/error.h"
#include "ui/form.h"

namespace {

// Command identifiers in use; a freed one is given out again.
std::set<UINT>& UsedCommands() {
  static std::set<UINT> used;
  return used;
}

UINT AllocateCommand() {
  auto& used = UsedCommands();
  UINT id = 1;
  for (const UINT u : used) {
    if (u != id) break;
    ++id;
  }
  if (id > kMaxMenuCommand) throw Exception("too many menu items: no free command identifier below 4096");
  used.insert(id);
  return id;
}

void ReleaseCommand(UINT id) { UsedCommands().erase(id); }

}  // namespace

std::wstring ShortCutToText(TShortCut shortcut) {
  std::wstring text;
  if (shortcut & scCtrl) text += L"Ctrl+";
  if (shortcut & scShift) text += L"Shift+";
  if (shortcut & scAlt) text += L"Alt+";
  const UINT key = shortcut & 0xFF;
  if (key == 0) return std::wstring();
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    text += static_cast<wchar_t>(key);
  } else if (key >= VK_F1 && key <= VK_F24) {
    text += L"F" + std::to_wstring(key - VK_F1 + 1);
  } else {
    wchar_t name[64]{};
    const LONG scan = static_cast<LONG>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    if (GetKeyNameTextW(scan, name, 64) > 0) text += name;
    else text += L"?";
  }
  return text;
}

const TClassInfo& TMenuItem::StaticClassInfo() {
  static const TClassInfo info(
      "TMenuItem", &TComponent::StaticClassInfo(),
      {
          props::Wide<TMenuItem>("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
          props::Boolean<TMenuItem>("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
          props::Boolean<TMenuItem>("Default", &TMenuItem::Default, &TMenuItem::SetDefault),
          props::Boolean<TMenuItem>("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem),
          props::Boolean<TMenuItem>("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled),
          props::Wide<TMenuItem>("Hint", &TMenuItem::Hint, &TMenuItem::SetHint),
          props::Integer<TMenuItem>("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex),
          props::Integer<TMenuItem>("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut),
          props::Boolean<TMenuItem>("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible),
          props::Event<TMenuItem>("OnClick", &TMenuItem::OnClick),
      },
      [](TComponent* owner) { return new TMenuItem(owner); });
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(AllocateCommand()) {}

TMenuItem::~TMenuItem() { ReleaseCommand(FCommand); }

void TMenuItem::BeforeDestruction() {
  if (FParent) FParent->Remove(this);
  while (!FItems.empty()) {
    TMenuItem* child = FItems.back();
    FItems.pop_back();
    child->FParent = nullptr;
    child->Free();
  }
  TComponent::BeforeDestruction();
}

void TMenuItem::Changed() {
  TMenu* menu = GetParentMenu();
  if (!menu || menu->IsLoading() || menu->IsDestroying()) return;
  if (menu->Updating())
    menu->FChangedWhileUpdating = true;
  else
    menu->MenuChanged();
}

void TMenuItem::Restated() {
  TMenu* menu = GetParentMenu();
  if (!menu || menu->IsLoading() || menu->IsDestroying()) return;
  if (!UpdateBuiltItem()) {
    Changed();
    return;
  }
  if (menu->Updating())
    menu->FRestatedWhileUpdating = true;
  else
    menu->ItemsRestated();
}

bool TMenuItem::UpdateBuiltItem() {
  if (!FParent) return false;
  TMenu* menu = GetParentMenu();
  const HMENU into = FParent->FParent ? FParent->FHandle : menu->FHandle;
  if (!into || !FVisible) return true;  // not in a built menu: the next build has it
  UINT position = 0;
  for (TMenuItem* sibling : FParent->FItems) {
    if (sibling == this) break;
    if (sibling->FVisible) ++position;
  }
  std::wstring text;
  MENUITEMINFOW info = ItemInfo(text, menu->FOwnerDraw, menu->FRightToLeft);
  info.fMask &= ~static_cast<UINT>(MIIM_ID | MIIM_DATA);
  return SetMenuItemInfoW(into, position, TRUE, &info) != FALSE;
}

MENUITEMINFOW TMenuItem::ItemInfo(std::wstring& text, bool ownerDraw, bool rightToLeft) const {
  text = FCaption;
  if (FShortCut) text += L"\t" + ShortCutToText(static_cast<TShortCut>(FShortCut));
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
  info.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
  if (FRadioItem) info.fType |= MFT_RADIOCHECK;
  if (ownerDraw) info.fType |= MFT_OWNERDRAW;
  if (rightToLeft) info.fType |= MFT_RIGHTORDER;
  if (!IsLine()) {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  info.fState = (FChecked ? MFS_CHECKED : 0) | (FEnabled ? 0 : MFS_GRAYED) | (FDefault ? MFS_DEFAULT : 0);
  info.wID = FCommand;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(const_cast<TMenuItem*>(this));
  return info;
}

void TMenuItem::SetCaption(const std::wstring& caption) {
  if (caption == FCaption) return;
  const bool wasLine = IsLine();
  FCaption = caption;
  // Becoming a separator or text changes the item's kind: the menu is built anew.
  if (wasLine != IsLine())
    Changed();
  else
    Restated();
}

void TMenuItem::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  Restated();
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == FRadioItem) return;
  FRadioItem = value;
  Restated();
}

void TMenuItem::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  Restated();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Restated();
}

void TMenuItem::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == FImageIndex) return;
  FImageIndex = index;
  Restated();
}

void TMenuItem::SetShortCut(int shortcut) {
  if (shortcut == FShortCut) return;
  FShortCut = shortcut;
  Restated();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->FParent) item->FParent->Remove(item);
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  const auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParent = nullptr;
  Changed();
}

void TMenuItem::Delete(int index) { Remove(Items(index)); }

void TMenuItem::Clear() {
  while (!FItems.empty()) {
    TMenuItem* child = FItems.back();
    Remove(child);
    child->Free();
  }
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  return dynamic_cast<TMenu*>(root->Owner()) && static_cast<TMenu*>(root->Owner())->Items() == root
             ? static_cast<TMenu*>(root->Owner())
             : nullptr;
}

HMENU TMenuItem::Handle() {
  if (!FHandle) {
    if (TMenu* menu = GetParentMenu()) menu->Handle();
  }
  return FHandle;
}

HMENU TMenuItem::ParentMenuHandle() {
  if (FParent && FParent->FParent) return FParent->Handle();
  TMenu* menu = GetParentMenu();
  return menu ? menu->Handle() : nullptr;
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
  if (FCommand == command && FParent) return this;
  for (TMenuItem* child : FItems) {
    if (TMenuItem* found = child->FindCommand(command)) return found;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindHandle(HMENU menu) {
  if (menu && FHandle == menu) return this;
  for (TMenuItem* child : FItems) {
    if (TMenuItem* found = child->FindHandle(menu)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (FEnabled && OnClick) OnClick(this);
}

void TMenuItem::Build(HMENU into, bool ownerDraw, bool rightToLeft) {
  UINT position = 0;
  for (TMenuItem* child : FItems) {
    if (!child->FVisible) continue;
    std::wstring text;
    MENUITEMINFOW info = child->ItemInfo(text, ownerDraw, rightToLeft);
    if (!child->FItems.empty()) {
      child->FHandle = CreatePopupMenu();
      child->Build(child->FHandle, ownerDraw, rightToLeft);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = child->FHandle;
    }
    InsertMenuItemW(into, position++, TRUE, &info);
  }
}

void TMenuItem::DrawItem(TCanvas& canvas, RECT rect, bool selected) {
  if (OnDrawItem) {
    OnDrawItem(this, canvas, rect, selected);
    return;
  }
  canvas.Brush().SetColor(selected ? clHighlight : clMenu);
  canvas.FillRect(rect);
  if (IsLine()) {
    RECT line{rect.left + 2, (rect.top + rect.bottom) / 2 - 1, rect.right - 2, (rect.top + rect.bottom) / 2 + 1};
    DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  canvas.Font().SetColor(!FEnabled ? clGrayText : selected ? clHighlightText : clMenuText);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  RECT text = rect;
  text.left += 16;
  canvas.DrawText(FCaption, text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  if (OnMeasureItem) {
    OnMeasureItem(this, canvas, width, height);
    return;
  }
  if (IsLine()) {
    height = 8;
    return;
  }
  const SIZE size = canvas.TextExtent(FCaption);
  width = size.cx + 32;
  // Room for the shortcut, which is drawn right-aligned after the caption.
  if (FShortCut) width += canvas.TextExtent(ShortCutToText(static_cast<TShortCut>(FShortCut))).cx + 16;
  height = std::max<int>(size.cy + 6, GetSystemMetrics(SM_CYMENU));
}

void TMenuItem::GetChildren(std::vector<TComponent*>& children) const {
  children.insert(children.end(), FItems.begin(), FItems.end());
}

bool TMenuItem::AcceptChild(TComponent* child) {
  auto* item = dynamic_cast<TMenuItem*>(child);
  if (!item) return false;
  Add(item);
  return true;
}

const TClassInfo& TMenu::StaticClassInfo() {
  static const TClassInfo info("TMenu", &TComponent::StaticClassInfo(),
                               {
                                   props::Boolean<TMenu>("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw),
                               });
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(this)) {}

TMenu::~TMenu() { DestroyMenuHandle(); }

void TMenu::BeforeDestruction() {
  DestroyMenuHandle();
  TComponent::BeforeDestruction();
}

void TMenu::DestroyMenuHandle() {
  if (const HMENU menu = DetachMenuHandle()) DestroyMenu(menu);  // destroys the drop-down menus too
}

HMENU TMenu::DetachMenuHandle() {
  const HMENU menu = FHandle;
  if (!menu) return nullptr;
  FHandle = nullptr;
  std::function<void(TMenuItem*)> clear = [&](TMenuItem* item) {
    item->FHandle = nullptr;
    for (TMenuItem* child : item->FItems) clear(child);
  };
  clear(FItems);
  return menu;
}

HMENU TMenu::Handle() {
  if (!FHandle) {
    FHandle = CreateMenuHandle();
    FItems->Build(FHandle, FOwnerDraw, FRightToLeft);
  }
  return FHandle;
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == FOwnerDraw) return;
  FOwnerDraw = value;
  if (!IsLoading()) MenuChanged();
}

void TMenu::SetRightToLeft(bool value) {
  if (value == FRightToLeft) return;
  FRightToLeft = value;
  if (!IsLoading()) MenuChanged();
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::AcceptChild(TComponent* child) { return FItems->AcceptChild(child); }

void TMenu::MenuChanged() { DestroyMenuHandle(); }

void TMenu::EndUpdate() {
  if (FUpdating == 0 || --FUpdating > 0) return;
  const bool rebuild = FChangedWhileUpdating, restated = FRestatedWhileUpdating;
  FChangedWhileUpdating = FRestatedWhileUpdating = false;
  if (IsDestroying()) return;
  if (rebuild)
    MenuChanged();
  else if (restated)
    ItemsRestated();
}

const TClassInfo& TMainMenu::StaticClassInfo() {
  static const TClassInfo info("TMainMenu", &TMenu::StaticClassInfo(), {},
                               [](TComponent* owner) { return new TMainMenu(owner); });
  return info;
}

void TMainMenu::ItemsRestated() {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (!form || form->Menu() != this || !form->HandleAllocated()) return;
  if (GetMenu(form->Handle())) DrawMenuBar(form->Handle());
  form->Perform(CM_MENUCHANGED);
}

void TMainMenu::MenuChanged() {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (!form || form->Menu() != this || !form->HandleAllocated()) {
    TMenu::MenuChanged();
    return;
  }
  const HWND window = form->Handle();
  const HMENU old = GetMenu(window);
  if (!form->MenuOnWindow() && !old) {
    TMenu::MenuChanged();
    form->Perform(CM_MENUCHANGED);
    return;
  }
  // The new menu takes the old one's place in one step, then the old one is destroyed: a window
  // left without a menu for a moment would lay out its client twice.
  const HMENU previous = DetachMenuHandle();
  SetMenu(window, Handle());
  if (previous) DestroyMenu(previous);
  DrawMenuBar(window);
  form->Perform(CM_MENUCHANGED);
}

const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const TClassInfo info("TPopupMenu", &TMenu::StaticClassInfo(), {},
                               [](TComponent* owner) { return new TPopupMenu(owner); });
  return info;
}

void TPopupMenu::Popup(int x, int y) {
  HWND owner = nullptr;
  if (auto* form = dynamic_cast<TCustomForm*>(Owner())) owner = form->Handle();
  Popup(x, y, owner);
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
  if (OnPopup) OnPopup(this);
  if (!owner || !IsWindow(owner)) owner = GetActiveWindow();
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0, owner, nullptr));
  if (command) DispatchCommand(command);
}
