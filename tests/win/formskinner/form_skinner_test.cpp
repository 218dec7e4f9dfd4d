// The form skinner on real windows under Wine, with frame-coded test skins whose borders are
// 7, 33, 9 and 5 pixels: the frame around the same client area, hit tests, painted pieces by
// pixel, the window region, unskinning, a message dialog widened to its caption, and no handles
// left over after many rounds.
#include <gtest/gtest.h>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/extctrls.h"
#include "ui/skin_messages.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

namespace {

constexpr int kLeft = 7, kTop = 33, kRight = 9, kBottom = 5;
constexpr TColor kKeyColour = RGB(255, 0, 255);

// Two frames each: side borders side by side, top and bottom stacked. The top's frames have
// a magenta 4 x 4 corner at their left, kept unscaled by a 10-pixel margin.
TTestSkin FrameSkin(int trans, const std::string& extra = "") {
  TTestSkin skin;
  skin.Strip("left.bmp", 2, kLeft, 40, 1);
  skin.Strip("right.bmp", 2, kRight, 40, 2);
  skin.Picture("top.bmp", 100, 2 * kTop, [](int x, int y) {
    return x < 4 && y % kTop < 4 ? kKeyColour : FrameColour(3, 1 + y / kTop);
  });
  skin.Strip("bottom.bmp", 2, 100, kBottom, 4, true);
  const std::string t = std::to_string(trans);
  skin.Ini("[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nLeftTrans=" + t + "\r\nRight=right.bmp\r\nRightFrame=2\r\n"
           "RightTrans=" + t + "\r\nTop=top.bmp\r\nTopFrame=2\r\nTopTopHeight=10\r\nTopTrans=" + t +
           "\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\nBottomTrans=" + t + "\r\nTextShift=20\r\nTextRightClip=30\r\n" +
           extra);
  return skin;
}

class FormSkinnerTest : public ::testing::Test {
protected:
  void Start(const TTestSkin& skin, TBiDiMode mode = TBiDiMode::bdLeftToRight) {
    TestApplication();
    TWinSkinForm::Register();
    manager = SkinManager();
    manager->Enabled = true;
    data = LoadTestSkin(skin);
    ASSERT_FALSE(data->SkinPending());
    data->SetSkinControls(SetOf(xcMainMenu));
    manager->Register(data.get());
    form.reset(new TForm(nullptr));
    form->SetBounds(120, 100, 400, 300);
    form->SetCaption(L"窗口 Frame");
    form->SetBiDiMode(mode);
    form->Show();
    PumpMessages(50);
    GetClientRect(form->Handle(), &before);
  }
  void TearDown() override {
    form.reset();
    if (manager) manager->Unregister(data.get());
    FreeSkinManager();
  }
  TWinSkinForm* SkinIt() {
    EXPECT_TRUE(manager->SkinWindow(form->Handle()));
    PumpMessages(50);
    return dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(form->Handle()));
  }
  void UnskinAll() {
    manager->PendingSkinData = data.get();
    manager->PendingAction = saUnskinAll;
    manager->RunScheduledAction();
    PumpMessages(20);
  }
  SIZE WindowSize() const {
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }
  RECT Client() const {
    RECT r{};
    GetClientRect(form->Handle(), &r);
    return r;
  }

  TSkinManage* manager = nullptr;
  TOwned<TSkinData> data;
  TOwned<TForm> form;
  RECT before{};
};

