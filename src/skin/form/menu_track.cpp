// The form skinner's menus: a bar item's popup tracked modally with the menu-loop hook that
// moves between bar items, keyboard access (Alt, F10, accelerators), the skinned menu items
// measured and drawn at the window, and the owner drawing of framework menus.
#include <algorithm>

#include "skin/form/form_skinner.h"
#include "skin/form/menu_paint.h"
#include "skin/model/skin_manage.h"
#include "ui/application.h"
#include "ui/platform.h"
#include "ui/skin_messages.h"

namespace {

// The menu-loop hook's code for messages of a menu's modal loop.
constexpr int kMenuLoopCode = 2;  // MSGF_MENU
// Track flags of a bar popup: right button, no notifications; right-aligned for right-to-left.
constexpr UINT kBarPopupFlags = TPM_RIGHTBUTTON | TPM_NONOTIFY;
constexpr UINT kMaxFrameworkCommand = kMaxMenuCommand;
constexpr UINT kGetMenuOfPopup = 0x01E1;  // MN_GETHMENU
// The context bit of a key message: Alt was down.
constexpr LPARAM kAltDownBit = LPARAM(1) << 29;

// One menu loop runs at a time, so its state is program-wide.
struct TMenuLoop {
  TWinSkinForm* Tracking = nullptr;
  int OpenIndex = -1;
  bool Switching = false;
  bool FirstKey = false;
  POINT LastMouse{};
  HHOOK Hook = nullptr;
};

TMenuLoop& Loop() {
  static TMenuLoop loop;
  return loop;
}

bool IsKeyMessage(UINT msg) { return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP; }

LRESULT CALLBACK MenuLoopHook(int code, WPARAM wParam, LPARAM lParam) {
  TMenuLoop& loop = Loop();
  auto* msg = reinterpret_cast<MSG*>(lParam);
  // Right-to-left: the arrows trade places before anyone reads them (key messages only; a
  // mouse message's wParam holds button flags).
  if (code >= 0 && msg && loop.Tracking && loop.Tracking->RightToLeft && IsKeyMessage(msg->message))
    msg->wParam = SwapRtlArrow(static_cast<unsigned>(msg->wParam));
  const LRESULT next = CallNextHookEx(loop.Hook, code, wParam, lParam);
  if (next || code != kMenuLoopCode || !msg || !loop.Tracking) return next;
  try {
    return loop.Tracking->MenuLoopMessage(*msg) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  return name;
}

// The innermost open popup menu window of the thread: the topmost visible "#32768" window.
HWND InnermostPopup() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        if (!IsWindowVisible(window) || ClassNameOf(window) != L"#32768") return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

bool SameCommandOrData(TMenuItem* item, UINT command, ULONG_PTR data) {
  return item && (item->Command() == command || reinterpret_cast<ULONG_PTR>(item) == data);
}

// The framework item that a measured or drawn menu item names, in a menu's tree.
TMenuItem* ItemIn(TMenu* menu, UINT command, ULONG_PTR data) {
  if (!menu) return nullptr;
  if (TMenuItem* found = menu->FindItem(command); SameCommandOrData(found, command, data)) return found;
  std::function<TMenuItem*(TMenuItem*)> walk = [&](TMenuItem* parent) -> TMenuItem* {
    for (int i = 0; i < parent->Count(); ++i) {
      TMenuItem* child = parent->Items(i);
      if (reinterpret_cast<ULONG_PTR>(child) == data) return child;
      if (TMenuItem* deeper = walk(child)) return deeper;
    }
    return nullptr;
  };
  return data ? walk(menu->Items()) : nullptr;
}

}  // namespace

int MenuLoopOpenIndex() { return Loop().OpenIndex; }

void ForgetMenuLoopTracker(TWinSkinForm* skinner) {
  TMenuLoop& loop = Loop();
  if (loop.Tracking != skinner) return;
  loop.Tracking = nullptr;
  EndMenu();
}
TWinSkinForm* MenuLoopTracker() { return Loop().Tracking; }

// ---- opening a bar item ----

bool TWinSkinForm::OpenMenuItem(TMenuBtn* item) {
  if (!item) return false;
  PostMessageW(Handle, WM_COMMAND, static_cast<WPARAM>(item->Command), 0);
  if (!item->SubMenu) return false;
  TMenuLoop& loop = Loop();
  loop.OpenIndex = item->Index;
  loop.Tracking = this;
  const TPlatformVersion& platform = PlatformVersion();
  if (!(platform.NT && platform.Major == 4)) OwnerDrawSubMenu(item->SubMenu);
  MenuTracking = true;
  RECT window{};
  GetWindowRect(Handle, &window);
  const TFramePoint at = BarPopupPoint(TFrameRect{item->Bounds.left, item->Bounds.top, item->Bounds.right, item->Bounds.bottom},
                                       window.left, window.top, RightToLeft);
  if (TSkinManage* manager = SkinManager()) {
    manager->PopupMode = 1;
    manager->MenuBarPopup = true;
  }
  TrackedMenu = item->SubMenu;
  if (!loop.Hook) loop.Hook = SetWindowsHookExW(WH_MSGFILTER, MenuLoopHook, nullptr, GetCurrentThreadId());
  loop.Switching = false;
  loop.FirstKey = false;
  GetCursorPos(&loop.LastMouse);
  // The item shows pressed while its popup is open, whoever opened it.
  if (HotObject && HotObject != item) HotObject->MouseLeave();
  item->State = ncPressed;
  item->Paint();
  // The form may be freed inside the loop (a posted release, a close from a command).
  const std::shared_ptr<bool> alive = FAlive;
  if (item->ItemEnabled) {
    TrackPopupMenu(item->SubMenu, kBarPopupFlags | (RightToLeft ? TPM_RIGHTALIGN : 0), at.X, at.Y, 0, Handle, nullptr);
  }
  if (loop.Hook) UnhookWindowsHookEx(loop.Hook);
  loop.Hook = nullptr;
  loop.OpenIndex = -1;
  loop.FirstKey = false;
  loop.Tracking = nullptr;
  if (!*alive) return true;
  MenuTracking = false;
  TrackedMenu = nullptr;
  RestoreSubMenuTypes();
  // The item may be gone when a command rebuilt the bar meanwhile.
  if (MenuBar && std::any_of(MenuBar->Items.begin(), MenuBar->Items.end(), [&](const auto& i) { return i.get() == item; })) {
    item->State = ncNormal;
    if (HotObject == item) HotObject = nullptr;
    item->Paint();
  }
  return true;
}

void TWinSkinForm::PostMenuClick(TMenuBtn* item) {
  if (!item) return;
  GetWindowRect(Handle, &WindowRect);
  PostMessageW(Handle, WM_NCLBUTTONDOWN, HTCLIENT,
               MAKELPARAM(item->Bounds.left + WindowRect.left + 1, item->Bounds.top + WindowRect.top + 1));
}

TMenuBtn* TWinSkinForm::FindAccelItem(wchar_t ch) const {
  if (!MenuBar) return nullptr;
  std::vector<TAccelEntry> entries;
  for (const auto& item : MenuBar->Items) entries.push_back(TAccelEntry{item->Caption, item->ItemEnabled, item->Visible});
  const int index = FindAccelIndex(entries, ch);
  return index < 0 ? nullptr : MenuBar->Items[static_cast<size_t>(index)].get();
}

bool TWinSkinForm::MdiChildMaximized() const {
  if (MdiRole != mdiFrame || !MdiClient) return false;
  BOOL maximized = FALSE;
  const auto active = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active && maximized;
}

// ---- the menu loop ----

bool TWinSkinForm::MenuLoopMessage(MSG& msg) {
  TMenuLoop& loop = Loop();
  if (!MenuBar) return false;
  if (!loop.FirstKey) {
    // The popup opens with its first item selected.
    loop.FirstKey = true;
    const HWND popup = ClassNameOf(msg.hwnd) == L"#32768" ? msg.hwnd : InnermostPopup();
    PostMessageW(popup ? popup : Handle, WM_KEYDOWN, VK_DOWN, 0);
  }
  // A bar item that can show a popup; hovering or arrowing onto others would close the open
  // one without opening anything (or run a command).
  auto usable = [](const TMenuBtn& b) {
    return b.Visible && b.ItemEnabled && b.SubMenu && !b.Caption.empty() && b.Bounds.right > b.Bounds.left;
  };
  TMenuBtn* target = nullptr;
  switch (msg.message) {
    case WM_KEYDOWN: {
      if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) {
        loop.Switching = false;
        break;
      }
      if (msg.wParam != VK_LEFT && msg.wParam != VK_RIGHT) break;
      TMenuLoopView view;
      const HWND popup = InnermostPopup();
      const auto menu = popup ? reinterpret_cast<HMENU>(SendMessageW(popup, kGetMenuOfPopup, 0, 0)) : nullptr;
      const int count = menu ? GetMenuItemCount(menu) : 0;
      for (int i = 0; i < count; ++i) {
        if (!(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE)) continue;
        view.NothingSelected = false;
        view.SelectedInBarPopup = menu == TrackedMenu;
        view.SelectedHasChildren = GetSubMenu(menu, i) != nullptr;
        break;
      }
      if (!menu) view.NothingSelected = true;
      const TArrowMove move = MenuLoopArrow(static_cast<unsigned>(msg.wParam), view);
      if (move == amNone) break;
      std::vector<bool> usableItems;
      for (const auto& b : MenuBar->Items) usableItems.push_back(usable(*b));
      const int index = NeighbourBarIndex(usableItems, loop.OpenIndex, move == amNext);
      if (index >= 0) target = MenuBar->Items[static_cast<size_t>(index)].get();
      break;
    }
    case WM_SYSKEYUP:
      if (msg.wParam == VK_MENU) {
        MenuTracking = false;
        return false;
      }
      break;
    case WM_MENUSELECT:
      if (HIWORD(msg.wParam) == 0xFFFF && !msg.lParam) {
        if (!loop.Switching) MenuTracking = false;
      } else {
        loop.Switching = false;
      }
      break;
    case WM_MOUSEMOVE:
      if (msg.pt.x != loop.LastMouse.x || msg.pt.y != loop.LastMouse.y) {
        TMenuBtn* under = MenuBar->ItemAt(ScreenToFrame(msg.pt));
        if (under && usable(*under)) target = under;
        loop.LastMouse = msg.pt;
      }
      break;
    default: break;
  }
  if (!target || target->Index == loop.OpenIndex) return false;
  loop.Switching = true;
  // The open popup ends first, so the posted click opens the next one from the window's own
  // message loop.
  EndMenu();
  PostMenuClick(target);
  return true;
}

