// Caption buttons and the skinned system menu of a form skinner: building them from the
// skin, visibility and layout at every caption paint, drawing, the non-client mouse messages,
// their actions and the hover tick.
#include "skin/form/caption_buttons.h"

#include <algorithm>

#include "skin/form/caption_rules.h"
#include "skin/form/form_skinner.h"
#include "skin/form/menu_paint.h"
#include "skin/model/skin_manage.h"
#include "ui/application.h"
#include "ui/platform.h"
#include "ui/skin_messages.h"

namespace {

constexpr TColor kKey = 0xFF00FF;
constexpr int kSystemPopupTag = 33333;

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

// A program's submenus in its system menu (depth-limited: the platform allows cycles of
// handles) are copied item by item; their commands reach the window as system commands.
constexpr int kMaxSystemSubmenuDepth = 4;

void CopySystemSubmenu(TComponent* owner, TMenuItem& parent, HMENU menu, HWND window, int depth) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    std::wstring text;
    MENUITEMINFOW info{};
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    if (!ReadMenuItem(menu, static_cast<UINT>(i), text, &info)) continue;
    auto* item = new TMenuItem(owner);
    item->SetCaption(!text.empty() ? text : std::wstring(L"-"));
    item->SetEnabled(!(info.fState & MFS_DISABLED));
    item->SetChecked(info.fState & MFS_CHECKED);
    parent.Add(item);
    if (info.hSubMenu) {
      if (depth < kMaxSystemSubmenuDepth) CopySystemSubmenu(owner, *item, info.hSubMenu, window, depth + 1);
      continue;
    }
    const UINT id = info.wID;
    item->OnClick = [window, id](TObject*) { PostMessageW(window, WM_SYSCOMMAND, id, 0); };
  }
}

}  // namespace

// ---- TNCObject ----

void TNCObject::MouseDown() {
  if (Owner->HotObject && Owner->HotObject != this) Owner->HotObject->MouseLeave();
  if (!Visible) return;
  Owner->HotObject = this;
  State = ncPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = ncHot;
  Paint();
}

void TNCObject::MouseMove() {
  if (Owner->HotObject == this) return;
  if (Owner->HotObject) Owner->HotObject->MouseLeave();
  if (!Visible) return;
  Owner->HotObject = this;
  State = ncHot;
  Paint();
}

void TNCObject::MouseLeave() {
  // A hidden button forgets its look too, or it shows it again when it reappears.
  State = ncNormal;
  if (Owner->HotObject == this) Owner->HotObject = nullptr;
  if (!Visible) return;
  Paint();
  if (TSkinData* data = Owner->SkinData) {
    data->HintTime = 0;
    data->HideCaptionHint();
  }
}

// ---- TWinSysButton ----

int TWinSysButton::FrameIndex() const {
  int index = State < ncNormal ? ncNormal : State;
  if (!Enabled) index = SkinButton->Frame > 3 ? 4 : 1;
  if (SkinButton->Visibility == kMenuBandVisibility && index == ncHot) index = 4;
  return std::min(index, std::max(1, SkinButton->Frame));
}

void TWinSysButton::Paint() {
  if (!Visible || SkinButton->Image.Empty() || !Owner->Handle) return;
  TWindowDC dc(Owner->Handle, TWindowDC::Whole);
  if (IsSystemIconAction(SkinButton->Action)) Owner->DrawAppIcon(dc.Get(), Bounds);
  else DrawFrameStretched(dc.Get(), Bounds, std::max(1, SkinButton->Frame), FrameIndex(), SkinButton->Image);
}

// ---- the form skinner's caption buttons ----

void TWinSkinForm::BuildCaptionButtons() {
  HotObject = nullptr;
  CaptionButtons.clear();
  if (!SkinData) return;
  for (const auto& object : SkinData->TitleButtons) {
    TDataSkinSysButton* button = object.get();
    if (IsSystemIconAction(button->Action)) {
      MakeIconBitmap();
      if (button->Image.Empty()) button->Image.Assign(IconBitmap());
      button->Frame = 1;
    }
    auto made = std::make_unique<TWinSysButton>(this, button);
    made->Enabled = true;
    CaptionButtons.push_back(std::move(made));
  }
  ButtonCount = static_cast<int>(CaptionButtons.size());
}

