// Scroll bars of bare windows and drop-down lists, and a memo made anew under a real form
// skinner getting a fresh scroll-bar skinner.
#include <functional>

#include "skin/form/control_skinners.h"
#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/skin_messages.h"
#include "win/scrollbars/scroll_test.h"

namespace {

void AddItems(HWND list, int count) {
  for (int i = 0; i < count; ++i) {
    const std::wstring item = L"项目 " + std::to_wstring(i);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
}

// A bare list box child of the form, with 100 items (its vertical bar shows only when they
// do not fit).
HWND NewList(HWND parent, int left, int items = 100) {
  const HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY,
                                    left, 10, 200, 180, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  AddItems(list, items);
  return list;
}

// Records the scroll requests a window receives, below whatever subclassed it later.
struct TScrollRecorder {
  static inline std::vector<WPARAM> Seen;
  static inline WNDPROC Old = nullptr;
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_VSCROLL) Seen.push_back(wp);
    return CallWindowProcW(Old, w, msg, wp, lp);
  }
  explicit TScrollRecorder(HWND window) {
    Seen.clear();
    Old = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
};

using BareWindowTest = ScrollSkinTest;

TEST_F(BareWindowTest, ABareListGetsOverlaysThatScrollItAndHideWithIt) {
  const HWND skinned = NewList(Form->Handle(), 10), plain = NewList(Form->Handle(), 260);
  TOwned<TSkinScrollbarH> skinner(new TSkinScrollbarH(nullptr));
  skinner->AttachWindow(skinned, Data.get(), &Host, nullptr);
  PumpMessages();
  ASSERT_TRUE(skinner->VertBar->Shown);
  EXPECT_FALSE(skinner->HorzBar->Shown);
  EXPECT_EQ(RectText(ScreenRectOf(skinner->VertBar->Window())), RectText(BarInfo(skinned, OBJID_VSCROLL).rcScrollBar));
  EXPECT_EQ(SendMessageW(skinned, SKINMSG_QUERY, 0, 0), 1);

  // A click on the second arrow moves the list one line, as on the platform's bar.
  const SCROLLBARINFO info = BarInfo(skinned, OBJID_VSCROLL);
  const int length = info.rcScrollBar.bottom - info.rcScrollBar.top, a = GetSystemMetrics(SM_CXHSCROLL);
  TWScrollbar& bar = *skinner->VertBar;
  const POINT down{5, length - a / 2};
  PostMessageW(skinned, WM_LBUTTONUP, 0, MAKELPARAM(down.x + bar.BarRect.left, down.y + bar.BarRect.top));
  SendMessageW(bar.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
  PumpMessages();
  SendMessageW(plain, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(SendMessageW(skinned, LB_GETTOPINDEX, 0, 0), 1);
  EXPECT_EQ(SendMessageW(skinned, LB_GETTOPINDEX, 0, 0), SendMessageW(plain, LB_GETTOPINDEX, 0, 0));
  EXPECT_EQ(PaintOf(bar)->At(5, a / 2), static_cast<COLORREF>(FrameColour(kArrows, 9)));

  ShowWindow(skinned, SW_HIDE);
  PumpMessages();
  EXPECT_FALSE(IsWindowVisible(bar.Window()));
  DestroyWindow(skinned);
  DestroyWindow(plain);
}

TEST_F(BareWindowTest, ABarNotShownHasNoOverlayWindowUntilItAppearsAndThenTakesTheListsState) {
  const HWND list = NewList(Form->Handle(), 10, 0);
  TOwned<TSkinScrollbarH> skinner(new TSkinScrollbarH(nullptr));
  skinner->AttachWindow(list, Data.get(), &Host, nullptr);
  PumpMessages();
  EXPECT_EQ(skinner->VertBar->Window(), nullptr);
  EXPECT_EQ(skinner->HorzBar->Window(), nullptr);

  EnableWindow(list, FALSE);
  AddItems(list, 100);
  PumpMessages();
  const HWND overlay = skinner->VertBar->Window();
  ASSERT_NE(overlay, nullptr);
  EXPECT_TRUE(IsWindowVisible(overlay));
  EXPECT_FALSE(IsWindowEnabled(overlay));
  EXPECT_EQ(RectText(ScreenRectOf(overlay)), RectText(BarInfo(list, OBJID_VSCROLL).rcScrollBar));
  EXPECT_EQ(skinner->HorzBar->Window(), nullptr);
  skinner.reset();
  EXPECT_FALSE(IsWindow(overlay));
  DestroyWindow(list);
}

TEST_F(BareWindowTest, TheDropDownListPaintsItsBarInPlaceAndTracksItsOwnThumb) {
  const HWND list = NewList(Form->Handle(), 10);
  TScrollRecorder recorder(list);
  TOwned<TComboxScrollBar> skinner(new TComboxScrollBar(nullptr));
  skinner->AttachWindow(list, Data.get(), &Host, nullptr);
  PumpMessages();

  // The bar is drawn into the list's own window at the bar's place.
  const SCROLLBARINFO info = BarInfo(list, OBJID_VSCROLL);
  RECT window = ScreenRectOf(list);
  const int bx = info.rcScrollBar.left - window.left, by = info.rcScrollBar.top - window.top;
  const int length = info.rcScrollBar.bottom - info.rcScrollBar.top, a = GetSystemMetrics(SM_CXHSCROLL);
  TProbeDC probe(window.right - window.left, window.bottom - window.top, RGB(1, 2, 3));
  RECT all{0, 0, window.right - window.left, window.bottom - window.top};
  skinner->PaintSkin(probe.Get(), all);
  EXPECT_EQ(probe.At(bx + 5, by + a / 2), static_cast<COLORREF>(FrameColour(kArrows, 9)));
  EXPECT_EQ(probe.At(bx + 5, by + length - a / 2), static_cast<COLORREF>(FrameColour(kArrows, 13)));
  EXPECT_EQ(probe.At(bx + 5, by + info.xyThumbTop + 1), static_cast<COLORREF>(FrameColour(kVertThumb, 1)));
  EXPECT_EQ(probe.At(2, 2), RGB(1, 2, 3)) << "nothing outside the bar";

  // A press beside the thumb is the platform's; a press on it drags until the release. Dragged
  // far past the end, the list is told the last page's position plus one.
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(list, SB_VERT, &si);
  const POINT thumb{info.rcScrollBar.left + 5, info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
  TMessage beside{WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(thumb.x, info.rcScrollBar.bottom - a - 2), 0};
  EXPECT_FALSE(skinner->TrackListThumb(beside));

  SetCursorPos(thumb.x, thumb.y);
  PumpMessages();
  // The cursor moves inside the drag loop, before the move it reports.
  TWndMethod inner = Form->WindowProc;
  Form->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_APP + 7) SetCursorPos(thumb.x, thumb.y + 2 * length);
    inner(m);
  };
  PostMessageW(Form->Handle(), WM_APP + 7, 0, 0);
  PostMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, 0);
  PostMessageW(list, WM_LBUTTONUP, 0, 0);
  TMessage press{WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(thumb.x, thumb.y), 0};
  EXPECT_TRUE(skinner->TrackListThumb(press));
  Form->WindowProc = inner;
  PumpMessages();
  const int last = si.nMax - static_cast<int>(si.nPage) + 1;
  ASSERT_GE(TScrollRecorder::Seen.size(), 3u);
  const std::vector<WPARAM>& seen = TScrollRecorder::Seen;
  EXPECT_EQ(seen[seen.size() - 3], MAKEWPARAM(SB_THUMBTRACK, last));
  EXPECT_EQ(seen[seen.size() - 2], MAKEWPARAM(SB_THUMBPOSITION, last));
  EXPECT_EQ(seen.back(), static_cast<WPARAM>(SB_ENDSCROLL));
  EXPECT_EQ(GetCapture(), nullptr);
  // The list shows its last page.
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), si.nMax - static_cast<int>(si.nPage) + 1);
  skinner.reset();
  DestroyWindow(list);
}