// ---- owner drawing of a tracked popup ----

void TWinSkinForm::OwnerDrawSubMenu(HMENU menu) {
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    std::wstring text;
    MENUITEMINFOW info{};
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    if (!ReadMenuItem(menu, static_cast<UINT>(i), text, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      if (!(info.fType & MFT_SEPARATOR)) FOsItemTexts[info.wID] = text;
      FSavedTypes.push_back(TSavedItemType{menu, static_cast<UINT>(i), info.fType, text});
      MENUITEMINFOW change{};
      change.cbSize = sizeof change;
      change.fMask = MIIM_FTYPE;
      change.fType = info.fType | MFT_OWNERDRAW;
      SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &change);
    }
    if (info.hSubMenu) OwnerDrawSubMenu(info.hSubMenu);
  }
}

void TWinSkinForm::RestoreSubMenuTypes() {
  for (TSavedItemType& saved : FSavedTypes) {
    if (!IsMenu(saved.Menu)) continue;
    MENUITEMINFOW change{};
    change.cbSize = sizeof change;
    change.fMask = MIIM_FTYPE;
    change.fType = saved.Type;
    if (!(saved.Type & MFT_SEPARATOR)) {
      change.fMask |= MIIM_STRING;
      change.dwTypeData = saved.Text.data();
    }
    SetMenuItemInfoW(saved.Menu, saved.Position, TRUE, &change);
  }
  FSavedTypes.clear();
}

