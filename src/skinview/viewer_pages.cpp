// The pages of the viewer: the frame (with a dialog, a borderless form and a message box),
// text controls, and what is not skinned yet.
#include "skinview/viewer_pages.h"

#include "skinview/viewer_form.h"
#include "ui/extctrls.h"

namespace {

template <class T>
T* Place(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, int height) {
  auto* control = new T(&form);
  control->SetParent(&parent);
  control->SetBounds(left, top, width, height);
  return control;
}

TLabel* Text(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, int height,
             const std::wstring& text) {
  auto* label = Place<TLabel>(form, parent, left, top, width, height);
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetCaption(text);
  return label;
}

TButton* Action(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, const std::wstring& caption,
                TNotifyEvent onClick) {
  auto* button = Place<TButton>(form, parent, left, top, width, 25);
  button->SetCaption(caption);
  button->OnClick = std::move(onClick);
  return button;
}

// A closing button for the sample forms: Esc and Enter both end them.
void CloseButton(TForm& owner, int left, int top) {
  auto* button = new TButton(&owner);
  button->SetParent(&owner);
  button->SetBounds(left, top, 80, 25);
  button->SetCaption(L"关闭");
  button->SetDefault(true);
  button->SetCancel(true);
  button->SetModalResult(mrOk);
}

TOwned<TForm> SampleForm(TSkinViewForm& viewer, const std::wstring& caption, TFormBorderStyle style, int width,
                         int height) {
  TOwned<TForm> sample(new TForm(nullptr));
  sample->SetCaption(caption);
  sample->SetBorderStyle(style);
  sample->Font()->SetName(viewer.Font()->Name());
  sample->Font()->SetHeight(viewer.Font()->Height());
  sample->SetPosition(TPosition::poMainFormCenter);
  sample->SetClientSize(width, height);
  return sample;
}

void ShowDialogForm(TSkinViewForm& viewer) {
  TOwned<TForm> dialog = SampleForm(viewer, L"对话框窗体", TFormBorderStyle::bsDialog, 360, 150);
  auto* label = new TLabel(dialog.get());
  label->SetParent(dialog.get());
  label->SetBounds(16, 16, 328, 60);
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetCaption(L"对话框边框（bsDialog）：不能改变大小，没有最小化和最大化按钮。外框和标题栏同样来自皮肤。");
  auto* edit = new TEdit(dialog.get());
  edit->SetParent(dialog.get());
  edit->SetBounds(16, 80, 328, 21);
  edit->SetTextValue(L"对话框里的编辑框");
  CloseButton(*dialog, 264, 114);
  dialog->ShowModal();
}

void ShowBorderlessForm(TSkinViewForm& viewer) {
  TOwned<TForm> bare = SampleForm(viewer, L"无边框窗体", TFormBorderStyle::bsNone, 320, 130);
  auto* panel = new TPanel(bare.get());
  panel->SetParent(bare.get());
  panel->SetAlign(TAlign::alClient);
  panel->SetBevelOuter(TBevelCut::bvRaised);
  panel->SetCaption(L"");
  auto* label = new TLabel(bare.get());
  label->SetParent(panel);
  label->SetBounds(16, 16, 288, 60);
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetCaption(L"无边框窗体（bsNone）：没有标题栏和边框，皮肤不给它加外框。按 Esc 或“关闭”结束。");
  CloseButton(*bare, 224, 92);
  bare->ShowModal();
}

// A sizeable form with only some of the caption buttons, for the skin's visibility rules.
void ShowIconsForm(TSkinViewForm& viewer, const wchar_t* title, std::uint32_t icons, const wchar_t* text) {
  TOwned<TForm> sample = SampleForm(viewer, title, TFormBorderStyle::bsSizeable, 360, 140);
  sample->SetBorderIcons(icons);
  auto* label = new TLabel(sample.get());
  label->SetParent(sample.get());
  label->SetBounds(16, 16, 328, 60);
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetCaption(text);
  CloseButton(*sample, 264, 100);
  sample->ShowModal();
}

}  // namespace

const std::vector<TViewerPage>& ViewerPages() {
  static const std::vector<TViewerPage> pages = {
      {L"窗体", &FillFramePage},
      {L"文本", &FillTextPage},
      {L"按钮", &FillButtonsPage},
      {L"复选", &FillChecksPage},
      {L"容器", &FillContainersPage},
      {L"输入", &FillInputsPage},
      {L"标签页", &FillTabsPage},
      {L"菜单", &FillMenusPage},
      {L"媒体", &FillMediaPage},
      {L"列表", &FillListsPage},
      {L"关于", &FillAboutPage},
  };
  return pages;
}

