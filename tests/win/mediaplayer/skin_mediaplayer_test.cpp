// TSkinMP and its TWMediaPlayer strip over a real TMediaPlayer: frames and glyphs by state on a
// frame-coded "Buttons" strip, the plain face, hit testing, presses passed to the player only
// when released over the pressed button, the player's sets, bounds and visibility, discovery.
#include "skin/controls/skin_mediaplayer.h"

#include <gtest/gtest.h>

#include "skin/form/control_skinners.h"
#include "skin/form/discovery.h"
#include "skin/model/skin_data.h"
#include "ui/form.h"
#include "ui/skin_messages.h"
#include "win/skincontrols/skinner_test.h"
#include "win/skinform/discovery_test_support.h"

namespace {

constexpr TColor kFace = RGB(90, 91, 92);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kPlayGreen = RGB(0, 150, 0);
constexpr COLORREF kRecordRed = RGB(230, 0, 0);
constexpr COLORREF kOlive = RGB(128, 128, 0);
// The player: 300 x 37, so nine buttons are 33 wide with 3 pixels of face left at the right.
constexpr int kWidth = 300, kHeight = 37, kButton = 33;

class SkinMediaPlayer : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    Data.reset(new TSkinData(nullptr));
    Data->Colours[SkinColour::ButtonFace] = kFace;
    // Five frames of 11 x 7, margins 2, 1, 3, 2: nothing like any real skin.
    MakeFrameCodedObject(*Data->Buttons, 5, 11, 7, 2, 1, 3, 2);
    Form.reset(new TForm(nullptr));
    Form->SetBounds(40, 40, 420, 200);
    Form->Show();
    Target = new TMediaPlayer(Form.get());
    Target->SetBounds(20, 30, kWidth, kHeight);
    Target->SetParent(Form.get());
    Target->OnClick = [this](TObject*, TMPBtnType button, bool& doDefault) {
      Clicks.push_back(button);
      doDefault = false;
    };
    Skinner = new TSkinMP(Target);
    Skinner->AttachControl(&Host, Data.get(), false, nullptr);
    Strip = Skinner->Player.get();
    PumpMessages();
  }
  void Paint(TProbeDC& probe) { SendMessageW(Strip->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0); }
  void Mouse(UINT msg, int x) {
    SendMessageW(Strip->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, 10));
  }
  // The frame whose centre slice colours a point near the button's top-left, clear of the glyph.
  static int FrameOf(TProbeDC& probe, int button) {
    const COLORREF c = probe.At(button * kButton + 4, 4);
    for (int f = 1; f <= 5; ++f)
      if (c == SliceColour(f, 4)) return f;
    return 0;
  }
  static int Count(TProbeDC& probe, int button, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = button * kButton; x < (button + 1) * kButton; ++x) n += probe.At(x, y) == colour;
    return n;
  }
  // The leftmost column holding the colour inside a button; -1 when none does.
  static int LeftmostOf(TProbeDC& probe, int button, COLORREF colour) {
    for (int x = button * kButton; x < (button + 1) * kButton; ++x)
      for (int y = 0; y < kHeight; ++y)
        if (probe.At(x, y) == colour) return x - button * kButton;
    return -1;
  }
  // Declared before the form, so they outlive the skinners the form frees.
  TOwned<TSkinData> Data;
  TFakeHost Host;
  TTestHost DiscoveryHost;
  TOwned<TComponent> FormSkinner{new TComponent(nullptr)};
  TOwned<TForm> Form;
  TMediaPlayer* Target = nullptr;
  TSkinMP* Skinner = nullptr;
  TWMediaPlayer* Strip = nullptr;
  std::vector<TMPBtnType> Clicks;
};

