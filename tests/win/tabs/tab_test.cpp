// Tab skinners under Wine on a frame-coded skin: tab rows and page borders for tabs on every
// side (pictures flipped and turned), button-style tabs, pages, close boxes, the tab control's
// arrows, switching pages by a click on a skinned tab and by Ctrl+Tab, and the main window.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_updown.h"
#include "skin/form/control_skinners.h"
#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/form.h"
#include "ui/pagecontrol.h"
#include "ui/stdctrls.h"
#include "ui/skin_messages.h"
#include "win/skincontrols/skinner_test.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

namespace {

constexpr int kTabs = 3, kTabEdge = 53, kPane = 4, kButtons = 5;
constexpr int kTabW = 24, kTabH = 20, kTabTop = 4;

// The tab picture's outer rows (its top margin) have a colour of their own, so a flipped or
// turned tab shows where its outer edge went.
COLORREF TabBody(int frame) { return FrameColour(kTabs, frame); }
COLORREF TabEdge(int frame) { return FrameColour(kTabEdge, frame); }

TTestSkin TabSkin(int tabsStyle = 0) {
  TTestSkin skin;
  skin.Picture("tabs.bmp", kTabW * 5, kTabH, [](int x, int y) {
    const int frame = 1 + x / kTabW;
    return y < kTabTop ? FrameColour(kTabEdge, frame) : FrameColour(kTabs, frame);
  });
  skin.Strip("pane.bmp", 1, 30, 30, kPane);
  skin.Strip("buttons.bmp", 5, 15, 11, kButtons);
  skin.Ini("[Tabs]\r\nImage=tabs.bmp\r\nBorder=pane.bmp\r\nLeftWidth=3\r\nTopHeight=" + std::to_string(kTabTop) +
           "\r\nRightWidth=3\r\nBottomHeight=2\r\nFrame=5\r\nStyle=" + std::to_string(tabsStyle) +
           "\r\nNormalColour2=255\r\nMouseOverColour2=65280\r\n"
           "[Buttons]\r\nBitmap=buttons.bmp\r\nLeftWidth=2\r\nTopHeight=2\r\nRightWidth=2\r\nBottomHeight=2\r\n");
  return skin;
}

RECT ItemRect(HWND tabs, int i) {
  RECT r{};
  SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
  return r;
}

// The host answers close-box requests with its Answer.
class TClosingHost : public TFakeHost {
public:
  HWND HostWindow() const override { return Window; }
  HWND Window = nullptr;
};

class TabTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    Data = LoadTestSkin(TabSkin());
    ASSERT_TRUE(Data->Tabs && Data->Tabs->HasImage());
    Data->Colours[SkinColour::ButtonFace] = RGB(70, 71, 72);
    Form.reset(new TForm(nullptr));
    Form->SetBounds(50, 50, 600, 460);
    Form->Show();
    PumpMessages();
  }

  TPageControl* NewPages(TTabPosition position, int pages = 3, TTabStyle style = TTabStyle::tsTabs) {
    auto* control = new TPageControl(Form.get());
    control->SetParent(Form.get());
    control->SetBounds(10, 10, 300, 200);
    control->SetTabPosition(position);
    control->SetStyle(style);
    for (int i = 0; i < pages; ++i) {
      auto* sheet = new TTabSheet(Form.get());
      sheet->SetParent(control);
      sheet->SetCaption(L"页 " + std::to_wstring(i));
    }
    control->SetActivePageIndex(1);
    PumpMessages();
    return control;
  }

  // The tab control painted by its skinner into memory.
  std::unique_ptr<TProbeDC> PaintOf(TSkinControl& skinner) {
    RECT r{};
    GetWindowRect(skinner.Handle, &r);
    OffsetRect(&r, -r.left, -r.top);
    auto probe = std::make_unique<TProbeDC>(r.right, r.bottom, RGB(1, 2, 3));
    skinner.PaintSkin(probe->Get(), r);
    return probe;
  }

  TOwned<TSkinData> Data;
  TOwned<TForm> Form;
  TClosingHost Host;
};

