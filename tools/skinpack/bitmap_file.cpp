// Reading BMP headers defensively and writing plain 24-bit BMP files.
#include "bitmap_file.h"

#include "base/error.h"

namespace {

std::uint32_t Le16(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0] | p[1] << 8);
}
std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

constexpr std::uint32_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
enum : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

std::nullopt_t Problem(std::string& problem, std::string text) {
  problem = std::move(text);
  return std::nullopt;
}

}  // namespace

std::optional<TBitmapFacts> ReadBitmapFacts(std::span<const std::uint8_t> file, std::string& problem) {
  const std::uint8_t* p = file.data();
  const std::uint64_t size = file.size();
  if (size < kFileHeader + kCoreHeader || p[0] != 'B' || p[1] != 'M') return Problem(problem, "not a BMP file");
  const std::uint64_t pixelsAt = Le32(p + 10);
  const std::uint32_t headerSize = Le32(p + kFileHeader);
  if (headerSize != kCoreHeader && (headerSize < kInfoHeader || headerSize > 124))
    return Problem(problem, FormatText("unknown bitmap header of %u bytes", headerSize));
  if (kFileHeader + headerSize > size) return Problem(problem, "the bitmap header is cut off");
  const std::uint8_t* h = p + kFileHeader;
  std::int64_t width, height;
  std::uint32_t planes, bits, compression = kRgb;
  if (headerSize == kCoreHeader) {
    width = Le16(h + 4);
    height = Le16(h + 6);
    planes = Le16(h + 8);
    bits = Le16(h + 10);
  } else {
    width = static_cast<std::int32_t>(Le32(h + 4));
    height = static_cast<std::int32_t>(Le32(h + 8));
    planes = Le16(h + 12);
    bits = Le16(h + 14);
    compression = Le32(h + 16);
  }
  if (width <= 0 || height == 0) return Problem(problem, "the bitmap has no pixels");
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (planes != 1) return Problem(problem, FormatText("the bitmap has %u planes", planes));
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return Problem(problem, FormatText("the bitmap has %u bits per pixel", bits));
  const bool rle = compression == kRle8 || compression == kRle4;
  if (!(compression == kRgb || (compression == kRle8 && bits == 8 && !topDown) ||
        (compression == kRle4 && bits == 4 && !topDown) || (compression == kBitFields && (bits == 16 || bits == 32))))
    return Problem(problem,
                   FormatText("the bitmap's compression %u does not suit %u bits per pixel", compression, bits));
  if (pixelsAt < kFileHeader + headerSize || pixelsAt > size)
    return Problem(problem, "the bitmap's pixels do not start inside the file");
  if (!rle) {
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    if (stride * static_cast<std::uint64_t>(height) > size - pixelsAt)
      return Problem(problem, "the bitmap's pixels run past the end of the file");
  } else if (pixelsAt == size) {
    return Problem(problem, "the bitmap has no pixel data");
  }
  return TBitmapFacts{static_cast<std::int32_t>(width), static_cast<std::int32_t>(height), static_cast<int>(bits)};
}

std::vector<std::uint8_t> MakeBitmap24(int width, int height, const std::function<std::uint32_t(int x, int y)>& pixel) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
  const std::uint32_t pixels = stride * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> out;
  out.reserve(kFileHeader + kInfoHeader + pixels);
  out.push_back('B');
  out.push_back('M');
  Put32(out, kFileHeader + kInfoHeader + pixels);
  Put32(out, 0);
  Put32(out, kFileHeader + kInfoHeader);
  Put32(out, kInfoHeader);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, kRgb);
  Put32(out, pixels);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = pixel(x, y);
      out.push_back(static_cast<std::uint8_t>(c));
      out.push_back(static_cast<std::uint8_t>(c >> 8));
      out.push_back(static_cast<std::uint8_t>(c >> 16));
    }
    out.insert(out.end(), stride - static_cast<std::uint32_t>(width) * 3, 0);
  }
  return out;
}
