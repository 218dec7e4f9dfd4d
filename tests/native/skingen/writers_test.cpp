// The generator's file writers and shape painting: layouts where a wrong bit or offset hides easily.
#include <gtest/gtest.h>

#include "base/error.h"
#include "bmp.h"
#include "bmp_bytes.h"
#include "raster.h"

namespace {

const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};

TEST(BmpWriter, TwentyFourBitRowsArePaddedAndStoredBottomUp) {
  Image img(3, 2, kWhite);  // 9 bytes a row, padded to 12
  img.Set(0, 0, kRed);
  img.Set(2, 0, Rgb{1, 2, 3});
  img.Set(0, 1, kBlue);
  const Bytes b = EncodeBmp24(img);
  const BmpFacts f = ReadBmpFacts(b);
  ASSERT_TRUE(f.valid);
  EXPECT_EQ(f.width, 3);
  EXPECT_EQ(f.height, 2);  // positive: bottom-up, as the platform's DIB loader expects
  EXPECT_EQ(f.bits, 24u);
  EXPECT_EQ(f.pixelOffset, 54u);
  ASSERT_EQ(b.size(), 54u + 2 * 12);
  // The first stored row is the image's bottom row (blue at the left), in B G R order.
  EXPECT_EQ(b[54], 255);
  EXPECT_EQ(b[55], 0);
  EXPECT_EQ(b[56], 0);
  for (int pad = 9; pad < 12; ++pad) EXPECT_EQ(b[54 + pad], 0) << "padding byte " << pad;
  // Then the top row: red, white, (1, 2, 3).
  EXPECT_EQ(b[66 + 2], 255);
  EXPECT_EQ(b[66], 0);
  EXPECT_EQ(b[66 + 6], 3);
  EXPECT_EQ(b[66 + 7], 2);
  EXPECT_EQ(b[66 + 8], 1);
}

TEST(BmpWriter, SixteenColourPacksHighNibbleFirstWithAFullPalette) {
  const std::vector<Rgb> palette = {kWhite, kRed, kGreen, kBlue};
  Image img(5, 2, kWhite);  // 5 nibbles = 20 bits, padded to 4 bytes a row
  img.Set(0, 1, kRed);
  img.Set(1, 1, kGreen);
  img.Set(4, 1, kBlue);
  img.Set(3, 0, kGreen);
  const Bytes b = EncodeBmp4(img, palette);
  const BmpFacts f = ReadBmpFacts(b);
  ASSERT_TRUE(f.valid);
  EXPECT_EQ(f.bits, 4u);
  EXPECT_EQ(U32At(b, 46), 4u);  // colours used
  EXPECT_EQ(f.pixelOffset, 54u + 4 * 4);
  // Palette entries are B G R 0.
  EXPECT_EQ(b[54 + 4 + 2], 255);   // red's R
  EXPECT_EQ(b[54 + 12 + 0], 255);  // blue's B
  const std::size_t bottom = f.pixelOffset, top = f.pixelOffset + 4;
  EXPECT_EQ(b[bottom], 0x12);  // red, green
  EXPECT_EQ(b[bottom + 1], 0x00);
  EXPECT_EQ(b[bottom + 2], 0x30);  // blue in the high nibble, the unused low nibble zero
  EXPECT_EQ(b[top + 1], 0x02);     // x = 3 is the low nibble of the second byte
  EXPECT_THROW(EncodeBmp4(Image(2, 2, Rgb{9, 9, 9}), palette), Exception);
  EXPECT_THROW(EncodeBmp4(img, std::vector<Rgb>(17, kWhite)), Exception);
}

TEST(BmpWriter, MonochromeSetsBitsForWhiteMostSignificantFirst) {
  Image img(10, 1, kBlack);  // 10 bits, padded to 4 bytes
  img.Set(0, 0, kWhite);
  img.Set(9, 0, kWhite);
  const Bytes b = EncodeBmp1(img);
  const BmpFacts f = ReadBmpFacts(b);
  ASSERT_TRUE(f.valid);
  EXPECT_EQ(f.bits, 1u);
  EXPECT_EQ(f.pixelOffset, 54u + 8);
  EXPECT_EQ(b[54 + 4], 255);  // palette entry 1 is white
  EXPECT_EQ(b[f.pixelOffset], 0x80);
  EXPECT_EQ(b[f.pixelOffset + 1], 0x40);
  EXPECT_EQ(b[f.pixelOffset + 2], 0);
  EXPECT_THROW(EncodeBmp1(Image(1, 1, kRed)), Exception);
}