TCaptionContext TWinSkinForm::CaptionContext() const {
  TCaptionContext c;
  c.Maximized = WindowState == wsMaximizedState;
  c.ActiveLook = ActiveLook;
  c.Caps = Caps;
  c.FrameKind = FrameKind;
  c.MessageDialog = MessageDialog;
  c.MdiMaximizedWithMenuBar = MenuBar && MdiChildMaximized();
  const HWND window = Handle;
  c.AskApplication = [window](int code, int action) {
    return static_cast<long>(SendMessageW(window, SKINMSG_BUTTONVISIBLE, static_cast<WPARAM>(code), action));
  };
  return c;
}

namespace {

bool SetVisibility(TWinSysButton& b, const TCaptionContext& context) {
  const TCaptionVisibility v =
      CaptionButtonVisibility(b.SkinButton->Visibility, b.SkinButton->Visibility1, b.SkinButton->Action, context);
  b.Visible = v.Visible;
  b.Enabled = v.Enabled;
  return b.Visible;
}

}  // namespace

bool TWinSkinForm::ButtonVisible(size_t index) {
  return index < CaptionButtons.size() && SetVisibility(*CaptionButtons[index], CaptionContext());
}

void TWinSkinForm::UpdateCaptionButtons() {
  RightButtonsReserve = 0;
  // Read once per paint: the window's state does not change between the buttons.
  const TCaptionContext context = CaptionContext();
  for (const auto& button : CaptionButtons) {
    const TWinSysButton& b = *button;
    if (SetVisibility(*button, context) && b.SkinButton->Align == 1 && !b.SkinButton->Image.Empty())
      RightButtonsReserve = std::max(RightButtonsReserve, b.SkinButton->Xcoord);
  }
}

void TWinSkinForm::LayoutCaptionButtons() {
  for (const auto& button : CaptionButtons) {
    TWinSysButton& b = *button;
    if (!b.Visible || b.SkinButton->Image.Empty()) continue;
    TCaptionLayoutInput in;
    in.Align = b.SkinButton->Align;
    in.Xcoord = b.SkinButton->Xcoord;
    in.Ycoord = b.SkinButton->Ycoord;
    in.Width = b.SkinButton->Image.Width() / std::max(1, b.SkinButton->Frame);
    in.Height = b.SkinButton->Image.Height();
    in.WindowWidth = WindowWidth;
    in.TextBack = TFrameRect{TextBackRect.left, TextBackRect.top, TextBackRect.right, TextBackRect.bottom};
    in.FrameRight = FrameRight;
    in.FrameTop = FrameTop;
    in.MenuBarHeight = MenuBarHeight;
    in.MenuBarLeftWidth = SkinData && SkinData->MenuBar ? SkinData->MenuBar->LeftWidth : 0;
    const TFrameRect r = CaptionButtonBounds(in);
    b.Bounds = RECT{r.Left, r.Top, r.Right, r.Bottom};
  }
}

void TWinSkinForm::DrawCaptionButtons(HDC dc) {
  for (const auto& button : CaptionButtons) {
    TWinSysButton& b = *button;
    if (!b.Visible || b.SkinButton->Image.Empty() || b.SkinButton->Visibility == kMenuBandVisibility) continue;
    if (IsSystemIconAction(b.SkinButton->Action)) {
      DrawAppIcon(dc, b.Bounds);
      continue;
    }
    // Hot or pressed only while the mouse is on it or holds it: any other remembered state is
    // stale (the window changed state under it).
    if (&b != HotObject) b.State = ncNormal;
    const int frame = b.SkinButton->Frame < 4 || (ActiveLook && b.Enabled) ? b.FrameIndex() : 4;
    DrawFrameStretched(dc, b.Bounds, std::max(1, b.SkinButton->Frame), frame, b.SkinButton->Image);
  }
}