TEST_F(FormSkinnerTest, TheFrameComesFromTheSkinAroundTheSameClientArea) {
  Start(FrameSkin(0));
  // The watcher outlives this test body: it holds what it uses.
  auto done = std::make_shared<bool>(false);
  TWndMethod saved = form->WindowProc;
  form->WindowProc = [done, saved](TMessage& m) {
    if (m.Msg == SKINMSG_DONE && m.LParam == SKIN_MAGIC) *done = true;
    saved(m);
  };
  TWinSkinForm* skinner = SkinIt();
  ASSERT_NE(skinner, nullptr);
  EXPECT_TRUE(*done);
  EXPECT_EQ(skinner->LifeState, fsActive);
  EXPECT_EQ(skinner->FrameKind, fkSizeable);
  EXPECT_EQ(skinner->FrameLeft, kLeft);
  EXPECT_EQ(skinner->FrameTop, kTop);
  EXPECT_EQ(skinner->FrameRight, kRight);
  EXPECT_EQ(skinner->FrameBottom, kBottom);
  EXPECT_EQ(RectText(Client()), RectText(before));
  EXPECT_EQ(WindowSize().cx, before.right + kLeft + kRight);
  EXPECT_EQ(WindowSize().cy, before.bottom + kTop + kBottom);
  EXPECT_EQ(SendMessageW(form->Handle(), SKINMSG_QUERY, 0, 0), 1);
  EXPECT_EQ(SendMessageW(form->Handle(), SKINMSG_PING, 0, SKIN_MAGIC), SKIN_MAGIC);
  // Taken over once only.
  EXPECT_FALSE(manager->SkinWindow(form->Handle()));
  // The client keeps its place and size through a resize by the frame.
  form->SetBounds(form->Left(), form->Top(), 500, 350);
  PumpMessages(20);
  EXPECT_EQ(Client().right, 500 - kLeft - kRight);
  EXPECT_EQ(Client().bottom, 350 - kTop - kBottom);
}

TEST_F(FormSkinnerTest, HitTestsFindTheCaptionBelowTheTopPixelsAndKeepTheRest) {
  Start(FrameSkin(0));
  ASSERT_NE(SkinIt(), nullptr);
  RECT w{};
  GetWindowRect(form->Handle(), &w);
  const int cx = (w.left + w.right) / 2, cy = (w.top + w.bottom) / 2;
  auto hit = [&](int x, int y) { return SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
  EXPECT_EQ(hit(cx, w.top + 10), HTCAPTION);
  EXPECT_EQ(hit(cx, w.top + kTop - 1), HTCAPTION);
  EXPECT_EQ(hit(cx, cy), HTCLIENT);
  EXPECT_NE(hit(cx, w.top + 1), HTCAPTION);  // the platform's sizing edge
  EXPECT_EQ(hit(w.left + 1, cy), HTLEFT);
  EXPECT_EQ(hit(w.right - 2, w.bottom - 2), HTBOTTOMRIGHT);
}

TEST_F(FormSkinnerTest, BordersArePaintedFromTheirFramesActiveAndInactive) {
  Start(FrameSkin(0));
  TWinSkinForm* skinner = SkinIt();
  ASSERT_NE(skinner, nullptr);
  const SIZE size = WindowSize();
  TBitmap picture(size.cx, size.cy);
  auto paint = [&] {
    EXPECT_EQ(SendMessageW(form->Handle(), SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), SKIN_MAGIC),
              SKIN_MAGIC);
  };
  auto pixel = [&](int x, int y) { return static_cast<TColor>(GetPixel(picture.Canvas().Handle(), x, y)); };
  paint();
  EXPECT_EQ(pixel(3, size.cy / 2), FrameColour(1, 1));
  EXPECT_EQ(pixel(size.cx - 4, size.cy / 2), FrameColour(2, 1));
  EXPECT_EQ(pixel(size.cx / 2, size.cy - 2), FrameColour(4, 1));
  EXPECT_EQ(pixel(kLeft + 12, 2), FrameColour(3, 1));  // the caption band, above the text
  // The band's ends show the side borders in the same look.
  EXPECT_EQ(pixel(3, kTop / 2), FrameColour(1, 1));
  EXPECT_EQ(pixel(size.cx - 4, kTop / 2), FrameColour(2, 1));
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(skinner->ActiveLook);
  paint();
  EXPECT_EQ(pixel(3, size.cy / 2), FrameColour(1, 2));
  EXPECT_EQ(pixel(kLeft + 12, 2), FrameColour(3, 2));
  EXPECT_EQ(pixel(3, kTop / 2), FrameColour(1, 2));
  EXPECT_EQ(pixel(size.cx - 4, kTop / 2), FrameColour(2, 2));
  // The title: one blank before the text, TextShift from the band's left.
  EXPECT_EQ(skinner->TitleTextRect.left, kLeft + 20);
  EXPECT_LE(skinner->TitleTextRect.right, size.cx - kRight - 30);
}

