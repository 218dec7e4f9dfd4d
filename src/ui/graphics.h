// Colours and the drawing tools of a canvas: TFont, TBrush and TPen.
#pragma once

#include <cstdint>
#include <string>

#include "base/win32.h"
#include "ui/gdi.h"
#include "ui/persistent.h"

// 0x00BBGGRR for a plain colour; 0xFF0000nn for system colour nn; clNone for none.
using TColor = std::int32_t;

inline constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clScrollBar = SystemColor(COLOR_SCROLLBAR);
inline constexpr TColor clMenu = SystemColor(COLOR_MENU);
inline constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
inline constexpr TColor clMenuText = SystemColor(COLOR_MENUTEXT);
inline constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr TColor clCaptionText = SystemColor(COLOR_CAPTIONTEXT);
inline constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
inline constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
inline constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
inline constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
inline constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
inline constexpr TColor clInactiveCaptionText = SystemColor(COLOR_INACTIVECAPTIONTEXT);
inline constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
inline constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
inline constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
inline constexpr TColor clInfoText = SystemColor(COLOR_INFOTEXT);
inline constexpr TColor clInfoBk = SystemColor(COLOR_INFOBK);

// A plain COLORREF for any colour (system colours resolved now).
COLORREF ColorToRGB(TColor color);

// The base of font, brush and pen: a lazily made GDI handle and change notifications.
class TGraphicsObject : public TPersistent {
  CORVANA_CLASS(TGraphicsObject)

public:
  // Before the handle is released (canvases deselect it), and after a change.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

protected:
  void Changing();
  void Changed();
};

enum TFontStyle : std::uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
enum class TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TGraphicsObject {
  CORVANA_CLASS(TFont)

public:
  TFont();

  std::wstring Name() const { return FName; }
  void SetName(const std::wstring& name);
  // Negative: character height in pixels; positive: cell height. Pixels at PixelsPerInch.
  int Height() const { return FHeight; }
  void SetHeight(int height);
  // Points at PixelsPerInch.
  int Size() const;
  void SetSize(int points);
  // The scale the height is in: 96 until the font's control is scaled.
  int PixelsPerInch() const { return FPixelsPerInch; }
  // Takes the height to another scale. It is worked out from the height last set (and the
  // scale it was set at), so scaling there and back gives exactly the height set.
  void ScaleTo(int dpi);
  std::uint32_t Style() const { return FStyle; }
  void SetStyle(std::uint32_t style);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  int Charset() const { return FCharset; }
  void SetCharset(int charset);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch pitch);

  HFONT Handle();
  // Takes the values of an existing font (for example the platform's caption font).
  void SetHandle(HFONT font);
  void SetLogFont(const LOGFONTW& font);
  LOGFONTW LogFont() const;
  bool Assign(const TPersistent& source) override;

private:
  std::wstring FName = L"Tahoma";
  int FHeight = -11;
  int FPixelsPerInch = 96;
  int FSetHeight = -11;
  int FSetDpi = 96;
  std::uint32_t FStyle = 0;
  TColor FColor = clWindowText;
  int FCharset = DEFAULT_CHARSET;
  TFontPitch FPitch = TFontPitch::fpDefault;
  TFontHandle FHandle;
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
  CORVANA_CLASS(TBrush)

public:
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style);
  HBRUSH Handle();
  bool Assign(const TPersistent& source) override;

private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  TBrushHandle FHandle;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
  CORVANA_CLASS(TPen)

public:
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  int Width() const { return FWidth; }
  void SetWidth(int width);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style);
  HPEN Handle();
  bool Assign(const TPersistent& source) override;

private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = TPenStyle::psSolid;
  TPenHandle FHandle;
};
