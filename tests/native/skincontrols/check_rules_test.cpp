// The check-box, radio-button and status-panel rules: the frame of every state in 4-, 8- and
// 12-frame pictures, the property texts, the box and caption places, the glyph strips of other
// families and a panel's text alignment.
#include <gtest/gtest.h>

#include "skin/controls/check_rules.h"

namespace {

TEST(CheckFrames, EveryStateWithFourAndTwelveFrames) {
  struct Case {
    unsigned State;
    int Property;
    bool Disabled;
    int Four, Twelve;
  };
  const Case cases[] = {
      {0, 0, false, 1, 1},                     // unchecked
      {kButtonChecked, 0, false, 2, 5},        // checked
      {0, 0, true, 3, 4},                      // unchecked, disabled
      {kButtonChecked, 0, true, 4, 8},         // checked, disabled
      {kButtonIndeterminate, 0, false, 4, 9},  // mixed
      {kButtonIndeterminate, 0, true, 4, 12},  // mixed, disabled
      // A framework control's property wins over the button state.
      {kButtonChecked, kCheckUnchecked, false, 1, 1},
      {0, kCheckChecked, true, 4, 8},
      // "Gray" in a State text on a disabled box goes past a four-frame picture.
      {0, kCheckCheckedDisabled, true, 6, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.State << " " << c.Property << " " << c.Disabled);
    EXPECT_EQ(CheckBoxFrame(c.State, c.Property, c.Disabled, 4), c.Four);
    EXPECT_EQ(CheckBoxFrame(c.State, c.Property, c.Disabled, kCheckGroupedFrames), c.Twelve);
  }
  // Other frame counts are used as the four-frame picture.
  EXPECT_EQ(CheckBoxFrame(kButtonChecked, 0, true, 6), 4);
}

TEST(CheckFrames, RadioWithFourAndEightFrames) {
  EXPECT_EQ(RadioButtonFrame(false, false, 4), 1);
  EXPECT_EQ(RadioButtonFrame(true, false, 4), 2);
  EXPECT_EQ(RadioButtonFrame(false, true, 4), 3);
  EXPECT_EQ(RadioButtonFrame(true, true, 4), 4);
  EXPECT_EQ(RadioButtonFrame(false, false, 8), 1);
  EXPECT_EQ(RadioButtonFrame(true, false, 8), 5);
  EXPECT_EQ(RadioButtonFrame(false, true, 8), 4);
  EXPECT_EQ(RadioButtonFrame(true, true, 8), 8);
  // A 12-frame radio picture is not grouped.
  EXPECT_EQ(RadioButtonFrame(true, true, 12), 4);
}

TEST(CheckFrames, StateTextsOfTheFrameworksFamilies) {
  EXPECT_EQ(CheckStateIndex("cbUnchecked"), kCheckUnchecked);
  EXPECT_EQ(CheckStateIndex("cbChecked"), kCheckChecked);
  EXPECT_EQ(CheckStateIndex("cbGrayed"), kCheckCheckedDisabled);
  EXPECT_EQ(CheckStateIndex("UNCHECKED"), kCheckUnchecked);  // "uncheck" before "check"
  EXPECT_EQ(CheckStateIndex("cbsChecked"), kCheckChecked);
  EXPECT_EQ(CheckStateIndex("cbsGray"), kCheckCheckedDisabled);
  EXPECT_EQ(CheckStateIndex("cbsNone"), 0);
  EXPECT_EQ(CheckStateIndex(""), 0);
}

TEST(CheckLayoutRules, BoxAndCaptionForEachSideAndDirection) {
  const TCheckRect rect{0, 0, 150, 21};
  // Left box, vertically centred (21 - 9) / 2 = 6; the caption two pixels after it.
  TCheckLayout left = CheckLayout(rect, 11, 9, false, false, false);
  EXPECT_EQ(left.Box, (TCheckRect{0, 6, 11, 15}));
  EXPECT_EQ(left.Text, (TCheckRect{13, 0, 150, 21}));
  EXPECT_EQ(left.Flags, 0u);
  EXPECT_EQ(CheckLayout(rect, 11, 9, false, true, true).Flags, kTextRtlReading);
  // Right button: a check box at the edge, a radio circle one pixel off it.
  TCheckLayout right = CheckLayout(rect, 11, 9, true, false, false);
  EXPECT_EQ(right.Box, (TCheckRect{139, 6, 150, 15}));
  EXPECT_EQ(right.Text, (TCheckRect{0, 0, 137, 21}));
  EXPECT_EQ(right.Flags, 0u);  // left to right, the caption stays left-aligned
  TCheckLayout radio = CheckLayout(rect, 10, 12, true, true, true);
  EXPECT_EQ(radio.Box, (TCheckRect{139, 4, 149, 16}));
  EXPECT_EQ(radio.Text.Right, 137);
  EXPECT_EQ(radio.Flags, kTextRtlReading | kTextRight);
  // A box taller than the control goes above it (the division truncates toward zero).
  EXPECT_EQ(CheckLayout(TCheckRect{0, 0, 40, 10}, 13, 13, false, false, false).Box, (TCheckRect{0, -1, 13, 12}));
}

TEST(ObjImageStrips, GlyphFramesOfEachKind) {
  EXPECT_EQ(ObjImageGlyphFrames(kObjImageCheck, 5), (std::vector<int>{1, 2, 5, 1, 2, 5, 3, 4, 5}));
  EXPECT_EQ(ObjImageGlyphFrames(kObjImageCheck, 4), (std::vector<int>{1, 2, 0, 1, 2, 0, 3, 4, 0}));
  EXPECT_EQ(ObjImageGlyphFrames(kObjImageRadio, 5), (std::vector<int>{1, 2, 1, 2, 3, 4}));
  EXPECT_EQ(ObjImageGlyphFrames(kObjImagePropertiesCheck, 5), (std::vector<int>{1, 2, 5, 1, 2, 5}));
  EXPECT_EQ(ObjImageGlyphFrames(kObjImagePropertiesCheck, 12), (std::vector<int>{1, 2, 0, 1, 2, 0}));
  EXPECT_TRUE(ObjImageGlyphFrames(0, 4).empty());
  EXPECT_TRUE(ObjImageGlyphFrames(4, 4).empty());
}

TEST(StatusPanels, AlignmentFlagsSwapRightToLeft) {
  EXPECT_EQ(StatusAlignFlags("taLeftJustify", false), kTextLeft);
  EXPECT_EQ(StatusAlignFlags("taRightJustify", false), kTextRight);
  EXPECT_EQ(StatusAlignFlags("taCenter", false), kTextCenter);
  EXPECT_EQ(StatusAlignFlags("taLeftJustify", true), kTextRight);
  EXPECT_EQ(StatusAlignFlags("TARIGHTJUSTIFY", true), kTextLeft);
  EXPECT_EQ(StatusAlignFlags("taCenter", true), kTextCenter);
  EXPECT_EQ(StatusAlignFlags("", false), kTextLeft);
}

}  // namespace
