// The real main window as the program reads it from its resource: sizes after alignment,
// texts, tab order and the status-bar panels.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "base/codec.h"
#include "skin/model/skin_manage.h"
#include "ui/dpi.h"
#include "ui/skin_messages.h"
#include "win/support/ui_test.h"

namespace {

std::string Bounds(const TControl* c) { return RectText(c->BoundsRect()); }
std::string Bounds(int x, int y, int w, int h) { return RectText(RECT{x, y, x + w, y + h}); }

TEST(MainWindowControls, LaidOutTitledAndOrderedAsDesigned) {
  TestApplication();
  TOwned<TForm1> form(new TForm1(nullptr));
  form->Show();
  PumpMessages(50);

  // 636 x 508 with the platform's frame; a skinned frame keeps that client area.
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 636 - (frame.right - frame.left));
  EXPECT_EQ(client.bottom, 508 - (frame.bottom - frame.top));
  // Centred on the desktop.
  RECT outer{};
  GetWindowRect(form->Handle(), &outer);
  EXPECT_LE(std::abs((outer.left + outer.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 8);

  // The page control takes the client area above the status bar of 19 pixels.
  const int cw = form->ClientWidth(), ch = form->ClientHeight();
  EXPECT_EQ(Bounds(form->PageControl1), Bounds(0, 0, cw, ch - 19));
  EXPECT_EQ(Bounds(form->StatusBar1), Bounds(0, ch - 19, cw, 19));
  EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);

  // The first sheet: the headings on top, the buttons' panel at the bottom, the input pane of
  // 161 pixels on the left and the results in the rest.
  const int w = form->TabSheet1->ClientWidth(), h = form->TabSheet1->ClientHeight();
  EXPECT_EQ(Bounds(form->Panel1), Bounds(0, 0, w, 19));
  EXPECT_EQ(Bounds(form->Panel2), Bounds(0, h - 36, w, 36));
  EXPECT_EQ(Bounds(form->Memo_IPList), Bounds(0, 19, 161, h - 55));
  EXPECT_EQ(Bounds(form->Memo_IPLog), Bounds(161, 19, w - 161, h - 55));
  // Unanchored buttons keep their centres in proportion to the panel's design width of 620.
  const std::pair<TButton*, int> buttons[] = {{form->Button_TCPUDP, 392}, {form->Button2, 468}, {form->Button1, 545}};
  for (const auto& [button, left] : buttons) {
    EXPECT_EQ(Bounds(button), Bounds((2 * left + 62) * w / (2 * 620) - 31, 6, 62, 24)) << WideToUtf8(button->Caption());
  }
  EXPECT_EQ(Bounds(form->Label1), Bounds(0, 3, 66, 12));
  EXPECT_EQ(Bounds(form->Label2), Bounds(160, 3, 48, 12));
  EXPECT_EQ(Bounds(form->Label3), Bounds(24, 16, 258, 12));
  EXPECT_EQ(Bounds(form->Button_IPVer), Bounds(8, 96, 85, 25));
  EXPECT_EQ(Bounds(form->Button3), Bounds(96, 96, 85, 25));
  EXPECT_EQ(form->Memo1->Top(), 0);
  EXPECT_EQ(form->Memo1->Height(), 89);

  // Texts.
  EXPECT_EQ(form->TabSheet1->Caption(), L"IP/域名 所在地查询");
  EXPECT_EQ(form->TabSheet2->Caption(), L"IP数据库升级");
  EXPECT_EQ(form->Button_TCPUDP->Caption(), L"查询");
  EXPECT_EQ(form->Button2->Caption(), L"保存");
  EXPECT_EQ(form->Button1->Caption(), L"更新");
  EXPECT_EQ(form->Button_IPVer->Caption(), L"数据库版本");
  EXPECT_EQ(form->Button3->Caption(), L"升级IP数据库");
  EXPECT_EQ(form->Label1->Caption(), L"IP/域名列表");
  EXPECT_EQ(form->Label2->Caption(), L"查询结果");
  EXPECT_EQ(form->Edit_Ver->Text(), L"1.0.20100523");
  EXPECT_FALSE(form->Edit_Ver->Visible());
  EXPECT_EQ(form->Label3->Font()->Color(), clGreen);
  EXPECT_EQ(form->Label3->Cursor(), crHelp);

  // The panes: a vertical bar each, no border.
  for (TMemo* memo : {form->Memo_IPList, form->Memo_IPLog, form->Memo1}) {
    EXPECT_EQ(memo->ScrollBars(), TScrollStyle::ssVertical) << memo->Name();
    EXPECT_EQ(memo->BorderStyle(), TBorderStyle::bsNone) << memo->Name();
  }

  // Tab order within each parent.
  const std::pair<TWinControl*, int> order[] = {
      {form->Edit_Ver, 0}, {form->Panel2, 1},       {form->Memo_IPLog, 2}, {form->Memo_IPList, 3},
      {form->Panel1, 4},   {form->Button_TCPUDP, 0}, {form->Button2, 1},    {form->Button1, 2},
      {form->Button_IPVer, 0}, {form->Memo1, 1},    {form->Button3, 2},    {form->PageControl1, 0}};
  for (const auto& [control, position] : order) EXPECT_EQ(control->TabOrder(), position) << control->Name();

  // Three status panels of 200, 250 and 150 pixels; only the last has a text.
  ASSERT_EQ(form->StatusBar1->Panels()->Count(), 3);
  const int widths[] = {200, 250, 150};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form->StatusBar1->Panel(i)->Width(), widths[i]) << i;
  EXPECT_EQ(form->StatusBar1->Panel(0)->Text(), L"");
  EXPECT_EQ(form->StatusBar1->Panel(1)->Text(), L"");
  EXPECT_FALSE(form->StatusBar1->Panel(2)->Text().empty());
  form.reset();
  FreeSkinManager();
}

