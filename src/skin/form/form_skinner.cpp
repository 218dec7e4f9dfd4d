// TWinSkinForm: attaching, activation, the replacement window procedures and giving the window
// its own look back.
#include "skin/form/form_skinner.h"

#include <algorithm>

#include "skin/controls/skin_scrollbar.h"
#include "skin/form/discovery.h"
#include "skin/form/menu_paint.h"
#include "skin/form/popup_menu.h"
#include "skin/model/skin_manage.h"
#include "ui/application.h"
#include "ui/messages.h"
#include "ui/platform.h"
#include "ui/skin_messages.h"

namespace {

// The platform's own caption-drawing message (undocumented, sent while a caption repaints).
constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;
constexpr int kMaxClassName = 100;
constexpr int kMaxAnsiText = 1000;
// A system command identifier reached through WM_COMMAND is posted back as WM_SYSCOMMAND.
constexpr WPARAM kSystemCommands[] = {0xF000, 0xF010, 0xF020, 0xF030, 0xF040, 0xF050, 0xF060, 0xF120};
constexpr UINT kRedrawMdi = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
constexpr UINT kReapplyFrame = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

std::string ClassNameOf(HWND window) {
  char name[kMaxClassName + 1] = {};
  GetClassNameA(window, name, kMaxClassName + 1);
  return name;
}

}  // namespace

const TClassInfo& TWinSkinForm::StaticClassInfo() {
  static const TClassInfo info("TWinSkinForm", &TComponent::StaticClassInfo(), {});
  return info;
}

void TWinSkinForm::Register() {
  EnsureSkinManager().SetFormSkinnerFactory([](TComponent* owner) { return new TWinSkinForm(owner); });
  TWinSkinPopMenu::Register();
}

void TWinSkinForm::Prepare(HWND window, const void* managerTag, const std::string& className) {
  Handle = window;
  SkinManagerTag = managerTag;
  WindowClassName = className;
}

TWinSkinForm::TWinSkinForm(TComponent* owner)
    : TFormSkinnerBase(owner), FCaptionFont(std::make_unique<TFont>()), FWorkCanvas(std::make_unique<TCanvas>()),
      FControlCanvas(std::make_unique<TCanvas>()) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    FCaptionFont->SetLogFont(metrics.lfCaptionFont);
  DoubleClickTime = GetDoubleClickTime();
}

TWinSkinForm::~TWinSkinForm() {
  *FAlive = false;
  ForgetMenuLoopTracker(this);
  // The system menu being tracked is still in use by its loop: ShowSystemMenu frees it.
  if (FSystemMenuOpen) (void)SystemPopup.release();
  if (TSkinManage* manager = SkinManager()) manager->RemoveFormSkinner(this);
  FHoverTimer.reset();
  const bool windowGoing = LifeState == fsDestroying || LifeState == fsGone;
  if (!windowGoing && IsWindow(Handle)) ReleaseAlign();
  FreeControlSkinners(!windowGoing);
  RestoreWindowProcs();
  HotObject = nullptr;
  MenuBar.reset();
}

// ---- attaching ----

void TWinSkinForm::AttachToForm(TSkinData* data, TCustomForm* form) {
  Form = form;
  if (data && data->OnBeforeSkinForm) data->OnBeforeSkinForm(form, Handle, WindowClassName);
  if (data && data->HasControl(xcMenuItem)) SetPropText(form, "AutoScroll", L"False");
  Attach(data);
  if (!FNewWndProc.Installed()) return;
  if (FrameSkinned) {
    FSavedFormWindowProc = form->WindowProc;
    form->WindowProc = [this](TMessage& m) { FormWindowProc(m); };
  }
  SavedFormColor = form->Color();
  if (data) form->SetColor(data->Colour(SkinColour::ButtonFace));
  if (data && data->HasControl(xcMenuItem)) OwnerDrawMainMenus(form, true);
  if (data && FrameSkinned && data->HasControl(xcPopupMenu)) OwnerDrawPopupMenus(form, true);
}

void TWinSkinForm::AttachToWindow(TSkinData* data) { Attach(data); }

