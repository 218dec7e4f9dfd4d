// TCustomForm: top-level windows, positioning, closing, focus and keyboard navigation.
#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/canvas.h"
#include "ui/dpi.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"
#include "ui/tabcontrol.h"

namespace {

const std::vector<std::string>& PositionNames() {
  static const std::vector<std::string> names = {"poDesigned",        "poDefault",        "poDefaultPosOnly",
                                                 "poDefaultSizeOnly", "poScreenCenter",   "poDesktopCenter",
                                                 "poMainFormCenter",  "poOwnerFormCenter"};
  return names;
}

constexpr UINT kWmDpiChanged = 0x02E0;  // WM_DPICHANGED, newer than the headers' target

}  // namespace

TCustomForm* GetParentForm(TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(control);
}

const TClassInfo& TCustomForm::StaticClassInfo() {
  static const TClassInfo info(
      "TCustomForm", &TWinControl::StaticClassInfo(),
      {
          props::Reference<TCustomForm, TWinControl>("ActiveControl", &TCustomForm::ActiveControl,
                                                     &TCustomForm::SetActiveControl),
          props::Boolean<TCustomForm>("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll),
          props::Set<TCustomForm>("BorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"},
                                  &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons),
          props::Enumeration<TCustomForm, TFormBorderStyle>(
              "BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
              &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle),
          props::Integer<TCustomForm>("ClientWidth", &TCustomForm::FormClientWidth, &TCustomForm::SetFormClientWidth),
          props::Integer<TCustomForm>("ClientHeight", &TCustomForm::FormClientHeight,
                                      &TCustomForm::SetFormClientHeight),
          props::Boolean<TCustomForm>("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview),
          props::Reference<TCustomForm, TMainMenu>("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu),
          props::Enumeration<TCustomForm, TPosition>("Position", PositionNames(), &TCustomForm::Position,
                                                     &TCustomForm::SetPosition),
          props::Enumeration<TCustomForm, TWindowState>("WindowState", {"wsNormal", "wsMinimized", "wsMaximized"},
                                                        &TCustomForm::WindowState, &TCustomForm::SetWindowState),
          props::Event<TCustomForm>("OnCreate", &TCustomForm::OnCreate),
          props::Event<TCustomForm>("OnDestroy", &TCustomForm::OnDestroy),
          props::Event<TCustomForm>("OnShow", &TCustomForm::OnShow),
          props::Event<TCustomForm>("OnActivate", &TCustomForm::OnActivate),
          props::Event<TCustomForm>("OnDeactivate", &TCustomForm::OnDeactivate),
      });
  return info;
}

const TClassInfo& TForm::StaticClassInfo() {
  static const TClassInfo info("TForm", &TCustomForm::StaticClassInfo(), {},
                               [](TComponent* owner) { return new TForm(owner); });
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csAcceptsControls | csSetCaption);
  SetColor(clBtnFace);
  // A form is hidden until shown.
  SetVisibleField(false);
  if (Screen()) Screen()->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (Screen()) Screen()->RemoveForm(this);
}

void TCustomForm::BeforeDestruction() {
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
    }
  }
  if (Screen()) Screen()->RemoveForm(this);
  if (Application() && Application()->MainForm() == this) Application()->SetMainForm(nullptr);
  TWinControl::BeforeDestruction();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FMenu) FMenu = nullptr;
  if (component == FActiveControl) FActiveControl = nullptr;
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (FClientWidthStored > 0 || FClientHeightStored > 0) {
    SetClientSize(FClientWidthStored > 0 ? FClientWidthStored : ClientWidth(),
                  FClientHeightStored > 0 ? FClientHeightStored : ClientHeight());
  }
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone: params.Style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow: params.Style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (FBorderStyle == TFormBorderStyle::bsToolWindow || FBorderStyle == TFormBorderStyle::bsSizeToolWin)
    params.ExStyle |= WS_EX_TOOLWINDOW;
  if (FBorderStyle != TFormBorderStyle::bsNone) {
    if (FBorderIcons & biSystemMenu) params.Style |= WS_SYSMENU;
    if (FBorderStyle != TFormBorderStyle::bsDialog && FBorderStyle != TFormBorderStyle::bsToolWindow &&
        FBorderStyle != TFormBorderStyle::bsSizeToolWin) {
      if (FBorderIcons & biMinimize) params.Style |= WS_MINIMIZEBOX;
      if (FBorderIcons & biMaximize) params.Style |= WS_MAXIMIZEBOX;
    }
    if (FBorderIcons & biHelp) params.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (!Enabled()) params.Style |= WS_DISABLED;
  // Forms other than the main form stay above it (owned by its window).
  params.WndParent = nullptr;
  if (Application() && Application()->MainForm() && Application()->MainForm() != this &&
      Application()->MainForm()->HandleAllocated())
    params.WndParent = Application()->MainForm()->Handle();
  params.ExStyle |= params.WndParent ? 0 : WS_EX_APPWINDOW;
  params.ClassBackground = nullptr;
}

