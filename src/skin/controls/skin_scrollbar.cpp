// The scroll-bar skinners: overlays for scrolled framework controls and bare windows, the flat
// border, and the drop-down list's bar painted in place.
#include "skin/controls/skin_scrollbar.h"

#include <algorithm>

#include "base/strings.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/gdi.h"
#include "ui/messages.h"
#include "ui/persistent.h"
#include "ui/skin_messages.h"
#include "ui/wincontrol.h"

namespace {

// The list message after which a drop-down list repaints its bar.
constexpr UINT kListRepaintMessage = 0x1AE;

TScrollRect ToScrollRect(const RECT& r) { return TScrollRect{r.left, r.top, r.right, r.bottom}; }

// Where the client's top-left lies inside the window.
POINT ClientOffset(HWND window) {
  RECT w{};
  GetWindowRect(window, &w);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return POINT{origin.x - w.left, origin.y - w.top};
}

void SetBarHot(TWScrollbar* bar, WPARAM wParam) {
  if (!bar) return;
  bar->HotPart = LOWORD(wParam);
  bar->Repaint();
}

// At detach the overlays go; when the scrolled window itself was destroyed they are only hidden
// (they may be going with the parent), so none is left standing over an empty place.
void HideOrFreeBars(bool windowDestroyed, std::unique_ptr<TWScrollbar>& horz, std::unique_ptr<TWScrollbar>& vert) {
  if (windowDestroyed) {
    for (TWScrollbar* bar : {horz.get(), vert.get()})
      if (bar && bar->Window() && IsWindow(bar->Window())) bar->HideOverlay();
    return;
  }
  horz.reset();
  vert.reset();
}

}  // namespace

RECT OverlayCorner(HWND window, const TWScrollbar& vert, const TWScrollbar& horz) {
  const POINT offset = ClientOffset(window);
  const TScrollRect c = CornerBetween(ToScrollRect(vert.BarRect), ToScrollRect(horz.BarRect), offset.x, offset.y);
  return RECT{c.Left, c.Top, c.Right, c.Bottom};
}

// ---- TSkinScrollbar ----

const TClassInfo& TSkinScrollbar::StaticClassInfo() {
  static const TClassInfo info("TSkinScrollbar", &TSkinControl::StaticClassInfo(), {});
  return info;
}

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::AttachScrolled(TControl* control, TSkinData* skinData, ISkinnerHost* formSkinner) {
  if (Attached || !control) return;
  SkinData = skinData;
  DrawBorder = LowerAscii(GetEnumPropText(control, "BorderStyle")) != "bsnone";
  if (control->ClassName() == "TImageScrollBox" || Variant == 1) DrawBorder = false;
  Control = control;
  RecolourFixed();
  // The dispatch is taken over first, so the overlays see the control's window as it is.
  TSkinControl::AttachControl(formSkinner, skinData, false, WorkCanvas);
  HorzBar = std::make_unique<TWScrollbar>();
  VertBar = std::make_unique<TWScrollbar>();
  HorzBar->AttachToControl(this, control, kHorzOverlay);
  VertBar->AttachToControl(this, control, kVertOverlay);
  for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()}) {
    bar->SetEnabled(control->Enabled());
    if (!control->Visible()) bar->HideOverlay();
  }
}

void TSkinScrollbar::RecolourFixed() {
  const TPropInfo* prop = Control ? FindPropInfo(Control, "FixedColor") : nullptr;
  if (!prop || prop->Kind != TPropKind::Integer || !prop->GetOrd) return;
  if (!FixedColorChanged) SavedFixedColor = static_cast<TColor>(prop->GetOrd(*Control));
  FixedColorChanged = true;
  SetPropText(Control, "FixedColor", std::to_wstring(FaceColour()));
}

void TSkinScrollbar::UpdateBars() {
  if (HorzBar) HorzBar->UpdatePosition();
  if (VertBar) VertBar->UpdatePosition();
}

void TSkinScrollbar::RepaintShown() {
  if (HorzBar) HorzBar->Repaint();
  if (VertBar) VertBar->Repaint();
}

void TSkinScrollbar::DrawFlatBorder(HDC dc) {
  RECT r{};
  if (!Handle || !GetWindowRect(Handle, &r)) return;
  OffsetRect(&r, -r.left, -r.top);
  TBrushHandle shadow(CreateSolidBrush(ColorToRGB(SkinData ? SkinData->Colour(SkinColour::ButtonShadow)
                                                            : SystemColor(COLOR_BTNSHADOW))));
  FrameRect(dc, &r, shadow.Get());
  InflateRect(&r, -1, -1);
  TBrushHandle face(CreateSolidBrush(ColorToRGB(FaceColour())));
  FrameRect(dc, &r, face.Get());
}

