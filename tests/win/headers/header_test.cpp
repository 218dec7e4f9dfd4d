// Headers, list views and stand-alone scroll bars skinned under Wine on a frame-coded skin:
// header frames (normal, hot, pressed), caption alignment, a divider dragged by real messages,
// a list view scrolled by its skinned bar as by the platform's, and the scroll-bar control's
// overlay with its thumb never shorter than its minimum.
#include <gtest/gtest.h>

#include "skin/controls/skin_header.h"
#include "skin/controls/skin_listview.h"
#include "ui/form.h"
#include "ui/scrollbar.h"
#include "ui/skin_messages.h"
#include "win/scrollbars/scroll_test.h"

// A bare report list view of the framework, only what the skinner needs.
class TTestListView : public TWinControl {
  CORVANA_CLASS(TTestListView)

public:
  using TWinControl::TWinControl;

protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.SuperClassName = WC_LISTVIEWW;
    params.Style |= LVS_REPORT | WS_TABSTOP;
    params.ExStyle |= WS_EX_CLIENTEDGE;
  }
};

const TClassInfo& TTestListView::StaticClassInfo() {
  static const TClassInfo info("TTestListView", &TWinControl::StaticClassInfo(), {});
  return info;
}

namespace {

constexpr int kHeader = 8;

HWND NewHeader(HWND parent, int left, int top) {
  const HWND header = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, left, top, 400, 24,
                                      parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  const struct {
    const wchar_t* Text;
    int Width;
    int Format;
  } items[] = {{L"地址", 80, HDF_LEFT}, {L"次数", 90, HDF_CENTER}, {L"位置", 100, HDF_RIGHT}};
  int i = 0;
  for (const auto& it : items) {
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<wchar_t*>(it.Text);
    item.cxy = it.Width;
    item.fmt = it.Format | HDF_STRING;
    SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i++), reinterpret_cast<LPARAM>(&item));
  }
  return header;
}

RECT HeaderItem(HWND header, int i) {
  RECT r{};
  SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
  return r;
}

// The columns inside r whose pixels are not the frame's colour (the caption's ink).
std::pair<int, int> InkSpan(TProbeDC& probe, const RECT& r, COLORREF face) {
  int first = -1, last = -1;
  for (int x = r.left; x < r.right; ++x)
    for (int y = r.top + 2; y < r.bottom - 2; ++y)
      if (probe.At(x, y) != face) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

class HeaderTest : public ScrollSkinTest {
protected:
  void SetUp() override {
    ScrollSkinTest::SetUp();
    // The header strip: five frames of 12 x 10 with 2-pixel margins, each its own colour.
    Data->Headerbar = std::make_unique<TDataSkinObject>("Headerbar");
    MakeFrameCodedObject(*Data->Headerbar, 5, 12, 10, 2, 2, 2, 2);
    Data->Colours[SkinColour::WindowText] = RGB(0, 0, 0);
  }
  std::unique_ptr<TProbeDC> Paint(TSkinHeader& skinner) {
    RECT r{};
    GetClientRect(skinner.Handle, &r);
    auto probe = std::make_unique<TProbeDC>(r.right, r.bottom, RGB(1, 2, 3));
    skinner.PaintSkin(probe->Get(), r);
    return probe;
  }
};

TEST_F(HeaderTest, ColumnsShowNormalHotAndPressedFramesAndTheRestOfTheStrip) {
  const HWND header = NewHeader(Form->Handle(), 10, 10);
  TOwned<TSkinHeader> skinner(new TSkinHeader(nullptr));
  skinner->AttachWindow(header, Data.get(), &Host, nullptr);
  PumpMessages();
  auto probe = Paint(*skinner);
  const RECT second = HeaderItem(header, 1);
  EXPECT_EQ(probe->At(second.left + 5, 12), SliceColour(1, 4));
  EXPECT_EQ(probe->At(350, 12), SliceColour(1, 4)) << "the strip after the last column";
  ASSERT_EQ(skinner->ItemRects.size(), 3u);
  EXPECT_EQ(skinner->ItemRects[1].left, second.left + 3);

  SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(second.left + 20, 10));
  EXPECT_EQ(skinner->HotItem, 1);
  probe = Paint(*skinner);
  EXPECT_EQ(probe->At(second.left + 5, 12), SliceColour(2, 4));
  EXPECT_EQ(probe->At(HeaderItem(header, 0).right - 8, 12), SliceColour(1, 4));
  // On a divider no column is lit anew.
  SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(second.right - 1, 10));
  EXPECT_EQ(skinner->HotItem, 1);
  SendMessageW(header, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(skinner->HotItem, -1);

  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.left + 20, 10));
  EXPECT_EQ(Paint(*skinner)->At(second.left + 5, 12), SliceColour(3, 4));
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(second.left + 20, 10));
  EXPECT_EQ(Paint(*skinner)->At(second.left + 5, 12), SliceColour(1, 4));
  DestroyWindow(header);
}