TEST_F(FormSkinnerTest, ALongTitleEndsBeforeTheRightClip) {
  Start(FrameSkin(0));
  form->SetCaption(std::wstring(200, L'长'));
  TWinSkinForm* skinner = SkinIt();
  ASSERT_NE(skinner, nullptr);
  SendMessageW(form->Handle(), SKINMSG_PAINTFRAME, 0, 0);
  EXPECT_EQ(skinner->TitleTextRect.right, WindowSize().cx - kRight - 30);
}

TEST_F(FormSkinnerTest, TheRegionLeavesOutKeyedCornersAndFollowsTheSize) {
  Start(FrameSkin(1));
  TWinSkinForm* skinner = SkinIt();
  ASSERT_NE(skinner, nullptr);
  auto inRegion = [&](int x, int y) {
    TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_NE(GetWindowRgn(form->Handle(), region.Get()), ERROR);
    return PtInRegion(region.Get(), x, y) != FALSE;
  };
  EXPECT_TRUE(skinner->RegionOwned);
  EXPECT_FALSE(inRegion(kLeft + 1, 1));  // the magenta corner of the top piece
  EXPECT_TRUE(inRegion(kLeft + 1, 10));
  EXPECT_TRUE(inRegion(kLeft + 30, 1));
  EXPECT_TRUE(inRegion(2, 2));  // the side borders have no key pixels
  form->SetBounds(form->Left(), form->Top(), 520, 330);
  PumpMessages(20);
  EXPECT_EQ(skinner->RegionWidth, 520);
  EXPECT_TRUE(inRegion(515, 300));
  EXPECT_FALSE(inRegion(525, 300));
}

TEST_F(FormSkinnerTest, WithoutKeyedBordersTheRegionIsTheWholeWindow) {
  Start(FrameSkin(0));
  ASSERT_NE(SkinIt(), nullptr);
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetWindowRgn(form->Handle(), region.Get()), SIMPLEREGION);
  RECT box{};
  GetRgnBox(region.Get(), &box);
  EXPECT_EQ(RectText(box), RectText(RECT{0, 0, WindowSize().cx, WindowSize().cy}));
}

TEST_F(FormSkinnerTest, UnskinGivesThePlatformFrameBackWithTheSameClient) {
  // A face colour of the skin's own, so the form's colour shows whose it is.
  Start(FrameSkin(1, "[Colours]\r\nButtonFace=12 34 56\r\n"));
  ASSERT_NE(SkinIt(), nullptr);
  EXPECT_EQ(form->Color(), RGB(12, 34, 56));
  const SIZE skinned = WindowSize();
  UnskinAll();
  EXPECT_EQ(manager->FormSkinnerOf(form->Handle()), nullptr);
  EXPECT_EQ(RectText(Client()), RectText(before));
  EXPECT_NE(WindowSize().cx, skinned.cx);
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(form->Handle(), region.Get()), ERROR);  // no region any more
  EXPECT_NE(SendMessageW(form->Handle(), SKINMSG_QUERY, 0, 0), 1);
  EXPECT_EQ(form->Color(), clBtnFace);
}