// ---- items measured and drawn at the window ----

bool TWinSkinForm::OnMenuItemMessage(TMessage& m) {
  TSkinManage* manager = SkinManager();
  const bool measure = m.Msg == WM_MEASUREITEM;
  UINT command = 0;
  ULONG_PTR data = 0;
  if (measure) {
    auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    if (!mi || mi->CtlType != ODT_MENU) return false;
    command = mi->itemID;
    data = mi->itemData;
  } else {
    auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    if (!di || di->CtlType != ODT_MENU) return false;
    command = di->itemID;
    data = di->itemData;
  }
  // The skinned system menu reaches its items whatever else the window has.
  TMenuItem* item = SystemPopup ? ItemIn(SystemPopup.get(), command, data) : nullptr;
  bool popupItem = item != nullptr;
  if (!item) {
    if (!MenuBar) return false;
    const TPlatformVersion& platform = PlatformVersion();
    if (!measure && platform.NT && platform.Major == 4 && MdiRole == mdiFrame) return false;
    if (Form) {
      item = ItemIn(MenuBar->CurrentFrameworkMenu(), command, data);
      if (!item && command >= 1 && command <= kMaxFrameworkCommand) return false;
    }
  }
  if (manager) manager->MarkAllPopups();
  auto osText = [&](UINT id) {
    if (const auto it = FOsItemTexts.find(id); it != FOsItemTexts.end()) return it->second;
    return MenuStringOf(TrackedMenu, id);
  };
  TCanvas canvas;
  if (measure) {
    auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    TWindowDC dc(Handle);
    canvas.SetHandle(dc);
    UseMenuFont(canvas);
    int width = static_cast<int>(mi->itemWidth), height = static_cast<int>(mi->itemHeight);
    if (item && popupItem) MeasurePopupItem(SkinData, *item, canvas, width, height);
    else if (item) MeasureSubMenuItem(SkinData, *item, canvas, width, height);
    else MeasureOsMenuItem(SkinData, osText(command), canvas, width, height);
    mi->itemWidth = static_cast<UINT>(std::max(0, width));
    mi->itemHeight = static_cast<UINT>(std::max(0, height));
    canvas.SetHandle(nullptr);
  } else {
    auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    const auto menu = reinterpret_cast<HMENU>(di->hwndItem);
    if (manager) manager->AssignPopupOwner(menu);
    TSaveDC saved(di->hDC);
    canvas.SetHandle(di->hDC);
    UseMenuFont(canvas);
    const bool selected = di->itemState & ODS_SELECTED;
    if (item) {
      TMenuItemView view = ViewOfItem(*item);
      view.ParentMenu = menu;
      PaintMenuItem(SkinData, view, canvas, selected, di->rcItem);
    } else {
      const bool enabled = !(di->itemState & (ODS_GRAYED | ODS_DISABLED));
      PaintOsMenuItem(SkinData, ViewOfOsItem(menu, osText(command), enabled, di->itemState & ODS_CHECKED), canvas,
                      selected, di->rcItem);
    }
    canvas.SetHandle(nullptr);
  }
  m.Result = 1;
  return true;
}

