// Progress bars, track bars, up-downs, scroll bars and date pickers under Wine: properties that
// reach the platform's control and survive a new window, positions held in range as the platform
// holds them, one event per change the user makes, and a form description making all of them.
#include <gtest/gtest.h>

#include "base/error.h"
#include "ui/combobox.h"
#include "ui/comctrls_range.h"
#include "ui/datetimepicker.h"
#include "ui/form.h"
#include "ui/listbox.h"
#include "ui/scrollbar.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/support/ui_test.h"

namespace {

class RangeTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    form.reset(new TForm(nullptr));
    form->SetBounds(40, 40, 420, 320);
    form->Show();
  }
  template <class T>
  T* Make(int left, int top) {
    auto* c = new T(form.get());
    c->SetParent(form.get());
    c->SetBounds(left, top, c->Width(), c->Height());
    return c;
  }
  TOwned<TForm> form;
};

LONG_PTR StyleOf(TWinControl& c) {
  return GetWindowLongPtrW(c.Handle(), GWL_STYLE);
}

TEST_F(RangeTest, ProgressRangeAndPositionReachThePlatformClampAndSurviveTurning) {
  auto* bar = Make<TProgressBar>(8, 8);
  bar->SetMin(10);
  bar->SetMax(60);
  bar->SetPosition(37);
  PBRANGE range{};
  SendMessageW(bar->Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 10);
  EXPECT_EQ(range.iHigh, 60);
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 37);
  bar->SetPosition(99);
  EXPECT_EQ(bar->Position(), 60);
  bar->SetPosition(-5);
  EXPECT_EQ(bar->Position(), 10);
  bar->SetStep(30);
  bar->StepIt();
  bar->StepIt();
  EXPECT_EQ(bar->Position(), 60);  // a step stops at the end

  const int width = bar->Width(), height = bar->Height();
  bar->SetPosition(37);
  bar->SetOrientation(TProgressBarOrientation::pbVertical);
  bar->SetSmooth(true);
  EXPECT_NE(StyleOf(*bar) & PBS_VERTICAL, 0);
  EXPECT_NE(StyleOf(*bar) & PBS_SMOOTH, 0);
  EXPECT_EQ(bar->Width(), height);
  EXPECT_EQ(bar->Height(), width);
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 37);
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETRANGE, TRUE, 0), 10);

  // Without a window the same limits hold; a narrowed range takes the position along.
  auto* loose = new TProgressBar(form.get());
  loose->SetPosition(150);
  EXPECT_EQ(loose->Position(), 100);
  loose->SetMax(40);
  EXPECT_EQ(loose->Position(), 40);
}

TEST_F(RangeTest, TrackBarFollowsItsPropertiesAndChangesOncePerUserStep) {
  auto* track = Make<TTrackBar>(8, 8);
  track->SetMax(20);
  track->SetMin(5);
  track->SetPageSize(4);
  track->SetPosition(3);
  EXPECT_EQ(track->Position(), 5);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPAGESIZE, 0, 0), 4);
  track->SetPosition(50);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPOS, 0, 0), 20);

  int changes = 0;
  track->OnChange = [&](TObject*) { ++changes; };
  track->SetPosition(10);
  EXPECT_EQ(changes, 0);
  SendMessageW(track->Handle(), WM_KEYDOWN, VK_RIGHT, 1);
  SendMessageW(track->Handle(), WM_KEYUP, VK_RIGHT, 0xC0000001);
  EXPECT_EQ(track->Position(), 11);
  EXPECT_EQ(changes, 1);
  SendMessageW(track->Handle(), WM_KEYDOWN, VK_NEXT, 1);
  SendMessageW(track->Handle(), WM_KEYUP, VK_NEXT, 0xC0000001);
  EXPECT_EQ(track->Position(), 15);
  EXPECT_EQ(changes, 2);

  track->SetOrientation(TTrackBarOrientation::trVertical);
  EXPECT_NE(StyleOf(*track) & TBS_VERT, 0);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPOS, 0, 0), 15);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETRANGEMIN, 0, 0), 5);
  SendMessageW(track->Handle(), WM_KEYDOWN, VK_DOWN, 1);  // vertical bars report WM_VSCROLL
  EXPECT_EQ(track->Position(), 16);
  EXPECT_EQ(changes, 3);
}