TEST_F(HeaderTest, CaptionsFollowTheirColumnsAlignment) {
  const HWND header = NewHeader(Form->Handle(), 10, 10);
  TOwned<TSkinHeader> skinner(new TSkinHeader(nullptr));
  skinner->AttachWindow(header, Data.get(), &Host, nullptr);
  const auto probe = Paint(*skinner);
  const COLORREF face = SliceColour(1, 4);
  const RECT left = HeaderItem(header, 0), centre = HeaderItem(header, 1), right = HeaderItem(header, 2);
  const auto [l0, l1] = InkSpan(*probe, RECT{left.left + 2, left.top, left.right - 2, left.bottom}, face);
  const auto [c0, c1] = InkSpan(*probe, RECT{centre.left + 2, centre.top, centre.right - 2, centre.bottom}, face);
  const auto [r0, r1] = InkSpan(*probe, RECT{right.left + 2, right.top, right.right - 2, right.bottom}, face);
  ASSERT_GE(l0, 0);
  ASSERT_GE(c0, 0);
  ASSERT_GE(r0, 0);
  EXPECT_LE(l0 - left.left, 6) << "left: ink starts 3 pixels in";
  EXPECT_LE(right.right - r1, 6) << "right: ink ends 2 pixels before the edge";
  EXPECT_LE(std::abs((c0 + c1) / 2 - (centre.left + centre.right) / 2), 3) << "centre";
  DestroyWindow(header);
}

TEST_F(HeaderTest, DraggingADividerResizesTheColumn) {
  const HWND header = NewHeader(Form->Handle(), 10, 10);
  TOwned<TSkinHeader> skinner(new TSkinHeader(nullptr));
  skinner->AttachWindow(header, Data.get(), &Host, nullptr);
  const int divider = HeaderItem(header, 0).right;
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(divider, 10));
  EXPECT_EQ(skinner->PressedItem, -1) << "a divider is no column";
  SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(divider + 15, 10));
  SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(divider + 30, 10));
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(divider + 30, 10));
  PumpMessages();
  EXPECT_EQ(HeaderItem(header, 0).right - HeaderItem(header, 0).left, 110);
  // The skin follows the new width at the next paint.
  const auto probe = Paint(*skinner);
  EXPECT_EQ(skinner->ItemRects[0].right, 110 - 3);
  EXPECT_EQ(probe->At(105, 12), SliceColour(1, 4));
  DestroyWindow(header);
}

