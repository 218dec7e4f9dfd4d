// The viewer's list page: a report list view of four columns with mixed alignment and a hundred
// rows, a header control, horizontal and vertical scroll bars, and a scroll box whose content is
// larger than its view.
#include <string>

#include "skinview/viewer_form.h"
#include "skinview/viewer_pages.h"
#include "ui/headercontrol.h"
#include "ui/listview.h"
#include "ui/scrollbar.h"
#include "ui/scrollbox.h"
#include "ui/stdctrls.h"

namespace {

template <class T>
T* Place(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, int height) {
  auto* control = new T(&form);
  control->SetParent(&parent);
  control->SetBounds(left, top, width, height);
  return control;
}

TLabel* Note(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, const std::wstring& text) {
  auto* label = Place<TLabel>(form, parent, left, top, width, 18);
  label->SetAutoSize(false);
  // The skinned face of the page shows through.
  label->SetTransparent(true);
  label->SetCaption(text);
  return label;
}

void AddColumn(TListView& list, const wchar_t* caption, int width, TAlignment alignment) {
  TListColumn* column = list.Columns()->Add();
  column->SetCaption(caption);
  column->SetWidth(width);
  column->SetAlignment(alignment);
}

void AddSection(THeaderControl& header, const wchar_t* text, int width, TAlignment alignment, int minWidth) {
  THeaderSection* section = header.Sections()->Add();
  section->SetText(text);
  section->SetMinWidth(minWidth);
  section->SetWidth(width);
  section->SetAlignment(alignment);
}

// Sample rows: an address, a count, a place and a note, varied enough to show every column.
void FillRows(TListView& list) {
  static const wchar_t* const places[] = {L"北京", L"上海", L"广州", L"深圳", L"杭州",
                                          L"成都", L"武汉", L"西安", L"南京", L"重庆"};
  static const wchar_t* const notes[] = {L"电信", L"联通", L"移动", L"教育网", L"数据中心"};
  list.BeginUpdate();
  for (int i = 0; i < 100; ++i) {
    TListItem* item = list.Items()->Add();
    item->SetCaption(std::to_wstring(1 + i * 37 % 223) + L"." + std::to_wstring(i * 53 % 256) + L"." +
                     std::to_wstring(i * 7 % 256) + L"." + std::to_wstring(i + 1));
    item->SubItems()->SetStrings({std::to_wstring(i * 7919 % 5000), places[i % 10], notes[i % 5]});
  }
  list.EndUpdate();
}

void FillScrollBox(TSkinViewForm& form, TScrollBox& box) {
  Note(form, box, 8, 8, 300, L"滚动框的内容比它的可见区大：");
  for (int i = 0; i < 8; ++i) {
    const int top = 34 + i * 32;
    Note(form, box, 8, top + 3, 64, L"字段 " + std::to_wstring(i + 1) + L"：");
    Place<TEdit>(form, box, 76, top, 220, 21)->SetTextValue(L"第 " + std::to_wstring(i + 1) + L" 行的内容");
  }
  Place<TButton>(form, box, 76, 296, 120, 25)->SetCaption(L"滚动框里的按钮");
}

}  // namespace

void FillListsPage(TSkinViewForm& form, TTabSheet& page) {
  Note(form, page, 16, 8, 372, L"报表式列表：左、右、居中、左对齐四列，100 行：");
  auto* list = Place<TListView>(form, page, 16, 28, 372, 186);
  list->SetReadOnly(true);
  AddColumn(*list, L"地址", 110, TAlignment::taLeftJustify);
  AddColumn(*list, L"次数", 64, TAlignment::taRightJustify);
  AddColumn(*list, L"地区", 90, TAlignment::taCenter);
  AddColumn(*list, L"备注", 84, TAlignment::taLeftJustify);
  FillRows(*list);
  list->SetItemIndex(2);

  Note(form, page, 400, 8, 196, L"滚动框：");
  auto* box = Place<TScrollBox>(form, page, 400, 28, 196, 186);
  FillScrollBox(form, *box);

  Note(form, page, 16, 226, 580, L"标题栏控件：四节，可拖动分隔线改变宽度（每节最窄 40 像素）：");
  auto* header = Place<THeaderControl>(form, page, 16, 246, 580, 24);
  header->SetAlign(TAlign::alNone);
  header->SetBounds(16, 246, 580, 24);
  AddSection(*header, L"名称", 170, TAlignment::taLeftJustify, 40);
  AddSection(*header, L"大小", 100, TAlignment::taRightJustify, 40);
  AddSection(*header, L"类型", 140, TAlignment::taCenter, 40);
  AddSection(*header, L"修改日期", 150, TAlignment::taLeftJustify, 40);

  Note(form, page, 16, 282, 540, L"滚动条控件：水平和竖直，拖动或点击看它们的位置：");
  auto* horizontal = Place<TScrollBar>(form, page, 16, 306, 540, 17);
  horizontal->SetMax(100);
  horizontal->SetPageSize(10);
  horizontal->SetLargeChange(10);
  horizontal->SetPosition(30);
  auto* vertical = Place<TScrollBar>(form, page, 579, 282, 17, 80);
  vertical->SetKind(TScrollBarKind::sbVertical);
  vertical->SetBounds(579, 282, 17, 80);
  vertical->SetMax(100);
  vertical->SetPageSize(20);
  vertical->SetLargeChange(20);
  vertical->SetPosition(60);
  TLabel* positions = Note(form, page, 16, 334, 540, L"");
  auto show = [horizontal, vertical, positions](TObject*) {
    positions->SetCaption(L"水平位置：" + std::to_wstring(horizontal->Position()) + L"    竖直位置：" +
                          std::to_wstring(vertical->Position()));
  };
  horizontal->OnChange = show;
  vertical->OnChange = show;
  show(nullptr);
}
