// The skin viewer's input page under Wine: every range and input control on it is drawn by its
// skinner once the page is shown, the right-to-left combo keeps its reading order, and the
// edit's up-down steps the number it shows.
#include <gtest/gtest.h>

#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "skinview/viewer_form.h"
#include "ui/combobox.h"
#include "ui/comctrls_range.h"
#include "ui/datetimepicker.h"
#include "ui/pagecontrol.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/support/ui_test.h"

namespace {

constexpr int kSettle = 3 * kScheduleDelay;

TEST(SkinViewInputs, EveryRangeAndInputControlIsSkinned) {
  TestApplication();
  {
    TOwned<TSkinViewForm> form(new TSkinViewForm(nullptr, L""));
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpMessages(kSettle);
    int page = -1;
    for (int i = 0; i < form->Pages()->PageCount(); ++i)
      if (form->Pages()->Pages(i)->Caption() == L"输入") page = i;
    ASSERT_GE(page, 0);
    form->Pages()->SetActivePageIndex(page);
    PumpMessages(kSettle);

    TTabSheet* sheet = form->Pages()->Pages(page);
    int combos = 0, progress = 0, tracks = 0, arrows = 0, pickers = 0, edits = 0;
    TUpDown* numberArrows = nullptr;
    for (int i = 0; i < sheet->ControlCount(); ++i) {
      TControl* c = sheet->Controls(i);
      int* count = dynamic_cast<TComboBox*>(c)         ? &combos
                   : dynamic_cast<TProgressBar*>(c)    ? &progress
                   : dynamic_cast<TTrackBar*>(c)       ? &tracks
                   : dynamic_cast<TUpDown*>(c)         ? &arrows
                   : dynamic_cast<TDateTimePicker*>(c) ? &pickers
                   : (dynamic_cast<TEdit*>(c))         ? &edits
                                                       : nullptr;
      if (!count) continue;
      SCOPED_TRACE(c->ClassName());
      ++*count;
      EXPECT_EQ(c->Perform(SKINMSG_QUERY), 1);
      if (auto* upDown = dynamic_cast<TUpDown*>(c); upDown && upDown->Associate()) numberArrows = upDown;
      if (auto* combo = dynamic_cast<TComboBox*>(c); combo && combo->UseRightToLeftScrollBar()) {
        EXPECT_TRUE(GetWindowLongW(combo->Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
      }
    }
    EXPECT_EQ(combos, 4);
    EXPECT_EQ(progress, 6);
    EXPECT_EQ(tracks, 2);
    EXPECT_EQ(arrows, 3);
    EXPECT_EQ(pickers, 1);
    EXPECT_EQ(edits, 1);

    // The skinned arrows still step the number in their edit.
    ASSERT_TRUE(numberArrows);
    auto* number = dynamic_cast<TEdit*>(numberArrows->Associate());
    ASSERT_TRUE(number);
    EXPECT_EQ(number->Text(), L"42");
    RECT r{};
    GetClientRect(numberArrows->Handle(), &r);
    const LPARAM upper = MAKELPARAM(r.right / 2, r.bottom / 4);
    SendMessageW(numberArrows->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, upper);
    SendMessageW(numberArrows->Handle(), WM_LBUTTONUP, 0, upper);
    EXPECT_EQ(number->Text(), L"43");
    EXPECT_EQ(numberArrows->Position(), 43);
  }
  FreeSkinManager();
}

}  // namespace
