// Faults of the control skinners pinned on real controls under Wine: a header without its
// picture, skinners switched off and detached, the hot tab frame, a tab sheet asked to paint
// into a DC, chunk caps wider than the chunk, the combo arrow without the platform's combo
// query, and the stand-alone scroll bar's hint.
#include <gtest/gtest.h>

#include "skin/controls/skin_box.h"
#include "skin/controls/skin_combobox.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_listview.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_tab.h"
#include "skin/form/control_skinners.h"
#include "skin/model/skin_manage.h"
#include "ui/combobox.h"
#include "ui/comctrls_range.h"
#include "ui/extctrls.h"
#include "ui/messages.h"
#include "ui/pagecontrol.h"
#include "ui/scrollbar.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/rangeinputs/range_skin_test.h"
#include "win/scrollbars/scroll_test.h"

// A memo with the "FixedColor" a grid has, which the scroll-bar skinner recolours.
class TFixedColourMemo : public TMemo {
  CORVANA_CLASS(TFixedColourMemo)

public:
  using TMemo::TMemo;
  int FixedColor() const { return FFixedColor; }
  void SetFixedColor(int value) { FFixedColor = value; }

private:
  int FFixedColor = 0x123456;
};

const TClassInfo& TFixedColourMemo::StaticClassInfo() {
  static const TClassInfo info(
      "TFixedColourMemo", &TMemo::StaticClassInfo(),
      {props::Integer<TFixedColourMemo>("FixedColor", &TFixedColourMemo::FixedColor, &TFixedColourMemo::SetFixedColor)});
  return info;
}

namespace {

constexpr int kOriginalFixed = 0x123456;

bool Showing(const std::unique_ptr<TWScrollbar>& bar) { return bar && bar->Window() && IsWindowVisible(bar->Window()); }

class SwitchTest : public ScrollSkinTest {};

TEST_F(SwitchTest, SwitchedOffTheScrollBarsAndPanelsAreThePlatformsAndDetachStillRestores) {
  auto* memo = new TFixedColourMemo(Form.get());
  memo->SetParent(Form.get());
  memo->SetWordWrap(false);
  memo->SetScrollBars(TScrollStyle::ssBoth);
  memo->SetBounds(10, 10, 300, 200);
  memo->Lines()->AddLines(NumberedLines(200, 80));
  PumpMessages();
  auto* scroller = new TSkinScrollbar(memo);
  scroller->AttachScrolled(memo, Data.get(), &Host);
  auto* panel = new TPanel(Form.get());
  panel->SetParent(Form.get());
  panel->SetBounds(330, 10, 120, 80);
  const TColor panelColour = panel->Color();
  const bool panelParentBackground = panel->ParentBackground();
  auto* box = new TSkinBox(panel);
  box->AttachControl(&Host, Data.get(), true, nullptr);
  PumpMessages();
  ASSERT_TRUE(Showing(scroller->VertBar));
  ASSERT_EQ(memo->FixedColor(), static_cast<int>(kTestFace));
  ASSERT_EQ(panel->Color(), kTestFace);

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    SendMessageW(memo->Handle(), SKINMSG_SWITCH, 0, 0);
    SendMessageW(panel->Handle(), SKINMSG_SWITCH, 0, 0);
    PumpMessages();
    EXPECT_FALSE(Showing(scroller->VertBar)) << "no overlay paints or catches clicks";
    EXPECT_FALSE(Showing(scroller->HorzBar));
    EXPECT_EQ(memo->FixedColor(), kOriginalFixed);
    EXPECT_EQ(panel->Color(), panelColour);
    EXPECT_EQ(panel->ParentBackground(), panelParentBackground);
    if (round == 1) break;
    SendMessageW(memo->Handle(), SKINMSG_SWITCH, 1, 0);
    SendMessageW(panel->Handle(), SKINMSG_SWITCH, 1, 0);
    PumpMessages();
    EXPECT_TRUE(Showing(scroller->VertBar));
    EXPECT_EQ(memo->FixedColor(), static_cast<int>(kTestFace));
    EXPECT_EQ(panel->Color(), kTestFace);
  }
  // Detached while switched off: nothing is taken over again, nothing stays changed.
  scroller->Detach();
  box->Detach();
  EXPECT_EQ(memo->FixedColor(), kOriginalFixed);
  EXPECT_EQ(panel->Color(), panelColour);
  EXPECT_FALSE(scroller->VertBar) << "the overlays go at detach";
}

