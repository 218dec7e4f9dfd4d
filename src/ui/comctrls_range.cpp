// TProgressBar, TTrackBar and TUpDown.
#include "ui/comctrls_range.h"

#include <algorithm>

namespace {

// Where the platform puts a position outside the range (either way round for an up-down).
int ClampToRange(int value, int low, int high) {
  return std::clamp(value, std::min(low, high), std::max(low, high));
}

}  // namespace

// ---- TProgressBar ----

const TClassInfo& TProgressBar::StaticClassInfo() {
  static const TClassInfo info(
      "TProgressBar", &TWinControl::StaticClassInfo(),
      {
          props::Integer<TProgressBar>("Max", &TProgressBar::Max, &TProgressBar::SetMax),
          props::Integer<TProgressBar>("Min", &TProgressBar::Min, &TProgressBar::SetMin),
          props::Enumeration<TProgressBar, TProgressBarOrientation>(
              "Orientation", {"pbHorizontal", "pbVertical"}, &TProgressBar::Orientation, &TProgressBar::SetOrientation),
          props::Integer<TProgressBar>("Position", &TProgressBar::Position, &TProgressBar::SetPosition),
          props::Boolean<TProgressBar>("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth),
          props::Integer<TProgressBar>("Step", &TProgressBar::Step, &TProgressBar::SetStep),
      },
      [](TComponent* owner) { return new TProgressBar(owner); });
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csCaptureMouse | csOpaque);
  SetBoundsFields(0, 0, 150, 16);
  SetColor(clBtnFace);
}

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = PROGRESS_CLASSW;
  if (FOrientation == TProgressBarOrientation::pbVertical) params.Style |= PBS_VERTICAL;
  if (FSmooth) params.Style |= PBS_SMOOTH;
}

void TProgressBar::AfterCreateWnd() {
  SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SendMessageW(Handle(), PBM_SETSTEP, static_cast<WPARAM>(FStep), 0);
  SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
}

void TProgressBar::DestroyWnd() {
  FPosition = Position();
  TWinControl::DestroyWnd();
}

int TProgressBar::Position() const {
  if (!HandleAllocated()) return FPosition;
  return static_cast<int>(SendMessageW(const_cast<TProgressBar*>(this)->Handle(), PBM_GETPOS, 0, 0));
}

void TProgressBar::SetPosition(int value) {
  FPosition = ClampToRange(value, FMin, FMax);
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void TProgressBar::SetMin(int value) {
  FMin = value;
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SetPosition(Position());
}

void TProgressBar::SetMax(int value) {
  FMax = value;
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SetPosition(Position());
}

void TProgressBar::SetStep(int value) {
  FStep = value;
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETSTEP, static_cast<WPARAM>(value), 0);
}

void TProgressBar::StepIt() {
  StepBy(FStep);
}

void TProgressBar::StepBy(int delta) {
  // The platform wraps a step past the end back to the start; a step here stops at the end.
  SetPosition(Position() + delta);
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  if (!IsLoading()) SetBoundsFields(Left(), Top(), Height(), Width());
  RecreateWnd();
  if (HandleAllocated()) BoundsChanged();
}

void TProgressBar::SetSmooth(bool value) {
  if (value == FSmooth) return;
  FSmooth = value;
  RecreateWnd();
}

// ---- TTrackBar ----

