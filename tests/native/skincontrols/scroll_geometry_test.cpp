// The scroll-bar rules: parts' rectangles, hit parts, grips, dragging, the stand-alone control's
// thumb and the drop-down list's thumb tracking. Expected values are worked out by hand in the
// comments; sizes are deliberately unlike any real skin's.
#include "skin/controls/scroll_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// 200 long, 17 thick, arrows of 16, thumb from 40 to 70.
TScrollBarGeometry Bar(bool vertical) {
  TScrollBarGeometry g;
  g.Vertical = vertical;
  g.Length = 200;
  g.Thickness = 17;
  g.ArrowSize = 16;
  g.ThumbStart = 40;
  g.ThumbEnd = 70;
  return g;
}

TEST(ScrollBarThickness, ImageHeightUnlessMoreThanTwoFromTheArrowSize) {
  EXPECT_EQ(ScrollBarThickness(17, 16), 17);
  EXPECT_EQ(ScrollBarThickness(17, 20), 20);
  EXPECT_EQ(ScrollBarThickness(14, 16), 14);
  EXPECT_EQ(ScrollBarThickness(18, 16), 18);
  EXPECT_EQ(ScrollBarThickness(13, 16), 16);
  EXPECT_EQ(ScrollBarThickness(19, 16), 16);
}

TEST(ScrollBarParts, VerticalArrowsTrackPageAreasAndThumb) {
  const TScrollBarGeometry g = Bar(true);
  EXPECT_EQ(g.PartRect(spFirstArrow), (TScrollRect{0, 0, 17, 16}));
  EXPECT_EQ(g.PartRect(spSecondArrow), (TScrollRect{0, 184, 17, 200}));
  EXPECT_EQ(g.TrackRect(), (TScrollRect{0, 16, 17, 184}));
  EXPECT_EQ(g.PartRect(spPageBefore), (TScrollRect{0, 16, 17, 40}));
  EXPECT_EQ(g.PartRect(spThumb), (TScrollRect{0, 40, 17, 70}));
  EXPECT_EQ(g.PartRect(spPageAfter), (TScrollRect{0, 70, 17, 184}));
  EXPECT_TRUE(g.PartRect(spNone).IsEmpty());
}

TEST(ScrollBarParts, HorizontalRunsAlongX) {
  const TScrollBarGeometry g = Bar(false);
  EXPECT_EQ(g.PartRect(spFirstArrow), (TScrollRect{0, 0, 16, 17}));
  EXPECT_EQ(g.PartRect(spSecondArrow), (TScrollRect{184, 0, 200, 17}));
  EXPECT_EQ(g.TrackRect(), (TScrollRect{16, 0, 184, 17}));
  EXPECT_EQ(g.PartRect(spPageBefore), (TScrollRect{16, 0, 40, 17}));
  EXPECT_EQ(g.PartRect(spThumb), (TScrollRect{40, 0, 70, 17}));
  EXPECT_EQ(g.PartRect(spPageAfter), (TScrollRect{70, 0, 184, 17}));
}

TEST(ScrollBarParts, WithoutAThumbTheWholeTrackPagesForward) {
  TScrollBarGeometry g = Bar(true);
  g.ThumbStart = g.ThumbEnd = 0;
  EXPECT_TRUE(g.PartRect(spThumb).IsEmpty());
  EXPECT_TRUE(g.PartRect(spPageBefore).IsEmpty());
  EXPECT_EQ(g.PartRect(spPageAfter), (TScrollRect{0, 16, 17, 184}));
  EXPECT_EQ(g.HitTest(16), spPageAfter);
  EXPECT_EQ(g.HitTest(183), spPageAfter);
  EXPECT_EQ(g.HitTest(184), spSecondArrow);
}

TEST(ScrollBarParts, ABarShorterThanTwoArrowsSplitsItsLength) {
  TScrollBarGeometry g = Bar(true);
  g.ThumbStart = g.ThumbEnd = 0;
  g.Length = 20;  // arrows of 10 each, no track
  EXPECT_EQ(g.ArrowLength(), 10);
  EXPECT_EQ(g.PartRect(spFirstArrow), (TScrollRect{0, 0, 17, 10}));
  EXPECT_EQ(g.PartRect(spSecondArrow), (TScrollRect{0, 10, 17, 20}));
  EXPECT_TRUE(g.TrackRect().IsEmpty());
  // The hit parts follow the drawn arrows, not the full arrow size.
  EXPECT_EQ(g.HitTest(9), spFirstArrow);
  EXPECT_EQ(g.HitTest(10), spSecondArrow);
  g.Length = 21;  // the odd pixel between the arrows is track
  EXPECT_EQ(g.PartRect(spSecondArrow), (TScrollRect{0, 11, 17, 21}));
  EXPECT_EQ(g.TrackRect(), (TScrollRect{0, 10, 17, 11}));
  EXPECT_EQ(g.HitTest(10), spPageAfter);
  EXPECT_EQ(g.HitTest(11), spSecondArrow);
  g.Length = 32;  // exactly two arrows keep their size
  EXPECT_EQ(g.ArrowLength(), 16);
}

