// The caption buttons' rules without windows: when a title button shows, whether it acts,
// where each alignment puts it, and its hint.
#include <gtest/gtest.h>

#include "skin/form/caption_rules.h"

namespace {

TCaptionContext Normal(int caps = capMaximize | capMinimize | capSystemMenu) {
  TCaptionContext c;
  c.Caps = caps;
  return c;
}

TEST(CaptionRules, SecondConditionsOfMinusOneAndTwoHundredUpwardHideWhateverTheFirstSays) {
  const TCaptionContext c = Normal();
  EXPECT_FALSE(CaptionButtonVisibility(0, -1, 42, c).Visible);
  EXPECT_FALSE(CaptionButtonVisibility(-1, -1, -1, c).Visible);
  for (int second : {200, 201, 500, 999, 1000, 1500, 2000}) {
    TCaptionContext dialog = c;
    dialog.FrameKind = fkDialog;
    dialog.AskApplication = [](int, int) { return 1L; };
    EXPECT_FALSE(CaptionButtonVisibility(0, second, 42, dialog).Visible) << second;
  }
  // A first condition of -1 leaves the decision to the second.
  EXPECT_TRUE(CaptionButtonVisibility(-1, 0, 42, c).Visible);
}

TEST(CaptionRules, WindowStateActivationAndCapsDecide) {
  TCaptionContext c = Normal();
  EXPECT_TRUE(CaptionButtonVisibility(2, 2, caMaximize, c).Visible);
  EXPECT_FALSE(CaptionButtonVisibility(1, 1, caMaximize, c).Visible);
  c.Maximized = true;
  EXPECT_TRUE(CaptionButtonVisibility(1, 1, caMaximize, c).Visible);
  c.ActiveLook = false;
  EXPECT_TRUE(CaptionButtonVisibility(4, 0, caClose, c).Visible);
  EXPECT_FALSE(CaptionButtonVisibility(3, 0, caClose, c).Visible);
  // 6 and 8 need a box and, first, the system menu; 7 and 9 the lack of a box.
  EXPECT_TRUE(CaptionButtonVisibility(6, 6, caMinimize, Normal()).Visible);
  EXPECT_FALSE(CaptionButtonVisibility(6, 0, caMinimize, Normal(capMinimize)).Visible);
  EXPECT_TRUE(CaptionButtonVisibility(0, 8, caMinimize, Normal(capMinimize)).Visible);
  EXPECT_TRUE(CaptionButtonVisibility(7, 7, 42, Normal(capMinimize | capSystemMenu)).Visible);
  EXPECT_FALSE(CaptionButtonVisibility(9, 0, 42, Normal()).Visible);
  EXPECT_FALSE(CaptionButtonVisibility(5, 0, 42, Normal()).Visible);
  EXPECT_FALSE(CaptionButtonVisibility(12345, 0, 42, Normal()).Visible);
}

TEST(CaptionRules, HelpShowsOnlyWithContextHelpAndNoBoxes) {
  EXPECT_TRUE(CaptionButtonVisibility(10, 10, caHelp, Normal(capHelp | capSystemMenu)).Visible);
  EXPECT_FALSE(CaptionButtonVisibility(10, 10, caHelp, Normal(capHelp | capMinimize | capSystemMenu)).Visible);
  EXPECT_FALSE(CaptionButtonVisibility(10, 10, caHelp, Normal(capSystemMenu)).Visible);
}

TEST(CaptionRules, ActionsAdjustVisibilityAndEnabling) {
  // Close never shows without the system menu.
  EXPECT_FALSE(CaptionButtonVisibility(0, 0, caClose, Normal(capMaximize | capMinimize)).Visible);
  // Maximize and minimize stay visible but act only with their box and the system menu.
  const TCaptionVisibility max = CaptionButtonVisibility(0, 0, caMaximize, Normal(capMinimize | capSystemMenu));
  EXPECT_TRUE(max.Visible);
  EXPECT_FALSE(max.Enabled);
  EXPECT_TRUE(CaptionButtonVisibility(0, 0, caMinimize, Normal(capMinimize | capSystemMenu)).Enabled);
  EXPECT_FALSE(CaptionButtonVisibility(0, 0, caMinimize, Normal(capMinimize)).Enabled);
  // The icon never shows on a dialog frame.
  TCaptionContext dialog = Normal();
  dialog.FrameKind = fkDialog;
  for (int icon : {caSystemIcon, caSystemIcon2, caSystemIcon3})
    EXPECT_FALSE(CaptionButtonVisibility(0, 0, icon, dialog).Visible) << icon;
  // 200: a dialog frame that is not a message dialog, as the first condition.
  EXPECT_TRUE(CaptionCondition(200, false, dialog, 42));
  dialog.MessageDialog = true;
  EXPECT_FALSE(CaptionCondition(200, false, dialog, 42));
}

TEST(CaptionRules, TheApplicationIsAskedForItsOwnCodes) {
  TCaptionContext c = Normal();
  int askedCode = 0, askedAction = 0;
  c.AskApplication = [&](int code, int action) {
    askedCode = code;
    askedAction = action;
    return code == 1500 ? 1L : 0L;
  };
  EXPECT_TRUE(CaptionButtonVisibility(1500, 0, 77, c).Visible);
  EXPECT_EQ(askedCode, 1500);
  EXPECT_EQ(askedAction, 77);
  EXPECT_FALSE(CaptionButtonVisibility(1501, 0, 77, c).Visible);
  c.AskApplication = nullptr;
  EXPECT_FALSE(CaptionButtonVisibility(1500, 0, 77, c).Visible);
}

TEST(CaptionRules, BoundsFollowTheAlignment) {
  TCaptionLayoutInput in;
  in.Xcoord = 30;
  in.Ycoord = 6;
  in.Width = 16;
  in.Height = 14;
  in.WindowWidth = 400;
  in.TextBack = TFrameRect{50, 0, 150, 24};
  in.FrameRight = 9;
  in.FrameTop = 33;
  in.MenuBarHeight = 20;
  in.MenuBarLeftWidth = 4;
  auto at = [&](int align) {
    in.Align = align;
    return CaptionButtonBounds(in);
  };
  EXPECT_EQ(at(0), (TFrameRect{30, 6, 46, 20}));
  EXPECT_EQ(at(1), (TFrameRect{370, 6, 386, 20}));
  EXPECT_EQ(at(2), (TFrameRect{4, 6, 20, 20}));
  EXPECT_EQ(at(8), at(2));
  EXPECT_EQ(at(3), (TFrameRect{180, 6, 196, 20}));
  EXPECT_EQ(at(9), at(3));
  EXPECT_EQ(at(100), (TFrameRect{357, 36, 373, 50}));
  EXPECT_EQ(at(55), (TFrameRect{0, 0, 16, 14}));
}

TEST(CaptionRules, HintsNameTheirButtons) {
  EXPECT_EQ(CaptionHintText(caClose), L"Close");
  EXPECT_EQ(CaptionHintText(caMdiClose2), L"Close");
  EXPECT_EQ(CaptionHintText(caMaximize2), L"Maximize");
  EXPECT_EQ(CaptionHintText(caMdiMinimize), L"Minimize");
  EXPECT_EQ(CaptionHintText(caMdiRestore2), L"Restore");
  EXPECT_EQ(CaptionHintText(caSystemIcon), L"");
  EXPECT_EQ(CaptionHintText(caHelp), L"");
}

}  // namespace
