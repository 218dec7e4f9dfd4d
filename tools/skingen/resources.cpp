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

Image MakeTrack(const Theme& t) {
  // A thin channel with rounded ends; the corners take the face colour because the channel is
  // copied opaque.
  Image img(16, 4, TrackFill(t));
  img.FrameRect(0, 0, 16, 4, TrackLine(t));
  for (int x : {0, 15})
    for (int y : {0, 3}) img.Set(x, y, TrackFace(t));
  return img;
}

Image MakeTrackVert(const Theme& t) {
  return MakeTrack(t).Transposed();
}

Image MakeMenuGlyphs() {
  Image img(64, 16, kWhite);
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
  // Close: a cross, two pixels wide.
  for (int i = 0; i < 8; ++i) {
    img.FillRect(48 + 4 + i, 4 + i, 48 + 6 + i, 5 + i, kBlack);
    img.FillRect(48 + 10 - i, 4 + i, 48 + 12 - i, 5 + i, kBlack);
  }
  return img;
}

std::vector<RgbaImage> MakeIcon(const Theme& t) {
  std::vector<RgbaImage> out;
  for (int size : {16, 32, 48}) {
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
