// TCanvas drawing operations.
#include "ui/canvas.h"

#include "ui/bitmap.h"

const TClassInfo& TCanvas::StaticClassInfo() {
  static const TClassInfo info("TCanvas", &TPersistent::StaticClassInfo(), {});
  return info;
}

TCanvas::TCanvas() {
  // A tool about to release its handle must first leave the DC.
  auto deselect = [this](TObject*) { DeselectTools(); };
  FFont.OnChanging = deselect;
  FBrush.OnChanging = deselect;
  FPen.OnChanging = deselect;
  FFont.SetColor(clBlack);
  FFont.OnChange = [this](TObject*) {
    if (FHandle) SetTextColor(FHandle, ColorToRGB(FFont.Color()));
  };
}

TCanvas::~TCanvas() { DeselectTools(); }

HDC TCanvas::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == FHandle) return;
  DeselectTools();
  FHandle = dc;
}

void TCanvas::DeselectTools() {
  if (!FHandle) return;
  if (FOldFont) SelectObject(FHandle, FOldFont);
  if (FOldBrush) SelectObject(FHandle, FOldBrush);
  if (FOldPen) SelectObject(FHandle, FOldPen);
  FOldFont = FOldBrush = FOldPen = nullptr;
}

void TCanvas::RequiredState(unsigned tools) {
  const HDC dc = Handle();
  if (!dc) return;
  if ((tools & kFont) && !FOldFont) {
    FOldFont = SelectObject(dc, FFont.Handle());
    SetTextColor(dc, ColorToRGB(FFont.Color()));
  }
  if (tools & kBrush) {
    if (!FOldBrush) FOldBrush = SelectObject(dc, FBrush.Handle());
    // Text is drawn on the brush colour, or over the background for a clear brush.
    if (FBrush.Style() == TBrushStyle::bsClear) {
      SetBkMode(dc, TRANSPARENT);
    } else {
      SetBkColor(dc, ColorToRGB(FBrush.Color()));
      SetBkMode(dc, OPAQUE);
    }
  }
  if ((tools & kPen) && !FOldPen) FOldPen = SelectObject(dc, FPen.Handle());
}

void TCanvas::MoveTo(int x, int y) {
  RequiredState(kPen);
  MoveToEx(Handle(), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  RequiredState(kPen | kBrush);
  ::LineTo(Handle(), x, y);
}

void TCanvas::Rectangle(const RECT& r) {
  RequiredState(kPen | kBrush);
  ::Rectangle(Handle(), r.left, r.top, r.right, r.bottom);
}

void TCanvas::FillRect(const RECT& r) {
  RequiredState(kBrush);
  ::FillRect(Handle(), &r, FBrush.Handle());
}

void TCanvas::FrameRect(const RECT& r) {
  RequiredState(kBrush);
  ::FrameRect(Handle(), &r, FBrush.Handle());
}

void TCanvas::RoundRect(const RECT& r, int w, int h) {
  RequiredState(kPen | kBrush);
  ::RoundRect(Handle(), r.left, r.top, r.right, r.bottom, w, h);
}

void TCanvas::Ellipse(const RECT& r) {
  RequiredState(kPen | kBrush);
  ::Ellipse(Handle(), r.left, r.top, r.right, r.bottom);
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
  if (points.empty()) return;
  RequiredState(kPen | kBrush);
  ::Polygon(Handle(), points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polyline(const std::vector<POINT>& points) {
  if (points.empty()) return;
  RequiredState(kPen);
  ::Polyline(Handle(), points.data(), static_cast<int>(points.size()));
}

void TCanvas::DrawFocusRect(const RECT& r) {
  RequiredState(kBrush);
  ::DrawFocusRect(Handle(), &r);
}

void TCanvas::TextOut(int x, int y, std::wstring_view text) {
  RequiredState(kFont | kBrush);
  ExtTextOutW(Handle(), x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::TextRect(const RECT& r, int x, int y, std::wstring_view text) {
  RequiredState(kFont | kBrush);
  UINT options = ETO_CLIPPED;
  if (FBrush.Style() != TBrushStyle::bsClear) options |= ETO_OPAQUE;
  ExtTextOutW(Handle(), x, y, options, &r, text.data(), static_cast<UINT>(text.size()), nullptr);
}

SIZE TCanvas::TextExtent(std::wstring_view text) {
  RequiredState(kFont);
  SIZE size{};
  GetTextExtentPoint32W(Handle(), text.data(), static_cast<int>(text.size()), &size);
  return size;
}

int TCanvas::DrawText(std::wstring_view text, RECT& r, UINT format) {
  RequiredState(kFont | kBrush);
  return ::DrawTextW(Handle(), text.data(), static_cast<int>(text.size()), &r, format);
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  StretchDraw(RECT{x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void TCanvas::StretchDraw(const RECT& r, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const HDC dc = Handle();
  const HDC source = bitmap.Canvas().Handle();
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (bitmap.Transparent()) {
    TransparentBlt(dc, r.left, r.top, w, h, source, 0, 0, bitmap.Width(), bitmap.Height(),
                   ColorToRGB(bitmap.EffectiveTransparentColor()));
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, r.left, r.top, w, h, source, 0, 0, bitmap.Width(), bitmap.Height(), CopyMode);
  }
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& s) {
  const HDC dc = Handle();
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Handle(), s.left,
             s.top, s.right - s.left, s.bottom - s.top, CopyMode);
}

COLORREF TCanvas::Pixel(int x, int y) { return GetPixel(Handle(), x, y); }

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(Handle(), x, y, ColorToRGB(color)); }