// ---- keyboard ----

TMenuItem* TWinSkinForm::FrameworkItemOf(UINT command, ULONG_PTR data) const {
  if (TMenuItem* item = SystemPopup ? ItemIn(SystemPopup.get(), command, data) : nullptr) return item;
  if (!Form) return nullptr;
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    if (TMenuItem* item = ItemIn(dynamic_cast<TMenu*>(Form->Components(i)), command, data)) return item;
  }
  return nullptr;
}

bool TWinSkinForm::OnMenuChar(TMessage& m) {
  // Owner-drawn items have no text the platform could search for their accelerator.
  const auto menu = reinterpret_cast<HMENU>(m.LParam);
  const auto ch = static_cast<wchar_t>(LOWORD(m.WParam));
  if (!menu || !ch) return false;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_DATA | MIIM_FTYPE | MIIM_STATE;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) || !(info.fType & MFT_OWNERDRAW)) continue;
    std::wstring caption;
    if (TMenuItem* item = FrameworkItemOf(info.wID, info.dwItemData)) caption = GetTextProp(item, "Caption");
    else if (const auto it = FOsItemTexts.find(info.wID); it != FOsItemTexts.end()) caption = it->second;
    const bool enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    if (FindAccelIndex({TAccelEntry{caption, enabled, true}}, ch) == 0) {
      m.Result = MAKELRESULT(i, MNC_EXECUTE);
      return true;
    }
  }
  return false;
}

