// TSkinComBox on real combo boxes of the three styles: border, button and arrow frames by
// state, the button lit only under the mouse, a right-to-left combo's mirrored button on the
// left, the composite and system-sized pictures, and opening, choosing and closing by mouse and
// keyboard with the skinner and the lists' scroll-bar skinners in place.
#include "ui/combobox.h"

#include <memory>

#include "skin/controls/skin_combobox.h"
#include "skin/file/imgutil.h"
#include "skin/form/control_skinners.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/rangeinputs/range_skin_test.h"

namespace {

// "SunkEdge" four frames of 20 x 14 with margins of 3 (codes 1-4), "ComboButton" four solid
// frames of 9 x 11 (codes 5-8) and its mirror, "ExtraImages" five solid frames of 7 x 5 (9-13).
class ComboSkin : public RangeSkinTest {
protected:
  void SetUp() override {
    RangeSkinTest::SetUp();
    RegisterControlSkinners();
    Data->SunkEdge.reset(new TDataSkinObject("SunkEdge"));
    MakeCodedObject(*Data->SunkEdge, 1, 4, 20, 14, 3, 3, 3, 3);
    Data->ComboButton.reset(new TDataSkinBorder("ComboButton"));
    MakeCodedObject(*Data->ComboButton, 5, 4, 9, 11, 0, 0, 0, 0);
    Data->ComboButton->SecondImage.Assign(Data->ComboButton->Image);
    MirrorHorizontal(Data->ComboButton->SecondImage);
    Data->ExtraImages.reset(new TDataSkinObject("ExtraImages"));
    MakeCodedObject(*Data->ExtraImages, 9, 5, 7, 5, 0, 0, 0, 0);
    Other = Make<TEdit>(300, 300, 80, 21);
    Other->SetFocus();
  }
  TComboBox* Combo(TComboBoxStyle style, bool rightToLeft = false) {
    auto* combo = Make<TComboBox>(20, 20, 160, 21, rightToLeft ? TBiDiMode::bdRightToLeft : TBiDiMode::bdLeftToRight);
    combo->SetStyle(style);
    if (style == TComboBoxStyle::csSimple) combo->SetHeight(150);
    for (int i = 0; i < 50; ++i) combo->Items()->Add(L"项目 " + std::to_wstring(i));
    combo->SetItemIndex(4);
    Skinner = new TSkinComBox(combo);
    Skinner->AttachControl(&Host, Data.get(), false, nullptr);
    PumpMessages();
    return combo;
  }
  std::unique_ptr<TProbeDC> Paint(TComboBox* combo) {
    const SIZE size = WindowSize(combo->Handle());
    auto probe = std::make_unique<TProbeDC>(size.cx, size.cy, kProbeFill);
    PaintInto(combo->Handle(), *probe);
    return probe;
  }
  // Codes of the border's left edge, the button (off the arrow) and the arrow glyph.
  struct Look {
    int Border, Button, Arrow;
    bool operator==(const Look&) const = default;
  };
  Look LookOf(TComboBox* combo) {
    auto probeHeld = Paint(combo);
    TProbeDC& probe = *probeHeld;
    const SIZE size = WindowSize(combo->Handle());
    const int w = GetSystemMetrics(SM_CXHSCROLL);
    const int arrowX = size.cx - w - 2 + (w - 7) / 2, arrowY = (size.cy - 5) / 2;
    return Look{CodeAt(probe, 0, size.cy / 2, 3), CodeAt(probe, size.cx - w - 1, 1),
                CodeAt(probe, arrowX + 3, arrowY + 2)};
  }
  static COMBOBOXINFO Info(TComboBox* combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo->Handle(), &info);
    return info;
  }
  static void Key(HWND window, WPARAM key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
  }
  TEdit* Other = nullptr;
  TSkinComBox* Skinner = nullptr;
};

