// Glyph placement, glyph drawing and the standard bit button glyphs.
#include "ui/button_glyphs.h"

#include <algorithm>
#include <cctype>

#include "ui/canvas.h"
#include "ui/gdi.h"

namespace {

// The system colours of the embossed disabled look.
COLORREF SysColour(int index) { return GetSysColor(index); }

// Raster operation: brush where the monochrome source is 0, destination elsewhere.
constexpr DWORD kBrushThroughMask = 0x00E20746;

// The transparent colour of the standard glyphs.
constexpr COLORREF kOlive = RGB(128, 128, 0);
constexpr int kKindGlyph = 18;

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  TBrushHandle brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush.Get());
}

// A thick polyline in one colour.
void Lines(HDC dc, std::initializer_list<POINT> points, COLORREF colour, int width) {
  TPenHandle pen(CreatePen(PS_SOLID, width, colour));
  TSelectObject select(dc, pen.Get());
  std::vector<POINT> p(points);
  Polyline(dc, p.data(), static_cast<int>(p.size()));
}

void Ellipse(HDC dc, const RECT& r, COLORREF colour, int width) {
  TPenHandle pen(CreatePen(PS_SOLID, width, colour));
  TSelectObject selectPen(dc, pen.Get());
  TSelectObject selectBrush(dc, GetStockObject(NULL_BRUSH));
  ::Ellipse(dc, r.left, r.top, r.right, r.bottom);
}

