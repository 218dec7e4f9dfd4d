// The import-level GDI count and the window-procedure watch on objects and windows made here:
// every kind of creator counts once, every way of giving an object up counts once, and what
// the count did not make is kept apart.
#include "win/support/gdi_import_count.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/win32.h"
#include "win/support/window_census.h"

namespace {

class GdiImportCountTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(InstallGdiImportCounting()); }
};

struct TCreateCase {
  const char* Name;
  std::function<HGDIOBJ()> Create;
};

TEST_F(GdiImportCountTest, EveryCreatorCountsOnceAndDeleteObjectBalancesIt) {
  HDC screen = GetDC(nullptr);
  const RECT rect{1, 2, 30, 40};
  LOGBRUSH brush{BS_SOLID, RGB(1, 2, 3), 0};
  LOGFONTW font{};
  font.lfHeight = -12;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const TCreateCase cases[] = {
      {"CreateRectRgn", [] { return CreateRectRgn(0, 0, 10, 10); }},
      {"CreateRectRgnIndirect", [&] { return CreateRectRgnIndirect(&rect); }},
      {"CreateRoundRectRgn", [] { return CreateRoundRectRgn(0, 0, 20, 20, 4, 4); }},
      {"CreateSolidBrush", [] { return CreateSolidBrush(RGB(9, 8, 7)); }},
      {"CreateBrushIndirect", [&] { return CreateBrushIndirect(&brush); }},
      {"CreatePen", [] { return CreatePen(PS_SOLID, 1, RGB(1, 1, 1)); }},
      {"ExtCreatePen", [&] { return ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 2, &brush, 0, nullptr); }},
      {"CreateFontIndirectW", [&] { return CreateFontIndirectW(&font); }},
      {"CreateCompatibleBitmap", [&] { return CreateCompatibleBitmap(screen, 8, 8); }},
      {"CreateBitmap", [] { return CreateBitmap(8, 8, 1, 1, nullptr); }},
      {"CreateDIBSection", [&] { return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0); }},
  };
  for (const TCreateCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TGdiImportCounts before = GdiImportCounts();
    HGDIOBJ object = c.Create();
    ASSERT_TRUE(object);
    EXPECT_EQ(GdiImportCounts().Created, before.Created + 1);
    EXPECT_EQ(GdiImportCounts().Live(), before.Live() + 1);
    EXPECT_NE(LiveGdiObjectsByCreator().find(c.Name), std::string::npos) << LiveGdiObjectsByCreator();
    ASSERT_TRUE(DeleteObject(object));
    EXPECT_EQ(GdiImportCounts().Deleted, before.Deleted + 1);
    EXPECT_EQ(GdiImportCounts().Live(), before.Live());
    EXPECT_EQ(GdiImportCounts().ForeignDeletes, before.ForeignDeletes);
  }
  ReleaseDC(nullptr, screen);
}

TEST_F(GdiImportCountTest, AMemoryDcIsBalancedByDeleteDcAndAForgottenObjectStaysLive) {
  const TGdiImportCounts before = GdiImportCounts();
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_TRUE(dc);
  HRGN kept = CreateRectRgn(0, 0, 5, 5);
  EXPECT_EQ(GdiImportCounts().Live(), before.Live() + 2);
  ASSERT_TRUE(DeleteDC(dc));
  EXPECT_EQ(GdiImportCounts().Live(), before.Live() + 1);
  EXPECT_NE(LiveGdiObjectsByCreator().find("CreateRectRgn 1"), std::string::npos) << LiveGdiObjectsByCreator();
  DeleteObject(kept);
  EXPECT_EQ(GdiImportCounts().Live(), before.Live());
}

TEST_F(GdiImportCountTest, ARegionGivenToAWindowCountsAsFreedAndStockObjectsAreForeign) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(window);
  const TGdiImportCounts before = GdiImportCounts();
  ASSERT_TRUE(SetWindowRgn(window, CreateRectRgn(0, 0, 20, 20), FALSE));
  EXPECT_EQ(GdiImportCounts().Live(), before.Live());
  EXPECT_EQ(GdiImportCounts().HandedToWindows, before.HandedToWindows + 1);
  // Taking the region away again frees nothing of ours.
  SetWindowRgn(window, nullptr, FALSE);
  EXPECT_EQ(GdiImportCounts().Deleted, before.Deleted + 1);

  DeleteObject(GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GdiImportCounts().Deleted, before.Deleted + 1);
  EXPECT_EQ(GdiImportCounts().ForeignDeletes, before.ForeignDeletes + 1);
  DestroyWindow(window);
}

LRESULT CALLBACK PassOn(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, msg, wParam, lParam);
}

TEST(WindowCensusTest, ASubclassedWindowIsRestoredDestroyedOrReportedAndNewWindowsAreLeftOver) {
  ASSERT_TRUE(InstallWindowProcWatch());
  auto make = [] {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  };
  HWND restored = make(), destroyed = make(), kept = make();
  const auto baseline = ThreadWindowProcs();
  ASSERT_TRUE(baseline.count(restored));
  ResetWindowProcWatch();
  const LONG_PTR own = GetWindowLongPtrW(restored, GWLP_WNDPROC);
  for (HWND w : {restored, destroyed, kept}) SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassOn));
  SetWindowLongPtrW(restored, GWLP_WNDPROC, own);
  DestroyWindow(destroyed);
  HWND extra = make();

  const TWindowProcCheck check = CheckWindowProcs(baseline);
  EXPECT_EQ(check.Subclassed, 3);
  EXPECT_EQ(check.Restored, 1);
  EXPECT_EQ(check.Destroyed, 1);
  EXPECT_EQ(check.NotRestored, 1);
  EXPECT_EQ(check.WindowsLeft, 1);
  EXPECT_FALSE(check.Clean());
  DestroyWindow(kept);
  DestroyWindow(extra);
  DestroyWindow(restored);
}

}  // namespace