void TWinSkinForm::ReadClassification() {
  StyleBits = static_cast<std::uint32_t>(GetWindowLongW(Handle, GWL_STYLE));
  const auto exStyle = static_cast<std::uint32_t>(GetWindowLongW(Handle, GWL_EXSTYLE));
  RightToLeft = exStyle & kExLayoutRtl;
  IsChildWindow = StyleBits & kStyleChild;
  ClassName = ClassNameOf(Handle);
  MessageDialog = ClassName == "#32770" || ClassName == "TMessageForm";
  const TPlatformVersion& platform = PlatformVersion();
  TCapsInput caps;
  caps.Style = StyleBits;
  caps.ExStyle = exStyle;
  caps.SystemMenuKnown = SystemMenu != nullptr;
  caps.PlatformMajor = platform.Major;
  caps.PlatformMinor = platform.Minor;
  caps.PlatformNT = platform.NT;
  caps.HasOwner = GetWindow(Handle, GW_OWNER) != nullptr;
  Caps = CaptionCapsOf(caps);
  ReadWindowState();
  Sizeable = StyleBits & kStyleSizeBox;
  MdiRole = mdiNone;
  for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassNameOf(child) == "MDIClient") {
      MdiRole = mdiFrame;
      MdiClient = child;
      break;
    }
  }
  if (exStyle & kExMdiChild) {
    MdiRole = mdiChild;
    // The client it lives in takes the redraw requests of a maximized child.
    MdiClient = GetParent(Handle);
  }
  FrameKind = FrameKindOf(StyleBits, exStyle, MessageDialog);
  UnicodeWindow = IsWindowUnicode(Handle);
}

void TWinSkinForm::Attach(TSkinData* data) {
  if (FNewWndProc.Installed() || !Handle || !IsWindow(Handle)) return;
  SkinData = data;
  FHoverTimer.reset(new TTimer(nullptr));
  FHoverTimer->SetEnabled(false);
  FHoverTimer->SetInterval(kHoverInterval);
  FHoverTimer->OnTimer = [this](TObject*) { HoverTick(); };
  FrameSkinned = data && data->HasControl(xcMainMenu);
  ReadClassification();
  if (MdiRole == mdiChild && data && data->HasOption(xoMDIChildBorder)) FrameSkinned = false;
  // Hidden by its style bit alone, so nothing is repainted until the frame is in place.
  bool hidden = false;
  if (TSkinManage* manager = SkinManager();
      manager && manager->HideWhileSkinning && !IsChildWindow && FrameSkinned && FrameKind != fkNoCaption &&
      (GetWindowLongW(Handle, GWL_STYLE) & WS_VISIBLE)) {
    SetWindowLongW(Handle, GWL_STYLE, static_cast<LONG>(GetWindowLongW(Handle, GWL_STYLE) & ~WS_VISIBLE));
    hidden = true;
  }
  HiddenWhileSkinning = hidden;
  if (data && !PlatformVersion().NT) data->SetSkinControls(data->SkinControls() & ~SetOf(xcSystemMenu));
  if (MdiRole == mdiFrame && MdiClient) {
    SavedMenuUpdate = data && data->MenuUpdate();
    FNewMdiClientProc.Install(MdiClient, [this](TMessage& m) { MdiClientWndProc(m); });
  }
  if (!FNewWndProc.Install(Handle, [this](TMessage& m) { FrameWndProc(m); })) {
    // Not ours after all: the window keeps its look and is shown again.
    FNewMdiClientProc.Remove();
    if (hidden) SetWindowLongW(Handle, GWL_STYLE, GetWindowLongW(Handle, GWL_STYLE) | WS_VISIBLE);
    FHoverTimer.reset();
    return;
  }
  if (FrameSkinned) {
    // Taking the menu off the window grows the client until the activation fits the skinned
    // frame around it again: the form is laid out once, after both.
    if (Form && MdiRole == mdiNone && !IsChildWindow) HoldAlign();
    CreateMenuBar();
    ComputeFrameMetrics();
    if (MenuBar) MenuBar->LayoutMenuBar();
  } else {
    LifeState = fsActive;
  }
  if (MdiRole == mdiChild && FrameSkinned) {
    const int wanted = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    if (FrameTop < wanted) MenuBarHeight = wanted - FrameTop;
  }
  if (MdiRole == mdiChild && WindowState == wsMaximizedState) {
    if (TSkinManage* manager = SkinManager(); manager && !manager->MdiMaximized) manager->SetMdiMaximized(true);
  }
}

int TWinSkinForm::SkinDpi() const {
  return SkinData ? SkinData->Dpi() : kDesignDpi;
}

void TWinSkinForm::ComputeFrameMetrics() {
  for (TPieceCache& piece : FPieces) piece = TPieceCache{};
  FBorderKeyed.fill(-1);
  if (!SkinData || SkinData->SkinPending()) return;
  if (FrameKind == fkNoCaption) {
    FrameLeft = FrameTop = FrameRight = FrameBottom = MenuBarHeight = 0;
    return;
  }
  auto frames = [](const TDataSkinBorder& b) { return std::max(1, b.Frame); };
  const auto& borders = SkinData->Borders;
  FrameTop = borders[kBorderTop]->Image.Height() / frames(*borders[kBorderTop]);
  FrameLeft = borders[kBorderLeft]->Image.Width() / frames(*borders[kBorderLeft]);
  FrameRight = borders[kBorderRight]->Image.Width() / frames(*borders[kBorderRight]);
  FrameBottom = borders[kBorderBottom]->Image.Height() / frames(*borders[kBorderBottom]);
  BuildCaptionButtons();
}