void TCustomForm::AfterCreateWnd() {
  if (FClientAfterCreate) {
    const SIZE wanted = *FClientAfterCreate;
    FClientAfterCreate.reset();
    RECT client{};
    GetClientRect(Handle(), &client);
    if (client.right != wanted.cx || client.bottom != wanted.cy) TWinControl::SetClientSize(wanted.cx, wanted.cy);
  }
  HICON icon = FIcon ? FIcon : (Application() ? Application()->Icon() : nullptr);
  if (icon) {
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  // A new window carries its menu, whoever drew the bar of the old one.
  FMenuOnWindow = true;
  if (FMenu) ::SetMenu(Handle(), FMenu->Handle());
}

void TCustomForm::SetIcon(HICON icon) {
  FIcon = icon;
  if (HandleAllocated() && icon) {
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
}

void TCustomForm::SetBorderIcons(std::uint32_t icons) {
  if (icons == FBorderIcons) return;
  FBorderIcons = icons;
  RecreateWnd();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState state) {
  FWindowState = state;
  if (HandleAllocated() && Visible()) {
    ShowWindow(Handle(), state == TWindowState::wsMaximized   ? SW_MAXIMIZE
                         : state == TWindowState::wsMinimized ? SW_MINIMIZE
                                                              : SW_RESTORE);
  }
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == FMenu) return;
  if (FMenu) FMenu->RemoveFreeNotification(this);
  FMenu = menu;
  if (menu) menu->FreeNotification(this);
  if (HandleAllocated()) {
    ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
    DrawMenuBar(Handle());
    Perform(CM_MENUCHANGED);
  }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == FActiveControl) return;
  if (FActiveControl) FActiveControl->RemoveFreeNotification(this);
  FActiveControl = control;
  if (control) control->FreeNotification(this);
  if (control && !IsLoading() && Active() && control->CanFocus()) control->SetFocus();
}

bool TCustomForm::Active() const { return HandleAllocated() && GetActiveWindow() == const_cast<TCustomForm*>(this)->Handle(); }

RECT TCustomForm::FrameAt(int dpi) {
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  // AdjustWindowRectExForDpi is there from Windows 10 1607; before, the system's frame is
  // taken to the scale.
  using TAdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = reinterpret_cast<TAdjustForDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  if (adjustForDpi && adjustForDpi(&frame, params.Style, FMenu != nullptr, params.ExStyle, static_cast<UINT>(dpi)))
    return frame;
  frame = RECT{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FMenu != nullptr, params.ExStyle);
  const int system = SystemDpi();
  return RECT{RescaleDpi(frame.left, system, dpi), RescaleDpi(frame.top, system, dpi),
              RescaleDpi(frame.right, system, dpi), RescaleDpi(frame.bottom, system, dpi)};
}

RECT TCustomForm::ClientRect() {
  if (HandleAllocated()) return TWinControl::ClientRect();
  // Before the window exists: the outer size less the frame this style will get at the form's
  // scale.
  const RECT frame = FrameAt(CurrentDpi());
  return RECT{0, 0, std::max(0L, Width() - (frame.right - frame.left)),
              std::max(0L, Height() - (frame.bottom - frame.top))};
}