TEST(ScrollBarHitTest, EveryBoundaryBelongsToThePartAfterIt) {
  TScrollBarGeometry g = Bar(true);
  EXPECT_EQ(g.HitTest(-1), spFirstArrow);
  EXPECT_EQ(g.HitTest(15), spFirstArrow);
  EXPECT_EQ(g.HitTest(16), spPageBefore);
  EXPECT_EQ(g.HitTest(39), spPageBefore);
  EXPECT_EQ(g.HitTest(40), spThumb);
  EXPECT_EQ(g.HitTest(69), spThumb);
  EXPECT_EQ(g.HitTest(70), spPageAfter);
  EXPECT_EQ(g.HitTest(183), spPageAfter);
  EXPECT_EQ(g.HitTest(184), spSecondArrow);
  EXPECT_EQ(g.HitTest(199), spSecondArrow);
  // A thumb against the first arrow leaves no page before it.
  g.ThumbStart = 16;
  EXPECT_EQ(g.HitTest(16), spThumb);
  EXPECT_TRUE(g.PartRect(spPageBefore).IsEmpty());
}

TEST(ScrollBarGrip, CentredOnlyOnAThumbAtLeastTwoLongerThanIt) {
  TScrollBarGeometry g = Bar(true);
  g.ThumbStart = 40;
  g.ThumbEnd = 80;  // 40 long: offset (40 - 17) / 2 = 11
  EXPECT_EQ(g.GripRect(17), (TScrollRect{0, 51, 17, 68}));
  g = Bar(false);
  g.ThumbStart = 40;
  g.ThumbEnd = 59;  // 19 long: offset 1
  EXPECT_EQ(g.GripRect(17), (TScrollRect{41, 0, 58, 17}));
  g.ThumbEnd = 58;  // 18 long: the grip would touch the thumb's edge
  EXPECT_TRUE(g.GripRect(17).IsEmpty());
  g.ThumbEnd = 56;
  EXPECT_TRUE(g.GripRect(17).IsEmpty());
  EXPECT_TRUE(g.GripRect(0).IsEmpty());
}

TEST(ScrollBarDrag, FollowsTheCursorInsideTheTrackKeepingItsLength) {
  TScrollBarGeometry g = Bar(true);  // thumb 30 long, travel 16..154
  g.DragThumb(40, 25);
  EXPECT_EQ(g.ThumbStart, 65);
  EXPECT_EQ(g.ThumbEnd, 95);
  g.DragThumb(40, -100);
  EXPECT_EQ(g.ThumbStart, 16);
  EXPECT_EQ(g.ThumbEnd, 46);
  g.DragThumb(40, 114);  // the last place: 200 - 16 - 30
  EXPECT_EQ(g.ThumbStart, 154);
  EXPECT_EQ(g.ThumbEnd, 184);
  g.DragThumb(40, 500);
  EXPECT_EQ(g.ThumbStart, 154);
  // No room to move: the thumb stays at the track's start.
  g.Length = 50;
  g.DragThumb(40, 3);
  EXPECT_EQ(g.ThumbStart, 16);
  EXPECT_EQ(g.ThumbEnd, 46);
}

// The stand-alone control below is 216 long with arrows of 16: a track of 184 from 16 to 200.
constexpr int kLen = 216, kArrow = 16;

TEST(ControlThumb, WithAPageTheThumbShowsThePage) {
  // t = round(184 * 20 / 100) = round(36.8) = 37.
  EXPECT_EQ(ControlThumb({0, 100, 21, 0}, kLen, kArrow), (TThumbSpan{16, 53}));
  // 184 * 50 / 100 + 16 = 108.
  EXPECT_EQ(ControlThumb({0, 100, 21, 50}, kLen, kArrow), (TThumbSpan{108, 145}));
  // The last position, 80: 184 * 80 / 100 = 147.2 -> 163, ending on the track's end.
  EXPECT_EQ(ControlThumb({0, 100, 21, 80}, kLen, kArrow), (TThumbSpan{163, 200}));
  // A position past the last one still keeps the thumb on the track.
  EXPECT_EQ(ControlThumb({0, 100, 21, 100}, kLen, kArrow), (TThumbSpan{163, 200}));
  // Offsets from a minimum other than 0: 184 * 50 / 100 + 16 again.
  EXPECT_EQ(ControlThumb({-30, 70, 21, 20}, kLen, kArrow), (TThumbSpan{108, 145}));
}

