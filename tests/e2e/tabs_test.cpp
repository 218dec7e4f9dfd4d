// The skinned page control of the real corvana.exe worked with the mouse: the second tab clicked
// at its place shows the database tab, whose button then works; and every child window of the
// main window says it is skinned.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace {

constexpr UINT kSkinQuery = 0x3523;

class TabsTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    WriteDatabase(TestDatabase());
    Start();
    ASSERT_TRUE(TAppDriver::WaitUntil([&] { return SendMessageW(app.MainWindow(), kSkinQuery, 0, 0) == 1; }, 5000));
    SetForegroundWindow(app.MainWindow());
    Sleep(300);
  }
};

TEST_F(TabsTest, TheSkinnedSecondTabShowsTheDatabaseTabAndItsButtonWorks) {
  const HWND tabs = app.PageControl();
  ASSERT_EQ(SendMessageW(tabs, kSkinQuery, 0, 0), 1);
  const RECT second = app.TabScreenRect(1);
  TAppDriver::MouseClick(POINT{(second.left + second.right) / 2, (second.top + second.bottom) / 2});
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == 1; }, 3000));
  const HWND info = app.InfoMemo();
  ASSERT_NE(info, nullptr);
  EXPECT_TRUE(IsWindowVisible(info));
  const HWND version = app.Button(L"数据库版本");
  ASSERT_NE(version, nullptr);
  ASSERT_TRUE(IsWindowVisible(version));
  const RECT button = TAppDriver::ScreenRect(version);
  TAppDriver::MouseClick(POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
  EXPECT_TRUE(TAppDriver::WaitUntil([&] { return TAppDriver::Lines(info).size() >= 4; }, 10000));
}

TEST_F(TabsTest, EveryChildWindowOfTheMainWindowIsSkinned) {
  // Both tabs shown once, so every page's windows exist and have been walked.
  app.SelectTab(1);
  app.SelectTab(0);
  Sleep(300);
  std::vector<HWND> children;
  EnumChildWindows(
      app.MainWindow(),
      [](HWND w, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  ASSERT_GT(children.size(), 10u);
  for (HWND w : children) {
    wchar_t name[64]{};
    GetClassNameW(w, name, 64);
    SCOPED_TRACE(std::string(name, name + wcslen(name)) + " " + std::to_string(reinterpret_cast<std::uintptr_t>(w)));
    EXPECT_EQ(SendMessageW(w, kSkinQuery, 0, 0), 1);
  }
}

}  // namespace