void TWinSkinForm::Activate() {
  SystemMenu = GetSystemMenu(Handle, FALSE);
  MakeIconBitmap();
  GetClientRect(Handle, &ClientSize);
  RECT window{};
  GetWindowRect(Handle, &window);
  PreSkinFrame = RECT{0, 0, (window.right - window.left) - ClientSize.right, (window.bottom - window.top) - ClientSize.bottom};
  // A bare window's client grew by the platform menu bar it gave up; the band takes that room.
  if (!Form && MenuBar) ClientSize.bottom = std::max(0L, ClientSize.bottom - MenuBarHeight);
  // A window taken over before it is shown was never hidden and does not use up the request.
  if (TSkinManage* manager = SkinManager();
      manager && manager->HideWhileSkinning && (HiddenWhileSkinning || IsWindowVisible(Handle))) {
    manager->HideWhileSkinning = false;
    if (HiddenWhileSkinning) SetWindowLongW(Handle, GWL_STYLE, GetWindowLongW(Handle, GWL_STYLE) | WS_VISIBLE);
    HiddenWhileSkinning = false;
  }
  TDiscoverySite site;
  site.SkinData = SkinData;
  site.Host = this;
  site.FormSkinner = this;
  site.WorkCanvas = FWorkCanvas.get();
  site.ControlSkinners = &FControlSkinners;
  site.OwnerDrawPopupMenu = [this](TPopupMenu* menu) {
    if (menu && SkinData && menu->Tag() != SkinData->DisableTag()) SetSkinnedMenuHandlers(*menu, SkinData, true, true);
  };
  FDiscovery = std::make_unique<TControlDiscovery>(site);
  // The controls taken over are redrawn together, with the frame, not one by one.
  PaintingLater = true;
  if (Form) FDiscovery->DiscoverFormControls(Form);
  else FDiscovery->DiscoverChildWindows(Handle);
  PaintingLater = false;
  if (LifeState == fsAttached) {
    if (MdiRole == mdiChild) {
      if (WindowState == wsMaximizedState) {
        if (MdiClient) PostMessageW(MdiClient, SKINMSG_REDRAWMDI, reinterpret_cast<WPARAM>(Handle), 0);
      } else if (WindowState == wsNormalState) {
        LifeState = fsFitting;
        FitWindowToFrame(false);
        LifeState = fsActive;
        UpdateWindowRegion(false);
      }
    } else if (!IsChildWindow && FrameKind != fkNoCaption && WindowState != wsMinimizedState) {
      LifeState = fsFitting;
      // Nothing is drawn for the old frame on the way: the whole window is redrawn below.
      FitWindowToFrame(false, true);
      LifeState = fsActive;
      if (WindowState == wsMaximizedState) ReapplyFrame();
      else UpdateWindowRegion(false);
    }
  }
  // The controls taken over and the new frame: one redraw for all.
  RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  ReleaseAlign();
  NotifySkinned();
  LifeState = fsActive;
  if (FHoverTimer) FHoverTimer->SetEnabled(true);
}

void TWinSkinForm::HoldAlign() {
  if (AlignHeld || !Form) return;
  Form->DisableAlign();
  AlignHeld = true;
}

void TWinSkinForm::ReleaseAlign() {
  if (!AlignHeld) return;
  AlignHeld = false;
  if (Form) Form->EnableAlign();
}

void TWinSkinForm::SizeGripCreated(HWND grip) {
  if (FDiscovery) FDiscovery->ClassifyChildWindow(grip);
}

void TWinSkinForm::NotifySkinned() {
  SendMessageW(Handle, SKINMSG_DONE, 0, SKIN_MAGIC);
  if (SkinData && SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, WindowClassName);
}

void TWinSkinForm::ReapplyFrame() { SetWindowPos(Handle, nullptr, 0, 0, 0, 0, kReapplyFrame); }

