// TControl: bounds, anchoring, properties that notify, mouse handling and dispatch.
#include "ui/control.h"

#include <algorithm>

#include "ui/dpi.h"
#include "ui/wincontrol.h"

namespace {

const std::vector<std::string>& BiDiNames() {
  static const std::vector<std::string> names = {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                                 "bdRightToLeftReadingOnly"};
  return names;
}

}  // namespace

// The control under the mouse: it got CM_MOUSEENTER and gets CM_MOUSELEAVE when this changes.
TControl* g_MouseControl = nullptr;

void SetMouseControl(TControl* control) {
  if (control == g_MouseControl) return;
  TControl* old = g_MouseControl;
  g_MouseControl = control;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (control && g_MouseControl == control) control->Perform(CM_MOUSEENTER);
}

const std::vector<std::string>& AlignNames() {
  static const std::vector<std::string> names = {"alNone", "alTop",    "alBottom", "alLeft",
                                                 "alRight", "alClient", "alCustom"};
  return names;
}

const std::vector<std::string>& AnchorNames() {
  static const std::vector<std::string> names = {"akLeft", "akTop", "akRight", "akBottom"};
  return names;
}

HCURSOR CursorHandle(TCursor cursor) {
  const wchar_t* id = IDC_ARROW;
  switch (cursor) {
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
  }
  return LoadCursorW(nullptr, id);
}

TShiftState ShiftStateOfKeys(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

const TClassInfo& TControl::StaticClassInfo() {
  static const TClassInfo info(
      "TControl", &TComponent::StaticClassInfo(),
      {
          props::Integer<TControl>("Left", &TControl::Left, &TControl::SetLeft),
          props::Integer<TControl>("Top", &TControl::Top, &TControl::SetTop),
          props::Integer<TControl>("Width", &TControl::Width, &TControl::SetWidth),
          props::Integer<TControl>("Height", &TControl::Height, &TControl::SetHeight),
          props::Enumeration<TControl, TAlign>("Align", AlignNames(), &TControl::Align, &TControl::SetAlign),
          props::Set<TControl>("Anchors", AnchorNames(), &TControl::Anchors, &TControl::SetAnchors),
          props::Enumeration<TControl, TBiDiMode>("BiDiMode", BiDiNames(), &TControl::BiDiMode,
                                                  &TControl::SetBiDiMode),
          props::Wide<TControl>("Caption", &TControl::Caption, &TControl::SetCaption),
          props::Integer<TControl>("Color", &TControl::Color, &TControl::SetColor),
          props::Integer<TControl>("Cursor", &TControl::Cursor, &TControl::SetCursor),
          props::Boolean<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled),
          props::SubObject<TControl, TFont>("Font", &TControl::Font),
          props::Wide<TControl>("Hint", &TControl::Hint, &TControl::SetHint),
          props::Boolean<TControl>("ParentColor", &TControl::ParentColor, &TControl::SetParentColor),
          props::Boolean<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont),
          props::Boolean<TControl>("ShowHint", &TControl::ShowHint, &TControl::SetShowHint),
          props::Boolean<TControl>("Visible", &TControl::Visible, &TControl::SetVisible),
          props::Event<TControl>("OnClick", &TControl::OnClick),
      });
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  FFont->OnChange = [this](TObject*) {
    // A font set on the control itself stops following the parent's.
    FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (g_MouseControl == this) g_MouseControl = nullptr;
}

void TControl::BeforeDestruction() {
  if (g_MouseControl == this) g_MouseControl = nullptr;
  TComponent::BeforeDestruction();
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == reinterpret_cast<TWinControl*>(this)) return;
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBoundsFields(int left, int top, int width, int height) {
  // What the program (or the user, through a window) asks for is remembered with its scale;
  // results of scaling and of the parent's alignment are not requests.
  if (!FScaling && !(FParent && FParent->Aligning())) {
    FSetBounds = RECT{left, top, width, height};
    FSetBoundsDpi = FCurrentDpi;
  }
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  const bool wasVisibleWindowless = !IsWindowed() && FParent && FParent->HandleAllocated() && Showing();
  if (wasVisibleWindowless) Invalidate();
  SetBoundsFields(left, top, width, height);
  // Bounds set by the program (not by the parent's alignment) become the new anchor origin.
  if (FParent && !FParent->Aligning() && !IsLoading() && !FScaling) UpdateAnchorRules();
  BoundsChanged();
  if (wasVisibleWindowless) Invalidate();
  if (FAlign != TAlign::alNone && FParent && !FParent->Aligning()) RequestAlign();
  // Parents that scroll their children measure them again.
  if (FParent) FParent->Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(this), 0);
}

