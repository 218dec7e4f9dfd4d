// The skinned caption buttons of the real corvana.exe worked with the mouse as a user works
// them: the pointer moved to the button and the button pressed and released through the
// system's input queue.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace {

// The default skin's caption buttons: 30 x 22 pixels, 4 pixels below the window's top; the
// close button's left edge 35 pixels in from the window's right edge, maximize (or restore)
// and minimize each 32 pixels further left.
constexpr int kButtonTop = 4, kButtonW = 30, kButtonH = 22;
constexpr int kCloseFromRight = 35, kStep = 32;

enum TCaptionButton { kClose = 0, kMaximize = 1, kMinimize = 2 };

POINT ButtonMiddle(HWND window, TCaptionButton button) {
  const RECT r = TAppDriver::ScreenRect(window);
  return POINT{r.right - kCloseFromRight - button * kStep + kButtonW / 2, r.top + kButtonTop + kButtonH / 2};
}

void MouseClickAt(POINT at) { TAppDriver::MouseClick(at); }

class CaptionTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    WriteDatabase(TestDatabase());
    Start();
    ASSERT_TRUE(TAppDriver::WaitUntil([&] { return SendMessageW(app.MainWindow(), 0x3523, 0, 0) == 1; }, 5000));
    SetForegroundWindow(app.MainWindow());
    Sleep(300);
  }
};

TEST_F(CaptionTest, MaximizeRestoreAndMinimizeThroughTheSkinnedButtons) {
  const HWND main = app.MainWindow();
  const RECT normal = TAppDriver::ScreenRect(main);
  MouseClickAt(ButtonMiddle(main, kMaximize));
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return IsZoomed(main) != FALSE; }, 5000));
  // Maximized, the same place holds the restore button.
  Sleep(300);
  MouseClickAt(ButtonMiddle(main, kMaximize));
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return !IsZoomed(main); }, 5000));
  EXPECT_EQ(TAppDriver::ScreenRect(main).right - TAppDriver::ScreenRect(main).left, normal.right - normal.left);
  Sleep(300);
  MouseClickAt(ButtonMiddle(main, kMinimize));
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return IsIconic(main) != FALSE; }, 5000));
  // Minimized, the window keeps its skinned caption; its minimize button restores it.
  Sleep(300);
  MouseClickAt(ButtonMiddle(main, kMinimize));
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return !IsIconic(main); }, 5000));
  EXPECT_EQ(SendMessageW(main, 0x3523, 0, 0), 1);
}

TEST_F(CaptionTest, TheSkinnedCloseButtonEndsTheProgram) {
  MouseClickAt(ButtonMiddle(app.MainWindow(), kClose));
  EXPECT_TRUE(app.WaitExit(10000));
}

}  // namespace
