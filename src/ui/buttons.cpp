// TBitBtn and TSpeedButton: their properties, their own painting and the speed button's
// press, down and group behaviour.
#include "ui/buttons.h"

#include "ui/form.h"
#include "ui/gdi.h"
#include "ui/skin_messages.h"

namespace {

// Glyph and caption inside face (already drawn), the caption in the font selected into dc.
void PaintContent(HDC dc, const RECT& face, TBitmap& glyph, int numGlyphs, int glyphNumber, TButtonLayout layout,
                  int margin, int spacing, const std::wstring& caption, bool enabled, bool speed) {
  const SIZE client{face.right - face.left, face.bottom - face.top};
  const SIZE g = GlyphSize(glyph, numGlyphs);
  SIZE s{0, 0};
  if (!caption.empty()) {
    RECT bounds = GlyphCaptionBounds(client, g, layout);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &bounds, DT_CALCRECT | DT_WORDBREAK);
    s = SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
  }
  const TGlyphPlacement p = PlaceGlyph(client, g, s, layout, margin, spacing, false, speed);
  if (g.cx > 0) DrawGlyph(dc, POINT{face.left + p.Glyph.x, face.top + p.Glyph.y}, numGlyphs, glyphNumber, glyph);
  RECT text = p.Text;
  OffsetRect(&text, face.left, face.top);
  SetBkMode(dc, TRANSPARENT);
  if (enabled) {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, p.TextFlags);
  } else {
    // The engraved look of disabled text.
    RECT light = text;
    OffsetRect(&light, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &light, p.TextFlags);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, p.TextFlags);
  }
}

}  // namespace

// ---- TBitBtn ----

const TClassInfo& TBitBtn::StaticClassInfo() {
  static const TClassInfo info(
      "TBitBtn", &TButton::StaticClassInfo(),
      {
          props::SubObject<TBitBtn, TBitmap>("Glyph", &TBitBtn::Glyph),
          props::Enumeration<TBitBtn, TBitBtnKind>("Kind", BitBtnKindNames(), &TBitBtn::Kind, &TBitBtn::SetKind),
          props::Enumeration<TBitBtn, TButtonLayout>("Layout", ButtonLayoutNames(), &TBitBtn::Layout,
                                                     &TBitBtn::SetLayout),
          props::Integer<TBitBtn>("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin),
          props::Integer<TBitBtn>("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs),
          props::Integer<TBitBtn>("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing),
      },
      [](TComponent* owner) { return new TBitBtn(owner); });
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), FGlyph(std::make_unique<TBitmap>()) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, 4);
  if (value == FNumGlyphs) return;
  FNumGlyphs = value;
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout value) {
  FLayout = value;
  Invalidate();
}

void TBitBtn::SetMargin(int value) {
  FMargin = std::max(value, -1);
  Invalidate();
}

void TBitBtn::SetSpacing(int value) {
  FSpacing = std::max(value, -1);
  Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind value) {
  if (value == FKind) return;
  const std::wstring oldCaption = BitBtnKindCaption(FKind);
  FKind = value;
  if (value == TBitBtnKind::bkCustom) return;
  if (Caption().empty() || Caption() == oldCaption) SetCaption(BitBtnKindCaption(value));
  FGlyph = std::make_unique<TBitmap>();
  MakeBitBtnKindGlyph(value, *FGlyph);
  FNumGlyphs = 2;
  SetModalResult(BitBtnKindModalResult(value));
  if (value == TBitBtnKind::bkOK || value == TBitBtnKind::bkYes) SetDefault(true);
  if (value == TBitBtnKind::bkCancel || value == TBitBtnKind::bkNo) SetCancel(true);
  Invalidate();
}

void TBitBtn::Click() {
  if (FKind == TBitBtnKind::bkClose) {
    if (TCustomForm* form = GetParentForm(this)) {
      TButton::Click();
      form->Close();
      return;
    }
  }
  TButton::Click();
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style = (params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& message) {
  switch (message.Msg) {
    case BM_SETSTYLE:
      // The platform would make it a plain push button again; the default look is ours.
      message.WParam = BS_OWNERDRAW;
      break;
    case CN_DRAWITEM:
      // A skinner draws the whole button; the platform's owner-draw calls must not cover it.
      if (Perform(SKINMSG_QUERY) != 1) DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
      message.Result = TRUE;
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      FHot = message.Msg == CM_MOUSEENTER;
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: Invalidate(); break;
    default: break;
  }
  TButton::WndProc(message);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool focused = item.itemState & ODS_FOCUS;
  const bool enabled = !(item.itemState & ODS_DISABLED);
  TBrushHandle face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  FillRect(dc, &r, face.Get());
  if (Default() || focused) {
    TBrushHandle frame(CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME)));
    FrameRect(dc, &r, frame.Get());
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0));
  RECT content = r;
  InflateRect(&content, -1, -1);
  if (pressed) OffsetRect(&content, 1, 1);
  TSelectObject font(dc, Font()->Handle());
  const int number = !enabled ? 2 : pressed ? 3 : 1;
  PaintContent(dc, content, *FGlyph, FNumGlyphs, number, FLayout, FMargin, FSpacing, Caption(), enabled, false);
  if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT f = r;
    InflateRect(&f, -3, -3);
    ::DrawFocusRect(dc, &f);
  }
}