void TWinSkinForm::FitWindowToFrame(bool refresh, bool quiet) {
  if (WindowState == wsMaximizedState) {
    ReapplyFrame();
    return;
  }
  if (MessageDialog || LifeState == fsReskinning) GetClientRect(Handle, &ClientSize);
  int w = ClientSize.right + FrameLeft + FrameRight;
  int h = ClientSize.bottom + FrameTop + FrameBottom + MenuBarHeight;
  if (refresh) {
    GetClientRect(Handle, &ClientSize);
    w = ClientSize.right + FrameLeft + FrameRight;
    h = ClientSize.bottom + FrameTop + FrameBottom + MenuBarHeight;
  } else if (Form) {
    w = Form->ClientWidth() + FrameLeft + FrameRight;
    const int clientHeight = MdiRole == mdiChild ? Form->ClientHeight() : Form->ClientHeight() - MenuBarHeight;
    h = clientHeight + FrameTop + FrameBottom + MenuBarHeight;
  }
  if (MessageDialog && !refresh && SkinData && SkinData->Title) {
    const std::wstring text = ReadWindowText();
    TWindowDC dc(Handle, TWindowDC::Whole);
    TSelectObject font(dc, CaptionFont().Handle());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    CaptionTextWidth = size.cx;
    const int needed = SkinData->Title->LeftWidth + CaptionTextWidth + SkinData->Title->RightWidth;
    if (w < needed) {
      const int shift = (needed - w) / 2;
      for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
      w = needed;
    }
  }
  SetWindowPos(Handle, nullptr, 0, 0, w, h,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | (quiet ? SWP_NOREDRAW : 0));
}

// ---- control skinners ----

bool TWinSkinForm::AddControlSkinner(TSkinControl* skinner) {
  if (std::find(FControlSkinners.begin(), FControlSkinners.end(), skinner) != FControlSkinners.end()) return true;
  FControlSkinners.push_back(skinner);
  return false;
}

void TWinSkinForm::RemoveControlSkinner(TSkinControl* skinner) {
  const auto it = std::find(FControlSkinners.rbegin(), FControlSkinners.rend(), skinner);
  if (it != FControlSkinners.rend()) FControlSkinners.erase(std::next(it).base());
}

void TWinSkinForm::PurgeControlSkinners() {
  for (TSkinControl* skinner : std::vector<TSkinControl*>(FControlSkinners)) {
    if (skinner->LifeState == kSkinnerWindowDestroyed) {
      RemoveControlSkinner(skinner);
      skinner->Free();
    }
  }
}

void TWinSkinForm::ReskinScroll(HWND oldWindow) {
  for (TSkinControl* skinner : std::vector<TSkinControl*>(FControlSkinners)) {
    if (!oldWindow || skinner->Handle != oldWindow) continue;
    TControl* control = skinner->Control;
    const std::string kind(skinner->ClassName());
    const int variant = skinner->Variant;
    const bool scrollKind = dynamic_cast<TSkinScrollbar*>(skinner) != nullptr;
    RemoveControlSkinner(skinner);
    skinner->FormSkinner = nullptr;
    skinner->Free();
    if (!scrollKind || !control || !SkinData) continue;
    // The same kind (plain or list view) on the control's new window.
    const TSkinnerFactory factory = FindSkinnerKind(kind);
    const TSkinnerAttach attach = FindSkinnerAttach(TAttachMode::ScrollBar);
    if (!factory || !attach) continue;
    TSkinControl* fresh = factory(control);
    if (!fresh) continue;
    fresh->Variant = variant;
    attach(fresh, control, SkinData, this, FWorkCanvas.get());
  }
}

void TWinSkinForm::FreeControlSkinners(bool detach) {
  while (!FControlSkinners.empty()) {
    TSkinControl* skinner = FControlSkinners.back();
    FControlSkinners.pop_back();
    if (detach && skinner->LifeState != kSkinnerWindowDestroyed) skinner->Detach();
    // Unlisted first, so its destruction does not look for itself in the list.
    skinner->FormSkinner = nullptr;
    skinner->Free();
  }
  HotControl = nullptr;
}

// ---- giving the look back ----

void TWinSkinForm::RestoreWindowProcs() {
  if (Form && FSavedFormWindowProc) {
    Form->WindowProc = FSavedFormWindowProc;
    FSavedFormWindowProc = nullptr;
  }
  FNewWndProc.Remove();
  FNewMdiClientProc.Remove();
}