TEST(ControlThumb, LengthIsRoundedStartIsTruncated) {
  // t = 184 * 1 / 16 = 11.5 -> 12; start at 3: 184 * 3 / 16 = 34.5 -> 34.
  EXPECT_EQ(ControlThumb({0, 16, 2, 0}, kLen, kArrow), (TThumbSpan{16, 28}));
  EXPECT_EQ(ControlThumb({0, 16, 2, 3}, kLen, kArrow), (TThumbSpan{50, 62}));
}

TEST(ControlThumb, NeverShorterThanEightAndThenTravelsTheShorterTrack) {
  // t = round(184 * 10 / 1000) = 2 -> 8; start (184 - 8) * pos / 1000 + 16.
  EXPECT_EQ(ControlThumb({0, 1000, 11, 0}, kLen, kArrow), (TThumbSpan{16, 24}));
  EXPECT_EQ(ControlThumb({0, 1000, 11, 500}, kLen, kArrow), (TThumbSpan{104, 112}));
  EXPECT_EQ(ControlThumb({0, 1000, 11, 990}, kLen, kArrow), (TThumbSpan{190, 198}));
  // Over a range of 184 the thumb is page - 1 long: 7 is raised to 8 and travels 176 pixels,
  // 8 stays and travels all 184: at the middle position 92, 176 / 2 vs 184 / 2.
  EXPECT_EQ(ControlThumb({0, 184, 8, 92}, kLen, kArrow), (TThumbSpan{104, 112}));
  EXPECT_EQ(ControlThumb({0, 184, 9, 92}, kLen, kArrow), (TThumbSpan{108, 116}));
}

TEST(ControlThumb, WithoutAPageTheThumbIsAnArrowLong) {
  EXPECT_EQ(ControlThumb({0, 100, 0, 0}, kLen, kArrow), (TThumbSpan{16, 32}));
  // (216 - 48) * 50 / 100 + 16 = 100.
  EXPECT_EQ(ControlThumb({0, 100, 0, 50}, kLen, kArrow), (TThumbSpan{100, 116}));
  EXPECT_EQ(ControlThumb({0, 100, 0, 100}, kLen, kArrow), (TThumbSpan{184, 200}));
  EXPECT_EQ(ControlThumb({0, 100, 0, -5}, kLen, kArrow), (TThumbSpan{16, 32}));
  EXPECT_EQ(ControlThumb({0, 100, -3, 50}, kLen, kArrow), (TThumbSpan{100, 116}));
}

TEST(ControlThumb, EmptyReversedAndOverfullRanges) {
  // Equal ends: a range of 9 999 999 makes the paged thumb the minimum, at the start.
  EXPECT_EQ(ControlThumb({5, 5, 5, 5}, kLen, kArrow), (TThumbSpan{16, 24}));
  EXPECT_EQ(ControlThumb({5, 5, 5, 7}, kLen, kArrow), (TThumbSpan{16, 24}));
  // A maximum below the minimum is an empty range.
  EXPECT_EQ(ControlThumb({10, 0, 0, 5}, kLen, kArrow), (TThumbSpan{16, 32}));
  // A page larger than the range: round(184 * 19 / 10) = 350, cut to the track.
  EXPECT_EQ(ControlThumb({0, 10, 20, 0}, kLen, kArrow), (TThumbSpan{16, 200}));
  EXPECT_EQ(ControlThumb({0, 10, 20, 10}, kLen, kArrow), (TThumbSpan{16, 200}));
}

TEST(ControlThumb, TheWholeIntegerRangeDoesNotOverflow) {
  // Range 4 294 967 295; the middle position 0 is 2^31 from the minimum:
  // 168 * 2^31 / range = 84.00000002 -> 100 with the arrow.
  EXPECT_EQ(ControlThumb({INT_MIN, INT_MAX, 0, 0}, kLen, kArrow), (TThumbSpan{100, 116}));
  // t = round(184 * (2^31 - 2) / range) = round(91.9999999) = 92;
  // start 184 * 2^31 / range = 92.00000002 -> 108.
  EXPECT_EQ(ControlThumb({INT_MIN, INT_MAX, INT_MAX, 0}, kLen, kArrow), (TThumbSpan{108, 200}));
  EXPECT_EQ(ControlThumb({INT_MIN, INT_MAX, INT_MAX, INT_MAX}, kLen, kArrow), (TThumbSpan{108, 200}));
}