// Taking the window over and giving it back change its frame without drawing on the way; what
// the window shows afterwards (read back from the window, not painted into memory) must be whole:
// the skin's borders or the platform's, and the controls inside where they belong.
TEST_F(FormSkinnerTest, OnTheWindowTheNewFrameAndTheControlsAreShownAfterSkinningOnAndOff) {
  Start(FrameSkin(0));
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBevelOuter(TBevelCut::bvNone);
  panel->SetBounds(20, 20, 60, 40);
  panel->SetColor(RGB(10, 200, 30));
  PumpMessages(20);
  auto shown = [&](int x, int y) {
    HDC dc = GetWindowDC(form->Handle());
    const auto colour = static_cast<TColor>(GetPixel(dc, x, y));
    ReleaseDC(form->Handle(), dc);
    return colour;
  };
  auto skinBorder = [](TColor c) { return c == FrameColour(1, 1) || c == FrameColour(1, 2); };
  for (int round = 0; round < 2; ++round) {
    ASSERT_NE(SkinIt(), nullptr);
    PumpMessages(30);
    const int mid = WindowSize().cy / 2;
    EXPECT_TRUE(skinBorder(shown(3, mid))) << round << ": " << std::hex << shown(3, mid);
    EXPECT_EQ(shown(kLeft + 40, kTop + 30), RGB(10, 200, 30)) << round;
    UnskinAll();
    PumpMessages(30);
    EXPECT_FALSE(skinBorder(shown(3, mid))) << round;
    POINT inPanel{40, 30};
    MapWindowPoints(form->Handle(), nullptr, &inPanel, 1);
    RECT outer{};
    GetWindowRect(form->Handle(), &outer);
    EXPECT_EQ(shown(inPanel.x - outer.left, inPanel.y - outer.top), RGB(10, 200, 30)) << round;
    manager->Enabled = true;
  }
}

TEST_F(FormSkinnerTest, NoHandlesAreLeftAfterManyRounds) {
  Start(FrameSkin(1));
  ASSERT_NE(SkinIt(), nullptr);
  UnskinAll();
  EXPECT_FALSE(manager->Enabled);
  const long gdi = OwnedGdiObjects();
  const int procs = LiveWindowProcInstances();
  for (int i = 0; i < 200; ++i) {
    manager->Enabled = true;  // unskinning all switched it off
    ASSERT_TRUE(manager->SkinWindow(form->Handle())) << i;
    PumpMessages(0);
    UnskinAll();
  }
  EXPECT_EQ(OwnedGdiObjects(), gdi);
  EXPECT_EQ(LiveWindowProcInstances(), procs);
  EXPECT_EQ(RectText(Client()), RectText(before));
}

TEST_F(FormSkinnerTest, MaximizeMinimizeAndRestoreKeepTheSkinsFrame) {
  Start(FrameSkin(1));
  TWinSkinForm* skinner = SkinIt();
  ASSERT_NE(skinner, nullptr);
  const SIZE normal = WindowSize();
  auto regionBox = [&] {
    TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    RECT box{};
    if (GetWindowRgn(form->Handle(), region.Get()) != ERROR) GetRgnBox(region.Get(), &box);
    return box;
  };

  ShowWindow(form->Handle(), SW_MAXIMIZE);
  PumpMessages(30);
  EXPECT_EQ(skinner->WindowState, wsMaximizedState);
  EXPECT_TRUE(IsZoomed(form->Handle()));
  // Still the skin's frame around the client, and a region of the new size.
  EXPECT_EQ(Client().right, WindowSize().cx - kLeft - kRight);
  EXPECT_EQ(Client().bottom, WindowSize().cy - kTop - kBottom);
  EXPECT_GT(WindowSize().cx, normal.cx);
  EXPECT_EQ(regionBox().right, WindowSize().cx);
  EXPECT_EQ(regionBox().bottom, WindowSize().cy);

  ShowWindow(form->Handle(), SW_RESTORE);
  PumpMessages(30);
  EXPECT_EQ(skinner->WindowState, wsNormalState);
  EXPECT_EQ(RectText(Client()), RectText(before));
  EXPECT_EQ(WindowSize().cx, normal.cx);
  EXPECT_EQ(WindowSize().cy, normal.cy);
  EXPECT_EQ(regionBox().right, normal.cx);

  ShowWindow(form->Handle(), SW_MINIMIZE);
  PumpMessages(30);
  EXPECT_EQ(skinner->WindowState, wsMinimizedState);
  EXPECT_TRUE(IsIconic(form->Handle()));
  ShowWindow(form->Handle(), SW_RESTORE);
  PumpMessages(30);
  EXPECT_EQ(skinner->WindowState, wsNormalState);
  EXPECT_EQ(RectText(Client()), RectText(before));
  EXPECT_EQ(SendMessageW(form->Handle(), SKINMSG_QUERY, 0, 0), 1);
}

