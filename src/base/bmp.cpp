// BMP reading with every offset and size checked against the file.
#include "base/bmp.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;

struct Cursor {
  const std::uint8_t* data;
  std::size_t size;
  bool Has(std::size_t offset, std::size_t count) const { return offset <= size && count <= size - offset; }
  std::uint16_t U16(std::size_t o) const { return static_cast<std::uint16_t>(data[o] | (data[o + 1] << 8)); }
  std::uint32_t U32(std::size_t o) const {
    return data[o] | (data[o + 1] << 8) | (data[o + 2] << 16) | (static_cast<std::uint32_t>(data[o + 3]) << 24);
  }
};

bool Fail(std::string& error, const char* why) {
  error = why;
  return false;
}

std::uint32_t Scale(std::uint32_t value, std::uint32_t mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  const std::uint32_t top = mask >> shift;
  return ((value & mask) >> shift) * 255 / top;
}

// Expands run-length coded rows (bottom-up in the file) into the image's top-down rows.
bool DecodeRle(const Cursor& c, std::size_t pos, std::size_t end, bool four, TBmpImage& image) {
  int x = 0, y = image.Height - 1;
  auto put = [&](int value) {
    if (x >= image.Width || y < 0) return;
    std::uint8_t* row = image.Pixels.data() + static_cast<std::size_t>(y) * image.Stride;
    if (four) {
      std::uint8_t& b = row[x / 2];
      b = (x & 1) ? static_cast<std::uint8_t>((b & 0xF0) | (value & 0x0F))
                  : static_cast<std::uint8_t>((b & 0x0F) | ((value & 0x0F) << 4));
    } else {
      row[x] = static_cast<std::uint8_t>(value);
    }
    ++x;
  };
  while (pos + 1 < end) {
    const int count = c.data[pos], value = c.data[pos + 1];
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
    } else if (value == 0) {
      x = 0;
      --y;
    } else if (value == 1) {
      return true;
    } else if (value == 2) {
      if (pos + 1 >= end) return false;
      x += c.data[pos];
      y -= c.data[pos + 1];
      pos += 2;
    } else {
      const std::size_t bytes = four ? (static_cast<std::size_t>(value) + 1) / 2 : static_cast<std::size_t>(value);
      if (pos + bytes > end) return false;
      for (int i = 0; i < value; ++i) {
        const int b = c.data[pos + (four ? static_cast<std::size_t>(i / 2) : static_cast<std::size_t>(i))];
        put(four ? ((i & 1) ? b & 0x0F : b >> 4) : b);
      }
      pos += (bytes + 1) & ~static_cast<std::size_t>(1);
    }
    if (y < -1) return false;
  }
  return true;  // a missing end marker is tolerated
}

}  // namespace

std::uint32_t TBmpImage::PixelRgb(int x, int y) const {
  const std::uint8_t* row = Pixels.data() + static_cast<std::size_t>(y) * Stride;
  switch (BitCount) {
    case 1: return Palette[(row[x / 8] >> (7 - x % 8)) & 1];
    case 4: return Palette[(x & 1) ? row[x / 2] & 0x0F : row[x / 2] >> 4];
    case 8: return Palette[row[x]];
    case 16: {
      const std::uint32_t v = row[x * 2] | (row[x * 2 + 1] << 8);
      return (Scale(v, RedMask) << 16) | (Scale(v, GreenMask) << 8) | Scale(v, BlueMask);
    }
    case 24: return (row[x * 3 + 2] << 16) | (row[x * 3 + 1] << 8) | row[x * 3];
    default: {
      const std::uint8_t* p = row + x * 4;
      const std::uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
      return (Scale(v, RedMask) << 16) | (Scale(v, GreenMask) << 8) | Scale(v, BlueMask);
    }
  }
}