void FillFramePage(TSkinViewForm& form, TTabSheet& page) {
  Text(form, page, 16, 14, 580, 36,
       L"这个窗口的外框、标题栏和标题按钮由皮肤画出；在标题栏上右击或按 Alt+空格打开系统菜单。关闭换肤可与系统外框对比；打开另一个皮肤文件可立即看到它的样子。");
  form.ToggleButton = Action(form, page, 16, 56, 150, L"关闭换肤(F2)", [&form](TObject*) { form.ToggleSkinning(); });
  Action(form, page, 176, 56, 150, L"打开皮肤…(Ctrl+O)", [&form](TObject*) { form.ChooseSkinFile(); });

  Text(form, page, 16, 104, 580, 18, L"其他窗体：");
  Action(form, page, 16, 126, 150, L"对话框窗体…", [&form](TObject*) { ShowDialogForm(form); });
  Text(form, page, 176, 131, 420, 18, L"对话框边框，不能改变大小。");
  Action(form, page, 16, 160, 150, L"无边框窗体…", [&form](TObject*) { ShowBorderlessForm(form); });
  Text(form, page, 176, 165, 420, 18, L"没有标题栏和边框的窗体。");
  Action(form, page, 16, 194, 150, L"消息框…", [&form](TObject*) {
    MessageBoxW(form.Handle(), L"这是系统的消息框（MessageBox），它的外框也由皮肤画出。", TSkinViewForm::kTitle,
                MB_OK | MB_ICONINFORMATION);
  });
  Text(form, page, 176, 199, 420, 18, L"系统的消息框。");

  Text(form, page, 16, 236, 580, 18, L"标题按钮随窗体的边框图标而变：");
  Action(form, page, 16, 258, 150, L"只有系统菜单…", [&form](TObject*) {
    ShowIconsForm(form, L"只有系统菜单", biSystemMenu, L"只有系统菜单（biSystemMenu）：只有关闭按钮，没有最小化和最大化。");
  });
  Action(form, page, 176, 258, 150, L"带帮助按钮…", [&form](TObject*) {
    ShowIconsForm(form, L"带帮助按钮", biSystemMenu | biHelp,
                  L"系统菜单加帮助（biHelp），没有最小化和最大化：标题栏上有帮助按钮。");
  });
  Action(form, page, 336, 258, 150, L"只有最小化…", [&form](TObject*) {
    ShowIconsForm(form, L"只有最小化", biSystemMenu | biMinimize,
                  L"系统菜单加最小化（biMinimize）：最大化按钮不可用或不显示，由皮肤决定。");
  });
}

void FillTextPage(TSkinViewForm& form, TTabSheet& page) {
  Text(form, page, 16, 14, 580, 36, L"面板、分组框和状态栏在“容器”页，复选框和单选框在“复选”页。");

  Text(form, page, 16, 90, 90, 18, L"标签：");
  Text(form, page, 110, 90, 200, 18, L"普通标签 Label 文本");
  Text(form, page, 320, 90, 200, 18, L"不可用的标签")->SetEnabled(false);

  Text(form, page, 16, 120, 90, 18, L"编辑框：");
  Place<TEdit>(form, page, 110, 116, 150, 21)->SetTextValue(L"可以编辑的文本");
  auto* readOnly = Place<TEdit>(form, page, 270, 116, 150, 21);
  readOnly->SetTextValue(L"只读的文本");
  readOnly->SetReadOnly(true);
  auto* disabled = Place<TEdit>(form, page, 430, 116, 150, 21);
  disabled->SetTextValue(L"不可用的编辑框");
  disabled->SetEnabled(false);

  Text(form, page, 16, 150, 90, 18, L"备注框：");
  auto* memo = Place<TMemo>(form, page, 110, 150, 470, 200);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  memo->SetAnchors(akLeft | akTop | akRight | akBottom);
  for (const wchar_t* line :
       {L"备注框里的多行文本。", L"第二行：中文与 English 混排。", L"第三行：1234567890",
        L"皮肤作者可以在这里检查文字颜色和背景。", L"", L"这一行之后还有更多行，用来看滚动条。"}) {
    memo->Lines()->Add(line);
  }
  for (int i = 1; i <= 12; ++i) memo->Lines()->Add(L"第 " + std::to_wstring(i) + L" 行");
}

void FillAboutPage(TSkinViewForm& form, TTabSheet& page) {
  Text(form, page, 16, 14, 580, 36,
       L"Corvana 皮肤查看器：把一个皮肤用到引擎能换肤的每一种控件上，每类控件一页。命令行：corvana-skinview.exe [皮肤文件]");
  Text(form, page, 16, 60, 580, 54,
       L"由皮肤画出：窗体外框（标题栏、边框、标题按钮、系统菜单），对话框窗体、无边框窗体、消息框，菜单栏和弹出菜单，面板、分组框、状态栏，按钮、图形按钮、快捷按钮、菜单按钮，复选框、单选框，编辑框、备注框、组合框、列表框、日期，上下按钮、进度条、滑块，滚动条，选项卡，列表视图和列标题，媒体播放器。");
  Text(form, page, 16, 124, 580, 36, L"键盘：F2 开关换肤，Ctrl+O 打开皮肤文件（*.skin）。");
}
