// A bounds-checked reader of BMP files (the skin archive's pictures are outside data).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A decoded BMP: rows top-down, each Stride bytes, in the file's own bit depth
// (1, 4, 8, 16, 24 or 32 bits per pixel; run-length coded files are expanded to 4 or 8).
struct TBmpImage {
  int Width = 0;
  int Height = 0;
  int BitCount = 0;
  // Colour table for 1, 4 and 8 bits (0x00RRGGBB each).
  std::vector<std::uint32_t> Palette;
  // Channel masks for 16 and 32 bits (BI_BITFIELDS, or the defaults 5-5-5 and 8-8-8).
  std::uint32_t RedMask = 0, GreenMask = 0, BlueMask = 0;
  std::size_t Stride = 0;
  std::vector<std::uint8_t> Pixels;

  // The colour of one pixel as 0x00RRGGBB.
  std::uint32_t PixelRgb(int x, int y) const;
};

// The largest picture accepted, so a damaged header cannot ask for gigabytes.
inline constexpr int kMaxBmpSide = 16384;
inline constexpr std::int64_t kMaxBmpPixels = 32ll * 1024 * 1024;

// Reads a BMP file; false with a reason in error for anything damaged or unsupported.
bool ParseBmp(const std::uint8_t* data, std::size_t size, TBmpImage& image, std::string& error);

// Writes a 24-bit BMP file of the image's pixels (for tests and tools).
std::vector<std::uint8_t> WriteBmp24(int width, int height, const std::vector<std::uint32_t>& rgbTopDown);
