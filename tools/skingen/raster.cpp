// Raster helpers of the skin generator: pixel access, fills, gradients and supersampled shapes.
#include "raster.h"

#include <algorithm>
#include <cmath>

#include "base/error.h"

namespace {

std::uint8_t Channel(double v) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

constexpr int kSamples = 4;  // per axis

// Distance-free corner test: inside the rectangle and, within a corner square, inside its circle.
bool InRoundRect(double x, double y, double x0, double y0, double x1, double y1, double r) {
  if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
  const double cx = std::clamp(x, x0 + r, x1 - r);
  const double cy = std::clamp(y, y0 + r, y1 - r);
  const double dx = x - cx, dy = y - cy;
  return dx * dx + dy * dy <= r * r;
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return Rgb{Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t), Channel(a.b + (b.b - a.b) * t)};
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
  return [=](double x, double y) { return InRoundRect(x, y, x0, y0, x1, y1, radius); };
}

Shape Ellipse(double cx, double cy, double rx, double ry) {
  return [=](double x, double y) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
}

Shape Segment(double x0, double y0, double x1, double y1, double halfWidth) {
  return [=](double x, double y) {
    const double vx = x1 - x0, vy = y1 - y0;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
    return dx * dx + dy * dy <= halfWidth * halfWidth;
  };
}

