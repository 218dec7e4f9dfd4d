// The frame rules: kind and capabilities from styles, the client rectangle, hit tests and the
// title text's place. Expected values are worked out by hand in the comments.
#include <gtest/gtest.h>

#include "skin/form/frame_geometry.h"

namespace {

TEST(FrameKind, FollowsTheCaptionSizingAndDialogBits) {
  EXPECT_EQ(FrameKindOf(kStyleCaption | kStyleSizeBox, 0, false), fkSizeable);
  EXPECT_EQ(FrameKindOf(kStyleCaption, 0, false), fkSingle);
  // Half a caption (only the border bit) is no caption.
  EXPECT_EQ(FrameKindOf(0x00800000 | kStyleSizeBox, 0, false), fkNoCaption);
  EXPECT_EQ(FrameKindOf(kStyleCaption | kStyleModalFrame, 0, false), fkDialog);
  EXPECT_EQ(FrameKindOf(kStyleCaption | kStyleSizeBox, kExDialogModalFrame, false), fkDialog);
  EXPECT_EQ(FrameKindOf(0, 0, true), fkDialog);  // a message dialog always
}

TEST(CaptionCaps, ButtonsHelpAndTheKeptSystemMenuStyle) {
  TCapsInput in;
  in.Style = kStyleSysMenu | kStyleMinimizeBox | kStyleMaximizeBox;
  in.ExStyle = kExContextHelp;
  in.PlatformMajor = 6;
  in.PlatformMinor = 1;
  EXPECT_EQ(CaptionCapsOf(in), capSystemMenu | capMinimize | capMaximize | capHelp);
  in = TCapsInput{};
  in.SystemMenuKnown = true;
  in.HasOwner = true;
  EXPECT_EQ(CaptionCapsOf(in), capSystemMenu);
  // Version 5.0 keeps the style bit for unowned windows and, on NT, for app windows.
  in.PlatformMajor = 5;
  EXPECT_EQ(CaptionCapsOf(in), capSystemMenu);
  in.ExStyle = kExAppWindow;
  EXPECT_EQ(CaptionCapsOf(in), capSystemMenu | capKeepSysMenuStyle);
  in.PlatformNT = false;
  EXPECT_EQ(CaptionCapsOf(in), capSystemMenu);
  in.HasOwner = false;
  EXPECT_EQ(CaptionCapsOf(in), capSystemMenu | capKeepSysMenuStyle);
  in.ExStyle = kExMdiChild;
  EXPECT_EQ(CaptionCapsOf(in), capSystemMenu);
  in.PlatformMinor = 1;
  in.ExStyle = 0;
  EXPECT_EQ(CaptionCapsOf(in), capSystemMenu);
}

TEST(WindowState, FromTheShowCommand) {
  for (int minimized : {2, 6, 7}) EXPECT_EQ(WindowStateOfShowCommand(minimized), wsMinimizedState);
  EXPECT_EQ(WindowStateOfShowCommand(3), wsMaximizedState);
  for (int normal : {0, 1, 4, 5, 8, 9}) EXPECT_EQ(WindowStateOfShowCommand(normal), wsNormalState);
}

TEST(SkinnedClient, InsideTheBordersAndUnderTheMenuBand) {
  const TFrameMetrics m{4, 30, 5, 6, 20};
  EXPECT_EQ(SkinnedClientRect(100, 50, 300, 200, m), (TFrameRect{104, 100, 395, 244}));
  EXPECT_EQ(SkinnedClientRect(0, 0, 9, 56, m), (TFrameRect{4, 50, 4, 50}));
}

TEST(SkinnedHitTest, CaptionBelowTheTopPixelsMenuUnderTheCaption) {
  const TFrameMetrics withMenu{4, 30, 4, 4, 19};
  EXPECT_EQ(SkinnedHitTest(0, 3, withMenu), 0);   // the top 3 pixels stay nowhere
  EXPECT_EQ(SkinnedHitTest(0, 4, withMenu), 2);   // below them: caption
  EXPECT_EQ(SkinnedHitTest(2, 1, withMenu), 2);
  EXPECT_EQ(SkinnedHitTest(2, 30, withMenu), 2);
  EXPECT_EQ(SkinnedHitTest(0, 31, withMenu), 5);  // under the caption band: menu
  const TFrameMetrics noMenu{4, 30, 4, 4, 0};
  EXPECT_EQ(SkinnedHitTest(2, 31, noMenu), 2);
  // Borders, corners and the client keep the platform's answer.
  for (int answer : {1, 10, 11, 12, 13, 14, 15, 16, 17}) EXPECT_EQ(SkinnedHitTest(answer, 10, withMenu), answer);
}

TTitleLayout Title() {
  TTitleLayout in;
  in.Title = TFrameRect{4, 0, 296, 30};  // width 292, height 30
  in.TextWidth = 100;
  in.TextHeight = 12;
  in.TextShift = 26;
  in.TextRightClip = 40;
  return in;
}

TEST(TitleText, AlignedInTheTitleRectangleAndClipped) {
  TTitleLayout in = Title();
  // Left: shifted by TextShift, centred vertically: (30 - 12) / 2 = 9.
  EXPECT_EQ(PlaceTitleText(in).Text, (TFrameRect{30, 9, 130, 21}));
  // Centre: (292 - 100) / 2 = 96 from the title's left, not the window's.
  in.Alignment = 1;
  EXPECT_EQ(PlaceTitleText(in).Text, (TFrameRect{100, 9, 200, 21}));
  // Right: 292 - 40 - 100 = 152.
  in.Alignment = 2;
  EXPECT_EQ(PlaceTitleText(in).Text, (TFrameRect{156, 9, 256, 21}));
  // Too wide: cut at the right clip (296 - 40); the drawing ends it with an ellipsis.
  in.Alignment = 0;
  in.TextWidth = 400;
  EXPECT_EQ(PlaceTitleText(in).Text, (TFrameRect{30, 9, 256, 21}));
  // A vertical shift moves the text by half of it: 5 / 2 = 2.
  in.TextWidth = 100;
  in.TextShiftVert = 5;
  EXPECT_EQ(PlaceTitleText(in).Text.Top, 11);
}

TEST(TitleText, DialogsStartFurtherLeftAndBackgroundsHaveCaps) {
  TTitleLayout in = Title();
  in.DialogFrame = true;
  EXPECT_EQ(PlaceTitleText(in).Text.Left, 30 - 16);
  in.Alignment = 1;
  EXPECT_EQ(PlaceTitleText(in).Text.Left, 100);  // only left-aligned text moves
  in = Title();
  in.BackLeft = 8;
  in.BackRight = 9;
  const TTitlePlacement p = PlaceTitleText(in);
  EXPECT_EQ(p.Back, (TFrameRect{30, 9, 147, 21}));
  EXPECT_EQ(p.Text, (TFrameRect{38, 9, 138, 21}));
}

TEST(TitleText, RightToLeftMeasuresTheButtonsFromTheRight) {
  TTitleLayout in = Title();
  in.RightToLeft = true;
  in.RightButtonsReserve = 60;
  // 292 - 60 - 100 = 132 from the left, then 10 to the right.
  EXPECT_EQ(PlaceTitleText(in).Text, (TFrameRect{146, 9, 246, 21}));
  // A text that does not fit starts at TextShift (plus the 10).
  in.TextWidth = 400;
  EXPECT_EQ(PlaceTitleText(in).Text, (TFrameRect{36, 9, 246, 21}));
  // Right-aligned right-to-left text sits at TextShift.
  in.TextWidth = 100;
  in.Alignment = 2;
  EXPECT_EQ(PlaceTitleText(in).Text, (TFrameRect{40, 9, 140, 21}));
}

TEST(TitleText, PopupWindowsKeepClearOfTheirRightButtons) {
  TTitleLayout in = Title();
  in.Popup = true;
  in.TextWidth = 400;
  in.RightButtonsReserve = 60;
  EXPECT_EQ(PlaceTitleText(in).Text.Right, 296 - 60 - 5);
  // Without buttons a pop-up's text is not cut here (the drawing clips to the band).
  in.RightButtonsReserve = 0;
  EXPECT_EQ(PlaceTitleText(in).Text.Right, 4 + 26 + 400);
}

}  // namespace