TEST_F(FormSkinnerTest, AskedToHideWhileSkinningTheWindowIsHiddenOnlyUntilItsFrameIsInPlace) {
  Start(FrameSkin(0));
  manager->HideWhileSkinning = true;
  ASSERT_TRUE(manager->SkinWindow(form->Handle()));
  // Attached, not yet activated: the style bit alone is gone.
  EXPECT_FALSE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_VISIBLE);
  PumpMessages(30);
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_FALSE(manager->HideWhileSkinning);
  EXPECT_EQ(RectText(Client()), RectText(before));
}

// With the thread's hook in place a form is taken over while still hidden: every message it
// gets as a visible window finds it skinned, and a normal window is never resized on the screen.
TEST(FormSkinnerBeforeShow, AShownFormIsNeverSeenWithoutItsSkinAndSkinningOffLeavesItAlone) {
  struct TCase {
    const char* Name;
    TWindowState State;
    bool Enabled;
  };
  const TCase cases[] = {{"normal", TWindowState::wsNormal, true},
                         {"maximized", TWindowState::wsMaximized, true},
                         {"skinning off", TWindowState::wsNormal, false}};
  TestApplication();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TWinSkinForm::Register();
    TSkinManage* manager = SkinManager();
    TOwned<TSkinData> data = LoadTestSkin(FrameSkin(0));
    data->SetSkinControls(SetOf(xcMainMenu));
    manager->Register(data.get());
    manager->InstallHook();
    manager->Enabled = c.Enabled;
    // Nothing to hide for a window that is not shown yet: the request is kept for a later one.
    manager->HideWhileSkinning = true;
    TOwned<TForm> form(new TForm(nullptr));
    form->SetBounds(120, 100, 400, 300);
    form->SetWindowState(c.State);
    form->HandleNeeded();
    const HWND window = form->Handle();
    struct TSeen {
      int Visible = 0, Unskinned = 0;
      std::vector<SIZE> Sizes;
    };
    auto seen = std::make_shared<TSeen>();
    TWndMethod saved = form->WindowProc;
    form->WindowProc = [seen, saved, window, manager](TMessage& m) {
      if (IsWindowVisible(window)) {
        ++seen->Visible;
        auto* skinner = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(window));
        if (!skinner || skinner->LifeState != fsActive) ++seen->Unskinned;
        RECT r{};
        GetWindowRect(window, &r);
        seen->Sizes.push_back(SIZE{r.right - r.left, r.bottom - r.top});
      }
      saved(m);
    };
    form->Show();
    PumpMessages(50);
    ASSERT_GT(seen->Visible, 0);
    auto* skinner = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(window));
    if (!c.Enabled) {
      EXPECT_EQ(skinner, nullptr);
      EXPECT_EQ(seen->Unskinned, seen->Visible);
    } else {
      ASSERT_NE(skinner, nullptr);
      EXPECT_EQ(seen->Unskinned, 0);
      EXPECT_TRUE(manager->HideWhileSkinning);
      EXPECT_FALSE(manager->SkinWindow(window));
      RECT client{};
      GetClientRect(window, &client);
      if (c.State == TWindowState::wsMaximized) {
        EXPECT_TRUE(IsZoomed(window));
        EXPECT_EQ(skinner->WindowState, wsMaximizedState);
      } else {
        for (const SIZE& size : seen->Sizes) {
          EXPECT_EQ(size.cx, client.right + kLeft + kRight);
          EXPECT_EQ(size.cy, client.bottom + kTop + kBottom);
        }
      }
    }
    form->WindowProc = saved;
    form.reset();
    manager->Unregister(data.get());
    FreeSkinManager();
  }
}

