// Small raster helpers of the skin generator: RGB and RGBA images, fills, gradients and anti-aliased shapes.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The key colour of skin pictures: pixels of this colour are transparent when drawn.
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

// t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);
inline Rgb Lighter(Rgb c, double t) {
  return Mix(c, kWhite, t);
}
inline Rgb Darker(Rgb c, double t) {
  return Mix(c, kBlack, t);
}

// A shape in continuous coordinates: pixel (x, y) covers [x, x + 1) x [y, y + 1).
using Shape = std::function<bool(double x, double y)>;

Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
Shape Ellipse(double cx, double cy, double rx, double ry);
Shape Segment(double x0, double y0, double x1, double y1, double halfWidth);
Shape Polygon(std::vector<std::pair<double, double>> points);
Shape Union(Shape a, Shape b);
Shape Minus(Shape a, Shape b);

// Rounded frame of the given line width, inside the rectangle.
Shape RoundFrame(double x0, double y0, double x1, double y1, double radius, double width);

struct Box {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // half-open
};

using ColourAt = std::function<Rgb(int x, int y)>;
inline ColourAt Solid(Rgb c) {
  return [c](int, int) { return c; };
}

// A picture laid out in design units (96-DPI pixels) and stored with Scale() pixels per unit,
// so one drawing routine makes the 1x picture and a sharp twice-size one. Every drawing
// operation takes design units; At, SetPixel and the Pixel sizes address stored pixels.
// At a scale above 1, edges are found per stored pixel (shapes are sampled at that resolution)
// while colours and transparency are decided per design pixel: a stored pixel is magenta
// exactly where the 1x picture's pixel under it is, so the keyed-out areas are the 1x ones doubled.
class Image {
public:
  Image() = default;
  Image(int width, int height, Rgb fill = kMagenta, int scale = 1);

  int Width() const { return FWidth; }  // design units
  int Height() const { return FHeight; }
  int Scale() const { return FScale; }
  int PixelWidth() const { return FWidth * FScale; }
  int PixelHeight() const { return FHeight * FScale; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  Rgb At(int px, int py) const { return FPixels[Index(px, py)]; }  // a stored pixel
  void SetPixel(int px, int py, Rgb c);                            // ignores points outside
  void Set(int x, int y, Rgb c);                                   // a design pixel; ignores points outside

  void Fill(Rgb c) { FillRect(0, 0, FWidth, FHeight, c); }
  void FillRect(int x0, int y0, int x1, int y1, Rgb c);   // half-open, clipped
  void FrameRect(int x0, int y0, int x1, int y1, Rgb c);  // one-pixel outline
  void VerticalGradient(int x0, int y0, int x1, int y1, Rgb top, Rgb bottom);
  void HorizontalLine(int x0, int x1, int y, Rgb c) { FillRect(x0, y, x1, y + 1, c); }
  void VerticalLine(int x, int y0, int y1, Rgb c) { FillRect(x, y0, x + 1, y1, c); }

  // Paints a shape with 4 x 4 samples per pixel. Partly covered pixels blend with what is
  // there; over magenta they blend with the matte (the colour the picture will be drawn on),
  // or, without one, take the colour only when at least half covered, so no fringe is keyed.
  void Paint(const Shape& shape, Rgb c) { PaintWith(shape, Solid(c), nullptr, All()); }
  void Paint(const Shape& shape, Rgb c, Rgb matte) { PaintWith(shape, Solid(c), Solid(matte), All()); }
  // The general form: colour and matte may vary per pixel; a null matte means none.
  void PaintWith(const Shape& shape, const ColourAt& colour, const ColourAt& matte, const Box& bounds);
  // Turns every pixel outside the shape (less than half covered) into magenta.
  void KeyOutside(const Shape& shape);

  void Blit(const Image& src, int dx, int dy);       // copies every pixel
  void BlitKeyed(const Image& src, int dx, int dy);  // leaves magenta pixels of src out
  Image Crop(int x, int y, int width, int height) const;
  Image MirroredX() const;
  Image Transposed() const;  // x and y exchanged
  Image Scaled(int factor) const;  // every stored pixel repeated; the result has scale 1
  void Replace(Rgb from, Rgb to);

private:
  std::size_t Index(int px, int py) const { return static_cast<std::size_t>(py) * PixelWidth() + px; }
  Box All() const { return Box{0, 0, FWidth, FHeight}; }
  void RequireSameScale(const Image& other) const;

  int FWidth = 0, FHeight = 0, FScale = 1;
  std::vector<Rgb> FPixels;
};

// Straight (not premultiplied) RGBA image for icons.
class RgbaImage {
public:
  RgbaImage(int width, int height);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  Rgb ColourAt(int x, int y) const;
  std::uint8_t AlphaAt(int x, int y) const;
  // Paints a shape over what is there ("over" compositing) with the given opacity.
  void Paint(const Shape& shape, Rgb c, double opacity = 1.0);

private:
  struct Px {
    double r = 0, g = 0, b = 0, a = 0;
  };
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * FWidth + x; }
  int FWidth, FHeight;
  std::vector<Px> FPixels;
};