void Letter(HDC dc, int x0, wchar_t letter, COLORREF colour) {
  LOGFONTW font{};
  font.lfHeight = -15;
  font.lfWeight = FW_BOLD;
  wcscpy(font.lfFaceName, L"Tahoma");
  TFontHandle handle(CreateFontIndirectW(&font));
  TSelectObject select(dc, handle.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  RECT r{x0, 0, x0 + kKindGlyph, kKindGlyph};
  DrawTextW(dc, &letter, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// One kind's picture in the 18 x 18 cell at x0; grey draws it all in the disabled colour.
void DrawKind(HDC dc, TBitBtnKind kind, int x0, bool grey) {
  const auto c = [&](COLORREF colour) { return grey ? SysColour(COLOR_BTNSHADOW) : colour; };
  const auto P = [&](int x, int y) { return POINT{x0 + x, y}; };
  switch (kind) {
    case TBitBtnKind::bkOK:
    case TBitBtnKind::bkYes: Lines(dc, {P(3, 9), P(7, 13), P(15, 4)}, c(RGB(0, 128, 0)), 3); break;
    case TBitBtnKind::bkAll:
      Lines(dc, {P(1, 9), P(4, 12), P(10, 4)}, c(RGB(0, 128, 0)), 2);
      Lines(dc, {P(6, 11), P(9, 14), P(16, 5)}, c(RGB(0, 128, 0)), 2);
      break;
    case TBitBtnKind::bkCancel:
      Lines(dc, {P(4, 4), P(14, 14)}, c(RGB(192, 0, 0)), 3);
      Lines(dc, {P(14, 4), P(4, 14)}, c(RGB(192, 0, 0)), 3);
      break;
    case TBitBtnKind::bkNo:
      Ellipse(dc, RECT{x0 + 3, 3, x0 + 15, 15}, c(RGB(192, 0, 0)), 2);
      Lines(dc, {P(5, 13), P(13, 5)}, c(RGB(192, 0, 0)), 2);
      break;
    case TBitBtnKind::bkAbort: {
      TBrushHandle brush(CreateSolidBrush(c(RGB(192, 0, 0))));
      TPenHandle pen(CreatePen(PS_SOLID, 1, c(RGB(128, 0, 0))));
      TSelectObject b(dc, brush.Get()), p(dc, pen.Get());
      ::Ellipse(dc, x0 + 3, 3, x0 + 15, 15);
      break;
    }
    case TBitBtnKind::bkRetry:
      Ellipse(dc, RECT{x0 + 3, 3, x0 + 15, 15}, c(RGB(0, 128, 0)), 2);
      Lines(dc, {P(12, 2), P(15, 5), P(11, 6)}, c(RGB(0, 128, 0)), 2);
      break;
    case TBitBtnKind::bkIgnore:
      Lines(dc, {P(3, 9), P(14, 9)}, c(RGB(0, 0, 160)), 2);
      Lines(dc, {P(10, 5), P(14, 9), P(10, 13)}, c(RGB(0, 0, 160)), 2);
      break;
    case TBitBtnKind::bkHelp: Letter(dc, x0, L'?', c(RGB(0, 0, 160))); break;
    case TBitBtnKind::bkClose: {
      // A door ajar.
      Fill(dc, RECT{x0 + 4, 2, x0 + 14, 16}, c(RGB(128, 64, 0)));
      Fill(dc, RECT{x0 + 6, 4, x0 + 12, 16}, c(RGB(255, 255, 160)));
      Fill(dc, RECT{x0 + 9, 9, x0 + 11, 11}, c(RGB(0, 0, 0)));
      break;
    }
    default: break;
  }
}

}  // namespace

const std::vector<std::string>& ButtonLayoutNames() {
  static const std::vector<std::string> names = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
  return names;
}

TButtonLayout ButtonLayoutOfName(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  if (lower == "blglyphright") return TButtonLayout::blGlyphRight;
  if (lower == "blglyphtop") return TButtonLayout::blGlyphTop;
  if (lower == "blglyphbottom") return TButtonLayout::blGlyphBottom;
  return TButtonLayout::blGlyphLeft;
}

RECT GlyphCaptionBounds(SIZE client, SIZE glyph, TButtonLayout layout) {
  RECT b{2, 2, client.cx - 2, client.cy - 2};
  if (layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight)
    b.right -= glyph.cx + 2;
  else
    b.bottom -= glyph.cy + 2;
  return b;
}

TGlyphPlacement PlaceGlyph(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin, int spacing,
                           bool centred, bool speedButton) {
  TGlyphPlacement out;
  const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  POINT g{}, t{};
  if (horizontal) {
    g.y = (client.cy - glyph.cy + 1) / 2;
    t.y = (client.cy - text.cy + 1) / 2;
  } else {
    g.x = (client.cx - glyph.cx + 1) / 2;
    t.x = (client.cx - text.cx + 1) / 2;
  }
  const int k = horizontal ? client.cx : client.cy;
  const int gs = horizontal ? glyph.cx : glyph.cy;
  const int ts = horizontal ? text.cx : text.cy;
  if (text.cx == 0 || glyph.cx == 0) spacing = 0;
  if (margin == -1 || centred) {
    if (spacing == -1) {
      margin = (k - (gs + ts)) / 3;
      spacing = margin;
    } else {
      margin = (k - (gs + spacing + ts)) / 2 + (speedButton ? 1 : 0);
    }
  } else if (spacing == -1) {
    spacing = (k - (margin + gs) - ts) / 2;
  }
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      g.x = margin;
      t.x = margin + glyph.cx + spacing;
      out.TextFlags = DT_WORDBREAK;
      break;
    case TButtonLayout::blGlyphRight:
      g.x = client.cx - margin - glyph.cx;
      t.x = g.x - spacing - text.cx;
      out.TextFlags = DT_WORDBREAK | DT_RIGHT;
      break;
    case TButtonLayout::blGlyphTop:
      g.y = margin;
      t.y = margin + glyph.cy + spacing;
      out.TextFlags = DT_WORDBREAK | DT_CENTER;
      break;
    case TButtonLayout::blGlyphBottom:
      g.y = client.cy - margin - glyph.cy;
      t.y = g.y - spacing - text.cy;
      out.TextFlags = DT_WORDBREAK | DT_CENTER;
      break;
  }
  out.Glyph = g;
  out.Text = RECT{t.x, t.y, t.x + text.cx, t.y + text.cy};
  out.Margin = margin;
  out.Spacing = spacing;
  return out;
}

SIZE GlyphSize(TBitmap& strip, int count) {
  if (strip.Empty()) return SIZE{0, 0};
  return SIZE{strip.Width() / std::max(count, 1), strip.Height()};
}

void DrawGlyph(HDC dc, POINT pos, int count, int number, TBitmap& strip) {
  if (strip.Empty()) return;
  count = std::max(count, 1);
  const int w = strip.Width() / count, h = strip.Height();
  if (w <= 0 || h <= 0) return;
  const bool embossed = number == 2 && count == 1;
  if (count < number) number = 1;
  const HDC source = strip.Canvas().Handle();
  const COLORREF transparent = GetPixel(source, 0, h - 1);
  TBitmap glyph(w, h, TPixelFormat::pf24bit);
  const HDC target = glyph.Canvas().Handle();
  if (embossed) {
    // Embossed: the glyph's shape in highlight one pixel down-right, in shadow over it.
    RECT all{0, 0, w, h};
    Fill(target, all, SysColour(COLOR_BTNFACE));
    TBitmapHandle mask(CreateBitmap(w, h, 1, 1, nullptr));
    TMemoryDC maskDC(dc);
    TSelectObject selectMask(maskDC, mask.Get());
    const COLORREF oldBack = SetBkColor(source, transparent);
    BitBlt(maskDC, 0, 0, w, h, source, 0, 0, SRCCOPY);  // transparent -> 1, glyph -> 0
    SetBkColor(source, oldBack);
    // Mask 0 (glyph) comes through as all ones, so the brush lands on the glyph's pixels.
    SetTextColor(target, RGB(255, 255, 255));
    SetBkColor(target, RGB(0, 0, 0));
    {
      TBrushHandle light(CreateSolidBrush(SysColour(COLOR_BTNHIGHLIGHT)));
      TSelectObject select(target, light.Get());
      BitBlt(target, 1, 1, w - 1, h - 1, maskDC, 0, 0, kBrushThroughMask);
    }
    {
      TBrushHandle shadow(CreateSolidBrush(SysColour(COLOR_BTNSHADOW)));
      TSelectObject select(target, shadow.Get());
      BitBlt(target, 0, 0, w, h, maskDC, 0, 0, kBrushThroughMask);
    }
  } else {
    BitBlt(target, 0, 0, w, h, source, (number - 1) * w, 0, SRCCOPY);
  }
  const COLORREF key = embossed ? GetPixel(target, 0, h - 1) : transparent;
  RECT at{pos.x, pos.y, pos.x + w, pos.y + h};
  TBitmapHandle mask(CreateBitmap(w, h, 1, 1, nullptr));
  TMemoryDC maskDC(dc);
  TSelectObject selectMask(maskDC, mask.Get());
  const COLORREF oldBack = SetBkColor(target, key);
  BitBlt(maskDC, 0, 0, w, h, target, 0, 0, SRCCOPY);  // key -> 1
  SetBkColor(target, oldBack);
  // Black out the key pixels of the glyph, clear the glyph's place on the target, then merge.
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
  SetTextColor(target, RGB(0, 0, 0));
  SetBkColor(target, RGB(255, 255, 255));
  BitBlt(target, 0, 0, w, h, maskDC, 0, 0, 0x00220326);  // DSna: glyph AND NOT mask
  BitBlt(dc, at.left, at.top, w, h, maskDC, 0, 0, SRCAND);
  BitBlt(dc, at.left, at.top, w, h, target, 0, 0, SRCPAINT);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBk);
}