TEST_F(RangeTest, UpDownShowsItsPositionInTheAssociateAndStepsByItsArrows) {
  auto* edit = Make<TEdit>(20, 20);
  auto* arrows = Make<TUpDown>(0, 0);
  arrows->SetMax(7);
  arrows->SetIncrement(2);
  arrows->SetPosition(3);
  arrows->SetAssociate(edit);
  EXPECT_EQ(edit->Text(), L"3");
  EXPECT_EQ(arrows->Left(), edit->Left() + edit->Width());
  EXPECT_EQ(arrows->Top(), edit->Top());
  EXPECT_EQ(arrows->Height(), edit->Height());
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(arrows->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());

  int changes = 0;
  arrows->OnChange = [&](TObject*) { ++changes; };
  auto press = [&](bool upper) {
    RECT r{};
    GetClientRect(arrows->Handle(), &r);
    const LPARAM at = MAKELPARAM(r.right / 2, upper ? r.bottom / 4 : r.bottom * 3 / 4);
    SendMessageW(arrows->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(arrows->Handle(), WM_LBUTTONUP, 0, at);
  };
  press(true);
  EXPECT_EQ(arrows->Position(), 5);
  EXPECT_EQ(edit->Text(), L"5");
  EXPECT_EQ(changes, 1);
  press(true);
  press(true);  // held at the end without Wrap
  EXPECT_EQ(arrows->Position(), 7);
  EXPECT_EQ(changes, 2);

  arrows->SetIncrement(1);
  arrows->SetWrap(true);  // a new window keeps range, position and associate
  EXPECT_NE(StyleOf(*arrows) & UDS_WRAP, 0);
  EXPECT_EQ(arrows->Position(), 7);
  press(true);
  EXPECT_EQ(arrows->Position(), 0);
  EXPECT_EQ(edit->Text(), L"0");

  // Typed text is where the arrows go on from.
  SetWindowTextW(edit->Handle(), L"4");
  press(false);
  EXPECT_EQ(arrows->Position(), 3);

  // The associate made anew still shows the position the arrows give.
  edit->SetBorderStyle(TBorderStyle::bsNone);
  press(true);
  EXPECT_EQ(arrows->Position(), 4);
  EXPECT_EQ(edit->Text(), L"4");

  arrows->SetPosition(-3);
  EXPECT_EQ(arrows->Position(), 0);
  edit->Free();  // the associate goes: the arrows forget it
  EXPECT_EQ(arrows->Associate(), nullptr);
  press(false);
}

TEST_F(RangeTest, ScrollBarMovesByReflectedRequestsWithinMaxLessPage) {
  auto* bar = Make<TScrollBar>(8, 8);
  bar->SetMax(50);
  bar->SetPageSize(11);
  bar->SetSmallChange(3);
  bar->SetLargeChange(10);
  int changes = 0;
  std::vector<TScrollCode> codes;
  bar->OnChange = [&](TObject*) { ++changes; };
  bar->OnScroll = [&](TObject*, TScrollCode code, int&) { codes.push_back(code); };
  // The platform's bar reports to its parent, which hands the request to the control.
  auto request = [&](WORD code) {
    SendMessageW(form->Handle(), WM_HSCROLL, code, reinterpret_cast<LPARAM>(bar->Handle()));
  };
  // A press on the right arrow: the platform tracks it until the release and reports a step.
  const LPARAM arrow = MAKELPARAM(bar->Width() - 4, bar->Height() / 2);
  PostMessageW(bar->Handle(), WM_LBUTTONUP, 0, arrow);
  SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, arrow);
  PumpMessages();
  EXPECT_EQ(bar->Position(), 3);
  EXPECT_EQ(changes, 1);
  bar->SetPosition(0);
  EXPECT_EQ(changes, 1);  // the program's move is no change of the user's
  changes = 0;
  codes.clear();
  request(SB_LINEDOWN);
  EXPECT_EQ(bar->Position(), 3);
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 3);
  request(SB_PAGEDOWN);
  request(SB_ENDSCROLL);
  EXPECT_EQ(bar->Position(), 13);
  EXPECT_EQ(changes, 2);
  request(SB_BOTTOM);
  EXPECT_EQ(bar->Position(), 40);  // max - page + 1
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 40);
  EXPECT_EQ(codes, (std::vector<TScrollCode>{TScrollCode::scLineDown, TScrollCode::scPageDown, TScrollCode::scEndScroll,
                                             TScrollCode::scBottom}));

  // A handler may move the request elsewhere.
  bar->OnScroll = [](TObject*, TScrollCode, int& position) { position = 7; };
  request(SB_TOP);
  EXPECT_EQ(bar->Position(), 7);

  const int width = bar->Width();
  bar->SetKind(TScrollBarKind::sbVertical);
  EXPECT_NE(StyleOf(*bar) & SBS_VERT, 0);
  EXPECT_EQ(bar->Height(), width);
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(bar->Handle(), SB_CTL, &info);
  EXPECT_EQ(info.nMax, 50);
  EXPECT_EQ(info.nPage, 11u);
  EXPECT_EQ(info.nPos, 7);
  SendMessageW(form->Handle(), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(bar->Position(), 7);  // the handler still decides
}

