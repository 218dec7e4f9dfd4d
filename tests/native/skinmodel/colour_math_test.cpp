// Blends, saturation, gradient ramps and their cache, visible gradient lines, colour texts.
#include "skin/file/colour_math.h"

#include <gtest/gtest.h>

#include "base/error.h"

namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kBlack = 0x000000;

TEST(BlendRgb, WeightsBelowHundredArePercentsAboveArePerMille) {
  EXPECT_EQ(BlendRgb(kWhite, kBlack, 50), RgbColour(128, 128, 128));
  EXPECT_EQ(BlendRgb(kWhite, kBlack, 150), RgbColour(38, 38, 38));
  EXPECT_EQ(BlendRgb(kWhite, kBlack, 100), RgbColour(26, 26, 26));  // 10 %, not 100 %
  EXPECT_EQ(BlendRgb(kWhite, kBlack, 0), kBlack);
  EXPECT_EQ(BlendRgb(RgbColour(10, 20, 30), RgbColour(110, 120, 130), 99), RgbColour(11, 21, 31));
}

TEST(BlendRgb, ChannelsStayApartAndOnlyTheLowByteIsKept) {
  EXPECT_EQ(BlendRgb(RgbColour(200, 0, 0), RgbColour(0, 0, 200), 50), RgbColour(100, 0, 100));
  // 2000 per mille: 255 * 2000 - 0 * 1000 overflows a channel; the low 8 bits of 510 remain.
  EXPECT_EQ(RedOf(BlendRgb(kWhite, kBlack, 2000)), 510 & 0xFF);
  // Negative intermediate results truncate toward zero: (0*1500 + 255*(-500) + 500)/1000 = -127.
  EXPECT_EQ(RedOf(BlendRgb(kBlack, kWhite, 1500)), (-127) & 0xFF);
  // Huge weights do not overflow the arithmetic: 255 * 2e9 needs 64 bits.
  EXPECT_EQ(BlendRgb(kWhite, kWhite, 2000000000), kWhite);
  EXPECT_EQ(RedOf(BlendRgb(kWhite, kBlack, 2000000000)), (255ll * 2000000000 + 500) / 1000 & 0xFF);
}

TEST(ColourSaturation, BrightColoursAreMeasuredDarkOnesAre200) {
  EXPECT_EQ(ColourSaturation(RgbColour(255, 0, 0)), 255);
  EXPECT_EQ(ColourSaturation(RgbColour(100, 50, 50)), 200);
  EXPECT_EQ(ColourSaturation(RgbColour(200, 100, 100)), 128);  // 127.5 goes to the even 128
  EXPECT_EQ(ColourSaturation(RgbColour(255, 255, 255)), 0);
  EXPECT_EQ(ColourSaturation(RgbColour(0, 0, 160)), 255);
  EXPECT_EQ(ColourSaturation(RgbColour(159, 159, 0)), 200);
  // 255 * 85/170 = 127.5 again, from the blue side.
  EXPECT_EQ(ColourSaturation(RgbColour(85, 85, 170)), 128);
  // 255 * 1/170 = 1.5 goes to 2, 255 * 3/170 = 4.5 goes to 4.
  EXPECT_EQ(ColourSaturation(RgbColour(170, 169, 169)), 2);
  EXPECT_EQ(ColourSaturation(RgbColour(170, 167, 167)), 4);
}

TEST(ComputeRamp, RisingRampsEndOnTheEndColourFallingOnesMayStopShort) {
  const auto up = ComputeRamp(5, RgbColour(0, 0, 0), RgbColour(100, 10, 4));
  ASSERT_EQ(up.size(), 5u);
  EXPECT_EQ(up[0], RgbColour(0, 0, 0));
  EXPECT_EQ(up[1], RgbColour(25, 3, 1));  // (1*100+2)/4, (1*10+2)/4, (1*4+2)/4
  EXPECT_EQ(up[2], RgbColour(50, 5, 2));
  EXPECT_EQ(up[4], RgbColour(100, 10, 4));

  // Falling: (i*d + h)/m with d < 0 truncates toward zero, so the last entry is 1 short.
  const auto down = ComputeRamp(3, RgbColour(10, 0, 0), RgbColour(0, 0, 0));
  EXPECT_EQ(down[1], RgbColour(10 + (-10 + 1) / 2, 0, 0));
  EXPECT_EQ(down[2], RgbColour(10 + (-20 + 1) / 2, 0, 0));
  EXPECT_EQ(down.back(), RgbColour(1, 0, 0));

  const auto one = ComputeRamp(1, RgbColour(0, 100, 201), RgbColour(100, 0, 0));
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0], RgbColour(50, 50, 101));  // midpoints, -201/2 = -100
}

TEST(ComputeRamp, LongRampsDoNotOverflow) {
  // Past 2^31 / 255 lines, i * d no longer fits 32 bits.
  const auto ramp = ComputeRamp(9000000, kBlack, kWhite);
  EXPECT_EQ(ramp.back(), kWhite);
  EXPECT_EQ(ramp[8999998], kWhite);  // (8999998 * 255 + h) / m rounds up to 255
}

