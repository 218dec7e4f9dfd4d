// The skin viewer's list page under Wine: the report list with its hundred rows and columns of
// mixed alignment, the header control's sections, and a scroll box whose skinned content
// scrolls.
#include <gtest/gtest.h>

#include "skin/model/skin_data.h"
#include "skinview/viewer_form.h"
#include "ui/headercontrol.h"
#include "ui/listview.h"
#include "ui/pagecontrol.h"
#include "ui/scrollbar.h"
#include "ui/scrollbox.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/support/ui_test.h"

namespace {

constexpr int kSettle = 3 * kScheduleDelay;

template <class T>
std::vector<T*> ControlsOf(TWinControl& parent) {
  std::vector<T*> found;
  for (int i = 0; i < parent.ControlCount(); ++i) {
    if (auto* c = dynamic_cast<T*>(parent.Controls(i))) found.push_back(c);
  }
  return found;
}

int Justify(HWND header, int index) {
  HDITEMW item{};
  item.mask = HDI_FORMAT;
  SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return item.fmt & HDF_JUSTIFYMASK;
}

TEST(SkinViewLists, TheListPageShowsEveryListKindAndItsScrollBoxScrollsSkinnedContent) {
  TestApplication();
  TOwned<TSkinViewForm> form(new TSkinViewForm(nullptr, L""));
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpMessages(kSettle);
  int page = -1;
  for (int i = 0; i < form->Pages()->PageCount(); ++i)
    if (form->Pages()->Pages(i)->Caption() == L"列表") page = i;
  ASSERT_GE(page, 0);
  form->Pages()->SetActivePageIndex(page);
  PumpMessages(kSettle);
  TTabSheet& sheet = *form->Pages()->Pages(page);

  const auto lists = ControlsOf<TListView>(sheet);
  ASSERT_EQ(lists.size(), 1u);
  TListView& list = *lists[0];
  EXPECT_EQ(SendMessageW(list.Handle(), LVM_GETITEMCOUNT, 0, 0), 100);
  const HWND columns = list.HeaderHandle();
  ASSERT_EQ(SendMessageW(columns, HDM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(Justify(columns, 0), HDF_LEFT);
  EXPECT_EQ(Justify(columns, 1), HDF_RIGHT);
  EXPECT_EQ(Justify(columns, 2), HDF_CENTER);
  EXPECT_EQ(Justify(columns, 3), HDF_LEFT);

  const auto headers = ControlsOf<THeaderControl>(sheet);
  ASSERT_EQ(headers.size(), 1u);
  EXPECT_EQ(SendMessageW(headers[0]->Handle(), HDM_GETITEMCOUNT, 0, 0), 4);

  const auto bars = ControlsOf<TScrollBar>(sheet);
  ASSERT_EQ(bars.size(), 2u);
  EXPECT_NE(bars[0]->Kind(), bars[1]->Kind());

  const auto boxes = ControlsOf<TScrollBox>(sheet);
  ASSERT_EQ(boxes.size(), 1u);
  TScrollBox& box = *boxes[0];
  const LONG_PTR style = GetWindowLongPtrW(box.Handle(), GWL_STYLE);
  EXPECT_NE(style & WS_VSCROLL, 0);
  EXPECT_NE(style & WS_HSCROLL, 0);
  EXPECT_EQ(box.Perform(SKINMSG_QUERY), 1);
  const auto edits = ControlsOf<TEdit>(box);
  ASSERT_FALSE(edits.empty());
  // Discovery reaches the content of the box.
  for (TEdit* edit : edits) EXPECT_EQ(edit->Perform(SKINMSG_QUERY), 1);
  const int top = edits[0]->Top();
  SendMessageW(box.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(edits[0]->Top(), top - box.VertScrollBar()->Increment());
}

}  // namespace
