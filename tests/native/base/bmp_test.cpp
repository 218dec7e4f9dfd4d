// BMP reading: the layouts real files use, and damaged files refused cleanly.
#include <gtest/gtest.h>

#include "base/bmp.h"

namespace {

// A BMP with a 40-byte header, given bit depth, palette and raw bottom-up rows.
std::vector<std::uint8_t> MakeBmp(int w, int h, int bits, std::vector<std::uint32_t> palette,
                                  std::vector<std::uint8_t> rows, std::uint32_t compression = 0) {
  std::vector<std::uint8_t> out(54 + palette.size() * 4);
  auto put32 = [&](size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(10, static_cast<std::uint32_t>(out.size()));
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(w));
  put32(22, static_cast<std::uint32_t>(h));
  out[26] = 1;
  out[28] = static_cast<std::uint8_t>(bits);
  put32(30, compression);
  put32(46, static_cast<std::uint32_t>(palette.size()));
  for (size_t i = 0; i < palette.size(); ++i) put32(54 + i * 4, palette[i]);
  out.insert(out.end(), rows.begin(), rows.end());
  return out;
}

TEST(Bmp, ReadsTwentyFourBitFilesTopDown) {
  const std::vector<std::uint8_t> file = WriteBmp24(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x123456});
  TBmpImage image;
  std::string error;
  ASSERT_TRUE(ParseBmp(file.data(), file.size(), image, error)) << error;
  EXPECT_EQ(image.PixelRgb(0, 0), 0xFF0000u);
  EXPECT_EQ(image.PixelRgb(1, 0), 0x00FF00u);
  EXPECT_EQ(image.PixelRgb(1, 1), 0x123456u);
  EXPECT_EQ(image.Stride, 8u);  // rows padded to four bytes
}

TEST(Bmp, ReadsPaletteDepthsAndRunLengthCoding) {
  TBmpImage image;
  std::string error;
  // 1 bit, 9 pixels wide: the ninth pixel lives in the second byte of the row.
  const auto mono = MakeBmp(9, 1, 1, {0x000000, 0xFFFFFF}, {0x80, 0x80, 0, 0});
  ASSERT_TRUE(ParseBmp(mono.data(), mono.size(), image, error)) << error;
  EXPECT_EQ(image.PixelRgb(0, 0), 0xFFFFFFu);
  EXPECT_EQ(image.PixelRgb(1, 0), 0u);
  EXPECT_EQ(image.PixelRgb(8, 0), 0xFFFFFFu);
  // 4 bits: high nibble first.
  const auto four = MakeBmp(3, 1, 4, {0x000000, 0xFF0000, 0x00FF00}, {0x12, 0x00, 0, 0});
  ASSERT_TRUE(ParseBmp(four.data(), four.size(), image, error)) << error;
  EXPECT_EQ(image.PixelRgb(0, 0), 0xFF0000u);
  EXPECT_EQ(image.PixelRgb(1, 0), 0x00FF00u);
  // RLE8: runs of three, one and one pixels, end of line, end of picture.
  const auto rle = MakeBmp(5, 1, 8, {0, 0xABCDEF}, {3, 1, 1, 0, 1, 1, 0, 0, 0, 1}, 1);
  ASSERT_TRUE(ParseBmp(rle.data(), rle.size(), image, error)) << error;
  EXPECT_EQ(image.PixelRgb(2, 0), 0xABCDEFu);
  EXPECT_EQ(image.PixelRgb(3, 0), 0u);
  EXPECT_EQ(image.PixelRgb(4, 0), 0xABCDEFu);
}

TEST(Bmp, DamagedFilesAreRefused) {
  const std::vector<std::uint8_t> good = WriteBmp24(4, 4, std::vector<std::uint32_t>(16, 0x808080));
  TBmpImage image;
  std::string error;
  auto refuse = [&](std::vector<std::uint8_t> bytes, const char* what) {
    EXPECT_FALSE(ParseBmp(bytes.data(), bytes.size(), image, error)) << what;
    EXPECT_FALSE(error.empty()) << what;
  };
  refuse({}, "empty");
  refuse({'B', 'M'}, "header only");
  auto shortened = good;
  shortened.resize(good.size() - 1);
  refuse(shortened, "pixels cut short");
  auto huge = good;
  huge[18] = 0xFF;
  huge[19] = 0xFF;
  huge[20] = 0xFF;
  refuse(huge, "absurd width");
  auto depth = good;
  depth[28] = 7;
  refuse(depth, "bit depth 7");
  auto offset = good;
  offset[13] = 0x7F;
  refuse(offset, "pixel offset beyond the file");
  auto planes = good;
  planes[26] = 2;
  refuse(planes, "two planes");
  // A palette that claims more colours than the file holds.
  auto palette = MakeBmp(1, 1, 8, {0}, {0, 0, 0, 0});
  palette[46] = 200;
  refuse(palette, "palette past the end");
}

}  // namespace