RECT TControl::ClientRect() { return RECT{0, 0, FWidth, FHeight}; }

void TControl::SetClientSize(int width, int height) {
  const RECT client = ClientRect();
  SetBounds(FLeft, FTop, FWidth + width - client.right, FHeight + height - client.bottom);
}

POINT TControl::ClientOrigin() {
  POINT origin{FLeft, FTop};
  if (FParent) {
    const POINT parent = FParent->ClientOrigin();
    origin.x += parent.x;
    origin.y += parent.y;
  }
  return origin;
}

POINT TControl::ClientToScreen(POINT point) {
  const POINT origin = ClientOrigin();
  return POINT{point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) {
  const POINT origin = ClientOrigin();
  return POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::RequestAlign() {
  if (FParent) FParent->Realign();
}

void TControl::SetAlign(TAlign align) {
  if (align == FAlign) return;
  FAlign = align;
  if (!IsLoading()) RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors) {
  if (anchors == FAnchors) return;
  FAnchors = anchors;
  if (!IsLoading() && FParent) UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (!FParent) return;
  const RECT client = FParent->ClientRect();
  FAnchorOrigin = BoundsRect();
  FAnchorParentSize = SIZE{client.right - client.left, client.bottom - client.top};
  FAnchorDpi = FCurrentDpi;
  FAnchorOriginSet = true;
}

RECT TControl::AnchoredBounds(int parentWidth, int parentHeight) const {
  RECT r = BoundsRect();
  if (!FAnchorOriginSet) return r;
  // The origin stays at the scale it was recorded at; distances are taken to the current one.
  auto scaled = [this](LONG v) { return static_cast<LONG>(RescaleDpi(v, FAnchorDpi, FCurrentDpi)); };
  const LONG ow = FAnchorOrigin.right - FAnchorOrigin.left, oh = FAnchorOrigin.bottom - FAnchorOrigin.top;
  const RECT o{scaled(FAnchorOrigin.left), scaled(FAnchorOrigin.top), scaled(FAnchorOrigin.left) + scaled(ow),
               scaled(FAnchorOrigin.top) + scaled(oh)};
  const SIZE parentSize{scaled(FAnchorParentSize.cx), scaled(FAnchorParentSize.cy)};
  const int w = o.right - o.left, h = o.bottom - o.top;
  const int dw = parentWidth - parentSize.cx, dh = parentHeight - parentSize.cy;
  // Horizontal: both edges stretch; one edge keeps its distance; none keeps the centre's
  // proportional place in the parent.
  if ((FAnchors & akLeft) && (FAnchors & akRight)) {
    r.left = o.left;
    r.right = o.left + std::max(0, w + dw);
  } else if (FAnchors & akRight) {
    r.left = o.left + dw;
    r.right = r.left + w;
  } else if (!(FAnchors & akLeft)) {
    if (parentSize.cx > 0) {
      const long long centre = (2ll * o.left + w) * parentWidth / (2ll * parentSize.cx);
      r.left = static_cast<LONG>(centre - w / 2);
    }
    r.right = r.left + w;
  } else {
    r.left = o.left;
    r.right = o.left + w;
  }
  if ((FAnchors & akTop) && (FAnchors & akBottom)) {
    r.top = o.top;
    r.bottom = o.top + std::max(0, h + dh);
  } else if (FAnchors & akBottom) {
    r.top = o.top + dh;
    r.bottom = r.top + h;
  } else if (!(FAnchors & akTop)) {
    if (parentSize.cy > 0) {
      const long long centre = (2ll * o.top + h) * parentHeight / (2ll * parentSize.cy);
      r.top = static_cast<LONG>(centre - h / 2);
    }
    r.bottom = r.top + h;
  } else {
    r.top = o.top;
    r.bottom = o.top + h;
  }
  return r;
}

void TControl::ScaleForDpi(int dpi) {
  if (dpi > 0 && dpi != FCurrentDpi) ChangeScale(FCurrentDpi, dpi);
}

RECT TControl::ScaledBounds(int dpi) {
  return RECT{RescaleDpi(FSetBounds.left, FSetBoundsDpi, dpi), RescaleDpi(FSetBounds.top, FSetBoundsDpi, dpi),
              RescaleDpi(FSetBounds.right, FSetBoundsDpi, dpi), RescaleDpi(FSetBounds.bottom, FSetBoundsDpi, dpi)};
}

void TControl::ChangeScale(int fromDpi, int toDpi) {
  struct ScalingGuard {
    bool& flag;
    explicit ScalingGuard(bool& f) : flag(f) { flag = true; }
    ~ScalingGuard() { flag = false; }
  };
  {
    ScalingGuard guard(FScaling);
    const RECT b = ScaledBounds(toDpi);
    FCurrentDpi = toDpi;
    SetBounds(b.left, b.top, b.right, b.bottom);
    // A control that follows its parent's font gets it scaled from the parent.
    if (!FParentFont || !FParent) FFont->ScaleTo(toDpi);
  }
  Perform(CM_DPICHANGED, static_cast<WPARAM>(toDpi), static_cast<LPARAM>(fromDpi));
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetVisible(bool visible) {
  if (visible == FVisible) return;
  VisibleChanging();
  if (!IsWindowed() && FParent && FParent->HandleAllocated()) Invalidate();
  FVisible = visible;
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  if (!IsWindowed() && FParent && FParent->HandleAllocated()) Invalidate();
  if (!IsLoading() && FAlign != TAlign::alNone) RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (value == FParentColor) return;
  FParentColor = value;
  if (value && FParent && !IsReading()) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (value == FParentFont) return;
  FParentFont = value;
  if (value && FParent && !IsReading()) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() { Perform(CM_FONTCHANGED); }

void TControl::SetShowHint(bool value) {
  if (value == FShowHint) return;
  FShowHint = value;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == FCursor) return;
  FCursor = cursor;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
  if (mode == FBiDiMode) return;
  FBiDiMode = mode;
  Invalidate();
}

std::wstring TControl::GetText() const { return FText; }

void TControl::SetText(const std::wstring& text) {
  FTextSet = true;
  if (text == FText) return;
  FText = text;
  Perform(CM_TEXTCHANGED);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  if (WindowProc) WindowProc(message);
  return message.Result;
}

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated() || !FVisible) return;
  const RECT r = BoundsRect();
  InvalidateRect(FParent->Handle(), &r, !(FControlStyle & csOpaque));
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::BringToFront() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.push_back(this);
  Invalidate();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParent) {
    if (FParentFont) Perform(CM_PARENTFONTCHANGED);
    if (FParentColor) Perform(CM_PARENTCOLORCHANGED);
    UpdateAnchorRules();
  }
}