TEST(IcoWriter, DirectoryPointsAtEachImageWithItsMask) {
  RgbaImage small(16, 16), large(32, 32);
  small.Paint([](double x, double y) { return x < 8 && y < 8; }, kRed);  // top-left quarter opaque
  large.Paint([](double, double) { return true; }, kBlue, 0.5);
  const Bytes b = EncodeIco({small, large});
  ASSERT_GE(b.size(), 6u + 32);
  EXPECT_EQ(U16At(b, 0), 0u);
  EXPECT_EQ(U16At(b, 2), 1u);  // an icon
  ASSERT_EQ(U16At(b, 4), 2u);
  std::size_t expectedOffset = 6 + 2 * 16;
  for (int i = 0; i < 2; ++i) {
    const std::size_t entry = 6 + 16 * i;
    const int size = i == 0 ? 16 : 32;
    EXPECT_EQ(b[entry], size);
    EXPECT_EQ(b[entry + 1], size);
    EXPECT_EQ(U16At(b, entry + 6), 32u);  // bits per pixel
    const std::uint32_t bytes = U32At(b, entry + 8), offset = U32At(b, entry + 12);
    EXPECT_EQ(offset, expectedOffset);
    // Header, 32-bit pixels, then a 1-bit mask with rows padded to 4 bytes.
    EXPECT_EQ(bytes, 40u + size * size * 4 + size * 4u);
    EXPECT_EQ(I32At(b, offset + 8), 2 * size);  // image and mask heights together
    expectedOffset += bytes;
  }
  EXPECT_EQ(expectedOffset, b.size());
  // Small icon: the last stored pixel row is the top row; its first pixel is opaque red, its
  // last transparent; the mask marks only transparent pixels.
  const std::size_t pixels = 6 + 32 + 40;
  const std::size_t topRow = pixels + 15 * 16 * 4;
  EXPECT_EQ(b[topRow + 2], 255);
  EXPECT_EQ(b[topRow + 3], 255);
  EXPECT_EQ(b[topRow + 15 * 4 + 3], 0);
  const std::size_t maskTopRow = pixels + 16 * 16 * 4 + 15 * 4;
  EXPECT_EQ(b[maskTopRow], 0x00);
  EXPECT_EQ(b[maskTopRow + 1], 0xFF);
  // Large icon: half opacity everywhere.
  EXPECT_EQ(b[U32At(b, 6 + 16 + 12) + 40 + 3], 128);
}

TEST(ShapePainting, EdgesOverTheKeyColourBlendWithTheMatteAndNeverStayMagenta) {
  Image img(12, 12);  // all magenta
  const Rgb matte{200, 200, 200};
  img.Paint(Ellipse(6, 6, 4.3, 4.3), kBlue, matte);
  int blended = 0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const Rgb c = img.At(x, y);
      if (c == kMagenta || c == kBlue) continue;
      ++blended;  // an edge pixel: between the matte and blue, no trace of the key colour
      EXPECT_EQ(c.r, c.g) << x << "," << y;
      EXPECT_LE(c.b, 255);
    }
  EXPECT_GT(blended, 8);
  EXPECT_EQ(img.At(0, 0), kMagenta);
  EXPECT_EQ(img.At(6, 6), kBlue);
  // Without a matte a half-covered pixel takes the colour and a barely covered one stays
  // keyed, so no pink fringe appears where the picture is drawn.
  Image hard(4, 1);
  hard.Paint([](double x, double) { return x < 1.6; }, kBlue);
  EXPECT_EQ(hard.At(1, 0), kBlue);
  Image faint(4, 1);
  faint.Paint([](double x, double) { return x < 1.2; }, kBlue);
  EXPECT_EQ(faint.At(1, 0), kMagenta);
}

}  // namespace
