// Track channels, system-menu glyphs and the program icon, drawn from the skin's theme.
#include "resources.h"

#include <cmath>

namespace {

Rgb TrackFace(const Theme& t) {
  return t.face;
}
Rgb TrackLine(const Theme& t) {
  return Darker(t.line, 0.1);
}
Rgb TrackFill(const Theme& t) {
  return Darker(t.track, 0.05);
}

}  // namespace

std::vector<Rgb> TrackPalette(const Theme& t) {
  // Three colours in use; the rest is filled with black so the file carries a full 16-colour table.
  std::vector<Rgb> palette = {TrackFace(t), TrackLine(t), TrackFill(t)};
  palette.resize(16, kBlack);
  return palette;
}

Image MakeTrack(const Theme& t, int scale) {
  // A thin channel with rounded ends; the corners take the face colour because the channel is
  // copied opaque.
  Image img(16, 4, TrackFill(t), scale);
  img.FrameRect(0, 0, 16, 4, TrackLine(t));
  for (int x : {0, 15})
    for (int y : {0, 3}) img.Set(x, y, TrackFace(t));
  return img;
}

Image MakeTrackVert(const Theme& t, int scale) {
  return MakeTrack(t, scale).Transposed();
}

Image MakeMenuGlyphs(int scale) {
  Image img(64, 16, kWhite, scale);
  auto box = [&](int x0, int y0, int x1, int y1, int topThickness) {
    img.FrameRect(x0, y0, x1, y1, kBlack);
    img.FillRect(x0, y0, x1, y0 + topThickness, kBlack);
  };
  // Restore: two windows, the front one lower left.
  box(3, 6, 11, 13, 2);
  img.FillRect(5, 3, 13, 5, kBlack);
  img.VerticalLine(12, 3, 10, kBlack);
  img.HorizontalLine(11, 13, 9, kBlack);
  img.VerticalLine(5, 3, 6, kBlack);
  // Maximize: one window.
  box(16 + 3, 3, 16 + 13, 13, 2);
  // Minimize: a bar at the bottom.
  img.FillRect(32 + 4, 10, 32 + 11, 12, kBlack);
  // Close: a cross, two pixels wide, drawn row by stored row so a larger scale steps finer.
  const int s = scale;
  for (int j = 0; j < 8 * s; ++j)
    for (int k = 0; k < 2 * s; ++k) {
      img.SetPixel(52 * s + j + k, 4 * s + j, kBlack);
      img.SetPixel(58 * s - j + k, 4 * s + j, kBlack);
    }
  return img;
}

const std::vector<int>& IconSizes() {
  // The small icon at 100, 125, 150 and 200 % display scale (16, 20, 24, 32) and the large one
  // at the same scales (32, 40, 48, 64).
  static const std::vector<int> sizes = {16, 20, 24, 32, 40, 48, 64};
  return sizes;
}

std::vector<RgbaImage> MakeIcon(const Theme& t) {
  std::vector<RgbaImage> out;
  for (int size : IconSizes()) {
    RgbaImage img(size, size);
    const double s = size / 32.0;  // drawn on a 32-unit grid
    const double cx = 14 * s, cy = 15 * s, r = 12.5 * s;
    const double line = std::max(0.55, 0.9 * s);
    // Globe: a light rim for contrast on the blue caption, the blue sphere, then meridians.
    img.Paint(Ellipse(cx, cy, r + line, r + line), kWhite);
    img.Paint(Ellipse(cx, cy, r, r), t.captionBottom);
    img.Paint(Ellipse(cx - 2.5 * s, cy - 3 * s, r * 0.72, r * 0.72), t.captionTop, 0.8);
    const Rgb grid = Lighter(t.captionTop, 0.55);
    auto ring = [&](double rx, double ry) {
      return Minus(Ellipse(cx, cy, rx + line / 2, ry + line / 2), Ellipse(cx, cy, rx - line / 2, ry - line / 2));
    };
    const Shape inside = Ellipse(cx, cy, r - line / 2, r - line / 2);
    auto clip = [inside](Shape shape) {
      return Shape([=](double x, double y) { return inside(x, y) && shape(x, y); });
    };
    img.Paint(clip(ring(r * 0.45, r)), grid, 0.9);
    if (size >= 32) img.Paint(clip(ring(r * 0.85, r)), grid, 0.6);
    img.Paint(clip(Segment(cx, cy - r, cx, cy + r, line / 2)), grid, 0.9);
    img.Paint(clip(Segment(cx - r, cy, cx + r, cy, line / 2)), grid, 0.9);
    if (size >= 32) {
      img.Paint(clip(Segment(cx - r, cy - r * 0.5, cx + r, cy - r * 0.5, line / 2)), grid, 0.6);
      img.Paint(clip(Segment(cx - r, cy + r * 0.5, cx + r, cy + r * 0.5, line / 2)), grid, 0.6);
    }
    // Location pin at the lower right, white-edged so it stands off the globe.
    const double px = 22.5 * s, py = 16.5 * s, pr = 6.2 * s;
    auto pin = [&](double grow) {
      return Union(Ellipse(px, py, pr + grow, pr + grow), Polygon({{px - (pr + grow) * 0.8, py + pr * 0.5},
                                                                   {px + (pr + grow) * 0.8, py + pr * 0.5},
                                                                   {px, py + pr * 2.35 + grow * 1.4}}));
    };
    img.Paint(pin(std::max(1.0, 1.3 * s)), kWhite);
    img.Paint(pin(0), Rgb{226, 74, 58});
    img.Paint(Ellipse(px, py, pr * 0.42, pr * 0.42), kWhite);
    out.push_back(std::move(img));
  }
  return out;
}
