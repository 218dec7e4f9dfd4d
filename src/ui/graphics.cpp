// Colours, fonts, brushes and pens.
#include "ui/graphics.h"

#include <algorithm>
#include <cwchar>

#include "ui/dpi.h"

long& OwnedGdiObjects() {
  static long count = 0;
  return count;
}

long& HandedOverGdiObjects() {
  static long count = 0;
  return count;
}

COLORREF ColorToRGB(TColor color) {
  if (color < 0) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color) & 0xFFFFFF;
}

const TClassInfo& TGraphicsObject::StaticClassInfo() {
  static const TClassInfo info("TGraphicsObject", &TPersistent::StaticClassInfo(), {});
  return info;
}

void TGraphicsObject::Changing() {
  if (OnChanging) OnChanging(this);
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info(
      "TFont", &TGraphicsObject::StaticClassInfo(),
      {
          props::Integer<TFont>("Charset", &TFont::Charset, &TFont::SetCharset),
          props::Integer<TFont>("Color", &TFont::Color, &TFont::SetColor),
          props::Integer<TFont>("Height", &TFont::Height, &TFont::SetHeight),
          props::Wide<TFont>("Name", &TFont::Name, &TFont::SetName),
          props::Enumeration<TFont, TFontPitch>("Pitch", {"fpDefault", "fpVariable", "fpFixed"}, &TFont::Pitch,
                                                &TFont::SetPitch),
          props::Integer<TFont>("Size", &TFont::Size, &TFont::SetSize),
          props::Set<TFont>("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, &TFont::Style,
                            &TFont::SetStyle),
      });
  return info;
}

TFont::TFont() = default;

void TFont::SetName(const std::wstring& name) {
  if (name == FName || name.empty()) return;
  Changing();
  FHandle.Reset();
  FName = name.substr(0, LF_FACESIZE - 1);
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == FHeight) return;
  Changing();
  FHandle.Reset();
  FHeight = height;
  FSetHeight = height;
  FSetDpi = FPixelsPerInch;
  Changed();
}

int TFont::Size() const {
  return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int points) {
  SetHeight(-MulDiv(points, FPixelsPerInch, 72));
}

void TFont::ScaleTo(int dpi) {
  if (dpi <= 0 || dpi == FPixelsPerInch) return;
  Changing();
  FHandle.Reset();
  FPixelsPerInch = dpi;
  FHeight = RescaleDpi(FSetHeight, FSetDpi, dpi);
  Changed();
}

void TFont::SetStyle(std::uint32_t style) {
  if (style == FStyle) return;
  Changing();
  FHandle.Reset();
  FStyle = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;  // the colour is not part of the handle
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == FCharset) return;
  Changing();
  FHandle.Reset();
  FCharset = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == FPitch) return;
  Changing();
  FHandle.Reset();
  FPitch = pitch;
  Changed();
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = FHeight;
  lf.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (FStyle & fsItalic) ? 1 : 0;
  lf.lfUnderline = (FStyle & fsUnderline) ? 1 : 0;
  lf.lfStrikeOut = (FStyle & fsStrikeOut) ? 1 : 0;
  lf.lfCharSet = static_cast<BYTE>(FCharset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = FPitch == TFontPitch::fpFixed      ? FIXED_PITCH
                        : FPitch == TFontPitch::fpVariable ? VARIABLE_PITCH
                                                           : DEFAULT_PITCH;
  wcsncpy(lf.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
  return lf;
}

HFONT TFont::Handle() {
  if (!FHandle) {
    const LOGFONTW lf = LogFont();
    FHandle.Reset(CreateFontIndirectW(&lf));
  }
  return FHandle.Get();
}

void TFont::SetLogFont(const LOGFONTW& lf) {
  Changing();
  FHandle.Reset();
  FName = lf.lfFaceName;
  FHeight = lf.lfHeight;
  FSetHeight = lf.lfHeight;
  FSetDpi = FPixelsPerInch;
  FStyle = (lf.lfWeight >= FW_BOLD ? std::uint32_t{fsBold} : 0u) | (lf.lfItalic ? std::uint32_t{fsItalic} : 0u) |
           (lf.lfUnderline ? std::uint32_t{fsUnderline} : 0u) | (lf.lfStrikeOut ? std::uint32_t{fsStrikeOut} : 0u);
  FCharset = lf.lfCharSet;
  FPitch = (lf.lfPitchAndFamily & 3) == FIXED_PITCH      ? TFontPitch::fpFixed
           : (lf.lfPitchAndFamily & 3) == VARIABLE_PITCH ? TFontPitch::fpVariable
                                                         : TFontPitch::fpDefault;
  Changed();
}

void TFont::SetHandle(HFONT font) {
  LOGFONTW lf{};
  if (font && GetObjectW(font, sizeof lf, &lf)) SetLogFont(lf);
}

bool TFont::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TFont*>(&source);
  if (!other) return false;
  if (other == this) return true;
  Changing();
  FHandle.Reset();
  FName = other->FName;
  FHeight = other->FHeight;
  FPixelsPerInch = other->FPixelsPerInch;
  FSetHeight = other->FSetHeight;
  FSetDpi = other->FSetDpi;
  FStyle = other->FStyle;
  FColor = other->FColor;
  FCharset = other->FCharset;
  FPitch = other->FPitch;
  Changed();
  return true;
}

