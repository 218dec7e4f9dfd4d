// TSkinDateTime and its TArrowButton: placement, the click passed on to the picker, painting.
#include "skin/controls/skin_datetime.h"

#include "skin/controls/skin_edit.h"
#include "ui/gdi.h"
#include "ui/skin_messages.h"

namespace {

// The picker's border: the arrow button fits inside it.
constexpr int kPickerBorder = 2;

}  // namespace

int ArrowButtonLeft(int pickerWidth, int arrowWidth, bool rightToLeft) {
  return rightToLeft ? kPickerBorder : pickerWidth - arrowWidth - 2 * kPickerBorder;
}

const TClassInfo& TArrowButton::StaticClassInfo() {
  static const TClassInfo info("TArrowButton", &TCustomControl::StaticClassInfo(), {});
  return info;
}

TArrowButton::TArrowButton(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(csOpaque);
  SetTabStop(false);
}

bool TArrowButton::PickerRightToLeft() const {
  return PickerWindow && (GetWindowLongW(PickerWindow, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
}

bool TArrowButton::PickerEnabled() const {
  return PickerWindow && IsWindowEnabled(PickerWindow);
}

void TArrowButton::PlaceOver(TSkinDateTime* skinner, TWinControl* picker) {
  Skinner = skinner;
  Picker = picker;
  PickerWindow = picker->Handle();
  RECT window{};
  GetWindowRect(PickerWindow, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  SetParent(picker);
  SetBounds(ArrowButtonLeft(width, ArrowWidth, PickerRightToLeft()), 0, ArrowWidth, height - 2 * kPickerBorder);
  SetWindowLongW(PickerWindow, GWL_STYLE, GetWindowLongW(PickerWindow, GWL_STYLE) | WS_CLIPCHILDREN);
  Handle();
}

void TArrowButton::Reposition(const RECT& rect) {
  const int left = ArrowButtonLeft(rect.right - rect.left, ArrowWidth, PickerRightToLeft());
  if (left != Left()) SetBounds(left, Top(), Width(), Height());
}

void TArrowButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case SKINMSG_QUERY:
      // An overlay of the engine: no discovery pass skins it.
      message.Result = 1;
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (PickerEnabled()) {
        if (message.Msg == CM_MOUSEENTER)
          MouseState |= kMouseOver;
        else
          MouseState &= static_cast<std::uint8_t>(~kMouseOver);
        Invalidate();
      }
      break;
    case WM_LBUTTONDOWN: {
      TCustomControl::WndProc(message);
      if (!PickerWindow) return;
      // The picker opens its calendar for a click on its own button, which lies under ours.
      const int x = static_cast<short>(LOWORD(message.LParam)) + Left();
      const int y = static_cast<short>(HIWORD(message.LParam)) + Top();
      PostMessageW(PickerWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
      PostMessageW(PickerWindow, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
      Invalidate();
      return;
    }
    case WM_LBUTTONUP:
      TCustomControl::WndProc(message);
      if (PickerWindow) ::SetFocus(PickerWindow);
      return;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

void TArrowButton::Paint() {
  const HDC dc = Canvas().Handle();
  const RECT r{0, 0, Width(), Height()};
  TSkinData* data = Skinner ? Skinner->SkinData : nullptr;
  TSkinControl::FillColor(dc, r, data ? data->Colour(SkinColour::ButtonFace) : SystemColor(COLOR_BTNFACE));
  if (!data || !data->ComboxArrow || !data->ComboxArrow->HasImage()) return;
  TDataSkinObject& arrow = *data->ComboxArrow;
  const int frames = arrow.Frame > 0 ? arrow.Frame : 1;
  const int frame = (MouseState & kMouseOver) && frames >= kArrowButtonHot ? kArrowButtonHot : kArrowButtonNormal;
  DrawFrameStretched(dc, r, frames, frame, arrow.Image);
}

const TClassInfo& TSkinDateTime::StaticClassInfo() {
  static const TClassInfo info("TSkinDateTime", &TSkinControl::StaticClassInfo(), {});
  return info;
}

void TSkinDateTime::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) {
  if (Attached) return;
  TSkinControl::AttachControl(formSkinner, skinData, recolour, workCanvas);
  auto* picker = dynamic_cast<TWinControl*>(Control);
  if (!picker || !Handle) return;
  ArrowButton = new TArrowButton(this);
  ArrowButton->PlaceOver(this, picker);
}

void TSkinDateTime::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == ArrowButton) ArrowButton = nullptr;
}

void TSkinDateTime::AfterMessage(TMessage& message) {
  if (message.Msg == WM_SIZE) {
    if (ArrowButton && ArrowButton->HandleAllocated()) {
      RECT window{};
      GetWindowRect(Handle, &window);
      ArrowButton->Reposition(window);
      ArrowButton->Invalidate();
    }
    return;
  }
  TSkinControl::AfterMessage(message);
}

void TSkinDateTime::PaintSkin(HDC dc, const RECT& rect) {
  if (!Handle) return;
  if (ArrowButton && ArrowButton->HandleAllocated()) ArrowButton->Reposition(rect);
  DrawFlatBorder(dc, rect, Handle, SkinData ? SkinData->Colour(SkinColour::ButtonShadow) : SystemColor(COLOR_BTNSHADOW),
                 1);
}
