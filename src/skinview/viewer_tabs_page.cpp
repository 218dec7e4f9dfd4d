// The viewer's tab page: page controls with their tabs on each of the four sides, button-style
// tabs, a tab control with more tabs than fit (its arrows appear), and a page control whose
// tabs carry close boxes.
#include <string>

#include "skin/controls/skin_tab.h"
#include "skinview/viewer_form.h"
#include "skinview/viewer_pages.h"
#include "ui/pagecontrol.h"
#include "ui/stdctrls.h"

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
  label->SetCaption(text);
}

// A page control of three pages, each saying where its tabs are.
TPageControl* Pages(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, int height,
                    TTabPosition position, TTabStyle style, const std::wstring& where, int count = 3) {
  auto* pages = Place<TPageControl>(form, parent, left, top, width, height);
  pages->SetTabPosition(position);
  pages->SetStyle(style);
  for (int i = 0; i < count; ++i) {
    auto* sheet = new TTabSheet(&form);
    sheet->SetParent(pages);
    sheet->SetCaption(L"页" + std::to_wstring(i + 1));
    auto* text = new TLabel(&form);
    text->SetParent(sheet);
    text->SetBounds(8, 8, 150, 18);
    text->SetCaption(where + L"，第 " + std::to_wstring(i + 1) + L" 页");
  }
  pages->SetActivePageIndex(0);
  return pages;
}

}  // namespace

void FillTabsPage(TSkinViewForm& form, TTabSheet& page) {
  Note(form, page, 16, 8, 600, L"标签在四边（点标签或 Ctrl+Tab 换页）：");
  Pages(form, page, 16, 28, 190, 110, TTabPosition::tpTop, TTabStyle::tsTabs, L"标签在上");
  Pages(form, page, 216, 28, 190, 110, TTabPosition::tpBottom, TTabStyle::tsTabs, L"标签在下");
  Pages(form, page, 416, 28, 190, 110, TTabPosition::tpLeft, TTabStyle::tsTabs, L"标签在左");
  Pages(form, page, 16, 148, 190, 110, TTabPosition::tpRight, TTabStyle::tsTabs, L"标签在右");
  Pages(form, page, 216, 148, 190, 110, TTabPosition::tpTop, TTabStyle::tsButtons, L"按钮式标签");
  auto* closing = Pages(form, page, 416, 148, 190, 110, TTabPosition::tpTop, TTabStyle::tsTabs, L"点 × 关闭此页", 4);
  // Close boxes on the tabs of this page control.
  closing->SetTag(kCloseBoxTag);

  Note(form, page, 16, 268, 600, L"15 个标签的标签控件（放不下时出现箭头）：");
  auto* tabs = Place<TTabControl>(form, page, 16, 288, 590, 70);
  for (int i = 1; i <= 15; ++i) tabs->Tabs()->Add(L"标签 " + std::to_wstring(i));
  auto* shown = new TLabel(&form);
  shown->SetParent(tabs);
  shown->SetBounds(12, 36, 300, 18);
  shown->SetCaption(L"当前：标签 1");
  tabs->OnChange = [tabs, shown](TObject*) {
    shown->SetCaption(L"当前：" + tabs->Tabs()->Get(tabs->TabIndex()));
  };
}
