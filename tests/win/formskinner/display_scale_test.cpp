// The skinned frame at display scales under Wine, with a frame-coded test skin: borders,
// caption buttons and hit tests scaled by the one rule, a click on the close button where it is
// drawn, twice-size pictures taken from 175 % only when exactly twice the size, and a live
// change of scale and back that leaves the window as it was.
#include <gtest/gtest.h>

#include "skin/form/caption_rules.h"
#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/dpi.h"
#include "ui/skin_messages.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

namespace {

constexpr int kLeft = 6, kTop = 28, kRight = 7, kBottom = 4;
constexpr int kButtonW = 16, kButtonH = 14, kButtonX = 30, kButtonY = 6;
constexpr int kClose = 20, kTwiceTop = 30, kTwiceLeft = 31;  // colour seeds

// Side borders side by side, top and bottom stacked, a close button; twice-size pictures as
// asked: a proper one for the top and one of the wrong size for the left border.
TTestSkin ScaleSkin(bool twiceTop, bool wrongTwiceLeft) {
  TTestSkin skin;
  skin.Strip("left.bmp", 2, kLeft, 30, 1);
  skin.Strip("right.bmp", 2, kRight, 30, 2);
  skin.Strip("top.bmp", 2, 80, kTop, 3, true);
  skin.Strip("bottom.bmp", 2, 80, kBottom, 4, true);
  skin.Strip("close.bmp", 4, kButtonW, kButtonH, kClose);
  if (twiceTop) skin.Strip("top@2x.bmp", 2, 160, 2 * kTop, kTwiceTop, true);
  if (wrongTwiceLeft) skin.Strip("left@2x.bmp", 2, 2 * kLeft + 1, 60, kTwiceLeft);
  skin.Ini(
      "[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\nRightFrame=2\r\nTop=top.bmp\r\n"
      "TopFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n[ButtonClose]\r\nAction=0\r\nAlign=1\r\nXcoord=" +
      std::to_string(kButtonX) + "\r\nYcoord=" + std::to_string(kButtonY) + "\r\nframe=4\r\nButtonImage=close.bmp\r\n");
  return skin;
}

class DisplayScaleTest : public ::testing::Test {
protected:
  void Start(int dpi, const TTestSkin& skin = ScaleSkin(false, false)) {
    TestApplication();
    TWinSkinForm::Register();
    manager = SkinManager();
    manager->Enabled = true;
    data = LoadTestSkin(skin);
    ASSERT_FALSE(data->SkinPending());
    data->SetSkinControls(SetOf(xcMainMenu));
    manager->Register(data.get());
    data->SetDpi(dpi);
    ASSERT_EQ(data->Dpi(), dpi);
    form.reset(new TForm(nullptr));
    form->SetBounds(100, 80, 420, 300);
    form->SetCaption(L"缩放 Scale");
    closes = std::make_shared<int>(0);
    TWndMethod saved = form->WindowProc;
    auto count = closes;
    form->WindowProc = [count, saved](TMessage& m) {
      // The test counts the close asked for; the form stays.
      if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_CLOSE) {
        ++*count;
        return;
      }
      saved(m);
    };
    form->Show();
    PumpMessages(30);
    ASSERT_TRUE(manager->SkinWindow(form->Handle()));
    PumpMessages(30);
    skinner = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(form->Handle()));
    ASSERT_NE(skinner, nullptr);
  }
  void TearDown() override {
    form.reset();
    if (manager) manager->Unregister(data.get());
    FreeSkinManager();
  }
  // Left, top, right and bottom widths of the frame around the client area.
  RECT Borders() const {
    RECT w{}, c{};
    GetWindowRect(form->Handle(), &w);
    GetClientRect(form->Handle(), &c);
    POINT origin{0, 0};
    ClientToScreen(form->Handle(), &origin);
    return RECT{origin.x - w.left, origin.y - w.top, w.right - origin.x - c.right, w.bottom - origin.y - c.bottom};
  }
  RECT WindowRect() const {
    RECT w{};
    GetWindowRect(form->Handle(), &w);
    return w;
  }
  TWinSysButton& Close() {
    for (const auto& b : skinner->CaptionButtons)
      if (b->SkinButton->Action == caClose && b->Visible) return *b;
    ADD_FAILURE() << "no close button shown";
    return *skinner->CaptionButtons.front();
  }
  TColor PaintedAt(int x, int y) {
    const RECT w = WindowRect();
    TBitmap picture(w.right - w.left, w.bottom - w.top);
    SendMessageW(form->Handle(), SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), SKIN_MAGIC);
    return static_cast<TColor>(GetPixel(picture.Canvas().Handle(), x, y));
  }

  TSkinManage* manager = nullptr;
  TOwned<TSkinData> data;
  TOwned<TForm> form;
  TWinSkinForm* skinner = nullptr;
  std::shared_ptr<int> closes;
};

