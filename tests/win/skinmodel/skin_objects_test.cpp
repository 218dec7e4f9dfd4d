// The skin objects a description builds, on frame-coded test skins: loader defaults and
// clamps, frame counts, title buttons, the combo pictures, toolbar, track objects, colours.
#include <gtest/gtest.h>

#include "skin/file/imgutil.h"
#include "test_skin.h"

namespace {

TEST(SkinObjects, AnEmptyDescriptionLeavesSlotsEmptyAndBuildsTheFixedOnes) {
  auto data = LoadTestSkin(TTestSkin().Ini("; nothing\r\n"));
  EXPECT_FALSE(data->SkinPending());
  EXPECT_FALSE(data->MenuBar);
  EXPECT_FALSE(data->Progress);
  EXPECT_FALSE(data->Tabs);
  EXPECT_FALSE(data->ComboButton);
  EXPECT_FALSE(data->Scrollbar);
  for (const auto& border : data->Borders) {
    EXPECT_TRUE(border->Image.Empty());
    EXPECT_EQ(border->Frame, 1);
    EXPECT_EQ(border->Tile, 1);
    EXPECT_EQ(border->Trans, 1);
  }
  // Only the three buttons of a maximized MDI child, without pictures.
  ASSERT_EQ(data->TitleButtons.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    const TDataSkinSysButton& b = *data->TitleButtons[k];
    EXPECT_EQ(b.Action, 7 + k);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    EXPECT_EQ(b.Frame, 4);
    EXPECT_TRUE(b.Image.Empty());
  }
  // Track pictures from the program's own resources.
  ASSERT_TRUE(data->Track);
  ASSERT_TRUE(data->TrackVert);
  EXPECT_EQ(data->Track->Image.Width(), 16);
  EXPECT_EQ(data->Track->Image.Height(), 4);
  EXPECT_EQ(data->TrackVert->Image.Width(), 4);
  EXPECT_EQ(data->TrackVert->Image.Height(), 16);
  EXPECT_EQ(data->Track->Frame, 1);
  EXPECT_EQ(data->Track->Tile, 0);
  const RECT m = data->TrackVert->Margins();
  EXPECT_EQ(m.left + m.top + m.right + m.bottom, 12);
  // No combo sections: no composite, an empty arrow; the toolbar is always made.
  ASSERT_TRUE(data->ComboxArrow);
  EXPECT_TRUE(data->ComboxArrow->Image.Empty());
  ASSERT_TRUE(data->Toolbar);
  EXPECT_EQ(data->Toolbar->Image.Width(), 10);
  EXPECT_EQ(data->Toolbar->Image.Height(), 40);
  EXPECT_EQ(data->Toolbar->Frame, 1);
  EXPECT_EQ(data->Title->FontHeight, 14);
  EXPECT_EQ(data->Title->ActiveText, clNone);
}

TEST(SkinObjects, GenericLoadersApplyDefaultsAndClamps) {
  TTestSkin skin;
  skin.Strip("a.bmp", 5, 8, 6, 1).Strip("b.bmp", 1, 8, 6, 2);
  skin.Raw("broken.bmp", {'B', 'M', 1, 2, 3});
  skin.Ini(
      "[Colours]\r\nButtonText=1 2 3\r\n"
      "[ToolBars]\r\nImage=a.bmp\r\nTile=2\r\nLeftWidth=0x3\r\nNormalColour2=9,8,7\r\n"
      "[MenuItem]\r\nImage=sub\\dir\\A.bmp\r\nTile=1\r\nNormalColour=255\r\n"
      "[Tab.Pane]\r\nImage=b.bmp\r\nLeftWidth=10\r\nTopHeight=4\r\nRightWidth=5\r\nBottomHeight=-2\r\n"
      "[Progress]\r\nBitmap=b.bmp\r\nTile=3\r\nNormalColour=5\r\nStyle=1\r\n"
      "[Personality]\r\nmenuBar=b.bmp\r\nTileMenu=2\r\nLeft=a.bmp\r\nLeftStretch=5\r\nLeftTopHeight=7\r\n"
      "Top=b.bmp\r\nTopTopHeight=9\r\nTopBotHeight=11\r\nTopFrame=1\r\n"
      "[MenuBackground]\r\nImage=a.BMP\r\n[Headerbar]\r\nImage=missing.bmp\r\nFrame=7\r\n"
      "[Scrollbar]\r\nImage=broken.bmp\r\n[GroupBox]\r\nImage=b.bmp\r\nBackgroundLeftShift=4\r\nFrame=9\r\n");
  auto data = LoadTestSkin(skin);
  ASSERT_FALSE(data->SkinPending());

  ASSERT_TRUE(data->ToolBars);
  EXPECT_EQ(data->ToolBars->Tile, 0);  // 2 is not a tiling value
  EXPECT_EQ(data->ToolBars->LeftWidth, 3);
  EXPECT_EQ(data->ToolBars->NormalColour, kNoObjectColour);
  EXPECT_EQ(data->ToolBars->NormalColour2, RGB(9, 8, 7));
  EXPECT_EQ(data->ToolBars->MouseOverColour2, RGB(1, 2, 3));  // the skin's ButtonText
  EXPECT_EQ(data->ToolBars->Name, "ToolBars");
  EXPECT_EQ(data->ToolBars->Image.Width(), 40);

  // The name part of a path counts; the extension is compared as written.
  ASSERT_TRUE(data->MenuItem);
  EXPECT_EQ(data->MenuItem->Image.Width(), 40);
  EXPECT_EQ(data->MenuItem->Tile, 1);
  EXPECT_EQ(data->MenuItem->NormalColour, 255);
  ASSERT_TRUE(data->MenuBackground);
  EXPECT_TRUE(data->MenuBackground->Image.Empty());
  // Missing and damaged entries give empty pictures, the objects keep their numbers.
  ASSERT_TRUE(data->Headerbar);
  EXPECT_TRUE(data->Headerbar->Image.Empty());
  EXPECT_EQ(data->Headerbar->Frame, 7);
  ASSERT_TRUE(data->Scrollbar);
  EXPECT_TRUE(data->Scrollbar->Image.Empty());

  ASSERT_TRUE(data->TabPane);
  EXPECT_EQ(data->TabPane->LeftWidth, 4);
  EXPECT_EQ(data->TabPane->TopHeight, 4);
  EXPECT_EQ(data->TabPane->RightWidth, 4);
  EXPECT_EQ(data->TabPane->BottomHeight, -2);

  ASSERT_TRUE(data->Progress);
  EXPECT_EQ(data->Progress->Tile, 1);          // the bitmap loader clamps to 1
  EXPECT_EQ(data->Progress->NormalColour, 0);  // it reads no colours
  EXPECT_EQ(data->Progress->Frame, 1);         // Style 1

  ASSERT_TRUE(data->MenuBar);
  EXPECT_EQ(data->MenuBar->Tile, 1);
  EXPECT_EQ(data->MenuBar->LeftWidth, 1);
  EXPECT_EQ(data->MenuBar->RightWidth, 1);
  EXPECT_EQ(data->MenuBar->Frame, 2);

  const TDataSkinBorder& left = *data->Borders[kBorderLeft];
  EXPECT_EQ(left.Tile, 1);
  EXPECT_EQ(left.TopHeight, 7);
  EXPECT_EQ(left.LeftWidth, 0);
  const TDataSkinBorder& top = *data->Borders[kBorderTop];
  EXPECT_EQ(top.LeftWidth, 9);
  EXPECT_EQ(top.RightWidth, 11);
  EXPECT_EQ(top.TopHeight, 0);

  ASSERT_TRUE(data->GroupBox);
  EXPECT_EQ(data->GroupBox->BackgroundLeftShift, 4);
  EXPECT_EQ(data->GroupBox->Frame, 1);
}

TEST(SkinObjects, FrameCountsFollowTheSection) {
  TTestSkin skin;
  skin.Strip("p.bmp", 4, 6, 6, 3);
  std::string ini;
  const char* sections[] = {
      "Progress.Chunk",     "GroupBoxEdge",       "StatusBarEdges", "ExtraImages", "Headerbar",       "MenuItem",
      "MenuBackground",     "Scrollbar",          "HorzScroll",     "VertScroll",  "HorzScrollThumb", "VertScrollThumb",
      "Trackbar.ThumbHorz", "Trackbar.ThumbDown", "Track",          "TRACKVERT",   "UpDown.Horz",     "Tabs",
      "ComboButton"};
  for (const char* s : sections) ini += std::string("[") + s + "]\r\nImage=p.bmp\r\nFrame=0\r\n";
  ini += "[VertScrollThumb]\r\nFrameCount=2\r\n[Progress]\r\nBitmap=p.bmp\r\n";
  ini += "[Progress.Chunk]\r\nFrame=3\r\n";
  auto data = LoadTestSkin(skin.Ini(ini));
  EXPECT_EQ(data->ProgressChunk->Frame, 0);  // the first section of that name holds Frame=0
  EXPECT_EQ(data->GroupBoxEdge->Frame, 2);
  EXPECT_EQ(data->StatusBarEdges->Frame, 3);
  EXPECT_EQ(data->ExtraImages->Frame, 5);
  EXPECT_EQ(data->Headerbar->Frame, 5);
  EXPECT_EQ(data->MenuItem->Frame, 5);
  EXPECT_EQ(data->MenuBackground->Frame, 1);
  EXPECT_EQ(data->Scrollbar->Frame, 23);
  EXPECT_EQ(data->HorzScroll->Frame, 4);
  EXPECT_EQ(data->VertScroll->Frame, 4);
  EXPECT_EQ(data->HorzScrollThumb->Frame, 3);
  EXPECT_EQ(data->VertScrollThumb->Frame, 3);  // FrameCount is read from the first section only
  EXPECT_EQ(data->TrackbarThumbHorz->Frame, 5);
  EXPECT_EQ(data->TrackbarThumbDown->Frame, 5);
  EXPECT_FALSE(data->TrackbarThumbUp);
  EXPECT_EQ(data->Track->Frame, 0);  // read from the description: its own Frame
  EXPECT_EQ(data->TrackVert->Frame, 0);
  EXPECT_EQ(data->UpDownHorz->Frame, 8);
  EXPECT_FALSE(data->UpDownVert);
  EXPECT_EQ(data->Tabs->Frame, 5);
  EXPECT_EQ(data->ComboButton->Frame, 4);
  EXPECT_EQ(data->Progress->Frame, 2);  // Style 0
  EXPECT_EQ(data->Title->Frame, 2);
  EXPECT_EQ(data->Buttons->Frame, 5);

  auto thumbs = LoadTestSkin(
      TTestSkin()
          .Strip("p.bmp", 2, 4, 4, 1)
          .Ini("[HorzScrollThumb]\r\nImage=p.bmp\r\nFrameCount=2\r\n[Headerbar]\r\nImage=p.bmp\r\nFrame=6\r\n"));
  EXPECT_EQ(thumbs->HorzScrollThumb->Frame, 2);
  EXPECT_EQ(thumbs->Headerbar->Frame, 6);
}

TEST(SkinObjects, RadioAndCheckFramesComeFromThePictureWhenNotGiven) {
  TTestSkin skin;
  skin.Strip("r52.bmp", 4, 13, 13, 1).Strip("c160.bmp", 10, 16, 16, 2);
  auto a = LoadTestSkin(skin.Ini("[Buttons]\r\nRadioButton=r52.bmp\r\nCheckButton=c160.bmp\r\n"));
  EXPECT_EQ(a->Buttons->RadioButtonFrame, 4);
  EXPECT_EQ(a->Buttons->CheckButtonFrame, 10);
  TTestSkin other;
  other.Strip("r64.bmp", 4, 16, 16, 1).Strip("c26.bmp", 2, 13, 13, 2);
  auto b =
      LoadTestSkin(other.Ini("[Buttons]\r\nRadioButton=r64.bmp\r\nCheckButton=c26.bmp\r\nTile=4\r\n"
                             "NormalColour2=4 5 6\r\n"));
  EXPECT_EQ(b->Buttons->RadioButtonFrame, 4);
  EXPECT_EQ(b->Buttons->CheckButtonFrame, 4);  // at least 4
  EXPECT_EQ(b->Buttons->Tile, 0);
  EXPECT_TRUE(b->Buttons->HasNormalColour2);
  EXPECT_FALSE(b->Buttons->HasPressedColour2);
  EXPECT_EQ(b->Buttons->NormalColour2, RGB(4, 5, 6));
  TTestSkin given;
  auto c =
      LoadTestSkin(given.Strip("r.bmp", 4, 13, 13, 1).Ini("[Buttons]\r\nRadioButton=r.bmp\r\nRadioButtonFrame=7\r\n"));
  EXPECT_EQ(c->Buttons->RadioButtonFrame, 7);
  EXPECT_EQ(c->Buttons->CheckButtonFrame, 4);  // no picture
}

TEST(SkinObjects, TitleButtonsAreChosenAndTheirFramesDerived) {
  TTestSkin skin;
  skin.Strip("b60.bmp", 3, 20, 20, 1).Strip("b120.bmp", 6, 20, 20, 2);
  skin.Ini(
      "[BUTTON]\r\nAction=0\r\n[Buttons]\r\nBitmap=x.bmp\r\n[Button.Radio]\r\n[BUTTON.CHECKBOX]\r\n"
      "[ButtonClose]\r\nAction=0\r\nButtonImage=b60.bmp\r\nXcoord=30\r\n"
      "[ButtonMax]\r\nAction=1\r\nVisibility=2\r\nXcoord=60\r\nYcoord=5\r\nButtonImage=b120.bmp\r\n"
      "[ButtonHidden]\r\nAction=-1\r\n"
      "[ButtonShown]\r\nAction=-1\r\nVisibility=0\r\nButtonImage=b60.bmp\r\n"
      "[ButtonRestore]\r\nAction=4\r\nXcoord=1\r\nYcoord=2\r\n"
      "[ButtonSys]\r\nAction=3\r\nButtonImage=b60.bmp\r\n"
      "[ButtonHelp]\r\nAction=11\r\nButtonImage=b60.bmp\r\nframe=2\r\n"
      "[NotAButton]\r\nAction=1\r\n");
  auto data = LoadTestSkin(skin);
  std::vector<std::string> names;
  for (const auto& b : data->TitleButtons) names.push_back(b->Name);
  const std::vector<std::string> expected = {"BUTTONCLOSE", "BUTTONMAX",   "BUTTONSHOWN", "BUTTONRESTORE", "BUTTONSYS",
                                             "BUTTONHELP",  "MDICONTROLS", "MDICONTROLS", "MDICONTROLS"};
  ASSERT_EQ(names, expected);
  const auto& b = data->TitleButtons;
  EXPECT_EQ(b[0]->Frame, 3);  // 60 x 20: ratio 3.0
  EXPECT_EQ(b[0]->Visibility1, 0);
  EXPECT_EQ(b[0]->CombineOp, -1);
  EXPECT_EQ(b[1]->Frame, 6);  // 120 x 20
  EXPECT_EQ(b[2]->Frame, 6);  // negative Action
  EXPECT_EQ(b[2]->Visibility1, -1);
  EXPECT_EQ(b[3]->Xcoord, 60);  // Action 4 takes the place of the last maximize button
  EXPECT_EQ(b[3]->Ycoord, 5);
  EXPECT_EQ(b[3]->Frame, 6);
  EXPECT_TRUE(b[4]->Image.Empty());  // Action 3 without a frame key: no picture
  EXPECT_EQ(b[4]->Frame, 3);
  EXPECT_FALSE(b[5]->Image.Empty());  // a frame key keeps the picture
  EXPECT_EQ(b[5]->Frame, 2);

  auto single =
      LoadTestSkin(TTestSkin().Ini("[BUTTON]\r\n[BUTTONS]\r\n[BUTTON.RADIO]\r\n[BUTTON.CHECKBOX]\r\n[Button1]\r\n"));
  ASSERT_EQ(single->TitleButtons.size(), 4u);
  EXPECT_EQ(single->TitleButtons[0]->Name, "BUTTON1");
}

TEST(SkinObjects, MdiButtonsAreCutFromTheMdiPicture) {
  // 12 columns of 10 pixels, each a colour of its own; each button takes four.
  TTestSkin skin;
  skin.Strip("mdi.bmp", 12, 10, 8, 5);
  auto data = LoadTestSkin(skin.Ini("[MDICONTROLS]\r\nImage=mdi.bmp\r\n[ButtonClose]\r\nAction=0\r\n"));
  ASSERT_EQ(data->TitleButtons.size(), 4u);
  for (int k = 0; k < 3; ++k) {
    TDataSkinSysButton& b = *data->TitleButtons[1 + k];
    ASSERT_EQ(b.Image.Width(), 40);
    ASSERT_EQ(b.Image.Height(), 8);
    EXPECT_EQ(b.Xcoord, 14 * (3 - k));
    for (int c = 0; c < 4; ++c)
      EXPECT_EQ(PixelAt(b.Image, c * 10 + 5, 4), static_cast<COLORREF>(FrameColour(5, 4 * k + c + 1)));
  }
}

TEST(SkinObjects, ComboPicturesAreCombinedFromSunkEdgeAndComboButton) {
  TTestSkin skin;
  skin.Strip("sunk.bmp", 4, 20, 21, 1).Strip("combo.bmp", 4, 18, 21, 2);
  skin.Ini(
      "[SunkEdge]\r\nImage=sunk.bmp\r\nLeftWidth=2\r\nTopHeight=3\r\nRightWidth=2\r\nBottomHeight=4\r\n"
      "[ComboButton]\r\nImage=combo.bmp\r\nTrans=0\r\n");
  auto data = LoadTestSkin(skin);
  const int bw = GetSystemMetrics(SM_CXHSCROLL) + 2;
  TDataSkinBorder& combo = *data->ComboButton;
  TDataSkinObject& sunk = *data->SunkEdge;
  ASSERT_EQ(combo.Image.Width(), 200);
  ASSERT_EQ(combo.Image.Height(), 21);
  EXPECT_EQ(combo.Style, 2);
  EXPECT_EQ(combo.LeftWidth, 2);
  EXPECT_EQ(combo.RightWidth, bw + 2);
  EXPECT_EQ(combo.TopHeight, 3);
  EXPECT_EQ(combo.BottomHeight, 4);
  EXPECT_EQ(sunk.LeftWidth, bw + 2);
  EXPECT_EQ(sunk.RightWidth, 2);
  for (int f = 1; f <= 4; ++f) {
    const int x0 = 50 * (f - 1);
    EXPECT_EQ(PixelAt(combo.Image, x0 + 1, 10), static_cast<COLORREF>(FrameColour(1, f))) << f;  // sunk edge
    EXPECT_EQ(PixelAt(combo.Image, x0 + 10, 10), RGB(255, 0, 255)) << f;  // the edit area is cut out
    EXPECT_EQ(PixelAt(combo.Image, x0 + 50 - bw / 2, 10), static_cast<COLORREF>(FrameColour(2, f))) << f;
    // SunkEdge holds the same pictures mirrored.
    EXPECT_EQ(PixelAt(sunk.Image, 199 - (x0 + 1), 10), static_cast<COLORREF>(FrameColour(1, f))) << f;
    EXPECT_EQ(PixelAt(sunk.Image, 199 - (x0 + 50 - bw / 2), 10), static_cast<COLORREF>(FrameColour(2, f))) << f;
  }
  // The original button picture, mirrored, is kept as the second image.
  ASSERT_EQ(combo.SecondImage.Width(), 72);
  EXPECT_EQ(PixelAt(combo.SecondImage, 0, 5), static_cast<COLORREF>(FrameColour(2, 4)));
  EXPECT_EQ(PixelAt(combo.SecondImage, 71, 5), static_cast<COLORREF>(FrameColour(2, 1)));
  // The arrow: 17 x 17 per frame from x = 50 f - 19, y = 2 of the composite.
  TDataSkinObject& arrow = *data->ComboxArrow;
  ASSERT_EQ(arrow.Image.Width(), 68);
  ASSERT_EQ(arrow.Image.Height(), 17);
  EXPECT_EQ(arrow.Frame, 4);
  for (int i = 0; i < 4; ++i)
    for (int p : {0, 8, 16})
      EXPECT_EQ(PixelAt(arrow.Image, 17 * i + p, p), PixelAt(combo.Image, 50 * (i + 1) - 19 + p, 2 + p));
}

TEST(SkinObjects, ComboArrowWithoutSunkEdgeIsTheButtonOnTheFace) {
  TTestSkin skin;
  skin.Picture("combo.bmp", 16, 8, [](int x, int) { return x < 8 ? RGB(255, 0, 255) : RGB(1, 2, 3); });
  auto data = LoadTestSkin(skin.Ini("[Colours]\r\nButtonFace=236 233 216\r\n[ComboButton]\r\nImage=combo.bmp\r\n"));
  TDataSkinObject& arrow = *data->ComboxArrow;
  ASSERT_EQ(arrow.Image.Width(), 16);
  EXPECT_EQ(arrow.Frame, 4);
  EXPECT_EQ(PixelAt(arrow.Image, 2, 2), RGB(236, 233, 216));
  EXPECT_EQ(PixelAt(arrow.Image, 12, 2), RGB(1, 2, 3));
  EXPECT_EQ(data->ComboButton->Style, 0);  // nothing combined
  EXPECT_EQ(data->ComboButton->Image.Width(), 16);
}

TEST(SkinObjects, ColoursComeFromTheColoursSectionOrTheSystem) {
  auto plain = LoadTestSkin(TTestSkin().Ini("[Other]\r\n"));
  for (int entry : {SkinColour::WindowText, SkinColour::ButtonFace, SkinColour::Scrollbar, SkinColour::Menu}) {
    EXPECT_EQ(plain->Colour(entry), SkinColourDefault(entry)) << entry;
    EXPECT_FALSE(plain->ColourGiven[entry]);
  }
  EXPECT_EQ(plain->Colour(SkinColour::Buttonlight), clBtnHighlight);
  EXPECT_EQ(plain->Colour(SkinColour::Menubar), clBtnFace);
  EXPECT_EQ(plain->Colour(SkinColour::Title), clBtnFace);  // no top border
  EXPECT_EQ(plain->CustomColours[0], clWhite);
  EXPECT_TRUE(plain->CustomColourList.empty());

  auto coloured = LoadTestSkin(TTestSkin().Ini(
      "[Colours]\r\nButtonFace=236 233 216\r\nHilight=1,2,3\r\n[Colour1]\r\ncolor=$123456\r\n[COLOURS2]\r\n"
      "[Customcolors]\r\nColor3=5\r\n"));
  EXPECT_EQ(coloured->Colour(SkinColour::ButtonFace), RGB(236, 233, 216));
  EXPECT_TRUE(coloured->ColourGiven[SkinColour::ButtonFace]);
  EXPECT_EQ(coloured->Colour(SkinColour::Menubar), RGB(236, 233, 216));  // follows the face
  EXPECT_FALSE(coloured->ColourGiven[SkinColour::Menubar]);
  EXPECT_EQ(coloured->Colour(SkinColour::Hilight), RGB(1, 2, 3));
  LOGBRUSH brush{};
  GetObjectW(coloured->FaceBrush(), sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, RGB(236, 233, 216));
  ASSERT_EQ(coloured->CustomColourList.size(), 2u);
  EXPECT_EQ(coloured->CustomColourList[0], 0x123456);
  EXPECT_EQ(coloured->CustomColourList[1], clWindowText);  // no color key
  EXPECT_EQ(coloured->CustomColours[3], 5);
  EXPECT_EQ(coloured->CustomColours[4], clWhite);
}

TEST(SkinObjects, TitleColourIsSampledFromTheTopBorderAndFeedsTheToolbar) {
  // A 142 x 62 top border of two stacked frames; only (47, 10) is red.
  TTestSkin skin;
  skin.Picture("top.bmp", 142, 62, [](int x, int y) { return x == 47 && y == 10 ? RGB(220, 20, 20) : RGB(0, 0, 90); });
  skin.Ini(
      "[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\nTextBack=top.bmp\r\nTextShift=26\r\nActiveTextR=1\r\n"
      "ActiveTextG=2\r\nActiveTextB=3\r\nInActiveTextR=4\r\nInActiveTextG=5\r\n[Fonts]\r\nFontHeight=11\r\n"
      "[TitlebarSkin]\r\nSkinName=Test Skin\r\n");
  auto data = LoadTestSkin(skin);
  EXPECT_EQ(data->Colour(SkinColour::Title), RGB(220, 20, 20));
  EXPECT_EQ(data->SkinName(), "Test Skin");
  EXPECT_EQ(data->Title->LeftWidth, 26);
  EXPECT_EQ(data->Title->Image.Width(), 142);
  EXPECT_EQ(data->Title->ActiveText, RGB(1, 2, 3));
  EXPECT_EQ(data->Title->InActiveText, clNone);  // one key missing: not set
  EXPECT_EQ(data->Title->FontHeight, 11);

  // The bar runs from the face mixed with 15 % white down to a colour made from the title's.
  // Worked by hand: saturation of (220, 20, 20) is round(200 / 220 * 255) = 232 > 110, so the
  // end is t mixed with white at (5625 - 25 * 232) / 140 + 50 = 49 (per cent, as the weight
  // is below 100): (220*49 + 255*51 + 50) / 100 = 238 and (20*49 + 255*51 + 50) / 100 = 140.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  auto mix150 = [](int a, int b) { return (a * 150 + b * 850 + 500) / 1000; };
  const int start[3] = {mix150(GetRValue(face), 255), mix150(GetGValue(face), 255), mix150(GetBValue(face), 255)};
  // The 40th line of the ramp: each channel moves by (39 d + 19) / 39, truncated toward zero.
  auto lastLine = [&](int r, int g, int b) {
    const int end[3] = {r, g, b};
    int c[3];
    for (int k = 0; k < 3; ++k) c[k] = start[k] + (39 * (end[k] - start[k]) + 19) / 39;
    return RGB(c[0], c[1], c[2]);
  };
  TBitmap& bar = data->Toolbar->Image;
  EXPECT_EQ(PixelAt(bar, 5, 0), RGB(start[0], start[1], start[2]));
  EXPECT_EQ(PixelAt(bar, 5, 39), lastLine(238, 140, 140));

  // A pale title colour (saturation 0 <= 110): the end is grey (128) mixed with it at 150 per
  // mille: (128*150 + 200*850 + 500) / 1000 = 189.
  TTestSkin pale;
  pale.Picture("top.bmp", 30, 30, [](int, int) { return RGB(200, 200, 200); });
  auto grey = LoadTestSkin(pale.Ini("[Personality]\r\nTop=top.bmp\r\n"));
  EXPECT_EQ(PixelAt(grey->Toolbar->Image, 0, 39), lastLine(189, 189, 189));
}

TEST(SkinObjects, ABorderFrameOfZeroDoesNotBreakTheTitleSample) {
  TTestSkin skin;
  skin.Picture("top.bmp", 30, 30, [](int x, int y) { return x == 10 && y == 10 ? RGB(9, 9, 9) : RGB(1, 1, 1); });
  auto data = LoadTestSkin(skin.Ini("[Personality]\r\nTop=top.bmp\r\nTopFrame=0\r\n"));
  EXPECT_FALSE(data->SkinPending());
  EXPECT_EQ(data->Colour(SkinColour::Title), RGB(9, 9, 9));
}

}  // namespace