TEST_F(SkinMediaPlayer, ButtonsAreDrawnFromTheGlyphSetsByState) {
  ASSERT_TRUE(Strip);
  Target->SetEnabledButtons(kAllMediaButtons & ~ButtonBit(TMPBtnType::btStop) & ~ButtonBit(TMPBtnType::btEject));
  Target->SetColoredButtons(ButtonBit(TMPBtnType::btPlay) | ButtonBit(TMPBtnType::btStop) |
                            ButtonBit(TMPBtnType::btRecord));
  TProbeDC probe(kWidth, kHeight, RGB(255, 255, 255));
  Paint(probe);
  EXPECT_EQ(Strip->ButtonWidth, kButton);
  // Play: enabled and coloured, frame 1, the green glyph only.
  EXPECT_EQ(FrameOf(probe, 0), 1);
  EXPECT_GT(Count(probe, 0, kPlayGreen), 20);
  EXPECT_EQ(Count(probe, 0, kInk), 0);
  // Pause: enabled, not coloured: the ink glyph.
  EXPECT_EQ(FrameOf(probe, 1), 1);
  EXPECT_GT(Count(probe, 1, kInk), 20);
  // Stop: disabled wins over coloured: frame 3 and the grey glyph.
  EXPECT_EQ(FrameOf(probe, 2), 3);
  EXPECT_GT(Count(probe, 2, kGrey), 20);
  EXPECT_EQ(Count(probe, 2, RGB(190, 0, 0)), 0);
  EXPECT_GT(Count(probe, 7, kRecordRed), 20);
  EXPECT_EQ(FrameOf(probe, 8), 3);
  // The olive key never shows, and the pixels past the last button are the face.
  for (int b = 0; b < 9; ++b) EXPECT_EQ(Count(probe, b, kOlive), 0) << b;
  for (int x = 9 * kButton; x < kWidth; ++x) EXPECT_EQ(probe.At(x, 20), kFace) << x;
  // The glyph sits centred: (33 - 16) / 2 = 8 from the button's left.
  EXPECT_EQ(LeftmostOf(probe, 1, kInk), 8 + 4);  // pause's first bar starts 4 into the glyph

  // Pressing next shows frame 2 with its glyph one pixel right; the others stay.
  const int unpressed = LeftmostOf(probe, 3, kInk);
  Mouse(WM_LBUTTONDOWN, 3 * kButton + 5);
  EXPECT_TRUE(Strip->Pressing);
  EXPECT_EQ(Strip->PressedButton, 3);
  TProbeDC pressed(kWidth, kHeight, RGB(255, 255, 255));
  Paint(pressed);
  EXPECT_EQ(FrameOf(pressed, 3), 2);
  EXPECT_EQ(LeftmostOf(pressed, 3, kInk), unpressed + 1);
  EXPECT_EQ(FrameOf(pressed, 4), 1);
  Mouse(WM_LBUTTONUP, 3 * kButton + 5);
  TProbeDC released(kWidth, kHeight, RGB(255, 255, 255));
  Paint(released);
  EXPECT_EQ(FrameOf(released, 3), 1);

  // A disabled player shows every button disabled.
  Target->SetEnabled(false);
  TProbeDC disabled(kWidth, kHeight, RGB(255, 255, 255));
  Paint(disabled);
  for (int b = 0; b < 9; ++b) EXPECT_EQ(FrameOf(disabled, b), 3) << b;
  EXPECT_EQ(Count(disabled, 0, kPlayGreen), 0);
}

TEST_F(SkinMediaPlayer, APlayerWithNoVisibleButtonShowsAPlainFace) {
  Target->SetVisibleButtons(0);
  TProbeDC probe(kWidth, kHeight, RGB(255, 255, 255));
  Paint(probe);
  int face = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) face += probe.At(x, y) == kFace;
  EXPECT_EQ(face, kWidth * kHeight);
  // A press there reaches nothing.
  Mouse(WM_LBUTTONDOWN, 10);
  Mouse(WM_LBUTTONUP, 10);
  EXPECT_EQ(Strip->HitButton, kNoMediaButton);
  EXPECT_TRUE(Clicks.empty());
}

TEST_F(SkinMediaPlayer, HitButtonOnBetweenAndPastTheButtons) {
  Target->SetVisibleButtons(ButtonBit(TMPBtnType::btPlay) | ButtonBit(TMPBtnType::btStop) |
                            ButtonBit(TMPBtnType::btNext));
  Target->SetBounds(20, 30, 100, kHeight);
  TProbeDC probe(100, kHeight, RGB(255, 255, 255));
  Paint(probe);
  ASSERT_EQ(Strip->ButtonWidth, 33);
  EXPECT_EQ(Strip->FindHitButton(0), 0);
  EXPECT_EQ(Strip->FindHitButton(32), 0);
  EXPECT_EQ(Strip->FindHitButton(33), 0);  // an edge belongs to the button before it
  EXPECT_EQ(Strip->FindHitButton(34), 2);  // stop, the second visible button
  EXPECT_EQ(Strip->FindHitButton(66), 2);
  EXPECT_EQ(Strip->FindHitButton(67), 3);
  EXPECT_EQ(Strip->FindHitButton(99), 3);
  EXPECT_EQ(Strip->FindHitButton(100), kNoMediaButton);  // past the end
  EXPECT_EQ(Strip->FindHitButton(-1), kNoMediaButton);
}