// ---- TSpeedButton ----

const TClassInfo& TSpeedButton::StaticClassInfo() {
  static const TClassInfo info(
      "TSpeedButton", &TGraphicControl::StaticClassInfo(),
      {
          props::Boolean<TSpeedButton>("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp),
          props::Boolean<TSpeedButton>("Down", &TSpeedButton::Down, &TSpeedButton::SetDown),
          props::Boolean<TSpeedButton>("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat),
          props::SubObject<TSpeedButton, TBitmap>("Glyph", &TSpeedButton::Glyph),
          props::Integer<TSpeedButton>("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex),
          props::Enumeration<TSpeedButton, TButtonLayout>("Layout", ButtonLayoutNames(), &TSpeedButton::Layout,
                                                          &TSpeedButton::SetLayout),
          props::Integer<TSpeedButton>("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin),
          props::Integer<TSpeedButton>("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs),
          props::Integer<TSpeedButton>("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing),
      },
      [](TComponent* owner) { return new TSpeedButton(owner); });
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), FGlyph(std::make_unique<TBitmap>()) {
  SetControlStyle(csCaptureMouse | csClickEvents | csSetCaption | csOpaque);
  SetBoundsFields(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, 4);
  if (value == FNumGlyphs) return;
  FNumGlyphs = value;
  Invalidate();
}

void TSpeedButton::SetDown(bool value) {
  if (FGroupIndex == 0) value = false;
  if (value == FDown) return;
  if (FDown && !FAllowAllUp) {
    // The last down button of a group that must keep one down stays down.
    bool otherDown = false;
    if (Parent()) {
      for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        otherDown = otherDown || (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown);
      }
    }
    if (!otherDown) return;
  }
  FDown = value;
  if (value && Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
      if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
        other->FDown = false;
        other->Invalidate();
      }
    }
  }
  Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
  FFlat = value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
  FLayout = value;
  Invalidate();
}

void TSpeedButton::SetMargin(int value) {
  FMargin = std::max(value, -1);
  Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
  FSpacing = std::max(value, -1);
  Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && Enabled()) {
    FPressed = true;
    Invalidate();
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && FPressed) {
    FPressed = false;
    Invalidate();
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::Click() {
  if (!Enabled()) return;
  if (FGroupIndex != 0) {
    if (!FDown) {
      SetDown(true);
    } else if (FAllowAllUp) {
      SetDown(false);
    }
  }
  TGraphicControl::Click();
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      FHot = message.Msg == CM_MOUSEENTER && Enabled();
      if (message.Msg == CM_MOUSELEAVE) FPressed = false;
      Invalidate();
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: Invalidate(); break;
    default: break;
  }
  TGraphicControl::WndProc(message);
}

void TSpeedButton::Paint() {
  const HDC dc = Canvas().Handle();
  if (!dc) return;
  RECT r{0, 0, Width(), Height()};
  TBrushHandle face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  FillRect(dc, &r, face.Get());
  const bool sunken = FPressed || FDown;
  if (sunken) {
    DrawEdge(dc, &r, FFlat ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
  } else if (!FFlat || (FHot && Enabled())) {
    DrawEdge(dc, &r, FFlat ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);
  }
  RECT content = r;
  InflateRect(&content, -1, -1);
  if (sunken) OffsetRect(&content, 1, 1);
  TSelectObject font(dc, Font()->Handle());
  const int number = !Enabled() ? 2 : FDown ? 4 : FPressed ? 3 : 1;
  PaintContent(dc, content, *FGlyph, FNumGlyphs, number, FLayout, FMargin, FSpacing, Caption(), Enabled(), true);
}
