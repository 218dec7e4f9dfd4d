// The tab strip's geometry: where the tabs sit by style, the page border and the strip beside
// it, tabs mapped into the flat strip for every side, close boxes and the tab-set fitting rule.
#include <gtest/gtest.h>

#include "skin/controls/tab_geometry.h"

namespace {

TEST(TabPlacement, FromTheStyleBits) {
  EXPECT_EQ(PlacementOfStyle(0), TTabPlacement::Top);
  EXPECT_EQ(PlacementOfStyle(0x2), TTabPlacement::Bottom);
  EXPECT_EQ(PlacementOfStyle(0x80), TTabPlacement::Left);
  EXPECT_EQ(PlacementOfStyle(0x82), TTabPlacement::Right);
  // Other bits (multi-line 0x200, buttons 0x100) change nothing.
  EXPECT_EQ(PlacementOfStyle(0x80 | 0x200 | 0x100), TTabPlacement::Left);
}

TEST(TabStrip, PaneAndStripForEverySide) {
  const TTabRect window{0, 0, 300, 200};
  // Top: the display area below a 21-pixel row of tabs.
  const TTabRect top = PaneRect({4, 25, 296, 196}, TTabPlacement::Top);
  EXPECT_EQ(top, (TTabRect{0, 22, 300, 200}));
  EXPECT_EQ(StripRect(window, top, TTabPlacement::Top), (TTabRect{0, 0, 300, 22}));
  const TTabRect bottom = PaneRect({4, 4, 296, 175}, TTabPlacement::Bottom);
  EXPECT_EQ(bottom, (TTabRect{0, 0, 300, 178}));
  EXPECT_EQ(StripRect(window, bottom, TTabPlacement::Bottom), (TTabRect{0, 178, 300, 200}));
  const TTabRect left = PaneRect({30, 4, 296, 196}, TTabPlacement::Left);
  EXPECT_EQ(left, (TTabRect{27, 0, 300, 200}));
  const TTabRect leftStrip = StripRect(window, left, TTabPlacement::Left);
  EXPECT_EQ(leftStrip, (TTabRect{0, 0, 27, 200}));
  EXPECT_EQ(StripLength(leftStrip, TTabPlacement::Left), 200);
  EXPECT_EQ(StripThickness(leftStrip, TTabPlacement::Left), 27);
  const TTabRect right = PaneRect({4, 4, 270, 196}, TTabPlacement::Right);
  EXPECT_EQ(StripRect(window, right, TTabPlacement::Right), (TTabRect{273, 0, 300, 200}));
}

TEST(TabStrip, TabsMappedIntoTheFlatStrip) {
  const TTabRect window{0, 0, 300, 200};
  // Top: one pixel lower, so the tab meets the border.
  EXPECT_EQ(TabInStrip({2, 2, 60, 22}, TTabPlacement::Top, window, {0, 22, 300, 200}, 300),
            (TTabRect{2, 3, 60, 23}));
  // Bottom: measured from the border's bottom.
  EXPECT_EQ(TabInStrip({2, 178, 60, 198}, TTabPlacement::Bottom, window, {0, 0, 300, 178}, 300),
            (TTabRect{2, -1, 60, 19}));
  // Left: the tab at the window's top lies at the strip's far end, across its thickness.
  EXPECT_EQ(TabInStrip({2, 2, 26, 60}, TTabPlacement::Left, window, {27, 0, 300, 200}, 200),
            (TTabRect{140, 2, 198, 26}));
  // Right: along as it is, across measured from the window's right edge.
  EXPECT_EQ(TabInStrip({274, 2, 298, 60}, TTabPlacement::Right, window, {0, 0, 273, 200}, 200),
            (TTabRect{1, 2, 59, 26}));
}

TEST(TabStrip, CloseBoxAndTabSetFitting) {
  EXPECT_EQ(CloseBoxOf({10, 3, 90, 24}), (TTabRect{82, 5, 88, 11}));
  EXPECT_TRUE(CloseBoxOf({10, 3, 90, 24}).Contains(82, 5));
  EXPECT_FALSE(CloseBoxOf({10, 3, 90, 24}).Contains(88, 5));
  // 200 usable: from x 100 a 91-wide text fits without a scroller, not with one.
  EXPECT_TRUE(TabSetTabFits(200, 100, 91, false));
  EXPECT_FALSE(TabSetTabFits(200, 100, 92, false));
  EXPECT_TRUE(TabSetTabFits(200, 100, 79, true));
  EXPECT_FALSE(TabSetTabFits(200, 100, 80, true));
}

}  // namespace