class ReskinTest : public ScrollSkinTest {
protected:
  void SetUp() override {
    ScrollSkinTest::SetUp();
    TWinSkinForm::Register();
    RegisterControlSkinners();
    Manager = SkinManager();
    Manager->Enabled = true;
    Data->SetSkinControls(SetOf(xcScrollbar));
    Manager->Register(Data.get());
  }
  void TearDown() override { Manager->Unregister(Data.get()); }

  std::vector<TSkinScrollbar*> ScrollSkinnersOf(TWinSkinForm& form, TControl* control) {
    std::vector<TSkinScrollbar*> found;
    for (TSkinControl* s : form.ControlSkinners())
      if (auto* scroll = dynamic_cast<TSkinScrollbar*>(s); scroll && scroll->Control == control) found.push_back(scroll);
    return found;
  }
  TSkinManage* Manager = nullptr;
};

TEST_F(ReskinTest, AMemoMadeAnewGetsAFreshScrollSkinnerOverItsNewBars) {
  TMemo* memo = NewMemo(TScrollStyle::ssBoth);
  ASSERT_TRUE(Manager->SkinWindow(Form->Handle()));
  PumpMessages(30);
  auto* formSkinner = dynamic_cast<TWinSkinForm*>(Manager->FormSkinnerOf(Form->Handle()));
  ASSERT_NE(formSkinner, nullptr);
  ASSERT_EQ(ScrollSkinnersOf(*formSkinner, memo).size(), 1u);
  EXPECT_TRUE(ScrollSkinnersOf(*formSkinner, memo)[0]->HorzBar->Shown);

  const HWND old = memo->Handle();
  memo->SetScrollBars(TScrollStyle::ssVertical);  // the memo makes its window anew
  PumpMessages(30);
  ASSERT_NE(memo->Handle(), old);
  const auto now = ScrollSkinnersOf(*formSkinner, memo);
  ASSERT_EQ(now.size(), 1u);
  EXPECT_EQ(now[0]->Handle, memo->Handle());
  EXPECT_TRUE(now[0]->VertBar->Shown);
  EXPECT_FALSE(now[0]->HorzBar->Shown);
  EXPECT_EQ(RectText(ScreenRectOf(now[0]->VertBar->Window())), RectText(BarInfo(memo->Handle(), OBJID_VSCROLL).rcScrollBar));
  EXPECT_EQ(SendMessageW(memo->Handle(), SKINMSG_QUERY, 0, 0), 1);
}

}  // namespace
