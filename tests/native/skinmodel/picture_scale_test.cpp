// Skin pictures at display scales: frames stay whole, fixed ends keep their scaled size,
// magenta stays exact, and damaged inputs give empty or clamped results.
#include "skin/file/picture_scale.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "base/scale.h"

namespace {

constexpr std::uint32_t kBlack = 0x000000;

// Frames side by side, each frame solid in its own colour with its ends in two more colours.
TPixelPicture FrameStrip(int frames, int cell, int height, int start, int end) {
  TPixelPicture p{frames * cell, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < p.Width; ++x) {
      const int k = x / cell, o = x % cell;
      const std::uint32_t part = o < start ? 1 : o >= cell - end ? 2 : 0;
      p.Pixels.push_back(static_cast<std::uint32_t>(((k + 1) * 10) << 16 | part * 0x40));
    }
  return p;
}

const int kDpis[] = {120, 144, 168, 192, 240};

TEST(ScalePicture, EveryFrameStaysWholeAndItsEndsKeepTheirScaledSize) {
  struct Case {
    int frames, cell, start, end;
  };
  const Case cases[] = {{1, 13, 3, 4}, {3, 13, 0, 0}, {5, 21, 5, 5}, {23, 17, 0, 0}, {6, 19, 2, 7}, {2, 7, 3, 4}};
  for (const Case& c : cases) {
    const TPixelPicture strip = FrameStrip(c.frames, c.cell, 9, c.start, c.end);
    for (int dpi : kDpis) {
      SCOPED_TRACE(testing::Message() << c.frames << "x" << c.cell << " at " << dpi);
      const TPictureRatio ratio{96, dpi};
      const TPixelPicture out = ScalePicture(strip, {c.frames, c.start, c.end}, {}, ratio);
      const int cell = ratio.Apply(c.cell);
      ASSERT_EQ(out.Width, c.frames * cell);
      EXPECT_EQ(out.Width, ScaledPictureLength(strip.Width, {c.frames, c.start, c.end}, ratio));
      ASSERT_EQ(out.Height, ratio.Apply(9));
      const int start = ratio.Apply(c.start), end = ratio.Apply(c.end);
      for (int x = 0; x < out.Width; ++x) {
        // A painter cuts the frames at width / frames: every column shows its own frame's part.
        const int k = x / (out.Width / c.frames), o = x % cell;
        const std::uint32_t part = o < start ? 1 : o >= cell - end ? 2 : 0;
        for (int y = 0; y < out.Height; ++y)
          ASSERT_EQ(out.At(x, y), static_cast<std::uint32_t>(((k + 1) * 10) << 16 | part * 0x40)) << "column " << x;
      }
    }
  }
}

TEST(ScalePicture, WholeRatiosRepeatPixelsAndTwiceSizeSourcesMeetTheSameSizes) {
  std::mt19937 random(7);
  TPixelPicture p{11, 6, {}};
  for (int i = 0; i < 66; ++i) p.Pixels.push_back(random() % 4 == 0 ? kPictureKey : random() & 0xFFFFFF);
  const TPixelPicture twice = ScalePicture(p, {1, 3, 2}, {1, 1, 1}, {96, 192});
  ASSERT_EQ(twice.Width, 22);
  for (int y = 0; y < twice.Height; ++y)
    for (int x = 0; x < twice.Width; ++x) ASSERT_EQ(twice.At(x, y), p.At(x / 2, y / 2));
  // A twice-size picture scaled down from 192 lands on exactly the sizes of the 1x picture.
  for (int dpi : kDpis) {
    const TPictureAxis axis{3, 1, 2};
    EXPECT_EQ(ScaledPictureLength(2 * 39, {3, 2, 4}, {192, dpi}), ScaledPictureLength(39, axis, {96, dpi})) << dpi;
  }
}

TEST(ScalePicture, MagentaStaysExactAndNeverBleeds) {
  std::mt19937 random(11);
  TPixelPicture p{17, 13, {}};
  for (int i = 0; i < 17 * 13; ++i) p.Pixels.push_back(random() % 3 == 0 ? kPictureKey : kBlack);
  for (int dpi : kDpis) {
    const TPictureRatio ratio{96, dpi};
    const TPixelPicture out = ScalePicture(p, {}, {}, ratio);
    std::set<std::uint32_t> colours(out.Pixels.begin(), out.Pixels.end());
    // Only black and the key: a blend next to a hole takes nothing of its colour.
    EXPECT_EQ(colours, (std::set<std::uint32_t>{kBlack, kPictureKey})) << dpi;
    // A pixel is the key exactly where its nearest source pixel is.
    for (int y = 0; y < out.Height; ++y)
      for (int x = 0; x < out.Width; ++x) {
        const int sx = (2 * x + 1) * 17 / (2 * out.Width), sy = (2 * y + 1) * 13 / (2 * out.Height);
        ASSERT_EQ(out.At(x, y) == kPictureKey, p.At(sx, sy) == kPictureKey) << x << "," << y << " at " << dpi;
      }
  }
}

TEST(ScalePicture, InBetweenRatiosBlendAndNeverMakeTheKey) {
  // Red and blue stripes whose blend would be magenta if it were not kept off the key.
  TPixelPicture p{4, 1, {0xFF0000, 0x0000FF, 0xFF0000, 0x0000FF}};
  const TPixelPicture out = ScalePicture(p, {}, {}, {96, 144});
  ASSERT_EQ(out.Width, 6);
  std::set<std::uint32_t> colours(out.Pixels.begin(), out.Pixels.end());
  EXPECT_EQ(colours.count(kPictureKey), 0u);
  EXPECT_GT(colours.size(), 2u);  // blended, not only repeated
}

TEST(ScalePicture, DamagedInputsGiveEmptyOrClampedPictures) {
  EXPECT_EQ(ScalePicture({}, {}, {}, {96, 144}).Width, 0);
  EXPECT_EQ(ScalePicture({5, 5, std::vector<std::uint32_t>(3)}, {}, {}, {96, 144}).Width, 0);  // short pixels
  const TPixelPicture p = FrameStrip(1, 6, 2, 0, 0);
  // More frames than pixels: one frame; ends longer than the frame are clamped to it.
  EXPECT_EQ(ScalePicture(p, {40, 0, 0}, {}, {96, 144}).Width, 9);
  EXPECT_EQ(ScalePicture(p, {1, 50, 50}, {1, -3, 99}, {96, 144}).Width, 9);
  EXPECT_EQ(ScalePicture(p, {}, {}, {0, 144}).Width, 6);  // no ratio: unchanged
}

}  // namespace

namespace {

TEST(ScaleByDpi, RoundsHalvesAwayFromZeroAndComesBackFromEveryCommonScale) {
  // The platform's MulDiv rule: 1.5 -> 2, -1.5 -> -2, 2.5 -> 3, 3.75 -> 4.
  EXPECT_EQ(ScaleByDpi(1, 144), 2);
  EXPECT_EQ(ScaleByDpi(-1, 144), -2);
  EXPECT_EQ(ScaleByDpi(2, 120), 3);
  EXPECT_EQ(ScaleByDpi(3, 120), 4);
  EXPECT_EQ(MulDivRound(7, 1, 0), 7);  // no ratio: unchanged
  for (int dpi : {120, 144, 192})
    for (int v = -700; v <= 700; ++v)
      ASSERT_EQ(RescaleDpi(ScaleByDpi(v, dpi), dpi, kDesignDpi), v) << v << " at " << dpi;
}

}  // namespace
