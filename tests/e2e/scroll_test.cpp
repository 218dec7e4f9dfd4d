// The skinned scroll bar of the real corvana.exe's result pane worked with the mouse: the down
// arrow clicked and the thumb dragged through the system's input queue, then the same done on
// the platform's own bar (the skin's overlay put aside), which must leave the pane alike.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace {

constexpr UINT kSkinQuery = 0x3523;

// The overlay that lies over a memo's vertical bar: a visible "TWScrollbar" sibling of the memo,
// taller than wide, inside the memo's right part.
HWND VerticalOverlayOf(HWND memo) {
  const RECT m = TAppDriver::ScreenRect(memo);
  for (HWND w = GetWindow(GetParent(memo), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    wchar_t name[64]{};
    GetClassNameW(w, name, 64);
    if (std::wstring(name) != L"TWScrollbar" || !IsWindowVisible(w)) continue;
    const RECT r = TAppDriver::ScreenRect(w);
    if (r.bottom - r.top > r.right - r.left && r.left >= m.left && r.right <= m.right && r.top >= m.top) return w;
  }
  return nullptr;
}

int FirstLine(HWND memo) { return static_cast<int>(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0)); }

class ScrollTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    WriteDatabase(TestDatabase());
    Start();
    ASSERT_TRUE(TAppDriver::WaitUntil([&] { return SendMessageW(app.MainWindow(), kSkinQuery, 0, 0) == 1; }, 5000));
    std::wstring input;
    for (int i = 0; i < 500; ++i) input += L"8.8.8." + std::to_wstring(i % 256) + L"\r\n";
    ASSERT_GE(Query(input, 500).size(), 500u);
    SetForegroundWindow(app.MainWindow());
    Sleep(300);
  }

  // A click on the down arrow and a drag of the thumb by 120 pixels from the top; the first
  // visible line after each.
  std::pair<int, int> ClickAndDrag(const RECT& bar) {
    const HWND result = app.ResultMemo();
    SendMessageW(result, WM_VSCROLL, SB_TOP, 0);
    Sleep(200);
    const int arrow = bar.right - bar.left;
    const int x = (bar.left + bar.right) / 2;
    TAppDriver::MouseClick(POINT{x, bar.bottom - arrow / 2});
    TAppDriver::WaitUntil([&] { return FirstLine(result) > 0; }, 3000);
    Sleep(200);
    const int afterClick = FirstLine(result);
    // One line down, the thumb still starts at the first arrow's end.
    const POINT thumb{x, bar.top + arrow + 2};
    TAppDriver::MouseDrag(thumb, POINT{x, thumb.y + 120});
    Sleep(300);
    return {afterClick, FirstLine(result)};
  }
};

TEST_F(ScrollTest, TheSkinnedBarOfTheResultPaneScrollsAsThePlatformBarDoes) {
  const HWND result = app.ResultMemo();
  const HWND overlay = VerticalOverlayOf(result);
  ASSERT_NE(overlay, nullptr) << "the result pane's vertical bar is not skinned";
  EXPECT_EQ(SendMessageW(overlay, kSkinQuery, 0, 0), 1);
  const RECT bar = TAppDriver::ScreenRect(overlay);

  const auto skinned = ClickAndDrag(bar);
  EXPECT_EQ(skinned.first, 1);
  EXPECT_GT(skinned.second, 100);

  // The platform's own bar at the same places.
  ShowWindow(overlay, SW_HIDE);
  Sleep(300);
  const auto platform = ClickAndDrag(bar);
  EXPECT_EQ(skinned.first, platform.first);
  EXPECT_EQ(skinned.second, platform.second);
}

}  // namespace
