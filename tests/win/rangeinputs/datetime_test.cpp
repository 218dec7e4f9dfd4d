// TSkinDateTime on a real picker: the flat border, the arrow button over the picker's own
// button (both reading orders), its look under the mouse, and a click on it that opens the
// calendar and leaves the focus on the picker.
#include "skin/controls/skin_datetime.h"
#include "ui/datetimepicker.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/rangeinputs/range_skin_test.h"

namespace {

// "ComboxArrow": four solid frames of 6 x 6 (codes 14-17).
class DateTimeSkin : public RangeSkinTest {
protected:
  void SetUp() override {
    RangeSkinTest::SetUp();
    Data->ComboxArrow.reset(new TDataSkinObject("ComboxArrow"));
    MakeCodedObject(*Data->ComboxArrow, 14, 4, 6, 6, 0, 0, 0, 0);
    Other = Make<TEdit>(300, 300, 80, 21);
    Other->SetFocus();
  }
  TDateTimePicker* Picker(bool rightToLeft) {
    auto* picker =
        Make<TDateTimePicker>(20, 40, 137, 23, rightToLeft ? TBiDiMode::bdRightToLeft : TBiDiMode::bdLeftToRight);
    Skinner = new TSkinDateTime(picker);
    Skinner->AttachControl(&Host, Data.get(), false, nullptr);
    PumpMessages();
    return picker;
  }
  int ArrowCode() {
    TArrowButton* arrow = Skinner->ArrowButton;
    TProbeDC probe(arrow->Width(), arrow->Height(), kProbeFill);
    PaintInto(arrow->Handle(), probe);
    return CodeAt(probe, arrow->Width() / 2, arrow->Height() / 2);
  }
  TEdit* Other = nullptr;
  TSkinDateTime* Skinner = nullptr;
};

TEST_F(DateTimeSkin, TheArrowCoversThePickersButtonInEitherReadingOrder) {
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  TDateTimePicker* picker = Picker(false);
  const SIZE size = WindowSize(picker->Handle());
  TArrowButton* arrow = Skinner->ArrowButton;
  ASSERT_TRUE(arrow && arrow->HandleAllocated());
  EXPECT_EQ(GetParent(arrow->Handle()), picker->Handle());
  EXPECT_EQ(RectText(arrow->BoundsRect()), RectText(RECT{size.cx - w - 4, 0, size.cx - 4, size.cy - 4}));
  EXPECT_TRUE(GetWindowLongW(picker->Handle(), GWL_STYLE) & WS_CLIPCHILDREN);
  EXPECT_FALSE(arrow->TabStop());
  EXPECT_EQ(SendMessageW(arrow->Handle(), SKINMSG_QUERY, 0, 0), 1);

  TProbeDC probe(size.cx, size.cy, kProbeFill);
  PaintInto(picker->Handle(), probe);
  EXPECT_EQ(probe.At(0, 0), kShadow);
  EXPECT_EQ(probe.At(size.cx - 1, size.cy - 1), kShadow);
  EXPECT_EQ(probe.At(1, 1), kWhite);
  EXPECT_EQ(probe.At(size.cx - 2, size.cy / 2), kWhite);

  // A wider picker moves the arrow with its right edge.
  picker->SetWidth(201);
  PumpMessages();
  EXPECT_EQ(arrow->Left(), WindowSize(picker->Handle()).cx - w - 4);

  // The platform's picker drops the left-scroll-bar style of right-to-left controls; a picker
  // that has it gets the arrow on the left.
  auto* mirrored = Make<TDateTimePicker>(20, 80, 137, 23);
  SetWindowLongW(mirrored->Handle(), GWL_EXSTYLE,
                 GetWindowLongW(mirrored->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  Skinner = new TSkinDateTime(mirrored);
  Skinner->AttachControl(&Host, Data.get(), false, nullptr);
  EXPECT_EQ(Skinner->ArrowButton->Left(), 2);
}

TEST_F(DateTimeSkin, TheArrowLightsUnderTheMouseOnlyWhileThePickerIsEnabled) {
  TDateTimePicker* picker = Picker(false);
  EXPECT_EQ(ArrowCode(), 14);
  Skinner->ArrowButton->Perform(CM_MOUSEENTER);
  EXPECT_EQ(ArrowCode(), 17);
  Skinner->ArrowButton->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(ArrowCode(), 14);
  picker->SetEnabled(false);
  Skinner->ArrowButton->Perform(CM_MOUSEENTER);
  EXPECT_EQ(ArrowCode(), 14);
}

TEST_F(DateTimeSkin, AClickOnTheArrowOpensTheCalendarAndFocusesThePicker) {
  TDateTimePicker* picker = Picker(false);
  const HWND arrow = Skinner->ArrowButton->Handle();
  const auto closed = reinterpret_cast<HWND>(SendMessageW(picker->Handle(), DTM_GETMONTHCAL, 0, 0));
  EXPECT_FALSE(closed && IsWindowVisible(closed));
  SendMessageW(arrow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
  SendMessageW(arrow, WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
  EXPECT_EQ(GetFocus(), picker->Handle());
  PumpMessages(50);  // the click reaches the picker's own button
  const auto calendar = reinterpret_cast<HWND>(SendMessageW(picker->Handle(), DTM_GETMONTHCAL, 0, 0));
  ASSERT_TRUE(calendar);
  EXPECT_TRUE(IsWindowVisible(calendar));
  ShowWindow(calendar, SW_HIDE);
}

}  // namespace