TEST_F(ComboSkin, BorderButtonAndArrowShowTheStatesFrameAndTheButtonLightsOnlyUnderTheMouse) {
  for (TComboBoxStyle style : {TComboBoxStyle::csDropDownList, TComboBoxStyle::csDropDown}) {
    SCOPED_TRACE(static_cast<int>(style));
    TComboBox* combo = Combo(style);
    const HWND h = combo->Handle();
    EXPECT_EQ(LookOf(combo), (Look{1, 5, 9}));
    const SIZE size = WindowSize(h);
    auto probeHeld = Paint(combo);
    TProbeDC& probe = *probeHeld;
    EXPECT_EQ(probe.At(1, 1), CodeColour(1, 0));
    EXPECT_EQ(probe.At(size.cx - 1, size.cy - 1), CodeColour(5, 4));  // the button reaches the corner
    EXPECT_NE(CodeAt(probe, 10, size.cy / 2), 1);                     // the edit area is the control's own
    const RECT button = Skinner->ButtonRect;
    EXPECT_EQ(RectText(button), RectText(RECT{size.cx - GetSystemMetrics(SM_CXHSCROLL) - 2, 0, size.cx, size.cy}));

    // Over the text part the button stays dark; over the button it lights.
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(10, size.cy / 2));
    EXPECT_EQ(Skinner->MouseState & kMouseOver, 0);
    EXPECT_EQ(LookOf(combo), (Look{1, 5, 9}));
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(button.left + 3, 5));
    EXPECT_EQ(LookOf(combo), (Look{4, 8, 12}));
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(10, size.cy / 2));
    EXPECT_EQ(LookOf(combo), (Look{1, 5, 9}));
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(button.left + 3, 5));
    combo->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(LookOf(combo), (Look{1, 5, 9}));

    combo->SetFocus();
    EXPECT_EQ(LookOf(combo), (Look{4, 8, 12}));
    Skinner->MouseState = kMousePressed;
    EXPECT_EQ(LookOf(combo), (Look{2, 6, 10}));
    Skinner->MouseState = 0;
    Other->SetFocus();
    combo->SetEnabled(false);
    EXPECT_EQ(LookOf(combo), (Look{3, 7, 11}));
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(button.left + 3, 5));
    EXPECT_EQ(Skinner->MouseState & kMouseOver, 0);  // a disabled combo never lights
    combo->Free();
  }
}

TEST_F(ComboSkin, ARightToLeftComboHasItsMirroredButtonOnTheLeft) {
  TComboBox* combo = Combo(TComboBoxStyle::csDropDownList, true);
  const HWND h = combo->Handle();
  ASSERT_TRUE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
  const SIZE size = WindowSize(h);
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  auto probeHeld = Paint(combo);
  TProbeDC& probe = *probeHeld;
  EXPECT_EQ(RectText(Skinner->ButtonRect), RectText(RECT{0, 0, w + 2, size.cy}));
  // The mirrored strip holds the frames backwards: the normal look is still frame 1.
  EXPECT_EQ(CodeAt(probe, 0, 1), 5);
  EXPECT_EQ(CodeAt(probe, w + 1, size.cy - 1), 5);
  EXPECT_EQ(CodeAt(probe, 2 + (w - 7) / 2 + 3, (size.cy - 5) / 2 + 2), 9);
  EXPECT_EQ(probe.At(size.cx - 1, size.cy / 2), CodeColour(1, 5));  // the border's right edge
  // Where a platform keeps its own button on the right, it is covered with the box's colour.
  const RECT own = Info(combo).rcButton;
  if (own.left > w + 2) {
    EXPECT_EQ(probe.At((own.left + own.right) / 2, (own.top + own.bottom) / 2), ColorToRGB(combo->Color()));
  }
  combo->SetFocus();
  auto focusedHeld = Paint(combo);
  TProbeDC& focused = *focusedHeld;
  EXPECT_EQ(CodeAt(focused, 0, 1), 8);
}

