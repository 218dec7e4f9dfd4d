// Caption buttons on real windows under Wine, with a frame-coded test skin: which buttons
// show, where, their looks by pixel, hot, pressed and acting only on a release over the same
// button, the application's own buttons, the system menu and the double-click rules.
#include <gtest/gtest.h>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/platform.h"
#include "ui/skin_messages.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

namespace {

constexpr int kLeft = 6, kTop = 28, kRight = 7, kBottom = 4;
constexpr int kButtonW = 16, kButtonH = 14;
constexpr int kClose = 20, kMax = 21, kMin = 22, kApp = 23;  // colour seeds of the buttons

TTestSkin CaptionSkin() {
  TTestSkin skin;
  skin.Strip("left.bmp", 2, kLeft, 30, 1);
  skin.Strip("right.bmp", 2, kRight, 30, 2);
  skin.Strip("top.bmp", 2, 80, kTop, 3, true);
  skin.Strip("bottom.bmp", 2, 80, kBottom, 4, true);
  for (int seed : {kClose, kMax, kMin, kApp}) skin.Strip("b" + std::to_string(seed) + ".bmp", 4, kButtonW, kButtonH, seed);
  auto button = [](const std::string& name, int seed, int action, int align, int x, const std::string& more) {
    return "[" + name + "]\r\nAction=" + std::to_string(action) + "\r\nAlign=" + std::to_string(align) +
           "\r\nXcoord=" + std::to_string(x) + "\r\nYcoord=6\r\nframe=4\r\nButtonImage=b" + std::to_string(seed) +
           ".bmp\r\n" + more;
  };
  skin.Ini("[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\nRightFrame=2\r\nTop=top.bmp\r\n"
           "TopFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n" +
           button("ButtonClose", kClose, caClose, 1, 30, "") +
           button("ButtonMax", kMax, caMaximize, 1, 50, "Visibility=2\r\nVisibility1=2\r\n") +
           button("ButtonMin", kMin, caMinimize, 1, 70, "") +
           button("ButtonHelp", kMin, caHelp, 0, 30, "Visibility=10\r\nVisibility1=10\r\n") +
           button("ButtonNever", kMin, 42, 0, 60, "Visibility1=300\r\n") +
           button("ButtonApp", kApp, 42, 0, 90, "Visibility=1500\r\n") +
           // The system-menu icon: no picture of its own, so the window's icon stands in.
           "[ButtonIcon]\r\nAction=3\r\nAlign=0\r\nXcoord=4\r\nYcoord=6\r\n");
  return skin;
}

class CaptionButtonsTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    TWinSkinForm::Register();
    manager = SkinManager();
    manager->Enabled = true;
    data = LoadTestSkin(CaptionSkin());
    ASSERT_FALSE(data->SkinPending());
    data->SetSkinControls(SetOf(xcMainMenu));
    manager->Register(data.get());
    form.reset(new TForm(nullptr));
    form->SetBounds(100, 80, 420, 300);
    form->SetCaption(L"按钮 Buttons");
    seen = std::make_shared<std::vector<TMessage>>();
    TWndMethod saved = form->WindowProc;
    auto log = seen;
    appAnswer = std::make_shared<LRESULT>(0);
    auto answer = appAnswer;
    form->WindowProc = [log, saved, answer](TMessage& m) {
      if (m.Msg == SKINMSG_BUTTONVISIBLE) {
        m.Result = *answer;
        return;
      }
      if (m.Msg == WM_SYSCOMMAND || m.Msg == WM_CLOSE || m.Msg == SKINMSG_BUTTONACTION) log->push_back(m);
      // The test decides over closing: the form stays.
      if (m.Msg == WM_CLOSE || (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_CLOSE)) return;
      saved(m);
    };
    form->Show();
    PumpMessages(30);
    ASSERT_TRUE(manager->SkinWindow(form->Handle()));
    PumpMessages(30);
    skinner = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(form->Handle()));
    ASSERT_NE(skinner, nullptr);
    // Ours and the three MDI child buttons the skin appends.
    ASSERT_EQ(skinner->CaptionButtons.size(), 10u);
    Repaint();
  }
  void TearDown() override {
    form.reset();
    if (manager) manager->Unregister(data.get());
    FreeSkinManager();
  }
  void Repaint() { SendMessageW(form->Handle(), SKINMSG_PAINTFRAME, 0, 0); }
  TWinSysButton& Button(size_t i) {
    static const char* const names[] = {"BUTTONCLOSE", "BUTTONMAX", "BUTTONMIN", "BUTTONHELP",
                                        "BUTTONNEVER", "BUTTONAPP", "BUTTONICON"};
    for (const auto& b : skinner->CaptionButtons) {
      if (b->SkinButton->Name == names[i]) return *b;
    }
    ADD_FAILURE() << "no button " << names[i];
    return *skinner->CaptionButtons.front();
  }
  int Width() const {
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    return r.right - r.left;
  }
  // The centre of a button in screen coordinates, as non-client mouse messages carry it.
  LPARAM ScreenPoint(const TWinSysButton& b) const {
    RECT w{};
    GetWindowRect(form->Handle(), &w);
    return MAKELPARAM(w.left + (b.Bounds.left + b.Bounds.right) / 2, w.top + (b.Bounds.top + b.Bounds.bottom) / 2);
  }
  LPARAM CaptionPoint() const {
    RECT w{};
    GetWindowRect(form->Handle(), &w);
    return MAKELPARAM((w.left + w.right) / 2, w.top + kTop / 2 + 2);
  }
  // The colour painted at the centre of a button, from a whole frame painted into memory.
  TColor PaintedAt(const TWinSysButton& b) {
    RECT w{};
    GetWindowRect(form->Handle(), &w);
    TBitmap picture(w.right - w.left, w.bottom - w.top);
    SendMessageW(form->Handle(), SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), SKIN_MAGIC);
    return static_cast<TColor>(
        GetPixel(picture.Canvas().Handle(), (b.Bounds.left + b.Bounds.right) / 2, (b.Bounds.top + b.Bounds.bottom) / 2));
  }
  void Send(UINT msg, WPARAM hit, LPARAM at) { SendMessageW(form->Handle(), msg, hit, at); }
  int Count(UINT msg, WPARAM command = 0) const {
    int n = 0;
    for (const TMessage& m : *seen) n += m.Msg == msg && (!command || (m.WParam & 0xFFF0) == command);
    return n;
  }

  TSkinManage* manager = nullptr;
  TOwned<TSkinData> data;
  TOwned<TForm> form;
  TWinSkinForm* skinner = nullptr;
  std::shared_ptr<std::vector<TMessage>> seen;
  std::shared_ptr<LRESULT> appAnswer;
};

