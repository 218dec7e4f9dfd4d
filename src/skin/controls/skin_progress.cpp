// TSkinProgress: the track, the filled bar or its chunks, turned upright for vertical bars.
#include "skin/controls/skin_progress.h"

#include <algorithm>

#include "skin/file/imgutil.h"
#include "skin/model/skin_draw.h"
#include "ui/bitmap.h"
#include "ui/gdi.h"

namespace {

// The chunk strip is drawn this far in from the track's edge.
constexpr int kChunkInset = 2;

}  // namespace

int ProgressFill(int span, int position, int low, int high) {
  if (high <= 0 || position <= 0 || high <= low) return 0;
  return std::clamp(MulDiv(span, position - low, high - low), 0, span);
}

const TClassInfo& TSkinProgress::StaticClassInfo() {
  static const TClassInfo info("TSkinProgress", &TSkinControl::StaticClassInfo(), {});
  return info;
}

bool TSkinProgress::SkinnedLook() const {
  if (!SkinData || !SkinData->Progress || !SkinData->Progress->HasImage()) return false;
  // A chunk style without a chunk would show no bar at all: the platform draws it instead.
  return SkinData->Progress->Style == 0 || (SkinData->ProgressChunk && SkinData->ProgressChunk->HasImage());
}

bool TSkinProgress::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      if (!SkinnedLook() || !Handle) return TSkinControl::BeforeMessage(message);
      RECT r{};
      GetClientRect(Handle, &r);
      if (message.WParam) {
        PaintSkin(reinterpret_cast<HDC>(message.WParam), r);
      } else {
        TPaintDC paint(Handle);
        PaintSkin(paint, r);
      }
      message.Result = 0;
      return false;
    }
    case WM_ERASEBKGND:
      if (!SkinnedLook()) return TSkinControl::BeforeMessage(message);
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinProgress::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinnedLook() || !Handle) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const bool vertical = GetWindowLongW(Handle, GWL_STYLE) & PBS_VERTICAL;
  // A vertical bar is composed lying down and turned upright at the end.
  const RECT r = vertical ? RECT{0, 0, height, width} : RECT{0, 0, width, height};
  TBitmap work(r.right, r.bottom, TPixelFormat::pf24bit);
  const HDC workDC = work.Canvas().Handle();
  FillFace(workDC, r);
  const int pos = static_cast<int>(SendMessageW(Handle, PBM_GETPOS, 0, 0));
  const int low = static_cast<int>(SendMessageW(Handle, PBM_GETRANGE, TRUE, 0));
  const int high = static_cast<int>(SendMessageW(Handle, PBM_GETRANGE, FALSE, 0));
  if (SkinData->Progress->Style == 0)
    PaintBarStyle(workDC, r, pos, low, high);
  else
    PaintChunkStyle(workDC, rect, r, pos, high);
  if (vertical) RotateLeft(work);
  BitBlt(dc, rect.left, rect.top, width, height, work.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinProgress::PaintBarStyle(HDC work, const RECT& r, int pos, int low, int high) {
  TDataSkinBorder& progress = *SkinData->Progress;
  DrawSkinFrame(work, r, progress.Image, progress.Margins(), progress.Tile, kProgressFramesBar, kProgressTrackFrame,
                true);
  const int fill = ProgressFill(r.right - r.left, pos, low, high);
  if (fill <= 0) return;
  const RECT bar{r.left, r.top, r.left + fill, r.bottom};
  DrawSkinFrame(work, bar, progress.Image, progress.Margins(), progress.Tile, kProgressFramesBar, kProgressBarFrame,
                true);
}

void TSkinProgress::PaintChunkStyle(HDC work, const RECT& rect, const RECT& r, int pos, int high) {
  TDataSkinBorder& progress = *SkinData->Progress;
  TDataSkinObject& chunk = *SkinData->ProgressChunk;
  DrawSkinFrame(work, r, progress.Image, progress.Margins(), 0, kProgressFramesChunk, 1, true);
  // The low limit plays no part in this style.
  const int fill = ProgressFill(r.right - r.left, pos, 0, high);
  if (fill <= 0) return;
  const int w = chunk.Image.Width(), h = chunk.Image.Height();
  const HDC chunkDC = chunk.Image.Canvas().Handle();
  if (chunk.Tile == 1) {
    TBitmap strip(fill, h, TPixelFormat::pf24bit);
    const HDC stripDC = strip.Canvas().Handle();
    for (int x = 0; x <= fill; x += w) BitBlt(stripDC, x, 0, w, h, chunkDC, 0, 0, SRCCOPY);
    const int x = chunk.LeftWidth + kChunkInset;
    const int y = rect.top + (r.bottom - h) / 2;
    MaskBlit(work, RECT{x, y, x + fill, y + h}, strip, kMagenta);
    return;
  }
  const int piecesHeight = r.bottom - 2 * kChunkInset;
  if (piecesHeight <= 0) return;
  TBitmap pieces(r.left + fill, piecesHeight, TPixelFormat::pf24bit);
  const HDC piecesDC = pieces.Canvas().Handle();
  FillColor(piecesDC, RECT{0, 0, r.left + fill, piecesHeight}, kMagenta);
  SetStretchBltMode(piecesDC, COLORONCOLOR);
  const int left = chunk.LeftWidth, right = chunk.RightWidth;
  // Caps as wide as the chunk itself leave no middle to stretch: the chunk is stretched whole.
  if (fill < w || fill < left + right || left + right >= w || left < 0 || right < 0) {
    StretchBlt(piecesDC, r.left, 0, fill, piecesHeight, chunkDC, 0, 0, w, h, SRCCOPY);
  } else {
    StretchBlt(piecesDC, r.left, 0, left, piecesHeight, chunkDC, 0, 0, left, h, SRCCOPY);
    StretchBlt(piecesDC, r.left + left, 0, fill - left - right, piecesHeight, chunkDC, left, 0, w - left - right, h,
               SRCCOPY);
    StretchBlt(piecesDC, r.left + fill - right, 0, right, piecesHeight, chunkDC, w - right, 0, right, h, SRCCOPY);
  }
  MaskBlit(work, RECT{kChunkInset, kChunkInset, kChunkInset + r.left + fill, kChunkInset + piecesHeight}, pieces,
           kMagenta);
}
