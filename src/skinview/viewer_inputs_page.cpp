// The viewer's input page: memos with one and two scroll bars, a long list box, combo boxes of
// every style and a right-to-left one, an edit with up-down arrows, a date picker, progress bars
// at 0, 37 and 100 % lying and standing, track bars and up-downs both ways.
#include <string>

#include "skinview/viewer_form.h"
#include "skinview/viewer_pages.h"
#include "ui/combobox.h"
#include "ui/comctrls_range.h"
#include "ui/datetimepicker.h"
#include "ui/listbox.h"
#include "ui/stdctrls.h"

namespace {

// Columns and rows of the page's grid.
constexpr int kColumn[] = {16, 166, 316, 456};
constexpr int kColumnWidth = 140;

template <class T>
T* Place(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, int height) {
  auto* control = new T(&form);
  control->SetParent(&parent);
  control->SetBounds(left, top, width, height);
  return control;
}

void Note(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, const std::wstring& text) {
  auto* label = Place<TLabel>(form, parent, left, top, width, 18);
  label->SetAutoSize(false);
  label->SetCaption(text);
}

TComboBox* Combo(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, TComboBoxStyle style) {
  auto* combo = Place<TComboBox>(form, parent, left, top, width, 21);
  combo->SetStyle(style);
  for (int i = 1; i <= 50; ++i) combo->Items()->Add(L"第 " + std::to_wstring(i) + L" 项");
  return combo;
}

void ProgressBars(TSkinViewForm& form, TTabSheet& page, int top) {
  Note(form, page, kColumn[0], top, 290, L"进度条：0%、37%、100%，横的和竖的：");
  const int positions[] = {0, 37, 100};
  for (int i = 0; i < 3; ++i) {
    auto* lying = Place<TProgressBar>(form, page, kColumn[0], top + 24 + 28 * i, 200, 18);
    lying->SetPosition(positions[i]);
    auto* standing = Place<TProgressBar>(form, page, 236 + 26 * i, top + 24, 18, 74);
    standing->SetOrientation(TProgressBarOrientation::pbVertical);
    standing->SetBounds(236 + 26 * i, top + 24, 18, 74);
    standing->SetPosition(positions[i]);
  }
}

void TrackBars(TSkinViewForm& form, TTabSheet& page, int top) {
  Note(form, page, kColumn[2], top, 170, L"滑块：横的和竖的");
  auto* lying = Place<TTrackBar>(form, page, kColumn[2], top + 20, 170, 40);
  lying->SetMax(20);
  lying->SetPosition(7);
  auto* standing = Place<TTrackBar>(form, page, 500, top + 20, 40, 130);
  standing->SetOrientation(TTrackBarOrientation::trVertical);
  standing->SetBounds(500, top + 20, 40, 130);
  standing->SetMax(20);
  standing->SetPosition(13);

  Note(form, page, kColumn[2], top + 76, 170, L"上下按钮：竖的和横的");
  auto* upright = Place<TUpDown>(form, page, kColumn[2], top + 98, 17, 34);
  upright->SetPosition(5);
  auto* sideways = Place<TUpDown>(form, page, kColumn[2] + 30, top + 106, 34, 17);
  sideways->SetOrientation(TUDOrientation::udHorizontal);
  sideways->SetBounds(kColumn[2] + 30, top + 106, 34, 17);
}

}  // namespace

void FillInputsPage(TSkinViewForm& form, TTabSheet& page) {
  // Text fields with their scroll bars.
  Note(form, page, kColumn[0], 8, kColumnWidth, L"备注框：竖滚动条");
  auto* wrapped = Place<TMemo>(form, page, kColumn[0], 28, kColumnWidth, 96);
  wrapped->SetScrollBars(TScrollStyle::ssVertical);
  Note(form, page, kColumn[1], 8, kColumnWidth, L"备注框：两个滚动条");
  auto* wide = Place<TMemo>(form, page, kColumn[1], 28, kColumnWidth, 96);
  wide->SetScrollBars(TScrollStyle::ssBoth);
  wide->SetWordWrap(false);
  for (int i = 1; i <= 20; ++i) {
    const std::wstring line = L"第 " + std::to_wstring(i) + L" 行：一行很长的文字，用来看横向滚动条 " +
                              std::wstring(static_cast<size_t>(i % 4 + 1), L'＊') + L" The quick brown fox.";
    wrapped->Lines()->Add(line);
    wide->Lines()->Add(line);
  }
  Note(form, page, kColumn[2], 8, 130, L"列表框：200 项");
  auto* list = Place<TListBox>(form, page, kColumn[2], 28, 130, 96);
  for (int i = 1; i <= 200; ++i) list->Items()->Add(L"列表项 " + std::to_wstring(i));
  list->SetItemIndex(2);
  Note(form, page, kColumn[3], 8, kColumnWidth, L"简单组合框");
  auto* simple = Combo(form, page, kColumn[3], 28, kColumnWidth, TComboBoxStyle::csSimple);
  simple->SetHeight(96);
  simple->SetItemIndex(0);

  // Combo boxes, the picker and an edit with arrows.
  Note(form, page, kColumn[0], 136, kColumnWidth, L"可编辑组合框");
  Combo(form, page, kColumn[0], 156, kColumnWidth, TComboBoxStyle::csDropDown)->SetItemIndex(0);
  Note(form, page, kColumn[1], 136, kColumnWidth, L"只能选的组合框");
  Combo(form, page, kColumn[1], 156, kColumnWidth, TComboBoxStyle::csDropDownList)->SetItemIndex(1);
  Note(form, page, kColumn[2], 136, 130, L"从右到左");
  auto* mirrored = Combo(form, page, kColumn[2], 156, 130, TComboBoxStyle::csDropDownList);
  mirrored->SetBiDiMode(TBiDiMode::bdRightToLeft);
  mirrored->SetItemIndex(2);
  Note(form, page, kColumn[3], 136, kColumnWidth, L"日期");
  Place<TDateTimePicker>(form, page, kColumn[3], 156, kColumnWidth, 21);

  Note(form, page, kColumn[0], 190, 290, L"编辑框和它的上下按钮（0 到 99）：");
  auto* number = Place<TEdit>(form, page, kColumn[0], 210, 80, 21);
  auto* arrows = Place<TUpDown>(form, page, kColumn[0] + 80, 210, 17, 21);
  arrows->SetMax(99);
  arrows->SetPosition(42);
  arrows->SetAssociate(number);

  ProgressBars(form, page, 244);
  TrackBars(form, page, 190);
}