TEST_F(SkinMediaPlayer, OnlyAReleaseOverThePressedButtonReachesThePlayer) {
  // Released over another button: the player never hears of the release.
  Mouse(WM_LBUTTONDOWN, 5);
  Mouse(WM_LBUTTONUP, kButton + 5);
  EXPECT_TRUE(Clicks.empty());
  EXPECT_FALSE(Strip->Pressing);
  EXPECT_EQ(Strip->PressedButton, 1);
  // Released outside the strip: nothing either.
  Mouse(WM_LBUTTONDOWN, 5);
  Mouse(WM_LBUTTONUP, kWidth + 40);
  EXPECT_TRUE(Clicks.empty());
  EXPECT_EQ(Strip->HitButton, kNoMediaButton);
  // Pressed and released on the same button: the player's own click for that button.
  Mouse(WM_LBUTTONDOWN, 4 * kButton + 9);
  Mouse(WM_LBUTTONUP, 4 * kButton + 20);
  ASSERT_EQ(Clicks.size(), 1u);
  EXPECT_EQ(Clicks[0], TMPBtnType::btPrev);
  // With hidden buttons the strip and the player agree on what lies under the mouse.
  Target->SetVisibleButtons(ButtonBit(TMPBtnType::btPause) | ButtonBit(TMPBtnType::btRecord));
  Mouse(WM_LBUTTONDOWN, kWidth / 2 + 30);
  Mouse(WM_LBUTTONUP, kWidth / 2 + 30);
  ASSERT_EQ(Clicks.size(), 2u);
  EXPECT_EQ(Clicks[1], TMPBtnType::btRecord);
  // The strip keeps the mouse while pressed, not the player underneath.
  Mouse(WM_LBUTTONDOWN, 5);
  EXPECT_EQ(GetCapture(), Strip->Handle());
  Mouse(WM_LBUTTONUP, 5);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinMediaPlayer, TheStripFollowsThePlayersSetsBoundsAndVisibility) {
  Target->SetVisibleButtons(ButtonBit(TMPBtnType::btPlay) | ButtonBit(TMPBtnType::btEject));
  Target->SetEnabledButtons(ButtonBit(TMPBtnType::btEject));
  Target->SetColoredButtons(0);
  EXPECT_EQ(Strip->ReadButtons(), 2);
  for (int i = 0; i < kMediaButtonCount; ++i) {
    EXPECT_EQ(Strip->ButtonVisible[i], i == 0 || i == 8) << i;
    EXPECT_EQ(Strip->ButtonEnabled[i], i == 8) << i;
    EXPECT_FALSE(Strip->ButtonColored[i]) << i;
  }
  EXPECT_EQ(Strip->Tag(), Data->DisableTag());
  EXPECT_EQ(Strip->Parent(), Form.get());
  EXPECT_EQ(SendMessageW(Strip->Handle(), SKINMSG_QUERY, 0, 0), 1);
  // The strip lies over the player: a point inside finds the strip.
  POINT inside{Target->Left() + 10, Target->Top() + 10};
  EXPECT_EQ(ChildWindowFromPointEx(Form->Handle(), inside, CWP_SKIPINVISIBLE), Strip->Handle());

  Target->SetBounds(50, 60, 180, 24);
  PumpMessages();
  EXPECT_EQ(RectText(Strip->BoundsRect()), "(50,60,230,84)");
  Target->Hide();
  EXPECT_FALSE(Strip->Visible());
  Target->Show();
  EXPECT_TRUE(Strip->Visible());

  // Detached while the player lives: the strip goes, the player draws itself again.
  Skinner->Detach();
  EXPECT_EQ(Skinner->Player.get(), nullptr);
}

TEST_F(SkinMediaPlayer, DiscoveryGivesOurPlayerTheMediaPlayerSkinner) {
  auto* other = new TMediaPlayer(Form.get());
  other->SetBounds(20, 100, 200, 30);
  other->SetParent(Form.get());
  RegisterControlSkinners();
  Data->SetSkinControls(SetOf(xcButton));
  TControlDiscovery discovery(SiteOf(Data.get(), DiscoveryHost, FormSkinner.get()));
  discovery.DiscoverFormControls(Form.get());
  ASSERT_EQ(Outcome(discovery.RecordOf(other)), "TSkinMP built");
  auto* skinner = dynamic_cast<TSkinMP*>(discovery.RecordOf(other)->Skinner);
  ASSERT_TRUE(skinner);
  ASSERT_TRUE(skinner->Player);
  // The strip carries the disable tag: discovery leaves it (and the already skinned player) alone.
  EXPECT_EQ(discovery.RecordOf(skinner->Player.get()), nullptr);
  EXPECT_EQ(discovery.RecordOf(Strip), nullptr);

  // Without buttons in the skin's controls the player keeps its own strip.
  auto* third = new TMediaPlayer(Form.get());
  third->SetBounds(20, 140, 200, 30);
  third->SetParent(Form.get());
  Data->SetSkinControls(SetOf(xcPanel));
  TControlDiscovery without(SiteOf(Data.get(), DiscoveryHost, FormSkinner.get()));
  without.DiscoverFormControls(Form.get());
  EXPECT_EQ(Outcome(without.RecordOf(third)), "none");
}

}  // namespace