TEST(ControlThumb, NoThumbWhereTheTrackCannotHoldIt) {
  // 40 long leaves a track of 8: room for the paged minimum, not for an arrow-long thumb.
  EXPECT_EQ(ControlThumb({0, 100, 10, 0}, 40, kArrow), (TThumbSpan{16, 24}));
  EXPECT_EQ(ControlThumb({0, 100, 0, 0}, 40, kArrow), (TThumbSpan{}));
  EXPECT_EQ(ControlThumb({0, 100, 10, 0}, 39, kArrow), (TThumbSpan{}));
  EXPECT_EQ(ControlThumb({0, 100, 10, 50}, 20, kArrow), (TThumbSpan{}));
  EXPECT_EQ(ControlThumb({0, 100, 0, 50}, 0, kArrow), (TThumbSpan{}));
}

// A list bar 200 long with arrows of 16 (track 168) and its thumb from 40 to 70: offset 24,
// travel 138.
TListThumbDrag ListDrag(const TScrollRange& info) {
  const auto drag = BeginListThumbDrag(55, 40, 70, 200, 16, info);
  EXPECT_TRUE(drag.has_value());
  return drag.value_or(TListThumbDrag{});
}

TEST(ListThumbDrag, TakenOnlyOnTheThumbBothEndsIncluded) {
  const TScrollRange info{0, 99, 10, 0};
  EXPECT_FALSE(BeginListThumbDrag(39, 40, 70, 200, 16, info).has_value());
  EXPECT_TRUE(BeginListThumbDrag(40, 40, 70, 200, 16, info).has_value());
  EXPECT_TRUE(BeginListThumbDrag(70, 40, 70, 200, 16, info).has_value());
  EXPECT_FALSE(BeginListThumbDrag(71, 40, 70, 200, 16, info).has_value());
  const TListThumbDrag d = ListDrag(info);
  EXPECT_EQ(d.Offset, 24);
  EXPECT_EQ(d.Track, 168);
  EXPECT_EQ(d.ThumbLength, 30);
}

TEST(ListThumbDrag, WithAPageTheEndShowsTheLastPage) {
  const TListThumbDrag d = ListDrag({0, 99, 10, 0});
  EXPECT_EQ(ListThumbDragPosition(d, 0), 15);  // 24 * 89 / 138 = 15.48
  EXPECT_EQ(ListThumbDragPosition(d, -100), 0);
  EXPECT_EQ(ListThumbDragPosition(d, 113), 88);  // 137 * 89 / 138 = 88.4
  EXPECT_EQ(ListThumbDragPosition(d, 114), 90);  // 89 reaches max - page: the last, 90
  EXPECT_EQ(ListThumbDragPosition(d, 500), 90);
  const TListThumbDrag shifted = ListDrag({10, 109, 10, 0});
  EXPECT_EQ(ListThumbDragPosition(shifted, 0), 25);
  EXPECT_EQ(ListThumbDragPosition(shifted, 500), 100);
}

TEST(ListThumbDrag, PositionsRiseStepByStepFromFirstToLast) {
  const TListThumbDrag d = ListDrag({0, 99, 10, 0});
  int last = ListThumbDragPosition(d, -30);
  EXPECT_EQ(last, 0);
  for (int delta = -29; delta <= 150; ++delta) {
    const int pos = ListThumbDragPosition(d, delta);
    EXPECT_GE(pos, last) << delta;
    // 89 positions over 138 pixels never skip one, except max - page, which the end of the
    // travel passes over to the last position.
    EXPECT_LE(pos, last + (pos == 90 ? 2 : 1)) << delta;
    last = pos;
  }
  EXPECT_EQ(last, 90);
}

TEST(ListThumbDrag, WithoutAPageTheTrackEndReachesTheMaximum) {
  const TListThumbDrag d = ListDrag({0, 99, 0, 0});
  EXPECT_EQ(ListThumbDragPosition(d, 0), 17);  // 24 * 99 / 138 = 17.2
  EXPECT_EQ(ListThumbDragPosition(d, 114), 99);
  EXPECT_EQ(ListThumbDragPosition(d, 500), 99);
  // 24 * (2^31 - 1) / 138 without overflow.
  EXPECT_EQ(ListThumbDragPosition(ListDrag({0, INT_MAX, 0, 0}), 0), 373475416);
}

