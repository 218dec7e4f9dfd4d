// TSkinCheckBox and TSkinRadioButton: frame choice, layout and painting of the box and caption.
#include "skin/controls/skin_checkbox.h"

#include "base/strings.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_objimage.h"
#include "ui/bitmap.h"
#include "ui/gdi.h"
#include "ui/platform.h"
#include "ui/wincontrol.h"

namespace {

// The framework message after which a check control's look is drawn again (a data link's
// refresh in the families that send it).
constexpr UINT kCheckRefreshMessage = 0xB0D0;
// The platform major version whose visual styles draw their own focus cue.
constexpr int kStyledPlatformMajor = 6;

bool IsTrue(const std::string& text) { return LowerAscii(text) == "true"; }

}  // namespace

// ---- TSkinCheckControl ----

const TClassInfo& TSkinCheckControl::StaticClassInfo() {
  static const TClassInfo info("TSkinCheckControl", &TSkinControl::StaticClassInfo(), {});
  return info;
}

void TSkinCheckControl::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour,
                                      TCanvas* workCanvas) {
  if (Attached) return;
  TSkinControl::AttachControl(formSkinner, skinData, recolour, workCanvas);
  int frames = 0;
  Variant = Control && Picture(frames) ? 1 : 0;
  TransparentFace = (Control && Control->Tag() == kTransparentButtonTag) || (SkinData && SkinData->HasOption(xoTransparent));
  if (Variant) Redraw();
}

void TSkinCheckControl::AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) {
  TSkinControl::AttachWindow(handle, skinData, formSkinner, workCanvas);
  TransparentFace = SkinData && SkinData->HasOption(xoTransparent);
}

bool TSkinCheckControl::WindowDisabled() const {
  return Handle && (GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED);
}

bool TSkinCheckControl::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      if (Variant != 1 || !Handle) return true;
      PaintInMessage(message);
      return false;
    }
    case WM_ERASEBKGND: {
      if (!TransparentFace) return true;
      const auto dc = reinterpret_cast<HDC>(message.WParam);
      if (Control) {
        DrawParentBackground(Control, dc);
      } else {
        RECT client{};
        GetClientRect(Handle, &client);
        FillParentColor(dc, client);
      }
      message.Result = 1;
      return false;
    }
    default: return true;
  }
}

void TSkinCheckControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_UPDATEUISTATE:
    case CM_EXIT:
    case kCheckRefreshMessage:
      // The platform's procedure draws its own look for these; ours goes back over it.
      Redraw();
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinCheckControl::PaintSkin(HDC dc, const RECT& rect) {
  int frames = 0;
  TBitmap* picture = Picture(frames);
  if (!picture || frames < 1) {
    Variant = 0;
    LastFrame = 0;
    return;
  }
  const int w = picture->Width() / frames, h = picture->Height();
  const int index = FrameIndex(frames);
  LastFrame = index;
  const LONG_PTR style = Handle ? GetWindowLongW(Handle, GWL_STYLE) : 0;
  const bool rightToLeft = Control && Control->UseRightToLeftReading();
  const TCheckLayout rules = CheckLayout(TCheckRect{rect.left, rect.top, rect.right, rect.bottom}, w, h,
                                         (style & BS_RIGHTBUTTON) != 0, IsRadio(), rightToLeft,
                                         SkinData ? SkinData->Dpi() : kDesignDpi);
  const RECT box{rules.Box.Left, rules.Box.Top, rules.Box.Right, rules.Box.Bottom};
  RECT text{rules.Text.Left, rules.Text.Top, rules.Text.Right, rules.Text.Bottom};
  if (Variant == 1 && !TransparentFace) FillFace(dc, rect);
  DrawFrameStretched(dc, box, frames, index, *picture);
  if (Variant == 0) return;

  WindowText = Control ? GetTextProp(Control, "Caption") : WindowText;
  HGDIOBJ font = nullptr;
  COLORREF colour = GetTextColor(dc);
  if (Control) {
    font = Control->Font()->Handle();
    colour = ColorToRGB(Control->Enabled() ? Control->Font()->Color() : kDisabledTextColour);
  } else if (Handle) {
    font = reinterpret_cast<HGDIOBJ>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  }
  TSelectObject selectFont(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  const COLORREF oldText = SetTextColor(dc, colour);
  const COLORREF oldBack = SetBkColor(dc, ColorToRGB(FaceColour()));
  const int oldMode = SetBkMode(dc, TRANSPARENT);

  const UINT flags = rules.Flags | DT_WORDBREAK | DT_EXPANDTABS;
  RECT measured = text;
  DrawTextAuto(dc, WindowText, measured, flags | DT_CALCRECT | DT_NOCLIP);
  OffsetRect(&text, 0, (text.bottom - text.top - measured.bottom) / 2);
  if (Handle && GetFocus() == Handle && !WindowText.empty() && PlatformVersion().Major != kStyledPlatformMajor)
    DrawFocusAroundText(dc, flags, text);
  DrawTextAuto(dc, WindowText, text, flags);

  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

// ---- TSkinCheckBox ----

const TClassInfo& TSkinCheckBox::StaticClassInfo() {
  static const TClassInfo info("TSkinCheckBox", &TSkinCheckControl::StaticClassInfo(), {});
  return info;
}

void TSkinCheckBox::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) {
  if (Attached) return;
  LastCheck = 0;
  TSkinCheckControl::AttachControl(formSkinner, skinData, recolour, workCanvas);
}

void TSkinCheckBox::AfterMessage(TMessage& message) {
  if (message.Msg == BM_SETCHECK) LastCheck = static_cast<int>(message.WParam) + 1;
  TSkinCheckControl::AfterMessage(message);
}

TBitmap* TSkinCheckBox::Picture(int& frameCount) const {
  if (!SkinData || !SkinData->Buttons || SkinData->Buttons->CheckButton.Empty()) return nullptr;
  frameCount = SkinData->Buttons->CheckButtonFrame;
  return &SkinData->Buttons->CheckButton;
}

int TSkinCheckBox::FrameIndex(int frameCount) {
  const UINT state = Handle ? static_cast<UINT>(SendMessageW(Handle, BM_GETSTATE, 0, 0)) : 0;
  int propertyIndex = 0;
  if (Control) {
    if (FindPropInfo(Control, "State")) {
      propertyIndex = CheckStateIndex(GetEnumPropText(Control, "State"));
    } else if (FindPropInfo(Control, "Checked")) {
      propertyIndex = IsTrue(GetEnumPropText(Control, "Checked")) ? kCheckChecked : kCheckUnchecked;
    }
    // Data-aware boxes show what their data link last sent (2, mixed, shows as 4).
    if (FindPropInfo(Control, "DataField") && LastCheck != 0)
      propertyIndex = LastCheck == kCheckUncheckedDisabled ? kCheckCheckedDisabled : LastCheck;
    if (FindPropInfo(Control, "DataBinding")) propertyIndex = kCheckUnchecked;
  }
  return CheckBoxFrame(state, propertyIndex, WindowDisabled(), frameCount);
}

// ---- TSkinRadioButton ----

const TClassInfo& TSkinRadioButton::StaticClassInfo() {
  static const TClassInfo info("TSkinRadioButton", &TSkinCheckControl::StaticClassInfo(), {});
  return info;
}

TBitmap* TSkinRadioButton::Picture(int& frameCount) const {
  if (!SkinData || !SkinData->Buttons || SkinData->Buttons->RadioButton.Empty()) return nullptr;
  frameCount = SkinData->Buttons->RadioButtonFrame;
  return &SkinData->Buttons->RadioButton;
}

int TSkinRadioButton::FrameIndex(int frameCount) {
  bool checked = Handle && (SendMessageW(Handle, BM_GETCHECK, 0, 0) & BST_CHECKED);
  if (Control && FindPropInfo(Control, "Checked")) checked = IsTrue(GetEnumPropText(Control, "Checked"));
  return RadioButtonFrame(checked, WindowDisabled(), frameCount);
}

void RegisterCheckSkinners() {
  RegisterSkinnerKind("TSkinCheckBox", [](TComponent* owner) -> TSkinControl* { return new TSkinCheckBox(owner); });
  RegisterSkinnerKind("TSkinRadioButton",
                      [](TComponent* owner) -> TSkinControl* { return new TSkinRadioButton(owner); });
  RegisterSkinnerKind("TSkinObjImage", [](TComponent* owner) -> TSkinControl* { return new TSkinObjImage(owner); });
}
