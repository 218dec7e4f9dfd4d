// Reading back the fields of BMP and ICO files in tests: little-endian words at byte offsets.
#pragma once

#include <cstdint>
#include <span>

inline std::uint32_t U16At(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | (b[at + 1] << 8);
}
inline std::uint32_t U32At(std::span<const std::uint8_t> b, std::size_t at) {
  return U16At(b, at) | (U16At(b, at + 2) << 16);
}
inline std::int32_t I32At(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(U32At(b, at));
}

// The facts of a BMP file the skin loader relies on.
struct BmpFacts {
  bool valid = false;
  std::int32_t width = 0, height = 0;
  std::uint32_t bits = 0, pixelOffset = 0;
};

inline BmpFacts ReadBmpFacts(std::span<const std::uint8_t> b) {
  BmpFacts f;
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || U32At(b, 14) != 40) return f;
  f.width = I32At(b, 18);
  f.height = I32At(b, 22);
  f.bits = U16At(b, 28);
  f.pixelOffset = U32At(b, 10);
  const std::uint64_t stride = ((static_cast<std::uint64_t>(f.width) * f.bits + 31) / 32) * 4;
  f.valid = U32At(b, 2) == b.size() && f.width > 0 && f.height > 0 && U32At(b, 30) == 0 &&
            f.pixelOffset + stride * static_cast<std::uint64_t>(f.height) == b.size();
  return f;
}

struct Pixel {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};

// Pixel (x, y), y from the top, of a valid 24-bit bottom-up BMP file.
inline Pixel PixelAt(std::span<const std::uint8_t> b, const BmpFacts& f, int x, int y) {
  const std::size_t stride = ((static_cast<std::size_t>(f.width) * 24 + 31) / 32) * 4;
  const std::size_t at = f.pixelOffset + stride * static_cast<std::size_t>(f.height - 1 - y) + 3 * x;
  return Pixel{b[at + 2], b[at + 1], b[at]};
}
