// The window region of a skinned frame: the client rectangle and the four border pieces, each
// either its plain band or the outline of its non-magenta pixels.
#include <algorithm>
#include <vector>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_draw.h"
#include "ui/gdi.h"

namespace {

// Rectangles are batched into region data, this many at a time, instead of uniting one
// region per run of pixels.
constexpr size_t kRectsPerRegion = 2000;
constexpr size_t kRectsGrowth = 500;
constexpr int kKeyTolerance = 1;

HRGN RegionOfRects(const std::vector<RECT>& rects) {
  std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const RECT& r : rects) {
    bounds.left = std::min(bounds.left, r.left);
    bounds.top = std::min(bounds.top, r.top);
    bounds.right = std::max(bounds.right, r.right);
    bounds.bottom = std::max(bounds.bottom, r.bottom);
  }
  data->rdh.rcBound = bounds;
  std::copy(rects.begin(), rects.end(), reinterpret_cast<RECT*>(data->Buffer));
  return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

void Unite(TRegionHandle& into, HRGN part) {
  if (!part) return;
  if (!into) {
    into.Reset(part);
    return;
  }
  TRegionHandle owned(part);
  CombineRgn(into.Get(), into.Get(), owned.Get(), RGN_OR);
}

bool IsKey(std::uint32_t pixel) {
  const int b = pixel & 0xFF, g = (pixel >> 8) & 0xFF, r = (pixel >> 16) & 0xFF;
  auto within = [](int channel, int key) { return channel >= key && channel <= std::min(255, key + kKeyTolerance); };
  return within(r, 0xFF) && within(g, 0x00) && within(b, 0xFF);
}

// The picture's pixels as 32-bit values, rows from the top; empty when they cannot be read.
std::vector<std::uint32_t> PixelsOf(TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (w <= 0 || h <= 0) return {};
  BITMAPINFO info = TopDownDibInfo(w, h);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
  TMemoryDC dc;
  if (!GetDIBits(dc, bitmap.Handle(), 0, static_cast<UINT>(h), pixels.data(), &info, DIB_RGB_COLORS)) return {};
  return pixels;
}

}  // namespace

bool HasKeyPixels(TBitmap& bitmap) {
  const std::vector<std::uint32_t> pixels = PixelsOf(bitmap);
  return std::any_of(pixels.begin(), pixels.end(), IsKey);
}

HRGN BitmapToRegion(TBitmap& bitmap, int x, int y) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (w <= 0 || h <= 0) return nullptr;
  const std::vector<std::uint32_t> pixels = PixelsOf(bitmap);
  if (pixels.empty()) return nullptr;
  TRegionHandle result;
  std::vector<RECT> rects;
  rects.reserve(kRectsGrowth);
  for (int row = 0; row < h; ++row) {
    const std::uint32_t* line = pixels.data() + static_cast<size_t>(row) * static_cast<size_t>(w);
    int col = 0;
    while (col < w) {
      while (col < w && IsKey(line[col])) ++col;
      const int start = col;
      while (col < w && !IsKey(line[col])) ++col;
      if (col > start) rects.push_back(RECT{x + start, y + row, x + col, y + row + 1});
      if (rects.size() == kRectsPerRegion) {
        Unite(result, RegionOfRects(rects));
        rects.clear();
      }
    }
  }
  if (!rects.empty()) Unite(result, RegionOfRects(rects));
  if (!result) result.Reset(CreateRectRgn(0, 0, 0, 0));
  return result.Release();
}

bool TWinSkinForm::Keyed(int side) {
  TDataSkinBorder& border = *SkinData->Borders[static_cast<size_t>(side)];
  if (border.Trans != 1) return false;
  // A picture without key pixels cuts nothing: its piece is a plain band, no scan needed.
  int& known = FBorderKeyed[static_cast<size_t>(side) % FBorderKeyed.size()];
  if (known < 0) known = HasKeyPixels(border.Image) ? 1 : 0;
  return known == 1;
}

void TWinSkinForm::UpdateWindowRegion(bool redraw) {
  if (LifeState == fsGone || !FrameSkinned || !SkinData || SkinData->SkinPending()) return;
  if (MdiRole == mdiChild && WindowState != wsNormalState) return;
  RECT window{};
  GetWindowRect(Handle, &window);
  const int w = window.right - window.left, h = window.bottom - window.top;
  if (w <= 0 || h <= 0) return;
  if (w == RegionWidth && h == RegionHeight && MdiRole != mdiChild && LifeState != fsReskinning) return;
  FRegion.Reset();
  const auto& b = SkinData->Borders;
  const bool anyTrans = std::any_of(b.begin(), b.end(), [](const auto& border) { return border->Trans != 0; });
  if (!anyTrans) {
    FRegion.Reset(CreateRectRgn(0, 0, w, h));
  } else {
    FRegion.Reset(CreateRectRgn(FrameLeft, FrameTop, w - FrameRight, h - FrameBottom));
    struct Piece {
      int side;
      RECT rect;
      bool keyed;
    };
    const Piece pieces[] = {
        {kBorderLeft, RECT{0, 0, FrameLeft, h}, Keyed(kBorderLeft) && h > 1},
        {kBorderRight, RECT{w - FrameRight, 0, w, h}, Keyed(kBorderRight) && h > 1},
        {kBorderBottom, RECT{FrameLeft, h - FrameBottom, w - FrameRight, h}, Keyed(kBorderBottom) && FrameBottom >= 2},
        {kBorderTop, RECT{FrameLeft, 0, w - FrameRight, FrameTop}, Keyed(kBorderTop) && FrameTop > 1},
    };
    for (const Piece& p : pieces) {
      const int pw = p.rect.right - p.rect.left, ph = p.rect.bottom - p.rect.top;
      if (pw <= 0 || ph <= 0) continue;
      HRGN part = nullptr;
      if (p.keyed) {
        TDataSkinBorder& border = *b[static_cast<size_t>(p.side)];
        const bool vertical = p.side == kBorderTop || p.side == kBorderBottom;
        auto piece = RenderSkinFrame(pw, ph, border.Image, border.Margins(), vertical, border.Tile == 1 ? 0 : 1,
                                     std::max(1, border.Frame), 1);
        if (piece && !piece->Empty()) part = BitmapToRegion(*piece, p.rect.left, p.rect.top);
      }
      if (!part) part = CreateRectRgn(p.rect.left, p.rect.top, p.rect.right, p.rect.bottom);
      Unite(FRegion, part);
    }
  }
  RegionWidth = w;
  RegionHeight = h;
  // The window takes its own copy: ours stays for the next comparison and is freed by us.
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(copy, FRegion.Get(), nullptr, RGN_COPY);
  SetWindowRgn(Handle, copy, redraw ? TRUE : FALSE);
  RegionOwned = true;
}