void TCustomForm::ScaleForDpi(int dpi) {
  FDpiScaled = true;
  const int old = CurrentDpi();
  TWinControl::ScaleForDpi(dpi);
  if (CurrentDpi() != old && HandleAllocated() && OnDpiChanged) OnDpiChanged(this);
}

RECT TCustomForm::ScaledBounds(int dpi) {
  if (FSuggestedRect) {
    const RECT& r = *FSuggestedRect;
    return RECT{r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  // The client area is what the controls fill: it scales, the frame is the platform's.
  const RECT client = ClientRect();
  const int width = RescaleDpi(client.right, CurrentDpi(), dpi);
  const int height = RescaleDpi(client.bottom, CurrentDpi(), dpi);
  RECT frame{};
  if (HandleAllocated()) {
    RECT outer{};
    GetWindowRect(Handle(), &outer);
    frame = RECT{0, 0, (outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
  } else {
    frame = FrameAt(dpi);
    // The window may get another frame than the one foreseen (a system that does not scale
    // frames per window): the client size is put right once the window exists.
    FClientAfterCreate = SIZE{width, height};
  }
  return RECT{Left(), Top(), width + (frame.right - frame.left), height + (frame.bottom - frame.top)};
}

void TCustomForm::CreateWnd() {
  if (!FDpiScaled) {
    FDpiFollowsMonitor = true;
    ScaleForDpi(SystemDpi());
  }
  TWinControl::CreateWnd();
  // Under per-monitor awareness the window's monitor may have another scale than the system.
  if (FDpiFollowsMonitor) {
    const int dpi = WindowDpi(Handle());
    if (dpi != CurrentDpi()) TWinControl::ScaleForDpi(dpi);
  }
}

void TCustomForm::DpiChangedMessage(TMessage& message) {
  // wParam holds the new scale twice (x and y, always equal); lParam the rectangle the system
  // suggests for the window at that scale.
  const int dpi = HIWORD(message.WParam);
  const auto* suggested = reinterpret_cast<const RECT*>(message.LParam);
  message.Result = 0;
  if (dpi <= 0) return;
  if (suggested) FSuggestedRect = *suggested;
  try {
    if (dpi != CurrentDpi()) {
      ScaleForDpi(dpi);
    } else if (suggested) {
      SetBounds(suggested->left, suggested->top, suggested->right - suggested->left,
                suggested->bottom - suggested->top);
    }
  } catch (...) {
    FSuggestedRect.reset();
    throw;
  }
  FSuggestedRect.reset();
}

void TCustomForm::SetClientSize(int width, int height) {
  if (IsReading()) {
    // The outer size may not be read yet: apply after reading.
    FClientWidthStored = width;
    FClientHeightStored = height;
    return;
  }
  if (!HandleAllocated()) {
    // The frame around the client, not the difference to a client worked out from an outer
    // size that may still be smaller than the frame (a form described by its client size).
    const RECT frame = FrameAt(CurrentDpi());
    SetBounds(Left(), Top(), width + (frame.right - frame.left), height + (frame.bottom - frame.top));
    return;
  }
  TWinControl::SetClientSize(width, height);
}

void TCustomForm::SetFormClientWidth(int value) {
  // While reading, each is kept apart: setting one must not store the other's unread value.
  if (IsReading()) FClientWidthStored = value;
  else SetClientWidth(value);
}

void TCustomForm::SetFormClientHeight(int value) {
  if (IsReading()) FClientHeightStored = value;
  else SetClientHeight(value);
}

POINT TCustomForm::ClientOrigin() {
  POINT origin{0, 0};
  if (HandleAllocated()) ::ClientToScreen(Handle(), &origin);
  return origin;
}

bool TCustomForm::Showing() const { return Visible() && HandleAllocated() && IsWindowVisible(const_cast<TCustomForm*>(this)->Handle()); }

void TCustomForm::ApplyPosition() {
  if (FPositioned) return;
  FPositioned = true;
  if (FPosition == TPosition::poScreenCenter || FPosition == TPosition::poDesktopCenter ||
      (FPosition == TPosition::poMainFormCenter && !(Application() && Application()->MainForm()))) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    if (FPosition == TPosition::poDesktopCenter) work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SetBounds(work.left + (work.right - work.left - Width()) / 2, work.top + (work.bottom - work.top - Height()) / 2,
              Width(), Height());
  } else if (FPosition == TPosition::poMainFormCenter || FPosition == TPosition::poOwnerFormCenter) {
    TCustomForm* main = Application()->MainForm();
    if (main && main != this) {
      SetBounds(main->Left() + (main->Width() - Width()) / 2, main->Top() + (main->Height() - Height()) / 2, Width(),
                Height());
    }
  }
}

void TCustomForm::ShowWindowNow() {
  // The window first: making it scales the form, and the place depends on the size.
  HandleNeeded();
  if (Screen()->OnFormShowing && !IsWindowVisible(Handle())) Screen()->OnFormShowing(this);
  ApplyPosition();
  const HWND window = Handle();
  int command = SW_SHOWNORMAL;
  if (FWindowState == TWindowState::wsMaximized) command = SW_SHOWMAXIMIZED;
  if (FWindowState == TWindowState::wsMinimized) command = SW_SHOWMINIMIZED;
  ShowWindow(window, command);
  SetForegroundWindow(window);
  if (OnShow) OnShow(this);
}

void TCustomForm::Show() {
  SetVisible(true);
  if (HandleAllocated()) {
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Handle());
  }
}

int TCustomForm::ShowModal() {
  if (FInModal) return mrNone;
  FInModal = true;
  FModalResult = mrNone;
  // Every other window of the program waits while the modal form runs.
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) -> BOOL {
        if (IsWindowVisible(window) && IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  HandleNeeded();
  for (HWND w : disabled) {
    if (w != Handle()) EnableWindow(w, FALSE);
  }
  Show();
  while (FModalResult == mrNone && Application() && !Application()->Terminated()) {
    if (!Application()->HandleMessage()) break;
    if (!IsWindowVisible(Handle())) FModalResult = mrCancel;
  }
  for (HWND w : disabled) {
    if (IsWindow(w)) EnableWindow(w, TRUE);
  }
  Hide();
  FInModal = false;
  return FModalResult;
}

void TCustomForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (Application() && Application()->MainForm() == this) action = TCloseAction::caFree;
  if (FInModal) action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (FInModal) {
    if (FModalResult == mrNone) FModalResult = mrCancel;
    return;
  }
  if (Application() && Application()->MainForm() == this) {
    Application()->Terminate();
    return;
  }
  switch (action) {
    case TCloseAction::caHide: Hide(); break;
    case TCloseAction::caMinimize: SetWindowState(TWindowState::wsMinimized); break;
    case TCloseAction::caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::Release() {
  if (HandleAllocated()) PostMessageW(Handle(), CM_RELEASE, 0, 0);
  else Free();
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (control && control->CanFocus()) control->SetFocus();
}

void TCustomForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return;
  int start = -1;
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i] == current) start = static_cast<int>(i);
  }
  const int n = static_cast<int>(list.size());
  int i = start;
  for (int step = 0; step < n; ++step) {
    i = forward ? (i + 1) % n : (i <= 0 ? n - 1 : i - 1);
    TWinControl* c = list[static_cast<size_t>(i)];
    if ((!checkTabStop || c->TabStop()) && c->CanFocus() && c->Showing()) {
      c->SetFocus();
      return;
    }
  }
}