const TClassInfo& TBrush::StaticClassInfo() {
  static const TClassInfo info("TBrush", &TGraphicsObject::StaticClassInfo(),
                               {
                                   props::Integer<TBrush>("Color", &TBrush::Color, &TBrush::SetColor),
                                   props::Enumeration<TBrush, TBrushStyle>(
                                       "Style",
                                       {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                        "bsBDiagonal", "bsCross", "bsDiagCross"},
                                       &TBrush::Style, &TBrush::SetStyle),
                               });
  return info;
}

void TBrush::SetColor(TColor color) {
  if (color == FColor) return;
  Changing();
  FHandle.Reset();
  FColor = color;
  if (FStyle == TBrushStyle::bsClear) FStyle = TBrushStyle::bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == FStyle) return;
  Changing();
  FHandle.Reset();
  FStyle = style;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (!FHandle) {
    LOGBRUSH lb{};
    lb.lbColor = ColorToRGB(FColor);
    switch (FStyle) {
      case TBrushStyle::bsSolid: lb.lbStyle = BS_SOLID; break;
      case TBrushStyle::bsClear: lb.lbStyle = BS_HOLLOW; break;
      default:
        lb.lbStyle = BS_HATCHED;
        lb.lbHatch = static_cast<ULONG_PTR>(static_cast<int>(FStyle) - 2);
        break;
    }
    FHandle.Reset(CreateBrushIndirect(&lb));
  }
  return FHandle.Get();
}

bool TBrush::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TBrush*>(&source);
  if (!other) return false;
  Changing();
  FHandle.Reset();
  FColor = other->FColor;
  FStyle = other->FStyle;
  Changed();
  return true;
}

const TClassInfo& TPen::StaticClassInfo() {
  static const TClassInfo info(
      "TPen", &TGraphicsObject::StaticClassInfo(),
      {
          props::Integer<TPen>("Color", &TPen::Color, &TPen::SetColor),
          props::Enumeration<TPen, TPenStyle>(
              "Style", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"},
              &TPen::Style, &TPen::SetStyle),
          props::Integer<TPen>("Width", &TPen::Width, &TPen::SetWidth),
      });
  return info;
}

void TPen::SetColor(TColor color) {
  if (color == FColor) return;
  Changing();
  FHandle.Reset();
  FColor = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width == FWidth) return;
  Changing();
  FHandle.Reset();
  FWidth = std::max(width, 0);
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == FStyle) return;
  Changing();
  FHandle.Reset();
  FStyle = style;
  Changed();
}

HPEN TPen::Handle() {
  if (!FHandle) {
    static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    FHandle.Reset(CreatePen(kStyles[static_cast<int>(FStyle)], FWidth, ColorToRGB(FColor)));
  }
  return FHandle.Get();
}

bool TPen::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TPen*>(&source);
  if (!other) return false;
  Changing();
  FHandle.Reset();
  FColor = other->FColor;
  FWidth = other->FWidth;
  FStyle = other->FStyle;
  Changed();
  return true;
}