void TWinSkinForm::Unskin() {
  if (!FrameSkinned) {
    UnskinLight();
    return;
  }
  ReleaseAlign();
  SystemPopup.reset();
  HotObject = nullptr;
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  if (!FNewWndProc.Installed()) return;
  RestoreWindowProcs();
  FreeControlSkinners(true);
  if (Form) {
    OwnerDrawPopupMenus(Form, false);
    if (SkinData && SkinData->HasControl(xcMenuItem)) OwnerDrawMainMenus(Form, false);
  }
  if (Form && LifeState != fsDestroying) Form->SetColor(SavedFormColor);
  SetSysMenuStyle(false);
  // The menu back on the window and the platform's frame back around it are one change of the
  // client: laid out once, at the end, to what it was before (so nothing moves).
  if (LifeState != fsDestroying) HoldAlign();
  ReleaseMenuBar(true);
  // Before its activation the window was never fitted to the skinned frame: nothing to undo.
  if (LifeState != fsDestroying && LifeState != fsAttached && (MdiRole == mdiChild || !IsChildWindow)) {
    RECT r{};
    GetWindowRect(Handle, &r);
    POINT topLeft{r.left, r.top};
    if (MdiRole == mdiChild) ScreenToClient(GetParent(Handle), &topLeft);
    const int w = (r.right - r.left) + PreSkinFrame.right - FrameLeft - FrameRight;
    const int h = (r.bottom - r.top) + PreSkinFrame.bottom - FrameTop - FrameBottom;
    // A window of its own is redrawn whole below; an MDI child leaves its old place to its parent.
    const UINT quiet = MdiRole == mdiChild ? 0 : SWP_NOREDRAW;
    SetWindowPos(Handle, nullptr, topLeft.x, topLeft.y, w, h, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | quiet);
  }
  ReleaseAlign();
  // No redraw of its own: the frame change above and the caller's repaint cover the window.
  SetWindowRgn(Handle, nullptr, FALSE);
  FRegion.Reset();
  RegionOwned = false;
  if (LifeState != fsDestroying) RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TWinSkinForm::UnskinLight() {
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  FreeControlSkinners(true);
  if (Form) {
    OwnerDrawPopupMenus(Form, false);
    if (SkinData && SkinData->HasControl(xcMenuItem)) OwnerDrawMainMenus(Form, false);
  }
  RestoreWindowProcs();
  if (Form && LifeState != fsDestroying) {
    for (int i = 0; i < Form->ComponentCount(); ++i) {
      if (auto* control = dynamic_cast<TControl*>(Form->Components(i))) control->Invalidate();
    }
  }
}

void TWinSkinForm::ReleaseHooks() {
  ReleaseAlign();
  if (!FrameSkinned) {
    UnskinLight();
    return;
  }
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  RestoreWindowProcs();
  FreeControlSkinners(false);
  ReleaseMenuBar(false);
  // The window frees the copy it was given; ours is freed here, or it would leak per window.
  FRegion.Reset();
}

void TWinSkinForm::ReskinForm() {
  if (Form) {
    Form->SetColor(SkinData->Colour(SkinColour::ButtonFace));
    for (int i = 0; i < Form->ComponentCount(); ++i) {
      if (auto* owned = dynamic_cast<TCustomForm*>(Form->Components(i)))
        owned->SetColor(SkinData->Colour(SkinColour::ButtonFace));
    }
  }
  PaintingLater = true;
  for (TSkinControl* skinner : FControlSkinners) skinner->SkinChanged();
  LifeState = fsReskinning;
  if (FrameSkinned && Form && SkinData->HasControl(xcPopupMenu)) OwnerDrawPopupMenus(Form, true);
  if (MenuBar) MenuBar->LayoutMenuBar();
  if (FrameSkinned && Form) {
    FitWindowToFrame(true);
    // A new layout inside the new frame. The window keeps its client size, so this moves only
    // what the skin's own sizes moved (a height step up and back would lay out and paint
    // everything twice).
    Form->Realign();
  }
  // A bare window takes the new frame around the same client area too; otherwise its client
  // would keep the old skin's borders and overlap the new ones.
  if (FrameSkinned && !Form && (!IsChildWindow || MdiRole == mdiChild)) FitWindowToFrame(true);
  UpdateWindowRegion();
  PaintingLater = false;
  RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  NotifySkinned();
  LifeState = fsActive;
}

// ---- helpers ----

POINT TWinSkinForm::ScreenToFrame(POINT screen) const {
  POINT p = screen;
  ScreenToClient(Handle, &p);
  if (MdiRole == mdiChild && WindowState == wsMinimizedState) return p;
  p.x += FrameLeft;
  p.y += FrameTop + MenuBarHeight;
  return p;
}

void TWinSkinForm::CallPrevious(TMessage& message) {
  message.Result = FNewWndProc.Installed() ? FNewWndProc.CallOld(message.Msg, message.WParam, message.LParam)
                                           : DefWindowProcW(Handle, message.Msg, message.WParam, message.LParam);
}

std::wstring TWinSkinForm::ReadWindowText() const {
  if (UnicodeWindow) {
    const int length = GetWindowTextLengthW(Handle);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(0, GetWindowTextW(Handle, text.data(), length + 1))));
    return text;
  }
  char ansi[kMaxAnsiText] = {};
  const int n = GetWindowTextA(Handle, ansi, kMaxAnsiText);
  return ToWide(std::string_view(ansi, static_cast<size_t>(std::max(0, n))));
}

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (GetWindowPlacement(Handle, &placement)) WindowState = WindowStateOfShowCommand(static_cast<int>(placement.showCmd));
}

