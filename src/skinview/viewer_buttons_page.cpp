// The viewer's button page: push buttons (default, disabled, accelerators, two lines), bit
// buttons in the four layouts with one and several glyphs, margins and spacing, speed buttons
// (raised, flat, down, disabled) in a group, and a menu button with its drop-down menu.
#include <string>

#include "skin/controls/skin_button.h"
#include "skin/model/skin_data.h"
#include "skinview/viewer_form.h"
#include "skinview/viewer_pages.h"
#include "ui/buttons.h"
#include "ui/menus.h"

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

// A 16 x 16 sample glyph strip of count glyphs (normal, disabled, pressed, down), each a
// filled diamond in its own colour on an olive, transparent background.
void SampleGlyphs(TBitmap& strip, int count) {
  const COLORREF colours[] = {RGB(0, 120, 215), RGB(160, 160, 160), RGB(0, 80, 160), RGB(200, 120, 0)};
  strip.SetPixelFormat(TPixelFormat::pf24bit);
  strip.SetSize(16 * count, 16);
  const HDC dc = strip.Canvas().Handle();
  TSkinControl::FillColor(dc, RECT{0, 0, 16 * count, 16}, RGB(128, 128, 0));
  for (int i = 0; i < count; ++i) {
    HBRUSH brush = CreateSolidBrush(colours[i]);
    HGDIOBJ old = SelectObject(dc, brush);
    const POINT diamond[] = {{16 * i + 8, 1}, {16 * i + 15, 8}, {16 * i + 8, 15}, {16 * i + 1, 8}};
    Polygon(dc, diamond, 4);
    SelectObject(dc, old);
    DeleteObject(brush);
  }
}

}  // namespace

void FillButtonsPage(TSkinViewForm& form, TTabSheet& page) {
  Note(form, page, 16, 10, 580, L"按钮（Default 为默认按钮；&& 后的字母带下划线，Alt+字母按下它；|| 处换行）：");
  auto* defaultButton = Place<TButton>(form, page, 16, 32, 100, 27);
  defaultButton->SetCaption(L"默认(&D)");
  defaultButton->SetDefault(true);
  Place<TButton>(form, page, 126, 32, 100, 27)->SetCaption(L"普通按钮");
  auto* disabled = Place<TButton>(form, page, 236, 32, 100, 27);
  disabled->SetCaption(L"不可用");
  disabled->SetEnabled(false);
  Place<TButton>(form, page, 346, 32, 100, 27)->SetCaption(L"保存(&S)");
  Place<TButton>(form, page, 456, 26, 100, 40)->SetCaption(L"第一行||第二行");

  Note(form, page, 16, 76, 580, L"图形按钮：四种布局、一个和多个图形、边距和间距：");
  const struct {
    TButtonLayout Layout;
    const wchar_t* Caption;
  } layouts[] = {{TButtonLayout::blGlyphLeft, L"图在左"},
                 {TButtonLayout::blGlyphRight, L"图在右"},
                 {TButtonLayout::blGlyphTop, L"图在上"},
                 {TButtonLayout::blGlyphBottom, L"图在下"}};
  int left = 16;
  for (const auto& sample : layouts) {
    auto* button = Place<TBitBtn>(form, page, left, 98, 100, 48);
    button->SetCaption(sample.Caption);
    button->SetLayout(sample.Layout);
    SampleGlyphs(*button->Glyph(), 1);
    left += 110;
  }
  auto* several = Place<TBitBtn>(form, page, 456, 98, 100, 48);
  several->SetCaption(L"三个图形");
  SampleGlyphs(*several->Glyph(), 3);
  several->SetNumGlyphs(3);

  auto* margins = Place<TBitBtn>(form, page, 16, 156, 150, 30);
  margins->SetCaption(L"边距 4 间距 12");
  margins->SetMargin(4);
  margins->SetSpacing(12);
  SampleGlyphs(*margins->Glyph(), 1);
  auto* ok = Place<TBitBtn>(form, page, 176, 156, 90, 30);
  ok->SetKind(TBitBtnKind::bkOK);
  ok->SetDefault(false);
  Place<TBitBtn>(form, page, 276, 156, 90, 30)->SetKind(TBitBtnKind::bkCancel);
  auto* help = Place<TBitBtn>(form, page, 376, 156, 90, 30);
  help->SetKind(TBitBtnKind::bkHelp);
  help->SetEnabled(false);

  Note(form, page, 16, 200, 580, L"快捷按钮（同一组里只有一个按下）：凸起、平面、按下、不可用：");
  const struct {
    const wchar_t* Caption;
    bool Flat;
    bool Down;
    bool Enabled;
  } speeds[] = {{L"凸起", false, false, true},
                {L"平面", true, false, true},
                {L"按下", false, true, true},
                {L"不可用", false, false, false}};
  left = 16;
  for (const auto& sample : speeds) {
    auto* speed = Place<TSpeedButton>(form, page, left, 222, 80, 28);
    speed->SetCaption(sample.Caption);
    speed->SetGroupIndex(1);
    speed->SetFlat(sample.Flat);
    speed->SetDown(sample.Down);
    speed->SetEnabled(sample.Enabled);
    SampleGlyphs(*speed->Glyph(), 1);
    left += 86;
  }

  Note(form, page, 16, 264, 580, L"菜单按钮（按下弹出菜单）：");
  auto* menuButton = Place<TBitBtn>(form, page, 16, 286, 120, 28);
  menuButton->SetCaption(L"更多操作");
  menuButton->SetName("ViewerMenuButton");
  auto* menu = new TPopupMenu(&form);
  for (const wchar_t* caption : {L"第一项", L"第二项", L"-", L"第三项"}) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  menuButton->OnClick = [menuButton, menu](TObject*) {
    const POINT below = menuButton->ClientToScreen(POINT{0, menuButton->Height()});
    menu->Popup(below.x, below.y, menuButton->Handle());
  };
}

void ChooseViewerSkinners(TSkinViewForm& form, TSkinData& skin) {
  // The skin component has no kind for our framework's menu buttons: the viewer asks for the
  // menu-button skinner itself.
  TComponent* menuButton = form.FindComponent("ViewerMenuButton");
  skin.OnSkinControl = [menuButton](TComponent*, TSkinData*, TControl*, TControl* control, const std::string&,
                                    TComponent*& skinned) {
    if (menuButton && control == menuButton) skinned = new TSkinMenuButton(control);
  };
}
