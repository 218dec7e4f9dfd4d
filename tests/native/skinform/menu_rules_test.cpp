// The menu rules without windows: where bar items go (left to right, right to left, before
// the MDI buttons), accelerators, which bar item an arrow key reaches, and item geometry.
#include <gtest/gtest.h>

#include "skin/form/menu_rules.h"

namespace {

TEST(MenuRules, TheFirstItemStartsAfterTheBarPicturesCapOrAtAFixedMargin) {
  EXPECT_EQ(MenuBarStartOffset(false, 30, 40, false, 500), 6);
  EXPECT_EQ(MenuBarStartOffset(true, 30, 40, false, 500), 34);
  EXPECT_EQ(MenuBarStartOffset(true, 30, 40, true, 500), 48);
  // A band narrower than the cap starts at 12.
  EXPECT_EQ(MenuBarStartOffset(true, 30, 40, false, 33), 12);
  EXPECT_EQ(MenuBarStartOffset(true, 30, 40, true, 47), 12);
  EXPECT_EQ(MenuBarStartOffset(true, 30, 40, false, 34), 34);
}

TEST(MenuRules, ItemsRunLeftToRightWithTenPixelsEachAndHiddenOnesTakeNoRoom) {
  const std::vector<TFrameRect> r =
      LayoutBarItems({{25, true}, {40, false}, {0, true}, {13, true}}, 6, 300, 19, false);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[0], (TFrameRect{6, 0, 41, 18}));
  EXPECT_EQ(r[1], TFrameRect{});
  // An empty caption takes its width only (none).
  EXPECT_EQ(r[2], (TFrameRect{41, 0, 41, 18}));
  EXPECT_EQ(r[3], (TFrameRect{41, 0, 64, 18}));
}

TEST(MenuRules, RightToLeftItemsRunFromTheRightAndStopBeforeTheMdiButtons) {
  std::vector<TFrameRect> r = LayoutBarItems({{25, true}, {13, true}}, 8, 300, 21, true);
  EXPECT_EQ(r[0], (TFrameRect{257, 0, 292, 20}));
  EXPECT_EQ(r[1], (TFrameRect{234, 0, 257, 20}));
  // MDI buttons from x 250: the first item ends 5 pixels left of them.
  r = LayoutBarItems({{25, true}}, 8, 300, 21, true, 250);
  EXPECT_EQ(r[0], (TFrameRect{210, 0, 245, 20}));
  // A limit right of the start changes nothing.
  r = LayoutBarItems({{25, true}}, 8, 300, 21, true, 299);
  EXPECT_EQ(r[0], (TFrameRect{257, 0, 292, 20}));
}

TEST(MenuRules, AcceleratorsAreTheLetterAfterASingleAmpersandInAnyCase) {
  EXPECT_EQ(AccelCharOf(L"&File"), L'F');
  EXPECT_EQ(AccelCharOf(L"文件(&f)"), L'F');
  EXPECT_EQ(AccelCharOf(L"Save && &Quit"), L'Q');
  EXPECT_EQ(AccelCharOf(L"A&&B"), 0);
  EXPECT_EQ(AccelCharOf(L"Trailing&"), 0);
  EXPECT_EQ(AccelCharOf(L""), 0);
  const std::vector<TAccelEntry> items{{L"&File", true, true},   {L"&Edit", false, true}, {L"&View", true, false},
                                       {L"E&xtra", true, true},  {L"&Help", true, true},  {L"&Everything", true, true}};
  EXPECT_EQ(FindAccelIndex(items, L'f'), 0);
  // Disabled and hidden items are skipped; the next with the letter is found.
  EXPECT_EQ(FindAccelIndex(items, L'E'), 5);
  EXPECT_EQ(FindAccelIndex(items, L'v'), -1);
  EXPECT_EQ(FindAccelIndex(items, L'x'), 3);
  EXPECT_EQ(FindAccelIndex(items, L'q'), -1);
  EXPECT_EQ(FindAccelIndex(items, 0), -1);
}