void TWinSkinForm::SetSysMenuStyle(bool remove) {
  if (Caps & capKeepSysMenuStyle) return;
  StyleBits = static_cast<std::uint32_t>(GetWindowLongW(Handle, GWL_STYLE));
  if (remove) StyleBits &= ~kStyleSysMenu;
  else if (SystemMenu) StyleBits |= kStyleSysMenu;
  else return;
  SetWindowLongW(Handle, GWL_STYLE, static_cast<LONG>(StyleBits));
}

// ---- the replacement procedures ----

void TWinSkinForm::FrameWndProc(TMessage& message) {
  bool passed = false;
  if (FrameStage1(message, passed)) return;
  if (!passed) return;
  if (!FrameSkinned) {
    CallPrevious(message);
    return;
  }
  if (IsChildWindow && MdiRole != mdiChild) {
    CallPrevious(message);
    return;
  }
  if (FrameStage2(message)) return;
  if ((MdiRole == mdiChild && WindowState == wsMaximizedState) || LifeState == fsAttached) {
    CallPrevious(message);
    return;
  }
  FrameStage3(message);
}

bool TWinSkinForm::FrameStage1(TMessage& m, bool& passed) {
  passed = false;
  switch (m.Msg) {
    case WM_NCPAINT:
      if (LifeState == fsAttached) {
        m.Result = 0;
        return true;
      }
      break;
    case WM_ERASEBKGND:
      OnBackground(m);
      return true;
    case WM_NCDESTROY:
    {
      LifeState = fsDestroying;
      const WNDPROC old = FNewWndProc.OldProc();
      const bool unicode = FNewWndProc.Unicode();
      ReleaseHooks();
      // The saved procedure finishes the message: ours is already out of the chain.
      if (old) m.Result = unicode ? CallWindowProcW(old, Handle, m.Msg, m.WParam, m.LParam)
                                  : CallWindowProcA(old, Handle, m.Msg, m.WParam, m.LParam);
      LifeState = fsGone;
      return true;
    }
    case WM_NCACTIVATE:
      if (LifeState == fsAttached && MdiRole != mdiChild) {
        m.Result = 0;
        return true;
      }
      break;
    case WM_NCUAHDRAWCAPTION:
      m.Result = 0;
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      OnBackground(m);
      return true;
    case WM_INITMENUPOPUP:
      if (TSkinManage* manager = SkinManager())
        manager->PopupMode = SystemMenu && reinterpret_cast<HMENU>(m.WParam) == SystemMenu ? 2 : 1;
      CallPrevious(m);
      return true;
    default:
      if (m.Msg == SKINMSG_ACTIVATE) {
        Activate();
        return true;
      }
      if (m.Msg == SKINMSG_QUERY) {
        m.Result = 1;
        PostMessageW(Handle, SKINMSG_DONE, 0, SKIN_MAGIC);
        return true;
      }
      if (m.Msg == SKINMSG_RESKINSCROLL) {
        ReskinScroll(reinterpret_cast<HWND>(m.WParam));
        return true;
      }
      break;
  }
  if (FrameSkinned) {
    passed = true;
    return false;
  }
  CallPrevious(m);
  return true;
}

