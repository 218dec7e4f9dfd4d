// Device-independent bitmap files: the header facts the skin check needs, and a writer of
// plain 24-bit files for test skins.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct TBitmapFacts {
  std::int32_t Width = 0;
  std::int32_t Height = 0;  // always positive; bottom-up and top-down files alike
  int BitsPerPixel = 0;
};

// The facts of a BMP file whose headers are sound and whose pixels lie inside it, or
// nothing with the reason in problem.
std::optional<TBitmapFacts> ReadBitmapFacts(std::span<const std::uint8_t> file, std::string& problem);

// A bottom-up 24-bit BMP file; pixel(x, y) answers 0x00RRGGBB with y = 0 at the top.
std::vector<std::uint8_t> MakeBitmap24(int width, int height, const std::function<std::uint32_t(int x, int y)>& pixel);