TEST_F(RangeTest, DatePickerHoldsItsDateThroughANewWindowAndReportsTheUsersChange) {
  auto* picker = Make<TDateTimePicker>(8, 8);
  picker->SetDateText(L"2024-02-29");
  picker->SetTimeText(L"13:45:10");
  SYSTEMTIME t{};
  ASSERT_EQ(SendMessageW(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t)), GDT_VALID);
  EXPECT_EQ(t.wYear, 2024);
  EXPECT_EQ(t.wMonth, 2);
  EXPECT_EQ(t.wDay, 29);
  EXPECT_EQ(t.wHour, 13);
  EXPECT_EQ(t.wMinute, 45);
  EXPECT_THROW(picker->SetDateText(L"2023-02-29"), Exception);
  EXPECT_THROW(picker->SetDateText(L"2023-02-2x"), Exception);
  EXPECT_THROW(picker->SetTimeText(L"24:00:00"), Exception);
  EXPECT_EQ(picker->DateText(), L"2024-02-29");

  picker->SetKind(TDateTimeKind::dtkTime);
  EXPECT_NE(StyleOf(*picker) & DTS_TIMEFORMAT, 0);
  EXPECT_EQ(picker->DateText(), L"2024-02-29");
  EXPECT_EQ(picker->TimeText(), L"13:45:10");

  int changes = 0;
  picker->OnChange = [&](TObject*) { ++changes; };
  // The picker tells its parent of the user's change; the parent hands the notice on.
  SYSTEMTIME later = picker->DateTime();
  later.wHour = 14;
  SendMessageW(picker->Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&later));
  NMDATETIMECHANGE notice{};
  notice.nmhdr.hwndFrom = picker->Handle();
  notice.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(picker->Handle()));
  notice.nmhdr.code = DTN_DATETIMECHANGE;
  notice.dwFlags = GDT_VALID;
  notice.st = later;
  SendMessageW(form->Handle(), WM_NOTIFY, notice.nmhdr.idFrom, reinterpret_cast<LPARAM>(&notice));
  EXPECT_EQ(changes, 1);
  // The skin engine's message of the same number carries no notice.
  picker->Perform(CN_NOTIFY, 0, SKIN_MAGIC);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picker->TimeText(), L"14:45:10");
}

TEST_F(RangeTest, ADescriptionMakesEachControlWithItsProperties) {
  ReadComponentText(form.get(), R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object ListBox1: TListBox
    Left = 8
    Top = 8
    Items.Strings = ('b' 'a' '丙')
    ItemIndex = 1
    Sorted = True
  end
  object ComboBox1: TComboBox
    Left = 140
    Top = 8
    ItemIndex = 2
    Style = csDropDownList
    DropDownCount = 12
    Items.Strings = ('x' 'y' 'z')
  end
  object ProgressBar1: TProgressBar
    Left = 8
    Top = 120
    Max = 200
    Position = 74
    Orientation = pbVertical
  end
  object TrackBar1: TTrackBar
    Left = 40
    Top = 120
    Max = 30
    Position = 12
    Frequency = 5
  end
  object Edit1: TEdit
    Left = 200
    Top = 120
  end
  object UpDown1: TUpDown
    Min = -5
    Max = 5
    Position = -2
    Associate = Edit1
  end
  object DateTimePicker1: TDateTimePicker
    Left = 200
    Top = 160
    Date = '2026-12-08'
    Kind = dtkDate
  end
  object ScrollBar1: TScrollBar
    Left = 200
    Top = 200
    Kind = sbVertical
    Max = 80
    PageSize = 20
    Position = 70
  end
end
)");
  auto* list = form->FindComponentAs<TListBox>("ListBox1");
  auto* combo = form->FindComponentAs<TComboBox>("ComboBox1");
  auto* progress = form->FindComponentAs<TProgressBar>("ProgressBar1");
  auto* track = form->FindComponentAs<TTrackBar>("TrackBar1");
  auto* edit = form->FindComponentAs<TEdit>("Edit1");
  auto* arrows = form->FindComponentAs<TUpDown>("UpDown1");
  auto* picker = form->FindComponentAs<TDateTimePicker>("DateTimePicker1");
  auto* bar = form->FindComponentAs<TScrollBar>("ScrollBar1");
  ASSERT_TRUE(list && combo && progress && track && edit && arrows && picker && bar);

  EXPECT_EQ(list->Items()->ToVector(), (std::vector<std::wstring>{L"a", L"b", L"丙"}));
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0), 1);
  EXPECT_NE(StyleOf(*list) & LBS_SORT, 0);
  // The index was read before the items and still holds.
  EXPECT_EQ(StyleOf(*combo) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(combo->Text(), L"z");
  EXPECT_EQ(combo->DropDownCount(), 12);
  EXPECT_EQ(SendMessageW(progress->Handle(), PBM_GETPOS, 0, 0), 74);
  EXPECT_NE(StyleOf(*progress) & PBS_VERTICAL, 0);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPOS, 0, 0), 12);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETRANGEMAX, 0, 0), 30);
  EXPECT_EQ(arrows->Associate(), edit);
  EXPECT_EQ(edit->Text(), L"-2");
  EXPECT_EQ(arrows->Left(), edit->Left() + edit->Width());
  EXPECT_EQ(picker->DateText(), L"2026-12-08");
  EXPECT_NE(StyleOf(*bar) & SBS_VERT, 0);
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 61);  // 80 - 20 + 1
  EXPECT_EQ(FindPropInfo(bar, "Kind")->ValueText(*bar), "sbVertical");
}

}  // namespace