bool TWinSkinForm::FrameStage2(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
      OnSize(m);
      return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      ActiveLook = LOBYTE(m.WParam) != 0;
      return false;
    case WM_GETMINMAXINFO:
      CallPrevious(m);
      ReadWindowState();
      return true;
    case WM_WINDOWPOSCHANGED:
      ReadWindowState();
      CallPrevious(m);
      return true;
    case WM_SYSCOMMAND: {
      if (OnKeyMenu(m)) return true;
      const WPARAM command = m.WParam & 0xFFF0;
      // Alt+Space: the skinned system menu at the client's origin instead of the platform's.
      if (command == SC_KEYMENU && m.LParam == ' ' && SystemMenu && !MenuTracking) {
        POINT origin{0, 0};
        ClientToScreen(Handle, &origin);
        ShowSystemMenu(origin);
        m.Result = 0;
        return true;
      }
      if (command == SC_MINIMIZE) WindowState = wsMinimizedState;
      else if (command == SC_MAXIMIZE) WindowState = wsMaximizedState;
      else if (command == SC_RESTORE) WindowState = wsNormalState;
      if (command == SC_MINIMIZE || command == SC_MAXIMIZE || command == SC_RESTORE) ForgetButtonStates();
      if (command == SC_RESTORE && MdiRole == mdiChild) {
        if (TSkinManage* manager = SkinManager()) manager->SetMdiMaximized(false);
      }
      CallPrevious(m);
      return true;
    }
    case WM_SETICON:
      CallPrevious(m);
      MakeIconBitmap();
      return true;
    case WM_DPICHANGED:
      // The skin is made for the new scale first, so that when the window then takes the
      // suggested rectangle (its old one scaled) the new frame leaves the scaled client inside.
      if (SkinData && !IsChildWindow) SkinData->SetDpi(LOWORD(m.WParam));
      CallPrevious(m);
      m.Result = 0;
      return true;
    case WM_COMMAND: {
      const WPARAM id = LOWORD(m.WParam);
      if (std::find(std::begin(kSystemCommands), std::end(kSystemCommands), id) != std::end(kSystemCommands)) {
        PostMessageW(Handle, WM_SYSCOMMAND, id, 0);
        m.Result = 0;
      } else {
        CallPrevious(m);
      }
      return true;
    }
    case CM_MENUCHANGED:
      CallPrevious(m);
      OnMenuChanged();
      return true;
    case WM_MENUCHAR:
      if (OnMenuChar(m)) return true;
      CallPrevious(m);
      return true;
    default:
      if (m.Msg == SKINMSG_MENUCLICK) {
        const POINT at = ScreenToFrame(POINT{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))});
        if (!ButtonAt(at) && MenuBar) OpenMenuItem(MenuBar->ItemAt(at));
        m.Result = 0;
        return true;
      }
      return false;
  }
}

void TWinSkinForm::FrameStage3(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE: OnSize(m); return;
    case WM_WINDOWPOSCHANGING: CallPrevious(m); return;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (!OnMenuItemMessage(m)) CallPrevious(m);
      return;
    case WM_NCCALCSIZE: OnNcCalcSize(m); return;
    case WM_NCHITTEST: OnNcHitTest(m); return;
    case WM_NCPAINT: OnNcPaint(m); return;
    case WM_NCACTIVATE: OnNcActivate(m); return;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      if (!OnNcMouse(m)) CallPrevious(m);
      return;
    default:
      if (m.Msg == SKINMSG_PAINTFRAME) {
        PaintFrame(nullptr);
        return;
      }
      CallPrevious(m);
  }
}

void TWinSkinForm::FormWindowProc(TMessage& m) {
  if (m.Msg == WM_SETTEXT) {
    OnWindowText(m);
    return;
  }
  if (m.Msg == SKINMSG_RESKIN) {
    ReskinForm();
    return;
  }
  if (m.Msg == CM_DIALOGCHAR) {
    OnDialogChar(m);
    return;
  }
  if (m.Msg == CM_MENUCHANGED) {
    // The framework reports its rebuilt menu to the form's dispatch method, not the window.
    if (FSavedFormWindowProc) FSavedFormWindowProc(m);
    OnMenuChanged();
    return;
  }
  if (m.Msg == SKINMSG_PAINTNC && m.LParam == SKIN_MAGIC) {
    PaintFrame(reinterpret_cast<HDC>(m.WParam));
    m.Result = SKIN_MAGIC;
    return;
  }
  if (m.Msg == SKINMSG_PING) {
    m.Result = m.LParam == SKIN_MAGIC ? SKIN_MAGIC : 1;
    return;
  }
  if (FSavedFormWindowProc) FSavedFormWindowProc(m);
}