HWND NewHeader(HWND parent) {
  const HWND header = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 10, 300, 300, 24,
                                      parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = const_cast<wchar_t*>(L"地址 Address");
  item.cxy = 150;
  item.fmt = HDF_LEFT | HDF_STRING;
  SendMessageW(header, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return header;
}

int PixelsOf(TProbeDC& probe, const RECT& r, COLORREF colour) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += probe.At(x, y) == colour;
  return n;
}

TEST_F(SwitchTest, AHeaderWithoutItsPictureIsPaintedByThePlatformAndCaptionsUseOnlyAGivenTextColour) {
  const HWND header = NewHeader(Form->Handle());
  const RECT item{2, 2, 148, 22};
  {
    TOwned<TSkinHeader> skinner(new TSkinHeader(nullptr));
    skinner->AttachWindow(header, Data.get(), &Host, nullptr);
    TProbeDC probe(300, 24, RGB(1, 2, 3));
    SendMessageW(header, WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
    EXPECT_EQ(PixelsOf(probe, item, RGB(1, 2, 3)), 0) << "the platform painted the column";
    skinner->Detach();
  }
  constexpr COLORREF kRed = RGB(200, 0, 0);
  Data->Headerbar = std::make_unique<TDataSkinObject>("Headerbar");
  MakeFrameCodedObject(*Data->Headerbar, 5, 12, 10, 2, 2, 2, 2);
  Data->Colours[SkinColour::WindowText] = kRed;
  for (const bool given : {true, false}) {
    SCOPED_TRACE(given);
    Data->ColourGiven[SkinColour::WindowText] = given;
    TOwned<TSkinHeader> skinner(new TSkinHeader(nullptr));
    skinner->AttachWindow(header, Data.get(), &Host, nullptr);
    TProbeDC probe(300, 24, RGB(1, 2, 3));
    SendMessageW(header, WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
    EXPECT_EQ(PixelsOf(probe, item, kRed) > 0, given);
    skinner->Detach();
  }
  DestroyWindow(header);
}

TEST_F(SwitchTest, TheHotTabFrameOnlyWhereTheSkinSaysItsPictureHoldsItAndSheetsPaintIntoAGivenDC) {
  constexpr int kSeed = 9, kTabW = 24, kTabH = 20;
  const struct {
    const char* Declared;
    int HotFrame;
  } cases[] = {{"", 1}, {"Frame=5\r\n", 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Declared);
    TTestSkin skin;
    skin.Strip("tabs.bmp", 5, kTabW, kTabH, kSeed);
    skin.Ini(std::string("[Tabs]\r\nImage=tabs.bmp\r\nLeftWidth=3\r\nTopHeight=3\r\nRightWidth=3\r\nBottomHeight=2\r\n") +
             c.Declared);
    TOwned<TSkinData> tabsData = LoadTestSkin(skin);
    ASSERT_TRUE(tabsData->Tabs && tabsData->Tabs->HasImage());
    auto* pages = new TPageControl(Form.get());
    pages->SetParent(Form.get());
    pages->SetBounds(10, 10, 300, 200);
    TTabSheet* sheet = nullptr;
    for (int i = 0; i < 3; ++i) {
      sheet = new TTabSheet(pages);
      sheet->SetParent(pages);
      sheet->SetCaption(L"页 " + std::to_wstring(i));
    }
    pages->SetActivePageIndex(1);
    PumpMessages();
    auto* skinner = new TSkinTab(pages);
    skinner->AttachControl(&Host, tabsData.get(), false, nullptr);
    RECT other{};
    SendMessageW(pages->Handle(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&other));
    SendMessageW(pages->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(other.left + 5, other.top + 5));
    RECT r{};
    GetWindowRect(pages->Handle(), &r);
    TProbeDC probe(r.right - r.left, r.bottom - r.top, RGB(1, 2, 3));
    OffsetRect(&r, -r.left, -r.top);
    skinner->PaintSkin(probe.Get(), r);
    EXPECT_EQ(probe.At(other.left + 2, other.bottom - 3), FrameColour(kSeed, c.HotFrame));

    // A sheet asked for its look in a DC (a transparent face painting its parent) paints there.
    auto* sheetSkinner = new TSkinTabSheet(sheet);
    sheetSkinner->AttachControl(&Host, tabsData.get(), false, nullptr);
    ASSERT_EQ(sheetSkinner->Variant, 0);
    TProbeDC face(40, 40, RGB(1, 2, 3));
    SendMessageW(sheet->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(face.Get()), 0);
    EXPECT_EQ(face.At(20, 20), ColorToRGB(tabsData->Colour(SkinColour::ButtonFace)));
    pages->Free();
    PumpMessages();
  }
}

class RangeFaults : public RangeSkinTest {};

TEST_F(RangeFaults, ChunkCapsWiderThanTheChunkStretchTheChunkWhole) {
  Data->Progress.reset(new TDataSkinBorder("Progress"));
  MakeCodedObject(*Data->Progress, 1, 1, 11, 7, 2, 2, 3, 1);
  Data->Progress->Style = 1;
  Data->ProgressChunk.reset(new TDataSkinObject("Progress.Chunk"));
  // Six columns of their own colours, caps of four on each side.
  constexpr int kColumns = 6;
  auto column = [](int k) { return RGB(10 + 40 * k, 100, 50); };
  TDataSkinObject& chunk = *Data->ProgressChunk;
  chunk.LeftWidth = chunk.RightWidth = 4;
  chunk.Image.SetPixelFormat(TPixelFormat::pf24bit);
  chunk.Image.SetSize(kColumns, 9);
  for (int k = 0; k < kColumns; ++k) TSkinControl::FillColor(chunk.Image.Canvas().Handle(), RECT{k, 0, k + 1, 9}, column(k));
  auto* bar = Make<TProgressBar>(10, 10, 153, 19);
  bar->SetPosition(37);
  auto* skinner = new TSkinProgress(bar);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  TProbeDC probe(153, 19, kProbeFill);
  PaintInto(bar->Handle(), probe);
  // 57 pixels of chunk from x = 2: column k's centre lands at 2 + (k + 1/2) * 57 / 6.
  for (int k : {0, 2, 5}) EXPECT_EQ(probe.At(2 + (2 * k + 1) * 57 / 12, 9), column(k)) << k;
}

TEST_F(RangeFaults, TheComboArrowFindsThePlatformsButtonPlaceWithoutTheComboQuery) {
  RegisterControlSkinners();
  Data->ComboButton.reset(new TDataSkinBorder("ComboButton"));
  MakeCodedObject(*Data->ComboButton, 5, 4, 9, 11, 0, 0, 0, 0);
  Data->ComboxArrow.reset(new TDataSkinObject("ComboxArrow"));
  MakeCodedObject(*Data->ComboxArrow, 14, 4, 6, 6, 0, 0, 0, 0);
  auto* combo = Make<TComboBox>(20, 60, 160, 21);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  auto* skinner = new TSkinComBox(combo);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  SetPropText(skinner, "ExVariant", L"1");
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  const SIZE size = WindowSize(combo->Handle());
  TProbeDC probe(size.cx, size.cy, kProbeFill);
  const auto query = SkinPlatform().GetComboBoxInfo;
  SkinPlatform().GetComboBoxInfo = nullptr;
  PaintInto(combo->Handle(), probe);
  SkinPlatform().GetComboBoxInfo = query;
  const RECT b = info.rcButton;
  EXPECT_EQ(CodeAt(probe, (b.left + b.right) / 2, (b.top + b.bottom) / 2), 14);
}

TEST_F(SwitchTest, TheStandAloneScrollBarUnderItsOverlayStillHearsTheMouse) {
  auto* control = new TScrollBar(Form.get());
  control->SetParent(Form.get());
  control->SetKind(TScrollBarKind::sbVertical);
  control->SetBounds(400, 10, 17, 240);
  control->SetHint(L"滚动 Scroll");
  control->SetShowHint(true);
  PumpMessages();
  auto* skinner = new TSkinScControl(control);
  skinner->AttachScrollContainer(control, Data.get(), &Host, nullptr);
  PumpMessages();
  ASSERT_TRUE(skinner->ScrollBar && skinner->ScrollBar->Shown);
  auto entered = std::make_shared<int>(0);
  TWndMethod saved = control->WindowProc;
  control->WindowProc = [saved, entered](TMessage& m) {
    if (m.Msg == CM_MOUSEENTER) ++*entered;
    saved(m);
  };
  SendMessageW(skinner->ScrollBar->Window(), WM_MOUSEMOVE, 0, MAKELPARAM(8, 120));
  EXPECT_EQ(*entered, 1) << "the control under the mouse is the scroll bar, whose hint then shows";
  control->WindowProc = saved;
}

}  // namespace