enum { kCloseIndex, kMaxIndex, kMinIndex, kHelpIndex, kNeverIndex, kAppIndex, kIconIndex };

TEST_F(CaptionButtonsTest, VisibleButtonsSitByTheirAlignmentAndLeaveTheTitleRoom) {
  EXPECT_TRUE(Button(kCloseIndex).Visible);
  EXPECT_TRUE(Button(kMaxIndex).Visible);
  EXPECT_TRUE(Button(kMinIndex).Visible);
  EXPECT_FALSE(Button(kHelpIndex).Visible);   // no context-help style
  EXPECT_FALSE(Button(kNeverIndex).Visible);  // its second condition is above 200
  EXPECT_FALSE(Button(kAppIndex).Visible);    // the application has not said yes
  const int w = Width();
  EXPECT_EQ(RectText(Button(kCloseIndex).Bounds), RectText(RECT{w - 30, 6, w - 30 + kButtonW, 6 + kButtonH}));
  EXPECT_EQ(RectText(Button(kMinIndex).Bounds), RectText(RECT{w - 70, 6, w - 70 + kButtonW, 6 + kButtonH}));
  EXPECT_EQ(skinner->RightButtonsReserve, 70);
  // The buttons are part of the caption for the platform.
  EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, ScreenPoint(Button(kCloseIndex))), HTCAPTION);
  // Normal look from the first frame of each strip.
  EXPECT_EQ(PaintedAt(Button(kCloseIndex)), FrameColour(kClose, 1));
  EXPECT_EQ(PaintedAt(Button(kMinIndex)), FrameColour(kMin, 1));
}

