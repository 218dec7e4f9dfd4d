// TScrollBox and its scroll bars.
#include "ui/scrollbox.h"

#include <algorithm>

namespace {

// Holds a busy count up while the box moves its own children.
class TBusy {
public:
  explicit TBusy(int& count) : FCount(count) { ++FCount; }
  ~TBusy() { --FCount; }
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;

private:
  int& FCount;
};

}  // namespace

const TClassInfo& TControlScrollBar::StaticClassInfo() {
  static const TClassInfo info(
      "TControlScrollBar", &TPersistent::StaticClassInfo(),
      {
          props::Integer<TControlScrollBar>("Increment", &TControlScrollBar::Increment,
                                            &TControlScrollBar::SetIncrement),
          props::Integer<TControlScrollBar>("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition),
          props::Integer<TControlScrollBar>("Range", &TControlScrollBar::Range, nullptr),
          props::Boolean<TControlScrollBar>("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible),
      });
  return info;
}

void TControlScrollBar::SetPosition(int value) {
  FOwner.ScrollTo(*this, value);
}

int TControlScrollBar::Range() const {
  return FOwner.Extent(*this);
}

void TControlScrollBar::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  if (!value) FOwner.ScrollTo(*this, 0);
  FOwner.UpdateScrollBars();
}

bool TControlScrollBar::IsScrollBarVisible() const {
  if (!FOwner.HandleAllocated()) return false;
  const LONG_PTR style = GetWindowLongPtrW(const_cast<TScrollBox&>(FOwner).Handle(), GWL_STYLE);
  return (style & (FBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

const TClassInfo& TScrollBox::StaticClassInfo() {
  static const TClassInfo info(
      "TScrollBox", &TWinControl::StaticClassInfo(),
      {
          props::Enumeration<TScrollBox, TBorderStyle>("BorderStyle", {"bsNone", "bsSingle"}, &TScrollBox::BorderStyle,
                                                       &TScrollBox::SetBorderStyle),
          props::SubObject<TScrollBox, TControlScrollBar>("HorzScrollBar", &TScrollBox::HorzScrollBar),
          props::SubObject<TScrollBox, TControlScrollBar>("VertScrollBar", &TScrollBox::VertScrollBar),
      },
      [](TComponent* owner) { return new TScrollBox(owner); });
  return info;
}

TScrollBox::TScrollBox(TComponent* owner)
    : TWinControl(owner),
      FHorz(std::make_unique<TControlScrollBar>(*this, SB_HORZ)),
      FVert(std::make_unique<TControlScrollBar>(*this, SB_VERT)) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csOpaque);
  SetBoundsFields(0, 0, 185, 41);
  SetColor(clBtnFace);
}

TScrollBox::~TScrollBox() = default;

void TScrollBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  if (FBorderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::AfterCreateWnd() {
  // A new window starts with its bars at the top left: it is told where the view is.
  for (TControlScrollBar* bar : {FHorz.get(), FVert.get()}) {
    if (bar->FPosition > 0) SetScrollPos(Handle(), bar->FBar, bar->FPosition, FALSE);
  }
}

void TScrollBox::Loaded() {
  TWinControl::Loaded();
  UpdateScrollBars();
}

void TScrollBox::SetBorderStyle(TBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();
}

int TScrollBox::Extent(const TControlScrollBar& bar) const {
  int extent = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* c = Controls(i);
    if (!c->Visible()) continue;
    const int edge = bar.FBar == SB_HORZ ? c->Left() + c->Width() : c->Top() + c->Height();
    extent = std::max(extent, edge + bar.FPosition);
  }
  return extent;
}

int TScrollBox::ClientExtent(const TControlScrollBar& bar) {
  const RECT r = ClientRect();
  return bar.FBar == SB_HORZ ? r.right - r.left : r.bottom - r.top;
}

void TScrollBox::ScrollTo(TControlScrollBar& bar, int position) {
  const int highest = bar.FVisible ? std::max(0, Extent(bar) - ClientExtent(bar)) : 0;
  position = std::clamp(position, 0, highest);
  const int delta = bar.FPosition - position;
  if (delta == 0) return;
  bar.FPosition = position;
  {
    TBusy busy(FBusy);
    const int dx = bar.FBar == SB_HORZ ? delta : 0, dy = bar.FBar == SB_VERT ? delta : 0;
    if (HandleAllocated()) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    if (HandleAllocated()) SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  }
  if (!HandleAllocated()) return;
  SetScrollPos(Handle(), bar.FBar, position, TRUE);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
}

void TScrollBox::UpdateScrollBars() {
  if (!HandleAllocated() || FBusy > 0 || IsLoading()) return;
  const RECT start = ClientRect();
  {
    TBusy busy(FBusy);
    const HWND h = Handle();
    // A bar that appears narrows the client area, which may call for the other bar: a few passes settle it.
    for (int pass = 0; pass < 3; ++pass) {
      const RECT before = ClientRect();
      for (TControlScrollBar* bar : {FHorz.get(), FVert.get()}) {
        const int extent = Extent(*bar), client = ClientExtent(*bar);
        const bool show = bar->FVisible && extent > client;
        const int highest = show ? extent - client : 0;
        if (bar->FPosition > highest) ScrollTo(*bar, highest);
        SCROLLINFO info{sizeof info,
                        SIF_RANGE | SIF_PAGE | SIF_POS,
                        0,
                        show ? extent - 1 : 0,
                        static_cast<UINT>(show ? client : 0),
                        show ? bar->FPosition : 0,
                        0};
        SetScrollInfo(h, bar->FBar, &info, TRUE);
      }
      const RECT after = ClientRect();
      if (EqualRect(&before, &after)) break;
    }
  }
  // Aligned children follow a client area that a bar changed (alignment calls in here itself).
  const RECT end = ClientRect();
  if (!FAligningChildren && !EqualRect(&start, &end)) Realign();
}

void TScrollBox::AlignControls(TControl* control, RECT& rect) {
  if (FBusy > 0 || FAligningChildren) return;
  FAligningChildren = true;
  // Alignment and anchors work in the unscrolled area; the view is put back afterwards.
  const int horz = FHorz->FPosition, vert = FVert->FPosition;
  ScrollTo(*FHorz, 0);
  ScrollTo(*FVert, 0);
  for (int pass = 0; pass < 3; ++pass) {
    const RECT before = ClientRect();
    RECT area = pass == 0 ? rect : before;
    if (pass > 0) AdjustClientRect(area);
    {
      TBusy busy(FBusy);
      TWinControl::AlignControls(control, area);
    }
    UpdateScrollBars();
    const RECT after = ClientRect();
    if (EqualRect(&before, &after)) break;
  }
  ScrollTo(*FHorz, horz);
  ScrollTo(*FVert, vert);
  UpdateScrollBars();
  FAligningChildren = false;
}

void TScrollBox::ScrollInView(TControl* control) {
  if (!control || control->Parent() != this) return;
  const RECT client = ClientRect();
  const RECT r = control->BoundsRect();
  if (r.right > client.right) ScrollTo(*FHorz, FHorz->FPosition + r.right - client.right);
  if (control->Left() < 0) ScrollTo(*FHorz, FHorz->FPosition + control->Left());
  if (r.bottom > client.bottom) ScrollTo(*FVert, FVert->FPosition + r.bottom - client.bottom);
  if (control->Top() < 0) ScrollTo(*FVert, FVert->FPosition + control->Top());
}

void TScrollBox::Scroll(TControlScrollBar& bar, WPARAM wParam) {
  const WORD request = LOWORD(wParam);
  const int page = std::max(ClientExtent(bar), 1);
  int position = bar.FPosition;
  switch (request) {
    case SB_LINEUP:
      position -= bar.FIncrement;
      break;
    case SB_LINEDOWN:
      position += bar.FIncrement;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The message carries 16 bits; a longer range takes the bar's own 32-bit track position.
      position = static_cast<int>(HIWORD(wParam));
      SCROLLINFO info{sizeof info, SIF_RANGE | SIF_TRACKPOS, 0, 0, 0, 0, 0};
      if (GetScrollInfo(Handle(), bar.FBar, &info) && info.nMax > 0xFFFF) position = info.nTrackPos;
      break;
    }
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = Extent(bar);
      break;
    default:
      return;
  }
  ScrollTo(bar, position);
}

void TScrollBox::Wheel(int delta, bool horizontal, bool tilt) {
  FWheelRest += delta;
  const int notches = FWheelRest / WHEEL_DELTA;
  FWheelRest %= WHEEL_DELTA;
  if (notches == 0) return;
  // The vertical bar takes the wheel; without one, the horizontal bar does.
  TControlScrollBar& bar = horizontal || !FVert->IsScrollBarVisible() ? *FHorz : *FVert;
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int step =
      lines == WHEEL_PAGESCROLL ? std::max(ClientExtent(bar), 1) : static_cast<int>(lines) * bar.FIncrement;
  ScrollTo(bar, bar.FPosition + (tilt ? notches : -notches) * step);
}

void TScrollBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (message.LParam == 0) {
        Scroll(message.Msg == WM_HSCROLL ? *FHorz : *FVert, message.WParam);
        message.Result = 0;
        return;
      }
      break;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: {
      const bool tilt = message.Msg == WM_MOUSEHWHEEL;
      const bool horizontal = tilt || (GET_KEYSTATE_WPARAM(message.WParam) & MK_SHIFT);
      Wheel(GET_WHEEL_DELTA_WPARAM(message.WParam), horizontal, tilt);
      message.Result = 0;
      return;
    }
    case CM_CONTROLCHANGE:
    case CM_CONTROLLISTCHANGE:
      TWinControl::WndProc(message);
      if (FBusy == 0 && !IsDestroying()) UpdateScrollBars();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
