// The framework's check boxes, radio buttons and radio groups: the user's click, space and
// arrow keys (OnClick once per change, never for the program's assignments), grayed only with
// AllowGrayed, exactly one radio button checked, and form descriptions.
#include <gtest/gtest.h>

#include "ui/checkbox.h"
#include "ui/extctrls.h"
#include "ui/form.h"
#include "ui/groupbox.h"
#include "ui/reader.h"
#include "win/support/ui_test.h"

namespace {

class ChecksTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    form.reset(new TForm(nullptr));
    form->SetBounds(60, 60, 420, 320);
    form->Show();
    PumpMessages();
  }
  template <class T>
  T* Make(int left, int top, int width = 120, int height = 20) {
    auto* c = new T(form.get());
    c->SetParent(form.get());
    c->SetBounds(left, top, width, height);
    c->Handle();
    return c;
  }
  // A real click in the middle of the window, as the mouse gives it.
  static void ClickOn(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
    PumpMessages();
  }
  static void PressSpace(HWND window) {
    SendMessageW(window, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageW(window, WM_KEYUP, VK_SPACE, 0xC0390001);
    PumpMessages();
  }
  // A key as it comes from the queue: through the application's dialog-key handling.
  static void PostKey(HWND window, WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    PumpMessages();
  }
  static LRESULT CheckOf(TWinControl* c) { return SendMessageW(c->Handle(), BM_GETCHECK, 0, 0); }
  TOwned<TForm> form;
};

TEST_F(ChecksTest, CheckBoxClickAndSpaceToggleWithOneClickEventEach) {
  auto* box = Make<TCheckBox>(10, 10);
  box->SetCaption(L"选项");
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  ClickOn(box->Handle());
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(CheckOf(box), BST_CHECKED);
  EXPECT_EQ(clicks, 1);
  box->SetFocus();
  PressSpace(box->Handle());
  EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
  EXPECT_EQ(CheckOf(box), BST_UNCHECKED);
  EXPECT_EQ(clicks, 2);
  // The program's assignments change the box but raise nothing.
  box->SetState(TCheckBoxState::cbGrayed);
  EXPECT_EQ(CheckOf(box), BST_INDETERMINATE);
  box->SetChecked(true);
  EXPECT_EQ(clicks, 2);
  // A disabled box changes nothing, whatever message reaches it.
  box->SetEnabled(false);
  box->Perform(CN_COMMAND, MAKEWPARAM(0, BN_CLICKED), 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 2);
}

TEST_F(ChecksTest, GrayedIsInTheCycleOnlyWithAllowGrayed) {
  auto* box = Make<TCheckBox>(10, 10);
  ClickOn(box->Handle());
  ClickOn(box->Handle());
  EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);  // checked, then back
  box->SetAllowGrayed(true);
  const TCheckBoxState cycle[] = {TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed, TCheckBoxState::cbUnchecked,
                                  TCheckBoxState::cbChecked};
  const LRESULT platform[] = {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED};
  for (size_t i = 0; i < std::size(cycle); ++i) {
    ClickOn(box->Handle());
    EXPECT_EQ(box->State(), cycle[i]) << i;
    EXPECT_EQ(CheckOf(box), platform[i]) << i;
  }
}

TEST_F(ChecksTest, CaptionSideFollowsAlignmentAndReadingOrder) {
  auto* box = Make<TCheckBox>(10, 10);
  const auto style = [&] { return GetWindowLongW(box->Handle(), GWL_STYLE); };
  EXPECT_FALSE(style() & BS_RIGHTBUTTON);
  box->SetChecked(true);
  box->SetAlignment(TAlignment::taLeftJustify);  // the window is made anew
  EXPECT_TRUE(style() & BS_RIGHTBUTTON);
  EXPECT_EQ(CheckOf(box), BST_CHECKED);          // the state survives the new window
  // Right to left mirrors the sides (the reading order is set before the window is made).
  const auto rightToLeft = [&](TAlignment alignment) {
    TOwned<TCheckBox> mirrored(new TCheckBox(nullptr));
    mirrored->SetBiDiMode(TBiDiMode::bdRightToLeft);
    mirrored->SetAlignment(alignment);
    mirrored->SetParent(form.get());
    return (GetWindowLongW(mirrored->Handle(), GWL_STYLE) & BS_RIGHTBUTTON) != 0;
  };
  EXPECT_TRUE(rightToLeft(TAlignment::taRightJustify));
  EXPECT_FALSE(rightToLeft(TAlignment::taLeftJustify));
}