TEST_F(ComboSkin, TheCompositePictureDrawsTheWholeBoxAndTheSystemSizedButtonItsStrip) {
  Data->ComboButton.reset(new TDataSkinBorder("ComboButton"));
  MakeCodedObject(*Data->ComboButton, 5, 4, 30, 17, 2, 3, 12, 3);
  Data->ComboButton->Style = kComboStyleComposite;
  {
    TComboBox* combo = Combo(TComboBoxStyle::csDropDownList);
    const SIZE size = WindowSize(combo->Handle());
    auto probeHeld = Paint(combo);
    TProbeDC& probe = *probeHeld;
    EXPECT_EQ(probe.At(0, 0), CodeColour(5, 0));
    EXPECT_EQ(probe.At(1, size.cy / 2), CodeColour(5, 3));
    EXPECT_EQ(probe.At(size.cx - 12, size.cy / 2), CodeColour(5, 5));
    EXPECT_EQ(probe.At(size.cx - 13, size.cy / 2), CodeColour(5, 4));
    EXPECT_EQ(probe.At(size.cx - 1, size.cy - 1), CodeColour(5, 8));
    combo->Free();
    // Right to left: the mirrored composite kept in "SunkEdge", frames backwards.
    TComboBox* mirrored = Combo(TComboBoxStyle::csDropDownList, true);
    auto backHeld = Paint(mirrored);
    TProbeDC& back = *backHeld;
    EXPECT_EQ(back.At(0, size.cy / 2), CodeColour(4, 3));
    mirrored->Free();
  }

  Data->ComboButton.reset(new TDataSkinBorder("ComboButton"));
  MakeCodedObject(*Data->ComboButton, 5, 4, 9, 11, 0, 0, 0, 0);
  Data->ComboButton->Style = kComboStyleSystemSized;
  TComboBox* combo = Combo(TComboBoxStyle::csDropDownList);
  const SIZE size = WindowSize(combo->Handle());
  const int t = GetSystemMetrics(SM_CYVTHUMB);
  ASSERT_GT(t, 11);
  TProbeDC probe(size.cx, size.cy, kProbeFill);
  TBrushHandle brush(CreateSolidBrush(RGB(0, 0, 200)));
  {
    TSelectObject select(probe.Get(), brush.Get());
    Skinner->PaintSkin(probe.Get(), RECT{0, 0, size.cx, size.cy});
  }
  EXPECT_EQ(probe.At(0, 0), kShadow);
  EXPECT_EQ(probe.At(1, 1), RGB(0, 0, 200));
  EXPECT_EQ(probe.At(size.cx - 2 - t, size.cy - 3), RGB(0, 0, 200));  // the strip under the button
  EXPECT_EQ(RectText(Skinner->ButtonRect), RectText(RECT{size.cx - 2 - 9, 2, size.cx - 2, 2 + 11}));
  EXPECT_EQ(CodeAt(probe, size.cx - 6, 7), 5);
  combo->SetEnabled(false);
  Skinner->PaintSkin(probe.Get(), RECT{0, 0, size.cx, size.cy});
  EXPECT_EQ(CodeAt(probe, size.cx - 6, 7), 7);
}

TEST_F(ComboSkin, ASimpleComboIsLeftAloneAndItsListGetsAScrollBarSkinner) {
  TComboBox* combo = Combo(TComboBoxStyle::csSimple);
  const COMBOBOXINFO info = Info(combo);
  auto probeHeld = Paint(combo);
  TProbeDC& probe = *probeHeld;
  for (int x : {0, 1, 80, 159}) {
    EXPECT_EQ(CodeAt(probe, x, 1, 0) + CodeAt(probe, x, 1, 1) + CodeAt(probe, x, 1, 2), 0) << x;
  }
  EXPECT_EQ(Skinner->LastFrame, 0);
  EXPECT_EQ(Skinner->ListWindow, info.hwndList);
  ASSERT_TRUE(Skinner->ListScroller);
  EXPECT_STREQ(Skinner->ListScroller->ClassName().c_str(), "TSkinScrollbarH");
  EXPECT_EQ(Skinner->ListScroller->Handle, info.hwndList);
  EXPECT_FALSE(Skinner->DropScroller);
  // Still works by keyboard.
  Key(combo->Handle(), VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 5);
}