bool ParseBmp(const std::uint8_t* data, std::size_t size, TBmpImage& image, std::string& error) {
  image = TBmpImage{};
  const Cursor c{data, size};
  if (!c.Has(0, 14 + 12) || data[0] != 'B' || data[1] != 'M') return Fail(error, "not a BMP file");
  const std::uint32_t bitsOffset = c.U32(10);
  const std::uint32_t headerSize = c.U32(14);
  if (headerSize < 12 || !c.Has(14, headerSize)) return Fail(error, "damaged BMP header");
  std::int64_t width, height;
  std::uint32_t planes, bitCount, compression = kRgb, colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  if (headerSize == 12) {  // the old core header
    width = c.U16(18);
    height = static_cast<std::int16_t>(c.U16(20));
    planes = c.U16(22);
    bitCount = c.U16(24);
    paletteEntrySize = 3;
  } else {
    if (headerSize < 40) return Fail(error, "damaged BMP header");
    width = static_cast<std::int32_t>(c.U32(18));
    height = static_cast<std::int32_t>(c.U32(22));
    planes = c.U16(26);
    bitCount = c.U16(28);
    compression = c.U32(30);
    colorsUsed = c.U32(46);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (planes != 1) return Fail(error, "damaged BMP header");
  if (width <= 0 || height <= 0 || width > kMaxBmpSide || height > kMaxBmpSide || width * height > kMaxBmpPixels)
    return Fail(error, "BMP size out of range");
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
    return Fail(error, "unsupported BMP bit depth");
  const bool rle = compression == kRle8 || compression == kRle4;
  if ((compression == kRle8 && bitCount != 8) || (compression == kRle4 && bitCount != 4) ||
      (compression == kBitfields && bitCount != 16 && bitCount != 32) || compression > kBitfields)
    return Fail(error, "unsupported BMP compression");
  if (rle && topDown) return Fail(error, "damaged BMP header");

  image.Width = static_cast<int>(width);
  image.Height = static_cast<int>(height);
  image.BitCount = static_cast<int>(bitCount);
  std::size_t pos = 14 + headerSize;
  if (bitCount == 16 || bitCount == 32) {
    if (compression == kBitfields) {
      // Masks follow a 40-byte header; longer headers carry them inside.
      const std::size_t at = headerSize == 40 ? pos : 14 + 40;
      if (!c.Has(at, 12)) return Fail(error, "damaged BMP masks");
      image.RedMask = c.U32(at);
      image.GreenMask = c.U32(at + 4);
      image.BlueMask = c.U32(at + 8);
      if (headerSize == 40) pos += 12;
    } else if (bitCount == 16) {
      image.RedMask = 0x7C00, image.GreenMask = 0x03E0, image.BlueMask = 0x001F;
    } else {
      image.RedMask = 0xFF0000, image.GreenMask = 0x00FF00, image.BlueMask = 0x0000FF;
    }
  }
  if (bitCount <= 8) {
    std::size_t colours = colorsUsed ? colorsUsed : (1u << bitCount);
    if (colours > (1u << bitCount)) colours = 1u << bitCount;
    if (!c.Has(pos, colours * paletteEntrySize)) return Fail(error, "damaged BMP colour table");
    image.Palette.resize(1u << bitCount, 0);
    for (std::size_t i = 0; i < colours; ++i) {
      const std::uint8_t* e = data + pos + i * paletteEntrySize;
      image.Palette[i] = (e[2] << 16) | (e[1] << 8) | e[0];
    }
  }
  image.Stride = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
  image.Pixels.assign(image.Stride * static_cast<std::size_t>(height), 0);
  if (bitsOffset >= size) return Fail(error, "BMP pixel data missing");
  if (rle) {
    if (!DecodeRle(c, bitsOffset, size, compression == kRle4, image)) return Fail(error, "damaged BMP pixel data");
    return true;
  }
  if (!c.Has(bitsOffset, image.Stride * static_cast<std::size_t>(height)))
    return Fail(error, "BMP pixel data shorter than its size");
  for (std::int64_t row = 0; row < height; ++row) {
    const std::size_t fileRow = topDown ? static_cast<std::size_t>(row) : static_cast<std::size_t>(height - 1 - row);
    std::copy_n(data + bitsOffset + fileRow * image.Stride, image.Stride,
                image.Pixels.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * image.Stride));
  }
  return true;
}

std::vector<std::uint8_t> WriteBmp24(int width, int height, const std::vector<std::uint32_t>& rgbTopDown) {
  const std::size_t stride = ((static_cast<std::size_t>(width) * 3 + 3) / 4) * 4;
  const std::size_t bits = stride * static_cast<std::size_t>(height);
  std::vector<std::uint8_t> out(54 + bits, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<std::uint32_t>(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  out[26] = 1;
  out[28] = 24;
  put32(34, static_cast<std::uint32_t>(bits));
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = out.data() + 54 + static_cast<std::size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t rgb = rgbTopDown[static_cast<std::size_t>(y) * width + x];
      row[x * 3] = static_cast<std::uint8_t>(rgb);
      row[x * 3 + 1] = static_cast<std::uint8_t>(rgb >> 8);
      row[x * 3 + 2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  }
  return out;
}