TEST_F(CaptionButtonsTest, HotOnMovePressedOnDownAndNormalAfterLeaving) {
  TWinSysButton& close = Button(kCloseIndex);
  Send(WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(close));
  EXPECT_EQ(skinner->HotObject, &close);
  EXPECT_EQ(close.State, ncHot);
  EXPECT_EQ(PaintedAt(close), FrameColour(kClose, 3));
  Send(WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(close));
  EXPECT_EQ(close.State, ncPressed);
  EXPECT_EQ(PaintedAt(close), FrameColour(kClose, 2));
  // Moving onto another button hands the hot look over.
  Send(WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(Button(kMinIndex)));
  EXPECT_EQ(skinner->HotObject, &Button(kMinIndex));
  EXPECT_EQ(close.State, ncNormal);
  EXPECT_EQ(PaintedAt(close), FrameColour(kClose, 1));
  // Off the buttons nothing is hot.
  Send(WM_NCMOUSEMOVE, HTCAPTION, CaptionPoint());
  EXPECT_EQ(skinner->HotObject, nullptr);
  // An inactive window ignores the moves.
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  Send(WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(close));
  EXPECT_EQ(skinner->HotObject, nullptr);
}

TEST_F(CaptionButtonsTest, AnActionRunsOnlyOnReleaseOverThePressedButton) {
  // Pressed on minimize, released on close: nothing.
  Send(WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(Button(kMinIndex)));
  Send(WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(Button(kCloseIndex)));
  PumpMessages(20);
  EXPECT_EQ(Count(WM_SYSCOMMAND), 0);
  EXPECT_FALSE(IsIconic(form->Handle()));
  // Close: one close command.
  Send(WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(Button(kCloseIndex)));
  Send(WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(Button(kCloseIndex)));
  PumpMessages(20);
  EXPECT_EQ(Count(WM_SYSCOMMAND, SC_CLOSE), 1);
  // Maximize, and the maximize button hides in the maximized window.
  Send(WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(Button(kMaxIndex)));
  Send(WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(Button(kMaxIndex)));
  PumpMessages(30);
  EXPECT_TRUE(IsZoomed(form->Handle()));
  Repaint();
  EXPECT_FALSE(Button(kMaxIndex).Visible);
  // Minimize, then a double click on the caption of the minimized window restores it.
  Send(WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(Button(kMinIndex)));
  Send(WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(Button(kMinIndex)));
  PumpMessages(30);
  EXPECT_TRUE(IsIconic(form->Handle()));
  EXPECT_EQ(skinner->WindowState, wsMinimizedState);
  Send(WM_NCLBUTTONDBLCLK, HTCAPTION, CaptionPoint());
  PumpMessages(30);
  EXPECT_FALSE(IsIconic(form->Handle()));
}

