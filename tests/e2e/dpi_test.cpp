// The real corvana.exe at display scales of 100 to 200 %, set the way the system keeps them
// (the per-user "LogPixels"): the window and every control at the design size times the scale,
// the skin's frame scaled with them, a batch that gives the same lines as at 100 %, and the
// skinned close button working where it is drawn.
#include <gtest/gtest.h>

#include <cmath>

#include "app_fixture.h"
#include "registry_value.h"

namespace {

// The scales to run; the first is the reference for the batch's lines.
constexpr int kScales[] = {96, 120, 144, 192};
constexpr int kTolerance = 2;

// The main window's client area at 96 DPI.
constexpr int kClientWidth = 628, kClientHeight = 481;

int S(int value, int dpi) {
  return static_cast<int>(std::lround(value * dpi / 96.0));
}

// A window's rectangle in its parent's client coordinates: left, top, width, height.
struct Box {
  int left, top, width, height;
};

Box BoxOf(HWND window) {
  RECT r = TAppDriver::ScreenRect(window);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return Box{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

std::string Text(const Box& b) {
  return "(" + std::to_string(b.left) + "," + std::to_string(b.top) + " " + std::to_string(b.width) + "x" +
         std::to_string(b.height) + ")";
}

void ExpectBox(const char* what, HWND window, const Box& expected) {
  ASSERT_NE(window, nullptr) << what;
  const Box b = BoxOf(window);
  const bool within = std::abs(b.left - expected.left) <= kTolerance && std::abs(b.top - expected.top) <= kTolerance &&
                      std::abs(b.width - expected.width) <= kTolerance &&
                      std::abs(b.height - expected.height) <= kTolerance;
  EXPECT_TRUE(within) << what << ": " << Text(b) << ", expected " << Text(expected);
}

// Left, top, right and bottom widths of the skinned frame around the client area.
RECT FrameOf(HWND window) {
  const RECT outer = TAppDriver::ScreenRect(window);
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return RECT{origin.x - outer.left, origin.y - outer.top, outer.right - origin.x - client.right,
              outer.bottom - origin.y - client.bottom};
}

// The default skin's close button at 96 DPI: 30 x 22, 4 below the top, its left edge 35 in
// from the right.
POINT CloseButtonMiddle(HWND window, int dpi) {
  const RECT r = TAppDriver::ScreenRect(window);
  return POINT{r.right - S(35, dpi) + S(30, dpi) / 2, r.top + S(4, dpi) + S(22, dpi) / 2};
}

class DpiTest : public AppTest {
protected:
  // Every windowed control against its design rectangle at the scale. The tab sheets are the
  // platform tab control's display area; what is aligned in them fills them, so those edges
  // are checked against the sheet and the others against the design.
  void CheckLayout(int dpi) {
    const HWND main = app.MainWindow();
    const SIZE client = ClientSize(main);
    EXPECT_NEAR(client.cx, S(kClientWidth, dpi), kTolerance) << "client width";
    EXPECT_NEAR(client.cy, S(kClientHeight, dpi), kTolerance) << "client height";

    ExpectBox("PageControl1", app.PageControl(), {0, 0, S(628, dpi), S(462, dpi)});
    const auto bars = app.Children(L"TStatusBar");
    ASSERT_EQ(bars.size(), 1u);
    ExpectBox("StatusBar1", bars[0], {0, S(462, dpi), S(628, dpi), S(19, dpi)});

    const HWND input = app.InputMemo();
    ASSERT_NE(input, nullptr);
    const HWND sheet1 = GetParent(input);
    const SIZE page = ClientSize(sheet1);
    HWND panel1 = nullptr, panel2 = nullptr;
    for (HWND p : app.Children(L"TPanel")) (BoxOf(p).top == 0 ? panel1 : panel2) = p;
    ExpectBox("Panel1", panel1, {0, 0, page.cx, S(19, dpi)});
    ExpectBox("Panel2", panel2, {0, page.cy - S(36, dpi), page.cx, S(36, dpi)});
    ExpectBox("Memo_IPList", input, {0, S(19, dpi), S(161, dpi), page.cy - S(55, dpi)});
    ExpectBox("Memo_IPLog", app.ResultMemo(), {S(161, dpi), S(19, dpi), page.cx - S(161, dpi), page.cy - S(55, dpi)});
    const auto edits = app.Children(L"TEdit");
    ASSERT_EQ(edits.size(), 1u);
    ExpectBox("Edit_Ver", edits[0], {S(216, dpi), S(72, dpi), S(121, dpi), S(20, dpi)});
    // The unanchored buttons keep their centres in proportion to the panel's design width.
    const int panelWidth = panel2 ? ClientSize(panel2).cx : 0;
    const std::pair<const wchar_t*, int> buttons[] = {{L"查询", 392}, {L"保存", 468}, {L"更新", 545}};
    for (const auto& [caption, left] : buttons) {
      const int centre = static_cast<int>(std::lround((2.0 * left + 62) * panelWidth / (2.0 * 620)));
      ExpectBox(WideToUtf8(caption).c_str(), app.Button(caption),
                {centre - S(31, dpi), S(6, dpi), S(62, dpi), S(24, dpi)});
    }

    const HWND info = app.InfoMemo();
    ASSERT_NE(info, nullptr);
    ExpectBox("Memo1", info, {0, 0, ClientSize(GetParent(info)).cx, S(89, dpi)});
    ExpectBox("Button_IPVer", app.Button(L"数据库版本"), {S(8, dpi), S(96, dpi), S(85, dpi), S(25, dpi)});
    ExpectBox("Button3", app.Button(L"升级IP数据库"), {S(96, dpi), S(96, dpi), S(85, dpi), S(25, dpi)});
  }
};

TEST_F(DpiTest, WindowAndControlsAreTheDesignTimesTheScaleAndABatchGivesTheSameLines) {
  WriteDatabase(TestDatabase());
  std::vector<std::wstring> reference;
  RECT frame96{};
  SIZE size96{};
  for (const int dpi : kScales) {
    SCOPED_TRACE("at " + std::to_string(dpi) + " DPI");
    // The scale of the processes started while it is set; put back even when a check fails.
    TRegistryValue logPixels(L"Control Panel\\Desktop", L"LogPixels");
    logPixels.SetDword(static_cast<DWORD>(dpi));
    Start();
    if (HasFatalFailure()) return;
    // The skin takes the window over once it is shown; let it settle.
    TAppDriver::WaitUntil([&] { return SendMessageW(app.MainWindow(), 0x3523, 0, 0) == 1; }, 5000);
    Sleep(300);
    CheckLayout(dpi);
    // The skin's frame is its borders at the scale.
    const RECT frame = FrameOf(app.MainWindow());
    const RECT outer = TAppDriver::ScreenRect(app.MainWindow());
    const SIZE size{outer.right - outer.left, outer.bottom - outer.top};
    if (dpi == kScales[0]) frame96 = frame, size96 = size;
    EXPECT_NEAR(size.cx, S(size96.cx, dpi), kTolerance) << "outer width";
    EXPECT_NEAR(size.cy, S(size96.cy, dpi), kTolerance) << "outer height";
    EXPECT_NEAR(frame.left, S(frame96.left, dpi), 1);
    EXPECT_NEAR(frame.top, S(frame96.top, dpi), 1);
    EXPECT_NEAR(frame.right, S(frame96.right, dpi), 1);
    EXPECT_NEAR(frame.bottom, S(frame96.bottom, dpi), 1);

    const auto lines = Query(L"1.0.0.1\r\n8.8.8.8\r\n127.0.0.1\r\n", 3);
    if (reference.empty()) {
      ASSERT_EQ(lines.size(), 3u);
      EXPECT_EQ(lines[1], L"IP:8.8.8.255 国家:美国 地区:Google");
      reference = lines;
    } else {
      EXPECT_EQ(lines, reference);
    }
    // The skinned close button, clicked where it is drawn at this scale, ends the program.
    SetForegroundWindow(app.MainWindow());
    Sleep(200);
    TAppDriver::MouseClick(CloseButtonMiddle(app.MainWindow(), dpi));
    EXPECT_TRUE(app.WaitExit(10000));
    app.Kill();
  }
}

}  // namespace