void TWinSkinForm::MdiClientWndProc(TMessage& m) {
  const auto callOld = [&] { m.Result = FNewMdiClientProc.CallOld(m.Msg, m.WParam, m.LParam); };
  switch (m.Msg) {
    case WM_NCDESTROY:
      callOld();
      FNewMdiClientProc.Remove();
      return;
    case WM_NCCALCSIZE:
      if (FrameSkinned && SkinData && !SkinData->HasOption(xoMDIScrollbar)) {
        const LONG style = GetWindowLongW(MdiClient, GWL_STYLE);
        SetWindowLongW(MdiClient, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
      }
      callOld();
      return;
    case WM_MDICREATE:
      if (SkinData) SkinData->SetMenuUpdate(false);
      callOld();
      return;
    case WM_MDIDESTROY:
      callOld();
      if (FrameSkinned) {
        // The child that is active now decides whether the frame shows MDI buttons.
        BOOL maximized = FALSE;
        const HWND active = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
        if (TSkinManage* manager = SkinManager()) manager->SetMdiMaximized(active && maximized);
        if (MenuBar && !active) {
          if (SkinData) SkinData->SetMenuUpdate(SavedMenuUpdate);
          MenuBar->BuildItems();
          MenuBar->LayoutMenuBar();
        }
      }
      return;
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (FrameSkinned) {
        if (TSkinManage* manager = SkinManager(); manager && manager->MdiMaximized) manager->SetMdiMaximized(false);
      }
      callOld();
      return;
    case WM_MDISETMENU:
      callOld();
      if (FrameSkinned) {
        if (m.WParam && MenuBar) MenuBar->RebuildFromHandle(reinterpret_cast<HMENU>(m.WParam));
        if (GetMenu(Handle)) SetMenu(Handle, nullptr);
        PaintFrame(nullptr);
      }
      return;
    default:
      if (m.Msg == SKINMSG_REDRAWMDI) {
        RedrawWindow(MdiClient, nullptr, nullptr, kRedrawMdi);
        return;
      }
      callOld();
  }
}

// ---- non-client messages ----

void TWinSkinForm::OnNcCalcSize(TMessage& m) {
  CallPrevious(m);
  if (!m.WParam) {
    m.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
  if ((MdiRole == mdiChild && WindowState != wsNormalState) || FrameKind == fkNoCaption) {
    params->rgrc[1] = params->rgrc[0];
    m.Result = WVR_VALIDRECTS;
    return;
  }
  const WINDOWPOS& pos = *params->lppos;
  const TFrameRect client = SkinnedClientRect(pos.x, pos.y, pos.cx, pos.cy, Metrics());
  params->rgrc[0] = RECT{client.Left, client.Top, client.Right, client.Bottom};
  params->rgrc[1] = params->rgrc[0];
  m.Result = WVR_VALIDRECTS;
}

void TWinSkinForm::OnNcHitTest(TMessage& m) {
  CallPrevious(m);
  const POINT at = ScreenToFrame(POINT{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))});
  m.Result = SkinnedHitTest(static_cast<int>(m.Result), at.y, Metrics());
}

void TWinSkinForm::OnNcPaint(TMessage& m) {
  SetSysMenuStyle(true);
  if ((MdiRole == mdiChild && WindowState == wsMaximizedState) || FrameKind == fkNoCaption) {
    CallPrevious(m);
    return;
  }
  PaintFrame(nullptr);
  m.Result = 0;
}

void TWinSkinForm::OnNcActivate(TMessage& m) {
  ActiveLook = m.WParam != 0;
  if (FHoverTimer) FHoverTimer->SetEnabled(ActiveLook);
  if (!ActiveLook && HotControl) {
    HotControl->SendMouseLeave();
    HotControl = nullptr;
  }
  if (MdiRole == mdiFrame && MdiClient) SendMessageW(MdiClient, WM_NCACTIVATE, m.WParam, m.LParam);
  if (MdiRole == mdiChild) CallPrevious(m);
  if (!(MdiRole == mdiChild && WindowState == wsMaximizedState)) PaintFrame(nullptr);
  m.Result = 1;
}

void TWinSkinForm::OnSize(TMessage& m) {
  CallPrevious(m);
  switch (m.WParam) {
    case SIZE_RESTORED: WindowState = wsNormalState; break;
    case SIZE_MINIMIZED: WindowState = wsMinimizedState; break;
    case SIZE_MAXIMIZED: WindowState = wsMaximizedState; break;
    default: break;
  }
  if (WindowState == wsMinimizedState) return;
  if (MdiRole == mdiChild && WindowState != wsNormalState) return;
  if (LifeState == fsActive || LifeState == fsReskinning) UpdateWindowRegion();
}

void TWinSkinForm::OnBackground(TMessage& m) {
  CallPrevious(m);
  if (Form || !SkinData) return;
  if (m.Msg == WM_ERASEBKGND) {
    RECT r{};
    GetClientRect(Handle, &r);
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, SkinData->FaceBrush());
    m.Result = 1;
  } else {
    SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
    if (m.Msg == WM_CTLCOLORSTATIC) m.Result = reinterpret_cast<LRESULT>(SkinData->FaceBrush());
  }
}

void TWinSkinForm::OnWindowText(TMessage& m) {
  if (FSavedFormWindowProc) FSavedFormWindowProc(m);
  if (!IsWindowVisible(Handle)) return;
  if (WindowState == wsMaximizedState) {
    // Outside MDI nobody else repaints the caption of a maximized window.
    if (MdiRole == mdiChild && MdiClient) PostMessageW(MdiClient, SKINMSG_REDRAWMDI, reinterpret_cast<WPARAM>(Handle), 0);
    else PaintFrame(nullptr);
  } else if (WindowState == wsMinimizedState) {
    PaintFrame(nullptr);
  } else {
    ReapplyFrame();
  }
}
