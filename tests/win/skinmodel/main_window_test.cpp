// The real main window, created from the program's own description resource, carries
// SkinData1 with the default skin loaded and the stored values of the main window.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "win/support/ui_test.h"

namespace {

std::vector<std::uint8_t> DefaultSkinBytes() {
  TMemoryStream file;
  file.LoadFromFile(CORVANA_DEFAULT_SKIN);
  return {file.Bytes().begin(), file.Bytes().end()};
}

TEST(MainWindowSkin, SkinData1HoldsTheDefaultSkinLoaded) {
  TestApplication();
  TOwned<TForm1> form(new TForm1(nullptr));
  auto* data = form->FindComponentAs<TSkinData>("SkinData1");
  ASSERT_TRUE(data);
  EXPECT_EQ(form->SkinData1, data);

  // The stored archive is the default skin, byte for byte, and it is loaded.
  const std::vector<std::uint8_t> skin = DefaultSkinBytes();
  ASSERT_EQ(data->StoredStream().Size(), static_cast<std::int64_t>(skin.size()));
  EXPECT_TRUE(std::equal(skin.begin(), skin.end(), data->StoredStream().Memory()));
  EXPECT_FALSE(data->SkinPending());
  EXPECT_EQ(data->SkinName(), "Corvana Light");

  // The stored values of the main window.
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(data->DisableTag(), 99);
  EXPECT_EQ(data->SkinControls(),
            SetOf(xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress,
                  xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar,
                  xcTab, xcTrackBar, xcSystemMenu));
  EXPECT_EQ(data->Options(), SetOf(xoPreview, xoToolbarBK, xoCaptionButtonHint));
  EXPECT_EQ(data->SkinFormtype(), sfMainform);
  EXPECT_EQ(data->Version(), "5.40.07.15");
  EXPECT_EQ(data->SkinStore(), "(none)");
  EXPECT_TRUE(data->MenuUpdate());
  EXPECT_FALSE(data->MenuMerge());
  TOwned<TSkinData> fresh(new TSkinData(nullptr));
  ASSERT_EQ(data->Skin3rd()->Count(), 118);
  EXPECT_EQ(data->Skin3rd()->ToVector(), fresh->Skin3rd()->ToVector());

  // The default skin's objects and colour table.
  EXPECT_EQ(data->Borders[kBorderTop]->Frame, 2);
  EXPECT_FALSE(data->Borders[kBorderTop]->Image.Empty());
  EXPECT_EQ(data->Borders[kBorderLeft]->TopHeight, 30);
  EXPECT_FALSE(data->Buttons->Image.Empty());
  EXPECT_EQ(data->Buttons->Frame, 5);
  EXPECT_EQ(data->Buttons->RadioButtonFrame, 8);
  EXPECT_EQ(data->Buttons->CheckButtonFrame, 12);
  ASSERT_TRUE(data->Tabs);
  EXPECT_EQ(data->Tabs->Frame, 5);
  EXPECT_FALSE(data->Tabs->SecondImage.Empty());
  ASSERT_TRUE(data->ComboButton);
  EXPECT_EQ(data->ComboButton->Style, 2);  // combined with SunkEdge
  EXPECT_EQ(data->ComboxArrow->Frame, 4);
  ASSERT_TRUE(data->Scrollbar);
  EXPECT_EQ(data->Scrollbar->Frame, 23);
  ASSERT_TRUE(data->StatusBarEdges);
  EXPECT_EQ(data->StatusBarEdges->Frame, 3);
  ASSERT_TRUE(data->Track);
  EXPECT_EQ(data->Title->ActiveText, RGB(255, 255, 255));
  EXPECT_EQ(data->Title->LeftWidth, 26);  // TextShift
  // Caption buttons of the skin and the three MDI buttons after them.
  ASSERT_GE(data->TitleButtons.size(), 4u);
  EXPECT_EQ(data->TitleButtons.front()->Name, "BUTTONCLOSE");
  EXPECT_EQ(data->TitleButtons.back()->Action, 9);
  EXPECT_FALSE(data->TitleButtons.back()->Image.Empty());  // cut from the MDI picture

  EXPECT_EQ(data->Colour(SkinColour::ButtonFace), RGB(240, 243, 247));
  EXPECT_EQ(data->Colour(SkinColour::WindowText), RGB(30, 36, 44));
  EXPECT_EQ(data->Colour(SkinColour::Scrollbar), RGB(232, 236, 241));
  EXPECT_TRUE(data->ColourGiven[SkinColour::Menubar]);
  EXPECT_EQ(data->Colour(SkinColour::Title), data->SampleTitleColour());
  LOGBRUSH brush{};
  GetObjectW(data->FaceBrush(), sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, RGB(240, 243, 247));
  EXPECT_EQ(data->MenuGlyphs().Count(), 4);

  // Loaded registered it as the program's main component and turned skinning on.
  ASSERT_TRUE(SkinManager());
  EXPECT_EQ(SkinManager()->MainSkinData(), data);
  EXPECT_TRUE(SkinManager()->HookInstalled());
  EXPECT_TRUE(SkinManager()->Enabled);

  // The window still works as before: the caption carries the version.
  EXPECT_EQ(form->Caption(), L"Corvana Ver:1.0.20100523");
  form.reset();
  FreeSkinManager();
}

}  // namespace
