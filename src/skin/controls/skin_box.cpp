// TSkinBox, TSkinBoxH, TSkinSizer and TSkinGroupBox.
#include "skin/controls/skin_box.h"

#include "skin/controls/skin_statusbar.h"
#include "ui/gdi.h"
#include "ui/wincontrol.h"

namespace {

// Paints through BeginPaint (or into the DC a WM_PAINT carries) at the window's size.
void PaintThrough(TSkinControl& skinner, TMessage& message) {
  RECT r{};
  GetWindowRect(skinner.Handle, &r);
  skinner.WindowRect = r;
  OffsetRect(&r, -r.left, -r.top);
  if (message.WParam) {
    skinner.PaintSkin(reinterpret_cast<HDC>(message.WParam), r);
  } else {
    TPaintDC paint(skinner.Handle);
    skinner.PaintSkin(paint, r);
  }
  message.Result = 0;
}

}  // namespace

const TClassInfo& TSkinBox::StaticClassInfo() {
  static const TClassInfo info("TSkinBox", &TSkinControl::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TSkinBoxH::StaticClassInfo() {
  static const TClassInfo info("TSkinBoxH", &TSkinControl::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TSkinSizer::StaticClassInfo() {
  static const TClassInfo info("TSkinSizer", &TSkinControl::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TSkinGroupBox::StaticClassInfo() {
  static const TClassInfo info("TSkinGroupBox", &TSkinControl::StaticClassInfo(), {});
  return info;
}

bool TSkinBoxH::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT r{};
      GetWindowRect(Handle, &r);
      OffsetRect(&r, -r.left, -r.top);
      FillFace(reinterpret_cast<HDC>(message.WParam), r);
      message.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC:
      CallDefault(message);
      if (SkinData && SkinData->FaceBrush()) message.Result = reinterpret_cast<LRESULT>(SkinData->FaceBrush());
      return false;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinSizer::PaintSkin(HDC dc, const RECT& rect) { FillFace(dc, rect); }

void TSkinGroupBox::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) {
  if (Attached) return;
  TSkinControl::AttachControl(formSkinner, skinData, recolour, workCanvas);
  Variant = Control ? 1 : 0;
}

bool TSkinGroupBox::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  if (Variant == 0 || message.Msg != WM_PAINT || !Handle) return true;
  PaintThrough(*this, message);
  return false;
}

void TSkinGroupBox::PaintSkin(HDC dc, const RECT& rect) {
  if (Handle) {
    const int length = GetWindowTextLengthW(Handle);
    std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextW(Handle, text.data(), length + 1), 0)));
    WindowText = text;
  }
  if (WindowText.empty() && Control) WindowText = GetTextProp(Control, "Caption");
  if (Control) FillFace(dc, rect);

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
  SIZE zero{};
  GetTextExtentPoint32A(dc, "0", 1, &zero);
  const int top = zero.cy / 2 - 1;

  if (Variant == 0 && SkinData && SkinData->FaceBrush()) {
    // Wipes the control's own two-pixel frame.
    RECT frame{0, top, rect.right, rect.bottom};
    FrameRect(dc, &frame, SkinData->FaceBrush());
    InflateRect(&frame, -1, -1);
    FrameRect(dc, &frame, SkinData->FaceBrush());
  }
  {
    const TColor shadow = SkinData ? SkinData->Colour(SkinColour::ButtonShadow) : SystemColor(COLOR_BTNSHADOW);
    TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(shadow)));
    TSelectObject selectPen(dc, pen.Get()), selectBrush(dc, GetStockObject(NULL_BRUSH));
    const int round = SkinData ? SkinData->Scaled(kGroupFrameRound) : kGroupFrameRound;
    RoundRect(dc, 1, top, rect.right - 1, rect.bottom - 1, round, round);
  }
  // Opaque text on the face colour covers the frame line under the caption.
  const COLORREF oldBack = SetBkColor(dc, ColorToRGB(FaceColour()));
  const bool right = Handle && (GetWindowLongW(Handle, GWL_EXSTYLE) & WS_EX_RIGHT);
  const int indent = SkinData ? SkinData->Scaled(kGroupCaptionIndent) : kGroupCaptionIndent;
  if (right) {
    RECT text{rect.left, rect.top, rect.right - indent, rect.bottom};
    DrawTextAuto(dc, WindowText, text, ReadingOrderFlags(DT_RIGHT | DT_EXPANDTABS));
  } else {
    RECT text{rect.left + indent, rect.top, rect.right, rect.bottom};
    DrawTextAuto(dc, WindowText, text, DT_EXPANDTABS);
  }
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  if (Variant == 1) {
    if (auto* windowed = dynamic_cast<TWinControl*>(Control)) windowed->PaintControls(dc, nullptr);
  }
}

void RegisterContainerSkinners() {
  RegisterSkinnerKind("TSkinBox", [](TComponent* owner) -> TSkinControl* { return new TSkinBox(owner); });
  RegisterSkinnerKind("TSkinBoxH", [](TComponent* owner) -> TSkinControl* { return new TSkinBoxH(owner); });
  RegisterSkinnerKind("TSkinSizer", [](TComponent* owner) -> TSkinControl* { return new TSkinSizer(owner); });
  RegisterSkinnerKind("TSkinGroupBox", [](TComponent* owner) -> TSkinControl* { return new TSkinGroupBox(owner); });
  RegisterSkinnerKind("TSkinStatusBar", [](TComponent* owner) -> TSkinControl* { return new TSkinStatusBar(owner); });
}