const std::vector<std::string>& BitBtnKindNames() {
  static const std::vector<std::string> names = {"bkCustom", "bkOK",    "bkCancel", "bkHelp",   "bkYes", "bkNo",
                                                 "bkClose",  "bkAbort", "bkRetry",  "bkIgnore", "bkAll"};
  return names;
}

std::wstring BitBtnKindCaption(TBitBtnKind kind) {
  static const wchar_t* const captions[] = {L"",       L"OK",     L"Cancel", L"&Help",   L"&Yes", L"&No",
                                            L"&Close", L"Abort",  L"&Retry", L"&Ignore", L"&All"};
  return captions[static_cast<int>(kind)];
}

int BitBtnKindModalResult(TBitBtnKind kind) {
  // mrOk 1, mrCancel 2, mrAbort 3, mrRetry 4, mrIgnore 5, mrYes 6, mrNo 7, mrAll 8.
  static const int results[] = {0, 1, 2, 0, 6, 7, 0, 3, 4, 5, 8};
  return results[static_cast<int>(kind)];
}

void MakeBitBtnKindGlyph(TBitBtnKind kind, TBitmap& glyph) {
  if (kind == TBitBtnKind::bkCustom) return;
  glyph.SetPixelFormat(TPixelFormat::pf24bit);
  glyph.SetSize(2 * kKindGlyph, kKindGlyph);
  const HDC dc = glyph.Canvas().Handle();
  Fill(dc, RECT{0, 0, 2 * kKindGlyph, kKindGlyph}, kOlive);
  DrawKind(dc, kind, 0, false);
  DrawKind(dc, kind, kKindGlyph, true);
}