void TControl::HandleMouseButton(TMessage& message, TMouseButton button, bool down, bool dbl) {
  const int x = static_cast<short>(LOWORD(message.LParam));
  const int y = static_cast<short>(HIWORD(message.LParam));
  TShiftState shift = ShiftStateOfKeys(message.WParam);
  if (dbl) shift |= ssDouble;
  if (down) {
    if (button == TMouseButton::mbLeft) FMouseButtonDown = true;
    MouseDown(button, shift, x, y);
  } else {
    const bool wasDown = FMouseButtonDown && button == TMouseButton::mbLeft;
    if (button == TMouseButton::mbLeft) FMouseButtonDown = false;
    const bool inside = x >= 0 && y >= 0 && x < FWidth && y < FHeight;
    if (wasDown && inside && (FControlStyle & csClickEvents)) Click();
    MouseUp(button, shift, x, y);
  }
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: HandleMouseButton(message, TMouseButton::mbLeft, true, false); break;
    case WM_LBUTTONDBLCLK: HandleMouseButton(message, TMouseButton::mbLeft, true, true); break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: HandleMouseButton(message, TMouseButton::mbRight, true, message.Msg == WM_RBUTTONDBLCLK); break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: HandleMouseButton(message, TMouseButton::mbMiddle, true, message.Msg == WM_MBUTTONDBLCLK); break;
    case WM_LBUTTONUP: HandleMouseButton(message, TMouseButton::mbLeft, false, false); break;
    case WM_RBUTTONUP: HandleMouseButton(message, TMouseButton::mbRight, false, false); break;
    case WM_MBUTTONUP: HandleMouseButton(message, TMouseButton::mbMiddle, false, false); break;
    case WM_MOUSEMOVE:
      MouseMove(ShiftStateOfKeys(message.WParam), static_cast<short>(LOWORD(message.LParam)),
                static_cast<short>(HIWORD(message.LParam)));
      break;
    case CM_PARENTFONTCHANGED:
      if (FParentFont && FParent) {
        FFont->Assign(*FParent->Font());
        FParentFont = true;  // assigning the parent's font keeps following it
      }
      return;
    case CM_PARENTCOLORCHANGED:
      if (FParentColor && FParent) {
        FColor = FParent->Color();
        Perform(CM_COLORCHANGED);
      }
      return;
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      if (!IsWindowed()) Invalidate();
      return;
    case CM_ENABLEDCHANGED:
      if (!IsWindowed()) Invalidate();
      return;
    default: break;
  }
  DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) {}