TEST_F(ChecksTest, CheckingARadioButtonUnchecksItsSiblingsOnly) {
  auto* a = Make<TRadioButton>(10, 10);
  auto* b = Make<TRadioButton>(10, 40);
  auto* other = new TPanel(form.get());
  other->SetParent(form.get());
  other->SetBounds(200, 10, 150, 80);
  auto* c = new TRadioButton(form.get());
  c->SetParent(other);
  c->SetBounds(5, 5, 120, 20);
  c->SetChecked(true);
  int clicks = 0;
  a->OnClick = b->OnClick = [&](TObject*) { ++clicks; };

  a->SetChecked(true);
  EXPECT_EQ(clicks, 0);
  ClickOn(b->Handle());
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_EQ(CheckOf(a), BST_UNCHECKED);
  EXPECT_TRUE(c->Checked());  // another parent, another group
  EXPECT_EQ(clicks, 1);
  // A click on the checked button changes nothing and tells nothing.
  ClickOn(b->Handle());
  EXPECT_EQ(clicks, 1);
}

TEST_F(ChecksTest, RadioGroupKeepsExactlyOneCheckedAndArrowsMoveInside) {
  auto* group = Make<TRadioGroup>(10, 10, 300, 150);
  group->SetCaption(L"分组");
  for (const wchar_t* item : {L"甲", L"乙", L"丙", L"丁"}) group->Items()->Add(item);
  group->SetColumns(2);
  ASSERT_EQ(group->ButtonCount(), 4);
  int clicks = 0;
  group->OnClick = [&](TObject*) { ++clicks; };
  const auto checkedCount = [&] {
    int n = 0;
    for (int i = 0; i < group->ButtonCount(); ++i) n += group->Buttons(i)->Checked() ? 1 : 0;
    return n;
  };
  EXPECT_EQ(checkedCount(), 0);
  group->SetItemIndex(1);
  EXPECT_EQ(checkedCount(), 1);
  EXPECT_EQ(clicks, 0);
  // Two columns of two: the third item heads the second column.
  EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(1)->Left());
  EXPECT_EQ(group->Buttons(0)->Caption(), L"甲");

  ClickOn(group->Buttons(3)->Handle());
  EXPECT_EQ(group->ItemIndex(), 3);
  EXPECT_EQ(checkedCount(), 1);
  EXPECT_EQ(clicks, 1);
  // Only the checked button is a tab stop.
  EXPECT_TRUE(group->Buttons(3)->TabStop());
  EXPECT_FALSE(group->Buttons(1)->TabStop());

  // Down from the last wraps to the first; up goes back.
  group->Buttons(3)->SetFocus();
  PostKey(group->Buttons(3)->Handle(), VK_DOWN);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_EQ(GetFocus(), group->Buttons(0)->Handle());
  EXPECT_EQ(checkedCount(), 1);
  EXPECT_EQ(clicks, 2);
  PostKey(group->Buttons(0)->Handle(), VK_UP);
  EXPECT_EQ(group->ItemIndex(), 3);
  EXPECT_EQ(clicks, 3);
  // A disabled button is passed over.
  group->Buttons(0)->SetEnabled(false);
  PostKey(group->Buttons(3)->Handle(), VK_RIGHT);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(checkedCount(), 1);

  // Fewer items: the index that pointed past them is dropped.
  group->Items()->Delete(3);
  group->Items()->Delete(2);
  group->Items()->Delete(1);
  EXPECT_EQ(group->ButtonCount(), 1);
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_EQ(checkedCount(), 0);
}

TEST_F(ChecksTest, ADescriptionMakesEachWithItsProperties) {
  ReadComponentText(form.get(), R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object CheckBox1: TCheckBox
    Left = 8
    Top = 8
    Caption = '灰色'
    AllowGrayed = True
    State = cbGrayed
    Alignment = taLeftJustify
  end
  object RadioButton1: TRadioButton
    Left = 8
    Top = 30
    Checked = True
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 60
    Width = 150
    Caption = '组'
    object CheckBox2: TCheckBox
      Left = 8
      Top = 20
      Checked = True
    end
  end
  object RadioGroup1: TRadioGroup
    Left = 170
    Top = 60
    Width = 200
    Height = 120
    ItemIndex = 2
    Columns = 2
    Items.Strings = ('a' 'b' 'c')
  end
end
)");
  auto* box = dynamic_cast<TCheckBox*>(form->FindComponent("CheckBox1"));
  ASSERT_TRUE(box);
  EXPECT_EQ(box->State(), TCheckBoxState::cbGrayed);
  EXPECT_TRUE(box->AllowGrayed());
  EXPECT_EQ(box->Alignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(CheckOf(box), BST_INDETERMINATE);
  auto* radio = dynamic_cast<TRadioButton*>(form->FindComponent("RadioButton1"));
  ASSERT_TRUE(radio);
  EXPECT_TRUE(radio->Checked());
  auto* groupBox = dynamic_cast<TGroupBox*>(form->FindComponent("GroupBox1"));
  ASSERT_TRUE(groupBox);
  EXPECT_EQ(groupBox->ControlCount(), 1);
  auto* group = dynamic_cast<TRadioGroup*>(form->FindComponent("RadioGroup1"));
  ASSERT_TRUE(group);
  // The index was read before the items: it still finds its button.
  ASSERT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_TRUE(group->Buttons(2)->Checked());
  EXPECT_EQ(group->Columns(), 2);
}

}  // namespace