TEST_F(CaptionButtonsTest, ADisabledMaximizeButtonShowsButDoesNothing) {
  SetWindowLongW(form->Handle(), GWL_STYLE, GetWindowLongW(form->Handle(), GWL_STYLE) & ~WS_MAXIMIZEBOX);
  manager->Unregister(data.get());
  FreeSkinManager();
  manager = SkinManager();
  if (!manager) {
    TWinSkinForm::Register();
    manager = SkinManager();
  }
  manager->Enabled = true;
  manager->Register(data.get());
  ASSERT_TRUE(manager->SkinWindow(form->Handle()));
  PumpMessages(30);
  skinner = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(form->Handle()));
  ASSERT_NE(skinner, nullptr);
  Repaint();
  EXPECT_TRUE(Button(kMaxIndex).Visible);
  EXPECT_FALSE(Button(kMaxIndex).Enabled);
  // Frame 4 is the disabled look of a four-frame strip.
  EXPECT_EQ(PaintedAt(Button(kMaxIndex)), FrameColour(kMax, 4));
  Send(WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(Button(kMaxIndex)));
  Send(WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(Button(kMaxIndex)));
  PumpMessages(30);
  EXPECT_FALSE(IsZoomed(form->Handle()));
  // A double click on the caption of a window without a maximize box maximizes nothing either.
  Send(WM_NCLBUTTONDBLCLK, HTCAPTION, CaptionPoint());
  PumpMessages(30);
  EXPECT_FALSE(IsZoomed(form->Handle()));
}

TEST_F(CaptionButtonsTest, TheApplicationShowsItsOwnButtonAndGetsItsAction) {
  *appAnswer = 1;
  Repaint();
  TWinSysButton& app = Button(kAppIndex);
  ASSERT_TRUE(app.Visible);
  EXPECT_EQ(RectText(app.Bounds), RectText(RECT{90, 6, 90 + kButtonW, 6 + kButtonH}));
  Send(WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(app));
  Send(WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(app));
  PumpMessages(20);
  ASSERT_EQ(Count(SKINMSG_BUTTONACTION), 1);
  for (const TMessage& m : *seen) {
    if (m.Msg == SKINMSG_BUTTONACTION) {
      EXPECT_EQ(m.WParam, 42u);
    }
  }
}

// Ends the system menu as soon as it is open, noting that it was.
bool gMenuWasOpen = false;
void CALLBACK EndTheMenu(HWND, UINT, UINT_PTR id, DWORD) {
  if (FindWindowW(L"#32768", nullptr)) {
    gMenuWasOpen = true;
    EndMenu();
    KillTimer(nullptr, id);
  }
}

TEST_F(CaptionButtonsTest, ARightClickOnTheCaptionOpensTheSystemMenuBuiltFromTheWindowsOwn) {
  gMenuWasOpen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, EndTheMenu);
  Send(WM_NCRBUTTONDOWN, HTCAPTION, CaptionPoint());
  KillTimer(nullptr, timer);
  EXPECT_TRUE(gMenuWasOpen);
  ASSERT_TRUE(skinner->SystemPopup);
  EXPECT_EQ(skinner->SystemPopup->Tag(), 33333);
  TMenuItem* items = skinner->SystemPopup->Items();
  ASSERT_EQ(items->Count(), GetMenuItemCount(skinner->SystemMenu));
  bool sawRestore = false, sawMaximize = false;
  for (int i = 0; i < items->Count(); ++i) {
    TMenuItem* item = items->Items(i);
    if ((item->Tag() & 0xFFF0) == SC_RESTORE) {
      sawRestore = true;
      EXPECT_FALSE(item->Enabled());  // a normal window
      EXPECT_EQ(item->ImageIndex(), 0);
    }
    if ((item->Tag() & 0xFFF0) == SC_MAXIMIZE) {
      sawMaximize = true;
      EXPECT_TRUE(item->Enabled());
      EXPECT_EQ(item->ImageIndex(), 1);
    }
  }
  EXPECT_TRUE(sawRestore);
  EXPECT_TRUE(sawMaximize);
  // A second right click within the double-click time opens nothing and, with no caption
  // object hot, closes nothing.
  gMenuWasOpen = false;
  Send(WM_NCRBUTTONDOWN, HTCAPTION, CaptionPoint());
  EXPECT_FALSE(gMenuWasOpen);
  PumpMessages(10);
  EXPECT_EQ(Count(WM_CLOSE), 0);
  // With a caption object hot it closes the window.
  Send(WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(Button(kCloseIndex)));
  Send(WM_NCRBUTTONDOWN, HTCAPTION, CaptionPoint());
  PumpMessages(10);
  EXPECT_EQ(Count(WM_CLOSE), 1);
}