TEST_F(DisplayScaleTest, FrameButtonsAndHitTestsFollowTheScaleAndTheCloseButtonWorksWhereItIsDrawn) {
  for (int dpi : {96, 120, 144, 192}) {
    SCOPED_TRACE(dpi);
    Start(dpi);
    const auto s = [dpi](int v) { return ScaleByDpi(v, dpi); };
    EXPECT_EQ(RectText(Borders()), RectText(RECT{s(kLeft), s(kTop), s(kRight), s(kBottom)}));
    const RECT w = WindowRect();
    const int width = w.right - w.left;
    TWinSysButton& close = Close();
    EXPECT_EQ(RectText(close.Bounds), RectText(RECT{width - s(kButtonX), s(kButtonY), width - s(kButtonX) + s(kButtonW),
                                                    s(kButtonY) + s(kButtonH)}));
    const int cx = (close.Bounds.left + close.Bounds.right) / 2, cy = (close.Bounds.top + close.Bounds.bottom) / 2;
    EXPECT_EQ(PaintedAt(cx, cy), FrameColour(kClose, 1));
    // The caption band reaches down to the scaled top border.
    const LPARAM caption = MAKELPARAM(w.left + width / 2, w.top + s(kTop) - 1);
    EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, caption), HTCAPTION);
    // A press and release at the drawn centre asks the window to close.
    const LPARAM at = MAKELPARAM(w.left + cx, w.top + cy);
    SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, at);
    SendMessageW(form->Handle(), WM_NCLBUTTONUP, HTCAPTION, at);
    PumpMessages(20);
    EXPECT_EQ(*closes, 1);
    TearDown();
  }
}

TEST_F(DisplayScaleTest, TwiceSizePicturesAreTakenFrom175PercentAndOnlyWhenExactlyTwiceTheSize) {
  struct Case {
    int dpi;
    TColor top, left;
  };
  const Case cases[] = {{144, FrameColour(3, 1), FrameColour(1, 1)},
                        {168, FrameColour(kTwiceTop, 1), FrameColour(1, 1)},
                        {192, FrameColour(kTwiceTop, 1), FrameColour(1, 1)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    Start(c.dpi, ScaleSkin(true, true));
    const RECT b = Borders();
    EXPECT_EQ(b.top, ScaleByDpi(kTop, c.dpi));
    EXPECT_EQ(b.left, ScaleByDpi(kLeft, c.dpi));
    const RECT w = WindowRect();
    EXPECT_EQ(PaintedAt((w.right - w.left) / 3, b.top / 2), c.top);
    EXPECT_EQ(PaintedAt(b.left / 2, (w.bottom - w.top) / 2), c.left);
    TearDown();
  }
}

TEST_F(DisplayScaleTest, ALiveScaleChangeAndBackLeavesTheWindowAsItWas) {
  Start(96);
  const RECT start = WindowRect();
  RECT client{};
  GetClientRect(form->Handle(), &client);
  const auto change = [&](int dpi, const RECT& suggested) {
    SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    PumpMessages(30);
  };
  RECT bigger = start;
  bigger.right = start.left + ScaleByDpi(start.right - start.left, 144);
  bigger.bottom = start.top + ScaleByDpi(start.bottom - start.top, 144);
  change(144, bigger);
  EXPECT_EQ(data->Dpi(), 144);
  EXPECT_EQ(RectText(Borders()), RectText(RECT{9, 42, 11, 6}));
  // The suggested rectangle holds the scaled client inside the scaled frame.
  RECT scaled{};
  GetClientRect(form->Handle(), &scaled);
  EXPECT_NEAR(scaled.right, ScaleByDpi(client.right, 144), 1);
  EXPECT_NEAR(scaled.bottom, ScaleByDpi(client.bottom, 144), 1);
  EXPECT_EQ(PaintedAt(Close().Bounds.left + 2, Close().Bounds.top + 2), FrameColour(kClose, 1));
  change(96, start);
  EXPECT_EQ(RectText(Borders()), RectText(RECT{kLeft, kTop, kRight, kBottom}));
  EXPECT_EQ(RectText(WindowRect()), RectText(start));
  RECT after{};
  GetClientRect(form->Handle(), &after);
  EXPECT_EQ(RectText(after), RectText(client));
}

}  // namespace