// Where on the caption band the title's pixels are: how many differ from the band in its left
// and in its right half.
std::pair<int, int> TitlePixels(HWND window, SIZE size) {
  TBitmap picture(size.cx, size.cy);
  SendMessageW(window, SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), SKIN_MAGIC);
  int left = 0, right = 0;
  for (int y = 12; y < kTop - 2; ++y) {
    for (int x = kLeft; x < size.cx - kRight; ++x) {
      if (static_cast<TColor>(GetPixel(picture.Canvas().Handle(), x, y)) == FrameColour(3, 1)) continue;
      (x < size.cx / 2 ? left : right) += 1;
    }
  }
  return {left, right};
}

TEST_F(FormSkinnerTest, ARightToLeftTitleIsDrawnAtTheRightOfTheBand) {
  Start(FrameSkin(0), TBiDiMode::bdRightToLeft);
  ASSERT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
  TWinSkinForm* skinner = SkinIt();
  ASSERT_NE(skinner, nullptr);
  EXPECT_TRUE(skinner->RightToLeft);
  const auto [left, right] = TitlePixels(form->Handle(), WindowSize());
  EXPECT_EQ(left, 0);
  EXPECT_GT(right, 20);
  EXPECT_GT(skinner->TitleTextRect.left, WindowSize().cx / 2);
}

TEST_F(FormSkinnerTest, ALeftToRightTitleIsDrawnAtTheLeftOfTheBand) {
  Start(FrameSkin(0));
  ASSERT_NE(SkinIt(), nullptr);
  const auto [left, right] = TitlePixels(form->Handle(), WindowSize());
  EXPECT_GT(left, 20);
  EXPECT_EQ(right, 0);
}

TEST_F(FormSkinnerTest, AWindowWithoutACaptionKeepsThePlatformFrame) {
  Start(FrameSkin(0));
  form->SetBorderStyle(TFormBorderStyle::bsNone);
  PumpMessages(20);
  GetClientRect(form->Handle(), &before);
  TWinSkinForm* skinner = SkinIt();
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->FrameKind, fkNoCaption);
  EXPECT_EQ(skinner->FrameLeft + skinner->FrameTop + skinner->FrameRight + skinner->FrameBottom, 0);
  EXPECT_EQ(RectText(Client()), RectText(before));
}

TEST_F(FormSkinnerTest, AMessageDialogWidensToItsCaptionAndItsControlsMoveByHalfTheDifference) {
  Start(FrameSkin(0));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  TFontHandle captionFont(CreateFontIndirectW(&metrics.lfCaptionFont));
  auto textWidth = [&](const std::wstring& text) {
    TWindowDC dc(nullptr);
    TSelectObject font(dc, captionFont.Get());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  const std::wstring captions[] = {L"短", std::wstring(40, L'宽') + L" wide caption"};
  for (const std::wstring& caption : captions) {
    SCOPED_TRACE(caption.size());
    const HWND dialog = CreateWindowExW(0, L"#32770", caption.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                                        80, 80, 160, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(dialog, nullptr);
    const HWND button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, 10, 50, 60, 24, dialog, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    RECT client{};
    GetClientRect(dialog, &client);
    ASSERT_TRUE(manager->SkinWindow(dialog));
    PumpMessages(50);
    // Wide enough for the text between TextShift (20) and TextRightClip (30), never narrower
    // than the skin's frame around the client.
    const int framed = client.right + kLeft + kRight;
    const int needed = 20 + textWidth(caption) + 30;
    const int width = std::max(framed, needed);
    RECT window{}, place{};
    GetWindowRect(dialog, &window);
    EXPECT_EQ(window.right - window.left, width);
    GetWindowRect(button, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 10 + (width - framed) / 2);
    EXPECT_EQ(place.right - place.left, 60);
    DestroyWindow(dialog);
  }
  EXPECT_GT(textWidth(captions[1]) + 50, 160);
}

}  // namespace