void TWinSkinForm::DrawAppIcon(HDC dc, const RECT& bounds) {
  HWND main = Application() && Application()->MainForm() && Application()->MainForm()->HandleAllocated()
                  ? Application()->MainForm()->Handle()
                  : Handle;
  if (const HICON icon = SmallIconOf(main)) {
    const int y = TitleTextRect.top + (TitleTextRect.bottom - TitleTextRect.top) / 2 - IconSize / 2;
    DrawIconEx(dc, 8, y, icon, IconSize, IconSize, 0, nullptr, DI_NORMAL);
  } else {
    MaskBlit(dc, bounds, IconBitmap(), kKey);
  }
}

TWinSysButton* TWinSkinForm::ButtonAt(POINT frame) const {
  for (const auto& button : CaptionButtons) {
    if (button->Visible && button->SkinButton->Action >= 0 && Inside(button->Bounds, frame)) return button.get();
  }
  return nullptr;
}

bool TWinSkinForm::HasCloseItem() const {
  const TPlatformVersion& platform = PlatformVersion();
  if (!platform.NT || platform.Major < 5) return true;
  return SystemMenu && GetMenuState(SystemMenu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

void TWinSkinForm::RunButtonAction(POINT screen) {
  auto* button = dynamic_cast<TWinSysButton*>(HotObject);
  if (!button) return;
  const int action = button->SkinButton->Action;
  auto toActiveChild = [this](WPARAM command) {
    if (MdiRole != mdiFrame || !MdiClient) return;
    const auto child = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0));
    if (child) SendMessageW(child, WM_SYSCOMMAND, command, 0);
  };
  switch (action) {
    case caClose:
      if (HasCloseItem()) {
        if (FHoverTimer) FHoverTimer->SetEnabled(false);
        PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case caMaximize:
    case caMaximize2:
      if (button->Enabled) Maximize();
      break;
    case caMinimize:
    case caMinimize2:
      if (button->Enabled) Minimize();
      break;
    case caSystemIcon:
    case caSystemIcon2:
    case caSystemIcon3: ShowSystemMenu(POINT{screen.x + 1, screen.y + 1}); break;
    case caHelp: PostMessageW(Handle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); break;
    case caMdiMinimize:
    case caMdiMinimize2: toActiveChild(SC_MINIMIZE); break;
    case caMdiRestore:
    case caMdiRestore2: toActiveChild(SC_RESTORE); break;
    case caMdiClose:
    case caMdiClose2: toActiveChild(SC_CLOSE); break;
    default: PostMessageW(Handle, SKINMSG_BUTTONACTION, static_cast<WPARAM>(action), 0); break;
  }
}

void TWinSkinForm::Maximize() {
  if (WindowState == wsMaximizedState) {
    Restore();
    return;
  }
  if (MdiRole == mdiChild) {
    if (TSkinManage* manager = SkinManager()) manager->SetMdiMaximized(true);
  }
  WindowState = wsMaximizedState;
  PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  ForgetButtonStates();
}

void TWinSkinForm::Minimize() {
  if (WindowState == wsMinimizedState) {
    Restore();
    return;
  }
  WindowState = wsMinimizedState;
  SetSysMenuStyle(false);
  PostMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::Restore() {
  WindowState = wsNormalState;
  PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
  ForgetButtonStates();
}

void TWinSkinForm::ForgetButtonStates() {
  HotObject = nullptr;
  for (const auto& button : CaptionButtons) button->State = ncNormal;
}

// ---- the system menu ----

void TWinSkinForm::ShowSystemMenu(POINT screen) {
  if (SkinManagerTag == nullptr) return;
  const DWORD now = GetTickCount();
  if (LastSystemMenuTime == 0 || now - LastSystemMenuTime > DoubleClickTime) {
    if (TSkinManage* manager = SkinManager()) manager->PopupMode = 2;
    LastSystemMenuTime = now;
    BuildSystemPopup();
    if (SystemPopup) {
      // The form may be freed inside the menu's loop (a posted release, a close command).
      const std::shared_ptr<bool> alive = FAlive;
      TPopupMenu* popup = SystemPopup.get();
      FSystemMenuOpen = true;
      popup->Popup(screen.x, screen.y, Handle);
      if (!*alive) {
        popup->Free();
        return;
      }
      FSystemMenuOpen = false;
    }
    // The time counts from the menu's end: a click that closed it is not a double click.
    LastSystemMenuTime = GetTickCount();
  } else if (HotObject) {
    if (FHoverTimer) FHoverTimer->SetEnabled(false);
    PostMessageW(Handle, WM_CLOSE, 0, 0);
  }
}

void TWinSkinForm::AddSystemItem(const std::wstring& caption, int tag, int image, bool enabled, bool checked,
                                 std::function<void()> click) {
  auto* item = new TMenuItem(SystemPopup.get());
  item->SetCaption(caption);
  item->SetTag(tag);
  item->SetImageIndex(image);
  item->SetEnabled(enabled);
  item->SetChecked(checked);
  item->OnClick = [click = std::move(click)](TObject*) { click(); };
  SystemPopup->Items()->Add(item);
}

void TWinSkinForm::BuildSystemPopup() {
  SystemPopup.reset();
  const TPlatformVersion& platform = PlatformVersion();
  const bool maximized = WindowState == wsMaximizedState, minimized = WindowState == wsMinimizedState;
  if (platform.NT && platform.Major < 5) {
    SystemPopup.reset(new TPopupMenu(nullptr));
    SystemPopup->SetTag(kSystemPopupTag);
    if (SkinData) SystemPopup->SetImages(&SkinData->MenuGlyphs());
    AddSystemItem(L" Restore ", 0, 0, true, false, [this] { Restore(); });
    if (Caps & capMaximize) AddSystemItem(L" Maximize ", 1, 1, true, false, [this] { Maximize(); });
    if (Caps & capMinimize) AddSystemItem(L" Minimize ", 2, 2, true, false, [this] { Minimize(); });
    AddSystemItem(L"-", 100, -1, true, false, [] {});
    AddSystemItem(L" Close ", 3, 3, true, false, [this] {
      if (FHoverTimer) FHoverTimer->SetEnabled(false);
      PostMessageW(Handle, WM_CLOSE, 0, 0);
    });
    SystemPopup->Items()->Items(SystemPopup->Items()->Count() - 1)->SetShortCut(scAlt | VK_F4);
    SetSkinnedMenuHandlers(*SystemPopup, SkinData, true, true);
    return;
  }
  if (!SystemMenu) return;
  SystemPopup.reset(new TPopupMenu(nullptr));
  SystemPopup->SetTag(kSystemPopupTag);
  if (SkinData) SystemPopup->SetImages(&SkinData->MenuGlyphs());
  const int count = GetMenuItemCount(SystemMenu);
  for (int i = 0; i < count; ++i) {
    std::wstring text;
    MENUITEMINFOW info{};
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    if (!ReadMenuItem(SystemMenu, static_cast<UINT>(i), text, &info)) continue;
    const std::wstring caption = !text.empty() ? text : std::wstring(L"-");
    if (info.hSubMenu) {
      auto* item = new TMenuItem(SystemPopup.get());
      item->SetCaption(caption);
      item->SetEnabled(!(info.fState & MFS_DISABLED));
      SystemPopup->Items()->Add(item);
      CopySystemSubmenu(SystemPopup.get(), *item, info.hSubMenu, Handle, 1);
      continue;
    }
    const UINT id = info.wID;
    const UINT state = GetMenuState(SystemMenu, static_cast<UINT>(i), MF_BYPOSITION);
    bool enabled = (state & (MF_GRAYED | MF_DISABLED)) != (MF_GRAYED | MF_DISABLED);
    int image = -1;
    switch (id & 0xFFF0) {
      case SC_SIZE:
      case SC_MOVE: enabled = !maximized; break;
      case SC_MINIMIZE: image = 2; enabled = !minimized && (Caps & capMinimize); break;
      case SC_MAXIMIZE: image = 1; enabled = !maximized && (Caps & capMaximize); break;
      case SC_CLOSE: image = 3; break;
      case SC_RESTORE: image = 0; enabled = WindowState != wsNormalState; break;
      default: break;
    }
    const HWND window = Handle;
    AddSystemItem(caption, static_cast<int>(id), image, enabled, state & MF_CHECKED,
                  [window, id] { PostMessageW(window, WM_SYSCOMMAND, id, 0); });
  }
  SetSkinnedMenuHandlers(*SystemPopup, SkinData, true, true);
}

// ---- non-client mouse messages ----

bool TWinSkinForm::OnNcMouse(TMessage& m) {
  const POINT screen = PointOf(m.LParam);
  const POINT at = ScreenToFrame(screen);
  TWinSysButton* button = ButtonAt(at);
  TMenuBtn* barItem = !button && MenuBar ? MenuBar->ItemAt(at) : nullptr;
  TNCObject* object = button ? static_cast<TNCObject*>(button) : barItem;
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      if (!ActiveLook) {
        m.Result = 0;
        return true;
      }
      if (object) {
        object->MouseMove();
        m.Result = 0;
        return true;
      }
      if (HotObject) {
        TNCObject* hot = HotObject;
        HotObject = nullptr;
        hot->MouseLeave();
      }
      return false;
    case WM_NCLBUTTONDOWN:
      if (SkinData) SkinData->HideCaptionHint();
      if (object) {
        if (!ActiveLook) SetForegroundWindow(Handle);
        object->MouseDown();
        m.Result = 0;
        if (barItem) OpenMenuItem(barItem);
        return true;
      }
      if (WindowState == wsMaximizedState && ActiveLook && m.WParam == HTCAPTION) m.WParam = HTMENU;
      return false;
    case WM_NCLBUTTONUP:
      if (SkinData) SkinData->HideCaptionHint();
      if (button) {
        if (button == HotObject) {
          button->MouseUp();
          RunButtonAction(screen);
        }
        m.Result = 0;
        return true;
      }
      if (barItem) {
        m.Result = 0;
        return true;
      }
      return false;
    case WM_NCLBUTTONDBLCLK:
      if (button) {
        if (IsSystemIconAction(button->SkinButton->Action)) {
          if (FHoverTimer) FHoverTimer->SetEnabled(false);
          PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        m.Result = 0;
        return true;
      }
      // A double click on a bar item is a second press of it, not one on the caption.
      if (barItem) {
        m.Result = 0;
        return true;
      }
      if (WindowState != wsNormalState) {
        Restore();
        m.Result = 0;
        return true;
      }
      if (Caps & capMaximize) {
        Maximize();
        m.Result = 0;
        return true;
      }
      return false;
    case WM_NCRBUTTONDOWN:
      if (SkinData) SkinData->HideCaptionHint();
      if (m.WParam == HTCAPTION && MdiRole != mdiChild) {
        ShowSystemMenu(screen);
        m.Result = 0;
        return true;
      }
      return false;
    default: return false;
  }
}

void TWinSkinForm::HoverTick() {
  if (MenuTracking) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (HotObject) {
    const POINT at = ScreenToFrame(cursor);
    if (!Inside(HotObject->Bounds, at)) {
      TNCObject* hot = HotObject;
      HotObject = nullptr;
      hot->MouseLeave();
      if (SkinData) {
        SkinData->HintTime = 0;
        SkinData->HideCaptionHint();
      }
    } else if (auto* button = dynamic_cast<TWinSysButton*>(HotObject); button && SkinData && Application()) {
      SkinData->HintTime += kHoverInterval;
      const int pause = Application()->HintPause * 2, t = SkinData->HintTime;
      if (t >= pause && t < pause + Application()->HintHidePause) {
        const std::wstring text = CaptionHintText(button->SkinButton->Action);
        RECT window{};
        GetWindowRect(Handle, &window);
        if (!text.empty() && SkinData->HasOption(xoCaptionButtonHint) && !SkinData->HintShowing())
          SkinData->ShowCaptionHint(POINT{button->Bounds.left + window.left, cursor.y + 24}, text);
      } else if (t >= pause + Application()->HintHidePause) {
        SkinData->HideCaptionHint();
      }
    }
  }
  if (!Form && HotControl && HotControl->Handle) {
    RECT r{};
    GetWindowRect(HotControl->Handle, &r);
    if (!Inside(r, cursor)) {
      HotControl->SendMouseLeave();
      HotControl = nullptr;
    }
  }
}