const TClassInfo& TTrackBar::StaticClassInfo() {
  static const TClassInfo info(
      "TTrackBar", &TWinControl::StaticClassInfo(),
      {
          props::Integer<TTrackBar>("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency),
          props::Integer<TTrackBar>("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize),
          props::Integer<TTrackBar>("Max", &TTrackBar::Max, &TTrackBar::SetMax),
          props::Integer<TTrackBar>("Min", &TTrackBar::Min, &TTrackBar::SetMin),
          props::Enumeration<TTrackBar, TTrackBarOrientation>("Orientation", {"trHorizontal", "trVertical"},
                                                              &TTrackBar::Orientation, &TTrackBar::SetOrientation),
          props::Integer<TTrackBar>("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize),
          props::Integer<TTrackBar>("Position", &TTrackBar::Position, &TTrackBar::SetPosition),
          props::Event<TTrackBar>("OnChange", &TTrackBar::OnChange),
      },
      [](TComponent* owner) { return new TTrackBar(owner); });
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csCaptureMouse | csOpaque);
  SetBoundsFields(0, 0, 150, 45);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = TRACKBAR_CLASSW;
  params.Style |= TBS_AUTOTICKS;
  params.Style |= FOrientation == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ;
}

void TTrackBar::AfterCreateWnd() {
  const HWND h = Handle();
  SendMessageW(h, TBM_SETRANGEMIN, FALSE, FMin);
  SendMessageW(h, TBM_SETRANGEMAX, FALSE, FMax);
  SendMessageW(h, TBM_SETLINESIZE, 0, FLineSize);
  SendMessageW(h, TBM_SETPAGESIZE, 0, FPageSize);
  SendMessageW(h, TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency), 0);
  SendMessageW(h, TBM_SETPOS, TRUE, FPosition);
}

void TTrackBar::DestroyWnd() {
  FPosition = Position();
  TWinControl::DestroyWnd();
}

int TTrackBar::Position() const {
  if (!HandleAllocated()) return FPosition;
  return static_cast<int>(SendMessageW(const_cast<TTrackBar*>(this)->Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetPosition(int value) {
  FPosition = ClampToRange(value, FMin, FMax);
  if (HandleAllocated()) {
    SendMessageW(Handle(), TBM_SETPOS, TRUE, value);
    FPosition = Position();
  }
}

void TTrackBar::SetMin(int value) {
  FMin = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETRANGEMIN, TRUE, value);
  SetPosition(Position());
}

void TTrackBar::SetMax(int value) {
  FMax = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, value);
  SetPosition(Position());
}

void TTrackBar::SetFrequency(int value) {
  FFrequency = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(value), 0);
}

void TTrackBar::SetLineSize(int value) {
  FLineSize = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETLINESIZE, 0, value);
}

void TTrackBar::SetPageSize(int value) {
  FPageSize = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPAGESIZE, 0, value);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  if (!IsLoading()) SetBoundsFields(Left(), Top(), Height(), Width());
  RecreateWnd();
  if (HandleAllocated()) BoundsChanged();
}

void TTrackBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    // A key press reports its step and then the end of the move: one change.
    const int position = Position();
    if (position != FPosition) {
      FPosition = position;
      if (OnChange) OnChange(this);
    }
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TUpDown ----

