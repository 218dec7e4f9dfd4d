// The skin viewer's check and container pages under Wine: every check box, radio button, radio
// group, group box, panel and status bar on them is drawn by its skinner once the page is shown.
#include <gtest/gtest.h>

#include "base/codec.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "skinview/viewer_form.h"
#include "ui/checkbox.h"
#include "ui/extctrls.h"
#include "ui/groupbox.h"
#include "ui/pagecontrol.h"
#include "ui/skin_messages.h"
#include "ui/statusbar.h"
#include "win/support/ui_test.h"

namespace {

constexpr int kSettle = 3 * kScheduleDelay;

struct TCounts {
  int Checks = 0, Radios = 0, Groups = 0, RadioGroups = 0, Panels = 0, Bars = 0;
};

// Counts the kinds on a page and expects each to answer the skin query.
void CountSkinned(TWinControl* parent, TCounts& counts) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    int* count = dynamic_cast<TCheckBox*>(c)      ? &counts.Checks
                 : dynamic_cast<TRadioButton*>(c) ? &counts.Radios
                 : dynamic_cast<TRadioGroup*>(c)  ? &counts.RadioGroups
                 : dynamic_cast<TGroupBox*>(c)    ? &counts.Groups
                 : dynamic_cast<TPanel*>(c)       ? &counts.Panels
                 : dynamic_cast<TStatusBar*>(c)   ? &counts.Bars
                                                  : nullptr;
    if (count) {
      SCOPED_TRACE(WideToUtf8(c->Caption()));
      ++*count;
      EXPECT_EQ(c->Perform(SKINMSG_QUERY), 1);
    }
    if (auto* windowed = dynamic_cast<TWinControl*>(c)) CountSkinned(windowed, counts);
  }
}

TCounts ShowPage(TSkinViewForm& form, const wchar_t* caption) {
  int page = -1;
  for (int i = 0; i < form.Pages()->PageCount(); ++i)
    if (form.Pages()->Pages(i)->Caption() == caption) page = i;
  EXPECT_GE(page, 0);
  TCounts counts;
  if (page < 0) return counts;
  form.Pages()->SetActivePageIndex(page);
  PumpMessages(kSettle);
  CountSkinned(form.Pages()->Pages(page), counts);
  return counts;
}

TEST(SkinViewChecks, EveryCheckAndContainerControlIsSkinned) {
  TestApplication();
  {
    TOwned<TSkinViewForm> form(new TSkinViewForm(nullptr, L""));
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpMessages(kSettle);

    const TCounts checks = ShowPage(*form, L"复选");
    EXPECT_EQ(checks.Checks, 11);
    EXPECT_EQ(checks.Radios, 5 + 5);  // five on the page, five of the radio group
    EXPECT_EQ(checks.RadioGroups, 1);
    EXPECT_EQ(checks.Groups, 1);
    EXPECT_EQ(checks.Panels, 1);

    const TCounts containers = ShowPage(*form, L"容器");
    EXPECT_EQ(containers.Panels, 4);
    EXPECT_EQ(containers.Groups, 2);
    EXPECT_EQ(containers.Bars, 3);
    // The viewer's own status bar too.
    EXPECT_EQ(form->StatusBar()->Perform(SKINMSG_QUERY), 1);
  }
  FreeSkinManager();
}

}  // namespace
