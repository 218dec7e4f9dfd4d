// The media player's button glyphs drawn as hard-edged shapes on olive, so the olive key
// leaves no fringe whatever face colour they are drawn on.
#include "player_glyphs.h"

#include <utility>

namespace {

using Points = std::vector<std::pair<double, double>>;

// The shape of one button, in glyph coordinates (pixel centres are at x + 0.5).
Shape ButtonShape(int button) {
  const auto right = [](double x0, double x1) { return Polygon(Points{{x0, 2}, {x1, 7}, {x0, 12}}); };
  const auto left = [](double x0, double x1) { return Polygon(Points{{x1, 2}, {x0, 7}, {x1, 12}}); };
  const auto bar = [](double x0, double x1) { return RoundRect(x0, 2, x1, 12, 0); };
  switch (button) {
    case 0:  // play
      return right(5, 12);
    case 1:  // pause
      return Union(bar(4, 7), bar(9, 12));
    case 2:  // stop
      return RoundRect(4, 3, 12, 11, 0);
    case 3:  // next
      return Union(Union(right(2, 7), right(7, 12)), bar(12, 14));
    case 4:  // previous
      return Union(Union(left(4, 9), left(9, 14)), bar(2, 4));
    case 5:  // step
      return Union(right(4, 10), bar(10, 12));
    case 6:  // back
      return Union(left(6, 12), bar(4, 6));
    case 7:  // record
      return Ellipse(8, 7, 4.5, 4.5);
    default:  // eject
      return Union(Polygon(Points{{2, 8}, {8, 2}, {14, 8}}), RoundRect(2, 10, 14, 12, 0));
  }
}

// Stored pixels whose centre lies in the shape take the colour, moved by (dx, dy) glyph pixels.
void Stamp(Image& image, const Shape& shape, Rgb colour, int dx = 0, int dy = 0) {
  const int s = image.Scale();
  for (int py = 0; py < image.PixelHeight(); ++py)
    for (int px = 0; px < image.PixelWidth(); ++px)
      if (shape((px + 0.5) / s, (py + 0.5) / s)) image.SetPixel(px + dx * s, py + dy * s, colour);
}

}  // namespace

const std::vector<std::string>& PlayerGlyphStems() {
  static const std::vector<std::string> stems = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                                                 "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
  return stems;
}

Rgb PlayerGlyphColour(int button) {
  static const Rgb colours[] = {
      {0, 150, 0},    // play: green
      {200, 160, 0},  // pause: amber
      {190, 0, 0},    // stop: red
      {0, 60, 200},   // next: blue
      {0, 60, 200},   // previous: blue
      {0, 130, 170},  // step: teal
      {0, 130, 170},  // back: teal
      {230, 0, 0},    // record: bright red
      {110, 0, 160},  // eject: purple
  };
  return colours[button];
}

std::vector<PlayerGlyph> MakePlayerGlyphs(int scale) {
  std::vector<PlayerGlyph> glyphs;
  const auto& stems = PlayerGlyphStems();
  for (const char* look : {"EN", "DI", "CL"}) {
    for (int i = 0; i < static_cast<int>(stems.size()); ++i) {
      Image image(kGlyphWidth, kGlyphHeight, kGlyphOlive, scale);
      const Shape shape = ButtonShape(i);
      const std::string prefix = look;
      if (prefix == "EN") {
        Stamp(image, shape, kGlyphInk);
      } else if (prefix == "DI") {
        // Embossed: a light copy one pixel down and right, the grey shape over it.
        Stamp(image, shape, kGlyphLight, 1, 1);
        Stamp(image, shape, kGlyphGrey);
      } else {
        Stamp(image, shape, PlayerGlyphColour(i));
      }
      glyphs.push_back({prefix + "_" + stems[static_cast<size_t>(i)], std::move(image)});
    }
  }
  return glyphs;
}
