// Bitmaps and canvases: BMP files in and out, pixel formats, scan lines, transparency.
#include <gtest/gtest.h>

#include "base/bmp.h"
#include "win/support/ui_test.h"
#include "ui/bitmap.h"

namespace {

COLORREF PixelOf(TBitmap& b, int x, int y) { return GetPixel(b.Canvas().Handle(), x, y); }

TEST(Bitmap, LoadsBmpFilesInEveryDepthAndKeepsTheirPixels) {
  // A 3 x 2 picture: red, green, blue / white, black, magenta.
  const std::vector<std::uint32_t> rgb = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0xFF00FF};
  TBitmap bitmap;
  const std::vector<std::uint8_t> file = WriteBmp24(3, 2, rgb);
  bitmap.LoadFromBytes(file.data(), file.size());
  ASSERT_EQ(bitmap.Width(), 3);
  ASSERT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(bitmap, 2, 0), RGB(0, 0, 255));
  EXPECT_EQ(PixelOf(bitmap, 2, 1), RGB(255, 0, 255));
  // Scan lines count from the top, three bytes per pixel in blue, green, red order.
  const std::uint8_t* top = bitmap.ScanLine(0);
  EXPECT_EQ(top[3 + 1], 0xFF);  // green pixel's green byte
  EXPECT_EQ(top[2 * 3 + 0], 0xFF);

  // Saved and loaded again: the same picture.
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  stream.SetPosition(0);
  TBitmap again;
  again.LoadFromStream(stream);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelOf(again, x, y), PixelOf(bitmap, x, y));

  // Converting formats keeps colours.
  again.SetPixelFormat(TPixelFormat::pf32bit);
  EXPECT_EQ(PixelOf(again, 1, 0), RGB(0, 255, 0));
  again.SetPixelFormat(TPixelFormat::pf24bit);
  EXPECT_EQ(PixelOf(again, 2, 1), RGB(255, 0, 255));

  // A damaged file leaves an empty bitmap and a clear error.
  std::vector<std::uint8_t> broken = file;
  broken.resize(40);
  EXPECT_THROW(again.LoadFromBytes(broken.data(), broken.size()), Exception);
  EXPECT_TRUE(again.Empty());
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndAssignCopies) {
  TBitmap bitmap(4, 4);
  bitmap.Canvas().Brush().SetColor(clRed);
  bitmap.Canvas().FillRect(RECT{0, 0, 4, 4});
  bitmap.SetSize(6, 5);
  EXPECT_EQ(PixelOf(bitmap, 3, 3), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(bitmap, 5, 4), RGB(0, 0, 0));
  TBitmap copy;
  copy.Assign(bitmap);
  bitmap.Canvas().Brush().SetColor(clBlue);
  bitmap.Canvas().FillRect(RECT{0, 0, 6, 5});
  EXPECT_EQ(PixelOf(copy, 0, 0), RGB(255, 0, 0));
}

TEST(Canvas, TransparentDrawSkipsTheKeyColour) {
  TBitmap sprite(2, 1);
  sprite.Canvas().SetPixel(0, 0, clFuchsia);
  sprite.Canvas().SetPixel(1, 0, clBlue);
  sprite.SetTransparentColor(clFuchsia);
  TBitmap target(2, 1);
  target.Canvas().Brush().SetColor(clWhite);
  target.Canvas().FillRect(RECT{0, 0, 2, 1});
  target.Canvas().Draw(0, 0, sprite);
  EXPECT_EQ(PixelOf(target, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(PixelOf(target, 1, 0), RGB(0, 0, 255));
}

TEST(Canvas, TextWithTheChineseFontHasSize) {
  TBitmap b(100, 30);
  b.Canvas().Font().SetName(L"宋体");
  b.Canvas().Font().SetHeight(-12);
  const SIZE size = b.Canvas().TextExtent(L"查询结果");
  EXPECT_GT(size.cx, 20);
  EXPECT_GE(size.cy, 12);
}

}  // namespace
