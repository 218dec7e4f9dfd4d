// List and combo boxes under Wine: items in and out of the window, selection by the platform's
// mouse and keyboard messages (one event per change), every combo style opened and chosen from,
// and the state that survives a window made anew.
#include <gtest/gtest.h>

#include "ui/combobox.h"
#include "ui/form.h"
#include "ui/listbox.h"
#include "win/support/ui_test.h"

namespace {

class ListComboTest : public ::testing::Test {
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

void Click(HWND window, POINT p) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

void Key(HWND window, WPARAM key) {
  SendMessageW(window, WM_KEYDOWN, key, 1);
  SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

COMBOBOXINFO InfoOf(TComboBox& combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo.Handle(), &info);
  return info;
}

TEST_F(ListComboTest, ListItemsLiveInTheWindowAndSurviveANewWindow) {
  auto* list = Make<TListBox>(8, 8);
  auto* before = new TListBox(form.get());  // no window yet: the items are kept by the control
  before->Items()->SetStrings({L"乙", L"甲"});
  before->SetItemIndex(1);
  before->SetParent(form.get());
  EXPECT_EQ(SendMessageW(before->Handle(), LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(before->Handle(), LB_GETCURSEL, 0, 0), 1);

  TObject marker;
  list->Items()->SetStrings({L"alpha", L"中文项", L"gamma"});
  list->Items()->PutObject(1, &marker);
  list->Items()->Insert(0, L"first");
  list->Items()->Delete(3);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(list->Items()->ToVector(), (std::vector<std::wstring>{L"first", L"alpha", L"中文项"}));
  list->SetItemIndex(2);

  list->SetBorderStyle(TBorderStyle::bsNone);  // a new window
  EXPECT_EQ(GetWindowLongPtrW(list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(list->Items()->ToVector(), (std::vector<std::wstring>{L"first", L"alpha", L"中文项"}));
  EXPECT_EQ(list->Items()->Objects(2), &marker);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0), 2);

  // Sorting puts the items in order now and every later one where it belongs.
  list->SetSorted(true);
  EXPECT_EQ(list->Items()->ToVector(), (std::vector<std::wstring>{L"alpha", L"first", L"中文项"}));
  EXPECT_EQ(list->Items()->Add(L"beta"), 1);
  EXPECT_EQ(list->Items()->Get(1), L"beta");
  EXPECT_THROW(list->Items()->Delete(9), std::out_of_range);
}

TEST_F(ListComboTest, TheUsersChoiceInAListClicksOncePerChange) {
  auto* list = Make<TListBox>(8, 8);
  list->Items()->SetStrings({L"a", L"b", L"c", L"d"});
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  list->SetItemIndex(0);
  EXPECT_EQ(clicks, 0);  // the program's own choice is no click

  RECT item{};
  SendMessageW(list->Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  Click(list->Handle(), POINT{item.left + 3, (item.top + item.bottom) / 2});
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  Key(list->Handle(), VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(clicks, 2);
  Key(list->Handle(), VK_DOWN);  // already the last: nothing changes
  EXPECT_EQ(clicks, 2);
}

TEST_F(ListComboTest, AMultiSelectListKeepsItsSelectionThroughANewWindow) {
  auto* list = Make<TListBox>(8, 8);
  list->Items()->SetStrings({L"a", L"b", L"c", L"d"});
  list->SetMultiSelect(true);
  EXPECT_NE(GetWindowLongPtrW(list->Handle(), GWL_STYLE) & LBS_EXTENDEDSEL, 0);
  list->SetSelected(1, true);
  list->SetSelected(3, true);
  EXPECT_EQ(list->SelCount(), 2);
  list->SetBorderStyle(TBorderStyle::bsNone);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETSELCOUNT, 0, 0), 2);
  EXPECT_TRUE(list->Selected(1));
  EXPECT_FALSE(list->Selected(2));
  EXPECT_TRUE(list->Selected(3));
}

TEST_F(ListComboTest, EveryComboStyleOpensAndChoosesByKeyboardWithOneChange) {
  for (TComboBoxStyle style : {TComboBoxStyle::csDropDown, TComboBoxStyle::csSimple, TComboBoxStyle::csDropDownList}) {
    SCOPED_TRACE(static_cast<int>(style));
    auto* combo = Make<TComboBox>(8, 8);
    combo->SetStyle(style);
    if (style == TComboBoxStyle::csSimple) combo->SetHeight(150);
    for (int i = 0; i < 50; ++i) combo->Items()->Add(L"项目 " + std::to_wstring(i));
    combo->SetItemIndex(4);
    int changes = 0, drops = 0, closes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->OnDropDown = [&](TObject*) { ++drops; };
    combo->OnCloseUp = [&](TObject*) { ++closes; };
    EXPECT_EQ(combo->Text(), L"项目 4");
    EXPECT_EQ(changes, 0);

    const COMBOBOXINFO info = InfoOf(*combo);
    if (style != TComboBoxStyle::csSimple) {
      combo->SetDroppedDown(true);
      EXPECT_TRUE(combo->DroppedDown());
      EXPECT_EQ(drops, 1);
      EXPECT_TRUE(IsWindowVisible(info.hwndList));
      // The open list shows DropDownCount items, not one.
      RECT listRect{};
      GetWindowRect(info.hwndList, &listRect);
      const auto itemHeight = static_cast<int>(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0));
      EXPECT_GE(listRect.bottom - listRect.top, 6 * itemHeight);
    } else {
      EXPECT_TRUE(IsWindowVisible(info.hwndList));
    }
    const HWND keys = combo->Handle();
    Key(keys, VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 5);
    EXPECT_EQ(changes, 1);
    if (style != TComboBoxStyle::csSimple) {
      Key(keys, VK_RETURN);
      EXPECT_FALSE(combo->DroppedDown());
      EXPECT_EQ(closes, 1);
    }
    EXPECT_EQ(combo->ItemIndex(), 5);
    EXPECT_EQ(combo->Text(), L"项目 5");
    EXPECT_EQ(changes, 1);
    combo->Free();
  }
}

TEST_F(ListComboTest, TypingChangesOnceAndTheProgramsTextChangesNothing) {
  auto* combo = Make<TComboBox>(8, 8);
  combo->Items()->SetStrings({L"北京", L"上海"});
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  combo->SetTextValue(L"广");
  combo->SetItemIndex(1);
  EXPECT_EQ(changes, 0);
  const HWND edit = InfoOf(*combo).hwndItem;
  ASSERT_NE(edit, nullptr);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_CHAR, L'州', 1);
  EXPECT_EQ(combo->Text(), L"州");
  EXPECT_EQ(changes, 1);
}

TEST_F(ListComboTest, ComboItemsIndexAndTypedTextSurviveEveryStyleChange) {
  auto* combo = Make<TComboBox>(8, 8);
  combo->Items()->SetStrings({L"one", L"two", L"三"});
  combo->SetItemIndex(2);
  combo->SetStyle(TComboBoxStyle::csSimple);
  EXPECT_EQ(GetWindowLongPtrW(combo->Handle(), GWL_STYLE) & 3, CBS_SIMPLE);
  EXPECT_EQ(combo->Items()->ToVector(), (std::vector<std::wstring>{L"one", L"two", L"三"}));
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), L"三");

  combo->SetTextValue(L"typed");
  combo->SetStyle(TComboBoxStyle::csDropDown);
  EXPECT_EQ(combo->Text(), L"typed");

  // A list-only combo shows items only: a text selects its item or none.
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  EXPECT_EQ(GetWindowLongPtrW(combo->Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  combo->SetTextValue(L"TWO");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), L"two");
  combo->SetTextValue(L"none of them");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), L"");

  combo->SetSorted(true);
  EXPECT_NE(GetWindowLongPtrW(combo->Handle(), GWL_STYLE) & CBS_SORT, 0);
  EXPECT_EQ(combo->Items()->Add(L"a"), 0);
}

}  // namespace