TEST_F(TabTest, TabsOnTopShowTheCurrentAndOtherFramesAndThePageBorder) {
  TPageControl* pages = NewPages(TTabPosition::tpTop);
  auto* skinner = new TSkinTab(pages);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  const HWND h = pages->Handle();
  ASSERT_EQ(skinner->Placement, TTabPlacement::Top);
  const auto probe = PaintOf(*skinner);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const RECT item = ItemRect(h, i);
    const int frame = i == 1 ? 2 : 1;
    // One pixel lower than the platform's tab: the outer rows at its top, the body below.
    EXPECT_EQ(probe->At(item.left + 1, item.top + 1), TabEdge(frame));
    EXPECT_EQ(probe->At(item.left + 1, item.top + 1 + kTabTop), TabBody(frame));
  }
  RECT display{0, 0, 300, 200};
  SendMessageW(h, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  // The page border: 4 pixels around the display area, one pixel less on the tabs' side.
  EXPECT_EQ(probe->At(display.left - 4, display.bottom), FrameColour(kPane, 1));
  EXPECT_EQ(probe->At(display.right + 3, display.top - 3), FrameColour(kPane, 1));
  // The mouse over another tab lights it with the hot frame; the current tab keeps its own.
  const RECT other = ItemRect(h, 2);
  SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(other.left + 5, other.top + 5));
  EXPECT_EQ(skinner->HotTab, 2);
  EXPECT_EQ(PaintOf(*skinner)->At(other.left + 1, other.top + 1 + kTabTop), TabBody(4));
  const RECT current = ItemRect(h, 1);
  SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(current.left + 5, current.top + 5));
  EXPECT_EQ(PaintOf(*skinner)->At(current.left + 1, current.top + 1 + kTabTop), TabBody(2));
  SendMessageW(h, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(skinner->HotTab, -1);
  EXPECT_EQ(PaintOf(*skinner)->At(other.left + 1, other.top + 1 + kTabTop), TabBody(1));
  // Beside the last tab the row shows the parent's colour.
  const RECT last = ItemRect(h, 2);
  EXPECT_NE(probe->At(last.right + 20, last.top + 8), TabBody(1));
  EXPECT_EQ(SendMessageW(h, SKINMSG_QUERY, 0, 0), 1);
}

TEST_F(TabTest, TabsAtTheBottomAndSidesUseTheirPicturesFlippedAndTurned) {
  struct TCase {
    TTabPosition Position;
    TTabPlacement Placement;
  };
  for (const TCase c : {TCase{TTabPosition::tpBottom, TTabPlacement::Bottom},
                        TCase{TTabPosition::tpLeft, TTabPlacement::Left},
                        TCase{TTabPosition::tpRight, TTabPlacement::Right}}) {
    SCOPED_TRACE(static_cast<int>(c.Placement));
    TPageControl* pages = NewPages(c.Position);
    auto* skinner = new TSkinTab(pages);
    skinner->AttachControl(&Host, Data.get(), false, nullptr);
    ASSERT_EQ(skinner->Placement, c.Placement);
    const auto probe = PaintOf(*skinner);
    const RECT item = ItemRect(pages->Handle(), 1);
    const int cx = (item.left + item.right) / 2, cy = (item.top + item.bottom) / 2;
    // The tab's outer edge (away from the page) shows the picture's top rows.
    switch (c.Placement) {
      case TTabPlacement::Bottom:
        EXPECT_EQ(probe->At(item.left + 1, item.bottom - 3), TabEdge(2));
        EXPECT_EQ(probe->At(item.left + 1, item.top + 2), TabBody(2));
        break;
      case TTabPlacement::Left:
        EXPECT_EQ(probe->At(item.left + 1, cy), TabEdge(2));
        EXPECT_EQ(probe->At(item.right - 4, item.top + 2), TabBody(2));
        break;
      default:
        EXPECT_EQ(probe->At(item.right - 2, cy), TabEdge(2));
        EXPECT_EQ(probe->At(item.left + 3, item.top + 2), TabBody(2));
        break;
    }
    (void)cx;
    pages->Free();
    PumpMessages();
  }
}