// Told of another scale, the skinned main window takes the suggested place, its controls and
// the skin's frame scale, and going back gives exactly the window it was.
TEST(MainWindowControls, ASkinnedWindowRescalesLiveAndBack) {
  TestApplication();
  TOwned<TForm1> form(new TForm1(nullptr));
  form->Show();
  SetForegroundWindow(form->Handle());
  for (int i = 0; i < 100 && SendMessageW(form->Handle(), SKINMSG_QUERY, 0, 0) != 1; ++i) PumpMessages(20);
  ASSERT_EQ(SendMessageW(form->Handle(), SKINMSG_QUERY, 0, 0), 1);
  PumpMessages(50);
  const HWND window = form->Handle();
  const auto outer = [&] {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  };
  const auto frame = [&] {
    const RECT r = outer();
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return POINT{origin.x - r.left, origin.y - r.top};
  };
  const RECT start = outer();
  const POINT frame96 = frame();
  const std::string button96 = Bounds(form->Button_TCPUDP);
  const int client96 = form->ClientWidth();

  RECT suggested = start;
  suggested.right = start.left + ScaleByDpi(start.right - start.left, 144);
  suggested.bottom = start.top + ScaleByDpi(start.bottom - start.top, 144);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  PumpMessages(50);
  EXPECT_EQ(RectText(outer()), RectText(suggested));
  EXPECT_NEAR(frame().x, ScaleByDpi(frame96.x, 144), 1);
  EXPECT_NEAR(frame().y, ScaleByDpi(frame96.y, 144), 1);
  EXPECT_NEAR(form->ClientWidth(), ScaleByDpi(client96, 144), 2);
  EXPECT_EQ(form->Button_TCPUDP->Height(), ScaleByDpi(24, 144));

  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&start));
  PumpMessages(50);
  EXPECT_EQ(RectText(outer()), RectText(start));
  EXPECT_EQ(frame().x, frame96.x);
  EXPECT_EQ(frame().y, frame96.y);
  EXPECT_EQ(Bounds(form->Button_TCPUDP), button96);
  form.reset();
  FreeSkinManager();
}

}  // namespace
