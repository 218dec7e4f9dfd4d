// TWScrollbar: placing the overlay, painting the skinned bar, and handing presses to the
// platform's own tracking of the scrolled window.
#include "skin/controls/scroll_overlay.h"

#include <algorithm>

#include "base/strings.h"
#include "skin/controls/skin_control.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_draw.h"
#include "skin/model/skin_manage.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/control.h"
#include "ui/gdi.h"
#include "ui/skin_messages.h"

namespace {

constexpr wchar_t kOverlayClass[] = L"TWScrollbar";
// Frames of the arrow and grip strip.
constexpr int kScrollbarFrames = 23;
// Frames of the track pictures.
constexpr int kTrackFrames = 4;
// The platform's bar-state bits.
constexpr DWORD kStateUnavailable = STATE_SYSTEM_UNAVAILABLE;
constexpr DWORD kStateInvisible = STATE_SYSTEM_INVISIBLE;
// The overlay keeps out of the taskbar and the tab order.
constexpr DWORD kOverlayExStyle = WS_EX_TOOLWINDOW;

ATOM RegisterOverlayClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window at creation
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kOverlayClass;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

int Along(bool vertical, POINT p) { return vertical ? p.y : p.x; }

TDataSkinObject* Piece(TSkinSlot<TDataSkinObject>& slot) {
  TDataSkinObject* object = slot.get();
  return object && object->HasImage() ? object : nullptr;
}

}  // namespace

std::unique_ptr<TBitmap> RenderScrollBar(TSkinData& skin, const TScrollBarGeometry& g, int width, int height,
                                         bool enabled, int hotPart, bool pressed, int extent, TColor face) {
  TDataSkinObject* arrows = Piece(skin.Scrollbar);
  if (!arrows || width <= 0 || height <= 0) return nullptr;
  auto bitmap = std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
  const HDC dc = bitmap->Canvas().Handle();
  SetStretchBltMode(dc, HALFTONE);
  RECT all{0, 0, width, height};
  TSkinControl::FillColor(dc, all, face);

  const auto toRect = [](const TScrollRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; };
  if (TDataSkinObject* track = Piece(g.Vertical ? skin.VertScroll : skin.HorzScroll)) {
    const TScrollRect t = g.TrackRect();
    if (!t.IsEmpty()) DrawSkinObject(dc, toRect(t), kTrackFrames, TrackFrame(enabled), *track);
  }
  for (TScrollPart arrow : {spFirstArrow, spSecondArrow}) {
    const TScrollRect r = g.PartRect(arrow);
    if (!r.IsEmpty())
      DrawFrameStretched(dc, toRect(r), kScrollbarFrames, ArrowFrame(g.Vertical, arrow, hotPart, pressed),
                         arrows->Image);
  }
  if (enabled && g.HasThumb() && g.ThumbStart < extent && g.ThumbEnd < extent) {
    if (TDataSkinObject* thumb = Piece(g.Vertical ? skin.VertScrollThumb : skin.HorzScrollThumb)) {
      // Thumbs are always stretched: a tiled centre would break the grip's look.
      DrawSkinFrame(dc, toRect(g.PartRect(spThumb)), thumb->Image, thumb->Margins(), 0, std::max(thumb->Frame, 1),
                    ThumbFrame(hotPart, pressed), thumb->Trans == 1);
    }
    const TScrollRect grip = g.GripRect(arrows->Image.Height());
    if (!grip.IsEmpty() && (g.Vertical ? grip.Bottom : grip.Right) <= extent)
      DrawFrameStretched(dc, toRect(grip), kScrollbarFrames, GripFrame(g.Vertical, hotPart, pressed), arrows->Image);
  }
  return bitmap;
}

TWScrollbar::TWScrollbar() : ArrowSize(GetSystemMetrics(SM_CXHSCROLL)) {}

TWScrollbar::~TWScrollbar() {
  *FAlive = false;
  if (FAddedClipSiblings && Target && IsWindow(Target))
    SetWindowLongPtrW(Target, GWL_STYLE, GetWindowLongPtrW(Target, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CLIPSIBLINGS));
  if (FWindow) {
    SetWindowLongPtrW(FWindow, GWLP_USERDATA, 0);
    DestroyWindow(FWindow);
  }
}