TEST(GradientCache, StepCountsBelowOneAreAssertionFailures) {
  ResetGradientCache();
  for (int n : {0, -3}) {
    EXPECT_THROW(MakeGradient(n, kBlack, kWhite), EAssertionFailed);
    EXPECT_THROW(FindGradient(n, kBlack, kWhite), EAssertionFailed);
    EXPECT_THROW(GetGradient(n, kBlack, kWhite), EAssertionFailed);
  }
  try {
    GetGradient(0, kBlack, kWhite);
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message(), "Assertion failure (imgutil)");
  }
}

TEST(GradientCache, HitsAreFoundByLengthAndEndsAndSlotsCycle) {
  ResetGradientCache();
  EXPECT_EQ(FindGradient(10, kBlack, kWhite), -1);
  const int first = GetGradient(10, kBlack, kWhite);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(GetGradient(10, kBlack, kWhite), 0);  // found again, no new slot
  EXPECT_EQ(GetGradient(11, kBlack, kWhite), 1);  // another length is another ramp
  for (int i = 0; i < 14; ++i) GetGradient(20 + i, kBlack, kWhite);
  EXPECT_EQ(FindGradient(10, kBlack, kWhite), 0);
  // The 17th distinct ramp overwrites the first.
  EXPECT_EQ(GetGradient(100, kBlack, kWhite), 0);
  EXPECT_EQ(FindGradient(10, kBlack, kWhite), -1);
  EXPECT_EQ(GradientRamp(0).size(), 100u);
}

TEST(GradientCache, RampsThatEndShortAndOneStepRampsAreRecomputedEveryTime) {
  ResetGradientCache();
  const std::int32_t from = RgbColour(10, 0, 0), to = RgbColour(0, 0, 0);
  EXPECT_EQ(GetGradient(3, from, to), 0);
  EXPECT_EQ(GetGradient(3, from, to), 1);  // last entry is (1,0,0), never equal to c2
  EXPECT_EQ(GetGradient(3, from, to), 2);
  EXPECT_EQ(GetGradient(1, kBlack, kWhite), 3);  // a midpoint is neither end
  EXPECT_EQ(GetGradient(1, kBlack, kWhite), 4);
  // A one-step ramp of one colour is found again.
  EXPECT_EQ(GetGradient(1, kWhite, kWhite), 5);
  EXPECT_EQ(GetGradient(1, kWhite, kWhite), 5);
}

TEST(GradientLinesInClip, OnlyTheLinesInsideTheClipAreDrawn) {
  // Whole rectangle visible.
  auto all = GradientLinesInClip(10, 50, 0, 100);
  EXPECT_EQ(all.Count, 40);
  EXPECT_EQ(all.First, 0);
  EXPECT_EQ(all.Last, 39);
  // Clip starts inside: lines above it are skipped, offsets stay those of the whole gradient.
  auto top = GradientLinesInClip(10, 50, 25, 100);
  EXPECT_EQ(top.First, 15);
  EXPECT_EQ(top.Last, 39);
  // Clip ends inside: the last line is the one above the clip's end.
  auto bottom = GradientLinesInClip(10, 50, 0, 30);
  EXPECT_EQ(bottom.First, 0);
  EXPECT_EQ(bottom.Last, 19);
  auto both = GradientLinesInClip(10, 50, 20, 21);
  EXPECT_EQ(both.First, 10);
  EXPECT_EQ(both.Last, 10);
  // Empty extent: nothing, and no ramp of length 0 is ever asked for.
  EXPECT_LE(GradientLinesInClip(10, 10, 0, 100).Count, 0);
  EXPECT_LE(GradientLinesInClip(10, 5, 0, 100).Count, 0);
  // Clip entirely outside.
  auto outside = GradientLinesInClip(10, 50, 60, 70);
  EXPECT_LT(outside.Last, outside.First);
}

TEST(ParseColour, NumbersSeparatedByAnythingMakeRedGreenBlue) {
  EXPECT_EQ(ParseColour("255,0,128"), RgbColour(255, 0, 128));
  EXPECT_EQ(ParseColour("255 0 128"), RgbColour(255, 0, 128));
  EXPECT_EQ(ParseColour("  10;20;30\t"), RgbColour(10, 20, 30));
  EXPECT_EQ(ParseColour("236 233 216"), RgbColour(236, 233, 216));
  EXPECT_EQ(ParseColour("12"), kBlack);
  EXPECT_EQ(ParseColour(""), kBlack);
  EXPECT_EQ(ParseColour("7,8"), RgbColour(7, 0, 0));
  EXPECT_EQ(ParseColour("7,8,"), RgbColour(7, 8, 0));
  EXPECT_EQ(ParseColour("1,2,3,4"), RgbColour(1, 2, 3));  // a fourth number is ignored
  EXPECT_EQ(ParseColour("1, , 2 ,x3"), RgbColour(1, 2, 3));
  EXPECT_EQ(ParseColour("256 257 258"), RgbColour(0, 1, 2));  // low byte of each
  // Long digit runs keep their low byte: 10^23 - 1 is 255 modulo 256.
  EXPECT_EQ(ParseColour("99999999999999999999999 1 2"), RgbColour(255, 1, 2));
}

}  // namespace
