// TCanvas: drawing on a device context with the canvas's font, brush and pen.
#pragma once

#include <string_view>
#include <vector>

#include "ui/graphics.h"

class TBitmap;

class TCanvas : public TPersistent {
  CORVANA_CLASS(TCanvas)

public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The device context; canvases that make their own (a control's, a bitmap's) do so here.
  HDC Handle();
  // Lends the canvas a DC (or takes it back with null); the tools selected into the old DC
  // are deselected first.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont& Font() { return FFont; }
  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }

  void Lock() { ++FLockCount; }
  void Unlock() { --FLockCount; }
  int LockCount() const { return FLockCount; }

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Rectangle(const RECT& rect);
  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void RoundRect(const RECT& rect, int cornerWidth, int cornerHeight);
  void Ellipse(const RECT& rect);
  void Polygon(const std::vector<POINT>& points);
  void Polyline(const std::vector<POINT>& points);
  void DrawFocusRect(const RECT& rect);

  void TextOut(int x, int y, std::wstring_view text);
  void TextRect(const RECT& rect, int x, int y, std::wstring_view text);
  SIZE TextExtent(std::wstring_view text);
  int TextWidth(std::wstring_view text) { return TextExtent(text).cx; }
  int TextHeight(std::wstring_view text) { return TextExtent(text).cy; }
  // DrawTextW with the canvas's font; rect is updated for DT_CALCRECT.
  int DrawText(std::wstring_view text, RECT& rect, UINT format);

  // Bitmaps: drawn with their transparent colour when Transparent is set.
  void Draw(int x, int y, TBitmap& bitmap);
  void StretchDraw(const RECT& rect, TBitmap& bitmap);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);

  COLORREF Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  DWORD CopyMode = SRCCOPY;
  TNotifyEvent OnChange;

protected:
  // Called when a DC is needed and none is set.
  virtual void CreateHandle() {}
  // Puts the tools into the DC before drawing.
  enum Tool : unsigned { kFont = 1, kBrush = 2, kPen = 4 };
  void RequiredState(unsigned tools);
  void DeselectTools();

private:
  HDC FHandle = nullptr;
  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  HGDIOBJ FOldFont = nullptr, FOldBrush = nullptr, FOldPen = nullptr;
  int FLockCount = 0;
};