void TWScrollbar::AttachToControl(TSkinControl* skinner, TControl* control, std::uint8_t kind) {
  TargetControl = control;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  Attach(skinner, windowed ? windowed->Handle() : nullptr, kind);
}

void TWScrollbar::AttachToWindow(TSkinControl* skinner, HWND window, std::uint8_t kind) {
  TargetControl = nullptr;
  Attach(skinner, window, kind);
}

void TWScrollbar::Attach(TSkinControl* skinner, HWND target, std::uint8_t kind) {
  Skinner = skinner;
  Target = target;
  Kind = kind;
  Vertical = kind == kVertOverlay ||
             (kind == kControlOverlay && LowerAscii(GetEnumPropText(TargetControl, "Kind")) != "sbhorizontal");
  if (!Target) return;
  const LONG_PTR style = GetWindowLongPtrW(Target, GWL_STYLE);
  if ((style & WS_CHILD) && !(style & WS_CLIPSIBLINGS)) {
    SetWindowLongPtrW(Target, GWL_STYLE, style | WS_CLIPSIBLINGS);
    FAddedClipSiblings = true;
  }
  // The overlay window is made when the bar is first shown: many controls never show one of
  // their bars, and every window made at discovery costs the form's first paint.
  UpdatePosition();
}

void TWScrollbar::EnsureWindow(HWND parent) {
  if (FWindow || !parent || !RegisterOverlayClass()) return;
  FWindow = CreateWindowExW(kOverlayExStyle, kOverlayClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!FWindow) return;
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWScrollbar::OverlayProc));
  // Made late, it takes the state its target already has.
  if (Target && !IsWindowEnabled(Target)) EnableWindow(FWindow, FALSE);
}

bool TWScrollbar::GetBarInfo(SCROLLBARINFO& info) const {
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  if (!Target || !IsWindow(Target)) return false;
  if (Kind != kControlOverlay) return GetScrollBarInfoSafe(Target, Kind == kVertOverlay ? OBJID_VSCROLL : OBJID_HSCROLL, info);
  // A stand-alone control: its bounds are the bar, the thumb follows our own rule.
  if (!GetWindowRect(Target, &info.rcScrollBar)) return false;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  if (!GetScrollInfo(Target, SB_CTL, &si)) return false;
  const int length = Vertical ? info.rcScrollBar.bottom - info.rcScrollBar.top : info.rcScrollBar.right - info.rcScrollBar.left;
  const TThumbSpan thumb = ControlThumb(TScrollRange{si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos}, length, ArrowSize);
  info.xyThumbTop = thumb.Start;
  info.xyThumbBottom = thumb.End;
  info.dxyLineButton = ArrowSize;
  if (!IsWindowEnabled(Target)) info.rgstate[0] |= kStateUnavailable;
  if (!IsWindowVisible(Target)) info.rgstate[0] |= kStateInvisible;
  return true;
}

void TWScrollbar::HideOverlay() {
  if (FWindow) ShowWindow(FWindow, SW_HIDE);
  Shown = false;
}

