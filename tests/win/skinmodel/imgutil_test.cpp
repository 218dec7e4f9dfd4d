// The bitmap colour utilities, pixel by pixel: key colour, mirror, flip, quarter turns,
// system colour blends and the clipped gradient fill.
#include "skin/file/imgutil.h"

#include <gtest/gtest.h>

#include "test_skin.h"

namespace {

// A picture whose every pixel is distinct: (x, y) -> RGB(10 + x, 20 + y, 30).
std::unique_ptr<TBitmap> Coded(int w, int h, TPixelFormat format = TPixelFormat::pf24bit) {
  auto b = std::make_unique<TBitmap>(w, h, format);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) SetPixel(b->Canvas().Handle(), x, y, RGB(10 + x, 20 + y, 30));
  return b;
}

COLORREF CodeOf(int x, int y) {
  return RGB(10 + x, 20 + y, 30);
}

TEST(ImgUtil, KeyColourIsReplacedAndOtherPixelsStay) {
  TBitmap b(2, 2, TPixelFormat::pf32bit);
  SetPixel(b.Canvas().Handle(), 0, 0, RGB(255, 0, 255));
  SetPixel(b.Canvas().Handle(), 1, 0, RGB(255, 0, 254));
  SetPixel(b.Canvas().Handle(), 0, 1, RGB(1, 2, 3));
  SetPixel(b.Canvas().Handle(), 1, 1, RGB(255, 0, 255));
  ReplaceKeyColour(b, RGB(7, 8, 9));
  EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(PixelAt(b, 0, 0), RGB(7, 8, 9));
  EXPECT_EQ(PixelAt(b, 1, 1), RGB(7, 8, 9));
  EXPECT_EQ(PixelAt(b, 1, 0), RGB(255, 0, 254));
  EXPECT_EQ(PixelAt(b, 0, 1), RGB(1, 2, 3));
  // A system colour is painted as its current value.
  TBitmap s(1, 1);
  SetPixel(s.Canvas().Handle(), 0, 0, RGB(255, 0, 255));
  ReplaceKeyColour(s, clBtnFace);
  EXPECT_EQ(PixelAt(s, 0, 0), GetSysColor(COLOR_BTNFACE));
}

TEST(ImgUtil, MirrorAndFlipMovePixelsAndLeaveOtherFormatsAlone) {
  auto mPtr = Coded(3, 2);
  TBitmap& m = *mPtr;
  MirrorHorizontal(m);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(m, x, y), CodeOf(2 - x, y)) << x << "," << y;
  auto fPtr = Coded(3, 3);
  TBitmap& f = *fPtr;
  FlipVertical(f);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(f, x, y), CodeOf(x, 2 - y)) << x << "," << y;
  // Rows of an 8-bit picture are not three bytes per pixel: nothing is touched.
  auto palettePtr = Coded(5, 2, TPixelFormat::pf8bit);
  TBitmap& palette = *palettePtr;
  const COLORREF before = PixelAt(palette, 0, 0);
  MirrorHorizontal(palette);
  FlipVertical(palette);
  EXPECT_EQ(PixelAt(palette, 0, 0), before);
  TBitmap empty;
  MirrorHorizontal(empty);
  RotateLeft(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(ImgUtil, QuarterTurnsMoveCornersAndUndoEachOther) {
  auto leftPtr = Coded(3, 2);
  TBitmap& left = *leftPtr;
  RotateLeft(left);
  ASSERT_EQ(left.Width(), 2);
  ASSERT_EQ(left.Height(), 3);
  // New (x, y) = old (W - 1 - y, x): the old top-right corner is the new top-left one.
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(PixelAt(left, x, y), CodeOf(2 - y, x)) << x << "," << y;
  EXPECT_EQ(left.PixelFormat(), TPixelFormat::pf24bit);

  auto rightPtr = Coded(3, 2);
  TBitmap& right = *rightPtr;
  RotateRight(right);
  ASSERT_EQ(right.Width(), 2);
  // New (x, y) = old (y, H - 1 - x): the old top-left corner is the new top-right one.
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(PixelAt(right, x, y), CodeOf(y, 1 - x)) << x << "," << y;
  EXPECT_EQ(PixelAt(right, 1, 0), CodeOf(0, 0));

  auto backPtr = Coded(5, 3);
  TBitmap& back = *backPtr;
  RotateLeft(back);
  RotateRight(back);
  ASSERT_EQ(back.Width(), 5);
  ASSERT_EQ(back.Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(PixelAt(back, x, y), CodeOf(x, y));
}

TEST(ImgUtil, BlendsResolveSystemColours) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(static_cast<COLORREF>(BlendColours(clBtnFace, clBtnFace, 50)), face);
  EXPECT_EQ(BlendColours(clWhite, clBlack, 150), RGB(38, 38, 38));
  EXPECT_EQ(
      BlendColours(clBtnFace, clBlack, 50),
      RGB((GetRValue(face) * 50 + 50) / 100, (GetGValue(face) * 50 + 50) / 100, (GetBValue(face) * 50 + 50) / 100));
}

TEST(ImgUtil, GradientFillDrawsTheRampAndOnlyTheVisibleLines) {
  ResetGradientCache();
  const TColor from = RGB(0, 0, 0), to = RGB(160, 80, 40);
  const std::vector<std::int32_t> ramp = ComputeRamp(40, from, to);

  TBitmap whole(6, 50);
  const HDC dc = whole.Canvas().Handle();
  PatBlt(dc, 0, 0, 6, 50, WHITENESS);
  GradientFill(dc, RECT{1, 5, 5, 45}, from, to, true);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(PixelAt(whole, 2, 5 + i), static_cast<COLORREF>(ramp[i])) << i;
  EXPECT_EQ(PixelAt(whole, 2, 4), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(whole, 0, 10), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(whole, 2, 45), RGB(255, 255, 255));

  // Clipped to rows 20..29: those rows have their colour of the whole gradient, no others.
  TBitmap clipped(6, 50);
  const HDC cdc = clipped.Canvas().Handle();
  PatBlt(cdc, 0, 0, 6, 50, WHITENESS);
  {
    TSaveDC keep(cdc);
    IntersectClipRect(cdc, 0, 20, 6, 30);
    GradientFill(cdc, RECT{1, 5, 5, 45}, from, to, true);
  }
  for (int y = 0; y < 50; ++y) {
    const COLORREF expected = y >= 20 && y < 30 ? static_cast<COLORREF>(ramp[y - 5]) : RGB(255, 255, 255);
    EXPECT_EQ(PixelAt(clipped, 2, y), expected) << y;
  }
  // The same ramp was found in the cache, not made again.
  EXPECT_EQ(FindGradient(40, from, to), 0);
  EXPECT_EQ(GetGradient(40, from, to), 0);

  // Horizontal: entry 0 at the left.
  TBitmap across(20, 3);
  const HDC adc = across.Canvas().Handle();
  GradientFill(adc, RECT{0, 0, 20, 3}, clWhite, clBlack, false);
  const std::vector<std::int32_t> hramp = ComputeRamp(20, clWhite, clBlack);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(PixelAt(across, x, 1), static_cast<COLORREF>(hramp[x])) << x;
  // An empty rectangle draws nothing and asks for no ramp.
  GradientFill(adc, RECT{5, 0, 5, 3}, clRed, clBlue, false);
  EXPECT_EQ(FindGradient(1, clRed, clBlue), -1);
}

}  // namespace
