// The viewer's check page: check boxes (unchecked, checked, grayed, disabled, caption on the
// left, right to left), radio buttons, a radio group in two columns and a group of check boxes.
#include <string>

#include "skinview/viewer_form.h"
#include "skinview/viewer_pages.h"
#include "ui/checkbox.h"
#include "ui/extctrls.h"
#include "ui/groupbox.h"

namespace {

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
  // The page's skinned face shows through, not the system's face colour.
  label->SetTransparent(true);
  label->SetCaption(text);
}

TCheckBox* Check(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, const std::wstring& caption,
                 TCheckBoxState state, bool enabled = true) {
  auto* box = Place<TCheckBox>(form, parent, left, top, width, 20);
  box->SetCaption(caption);
  box->SetAllowGrayed(state == TCheckBoxState::cbGrayed);
  box->SetState(state);
  box->SetEnabled(enabled);
  return box;
}

TRadioButton* Radio(TSkinViewForm& form, TWinControl& parent, int left, int top, int width,
                    const std::wstring& caption, bool checked, bool enabled = true) {
  auto* radio = Place<TRadioButton>(form, parent, left, top, width, 20);
  radio->SetCaption(caption);
  radio->SetChecked(checked);
  radio->SetEnabled(enabled);
  return radio;
}

}  // namespace

void FillChecksPage(TSkinViewForm& form, TTabSheet& page) {
  Note(form, page, 16, 10, 580, L"复选框（空格键或单击切换；“灰色”一项可在三种状态间循环）：");
  Check(form, page, 16, 32, 110, L"未选中(&U)", TCheckBoxState::cbUnchecked);
  Check(form, page, 126, 32, 110, L"已选中", TCheckBoxState::cbChecked);
  Check(form, page, 236, 32, 110, L"灰色（三态）", TCheckBoxState::cbGrayed);
  Check(form, page, 346, 32, 110, L"不可用", TCheckBoxState::cbUnchecked, false);
  Check(form, page, 456, 32, 130, L"不可用且选中", TCheckBoxState::cbChecked, false);
  Check(form, page, 16, 58, 150, L"文字在左边", TCheckBoxState::cbChecked)->SetAlignment(TAlignment::taLeftJustify);
  auto* rtl = Check(form, page, 236, 58, 150, L"从右到左", TCheckBoxState::cbUnchecked);
  rtl->SetBiDiMode(TBiDiMode::bdRightToLeft);
  Check(form, page, 456, 58, 130, L"不可用且灰色", TCheckBoxState::cbGrayed, false);

  Note(form, page, 16, 92, 580, L"单选框（同一容器里只有一个被选中）：");
  Radio(form, page, 16, 114, 110, L"选项一", true);
  Radio(form, page, 126, 114, 110, L"选项二", false);
  Radio(form, page, 236, 114, 110, L"不可用", false, false);
  // A second set in a frameless panel, so its checked button does not uncheck the first set.
  auto* second = Place<TPanel>(form, page, 346, 110, 250, 50);
  second->SetBevelOuter(TBevelCut::bvNone);
  second->SetCaption(L"");
  Radio(form, *second, 0, 4, 120, L"文字在左边", false)->SetAlignment(TAlignment::taLeftJustify);
  Radio(form, *second, 124, 4, 126, L"不可用且选中", true, false);

  auto* group = Place<TRadioGroup>(form, page, 16, 170, 280, 120);
  group->SetCaption(L"单选组（两列，方向键移动）");
  for (const wchar_t* item : {L"北京", L"上海", L"广州", L"深圳", L"杭州"}) group->Items()->Add(item);
  group->SetColumns(2);
  group->SetItemIndex(1);

  auto* checks = Place<TGroupBox>(form, page, 316, 170, 280, 120);
  checks->SetCaption(L"复选组");
  Check(form, *checks, 12, 24, 250, L"显示国家", TCheckBoxState::cbChecked);
  Check(form, *checks, 12, 50, 250, L"显示地区", TCheckBoxState::cbUnchecked);
  Check(form, *checks, 12, 76, 250, L"部分显示（灰色）", TCheckBoxState::cbGrayed);

  Note(form, page, 16, 304, 580, L"复选框和单选框的方框来自皮肤的 CheckButton 与 RadioButton 图片，文字由换肤引擎画出。");
}