bool TSkinScrollbar::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_NCPAINT) {
    if (!DrawBorder) return true;
    CallDefault(m);
    TWindowDC dc(Handle, TWindowDC::Whole);
    DrawFlatBorder(dc);
    return false;
  }
  if (m.Msg == SKINMSG_PAINTNC && m.LParam == SKIN_MAGIC) {
    if (m.WParam) DrawFlatBorder(reinterpret_cast<HDC>(m.WParam));
    m.Result = SKIN_MAGIC;
    return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinScrollbar::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: UpdateBars(); break;
    case WM_HSCROLL: SetBarHot(HorzBar.get(), m.WParam); break;
    case WM_VSCROLL: SetBarHot(VertBar.get(), m.WParam); break;
    case WM_MOUSEWHEEL: RepaintShown(); break;
    case CM_VISIBLECHANGED:
      if (m.WParam) {
        UpdateBars();
      } else {
        if (HorzBar) HorzBar->HideOverlay();
        if (VertBar) VertBar->HideOverlay();
      }
      break;
    case CM_ENABLEDCHANGED:
      for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()})
        if (bar && Control) bar->SetEnabled(Control->Enabled());
      TSkinControl::AfterMessage(m);
      break;
    case CM_RECREATEWND: {
      // The new window needs a skinner of its own; the form skinner makes it.
      const HWND host = FormSkinner ? FormSkinner->HostWindow() : nullptr;
      if (host) PostMessageW(host, SKINMSG_RESKINSCROLL, reinterpret_cast<WPARAM>(Handle), 0);
      break;
    }
    default: TSkinControl::AfterMessage(m); break;
  }
}

void TSkinScrollbar::PaintSkin(HDC dc, const RECT&) {
  const LONG_PTR style = Handle ? GetWindowLongPtrW(Handle, GWL_STYLE) : 0;
  const std::pair<TWScrollbar*, LONG_PTR> bars[] = {{HorzBar.get(), WS_HSCROLL}, {VertBar.get(), WS_VSCROLL}};
  for (const auto& [bar, bit] : bars) {
    if (!bar) continue;
    if (bar->Shown)
      bar->Repaint();
    else if (style & bit)
      bar->UpdatePosition();  // the bar appeared since the last paint
  }
  if (HorzBar && VertBar && HorzBar->Shown && VertBar->Shown) FillFace(dc, OverlayCorner(Handle, *VertBar, *HorzBar));
}

void TSkinScrollbar::SkinChanged() {
  RecolourFixed();
  for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()})
    if (bar) bar->ForgetLook();
  TSkinControl::SkinChanged();
}

void TSkinScrollbar::GiveFixedColourBack() {
  if (FixedColorChanged && Control && LifeState != kSkinnerWindowDestroyed) {
    SetPropText(Control, "FixedColor", std::to_wstring(SavedFixedColor));
    FixedColorChanged = false;
  }
}

void TSkinScrollbar::Detach() {
  if (Detached) return;
  GiveFixedColourBack();
  TSkinControl::Detach();
  HideOrFreeBars(LifeState == kSkinnerWindowDestroyed, HorzBar, VertBar);
}

void TSkinScrollbar::Switched(bool on) {
  if (on) {
    RecolourFixed();
    UpdateBars();
  } else {
    GiveFixedColourBack();
    for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()})
      if (bar) bar->HideOverlay();
  }
  TSkinControl::Switched(on);
}

// ---- TSkinScrollbarH ----

const TClassInfo& TSkinScrollbarH::StaticClassInfo() {
  static const TClassInfo info("TSkinScrollbarH", &TSkinControl::StaticClassInfo(), {});
  return info;
}

TSkinScrollbarH::~TSkinScrollbarH() = default;

void TSkinScrollbarH::AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) {
  TSkinControl::AttachWindow(handle, skinData, formSkinner, workCanvas);
  HorzBar = std::make_unique<TWScrollbar>();
  VertBar = std::make_unique<TWScrollbar>();
  HorzBar->AttachToWindow(this, handle, kHorzOverlay);
  VertBar->AttachToWindow(this, handle, kVertOverlay);
}

void TSkinScrollbarH::UpdateBars() {
  if (HorzBar) HorzBar->UpdatePosition();
  if (VertBar) VertBar->UpdatePosition();
}

void TSkinScrollbarH::AfterMessage(TMessage& m) {
  // A hidden window leaves no bar of its own behind on the screen.
  if (Handle && !IsWindowVisible(Handle)) {
    if (VertBar) VertBar->HideOverlay();
    if (HorzBar) HorzBar->HideOverlay();
  }
  switch (m.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
      UpdateBars();
      Redraw();
      break;
    case WM_HSCROLL: SetBarHot(HorzBar.get(), m.WParam); break;
    case WM_VSCROLL: SetBarHot(VertBar.get(), m.WParam); break;
    default: TSkinControl::AfterMessage(m); break;
  }
}

