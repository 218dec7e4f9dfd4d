// The tab skinners of other toolkits' controls, on small classes of the same names that carry
// the published properties the skinners read: a tab set strip drawn from the upside-down tab
// picture with its scroller's room kept free, and a page control given rendered tab pictures.
#include <gtest/gtest.h>

#include "skin/controls/skin_tabset.h"
#include "skin/controls/tab_geometry.h"
#include "skin/controls/skin_updown.h"
#include "ui/customcontrol.h"
#include "ui/extctrls.h"
#include "ui/form.h"
#include "win/skincontrols/skinner_test.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

// Named like the other toolkit's tab set; only what the skinner reads.
class TTabSet : public TCustomControl {
  CORVANA_CLASS(TTabSet)

public:
  explicit TTabSet(TComponent* owner) : TCustomControl(owner), FTabs(std::make_unique<TWideStringList>()) {}
  TStrings* Tabs() const { return FTabs.get(); }
  int TabIndex() const { return FTabIndex; }
  void SetTabIndex(int v) { FTabIndex = v; }
  int FirstIndex() const { return FFirstIndex; }
  void SetFirstIndex(int v) { FFirstIndex = v; }
  int StartMargin() const { return FStartMargin; }
  void SetStartMargin(int v) { FStartMargin = v; }
  int EndMargin() const { return FEndMargin; }
  void SetEndMargin(int v) { FEndMargin = v; }

private:
  std::unique_ptr<TWideStringList> FTabs;
  int FTabIndex = 0, FFirstIndex = 0, FStartMargin = 5, FEndMargin = 5;
};

const TClassInfo& TTabSet::StaticClassInfo() {
  static const TClassInfo info("TTabSet", &TCustomControl::StaticClassInfo(),
                               {
                                   props::SubObject<TTabSet, TStrings>("Tabs", &TTabSet::Tabs),
                                   props::Integer<TTabSet>("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex),
                                   props::Integer<TTabSet>("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex),
                                   props::Integer<TTabSet>("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin),
                                   props::Integer<TTabSet>("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin),
                               });
  return info;
}

// Named like the other family's page control, with its two tab pictures.
class TAdvPageControl : public TCustomControl {
  CORVANA_CLASS(TAdvPageControl)

public:
  using TCustomControl::TCustomControl;
  TBitmap* TabBackGround() const { return &FBack; }
  TBitmap* TabBackGroundActive() const { return &FActive; }

private:
  mutable TBitmap FBack, FActive;
};

const TClassInfo& TAdvPageControl::StaticClassInfo() {
  static const TClassInfo info("TAdvPageControl", &TCustomControl::StaticClassInfo(),
                               {
                                   props::SubObject<TAdvPageControl, TBitmap>("TabBackGround",
                                                                              &TAdvPageControl::TabBackGround),
                                   props::SubObject<TAdvPageControl, TBitmap>("TabBackGroundActive",
                                                                              &TAdvPageControl::TabBackGroundActive),
                               });
  return info;
}

namespace {

constexpr int kTabs = 7, kEdge = 61, kTabW = 20, kTabH = 18, kEdgeRows = 3;

class TabSetTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    TTestSkin skin;
    skin.Picture("tabs.bmp", kTabW * 5, kTabH, [](int x, int y) {
      return y < kEdgeRows ? FrameColour(kEdge, 1 + x / kTabW) : FrameColour(kTabs, 1 + x / kTabW);
    });
    skin.Ini("[Tabs]\r\nImage=tabs.bmp\r\nLeftWidth=2\r\nTopHeight=" + std::to_string(kEdgeRows) +
             "\r\nRightWidth=2\r\nBottomHeight=2\r\n");
    Data = LoadTestSkin(skin);
    ASSERT_TRUE(Data->Tabs && Data->Tabs->HasImage());
    Data->Colours[SkinColour::ButtonFace] = RGB(70, 71, 72);
    Form.reset(new TForm(nullptr));
    Form->SetBounds(40, 40, 500, 300);
    Form->Show();
    PumpMessages();
  }
  TOwned<TSkinData> Data;
  TOwned<TForm> Form;
  TFakeHost Host;
};

TEST_F(TabSetTest, TabsHangUpsideDownFromTheStartMarginAndStopWhereTheyNoLongerFit) {
  auto* set = new TTabSet(Form.get());
  set->SetParent(Form.get());
  set->SetBounds(10, 10, 200, 24);
  for (const wchar_t* t : {L"一", L"二二", L"三三三", L"四四四四", L"五五五五五", L"六六六六六六"}) set->Tabs()->Add(t);
  set->SetTabIndex(1);
  auto* scroller = new TPanel(Form.get());
  scroller->SetParent(set);
  scroller->SetBounds(160, 2, 36, 20);
  PumpMessages();
  auto* skinner = new TSkinTab31(set);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  ASSERT_NE(skinner->ArrowSkinner, nullptr);
  EXPECT_EQ(skinner->ArrowSkinner->Kind, 1);
  EXPECT_EQ(skinner->ArrowSkinner->Handle, scroller->Handle());

  TProbeDC probe(200, 24, RGB(1, 2, 3));
  RECT r{0, 0, 200, 24};
  skinner->PaintSkin(probe.Get(), r);
  // The first tab starts at the start margin; its outer rows are at the bottom (flipped).
  EXPECT_EQ(probe.At(4, 12), RGB(70, 71, 72));
  EXPECT_EQ(probe.At(5, 23), FrameColour(kEdge, 1));
  EXPECT_EQ(probe.At(5, 2), FrameColour(kTabs, 1));
  // The selected second tab shows frame 2.
  const HDC dc = probe.Get();
  SelectObject(dc, set->Font()->Handle());
  SIZE one{};
  GetTextExtentPoint32W(dc, L"一", 1, &one);
  const int second = 5 + one.cx + kTabSetPadding;
  EXPECT_EQ(probe.At(second, 2), FrameColour(kTabs, 2));
  // With the scroller showing, 21 pixels at the end of the usable width stay free of tabs.
  for (int x = 200 - 5 - 21 + 1; x < 200; ++x) {
    SCOPED_TRACE(x);
    EXPECT_NE(probe.At(x, 2), FrameColour(kTabs, 1));
  }
}

TEST_F(TabSetTest, AnAdvancedPageControlGetsRenderedTabPicturesAndLosesThemAtDetach) {
  auto* pages = new TAdvPageControl(Form.get());
  pages->SetParent(Form.get());
  pages->SetBounds(10, 50, 300, 200);
  PumpMessages();
  auto* skinner = new TSkinAdvPage(pages);
  skinner->AttachControl(&Host, Data.get(), true, nullptr);
  TBitmap* back = pages->TabBackGround();
  TBitmap* active = pages->TabBackGroundActive();
  ASSERT_EQ(back->Width(), kAdvTabWidth);
  ASSERT_EQ(back->Height(), kAdvTabHeight);
  EXPECT_EQ(GetPixel(back->Canvas().Handle(), 50, 10), FrameColour(kTabs, 1));
  EXPECT_EQ(GetPixel(back->Canvas().Handle(), 50, 0), FrameColour(kEdge, 1));
  EXPECT_EQ(GetPixel(active->Canvas().Handle(), 50, 10), FrameColour(kTabs, 2));
  skinner->Detach();
  EXPECT_TRUE(pages->TabBackGround()->Empty());
  EXPECT_TRUE(pages->TabBackGroundActive()->Empty());
}

}  // namespace