TMenuItem* TCustomForm::FindMenuItem(UINT command) {
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* menu = dynamic_cast<TMenu*>(Components(i))) {
      if (TMenuItem* item = menu->FindItem(command)) return item;
    }
  }
  return nullptr;
}

bool TCustomForm::DialogKey(WPARAM key) {
  TWinControl* focused = ControlOfWindow(GetFocus());
  switch (key) {
    case VK_TAB:
      // Ctrl+Tab turns the pages of the tab control around the focus.
      if (GetKeyState(VK_CONTROL) < 0) {
        for (TWinControl* c = focused; c; c = c->Parent()) {
          if (auto* tabs = dynamic_cast<TCustomTabControl*>(c)) {
            tabs->SelectNextTab(GetKeyState(VK_SHIFT) >= 0);
            return true;
          }
        }
      }
      SelectNext(focused, GetKeyState(VK_SHIFT) >= 0, true);
      return true;
    case VK_RETURN:
    case VK_ESCAPE: {
      // The focused button answers Enter itself; otherwise the default (or cancel) button.
      if (key == VK_RETURN && dynamic_cast<TButton*>(focused)) return false;
      std::vector<TWinControl*> list;
      GetTabOrderList(list);
      for (TWinControl* c : list) {
        auto* button = dynamic_cast<TButton*>(c);
        if (button && (key == VK_RETURN ? button->Default() : button->Cancel()) && button->CanFocus() &&
            button->Showing()) {
          button->Click();
          return true;
        }
      }
      return false;
    }
    default: return false;
  }
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      message.Result = 0;
      return;
    case WM_ACTIVATE:
      DefaultHandler(message);
      if (LOWORD(message.WParam) != WA_INACTIVE) {
        if (FActiveControl && FActiveControl->CanFocus() && FActiveControl->HandleAllocated()) {
          ::SetFocus(FActiveControl->Handle());
        } else if (!ControlOfWindow(GetFocus()) || !ContainsControl(ControlOfWindow(GetFocus()))) {
          SelectNext(nullptr, true, true);
        }
        Perform(CM_ACTIVATE);
        if (OnActivate) OnActivate(this);
      } else {
        Perform(CM_DEACTIVATE);
        if (OnDeactivate) OnDeactivate(this);
      }
      return;
    case WM_COMMAND:
      if (message.LParam == 0 && HIWORD(message.WParam) == 0) {
        if (TMenuItem* item = FindMenuItem(LOWORD(message.WParam))) {
          item->Click();
          message.Result = 0;
          return;
        }
      }
      break;
    case WM_MEASUREITEM: {
      auto* info = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (info && info->CtlType == ODT_MENU) {
        if (auto* item = reinterpret_cast<TMenuItem*>(info->itemData)) {
          TCanvas canvas;
          TWindowDC dc(Handle());
          canvas.SetHandle(dc);
          NONCLIENTMETRICSW metrics{};
          metrics.cbSize = sizeof metrics;
          if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            canvas.Font().SetLogFont(metrics.lfMenuFont);
          int width = static_cast<int>(info->itemWidth), height = static_cast<int>(info->itemHeight);
          item->MeasureItem(canvas, width, height);
          info->itemWidth = static_cast<UINT>(width);
          info->itemHeight = static_cast<UINT>(height);
          canvas.SetHandle(nullptr);
          message.Result = 1;
          return;
        }
      }
      break;
    }
    case WM_DRAWITEM: {
      auto* info = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (info && info->CtlType == ODT_MENU) {
        if (auto* item = reinterpret_cast<TMenuItem*>(info->itemData)) {
          TCanvas canvas;
          TSaveDC save(info->hDC);
          canvas.SetHandle(info->hDC);
          NONCLIENTMETRICSW metrics{};
          metrics.cbSize = sizeof metrics;
          if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            canvas.Font().SetLogFont(metrics.lfMenuFont);
          item->DrawItem(canvas, info->rcItem, (info->itemState & ODS_SELECTED) != 0);
          canvas.SetHandle(nullptr);
          message.Result = 1;
          return;
        }
      }
      break;
    }
    case WM_GETMINMAXINFO: break;
    case kWmDpiChanged:
      DpiChangedMessage(message);
      return;
    case CM_FOCUSCHANGED: {
      auto* control = reinterpret_cast<TWinControl*>(message.LParam);
      if (control && ContainsControl(control)) {
        if (FActiveControl) FActiveControl->RemoveFreeNotification(this);
        FActiveControl = control;
        control->FreeNotification(this);
      }
      return;
    }
    case CM_DIALOGKEY:
      message.Result = DialogKey(message.WParam) ? 1 : 0;
      return;
    case CM_RELEASE:
      Free();
      return;
    case CM_VISIBLECHANGED:
      if (Visible()) {
        ShowWindowNow();
      } else if (HandleAllocated()) {
        ShowWindow(Handle(), SW_HIDE);
      }
      return;
    default: break;
  }
  TWinControl::WndProc(message);
}
