// Bitmap colour utilities over TBitmap scan lines and device contexts.
#include "skin/file/imgutil.h"

#include <cstring>
#include <utility>
#include <vector>

#include "ui/gdi.h"

namespace {

TColor Resolve(TColor colour) {
  return colour < 0 ? static_cast<TColor>(ColorToRGB(colour)) : colour;
}

// The picture as 32-bit pixels, rows from the top. The conversion goes through the platform's
// DIB copy on a fresh bitmap (the platform wants the source out of every DC).
std::vector<std::uint32_t> Pixels32(const TBitmap& bitmap) {
  TBitmap copy;
  copy.Assign(bitmap);
  copy.SetPixelFormat(TPixelFormat::pf32bit);
  const int w = copy.Width(), h = copy.Height();
  std::vector<std::uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y)
    std::memcpy(pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(w), copy.ScanLine(y),
                static_cast<size_t>(w) * 4);
  return pixels;
}

// Turns the picture by a quarter: source gives, for a pixel (x, y) of the new picture (y from
// the top), the old pixel's column and row from the top.
template <class Source>
void Rotate(TBitmap& bitmap, Source source) {
  if (bitmap.Empty()) return;
  const int w = bitmap.Width(), h = bitmap.Height();
  const std::vector<std::uint32_t> old = Pixels32(bitmap);
  TBitmap turned(h, w, TPixelFormat::pf24bit);
  for (int y = 0; y < w; ++y) {
    std::uint8_t* row = turned.ScanLine(y);
    for (int x = 0; x < h; ++x) {
      const auto [ox, oy] = source(x, y, w, h);
      const std::uint32_t p = old[static_cast<size_t>(oy) * static_cast<size_t>(w) + static_cast<size_t>(ox)];
      row[x * 3] = static_cast<std::uint8_t>(p);
      row[x * 3 + 1] = static_cast<std::uint8_t>(p >> 8);
      row[x * 3 + 2] = static_cast<std::uint8_t>(p >> 16);
    }
  }
  const bool transparent = bitmap.Transparent();
  const TColor key = bitmap.TransparentColor();
  bitmap.Assign(turned);
  bitmap.SetTransparentColor(key);
  bitmap.SetTransparent(transparent);
}

}  // namespace

void ReplaceKeyColour(TBitmap& bitmap, TColor colour) {
  if (bitmap.Empty()) return;
  if (bitmap.PixelFormat() != TPixelFormat::pf24bit) bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  const TColor rgb = Resolve(colour);
  const auto r = static_cast<std::uint8_t>(RedOf(rgb)), g = static_cast<std::uint8_t>(GreenOf(rgb)),
             b = static_cast<std::uint8_t>(BlueOf(rgb));
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      std::uint8_t* p = row + x * 3;
      if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
      }
    }
  }
}

void MirrorHorizontal(TBitmap& bitmap) {
  if (bitmap.Empty() || bitmap.PixelFormat() != TPixelFormat::pf24bit) return;
  const int w = bitmap.Width();
  std::vector<std::uint8_t> copy(static_cast<size_t>(w) * 3);
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    std::memcpy(copy.data(), row, copy.size());
    for (int x = 0; x < w; ++x) std::memcpy(row + x * 3, copy.data() + (w - 1 - x) * 3, 3);
  }
}

void FlipVertical(TBitmap& bitmap) {
  if (bitmap.Empty() || bitmap.PixelFormat() != TPixelFormat::pf24bit) return;
  const size_t bytes = static_cast<size_t>(bitmap.Width()) * 3;
  std::vector<std::uint8_t> swap(bytes);
  for (int y = 0, z = bitmap.Height() - 1; y < z; ++y, --z) {
    std::uint8_t* a = bitmap.ScanLine(y);
    std::uint8_t* b = bitmap.ScanLine(z);
    std::memcpy(swap.data(), a, bytes);
    std::memcpy(a, b, bytes);
    std::memcpy(b, swap.data(), bytes);
  }
}

void RotateLeft(TBitmap& bitmap) {
  // New (x, y) = old (W - 1 - y, x): the old top edge becomes the left edge.
  Rotate(bitmap, [](int x, int y, int w, int) { return std::pair{w - 1 - y, x}; });
}

void RotateRight(TBitmap& bitmap) {
  // New (x, y) = old (y, H - 1 - x): the old left edge becomes the top edge.
  Rotate(bitmap, [](int x, int y, int, int h) { return std::pair{y, h - 1 - x}; });
}

TColor BlendColours(TColor c1, TColor c2, int weight) {
  return BlendRgb(Resolve(c1), Resolve(c2), weight);
}

void GradientFill(HDC dc, const RECT& rect, TColor start, TColor end, bool vertical) {
  if (!RectVisible(dc, &rect)) return;
  const TColor c1 = Resolve(start), c2 = Resolve(end);
  RECT clip{};
  GetClipBox(dc, &clip);
  const TGradientLines lines = vertical ? GradientLinesInClip(rect.top, rect.bottom, clip.top, clip.bottom)
                                        : GradientLinesInClip(rect.left, rect.right, clip.left, clip.right);
  if (lines.Count <= 0) return;
  const std::vector<std::int32_t>& ramp = GradientRamp(GetGradient(lines.Count, c1, c2));
  for (int i = lines.First; i <= lines.Last; ++i) {
    const RECT band = vertical ? RECT{rect.left, rect.top + i, rect.right, rect.top + i + 1}
                               : RECT{rect.left + i, rect.top, rect.left + i + 1, rect.bottom};
    const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ramp[static_cast<size_t>(i)])));
    FillRect(dc, &band, brush.Get());
  }
}