const TClassInfo& TUpDown::StaticClassInfo() {
  static const TClassInfo info(
      "TUpDown", &TWinControl::StaticClassInfo(),
      {
          props::Enumeration<TUpDown, TUDAlignButton>("AlignButton", {"udLeft", "udRight"}, &TUpDown::AlignButton,
                                                      &TUpDown::SetAlignButton),
          props::Boolean<TUpDown>("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys),
          props::Reference<TUpDown, TWinControl>("Associate", &TUpDown::Associate, &TUpDown::SetAssociate),
          props::Integer<TUpDown>("Increment", &TUpDown::Increment, &TUpDown::SetIncrement),
          props::Integer<TUpDown>("Max", &TUpDown::Max, &TUpDown::SetMax),
          props::Integer<TUpDown>("Min", &TUpDown::Min, &TUpDown::SetMin),
          props::Enumeration<TUpDown, TUDOrientation>("Orientation", {"udHorizontal", "udVertical"},
                                                      &TUpDown::Orientation, &TUpDown::SetOrientation),
          props::Integer<TUpDown>("Position", &TUpDown::Position, &TUpDown::SetPosition),
          props::Boolean<TUpDown>("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands),
          props::Boolean<TUpDown>("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap),
          props::Event<TUpDown>("OnChange", &TUpDown::OnChange),
      },
      [](TComponent* owner) { return new TUpDown(owner); });
  return info;
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csCaptureMouse | csOpaque);
  SetBoundsFields(0, 0, 17, 25);
  SetColor(clBtnFace);
}

void TUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = UPDOWN_CLASSW;
  // Placed beside the associate by the control itself: the platform's alignment would shrink
  // the associate again every time the arrows are made anew.
  params.Style |= UDS_SETBUDDYINT;
  if (FOrientation == TUDOrientation::udHorizontal) params.Style |= UDS_HORZ;
  if (FWrap) params.Style |= UDS_WRAP;
  if (FArrowKeys) params.Style |= UDS_ARROWKEYS;
  if (!FThousands) params.Style |= UDS_NOTHOUSANDS;
}

void TUpDown::AfterCreateWnd() {
  const HWND h = Handle();
  SendMessageW(h, UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  UDACCEL accel{0, static_cast<UINT>(FIncrement)};
  SendMessageW(h, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  BindAssociate();
  SendMessageW(h, UDM_SETPOS32, 0, FPosition);
}

void TUpDown::DestroyWnd() {
  FPosition = Position();
  TWinControl::DestroyWnd();
}

void TUpDown::Loaded() {
  TWinControl::Loaded();
  PlaceBesideAssociate();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FAssociate) {
    FAssociate = nullptr;
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETBUDDY, 0, 0);
  }
}

int TUpDown::Position() const {
  if (!HandleAllocated()) return FPosition;
  BOOL failed = FALSE;
  const auto position = static_cast<int>(
      SendMessageW(const_cast<TUpDown*>(this)->Handle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
  // Text typed into the associate that is no number leaves the last position.
  return failed ? FPosition : position;
}

void TUpDown::SetPosition(int value) {
  FPosition = ClampToRange(value, FMin, FMax);
  if (HandleAllocated()) {
    SendMessageW(Handle(), UDM_SETPOS32, 0, value);
    FPosition = Position();
  }
}

void TUpDown::SetMin(int value) {
  FMin = value;
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SetPosition(Position());
}

void TUpDown::SetMax(int value) {
  FMax = value;
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SetPosition(Position());
}

void TUpDown::SetIncrement(int value) {
  if (value == FIncrement) return;
  FIncrement = value;
  if (HandleAllocated()) {
    UDACCEL accel{0, static_cast<UINT>(value)};
    SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  }
}

void TUpDown::SetOrientation(TUDOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  if (!IsLoading()) SetBoundsFields(Left(), Top(), Height(), Width());
  RecreateWnd();
  if (HandleAllocated()) BoundsChanged();
}

void TUpDown::SetWrap(bool value) {
  if (value == FWrap) return;
  FWrap = value;
  RecreateWnd();
}

void TUpDown::SetArrowKeys(bool value) {
  if (value == FArrowKeys) return;
  FArrowKeys = value;
  RecreateWnd();
}

void TUpDown::SetThousands(bool value) {
  if (value == FThousands) return;
  FThousands = value;
  RecreateWnd();
}

void TUpDown::SetAlignButton(TUDAlignButton value) {
  FAlignButton = value;
  PlaceBesideAssociate();
}

void TUpDown::SetAssociate(TWinControl* control) {
  if (control == this) return;
  if (FAssociate) FAssociate->RemoveFreeNotification(this);
  FAssociate = control;
  if (control) control->FreeNotification(this);
  if (HandleAllocated()) {
    // Read before binding: the new associate's text (empty, say) is not the position.
    const int position = Position();
    BindAssociate();
    SendMessageW(Handle(), UDM_SETPOS32, 0, position);
    FPosition = position;
  }
  PlaceBesideAssociate();
}

void TUpDown::BindAssociate() {
  if (!HandleAllocated()) return;
  HWND buddy = nullptr;
  // An associate without a parent has no window to show the text in yet.
  if (FAssociate && (FAssociate->HandleAllocated() || FAssociate->Parent())) buddy = FAssociate->Handle();
  if (reinterpret_cast<HWND>(SendMessageW(Handle(), UDM_GETBUDDY, 0, 0)) != buddy)
    SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

void TUpDown::PlaceBesideAssociate() {
  if (!FAssociate || IsLoading() || FAssociate->Parent() != Parent()) return;
  const int left =
      FAlignButton == TUDAlignButton::udRight ? FAssociate->Left() + FAssociate->Width() : FAssociate->Left() - Width();
  SetBounds(left, FAssociate->Top(), Width(), FAssociate->Height());
}

void TUpDown::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The associate may have a new window since: the arrows read and write that one.
      BindAssociate();
      break;
    case CN_HSCROLL:
    case CN_VSCROLL: {
      const int position = Position();
      if (position != FPosition) {
        FPosition = position;
        if (OnChange) OnChange(this);
      }
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(message);
}