TEST_F(TabTest, ButtonStyleTabsDrawTheButtonsFramesAndNoBorder) {
  TPageControl* pages = NewPages(TTabPosition::tpTop, 3, TTabStyle::tsButtons);
  auto* skinner = new TSkinTabBtn(pages);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  const auto probe = PaintOf(*skinner);
  const RECT current = ItemRect(pages->Handle(), 1), other = ItemRect(pages->Handle(), 2);
  EXPECT_EQ(probe->At(current.left + 1, current.top + 2), FrameColour(kButtons, 2));
  EXPECT_EQ(probe->At(other.left + 1, other.top + 2), FrameColour(kButtons, 1));
  EXPECT_EQ(probe->At(150, 150), RGB(1, 2, 3)) << "no page border below button tabs";
}

TEST_F(TabTest, PagesTakeTheFaceAndKeepTheirLabels) {
  TPageControl* pages = NewPages(TTabPosition::tpTop);
  TTabSheet* page = pages->ActivePage();
  auto* label = new TLabel(Form.get());
  label->SetParent(page);
  label->SetCaption(L"标签 Label");
  label->SetBounds(10, 10, 120, 20);
  auto* skinner = new TSkinTabSheet(page);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  RECT r{};
  GetClientRect(page->Handle(), &r);
  TProbeDC probe(r.right, r.bottom, RGB(1, 2, 3));
  SendMessageW(page->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(probe.Get()), PRF_CLIENT);
  EXPECT_EQ(probe.At(r.right - 5, r.bottom - 5), RGB(70, 71, 72));
  int text = 0;
  for (int y = 10; y < 30; ++y)
    for (int x = 10; x < 130; ++x) text += probe.At(x, y) != RGB(70, 71, 72);
  EXPECT_GT(text, 20) << "the label's text is painted on the page";
}

TEST_F(TabTest, AClickOnASkinnedTabAndCtrlTabSwitchPages) {
  TPageControl* pages = NewPages(TTabPosition::tpTop);
  auto* skinner = new TSkinTab(pages);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  auto* edit = new TEdit(Form.get());
  edit->SetParent(pages->Pages(1));
  edit->SetBounds(10, 10, 100, 24);
  PumpMessages();

  const RECT third = ItemRect(pages->Handle(), 2);
  const LPARAM at = MAKELPARAM((third.left + third.right) / 2, (third.top + third.bottom) / 2);
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, at);
  PumpMessages();
  EXPECT_EQ(pages->ActivePageIndex(), 2);
  EXPECT_EQ(PaintOf(*skinner)->At(third.left + 1, third.top + 1 + kTabTop), TabBody(2));

  // Ctrl+Tab from a control on a page moves to the next page, wrapping; Ctrl+Shift+Tab back.
  pages->SetActivePageIndex(1);
  SetForegroundWindow(Form->Handle());
  edit->SetFocus();
  PumpMessages();
  const auto keys = [](std::initializer_list<std::pair<WORD, bool>> strokes) {
    for (const auto& [key, up] : strokes) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
      input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      SendInput(1, &input, sizeof input);
    }
    PumpMessages(50);
  };
  keys({{VK_CONTROL, false}, {VK_TAB, false}, {VK_TAB, true}, {VK_CONTROL, true}});
  EXPECT_EQ(pages->ActivePageIndex(), 2);
  keys({{VK_CONTROL, false}, {VK_TAB, false}, {VK_TAB, true}, {VK_CONTROL, true}});
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  keys({{VK_CONTROL, false}, {VK_SHIFT, false}, {VK_TAB, false}, {VK_TAB, true}, {VK_SHIFT, true}, {VK_CONTROL, true}});
  EXPECT_EQ(pages->ActivePageIndex(), 2);
  // The focus did not stay on the hidden page.
  EXPECT_FALSE(GetFocus() && IsChild(pages->Pages(1)->Handle(), GetFocus()));
}