TEST_F(CaptionButtonsTest, TheHintCountsWhileTheMouseRestsAndShowsOnlyWithItsOption) {
  TWinSysButton& close = Button(kCloseIndex);
  const LPARAM at = ScreenPoint(close);
  SetCursorPos(static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at)));
  Send(WM_NCMOUSEMOVE, HTCAPTION, at);
  ASSERT_EQ(skinner->HotObject, &close);
  data->SetOptions(0);
  data->HintTime = 0;
  const int ticks = Application()->HintPause * 2 / static_cast<int>(kHoverInterval) + 1;
  for (int i = 0; i < ticks; ++i) skinner->HoverTick();
  EXPECT_EQ(data->HintTime, ticks * static_cast<int>(kHoverInterval));
  EXPECT_FALSE(data->HintShowing());
  data->SetOptions(SetOf(xoCaptionButtonHint));
  data->HintTime = 0;
  for (int i = 0; i < ticks; ++i) skinner->HoverTick();
  EXPECT_TRUE(data->HintShowing());
  // Leaving the button ends the hint and its count.
  SetCursorPos(0, 0);
  skinner->HoverTick();
  EXPECT_EQ(skinner->HotObject, nullptr);
  EXPECT_FALSE(data->HintShowing());
  EXPECT_EQ(data->HintTime, 0);
}

TEST_F(CaptionButtonsTest, AChosenSystemMenuItemRunsItsCommand) {
  skinner->BuildSystemPopup();
  ASSERT_TRUE(skinner->SystemPopup);
  TMenuItem* items = skinner->SystemPopup->Items();
  for (int i = 0; i < items->Count(); ++i) {
    if ((items->Items(i)->Tag() & 0xFFF0) == SC_MAXIMIZE) items->Items(i)->Click();
  }
  PumpMessages(30);
  EXPECT_EQ(Count(WM_SYSCOMMAND, SC_MAXIMIZE), 1);
  EXPECT_TRUE(IsZoomed(form->Handle()));
  // Maximized, the menu offers restore and no longer maximize, size or move.
  skinner->BuildSystemPopup();
  items = skinner->SystemPopup->Items();
  for (int i = 0; i < items->Count(); ++i) {
    const int command = items->Items(i)->Tag() & 0xFFF0;
    if (command == SC_RESTORE) {
      EXPECT_TRUE(items->Items(i)->Enabled());
    }
    if (command == SC_MAXIMIZE || command == SC_SIZE || command == SC_MOVE) {
      EXPECT_FALSE(items->Items(i)->Enabled());
    }
  }
}

TEST_F(CaptionButtonsTest, AProgramsSubmenuInTheSystemMenuIsCopiedWithItsStatesAndCommands) {
  // A program's own submenu, two levels deep, with a checked, a disabled and a separator item.
  const HMENU system = GetSystemMenu(form->Handle(), FALSE);
  const HMENU sub = CreatePopupMenu();
  const HMENU inner = CreatePopupMenu();
  AppendMenuW(inner, MF_STRING, 0x2040, L"第三层");
  AppendMenuW(sub, MF_STRING | MF_CHECKED, 0x2010, L"深色");
  AppendMenuW(sub, MF_STRING | MF_GRAYED, 0x2020, L"不可用");
  AppendMenuW(sub, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(sub, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), L"更多");
  AppendMenuW(system, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"皮肤");
  skinner->BuildSystemPopup();
  ASSERT_TRUE(skinner->SystemPopup);
  TMenuItem* items = skinner->SystemPopup->Items();
  ASSERT_GT(items->Count(), 0);
  TMenuItem* copied = items->Items(items->Count() - 1);
  EXPECT_EQ(copied->Caption(), L"皮肤");
  ASSERT_EQ(copied->Count(), 4);
  struct Expected {
    const wchar_t* caption;
    bool checked, enabled;
    int children;
  };
  const Expected expected[] = {{L"深色", true, true, 0}, {L"不可用", false, false, 0}, {L"-", false, true, 0},
                               {L"更多", false, true, 1}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(copied->Items(i)->Caption(), expected[i].caption);
    EXPECT_EQ(copied->Items(i)->Checked(), expected[i].checked);
    // A separator is drawn the same either way; the platform may report it grayed.
    if (!copied->Items(i)->IsLine()) {
      EXPECT_EQ(copied->Items(i)->Enabled(), expected[i].enabled);
    }
    EXPECT_EQ(copied->Items(i)->Count(), expected[i].children);
  }
  // Chosen, an item of any level reaches the window as its system command.
  copied->Items(0)->Click();
  copied->Items(3)->Items(0)->Click();
  PumpMessages(20);
  EXPECT_EQ(Count(WM_SYSCOMMAND, 0x2010), 1);
  EXPECT_EQ(Count(WM_SYSCOMMAND, 0x2040), 1);
  GetSystemMenu(form->Handle(), TRUE);
}