void TWScrollbar::UpdatePosition() {
  SCROLLBARINFO info;
  if (!GetBarInfo(info)) {
    Shown = false;
    return;
  }
  if (!(GetWindowLongPtrW(Target, GWL_STYLE) & WS_VISIBLE) || (info.rgstate[0] & kStateInvisible)) {
    HideOverlay();
    return;
  }
  EnsureWindow(GetParent(Target));
  if (!FWindow) {
    Shown = false;
    return;
  }
  const RECT bar = info.rcScrollBar;
  POINT topLeft{bar.left, bar.top}, bottomRight{bar.right, bar.bottom};
  ScreenToClient(Target, &topLeft);
  ScreenToClient(Target, &bottomRight);
  BarRect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  Length = Vertical ? bar.bottom - bar.top : bar.right - bar.left;
  Origin = POINT{bar.left, bar.top};
  POINT place{bar.left, bar.top};
  ScreenToClient(GetParent(FWindow), &place);
  // Directly above the target among its siblings, so the platform's bar stays hidden under it.
  HWND after = GetWindow(Target, GW_HWNDPREV);
  SetWindowPos(FWindow, after ? after : HWND_TOP, place.x, place.y, bar.right - bar.left, bar.bottom - bar.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Shown = true;
  InvalidateRect(FWindow, nullptr, FALSE);
}

void TWScrollbar::SetEnabled(bool enabled) {
  if (FWindow) EnableWindow(FWindow, enabled);
}

void TWScrollbar::Repaint() {
  if (!FWindow || !Shown) return;
  // A scroll step asks twice (its notice and the memo's paint); the second finds the bar as drawn.
  SCROLLBARINFO info;
  if (GetBarInfo(info) && FPainted && LookOf(info) == FPaintedLook) return;
  InvalidateRect(FWindow, nullptr, FALSE);
  UpdateWindow(FWindow);
}

TWScrollbar::TLook TWScrollbar::LookOf(const SCROLLBARINFO& info) const {
  TLook look;
  look.Bar = info.rcScrollBar;
  look.ThumbStart = info.xyThumbTop;
  look.ThumbEnd = info.xyThumbBottom;
  look.State = info.rgstate[0];
  look.HotPart = HotPart;
  look.Pressed = Pressed;
  return look;
}

TScrollPart TWScrollbar::HitTest(POINT point) const {
  TScrollBarGeometry g;
  g.Vertical = Vertical;
  g.Length = Length;
  g.ArrowSize = ArrowSize;
  g.ThumbStart = ThumbStart;
  g.ThumbEnd = ThumbEnd;
  return g.HitTest(Along(Vertical, point));
}

void TWScrollbar::DragThumb() {
  POINT cursor{};
  GetCursorPos(&cursor);
  TScrollBarGeometry g;
  g.Vertical = Vertical;
  g.Length = Length;
  g.ArrowSize = ArrowSize;
  g.ThumbStart = ThumbStart;
  g.ThumbEnd = ThumbEnd;
  g.DragThumb(PressThumbStart, Along(Vertical, cursor) - Along(Vertical, PressCursor));
  ThumbStart = g.ThumbStart;
  ThumbEnd = g.ThumbEnd;
}

TScrollBarGeometry TWScrollbar::Geometry(const RECT& bar, int thickness) const {
  TScrollBarGeometry g;
  g.Vertical = Vertical;
  g.Length = Vertical ? bar.bottom - bar.top : bar.right - bar.left;
  g.Thickness = thickness;
  g.ArrowSize = ArrowSize;
  g.ThumbStart = ThumbStart;
  g.ThumbEnd = ThumbEnd;
  return g;
}

void TWScrollbar::Paint(HDC dc) {
  TSkinData* skin = Skinner ? Skinner->SkinData : nullptr;
  if (!skin || !skin->Scrollbar || !skin->Scrollbar->HasImage()) return;
  SCROLLBARINFO info;
  if (!GetBarInfo(info) || (info.rgstate[0] & kStateInvisible)) return;
  const bool enabled = !(info.rgstate[0] & kStateUnavailable);
  RECT client{};
  GetClientRect(FWindow, &client);
  RECT r = info.rcScrollBar;
  OffsetRect(&r, -r.left, -r.top);
  if (r.right < 0 || r.bottom < 0 || r.right > client.right || r.bottom > client.bottom) return;
  Length = Vertical ? r.bottom : r.right;
  const int w = ScrollBarThickness(skin->Scrollbar->Image.Height(), ArrowSize);
  if (Pressed && HotPart == spThumb && Kind != kControlOverlay) {
    DragThumb();
  } else {
    ThumbStart = info.xyThumbTop;
    ThumbEnd = info.xyThumbBottom;
  }
  // A stand-alone control's bar is built at the skin's thickness and stretched to the control;
  // a window's bar is built at its own size and drawn at the skin's thickness inside it.
  int width = r.right, height = r.bottom;
  if (Kind == kControlOverlay) (Vertical ? width : height) = w;
  const int extent = Vertical ? client.bottom : client.right;
  std::unique_ptr<TBitmap> bar;
  try {
    bar = RenderScrollBar(*skin, Geometry(r, w), width, height, enabled, HotPart, Pressed, extent,
                          skin->Colour(SkinColour::ButtonFace));
  } catch (...) {
    return;  // no bitmap this time: the next paint tries again
  }
  if (!bar) return;
  // While the thumb follows the cursor the drawn thumb is not the bar's: never skip that paint.
  FPainted = !(Pressed && HotPart == spThumb);
  FPaintedLook = LookOf(info);
  const HDC source = bar->Canvas().Handle();
  if (Kind == kControlOverlay) {
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, 0, 0, r.right, r.bottom, source, 0, 0, width, height, SRCCOPY);
  } else {
    BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
  }
}