TEST_F(TabTest, CloseBoxesClosePagesUnlessTheFormSaysNo) {
  TPageControl* pages = NewPages(TTabPosition::tpTop, 4);
  pages->SetTag(kCloseBoxTag);
  Host.Window = Form->Handle();
  LRESULT answer = 0;
  int asked = 0;
  TWndMethod inner = Form->WindowProc;
  Form->WindowProc = [&](TMessage& m) {
    if (m.Msg == SKINMSG_TABCLOSE) {
      ++asked;
      m.Result = answer;
      return;
    }
    inner(m);
  };
  auto* skinner = new TSkinTab(pages);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  ASSERT_TRUE(skinner->CloseBoxesOn);
  PaintOf(*skinner);
  ASSERT_EQ(skinner->CloseBoxes.size(), 4u);
  const TTabRect box = skinner->CloseBoxes[2];
  const LPARAM at = MAKELPARAM(box.Left + 2, box.Top + 2);

  answer = 1;  // the form keeps the page
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PumpMessages();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(pages->PageCount(), 4);

  answer = 0;
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PumpMessages();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(pages->PageCount(), 3);
  // A click beside the boxes is the tab control's own.
  const RECT first = ItemRect(pages->Handle(), 0);
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.left + 4, first.bottom - 4));
  SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(first.left + 4, first.bottom - 4));
  PumpMessages();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  Form->WindowProc = inner;
}

TEST_F(TabTest, ATabControlWithManyTabsHasItsArrowsSkinnedAndKeptFree) {
  auto* tabs = new TTabControl(Form.get());
  tabs->SetParent(Form.get());
  tabs->SetBounds(10, 220, 260, 120);
  for (int i = 0; i < 15; ++i) tabs->Tabs()->Add(L"标签 " + std::to_wstring(i));
  PumpMessages();
  auto* skinner = new TSkinTab(tabs);
  skinner->Variant = 2;
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  const HWND arrows = FindWindowExW(tabs->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(arrows, nullptr) << "15 tabs in 260 pixels should need the arrows";
  ASSERT_NE(skinner->ArrowSkinner, nullptr);
  EXPECT_EQ(skinner->ArrowSkinner->Handle, arrows);
  EXPECT_EQ(SendMessageW(arrows, SKINMSG_QUERY, 0, 0), 1);

  // Choosing a tab changes TabIndex and tells OnChange once.
  int changes = 0;
  tabs->OnChange = [&](TObject*) { ++changes; };
  tabs->SelectNextTab(true);
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(changes, 1);
}

TEST(MainWindowTabs, ThePageControlAndItsPagesAreSkinnedAndASkinnedTabSwitchesPages) {
  TestApplication();
  TWinSkinForm::Register();
  RegisterControlSkinners();
  {
    TOwned<TForm1> form(new TForm1(nullptr));
    form->Show();
    PumpMessages(100);
    for (TWinControl* c : {static_cast<TWinControl*>(form->PageControl1), static_cast<TWinControl*>(form->TabSheet1),
                           static_cast<TWinControl*>(form->TabSheet2)}) {
      SCOPED_TRACE(c->Name());
      EXPECT_EQ(SendMessageW(c->Handle(), SKINMSG_QUERY, 0, 0), 1);
    }
    const HWND h = form->PageControl1->Handle();
    const RECT second = ItemRect(h, 1);
    const LPARAM at = MAKELPARAM((second.left + second.right) / 2, (second.top + second.bottom) / 2);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    PumpMessages();
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet2);
  }
  FreeSkinManager();
}

}  // namespace
