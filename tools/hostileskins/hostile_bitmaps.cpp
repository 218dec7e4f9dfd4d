// The BMP writer of the hostile generator; it writes whatever the shape says, checked or not.
#include "hostile_bitmaps.h"

#include <algorithm>
#include <cstdlib>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

constexpr std::int64_t kMaxWrittenPixels = 1 << 20;

std::int64_t RowBytes(std::int64_t width, int bits) {
  return ((width * bits + 31) / 32) * 4;
}

// Proper run-length rows: each row a few runs (some absolute), an end-of-line, and the end mark.
void WellFormedRle(std::vector<std::uint8_t>& out, const TBmpShape& s, THostileRandom& r) {
  const int rows = std::min(std::abs(s.Height), 512);
  const int width = std::min(s.Width, 1024);
  const bool four = s.Compression == 2;
  for (int y = 0; y < rows; ++y) {
    int x = 0;
    while (x < width) {
      const int run = std::min(width - x, 1 + r.Below(40));
      if (run >= 3 && r.Chance(30)) {
        out.push_back(0);
        out.push_back(static_cast<std::uint8_t>(run));
        const int bytes = four ? (run + 1) / 2 : run;
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(r.Below(16) * (four ? 17 : 1)));
        if (bytes % 2) out.push_back(0);
      } else {
        out.push_back(static_cast<std::uint8_t>(run));
        out.push_back(static_cast<std::uint8_t>(r.Below(16) * (four ? 17 : 1)));
      }
      x += run;
    }
    out.push_back(0);
    out.push_back(0);
  }
  out.push_back(0);
  out.push_back(1);
}

}  // namespace

std::vector<std::uint8_t> MakeBmp(const TBmpShape& s, THostileRandom& r, bool wellFormed) {
  const int paletteBits = s.BitCount <= 8 ? s.BitCount : 0;
  std::uint32_t paletteEntries = s.ColoursUsed ? s.ColoursUsed : (paletteBits ? 1u << paletteBits : 0u);
  // A lying count is written as it is, but the table itself stays small.
  const std::uint32_t writtenPalette = std::min<std::uint32_t>(paletteEntries, 256);
  const std::uint32_t masks = s.Compression == 3 ? 12 : 0;
  const std::uint32_t offset = 14 + 40 + masks + writtenPalette * 4;

  std::vector<std::uint8_t> pixels;
  if (s.Compression == 1 || s.Compression == 2) {
    if (wellFormed) {
      WellFormedRle(pixels, s, r);
    } else {
      const int n = 1 + r.Below(600);
      for (int i = 0; i < n; ++i) pixels.push_back(static_cast<std::uint8_t>(r.Chance(30) ? r.Below(3) : r.Below(256)));
    }
  } else {
    std::int64_t n = s.PixelBytes;
    if (n < 0) n = RowBytes(s.Width, s.BitCount) * std::abs(static_cast<std::int64_t>(s.Height));
    n = std::clamp<std::int64_t>(n, 0, kMaxWrittenPixels);
    pixels.resize(static_cast<std::size_t>(n));
    // Large blocks of one colour with a little noise: pictures compress like real ones.
    std::uint8_t value = static_cast<std::uint8_t>(r.Below(256));
    for (auto& b : pixels) {
      if (r.Chance(2)) value = static_cast<std::uint8_t>(r.Below(256));
      b = value;
    }
  }

  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<std::uint32_t>(offset + pixels.size()));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(s.Width));
  Put32(out, static_cast<std::uint32_t>(s.Height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(s.BitCount));
  Put32(out, s.Compression);
  Put32(out, static_cast<std::uint32_t>(pixels.size()));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, s.ColoursUsed);
  Put32(out, 0);
  if (masks) {
    static const std::uint32_t kMaskSets[][3] = {{0xF800, 0x07E0, 0x001F},
                                                 {0x7C00, 0x03E0, 0x001F},
                                                 {0xFF0000, 0xFF00, 0xFF},
                                                 {0, 0, 0},
                                                 {0xFFFFFFFF, 1, 0x80000000}};
    const auto& set = r.Pick(kMaskSets);
    for (std::uint32_t m : set) Put32(out, m);
  }
  for (std::uint32_t i = 0; i < writtenPalette; ++i) Put32(out, static_cast<std::uint32_t>(r.Next()) & 0xFFFFFF);
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

TBmpShape RandomBmpShape(THostileRandom& r, std::string& note) {
  TBmpShape s;
  static const int kDepths[] = {1, 4, 8, 16, 24, 32};
  s.BitCount = r.Pick(kDepths);
  s.Width = 1 + r.Below(120);
  s.Height = 1 + r.Below(60);
  if (r.Chance(20)) s.Height = -s.Height;
  if (s.BitCount == 8 && r.Chance(50)) s.Compression = 1;
  if (s.BitCount == 4 && r.Chance(50)) s.Compression = 2;
  if ((s.BitCount == 16 || s.BitCount == 32) && r.Chance(40)) s.Compression = 3;
  // Codings that do not belong to the depth.
  if (r.Chance(8)) s.Compression = static_cast<std::uint32_t>(r.Below(7));
  if (r.Chance(10)) s.BitCount = r.Chance(50) ? 0 : 2 + r.Below(40);
  if (s.BitCount <= 8 && r.Chance(15)) s.ColoursUsed = r.Chance(50) ? 1 + r.Below(3) : 0xFFFFFF00u + r.Below(200);
  note = std::to_string(s.Width) + "x" + std::to_string(s.Height) + "x" + std::to_string(s.BitCount) + " c" +
         std::to_string(s.Compression);
  return s;
}
