// TSkinButton and TSkinMenuButton on real buttons: the frame of every state, clicks from real
// mouse messages, space presses, caption colours and captions, and transparent faces.
#include "skin/controls/skin_bitbutton.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/buttons/button_test.h"

namespace {

constexpr COLORREF kFontColour = RGB(0, 0, 250);

class SkinButton : public ButtonSkinTest {
protected:
  void SetUp() override {
    ButtonSkinTest::SetUp();
    Button = new TButton(Form.get());
    Button->SetBounds(20, 30, 97, 41);
    Button->SetCaption(L"查询");
    Button->Font()->SetColor(kFontColour);
    Button->SetParent(Form.get());
    Other = new TButton(Form.get());
    Other->SetBounds(200, 30, 60, 25);
    Other->SetParent(Form.get());
    Button->OnClick = [this](TObject*) { ++Clicks; };
    Skinner = new TSkinButton(Button);
    Skinner->AttachControl(&Host, Data.get(), false, nullptr);
    Other->SetFocus();
    PumpMessages();
  }
  // The frame the button shows when painted through its window procedure.
  int Frame() {
    TProbeDC probe(97, 41, RGB(255, 255, 255));
    SendMessageW(Button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
    const int corner = FrameAt(probe, 3, 4);  // inside the centre slice, away from the caption
    EXPECT_EQ(corner, Skinner->LastFrame);
    return corner;
  }
  void Mouse(UINT msg, int x, int y) {
    SendMessageW(Button->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
  }
  TButton* Button = nullptr;
  TButton* Other = nullptr;
  TSkinButton* Skinner = nullptr;
  int Clicks = 0;
};

TEST_F(SkinButton, EachStateShowsItsFrame) {
  EXPECT_EQ(Frame(), kButtonNormal);
  Button->SetDefault(true);
  EXPECT_EQ(Frame(), kButtonFocused);
  Button->SetDefault(false);
  Button->SetFocus();
  EXPECT_EQ(Frame(), kButtonFocused);
  Other->SetFocus();
  EXPECT_EQ(Frame(), kButtonNormal);

  Mouse(WM_MOUSEMOVE, 10, 10);
  EXPECT_EQ(Frame(), kButtonHot);
  Mouse(WM_LBUTTONDOWN, 10, 10);
  EXPECT_EQ(Frame(), kButtonPressed);  // pressed outranks hot and the focus it took
  EXPECT_EQ(GetFocus(), Button->Handle());
  Mouse(WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(Frame(), kButtonHot);
  SendMessageW(Button->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Frame(), kButtonFocused);

  // Disabled wins over default, focus and hot.
  Other->SetFocus();
  Button->SetDefault(true);
  Button->SetEnabled(false);
  EXPECT_EQ(Frame(), kButtonDisabled);
  Skinner->MouseState = kMouseOver;
  EXPECT_EQ(Frame(), kButtonDisabled);
}

TEST_F(SkinButton, ClicksOncePerPressAndReleaseInsideAndNeverWhenDisabled) {
  Mouse(WM_LBUTTONDOWN, 5, 5);
  EXPECT_EQ(Clicks, 0);  // the press alone does nothing
  Mouse(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(Clicks, 1);
  Mouse(WM_LBUTTONUP, 5, 5);  // a release without a press
  EXPECT_EQ(Clicks, 1);

  // A double click is two presses.
  Mouse(WM_LBUTTONDOWN, 5, 5);
  Mouse(WM_LBUTTONUP, 5, 5);
  Mouse(WM_LBUTTONDBLCLK, 5, 5);
  Mouse(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(Clicks, 3);

  // Released outside the button: no click, and the press is over.
  Mouse(WM_LBUTTONDOWN, 5, 5);
  Mouse(WM_LBUTTONUP, 150, 5);
  EXPECT_EQ(Clicks, 3);
  EXPECT_EQ(Skinner->MouseState & kMousePressed, 0);
  // Leaving while pressed ends the press too.
  Mouse(WM_LBUTTONDOWN, 5, 5);
  SendMessageW(Button->Handle(), WM_MOUSELEAVE, 0, 0);
  Mouse(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(Clicks, 3);
  PumpMessages(20);
  EXPECT_EQ(Clicks, 3);

  Button->SetEnabled(false);
  Mouse(WM_LBUTTONDOWN, 5, 5);
  Mouse(WM_LBUTTONUP, 5, 5);
  PumpMessages(20);
  EXPECT_EQ(Clicks, 3);
  EXPECT_EQ(Frame(), kButtonDisabled);
}

TEST_F(SkinButton, SpacePressesAndClicksOnRelease) {
  Button->SetFocus();
  SendMessageW(Button->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_EQ(Frame(), kButtonPressed);
  EXPECT_EQ(Clicks, 0);
  SendMessageW(Button->Handle(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
  PumpMessages(20);
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(Frame(), kButtonFocused);
  // Another key neither presses nor clicks.
  SendMessageW(Button->Handle(), WM_KEYDOWN, 'A', 0x001E0001);
  EXPECT_EQ(Frame(), kButtonFocused);
}

TEST_F(SkinButton, CaptionColourFollowsTheStateAndTheSkin) {
  const auto paint = [&](TProbeDC& probe) {
    SendMessageW(Button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
  };
  const RECT inside{2, 3, 93, 39};
  {
    TProbeDC probe(97, 41, RGB(255, 255, 255));
    paint(probe);
    EXPECT_GT(CountColour(probe, inside, kFontColour), 10);  // the font's colour without skin colours
  }
  Data->Buttons->HasNormalColour2 = true;
  Data->Buttons->NormalColour2 = RGB(0, 200, 0);
  Data->Buttons->HasPressedColour2 = true;
  Data->Buttons->PressedColour2 = RGB(200, 0, 200);
  {
    TProbeDC probe(97, 41, RGB(255, 255, 255));
    paint(probe);
    EXPECT_EQ(CountColour(probe, inside, kFontColour), 0);
    EXPECT_GT(CountColour(probe, inside, RGB(0, 200, 0)), 10);
  }
  {
    Skinner->MouseState = kMousePressed;
    TProbeDC probe(97, 41, RGB(255, 255, 255));
    paint(probe);
    EXPECT_GT(CountColour(probe, inside, RGB(200, 0, 200)), 10);
    Skinner->MouseState = 0;
  }
  {
    Button->SetEnabled(false);
    TProbeDC probe(97, 41, RGB(255, 255, 255));
    paint(probe);
    EXPECT_GT(CountColour(probe, inside, ColorToRGB(kDisabledTextColour)), 10);
    EXPECT_EQ(CountColour(probe, inside, RGB(0, 200, 0)), 0);
  }
}

TEST_F(SkinButton, CaptionBreaksAtTheFirstMarkerAndWraps) {
  EXPECT_EQ(ButtonCaptionText(L"上||中||下"), L"上\r\n中||下");
  EXPECT_EQ(ReplaceFirst(L"abcabc", L"bc", L"X"), L"aXabc");
  EXPECT_EQ(ReplaceFirst(L"abc", L"", L"X"), L"abc");

  // Two lines take twice the height of one: the caption's rows span more of the face.
  const auto rowsWithText = [&](const std::wstring& caption) {
    Button->SetCaption(caption);
    TProbeDC probe(97, 41, RGB(255, 255, 255));
    SendMessageW(Button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
    int rows = 0;
    for (int y = 0; y < 41; ++y) rows += CountColour(probe, RECT{0, y, 97, y + 1}, kFontColour) > 0;
    return rows;
  };
  const int one = rowsWithText(L"Ab");
  EXPECT_GT(rowsWithText(L"Ab||Ab"), one + 4);
  EXPECT_GT(rowsWithText(L"Abcdefg hijklmn opqrstu"), one + 4);  // word wrap in 93 pixels
}

TEST_F(SkinButton, NothingIsDrawnWithoutAButtonsPictureAndTheQueryIsAnswered) {
  EXPECT_EQ(SendMessageW(Button->Handle(), SKINMSG_QUERY, 0, 0), 1);
  Data->Buttons->Image.SetSize(0, 0);
  TProbeDC probe(97, 41, RGB(1, 2, 3));
  EXPECT_EQ(SendMessageW(Button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0), 0);
  EXPECT_EQ(CountColour(probe, RECT{0, 0, 97, 41}, RGB(1, 2, 3)), 97 * 41);
  // Switched off, the platform draws it again (and our query is not answered).
  SendMessageW(Button->Handle(), SKINMSG_SWITCH, 0, 0);
  EXPECT_EQ(SendMessageW(Button->Handle(), SKINMSG_QUERY, 0, 0), 0);
}

TEST_F(SkinButton, BareButtonWindowPostsItsCommandToItsParent) {
  HWND parent = Form->Handle();
  HWND bare = CreateWindowExW(0, L"BUTTON", L"Bare", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 10, 100, 70, 23, parent,
                              reinterpret_cast<HMENU>(4242), GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(bare);
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* skinner = new TSkinButton(owner.get());
  skinner->AttachWindow(bare, Data.get(), &Host, nullptr);
  TProbeDC probe(70, 23, RGB(255, 255, 255));
  SendMessageW(bare, WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
  EXPECT_EQ(FrameAt(probe, 3, 4), kButtonFocused);  // a default push button by its style

  SendMessageW(bare, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageW(bare, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  MSG msg{};
  int commands = 0;
  while (PeekMessageW(&msg, parent, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
    if (reinterpret_cast<HWND>(msg.lParam) != bare) continue;
    ++commands;
    EXPECT_EQ(LOWORD(msg.wParam), 4242);
    EXPECT_EQ(HIWORD(msg.wParam), BN_CLICKED);
  }
  EXPECT_EQ(commands, 1);
  DestroyWindow(bare);
}

TEST_F(SkinButton, MenuButtonShowsFocusAsHotAndHasNoFocusedFrame) {
  auto* button = new TButton(Form.get());
  button->SetBounds(20, 120, 90, 30);
  button->SetCaption(L"Menu");
  button->SetParent(Form.get());
  auto* skinner = new TSkinMenuButton(button);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  const auto frame = [&] {
    TProbeDC probe(90, 30, RGB(255, 255, 255));
    SendMessageW(button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
    return FrameAt(probe, 3, 4);
  };
  button->SetDefault(true);
  EXPECT_EQ(frame(), kButtonNormal);
  button->SetFocus();
  EXPECT_EQ(frame(), kButtonHot);
  skinner->MouseState = kMousePressed;
  EXPECT_EQ(frame(), kButtonPressed);
  button->SetEnabled(false);
  EXPECT_EQ(frame(), kButtonDisabled);

  // The arrow: window-text coloured pixels right of the caption when enabled.
  button->SetEnabled(true);
  skinner->MouseState = 0;
  Other->SetFocus();
  TProbeDC probe(90, 30, RGB(255, 255, 255));
  SendMessageW(button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
  EXPECT_GT(CountColour(probe, RECT{60, 10, 88, 20}, GetSysColor(COLOR_WINDOWTEXT)), 3);
}

TEST_F(ButtonSkinTest, ATransparentFaceShowsTheParentWhereTheFrameIsKeyed) {
  Form->SetColor(kParentColour);
  KeyFrameCorners(*Data->Buttons);
  struct Case {
    int Tag;
    bool Option;
    COLORREF Corner;
  };
  const Case cases[] = {
      {0, false, kPlainFace},    {5555, false, kParentColour}, {0, true, kParentColour},
      {7777, false, kPlainFace}, {5555, true, kParentColour},
  };
  int top = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Tag) + (c.Option ? " xoTransparent" : ""));
    Data->SetOptions(c.Option ? SetOf(xoTransparent) : 0);
    auto* button = new TButton(Form.get());
    button->SetBounds(20, top, 80, 30);
    button->SetTag(c.Tag);
    button->SetParent(Form.get());
    top += 40;
    auto* skinner = new TSkinButton(button);
    skinner->AttachControl(&Host, Data.get(), false, nullptr);
    TProbeDC probe(80, 30, RGB(255, 255, 255));
    SendMessageW(button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
    EXPECT_EQ(probe.At(0, 0), c.Corner);
    EXPECT_EQ(probe.At(1, 2), c.Corner);
    // The frame itself is drawn over either face.
    const int frame = FrameAt(probe, 3, 4);
    EXPECT_NE(frame, 0);
    EXPECT_EQ(probe.At(2, 0), SliceColour(frame, 1));
  }
}

}  // namespace
