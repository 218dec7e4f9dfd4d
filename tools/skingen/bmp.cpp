// BMP and ICO encoders of the skin generator (little-endian, bottom-up rows, 4-byte row padding).
#include "bmp.h"

#include <algorithm>
#include <fstream>

#include "base/error.h"

namespace {

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::uint32_t RowBytes(int width, int bits) {
  return ((static_cast<std::uint32_t>(width) * bits + 31) / 32) * 4;
}

// BITMAPINFOHEADER; heightField is doubled for icon images (XOR and AND parts).
void PutInfoHeader(Bytes& out, int width, int heightField, int bits, std::uint32_t imageSize, std::uint32_t colours) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(heightField));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, colours);
  Put32(out, 0);
}

Bytes WithFileHeader(int width, int height, int bits, const std::vector<Rgb>& palette, const Bytes& pixels) {
  Bytes out;
  const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + static_cast<std::uint32_t>(pixels.size()));
  Put32(out, 0);
  Put32(out, offset);
  PutInfoHeader(out, width, height, bits, static_cast<std::uint32_t>(pixels.size()),
                static_cast<std::uint32_t>(palette.size()));
  for (const Rgb& c : palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

// Packs indexes of `bits` bits per pixel into bottom-up padded rows, high bits first.
template <class IndexOf>
Bytes PackRows(int width, int height, int bits, IndexOf indexOf) {
  const std::uint32_t stride = RowBytes(width, bits);
  Bytes pixels(stride * static_cast<std::uint32_t>(height), 0);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = pixels.data() + stride * static_cast<std::uint32_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const unsigned index = indexOf(x, y);
      const int bit = x * bits;
      row[bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
    }
  }
  return pixels;
}

}  // namespace

Bytes EncodeBmp24(const Image& image) {
  const std::uint32_t stride = RowBytes(image.PixelWidth(), 24);
  Bytes pixels(stride * static_cast<std::uint32_t>(image.PixelHeight()), 0);
  for (int y = 0; y < image.PixelHeight(); ++y) {
    std::uint8_t* row = pixels.data() + stride * static_cast<std::uint32_t>(image.PixelHeight() - 1 - y);
    for (int x = 0; x < image.PixelWidth(); ++x) {
      const Rgb c = image.At(x, y);
      row[3 * x] = c.b;
      row[3 * x + 1] = c.g;
      row[3 * x + 2] = c.r;
    }
  }
  return WithFileHeader(image.PixelWidth(), image.PixelHeight(), 24, {}, pixels);
}

Bytes EncodeBmp4(const Image& image, const std::vector<Rgb>& palette) {
  if (palette.empty() || palette.size() > 16) throw Exception("a 16-colour bitmap needs 1 to 16 palette colours");
  auto indexOf = [&](int x, int y) -> unsigned {
    const auto it = std::find(palette.begin(), palette.end(), image.At(x, y));
    if (it == palette.end()) throw Exception(FormatText("pixel (%d, %d) is not in the 16-colour palette", x, y));
    return static_cast<unsigned>(it - palette.begin());
  };
  return WithFileHeader(image.PixelWidth(), image.PixelHeight(), 4, palette,
                        PackRows(image.PixelWidth(), image.PixelHeight(), 4, indexOf));
}

Bytes EncodeBmp1(const Image& image) {
  auto indexOf = [&](int x, int y) -> unsigned {
    const Rgb c = image.At(x, y);
    if (c == kWhite) return 1;
    if (c == kBlack) return 0;
    throw Exception(FormatText("pixel (%d, %d) of a monochrome bitmap is neither black nor white", x, y));
  };
  return WithFileHeader(image.PixelWidth(), image.PixelHeight(), 1, {kBlack, kWhite},
                        PackRows(image.PixelWidth(), image.PixelHeight(), 1, indexOf));
}

Bytes EncodeIco(const std::vector<RgbaImage>& images) {
  std::vector<Bytes> entries;
  for (const RgbaImage& img : images) {
    if (img.Width() < 1 || img.Width() > 256 || img.Height() < 1 || img.Height() > 256)
      throw Exception("icon images are 1 to 256 pixels on a side");
    Bytes e;
    const std::uint32_t xorSize = RowBytes(img.Width(), 32) * static_cast<std::uint32_t>(img.Height());
    const std::uint32_t andStride = RowBytes(img.Width(), 1);
    PutInfoHeader(e, img.Width(), 2 * img.Height(), 32, xorSize + andStride * img.Height(), 0);
    for (int y = img.Height() - 1; y >= 0; --y) {
      for (int x = 0; x < img.Width(); ++x) {
        const Rgb c = img.ColourAt(x, y);
        e.push_back(c.b);
        e.push_back(c.g);
        e.push_back(c.r);
        e.push_back(img.AlphaAt(x, y));
      }
    }
    // The AND mask marks fully transparent pixels, for readers that ignore alpha.
    const Bytes mask = PackRows(img.Width(), img.Height(), 1,
                                [&](int x, int y) -> unsigned { return img.AlphaAt(x, y) == 0 ? 1 : 0; });
    e.insert(e.end(), mask.begin(), mask.end());
    entries.push_back(std::move(e));
  }
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const RgbaImage& img = images[i];
    out.push_back(static_cast<std::uint8_t>(img.Width() & 0xFF));  // 0 means 256
    out.push_back(static_cast<std::uint8_t>(img.Height() & 0xFF));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, static_cast<std::uint32_t>(entries[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(entries[i].size());
  }
  for (const Bytes& e : entries) out.insert(out.end(), e.begin(), e.end());
  return out;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw Exception("cannot write " + path);
}
