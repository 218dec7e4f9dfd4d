// The list view under Wine: columns and rows in the window and kept through a new one, the
// header's item formats, selection by the platform's mouse and keyboard, column clicks on the
// real header, bulk filling, and a form description.
#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/listview.h"
#include "win/support/ui_test.h"

namespace {

class ListViewTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    form.reset(new TForm(nullptr));
    form->SetBounds(40, 40, 520, 400);
    form->Show();
  }
  TListView* Make(int left, int top, int width, int height) {
    auto* list = new TListView(form.get());
    list->SetParent(form.get());
    list->SetBounds(left, top, width, height);
    return list;
  }
  TOwned<TForm> form;
};

void AddColumn(TListView& list, const std::wstring& caption, int width, TAlignment alignment) {
  TListColumn* column = list.Columns()->Add();
  column->SetCaption(caption);
  column->SetWidth(width);
  column->SetAlignment(alignment);
}

TListItem* AddRow(TListView& list, const std::wstring& caption, const std::vector<std::wstring>& subItems) {
  TListItem* item = list.Items()->Add();
  item->SetCaption(caption);
  item->SubItems()->SetStrings(subItems);
  return item;
}

std::wstring CellText(TListView& list, int row, int column) {
  wchar_t buffer[128] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = 128;
  SendMessageW(list.Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

int RowCount(TListView& list) {
  return static_cast<int>(SendMessageW(list.Handle(), LVM_GETITEMCOUNT, 0, 0));
}

HDITEMW HeaderItem(HWND header, int index, wchar_t* text = nullptr) {
  HDITEMW item{};
  item.mask = HDI_FORMAT | HDI_WIDTH | (text ? HDI_TEXT : 0);
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return item;
}

void Click(HWND window, POINT p) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

void Key(HWND window, WPARAM key) {
  SendMessageW(window, WM_KEYDOWN, key, 1);
  SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

POINT RowPoint(TListView& list, int row) {
  RECT r{};
  r.left = LVIR_LABEL;
  SendMessageW(list.Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  return POINT{r.left + 4, (r.top + r.bottom) / 2};
}

TEST_F(ListViewTest, ColumnsAndRowsMadeBeforeTheWindowReachItAndSurviveANewOne) {
  auto* list = new TListView(form.get());  // no window yet: the control keeps everything
  list->SetBounds(8, 8, 480, 200);
  AddColumn(*list, L"地址", 120, TAlignment::taRightJustify);
  AddColumn(*list, L"次数", 70, TAlignment::taRightJustify);
  AddColumn(*list, L"地区", 110, TAlignment::taCenter);
  AddColumn(*list, L"备注", 90, TAlignment::taLeftJustify);
  AddRow(*list, L"1.2.3.4", {L"17", L"北京", L"甲"});
  AddRow(*list, L"5.6.7.8", {L"3"});  // fewer sub-items than columns: the rest stay empty
  list->Items()->Items(1)->SetSelected(true);
  list->SetParent(form.get());

  ASSERT_EQ(RowCount(*list), 2);
  EXPECT_EQ(CellText(*list, 0, 0), L"1.2.3.4");
  EXPECT_EQ(CellText(*list, 0, 2), L"北京");
  EXPECT_EQ(CellText(*list, 1, 1), L"3");
  EXPECT_EQ(CellText(*list, 1, 3), L"");
  EXPECT_EQ(list->ItemIndex(), 1);

  // The header carries each column's alignment; the first column is shown left whatever it
  // asked for, but keeps the value it was given.
  const HWND header = list->HeaderHandle();
  ASSERT_NE(header, nullptr);
  ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 4);
  wchar_t text[64] = {};
  const HDITEMW first = HeaderItem(header, 0, text);
  EXPECT_EQ(first.fmt & HDF_JUSTIFYMASK, HDF_LEFT);
  EXPECT_STREQ(text, L"地址");
  EXPECT_EQ(first.cxy, 120);
  EXPECT_EQ(HeaderItem(header, 1).fmt & HDF_JUSTIFYMASK, HDF_RIGHT);
  EXPECT_EQ(HeaderItem(header, 2).fmt & HDF_JUSTIFYMASK, HDF_CENTER);
  EXPECT_EQ(HeaderItem(header, 3).fmt & HDF_JUSTIFYMASK, HDF_LEFT);
  EXPECT_EQ(list->Column(0)->Alignment(), TAlignment::taRightJustify);

  // Changes once the window exists go to the window.
  TListItem* added = AddRow(*list, L"9.9.9.9", {L"1", L"上海", L"乙"});
  added->SubItems()->Put(1, L"广州");
  list->Items()->Insert(0)->SetCaption(L"0.0.0.0");
  list->Items()->Delete(2);  // 5.6.7.8
  list->Column(2)->SetAlignment(TAlignment::taRightJustify);
  list->Column(3)->SetCaption(L"说明");
  ASSERT_EQ(RowCount(*list), 3);
  EXPECT_EQ(CellText(*list, 0, 0), L"0.0.0.0");
  EXPECT_EQ(CellText(*list, 1, 2), L"北京");
  EXPECT_EQ(CellText(*list, 2, 2), L"广州");
  EXPECT_EQ(HeaderItem(header, 2).fmt & HDF_JUSTIFYMASK, HDF_RIGHT);
  EXPECT_EQ(added->Index(), 2);
  added->SetSelected(true);
  EXPECT_EQ(list->Selected(), added);

  // The user's column width and selection, the rows and their texts survive a new window.
  SendMessageW(list->Handle(), LVM_SETCOLUMNWIDTH, 1, 95);
  EXPECT_EQ(list->Column(1)->Width(), 95);
  list->SetBorderStyle(TBorderStyle::bsNone);
  EXPECT_EQ(GetWindowLongPtrW(list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  ASSERT_EQ(RowCount(*list), 3);
  EXPECT_EQ(CellText(*list, 2, 0), L"9.9.9.9");
  EXPECT_EQ(CellText(*list, 2, 3), L"乙");
  EXPECT_EQ(SendMessageW(list->Handle(), LVM_GETCOLUMNWIDTH, 1, 0), 95);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->SelCount(), 1);
  wchar_t renamed[64] = {};
  HeaderItem(list->HeaderHandle(), 3, renamed);
  EXPECT_STREQ(renamed, L"说明");

  EXPECT_THROW(list->Items()->Delete(7), std::out_of_range);
  EXPECT_THROW(list->Items()->Insert(-1), std::out_of_range);
  EXPECT_EQ(RowCount(*list), 3);
}

TEST_F(ListViewTest, TheUserSelectsRowsByMouseAndKeyboardAndEachChangeIsToldOnce) {
  auto* list = Make(8, 8, 400, 220);
  list->SetReadOnly(true);
  AddColumn(*list, L"名称", 150, TAlignment::taLeftJustify);
  AddColumn(*list, L"值", 80, TAlignment::taRightJustify);
  for (int i = 0; i < 40; ++i) AddRow(*list, L"行 " + std::to_wstring(i), {std::to_wstring(i * 10)});

  std::vector<std::pair<int, bool>> told;
  list->OnSelectItem = [&](TObject* sender, TListItem* item, bool selected) {
    EXPECT_EQ(sender, list);
    told.emplace_back(item->Index(), selected);
  };
  list->SetItemIndex(1);
  EXPECT_TRUE(told.empty());  // the program's own choice is not the user's
  EXPECT_EQ(list->ItemIndex(), 1);

  Click(list->Handle(), RowPoint(*list, 3));
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(list->SelCount(), 1);
  EXPECT_EQ(told, (std::vector<std::pair<int, bool>>{{1, false}, {3, true}}));

  // Full-row selection: a click on a sub-item's cell chooses the row as well.
  RECT cell{};
  cell.top = 1;
  cell.left = LVIR_BOUNDS;
  SendMessageW(list->Handle(), LVM_GETSUBITEMRECT, 5, reinterpret_cast<LPARAM>(&cell));
  Click(list->Handle(), POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
  EXPECT_EQ(list->ItemIndex(), 5);

  told.clear();
  list->SetFocus();
  Key(list->Handle(), VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 6);
  EXPECT_EQ(told, (std::vector<std::pair<int, bool>>{{5, false}, {6, true}}));
  Key(list->Handle(), VK_END);
  EXPECT_EQ(list->ItemIndex(), 39);
  Key(list->Handle(), VK_HOME);
  EXPECT_EQ(list->ItemIndex(), 0);
  Key(list->Handle(), VK_NEXT);  // a page further down, more than one row
  EXPECT_GT(list->ItemIndex(), 1);
  EXPECT_EQ(list->SelCount(), 1);

  list->SetItemIndex(-1);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->Selected(), nullptr);
}

TEST_F(ListViewTest, AClickOnTheHeaderIsOneColumnClick) {
  auto* list = Make(8, 8, 400, 200);
  AddColumn(*list, L"一", 100, TAlignment::taLeftJustify);
  AddColumn(*list, L"二", 100, TAlignment::taCenter);
  AddColumn(*list, L"三", 100, TAlignment::taRightJustify);
  AddRow(*list, L"a", {L"b", L"c"});
  std::vector<TListColumn*> clicked;
  list->OnColumnClick = [&](TObject* sender, TListColumn* column) {
    EXPECT_EQ(sender, list);
    clicked.push_back(column);
  };
  const HWND header = list->HeaderHandle();
  RECT r{};
  SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.left, 100);
  Click(header, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  ASSERT_EQ(clicked.size(), 1u);
  EXPECT_EQ(clicked[0], list->Column(1));
  SendMessageW(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  Click(header, POINT{r.left + 10, (r.top + r.bottom) / 2});
  ASSERT_EQ(clicked.size(), 2u);
  EXPECT_EQ(clicked[1], list->Column(2));
}

TEST_F(ListViewTest, RowsAddedInAnUpdateReachTheWindowOnceAtTheEnd) {
  auto* list = Make(8, 8, 400, 200);
  AddColumn(*list, L"地址", 120, TAlignment::taLeftJustify);
  AddColumn(*list, L"次数", 60, TAlignment::taRightJustify);
  AddRow(*list, L"先有的", {L"0"});
  list->Items()->Items(0)->SetSelected(true);
  list->BeginUpdate();
  list->BeginUpdate();
  for (int i = 0; i < 1000; ++i)
    AddRow(*list, L"10.0." + std::to_wstring(i / 256) + L"." + std::to_wstring(i % 256), {std::to_wstring(i)});
  list->EndUpdate();
  EXPECT_EQ(RowCount(*list), 1);  // still inside the outer update
  EXPECT_EQ(list->ItemIndex(), 0);
  list->EndUpdate();
  ASSERT_EQ(RowCount(*list), 1001);
  EXPECT_EQ(CellText(*list, 1000, 0), L"10.0.3.231");
  EXPECT_EQ(CellText(*list, 1000, 1), L"999");
  EXPECT_EQ(list->ItemIndex(), 0);
  // Redrawing is on again: a later row appears without any further call.
  AddRow(*list, L"last", {L"x"});
  EXPECT_EQ(CellText(*list, 1001, 1), L"x");
  EXPECT_TRUE(IsWindowVisible(list->Handle()));
}

TEST_F(ListViewTest, ADescriptionMakesTheListWithColumnsRowsAndChoices) {
  ReadComponentText(form.get(), R"(object Form1: TForm
  Width = 500
  Height = 300
  object ListView1: TListView
    Left = 8
    Top = 8
    Width = 460
    Height = 200
    Columns = <
      item
        Caption = '地址'
        Width = 140
      end
      item
        Alignment = taRightJustify
        Caption = '次数'
        Width = 60
      end
      item
        Alignment = taCenter
        Caption = '地区'
        Width = 100
      end>
    Items = <
      item
        Caption = '1.1.1.1'
        SubItems.Strings = ('5' '杭州')
      end
      item
        Caption = '2.2.2.2'
        SubItems.Strings = ('7' '成都')
      end>
    ItemIndex = 1
    GridLines = True
    RowSelect = False
    ReadOnly = True
    ViewStyle = vsReport
  end
end
)");
  auto* list = dynamic_cast<TListView*>(form->FindComponent("ListView1"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(RowCount(*list), 2);
  EXPECT_EQ(CellText(*list, 1, 2), L"成都");
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Column(1)->Width(), 60);
  EXPECT_EQ(HeaderItem(list->HeaderHandle(), 2).fmt & HDF_JUSTIFYMASK, HDF_CENTER);
  const DWORD extended = static_cast<DWORD>(SendMessageW(list->Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_NE(extended & LVS_EX_GRIDLINES, 0u);
  EXPECT_EQ(extended & LVS_EX_FULLROWSELECT, 0u);
  const LONG_PTR style = GetWindowLongPtrW(list->Handle(), GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_EQ(style & LVS_EDITLABELS, 0);
  EXPECT_NE(style & LVS_SHOWSELALWAYS, 0);
  // What the skinners read by name.
  EXPECT_EQ(FindPropInfo(list, "BorderStyle")->ValueText(*list), "bsSingle");
  EXPECT_NE(GetWindowLongPtrW(list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
}

}  // namespace
