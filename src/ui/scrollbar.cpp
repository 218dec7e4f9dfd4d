// TScrollBar.
#include "ui/scrollbar.h"

#include <algorithm>

const TClassInfo& TScrollBar::StaticClassInfo() {
  static const TClassInfo info(
      "TScrollBar", &TWinControl::StaticClassInfo(),
      {
          props::Enumeration<TScrollBar, TScrollBarKind>("Kind", {"sbHorizontal", "sbVertical"}, &TScrollBar::Kind,
                                                         &TScrollBar::SetKind),
          props::Integer<TScrollBar>("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange),
          props::Integer<TScrollBar>("Max", &TScrollBar::Max, &TScrollBar::SetMax),
          props::Integer<TScrollBar>("Min", &TScrollBar::Min, &TScrollBar::SetMin),
          props::Integer<TScrollBar>("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize),
          props::Integer<TScrollBar>("Position", &TScrollBar::Position, &TScrollBar::SetPosition),
          props::Integer<TScrollBar>("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange),
          props::Event<TScrollBar>("OnChange", &TScrollBar::OnChange),
          props::TypedEvent<TScrollBar, TScrollEvent>("OnScroll", &TScrollBar::OnScroll),
      },
      [](TComponent* owner) { return new TScrollBar(owner); });
  return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csCaptureMouse | csOpaque);
  SetBoundsFields(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = L"SCROLLBAR";
  params.Style |= FKind == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::AfterCreateWnd() {
  UpdateScrollInfo();
}

void TScrollBar::UpdateScrollInfo() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, FMin, FMax, static_cast<UINT>(FPageSize), FPosition, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

int TScrollBar::MaxPosition() const {
  return std::max(FMin, FMax - std::max(FPageSize - 1, 0));
}

void TScrollBar::SetPosition(int value) {
  MoveTo(value, false);
}

void TScrollBar::MoveTo(int value, bool notify) {
  value = std::clamp(value, FMin, MaxPosition());
  if (value == FPosition) return;
  FPosition = value;
  if (HandleAllocated()) SetScrollPos(Handle(), SB_CTL, value, TRUE);
  if (notify && OnChange) OnChange(this);
}

void TScrollBar::SetMin(int value) {
  FMin = value;
  if (FMax < FMin) FMax = FMin;
  FPosition = std::clamp(FPosition, FMin, MaxPosition());
  UpdateScrollInfo();
}

void TScrollBar::SetMax(int value) {
  FMax = value;
  if (FMin > FMax) FMin = FMax;
  FPosition = std::clamp(FPosition, FMin, MaxPosition());
  UpdateScrollInfo();
}

void TScrollBar::SetPageSize(int value) {
  FPageSize = std::clamp(value, 0, FMax - FMin + 1);
  FPosition = std::clamp(FPosition, FMin, MaxPosition());
  UpdateScrollInfo();
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (value == FKind) return;
  FKind = value;
  if (!IsLoading()) SetBoundsFields(Left(), Top(), Height(), Width());
  RecreateWnd();
  if (HandleAllocated()) BoundsChanged();
}

void TScrollBar::Scroll(WORD request) {
  TScrollCode code = TScrollCode::scEndScroll;
  int position = FPosition;
  switch (request) {
    case SB_LINEUP:
      code = TScrollCode::scLineUp, position -= FSmallChange;
      break;
    case SB_LINEDOWN:
      code = TScrollCode::scLineDown, position += FSmallChange;
      break;
    case SB_PAGEUP:
      code = TScrollCode::scPageUp, position -= FLargeChange;
      break;
    case SB_PAGEDOWN:
      code = TScrollCode::scPageDown, position += FLargeChange;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      // The message carries only 16 bits of the position; the bar knows all 32.
      code = request == SB_THUMBTRACK ? TScrollCode::scTrack : TScrollCode::scPosition;
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), SB_CTL, &info);
      position = info.nTrackPos;
      break;
    }
    case SB_TOP:
      code = TScrollCode::scTop, position = FMin;
      break;
    case SB_BOTTOM:
      code = TScrollCode::scBottom, position = FMax;
      break;
    default:
      break;
  }
  if (OnScroll) OnScroll(this, code, position);
  MoveTo(position, true);
}

void TScrollBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
      Scroll(LOWORD(message.WParam));
      message.Result = 0;
      return;
    case CN_BASE + WM_CTLCOLORSCROLLBAR:
      // The platform's own track look, not a plain fill in the control's colour.
      message.Result = DefWindowProcW(Handle(), WM_CTLCOLORSCROLLBAR, message.WParam, message.LParam);
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
