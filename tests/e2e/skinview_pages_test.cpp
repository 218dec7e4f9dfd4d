// Every page of the real skin viewer shown in turn by a click on its tab: each child window on
// it that control discovery gives a skinner answers the skin query, so every control kind the
// engine knows is drawn by the skin there.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "driver.h"

namespace {

constexpr UINT kSkinQuery = 0x3523;

std::wstring ClassOf(HWND w) {
  wchar_t name[64]{};
  GetClassNameW(w, name, 64);
  return name;
}

// Windows discovery leaves alone: the platform's inner parts of compound controls (a combo box's
// edit and drop-down list, a date picker's calendar) and plain labels drawn by the platform.
bool LeftAlone(HWND w) {
  static const std::set<std::wstring> inner = {L"Edit", L"ComboLBox", L"SysMonthCal32", L"tooltips_class32",
                                               L"Static"};
  return inner.count(ClassOf(w)) != 0;
}

class SkinViewPagesTest : public ::testing::Test {
protected:
  void TearDown() override { app.Kill(); }
  TAppDriver app;
};

TEST_F(SkinViewPagesTest, EveryControlOfEveryPageIsSkinned) {
  ASSERT_TRUE(app.Start(ProgramFolder() + L"\\corvana-skinview.exe", ProgramFolder()));
  HWND viewer = nullptr;
  ASSERT_TRUE(TAppDriver::WaitUntil(
      [&] {
        const auto found = TopLevelWindows(app.ProcessId(), L"TSkinViewForm");
        viewer = found.empty() ? nullptr : found.front();
        return viewer && SendMessageW(viewer, kSkinQuery, 0, 0) == 1;
      },
      15000));
  // The viewer's own page control is its first tab control.
  const HWND pages = FindWindowExW(viewer, nullptr, L"TPageControl", nullptr);
  ASSERT_NE(pages, nullptr);
  const int count = static_cast<int>(SendMessageW(pages, TCM_GETITEMCOUNT, 0, 0));
  ASSERT_GE(count, 8);
  for (int i = 0; i < count; ++i) {
    void* remote = VirtualAllocEx(app.Process(), nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    RECT r{};
    if (remote && SendMessageW(pages, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote)))
      ReadProcessMemory(app.Process(), remote, &r, sizeof r, nullptr);
    if (remote) VirtualFreeEx(app.Process(), remote, 0, MEM_RELEASE);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(pages, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(pages, WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(TAppDriver::WaitUntil([&] { return SendMessageW(pages, TCM_GETCURSEL, 0, 0) == i; }, 3000));
    Sleep(300);
  }
  std::vector<HWND> children;
  EnumChildWindows(
      viewer,
      [](HWND w, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  ASSERT_GT(children.size(), 50u);
  int skinned = 0;
  for (HWND w : children) {
    if (LeftAlone(w)) continue;
    const std::wstring name = ClassOf(w);
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    EXPECT_EQ(SendMessageW(w, kSkinQuery, 0, 0), 1);
    ++skinned;
  }
  EXPECT_GT(skinned, 50);
}

}  // namespace