Shape Polygon(std::vector<std::pair<double, double>> points) {
  return [pts = std::move(points)](double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const auto [xi, yi] = pts[i];
      const auto [xj, yj] = pts[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
  };
}

Shape Union(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Shape Minus(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

Shape RoundFrame(double x0, double y0, double x1, double y1, double radius, double width) {
  return Minus(RoundRect(x0, y0, x1, y1, radius),
               RoundRect(x0 + width, y0 + width, x1 - width, y1 - width, std::max(0.0, radius - width)));
}

Image::Image(int width, int height, Rgb fill, int scale)
    : FWidth(std::max(0, width)),
      FHeight(std::max(0, height)),
      FScale(std::max(1, scale)),
      FPixels(static_cast<std::size_t>(FWidth) * FHeight * FScale * FScale, fill) {}

void Image::RequireSameScale(const Image& other) const {
  if (other.FScale != FScale) throw Exception("pictures of different scales cannot be combined");
}

void Image::SetPixel(int px, int py, Rgb c) {
  if (px >= 0 && py >= 0 && px < PixelWidth() && py < PixelHeight()) FPixels[Index(px, py)] = c;
}

void Image::Set(int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < FWidth && y < FHeight) FillRect(x, y, x + 1, y + 1, c);
}

void Image::FillRect(int x0, int y0, int x1, int y1, Rgb c) {
  x0 = std::max(x0, 0), y0 = std::max(y0, 0), x1 = std::min(x1, FWidth), y1 = std::min(y1, FHeight);
  for (int py = y0 * FScale; py < y1 * FScale; ++py)
    for (int px = x0 * FScale; px < x1 * FScale; ++px) FPixels[Index(px, py)] = c;
}

void Image::FrameRect(int x0, int y0, int x1, int y1, Rgb c) {
  HorizontalLine(x0, x1, y0, c);
  HorizontalLine(x0, x1, y1 - 1, c);
  VerticalLine(x0, y0, y1, c);
  VerticalLine(x1 - 1, y0, y1, c);
}

void Image::VerticalGradient(int x0, int y0, int x1, int y1, Rgb top, Rgb bottom) {
  const int span = std::max(1, y1 - y0 - 1);
  for (int y = y0; y < y1; ++y) FillRect(x0, y, x1, y + 1, Mix(top, bottom, double(y - y0) / span));
}

namespace {

// The share of the pixel (px, py) of a grid with `scale` pixels per design unit that the shape
// covers; the shape is in design units.
double Coverage(const Shape& shape, int px, int py, int scale = 1) {
  int hits = 0;
  for (int sy = 0; sy < kSamples; ++sy)
    for (int sx = 0; sx < kSamples; ++sx)
      if (shape((px + (sx + 0.5) / kSamples) / scale, (py + (sy + 0.5) / kSamples) / scale)) ++hits;
  return double(hits) / (kSamples * kSamples);
}

}  // namespace

void Image::PaintWith(const Shape& shape, const ColourAt& colour, const ColourAt& matte, const Box& bounds) {
  const int x0 = std::max(bounds.x0, 0), y0 = std::max(bounds.y0, 0);
  const int x1 = std::min(bounds.x1, FWidth), y1 = std::min(bounds.y1, FHeight);
  for (int py = y0 * FScale; py < y1 * FScale; ++py) {
    for (int px = x0 * FScale; px < x1 * FScale; ++px) {
      const int x = px / FScale, y = py / FScale;
      const double cover = Coverage(shape, px, py, FScale);
      Rgb& pixel = FPixels[Index(px, py)];
      Rgb painted;
      if (!(pixel == kMagenta)) {
        if (cover == 0) continue;
        painted = Mix(pixel, colour(x, y), cover);
      } else {
        // Whether a transparent pixel turns opaque is the design pixel's decision, taken as the
        // 1x picture takes it, so both sizes key out the same areas.
        const double designCover = FScale == 1 ? cover : Coverage(shape, x, y);
        if (designCover == 0) continue;
        if (matte)
          painted = Mix(matte(x, y), colour(x, y), cover);
        else if (designCover >= 0.5)
          painted = colour(x, y);
        else
          continue;  // barely touched: stays transparent
      }
      const Rgb c = colour(x, y);
      // A blend that lands on (or next to) the key colour by chance must not turn transparent:
      // the window region keys out near neighbours of magenta too.
      if (painted.r >= 250 && painted.b >= 250 && painted.g <= 5 && !(c == kMagenta)) painted.g = 6;
      pixel = painted;
    }
  }
}

void Image::KeyOutside(const Shape& shape) {
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x)
      if (Coverage(shape, x, y) < 0.5) Set(x, y, kMagenta);
}

void Image::Blit(const Image& src, int dx, int dy) {
  RequireSameScale(src);
  for (int py = 0; py < src.PixelHeight(); ++py)
    for (int px = 0; px < src.PixelWidth(); ++px) SetPixel(dx * FScale + px, dy * FScale + py, src.At(px, py));
}

void Image::BlitKeyed(const Image& src, int dx, int dy) {
  RequireSameScale(src);
  for (int py = 0; py < src.PixelHeight(); ++py)
    for (int px = 0; px < src.PixelWidth(); ++px)
      if (!(src.At(px, py) == kMagenta)) SetPixel(dx * FScale + px, dy * FScale + py, src.At(px, py));
}

Image Image::Crop(int x, int y, int width, int height) const {
  Image out(width, height, kMagenta, FScale);
  for (int j = 0; j < out.PixelHeight(); ++j)
    for (int i = 0; i < out.PixelWidth(); ++i) {
      const int px = x * FScale + i, py = y * FScale + j;
      if (px >= 0 && py >= 0 && px < PixelWidth() && py < PixelHeight()) out.SetPixel(i, j, At(px, py));
    }
  return out;
}

Image Image::MirroredX() const {
  Image out(FWidth, FHeight, kMagenta, FScale);
  for (int py = 0; py < PixelHeight(); ++py)
    for (int px = 0; px < PixelWidth(); ++px) out.SetPixel(PixelWidth() - 1 - px, py, At(px, py));
  return out;
}

Image Image::Transposed() const {
  Image out(FHeight, FWidth, kMagenta, FScale);
  for (int py = 0; py < PixelHeight(); ++py)
    for (int px = 0; px < PixelWidth(); ++px) out.SetPixel(py, px, At(px, py));
  return out;
}

Image Image::Scaled(int factor) const {
  Image out(PixelWidth() * factor, PixelHeight() * factor);
  for (int y = 0; y < out.FHeight; ++y)
    for (int x = 0; x < out.FWidth; ++x) out.SetPixel(x, y, At(x / factor, y / factor));
  return out;
}

void Image::Replace(Rgb from, Rgb to) {
  for (Rgb& px : FPixels)
    if (px == from) px = to;
}

RgbaImage::RgbaImage(int width, int height)
    : FWidth(width), FHeight(height), FPixels(static_cast<std::size_t>(width) * height) {}

Rgb RgbaImage::ColourAt(int x, int y) const {
  const Px& p = FPixels[Index(x, y)];
  return Rgb{Channel(p.r * 255), Channel(p.g * 255), Channel(p.b * 255)};
}

std::uint8_t RgbaImage::AlphaAt(int x, int y) const {
  return Channel(FPixels[Index(x, y)].a * 255);
}

void RgbaImage::Paint(const Shape& shape, Rgb c, double opacity) {
  for (int y = 0; y < FHeight; ++y) {
    for (int x = 0; x < FWidth; ++x) {
      const double a = opacity * Coverage(shape, x, y);
      if (a == 0) continue;
      Px& p = FPixels[Index(x, y)];
      const double outA = a + p.a * (1 - a);
      auto over = [&](double src, double dst) { return (src * a + dst * p.a * (1 - a)) / outA; };
      p.r = over(c.r / 255.0, p.r);
      p.g = over(c.g / 255.0, p.g);
      p.b = over(c.b / 255.0, p.b);
      p.a = outA;
    }
  }
}