bool TWinSkinForm::OnKeyMenu(TMessage& m) {
  if ((m.WParam & 0xFFF0) != SC_KEYMENU || MenuTracking) return false;
  const auto ch = static_cast<wchar_t>(m.LParam);
  if (ch == L' ' || ch == L'-' || GetCapture()) return false;
  TMenuBtn* item = FindAccelItem(ch);
  if (ch == 0 && MenuBar && !MenuBar->Items.empty()) item = MenuBar->Items.front().get();
  if (ch != 0 && !item) return false;
  OpenMenuItem(item);
  m.Result = 1;
  return true;
}

void TWinSkinForm::OnDialogChar(TMessage& m) {
  if (FSavedFormWindowProc) FSavedFormWindowProc(m);
  if (m.Result != 0) return;
  const bool altOnly = (m.LParam & kAltDownBit) && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
  if (altOnly) {
    if (TMenuBtn* item = FindAccelItem(static_cast<wchar_t>(m.WParam))) {
      PostMenuClick(item);
      m.Result = 1;
      return;
    }
  }
  m.Result = 0;
  // A child window's accelerators may be the frame's or the main form's.
  TCustomForm* forward = nullptr;
  if (MdiRole == mdiChild) {
    const HWND client = GetParent(Handle);
    forward = dynamic_cast<TCustomForm*>(ControlOfWindow(client ? GetParent(client) : nullptr));
  } else if (Form && Application() && Application()->MainForm() != Form && !Form->Modal()) {
    forward = Application()->MainForm();
  }
  if (forward && forward != Form) m.Result = forward->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
}

// ---- the bar's life ----

void TWinSkinForm::CreateMenuBar() {
  OsMenu = GetMenu(Handle);
  if (!OsMenu || MdiRole == mdiChild) return;
  RECT before{}, after{};
  GetClientRect(Handle, &before);
  MenuBar = std::make_unique<TWinSkinMenu>(this, SkinData);
  MenuBar->BuildItems();
  if (Form && MdiRole == mdiNone) Form->SetMenuOnWindow(false);
  GetClientRect(Handle, &after);
  // The band takes the room the platform's menu bar had, so the client area stays.
  const int grown = static_cast<int>(after.bottom - before.bottom);
  MenuBarHeight = grown > 0 ? grown : GetSystemMetrics(SM_CYMENU);
}

void TWinSkinForm::ReleaseMenuBar(bool giveBack) {
  if (!MenuBar) return;
  HMENU menu = MenuBar->OsMenu;
  if (Form && Form->Menu()) menu = Form->Menu()->Handle();
  if (HotObject && dynamic_cast<TMenuBtn*>(HotObject)) HotObject = nullptr;
  MenuBar.reset();
  if (Form) Form->SetMenuOnWindow(true);
  if (giveBack && menu && IsMenu(menu) && IsWindow(Handle)) SetMenu(Handle, menu);
}

void TWinSkinForm::OnMenuChanged() {
  // The form keeps a changed menu off the window while the bar is drawn here.
  const bool offWindow = MenuBar && Form && !Form->MenuOnWindow();
  if (!GetMenu(Handle) && !offWindow) return;
  if (MenuBar && SkinData && SkinData->MenuUpdate()) {
    MenuBar->BuildItems();
    MenuBar->LayoutMenuBar();
  }
  if (GetMenu(Handle)) SetMenu(Handle, nullptr);
  if (MenuBar) PaintFrame(nullptr);
}

void TWinSkinForm::OwnerDrawMainMenus(TComponent* form, bool on) {
  if (!form) return;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    if (auto* menu = dynamic_cast<TMainMenu*>(form->Components(i))) SetSkinnedMenuHandlers(*menu, SkinData, on, false);
  }
}

void TWinSkinForm::OwnerDrawPopupMenus(TComponent* component, bool on) {
  if (!component || component->ClassName() == "TwwRichEditForm") return;
  for (int i = 0; i < component->ComponentCount(); ++i) {
    TComponent* owned = component->Components(i);
    if (auto* popup = dynamic_cast<TPopupMenu*>(owned)) {
      if (!SkinData || popup->Tag() != SkinData->DisableTag()) SetSkinnedMenuHandlers(*popup, SkinData, on, true);
    } else if (dynamic_cast<TCustomForm*>(owned)) {
      OwnerDrawPopupMenus(owned, on);
    }
  }
}
