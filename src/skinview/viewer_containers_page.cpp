// The viewer's container page: panels with their bevels (with and without the parent's
// background), group boxes left to right and right to left, and status bars in simple mode
// and in panel mode with lowered, raised, flat and owner-drawn panels and a size grip.
#include <string>

#include "skinview/viewer_form.h"
#include "skinview/viewer_pages.h"
#include "ui/extctrls.h"
#include "ui/gdi.h"
#include "ui/groupbox.h"
#include "ui/statusbar.h"

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

TStatusBar* Bar(TSkinViewForm& form, TWinControl& parent, int top) {
  auto* bar = new TStatusBar(&form);
  bar->SetParent(&parent);
  bar->SetAlign(TAlign::alNone);
  bar->SetBounds(16, top, 580, 22);
  return bar;
}

void AddPanel(TStatusBar& bar, int width, TStatusPanelBevel bevel, TAlignment alignment, const std::wstring& text,
              TStatusPanelStyle style = TStatusPanelStyle::psText) {
  auto* panel = static_cast<TStatusPanel*>(bar.Panels()->Add());
  panel->SetWidth(width);
  panel->SetBevel(bevel);
  panel->SetAlignment(alignment);
  panel->SetText(text);
  panel->SetStyle(style);
}

}  // namespace

void FillContainersPage(TSkinViewForm& form, TTabSheet& page) {
  struct PanelSample {
    const wchar_t* Caption;
    TBevelCut Outer;
    TBevelCut Inner;
    bool ParentBackground;
  };
  const PanelSample panels[] = {
      {L"凸起的面板", TBevelCut::bvRaised, TBevelCut::bvNone, true},
      {L"凹下的面板", TBevelCut::bvLowered, TBevelCut::bvNone, true},
      {L"双层斜边", TBevelCut::bvRaised, TBevelCut::bvLowered, true},
      {L"不用父背景", TBevelCut::bvRaised, TBevelCut::bvNone, false},
  };
  Note(form, page, 16, 8, 580, L"面板（换肤时取皮肤的 ButtonFace 颜色；前三个原本透出父窗口的背景）：");
  int left = 16;
  for (const PanelSample& sample : panels) {
    auto* panel = Place<TPanel>(form, page, left, 28, 136, 50);
    panel->SetBevelOuter(sample.Outer);
    panel->SetBevelInner(sample.Inner);
    panel->SetParentBackground(sample.ParentBackground);
    panel->SetCaption(sample.Caption);
    left += 148;
  }

  auto* group = Place<TGroupBox>(form, page, 16, 90, 284, 84);
  group->SetCaption(L"分组框（从左到右）");
  Note(form, *group, 12, 28, 260, L"分组框的圆角边框和标题由皮肤画出。");
  auto* rtl = Place<TGroupBox>(form, page, 312, 90, 284, 84);
  rtl->SetBiDiMode(TBiDiMode::bdRightToLeft);
  rtl->SetCaption(L"分组框（从右到左）");
  Note(form, *rtl, 12, 28, 260, L"标题在右边，离边框 8 个像素。");

  Note(form, page, 16, 186, 580, L"状态栏：简单模式；分栏模式（凹下、凸起、无边框、自绘），右下角有尺寸把手：");
  auto* simple = Bar(form, page, 208);
  simple->SetSizeGrip(false);
  simple->SetSimplePanel(true);
  simple->SetSimpleText(L"简单模式的状态栏文字");

  auto* panelled = Bar(form, page, 242);
  AddPanel(*panelled, 150, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, L"凹下，左对齐");
  AddPanel(*panelled, 150, TStatusPanelBevel::pbRaised, TAlignment::taCenter, L"凸起，居中");
  AddPanel(*panelled, 150, TStatusPanelBevel::pbNone, TAlignment::taRightJustify, L"无边框，右对齐");
  AddPanel(*panelled, 130, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, L"", TStatusPanelStyle::psOwnerDraw);
  panelled->OnDrawPanel = [](TStatusBar* bar, TStatusPanel* panel, const RECT& r) {
    if (panel->Style() != TStatusPanelStyle::psOwnerDraw) return;
    TCanvas& canvas = bar->Canvas();
    RECT swatch{r.left + 2, r.top + 2, r.left + 2 + (r.bottom - r.top - 4), r.bottom - 2};
    canvas.Brush().SetColor(RGB(0, 120, 215));
    canvas.FillRect(swatch);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    RECT text{swatch.right + 6, r.top, r.right, r.bottom};
    canvas.DrawText(L"自绘栏", text, DT_SINGLELINE | DT_VCENTER);
  };

  auto* rtlBar = Bar(form, page, 276);
  rtlBar->SetSizeGrip(false);
  rtlBar->SetBiDiMode(TBiDiMode::bdRightToLeft);
  rtlBar->SetSimplePanel(true);
  rtlBar->SetSimpleText(L"从右到左的简单文字");
}