TEST_F(ComboSkin, OpensShowsTheListChoosesByMouseAndKeyboardAndCloses) {
  for (TComboBoxStyle style : {TComboBoxStyle::csDropDownList, TComboBoxStyle::csDropDown}) {
    SCOPED_TRACE(static_cast<int>(style));
    TComboBox* combo = Combo(style);
    const HWND h = combo->Handle();
    const COMBOBOXINFO info = Info(combo);
    ASSERT_TRUE(Skinner->DropScroller);
    EXPECT_STREQ(Skinner->DropScroller->ClassName().c_str(), "TComboxScrollBar");
    EXPECT_EQ(Skinner->DropScroller->Handle, info.hwndList);
    // The combo skinner alone owns it: a form skinner freeing its list never frees it twice.
    EXPECT_EQ(std::count(Host.List.begin(), Host.List.end(), Skinner->DropScroller.get()), 0);
    EXPECT_EQ(std::count(Host.List.begin(), Host.List.end(), Skinner), 1);
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };

    // A press on the button opens the list and shows the button pressed.
    const POINT onButton{info.rcButton.left + 3, info.rcButton.top + 3};
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onButton.x, onButton.y));
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(IsWindowVisible(info.hwndList));
    EXPECT_EQ(LookOf(combo).Button, 6);
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(onButton.x, onButton.y));
    PumpMessages(20);
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_NE(LookOf(combo).Button, 6);

    // A click on an item chooses it and closes the list.
    RECT item{};
    const int top = static_cast<int>(SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0));
    SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(top + 2), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
    SendMessageW(info.hwndList, WM_MOUSEMOVE, 0, at);
    SendMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(info.hwndList, WM_LBUTTONUP, 0, at);
    PumpMessages(20);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), top + 2);
    EXPECT_EQ(combo->Text(), L"项目 " + std::to_wstring(top + 2));
    EXPECT_EQ(changes, 1);

    // F4 opens, an arrow moves, Enter closes; Alt+Down opens too and Escape closes.
    combo->SetFocus();
    Key(h, VK_F4);
    EXPECT_TRUE(combo->DroppedDown());
    Key(h, VK_DOWN);
    Key(h, VK_DOWN);
    Key(h, VK_RETURN);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), top + 4);
    SendMessageW(h, WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    EXPECT_TRUE(combo->DroppedDown());
    Key(h, VK_UP);
    Key(h, VK_RETURN);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), top + 3);
    EXPECT_EQ(Skinner->MouseState & kMousePressed, 0);
    combo->Free();
  }
}

TEST_F(ComboSkin, TheExVariantDrawsAnEditBorderAndTheDerivedArrow) {
  Data->ComboxArrow.reset(new TDataSkinObject("ComboxArrow"));
  MakeCodedObject(*Data->ComboxArrow, 14, 4, 6, 6, 0, 0, 0, 0);
  TComboBox* combo = Combo(TComboBoxStyle::csDropDownList);
  SetPropText(Skinner, "ExVariant", L"1");
  ASSERT_TRUE(Skinner->ExVariant);
  const SIZE size = WindowSize(combo->Handle());
  auto probeHeld = Paint(combo);
  TProbeDC& probe = *probeHeld;
  EXPECT_EQ(probe.At(0, 0), kShadow);
  EXPECT_EQ(probe.At(size.cx - 1, size.cy / 2), kShadow);
  EXPECT_EQ(probe.At(1, size.cy / 2), kWhite);
  const RECT b = Info(combo).rcButton;
  EXPECT_EQ(CodeAt(probe, (b.left + b.right) / 2, (b.top + b.bottom) / 2), 14);
  EXPECT_EQ(CodeAt(probe, b.right - 1, b.bottom - 1), 14);
}

TEST(ComboRules, FramesByStateAndInAMirroredStrip) {
  EXPECT_EQ(ComboFrame(false, false, true), kComboNormal);
  EXPECT_EQ(ComboFrame(true, true, true), kComboPressed);
  EXPECT_EQ(ComboFrame(false, true, true), kComboHot);
  EXPECT_EQ(ComboFrame(true, true, false), kComboDisabled);
  EXPECT_EQ(MirroredFrame(4, 1), 4);
  EXPECT_EQ(MirroredFrame(4, 3), 2);
  EXPECT_EQ(MirroredFrame(5, 3), 3);
}

}  // namespace

namespace {

TEST_F(ComboSkin, AFormSkinnerFreeingItsSkinnersLeavesWorkingCombos) {
  TComboBox* dropDown = Combo(TComboBoxStyle::csDropDownList);
  TComboBox* simple = Combo(TComboBoxStyle::csSimple);
  const HWND list = Info(dropDown).hwndList;
  // As a form skinner that stops skinning does it: from the end of its list, detached, unlisted
  // and freed.
  while (!Host.List.empty()) {
    TSkinControl* skinner = Host.List.back();
    Host.List.pop_back();
    skinner->Detach();
    skinner->FormSkinner = nullptr;
    skinner->Free();
  }
  EXPECT_NE(SendMessageW(dropDown->Handle(), SKINMSG_QUERY, 0, 0), 1);
  EXPECT_NE(SendMessageW(list, SKINMSG_QUERY, 0, 0), 1);
  dropDown->SetDroppedDown(true);
  EXPECT_TRUE(IsWindowVisible(list));
  Key(dropDown->Handle(), VK_DOWN);
  Key(dropDown->Handle(), VK_RETURN);
  EXPECT_EQ(dropDown->ItemIndex(), 5);
  Key(simple->Handle(), VK_DOWN);
  EXPECT_EQ(simple->ItemIndex(), 5);
}

}  // namespace