TEST(MenuRules, ArrowsMoveToTheNeighbourBarItemOnlyFromTheBarPopupOrFromALeaf) {
  constexpr unsigned left = 0x25, right = 0x27, down = 0x28;
  TMenuLoopView nothing;
  EXPECT_EQ(MenuLoopArrow(left, nothing), amPrevious);
  EXPECT_EQ(MenuLoopArrow(right, nothing), amNext);
  EXPECT_EQ(MenuLoopArrow(down, nothing), amNone);
  TMenuLoopView inBarPopup{false, true, false};
  EXPECT_EQ(MenuLoopArrow(left, inBarPopup), amPrevious);
  EXPECT_EQ(MenuLoopArrow(right, inBarPopup), amNext);
  // On an item with a submenu, right opens the submenu instead.
  TMenuLoopView onParent{false, true, true};
  EXPECT_EQ(MenuLoopArrow(right, onParent), amNone);
  // Deeper down, left closes the submenu; right from a leaf still moves on.
  TMenuLoopView deeper{false, false, false};
  EXPECT_EQ(MenuLoopArrow(left, deeper), amNone);
  EXPECT_EQ(MenuLoopArrow(right, deeper), amNext);
  EXPECT_EQ(SwapRtlArrow(left), right);
  EXPECT_EQ(SwapRtlArrow(right), left);
  EXPECT_EQ(SwapRtlArrow(down), down);
}

TEST(MenuRules, NeighboursWrapAtBothEndsAndSkipUnusableItems) {
  const std::vector<bool> usable{true, false, true, true};
  EXPECT_EQ(NeighbourBarIndex(usable, 0, false), 3);
  EXPECT_EQ(NeighbourBarIndex(usable, 3, true), 0);
  EXPECT_EQ(NeighbourBarIndex(usable, 0, true), 2);
  EXPECT_EQ(NeighbourBarIndex(usable, 2, false), 0);
  EXPECT_EQ(NeighbourBarIndex({false, true, false}, 1, true), 1);
  EXPECT_EQ(NeighbourBarIndex({false, false}, 0, true), -1);
  EXPECT_EQ(NeighbourBarIndex({}, 0, true), -1);
}

TEST(MenuRules, ItemsWidenForTheSkinsMarginOrForACheckColumn) {
  EXPECT_EQ(MenuItemExtraWidth(true, 7, true, false), 17);
  EXPECT_EQ(MenuItemExtraWidth(true, 7, true, true), 19);
  EXPECT_EQ(MenuItemExtraWidth(false, 7, true, true), 12);
  EXPECT_EQ(MenuItemExtraWidth(true, 7, false, false), 35);
}

TEST(MenuRules, TheGlyphBoxSitsAfterTheMarginAndTheTextAfterIt) {
  const TFrameRect item{0, 20, 150, 42};
  TMenuItemLayout l = MenuItemLayoutOf(item, 7, 0, false, false, false);
  EXPECT_EQ(l.GlyphBox, (TFrameRect{8, 21, 24, 37}));
  EXPECT_EQ(l.TextRect, (TFrameRect{27, 20, 149, 42}));
  // A wider image list widens the box; a check mark keeps at least 16.
  l = MenuItemLayoutOf(item, 7, 20, true, false, false);
  EXPECT_EQ(l.GlyphBox, (TFrameRect{8, 21, 28, 41}));
  l = MenuItemLayoutOf(item, 0, 12, true, false, false);
  EXPECT_EQ(l.GlyphBox.Width(), 16);
  l = MenuItemLayoutOf(item, 0, 12, false, false, false);
  EXPECT_EQ(l.GlyphBox.Width(), 12);
  // A separator has no box.
  l = MenuItemLayoutOf(item, 7, 0, false, true, false);
  EXPECT_EQ(l.GlyphBox, TFrameRect{});
  // Right to left: the box at the right, the text left of it.
  l = MenuItemLayoutOf(item, 7, 0, false, false, true);
  EXPECT_EQ(l.GlyphBox, (TFrameRect{126, 21, 142, 37}));
  EXPECT_EQ(l.TextRect, (TFrameRect{1, 20, 123, 42}));
}

TEST(MenuRules, SeparatorsUseTheBottomRowsOfTheirFrameAndPopupsOpenUnderTheItem) {
  EXPECT_EQ(SeparatorRowsOf(22, 8).Top, 14);
  EXPECT_EQ(SeparatorRowsOf(22, 8).Height, 8);
  EXPECT_EQ(SeparatorRowsOf(6, 8).Top, 0);
  EXPECT_EQ(SeparatorRowsOf(6, 8).Height, 6);
  EXPECT_EQ(SeparatorRowsOf(0, 8).Height, 0);
  const TFrameRect bounds{40, 50, 90, 69};
  EXPECT_EQ(BarPopupPoint(bounds, 100, 200, false).X, 140);
  EXPECT_EQ(BarPopupPoint(bounds, 100, 200, false).Y, 269);
  EXPECT_EQ(BarPopupPoint(bounds, 100, 200, true).X, 190);
}

}  // namespace
