// Skinned scroll bars of memos under Wine: the overlays over the platform's bars, each piece's
// frame by state, presses handed to the platform's own tracking (compared with an unskinned twin),
// and the overlays following their memo.
#include "win/scrollbars/scroll_test.h"

#include "ui/skin_messages.h"

namespace {

// The press point of a part of the vertical bar, in the bar's own coordinates.
POINT VertPoint(const SCROLLBARINFO& info, int along) {
  return POINT{(info.rcScrollBar.right - info.rcScrollBar.left) / 2, along};
}

COLORREF ScreenPixel(int x, int y) {
  const HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

class OverlayTest : public ScrollSkinTest {
protected:
  // Presses the skinned bar at point (bar coordinates) while the release waits in the memo's
  // queue at release (bar coordinates), as a user's click or drag arrives.
  static void PressSkinned(TWScrollbar& bar, POINT point, POINT release) {
    POINT client{release.x + bar.BarRect.left, release.y + bar.BarRect.top};
    if (release.x != point.x || release.y != point.y)
      PostMessageW(bar.Target, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    PostMessageW(bar.Target, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    SendMessageW(bar.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PumpMessages();
  }
  // The same on the platform's own bar of an unskinned memo.
  static void PressPlatform(HWND memo, POINT point, POINT release) {
    const SCROLLBARINFO info = BarInfo(memo, OBJID_VSCROLL);
    POINT origin{0, 0};
    ClientToScreen(memo, &origin);
    const POINT bar{info.rcScrollBar.left - origin.x, info.rcScrollBar.top - origin.y};
    if (release.x != point.x || release.y != point.y)
      PostMessageW(memo, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(release.x + bar.x, release.y + bar.y));
    PostMessageW(memo, WM_LBUTTONUP, 0, MAKELPARAM(release.x + bar.x, release.y + bar.y));
    SendMessageW(memo, WM_NCLBUTTONDOWN, HTVSCROLL,
                 MAKELPARAM(point.x + info.rcScrollBar.left, point.y + info.rcScrollBar.top));
    PumpMessages();
  }
};

TEST_F(OverlayTest, OverlaysLieExactlyOverThePlatformBarsAndAreNotSkinnedAgain) {
  TMemo* both = NewMemo(TScrollStyle::ssBoth);
  TMemo* vertOnly = NewMemo(TScrollStyle::ssVertical, 320, 10, 280, 200);
  TSkinScrollbar* a = Skin(both);
  TSkinScrollbar* b = Skin(vertOnly);

  ASSERT_TRUE(a->VertBar->Shown && a->HorzBar->Shown);
  EXPECT_EQ(RectText(ScreenRectOf(a->VertBar->Window())), RectText(BarInfo(both->Handle(), OBJID_VSCROLL).rcScrollBar));
  EXPECT_EQ(RectText(ScreenRectOf(a->HorzBar->Window())), RectText(BarInfo(both->Handle(), OBJID_HSCROLL).rcScrollBar));
  EXPECT_EQ(GetParent(a->VertBar->Window()), Form->Handle());
  // Above the memo among its siblings, so the platform's bar stays under it.
  EXPECT_EQ(GetWindow(a->VertBar->Window(), GW_HWNDNEXT) == both->Handle() ||
                GetWindow(a->HorzBar->Window(), GW_HWNDNEXT) == both->Handle(),
            true);
  EXPECT_EQ(SendMessageW(a->VertBar->Window(), SKINMSG_QUERY, 0, 0), 1);

  // A memo with only a vertical bar: one overlay, and no corner to fill.
  EXPECT_TRUE(b->VertBar->Shown);
  EXPECT_FALSE(b->HorzBar->Shown);
  EXPECT_FALSE(b->HorzBar->Window() && IsWindowVisible(b->HorzBar->Window()));

  // Between two bars the corner takes the skin's face; the flat border replaces the 3-D edge.
  RedrawWindow(both->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  PumpMessages();
  const RECT vert = ScreenRectOf(a->VertBar->Window()), horz = ScreenRectOf(a->HorzBar->Window());
  EXPECT_EQ(ScreenPixel((vert.left + vert.right) / 2, (horz.top + horz.bottom) / 2), static_cast<COLORREF>(kTestFace));
  const RECT memo = ScreenRectOf(both->Handle());
  EXPECT_EQ(ScreenPixel(memo.left, memo.top + 40), static_cast<COLORREF>(kTestShadow));
  EXPECT_EQ(ScreenPixel(memo.left + 1, memo.top + 40), static_cast<COLORREF>(kTestFace));
}

TEST_F(OverlayTest, EveryPieceShowsItsFrameForItsState) {
  TMemo* memo = NewMemo(TScrollStyle::ssVertical);
  memo->Lines()->Clear();
  memo->Lines()->AddLines(NumberedLines(45));
  SendMessageW(memo->Handle(), WM_VSCROLL, SB_TOP, 0);
  SendMessageW(memo->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  TSkinScrollbar* skinner = Skin(memo);
  TWScrollbar& bar = *skinner->VertBar;
  const SCROLLBARINFO info = BarInfo(memo->Handle(), OBJID_VSCROLL);
  const int length = info.rcScrollBar.bottom - info.rcScrollBar.top;
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const int top = info.xyThumbTop, bottom = info.xyThumbBottom;
  ASSERT_GT(top, a + 2) << "the thumb should have moved off the first arrow";
  ASSERT_GE(bottom - top, kArrowH + 4) << "the thumb should be long enough for its grip";
  const int x = 6;

  const auto normal = PaintOf(bar);
  EXPECT_EQ(normal->At(x, a / 2), static_cast<COLORREF>(FrameColour(kArrows, 9)));
  EXPECT_EQ(normal->At(x, length - a / 2), static_cast<COLORREF>(FrameColour(kArrows, 13)));
  EXPECT_EQ(normal->At(x, (a + top) / 2), static_cast<COLORREF>(FrameColour(kVertTrack, 1)));
  EXPECT_EQ(normal->At(x, bottom + 2), static_cast<COLORREF>(FrameColour(kVertTrack, 1)));
  EXPECT_EQ(normal->At(x, top + 1), static_cast<COLORREF>(FrameColour(kVertThumb, 1)));
  EXPECT_EQ(normal->At(x, bottom - 1), static_cast<COLORREF>(FrameColour(kVertThumb, 1)));
  EXPECT_EQ(normal->At(x, (top + bottom) / 2), static_cast<COLORREF>(FrameColour(kArrows, 20)));

  // The mouse over the second arrow lights it (hot frame), then over the thumb.
  SendMessageW(bar.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(x, length - 3));
  const auto hotArrow = PaintOf(bar);
  EXPECT_EQ(hotArrow->At(x, length - a / 2), static_cast<COLORREF>(FrameColour(kArrows, 16)));
  EXPECT_EQ(hotArrow->At(x, a / 2), static_cast<COLORREF>(FrameColour(kArrows, 9)));
  SendMessageW(bar.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(x, top + 2));
  const auto hotThumb = PaintOf(bar);
  EXPECT_EQ(hotThumb->At(x, top + 1), static_cast<COLORREF>(FrameColour(kVertThumb, 3)));
  EXPECT_EQ(hotThumb->At(x, (top + bottom) / 2), static_cast<COLORREF>(FrameColour(kArrows, 22)));
  EXPECT_EQ(hotThumb->At(x, length - a / 2), static_cast<COLORREF>(FrameColour(kArrows, 13)));
  SendMessageW(bar.Window(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(PaintOf(bar)->At(x, top + 1), static_cast<COLORREF>(FrameColour(kVertThumb, 1)));

  // While the platform tracks a press on the second arrow, that arrow shows pressed.
  COLORREF duringPress = 0;
  TWndMethod inner = memo->WindowProc;
  memo->WindowProc = [&](TMessage& m) {
    inner(m);
    if (m.Msg == WM_VSCROLL && LOWORD(m.WParam) == SB_LINEDOWN && !duringPress)
      duringPress = PaintOf(bar)->At(x, length - a / 2);
  };
  PressSkinned(bar, POINT{x, length - 3}, POINT{x, length - 3});
  memo->WindowProc = inner;
  EXPECT_EQ(duringPress, static_cast<COLORREF>(FrameColour(kArrows, 14)));
  EXPECT_FALSE(bar.Pressed);

  // A disabled memo disables its overlay.
  memo->SetEnabled(false);
  PumpMessages();
  EXPECT_FALSE(IsWindowEnabled(bar.Window()));
  memo->SetEnabled(true);
  // Lines that all fit leave the bar unavailable: the track's disabled frame where the thumb was.
  memo->Lines()->Clear();
  memo->Lines()->Add(L"一行");
  PumpMessages();
  ASSERT_TRUE(BarInfo(memo->Handle(), OBJID_VSCROLL).rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  const auto disabled = PaintOf(bar);
  EXPECT_EQ(disabled->At(x, top + 1), static_cast<COLORREF>(FrameColour(kVertTrack, 3)));
  EXPECT_EQ(disabled->At(x, length / 2), static_cast<COLORREF>(FrameColour(kVertTrack, 3)));
}

TEST_F(OverlayTest, ArrowsPagesAndThumbMoveTheMemoAsThePlatformBarDoes) {
  TMemo* skinned = NewMemo(TScrollStyle::ssVertical, 10, 10, 300, 220);
  TMemo* plain = NewMemo(TScrollStyle::ssVertical, 320, 10, 300, 220);
  TWScrollbar& bar = *Skin(skinned)->VertBar;
  const HWND s = skinned->Handle(), p = plain->Handle();
  // Filling a memo leaves it at its end.
  SendMessageW(s, WM_VSCROLL, SB_TOP, 0);
  SendMessageW(p, WM_VSCROLL, SB_TOP, 0);
  PumpMessages();
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const auto same = [&](const char* what) {
    EXPECT_EQ(ScrollPos(s, SB_VERT), ScrollPos(p, SB_VERT)) << what;
    EXPECT_EQ(SendMessageW(s, EM_GETFIRSTVISIBLELINE, 0, 0), SendMessageW(p, EM_GETFIRSTVISIBLELINE, 0, 0)) << what;
  };
  const SCROLLBARINFO info = BarInfo(s, OBJID_VSCROLL);
  const int length = info.rcScrollBar.bottom - info.rcScrollBar.top;

  const POINT down = VertPoint(info, length - a / 2);
  PressSkinned(bar, down, down);
  PressPlatform(p, down, down);
  EXPECT_EQ(SendMessageW(s, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
  same("second arrow");

  const POINT pageAfter = VertPoint(info, length - a - 4);
  PressSkinned(bar, pageAfter, pageAfter);
  PressPlatform(p, pageAfter, pageAfter);
  EXPECT_GT(SendMessageW(s, EM_GETFIRSTVISIBLELINE, 0, 0), 2);
  same("page after the thumb");

  const POINT up = VertPoint(info, a / 2);
  PressSkinned(bar, up, up);
  PressPlatform(p, up, up);
  same("first arrow");

  const SCROLLBARINFO now = BarInfo(s, OBJID_VSCROLL);
  const POINT thumb = VertPoint(now, (now.xyThumbTop + now.xyThumbBottom) / 2);
  const POINT dropped{thumb.x, thumb.y + 60};
  const int before = ScrollPos(s, SB_VERT);
  PressSkinned(bar, thumb, dropped);
  PressPlatform(p, thumb, dropped);
  EXPECT_GT(ScrollPos(s, SB_VERT), before + 20);
  same("thumb dragged");
  EXPECT_FALSE(bar.Pressed);
  // The overlay's thumb follows the memo's.
  EXPECT_EQ(bar.ThumbStart, BarInfo(s, OBJID_VSCROLL).xyThumbTop);
}

TEST_F(OverlayTest, TheOverlaysFollowTheirMemoHiddenShownResizedAndDisabled) {
  TMemo* memo = NewMemo(TScrollStyle::ssBoth);
  TSkinScrollbar* skinner = Skin(memo);
  TWScrollbar& vert = *skinner->VertBar;

  memo->SetVisible(false);
  PumpMessages();
  EXPECT_FALSE(vert.Shown);
  EXPECT_FALSE(IsWindowVisible(vert.Window()));
  EXPECT_FALSE(IsWindowVisible(skinner->HorzBar->Window()));

  memo->SetVisible(true);
  PumpMessages();
  EXPECT_TRUE(vert.Shown);
  EXPECT_TRUE(IsWindowVisible(vert.Window()));

  memo->SetBounds(40, 30, 360, 300);
  PumpMessages();
  EXPECT_EQ(RectText(ScreenRectOf(vert.Window())), RectText(BarInfo(memo->Handle(), OBJID_VSCROLL).rcScrollBar));
  EXPECT_EQ(RectText(ScreenRectOf(skinner->HorzBar->Window())),
            RectText(BarInfo(memo->Handle(), OBJID_HSCROLL).rcScrollBar));

  memo->SetEnabled(false);
  PumpMessages();
  EXPECT_FALSE(IsWindowEnabled(vert.Window()));
  memo->SetEnabled(true);
  PumpMessages();
  EXPECT_TRUE(IsWindowEnabled(vert.Window()));

  // Detaching gives the platform's bars back: no overlay remains.
  const HWND overlay = vert.Window();
  skinner->Detach();
  EXPECT_FALSE(IsWindow(overlay));

  // A memo destroyed under its skinner leaves no overlay showing where it was.
  TMemo* gone = NewMemo(TScrollStyle::ssBoth, 320, 10, 250, 200);
  TSkinScrollbar* goneSkinner = Skin(gone);
  const HWND goneBar = goneSkinner->VertBar->Window();
  ASSERT_TRUE(IsWindowVisible(goneBar));
  DestroyWindow(gone->Handle());
  PumpMessages();
  EXPECT_FALSE(IsWindow(goneBar) && IsWindowVisible(goneBar));
}

TEST_F(OverlayTest, ARightToLeftMemoHasItsSkinnedBarOnTheLeftAndTheWheelMovesTheThumb) {
  auto* memo = new TMemo(Form.get());
  memo->SetBiDiMode(TBiDiMode::bdRightToLeft);
  memo->SetParent(Form.get());
  memo->SetScrollBars(TScrollStyle::ssVertical);
  memo->SetBounds(100, 20, 300, 200);
  memo->Lines()->AddLines(NumberedLines(200));
  SendMessageW(memo->Handle(), WM_VSCROLL, SB_TOP, 0);
  PumpMessages();
  TWScrollbar& bar = *Skin(memo)->VertBar;
  const RECT window = ScreenRectOf(memo->Handle()), overlay = ScreenRectOf(bar.Window());
  ASSERT_TRUE(bar.Shown);
  EXPECT_EQ(RectText(overlay), RectText(BarInfo(memo->Handle(), OBJID_VSCROLL).rcScrollBar));
  EXPECT_LT(overlay.left - window.left, 8) << "the bar should sit at the memo's left edge";

  // The wheel scrolls the memo; the overlay's thumb follows at once.
  PaintOf(bar);
  const int thumbBefore = bar.ThumbStart;
  SendMessageW(memo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA * 5)), MAKELPARAM(200, 100));
  PumpMessages();
  EXPECT_GT(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_EQ(bar.ThumbStart, BarInfo(memo->Handle(), OBJID_VSCROLL).xyThumbTop);
  EXPECT_GT(bar.ThumbStart, thumbBefore);
}

TEST_F(OverlayTest, ABorderlessMemoKeepsItsEdgeFreeAndABorderedOneAnswersThePaintHandOff) {
  TMemo* memo = NewMemo(TScrollStyle::ssVertical);
  TSkinScrollbar* skinner = Skin(memo);
  TProbeDC probe(40, 40, RGB(1, 2, 3));
  EXPECT_EQ(SendMessageW(memo->Handle(), SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(probe.Get()), SKIN_MAGIC),
            SKIN_MAGIC);
  RECT window = ScreenRectOf(memo->Handle());
  TProbeDC border(window.right - window.left, window.bottom - window.top, RGB(1, 2, 3));
  SendMessageW(memo->Handle(), SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(border.Get()), SKIN_MAGIC);
  EXPECT_EQ(border.At(0, 30), static_cast<COLORREF>(kTestShadow));
  EXPECT_EQ(border.At(1, 30), static_cast<COLORREF>(kTestFace));
  EXPECT_EQ(border.At(2, 30), RGB(1, 2, 3));
  EXPECT_TRUE(skinner->DrawBorder);

  auto* bare = new TMemo(Form.get());
  bare->SetParent(Form.get());
  bare->SetBorderStyle(TBorderStyle::bsNone);
  bare->SetScrollBars(TScrollStyle::ssVertical);
  bare->SetBounds(320, 10, 200, 150);
  bare->Lines()->AddLines(NumberedLines(100));
  PumpMessages();
  TSkinScrollbar* bareSkinner = Skin(bare);
  EXPECT_FALSE(bareSkinner->DrawBorder);
  // The edit's own painting stays at its edge: nothing of the skin's shadow there.
  RedrawWindow(bare->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  PumpMessages();
  window = ScreenRectOf(bare->Handle());
  EXPECT_NE(ScreenPixel(window.left, window.top + 30), static_cast<COLORREF>(kTestShadow));
  EXPECT_TRUE(bareSkinner->VertBar->Shown);
}

}  // namespace