TEST_F(HeaderTest, AListViewScrollsByItsSkinnedBarAsByThePlatformsAndItsHeaderIsSkinned) {
  auto make = [&](int left) {
    auto* list = new TTestListView(Form.get());
    list->SetParent(Form.get());
    list->SetBounds(left, 10, 280, 220);
    const HWND h = list->Handle();
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 200;
    column.pszText = const_cast<wchar_t*>(L"地址");
    SendMessageW(h, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    for (int i = 0; i < 100; ++i) {
      std::wstring text = L"8.8.8." + std::to_wstring(i);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = text.data();
      SendMessageW(h, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    PumpMessages();
    return list;
  };
  TTestListView* skinnedList = make(10);
  TTestListView* plainList = make(300);
  auto* skinner = new TSkinListView(skinnedList);
  skinner->AttachScrolled(skinnedList, Data.get(), &Host);
  PumpMessages();
  const HWND header = reinterpret_cast<HWND>(SendMessageW(skinnedList->Handle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(skinner->Header, nullptr);
  EXPECT_EQ(skinner->Header->Handle, header);
  EXPECT_EQ(SendMessageW(header, SKINMSG_QUERY, 0, 0), 1);
  ASSERT_TRUE(skinner->VertBar->Shown);

  const SCROLLBARINFO info = BarInfo(skinnedList->Handle(), OBJID_VSCROLL);
  const int length = info.rcScrollBar.bottom - info.rcScrollBar.top, a = GetSystemMetrics(SM_CXHSCROLL);
  TWScrollbar& bar = *skinner->VertBar;
  const POINT down{5, length - a / 2};
  for (int i = 0; i < 3; ++i) {
    PostMessageW(skinnedList->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(down.x + bar.BarRect.left, down.y + bar.BarRect.top));
    SendMessageW(bar.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
    PumpMessages();
    POINT origin{0, 0};
    ClientToScreen(plainList->Handle(), &origin);
    const SCROLLBARINFO plainInfo = BarInfo(plainList->Handle(), OBJID_VSCROLL);
    const POINT screen{plainInfo.rcScrollBar.left + 5, plainInfo.rcScrollBar.bottom - a / 2};
    PostMessageW(plainList->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(screen.x - origin.x, screen.y - origin.y));
    SendMessageW(plainList->Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
    PumpMessages();
  }
  EXPECT_GT(SendMessageW(skinnedList->Handle(), LVM_GETTOPINDEX, 0, 0), 0);
  EXPECT_EQ(SendMessageW(skinnedList->Handle(), LVM_GETTOPINDEX, 0, 0),
            SendMessageW(plainList->Handle(), LVM_GETTOPINDEX, 0, 0));
}

TEST_F(HeaderTest, AScrollBarControlIsCoveredAndItsThumbNeverShorterThanItsMinimum) {
  auto* control = new TScrollBar(Form.get());
  control->SetParent(Form.get());
  control->SetKind(TScrollBarKind::sbVertical);
  control->SetBounds(400, 10, 17, 240);
  control->SetMax(1000000);
  control->SetPageSize(1);
  PumpMessages();
  auto* skinner = new TSkinScControl(control);
  skinner->AttachScrollContainer(control, Data.get(), &Host, nullptr);
  PumpMessages();
  TWScrollbar& bar = *skinner->ScrollBar;
  ASSERT_TRUE(bar.Shown);
  EXPECT_EQ(RectText(ScreenRectOf(bar.Window())), RectText(ScreenRectOf(control->Handle())));
  EXPECT_TRUE(bar.Vertical);

  // The thumb at the top: exactly the minimum, 8 pixels, right after the first arrow.
  const auto probe = PaintOf(bar);
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  int thumb = 0;
  for (int y = 0; y < 240; ++y) thumb += probe->At(8, y) == static_cast<COLORREF>(FrameColour(kVertThumb, 1));
  EXPECT_EQ(thumb, 8);
  EXPECT_EQ(probe->At(8, a + 1), static_cast<COLORREF>(FrameColour(kVertThumb, 1)));

  // A click on the skinned down arrow moves the control one step.
  const POINT down{8, 240 - a / 2};
  PostMessageW(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(down.x, down.y));
  SendMessageW(bar.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
  PumpMessages();
  EXPECT_EQ(control->Position(), 1);

  control->SetVisible(false);
  PumpMessages();
  EXPECT_FALSE(IsWindowVisible(bar.Window()));
  EXPECT_EQ(SendMessageW(control->Handle(), SKINMSG_QUERY, 0, 0), 1);
}

}  // namespace