TEST(ListThumbDrag, ImmovableThumbsAndOverfullPagesStayAtTheMinimum) {
  const auto full = BeginListThumbDrag(100, 16, 184, 200, 16, {3, 99, 0, 0});
  ASSERT_TRUE(full.has_value());
  EXPECT_EQ(ListThumbDragPosition(*full, 0), 3);
  EXPECT_EQ(ListThumbDragPosition(*full, 50), 3);
  const TListThumbDrag overfull = ListDrag({0, 10, 20, 0});
  EXPECT_EQ(ListThumbDragPosition(overfull, 0), 0);
  EXPECT_EQ(ListThumbDragPosition(overfull, 500), 0);
  const TListThumbDrag reversed = ListDrag({10, 0, 5, 0});
  EXPECT_EQ(ListThumbDragPosition(reversed, 500), 10);
}

TEST(ScrollRoundTrip, AnArrowLongThumbDraggedToAPixelIsDrawnThere) {
  // A list bar 200 long whose thumb is an arrow long travels 168 - 16 = 152 pixels, the same
  // travel as the stand-alone control's page-less thumb on a bar of that length; with more
  // positions than pixels the redrawn thumb lands on the pixel or one before it.
  const auto drag = BeginListThumbDrag(20, 16, 32, 200, 16, {0, 1000, 0, 0});
  ASSERT_TRUE(drag.has_value());
  for (int v = 0; v <= 152; ++v) {
    const int pos = ListThumbDragPosition(*drag, v);
    const TThumbSpan thumb = ControlThumb({0, 1000, 0, pos}, 200, 16);
    EXPECT_LE(thumb.Start - 16, v) << v;
    EXPECT_GE(thumb.Start - 16, v - 1) << v;
    EXPECT_EQ(thumb.End - thumb.Start, 16);
  }
}

TEST(ScrollCorner, TheSquareBetweenTheBars) {
  const TScrollRect vert{300, 0, 317, 200}, horz{0, 200, 300, 217};
  // A control with a 2-pixel client edge, and a window without one.
  EXPECT_EQ(CornerBetween(vert, horz, 2, 2), (TScrollRect{302, 202, 319, 219}));
  EXPECT_EQ(CornerBetween(vert, horz, 0, 0), (TScrollRect{300, 200, 317, 217}));
  // A vertical bar on the left (right-to-left windows) keeps the corner under it.
  const TScrollRect leftVert{0, 0, 17, 200}, shiftedHorz{17, 200, 317, 217};
  EXPECT_EQ(CornerBetween(leftVert, shiftedHorz, 2, 2), (TScrollRect{2, 202, 19, 219}));
}

TEST(ScrollFrames, ArrowsLightOnlyWhenTheirPartIsHotOrHeld) {
  EXPECT_EQ(ArrowFrame(false, spFirstArrow, spNone, false), 1);
  EXPECT_EQ(ArrowFrame(false, spSecondArrow, spNone, false), 5);
  EXPECT_EQ(ArrowFrame(true, spFirstArrow, spNone, false), 9);
  EXPECT_EQ(ArrowFrame(true, spSecondArrow, spNone, false), 13);
  EXPECT_EQ(ArrowFrame(true, spFirstArrow, spFirstArrow, false), 12);
  EXPECT_EQ(ArrowFrame(true, spFirstArrow, spFirstArrow, true), 10);
  EXPECT_EQ(ArrowFrame(false, spSecondArrow, spSecondArrow, true), 6);
  EXPECT_EQ(ArrowFrame(false, spSecondArrow, spSecondArrow, false), 8);
  // The other arrow, the thumb or a page area being held leaves an arrow normal.
  EXPECT_EQ(ArrowFrame(true, spSecondArrow, spFirstArrow, true), 13);
  EXPECT_EQ(ArrowFrame(true, spFirstArrow, spThumb, true), 9);
}

TEST(ScrollFrames, TrackThumbAndGrip) {
  EXPECT_EQ(TrackFrame(true), 1);
  EXPECT_EQ(TrackFrame(false), 3);
  EXPECT_EQ(ThumbFrame(spNone, false), 1);
  EXPECT_EQ(ThumbFrame(spPageAfter, true), 1);
  EXPECT_EQ(ThumbFrame(spThumb, true), 2);
  EXPECT_EQ(ThumbFrame(spThumb, false), 3);
  EXPECT_EQ(GripFrame(false, spNone, false), 17);
  EXPECT_EQ(GripFrame(false, spThumb, true), 18);
  EXPECT_EQ(GripFrame(false, spThumb, false), 19);
  EXPECT_EQ(GripFrame(true, spFirstArrow, true), 20);
  EXPECT_EQ(GripFrame(true, spThumb, true), 21);
  EXPECT_EQ(GripFrame(true, spThumb, false), 22);
}

}  // namespace