void TSkinScrollbarH::PaintSkin(HDC dc, const RECT&) {
  for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()})
    if (bar && bar->Shown) bar->Repaint();
  if (HorzBar && VertBar && HorzBar->Shown && VertBar->Shown) FillFace(dc, OverlayCorner(Handle, *VertBar, *HorzBar));
}

void TSkinScrollbarH::SkinChanged() {
  for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()})
    if (bar) bar->ForgetLook();
  TSkinControl::SkinChanged();
}

void TSkinScrollbarH::Detach() {
  if (Detached) return;
  TSkinControl::Detach();
  HideOrFreeBars(LifeState == kSkinnerWindowDestroyed, HorzBar, VertBar);
}

void TSkinScrollbarH::Switched(bool on) {
  if (on) {
    UpdateBars();
  } else {
    for (TWScrollbar* bar : {HorzBar.get(), VertBar.get()})
      if (bar) bar->HideOverlay();
  }
  TSkinControl::Switched(on);
}

// ---- TComboxScrollBar ----

const TClassInfo& TComboxScrollBar::StaticClassInfo() {
  static const TClassInfo info("TComboxScrollBar", &TSkinControl::StaticClassInfo(), {});
  return info;
}

bool TComboxScrollBar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT: return true;
    case WM_NCMOUSEMOVE:
      // The platform would light its own bar under ours.
      if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) {
        m.Result = 0;
        return false;
      }
      return true;
    case WM_NCLBUTTONDOWN:
      if (TrackListThumb(m)) {
        m.Result = 0;
        return false;
      }
      return true;
    default: return TSkinControl::BeforeMessage(m);
  }
}

void TComboxScrollBar::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kListRepaintMessage: PaintNow(nullptr); break;
    default: TSkinControl::AfterMessage(m); break;
  }
}

void TComboxScrollBar::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !SkinData->Scrollbar || !SkinData->Scrollbar->HasImage()) return;
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!GetScrollBarInfoSafe(Handle, OBJID_VSCROLL, info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  RECT window{};
  GetWindowRect(Handle, &window);
  const RECT& bar = info.rcScrollBar;
  const int width = bar.right - bar.left, height = bar.bottom - bar.top;
  if (width <= 0 || height <= 0) return;
  TScrollBarGeometry g;
  g.Vertical = true;
  g.Length = height;
  g.Thickness = ScrollBarThickness(SkinData->Scrollbar->Image.Height(), ArrowSize);
  g.ArrowSize = ArrowSize;
  g.ThumbStart = info.xyThumbTop;
  g.ThumbEnd = info.xyThumbBottom;
  const bool enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  std::unique_ptr<TBitmap> image;
  try {
    image = RenderScrollBar(*SkinData, g, width, height, enabled, spNone, false, rect.bottom - rect.top,
                            FaceColour());
  } catch (...) {
    return;
  }
  if (image) BitBlt(dc, bar.left - window.left, bar.top - window.top, width, height, image->Canvas().Handle(), 0, 0, SRCCOPY);
}

bool TComboxScrollBar::TrackListThumb(const TMessage& press) {
  if (press.WParam != HTVSCROLL) return false;
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  if (!GetScrollBarInfoSafe(Handle, OBJID_VSCROLL, bar)) return false;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  if (!GetScrollInfo(Handle, SB_VERT, &si)) return false;
  const int p = static_cast<short>(HIWORD(press.LParam)) - bar.rcScrollBar.top;
  const auto drag = BeginListThumbDrag(p, bar.xyThumbTop, bar.xyThumbBottom, bar.rcScrollBar.bottom - bar.rcScrollBar.top,
                                       ArrowSize, TScrollRange{si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos});
  if (!drag) return false;
  const HWND list = Handle;
  SetCapture(list);
  POINT c0{};
  GetCursorPos(&c0);
  int last = si.nPos;
  for (;;) {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      // A capture taken away (another window, a closed list) ends the drag instead of a loop forever.
      if (!IsWindow(list) || GetCapture() != list) break;
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      POINT cursor{};
      GetCursorPos(&cursor);
      const int pos = ListThumbDragPosition(*drag, cursor.y - c0.y);
      if (pos != last && IsWindow(list)) {
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
        last = pos;
      }
    } else if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
      if (IsWindow(list)) {
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, last), 0);
        PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
      }
      break;
    } else {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (!IsWindow(list) || GetCapture() != list) break;
  }
  if (IsWindow(list) && GetCapture() == list) ReleaseCapture();
  return true;
}

void RegisterScrollSkinners() {
  RegisterSkinnerKind("TSkinScrollbar", [](TComponent* owner) -> TSkinControl* { return new TSkinScrollbar(owner); });
  RegisterSkinnerKind("TSkinScrollbarH", [](TComponent* owner) -> TSkinControl* { return new TSkinScrollbarH(owner); });
  RegisterSkinnerKind("TComboxScrollBar", [](TComponent* owner) -> TSkinControl* { return new TComboxScrollBar(owner); });
}