TEST_F(CaptionButtonsTest, OnNt4TheSystemMenuIsTheFixedOne) {
  SetPlatformVersion(TPlatformVersion{true, 4, 0});
  skinner->BuildSystemPopup();
  ResetPlatformVersion();
  ASSERT_TRUE(skinner->SystemPopup);
  TMenuItem* items = skinner->SystemPopup->Items();
  ASSERT_EQ(items->Count(), 5);  // the window has both boxes
  const wchar_t* captions[] = {L" Restore ", L" Maximize ", L" Minimize ", L"-", L" Close "};
  const int tags[] = {0, 1, 2, 100, 3};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(items->Items(i)->Caption(), captions[i]);
    EXPECT_EQ(items->Items(i)->Tag(), tags[i]);
  }
  EXPECT_EQ(ShortCutToText(items->Items(4)->ShortCut()), L"Alt+F4");
  items->Items(4)->Click();
  PumpMessages(20);
  EXPECT_EQ(Count(WM_CLOSE), 1);
}

TEST_F(CaptionButtonsTest, AltSpaceOpensTheSkinnedSystemMenu) {
  gMenuWasOpen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, EndTheMenu);
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  KillTimer(nullptr, timer);
  EXPECT_TRUE(gMenuWasOpen);
  ASSERT_TRUE(skinner->SystemPopup);
  EXPECT_EQ(skinner->SystemPopup->Tag(), 33333);
}

TEST_F(CaptionButtonsTest, TheIconOpensTheSystemMenuAndADoubleClickOnItCloses) {
  TWinSysButton& icon = Button(kIconIndex);
  ASSERT_TRUE(icon.Visible);
  EXPECT_EQ(icon.SkinButton->Frame, 1);
  EXPECT_EQ(icon.Bounds.right - icon.Bounds.left, skinner->IconBitmap().Width());
  gMenuWasOpen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, EndTheMenu);
  Send(WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(icon));
  Send(WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(icon));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(gMenuWasOpen);
  Send(WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(icon));
  PumpMessages(20);
  EXPECT_EQ(Count(WM_SYSCOMMAND, SC_CLOSE), 1);
}

TEST_F(CaptionButtonsTest, ADoubleClickOnTheCaptionMaximizesAndAgainRestores) {
  Send(WM_NCLBUTTONDBLCLK, HTCAPTION, CaptionPoint());
  PumpMessages(30);
  EXPECT_TRUE(IsZoomed(form->Handle()));
  Send(WM_NCLBUTTONDBLCLK, HTCAPTION, CaptionPoint());
  PumpMessages(30);
  EXPECT_FALSE(IsZoomed(form->Handle()));
  // A double click on a button that is not the icon does nothing.
  Send(WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(Button(kMinIndex)));
  PumpMessages(20);
  EXPECT_FALSE(IsIconic(form->Handle()));
}

}  // namespace
