// Nine-slice rendering of skin frames and their opaque or keyed drawing.
#include "skin/model/skin_draw.h"

#include "skin/file/imgutil.h"
#include "ui/gdi.h"

namespace {

// Copies a source piece to a destination piece; empty or inverted pieces copy nothing
// (a negative size would mirror the picture).
void Piece(HDC target, int dx, int dy, int dw, int dh, HDC source, int sx, int sy, int sw, int sh) {
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  StretchBlt(target, dx, dy, dw, dh, source, sx, sy, sw, sh, SRCCOPY);
}

}  // namespace

std::unique_ptr<TBitmap> RenderSkinFrame(int width, int height, TBitmap& image, const RECT& margins, bool vertical,
                                         int tile, int frameCount, int frameIndex) {
  auto result = std::make_unique<TBitmap>();
  if (width <= 0 || height <= 0 || image.Empty() || frameCount < 1 || frameIndex < 1 || frameIndex > frameCount)
    return result;
  const int fw = vertical ? image.Width() : image.Width() / frameCount;
  const int fh = vertical ? image.Height() / frameCount : image.Height();
  if (fw <= 0 || fh <= 0) return result;
  const int sx = vertical ? 0 : (frameIndex - 1) * fw;
  const int sy = vertical ? (frameIndex - 1) * fh : 0;

  int l = margins.left, t = margins.top, r = margins.right, b = margins.bottom;
  if (width < l + r) l = r = 0;
  if (height < t + b) t = b = 0;

  result = std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
  const HDC dc = result->Canvas().Handle();
  const HDC src = image.Canvas().Handle();
  SetStretchBltMode(dc, COLORONCOLOR);
  const int cw = width - l - r, ch = height - t - b;  // centre of the target
  const int scw = fw - l - r, sch = fh - t - b;       // centre of the frame
  Piece(dc, 0, 0, l, t, src, sx, sy, l, t);
  Piece(dc, 0, height - b, l, b, src, sx, sy + fh - b, l, b);
  Piece(dc, width - r, 0, r, t, src, sx + fw - r, sy, r, t);
  Piece(dc, 0, t, l, ch, src, sx, sy + t, l, sch);
  Piece(dc, l, 0, cw, t, src, sx + l, sy, scw, t);
  if (tile) {
    if (scw > 0 && sch > 0 && cw > 0 && ch > 0) {
      TBitmap piece(scw, sch, TPixelFormat::pf24bit);
      BitBlt(piece.Canvas().Handle(), 0, 0, scw, sch, src, sx + l, sy + t, SRCCOPY);
      const HDC pieceDC = piece.Canvas().Handle();
      for (int y = t; y < t + ch; y += sch)
        for (int x = l; x < l + cw; x += scw) BitBlt(dc, x, y, scw, sch, pieceDC, 0, 0, SRCCOPY);
    }
  } else {
    Piece(dc, l, t, cw, ch, src, sx + l, sy + t, scw, sch);
  }
  Piece(dc, width - r, height - b, r, b, src, sx + fw - r, sy + fh - b, r, b);
  Piece(dc, width - r, t, r, ch, src, sx + fw - r, sy + t, r, sch);
  Piece(dc, l, height - b, cw, b, src, sx + l, sy + fh - b, scw, b);
  return result;
}

void DrawKeyed(HDC dc, const RECT& rect, TBitmap& bitmap, TColor key) {
  if (bitmap.Empty()) return;
  TransparentBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bitmap.Canvas().Handle(), 0,
                 0, bitmap.Width(), bitmap.Height(), ColorToRGB(key));
}

void DrawSkinFrame(HDC dc, const RECT& rect, TBitmap& image, const RECT& margins, int tile, int frameCount,
                   int frameIndex, bool transparent) {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  auto frame = RenderSkinFrame(w, h, image, margins, false, tile, frameCount, frameIndex);
  if (frame->Empty()) return;
  if (transparent)
    DrawKeyed(dc, rect, *frame, kSkinKeyColour);
  else
    BitBlt(dc, rect.left, rect.top, w, h, frame->Canvas().Handle(), 0, 0, SRCCOPY);
}

void DrawSkinObject(HDC dc, const RECT& rect, int frameCount, int frameIndex, TDataSkinObject& object) {
  DrawSkinFrame(dc, rect, object.Image, object.Margins(), object.Tile, frameCount, frameIndex, object.Trans == 1);
}