void TWScrollbar::MouseMove(POINT point) {
  const int part = HitTest(point);
  if (part != HotPart) {
    HotPart = part;
    Repaint();
  }
  TrackMouseLeave(FWindow);
}

void TWScrollbar::Press(POINT point) {
  GetCursorPos(&PressCursor);
  SCROLLBARINFO info;
  if (GetBarInfo(info)) {
    PressThumbStart = info.xyThumbTop;
    ThumbStart = info.xyThumbTop;
    ThumbEnd = info.xyThumbBottom;
    if (Kind != kControlOverlay) Origin = POINT{info.rcScrollBar.left, info.rcScrollBar.top};
  }
  HotPart = HitTest(point);
  POINT screen = point;
  if (Kind != kControlOverlay) {
    screen.x += Origin.x;
    screen.y += Origin.y;
  }
  Pressed = true;
  Repaint();
  ReleaseCapture();
  // The platform's tracking of the target's own bar runs inside this send; the overlay may be
  // freed meanwhile (a re-skin, skinning stopped).
  const std::shared_ptr<bool> alive = FAlive;
  if (Kind == kControlOverlay) {
    SendMessageW(Target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  } else {
    SendMessageW(Target, WM_NCLBUTTONDOWN, Kind == kVertOverlay ? HTVSCROLL : HTHSCROLL,
                 MAKELPARAM(screen.x, screen.y));
  }
  if (!*alive) return;
  Pressed = false;
  ReleaseCapture();
  if (Kind == kControlOverlay) Repaint();
}

void TWScrollbar::Release(POINT point) {
  POINT screen = point;
  if (Kind != kControlOverlay) {
    screen.x += Origin.x;
    screen.y += Origin.y;
  }
  Pressed = false;
  ReleaseCapture();
  if (Kind == kControlOverlay) {
    PostMessageW(Target, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    Repaint();
  } else {
    PostMessageW(Target, WM_NCLBUTTONUP, Kind == kVertOverlay ? HTVSCROLL : HTHSCROLL, MAKELPARAM(screen.x, screen.y));
  }
}

LRESULT CALLBACK TWScrollbar::OverlayProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, msg, wParam, lParam);
  try {
    return self->Handle(msg, wParam, lParam);
  } catch (...) {
    return 0;  // nothing crosses the window procedure
  }
}

LRESULT TWScrollbar::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(FWindow, &ps);
      Paint(dc);
      EndPaint(FWindow, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(PointOf(lParam));
      // A stand-alone control lies wholly under its overlay: it still hears the mouse, so its
      // hint and mouse-enter notices work.
      if (Kind == kControlOverlay && TargetControl && Target) SendMessageW(Target, WM_MOUSEMOVE, wParam, lParam);
      return 0;
    case WM_MOUSELEAVE:
      if (!Pressed) {
        HotPart = spNone;
        Repaint();
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Press(PointOf(lParam)); return 0;
    case WM_LBUTTONUP: Release(PointOf(lParam)); return 0;
    default:
      if (msg == SKINMSG_QUERY) return 1;  // an overlay of the engine, never skinned itself
      return DefWindowProcW(FWindow, msg, wParam, lParam);
  }
}
