// Components, published properties, dispatch methods and window properties on real windows.
#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <thread>

#include "win/support/ui_test.h"
#include "ui/extctrls.h"
#include "ui/hintwindow.h"
#include "ui/form.h"
#include "ui/menus.h"
#include "ui/pagecontrol.h"
#include "base/error.h"
#include "ui/statusbar.h"
#include "ui/stdctrls.h"

namespace {

// Counts how many instances of it are alive.
class TCounted : public TComponent {
public:
  explicit TCounted(TComponent* owner, int* alive) : TComponent(owner), FAlive(alive) { ++*FAlive; }
  ~TCounted() override { --*FAlive; }

private:
  int* FAlive;
};

TEST(Components, OwnedComponentsGoWithTheirOwner) {
  int alive = 0;
  auto* root = new TComponent(nullptr);
  auto* a = new TCounted(root, &alive);
  new TCounted(a, &alive);
  new TCounted(root, &alive);
  a->SetName("First");
  EXPECT_EQ(alive, 3);
  EXPECT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->FindComponent("first"), a);
  // Freeing an owned component takes it out of its owner.
  a->Free();
  EXPECT_EQ(alive, 1);
  EXPECT_EQ(root->ComponentCount(), 1);
  root->Free();
  EXPECT_EQ(alive, 0);
}

TEST(Components, FreeNotificationForgetsReferences) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  auto* menu = new TMainMenu(form.get());
  form->SetMenu(menu);
  EXPECT_EQ(form->Menu(), menu);
  menu->Free();
  EXPECT_EQ(form->Menu(), nullptr);
}

TEST(Properties, EveryKindByName) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  auto* memo = new TMemo(form.get());
  memo->SetParent(form.get());
  memo->SetName("Memo1");

  const TPropInfo* left = FindPropInfo(memo, "left");
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->Kind, TPropKind::Integer);
  EXPECT_TRUE(left->SetValueText(*memo, "37"));
  EXPECT_EQ(memo->Left(), 37);
  EXPECT_FALSE(left->SetValueText(*memo, "3x"));

  const TPropInfo* visible = FindPropInfo(memo, "Visible");
  EXPECT_EQ(visible->Kind, TPropKind::Enumeration);
  EXPECT_EQ(visible->ValueText(*memo), "True");
  EXPECT_TRUE(visible->SetValueText(*memo, "false"));
  EXPECT_FALSE(memo->Visible());

  const TPropInfo* scroll = FindPropInfo(memo, "ScrollBars");
  EXPECT_TRUE(scroll->SetValueText(*memo, "ssVertical"));
  EXPECT_EQ(memo->ScrollBars(), TScrollStyle::ssVertical);
  EXPECT_FALSE(scroll->SetValueText(*memo, "ssDiagonal"));

  const TPropInfo* anchors = FindPropInfo(memo, "Anchors");
  EXPECT_EQ(anchors->Kind, TPropKind::Set);
  EXPECT_TRUE(anchors->SetValueText(*memo, "[akRight, akBottom]"));
  EXPECT_EQ(memo->Anchors(), akRight | akBottom);
  EXPECT_EQ(anchors->ValueText(*memo), "[akRight,akBottom]");
  EXPECT_TRUE(anchors->SetValueText(*memo, "[]"));
  EXPECT_EQ(memo->Anchors(), 0u);

  const TPropInfo* name = FindPropInfo(memo, "Name");
  EXPECT_EQ(name->Kind, TPropKind::String);
  EXPECT_EQ(name->ValueText(*memo), "Memo1");

  const TPropInfo* text = FindPropInfo(memo, "Text");
  EXPECT_EQ(text->Kind, TPropKind::WideString);
  EXPECT_TRUE(text->SetValueText(*memo, "地区"));
  EXPECT_EQ(memo->Text(), L"地区");

  const TPropInfo* font = FindPropInfo(memo, "Font");
  EXPECT_EQ(font->Kind, TPropKind::Object);
  EXPECT_EQ(font->GetObjectValue(*memo), memo->Font());
  EXPECT_EQ(FindPropInfo(memo, "OnChange")->Kind, TPropKind::Method);

  auto* pages = new TPageControl(form.get());
  const TPropInfo* active = FindPropInfo(pages, "ActivePage");
  EXPECT_TRUE(active->IsReference);
  EXPECT_FALSE(active->SetValueText(*pages, "Memo1"));  // not a tab sheet

  // Missing properties are simply not found.
  EXPECT_EQ(FindPropInfo(memo, "Transparent"), nullptr);
  EXPECT_EQ(FindPropInfo(nullptr, "Left"), nullptr);
}

TEST(Dispatch, ReplacedWindowProcSeesMessagesAndNotificationsAndCanSwallowThem) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(10, 10, 300, 200);
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetCaption(L"按钮");
  form->Show();

  std::vector<UINT> seen;
  bool swallowSetText = false;
  TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    if (swallowSetText && m.Msg == WM_SETTEXT) {
      m.Result = TRUE;
      return;
    }
    saved(m);
  };
  button->SetEnabled(false);
  button->SetVisible(false);
  button->SetVisible(true);
  button->SetCaption(L"新");
  swallowSetText = true;
  SetWindowTextW(button->Handle(), L"swallowed");
  auto has = [&](UINT msg) { return std::find(seen.begin(), seen.end(), msg) != seen.end(); };
  EXPECT_TRUE(has(CM_ENABLEDCHANGED));
  EXPECT_TRUE(has(CM_VISIBLECHANGED));
  EXPECT_TRUE(has(CM_TEXTCHANGED));
  EXPECT_TRUE(has(WM_ENABLE));
  EXPECT_TRUE(has(WM_SETTEXT));
  EXPECT_EQ(CM_ENABLEDCHANGED, 0xB00Cu);
  EXPECT_EQ(CM_VISIBLECHANGED, 0xB00Bu);
  EXPECT_EQ(CM_TEXTCHANGED, 0xB012u);
  EXPECT_EQ(CN_NOTIFY, 0xBC4Eu);
  EXPECT_EQ(CN_VSCROLL, 0xBD15u);
  EXPECT_EQ(CM_RECREATEWND, 0xB033u);
  wchar_t text[32];
  GetWindowTextW(button->Handle(), text, 32);
  EXPECT_STREQ(text, L"新");  // the swallowed WM_SETTEXT never reached the button

  // A click arrives as a reflected command and raises OnClick through the same path.
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  swallowSetText = false;
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 0);  // disabled
  button->SetEnabled(true);
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(has(CN_COMMAND));
}

TEST(Dispatch, ControlPropertyFindsTheControlOfAnyWindow) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  form->HandleNeeded();
  wchar_t expected[64];
  swprintf(expected, 64, L"ControlOfs%.8X%.8X", static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr))),
           static_cast<unsigned>(GetCurrentThreadId()));
  EXPECT_EQ(ControlPropertyName(), expected);
  EXPECT_EQ(GetPropW(edit->Handle(), expected), static_cast<HANDLE>(static_cast<TWinControl*>(edit)));
  EXPECT_EQ(ControlOfWindow(edit->Handle()), edit);
  EXPECT_EQ(ControlOfWindow(form->Handle()), form.get());
  EXPECT_EQ(ControlOfWindow(GetDesktopWindow()), nullptr);
  EXPECT_EQ(ControlOfWindow(nullptr), nullptr);
  // Window classes are named after the framework classes and build on the platform's.
  wchar_t cls[64];
  GetClassNameW(edit->Handle(), cls, 64);
  EXPECT_STREQ(cls, L"TEdit");
  GetClassNameW(form->Handle(), cls, 64);
  EXPECT_STREQ(cls, L"TForm");
  GetClassNameW(TestApplication().Handle(), cls, 64);
  EXPECT_STREQ(cls, L"TApplication");
}

TEST(Dispatch, RecreatedWindowKeepsTextAndControl) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  auto* memo = new TMemo(form.get());
  memo->SetParent(form.get());
  memo->Lines()->Add(L"第一行");
  memo->Lines()->Add(L"second");
  const HWND before = memo->Handle();
  memo->SetScrollBars(TScrollStyle::ssVertical);  // a style change needs a new window
  EXPECT_NE(memo->Handle(), before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(memo->Lines()->ToVector(), (std::vector<std::wstring>{L"第一行", L"second"}));
  EXPECT_EQ(ControlOfWindow(memo->Handle()), memo);
}

TEST(Dispatch, MouseEnterAndLeaveArrive) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(50, 50, 300, 200);
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(20, 20, 120, 80);
  auto* label = new TLabel(form.get());
  label->SetParent(form.get());
  label->SetBounds(180, 20, 80, 20);
  label->SetCaption(L"标签");
  form->Show();
  PumpMessages(100);

  std::vector<std::pair<TControl*, UINT>> events;
  for (TControl* c : std::initializer_list<TControl*>{panel, label}) {
    TWndMethod saved = c->WindowProc;
    c->WindowProc = [&events, c, saved](TMessage& m) {
      if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) events.emplace_back(c, m.Msg);
      saved(m);
    };
  }
  const POINT inPanel = panel->ClientToScreen(POINT{10, 10});
  SetCursorPos(inPanel.x, inPanel.y);
  PumpMessages(200);
  const POINT onLabel = label->ClientToScreen(POINT{5, 5});
  SetCursorPos(onLabel.x, onLabel.y);
  PumpMessages(200);
  SetCursorPos(5, 5);  // outside the form
  PumpMessages(400);
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[0], std::make_pair(static_cast<TControl*>(panel), CM_MOUSEENTER));
  EXPECT_EQ(events[1], std::make_pair(static_cast<TControl*>(panel), CM_MOUSELEAVE));
  EXPECT_EQ(events[2], std::make_pair(static_cast<TControl*>(label), CM_MOUSEENTER));
  EXPECT_EQ(events.back(), std::make_pair(static_cast<TControl*>(label), CM_MOUSELEAVE));
}

TEST(Application, ErrorBoxTextGetsAFullStop) {
  EXPECT_EQ(TApplication::ErrorBoxText("文件 QQWry.Dat 不存在！"), L"文件 QQWry.Dat 不存在！.");
  EXPECT_EQ(TApplication::ErrorBoxText("Done."), L"Done.");
  EXPECT_EQ(TApplication::ErrorBoxText("Stop,"), L"Stop,");  // ',' sorts before '.'
  EXPECT_EQ(TApplication::ErrorBoxText("Error 42"), L"Error 42.");
  EXPECT_EQ(TApplication::ErrorBoxText(""), L"");
}

TEST(Application, ErrorsInHandlersReachTheErrorHandler) {
  auto& errors = CollectedErrors();
  errors.clear();
  TOwned<TForm> form(new TForm(nullptr));
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->OnClick = [](TObject*) { throw Exception("处理失败"); };
  form->HandleNeeded();
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "处理失败");
}

TEST(Menus, OwnerDrawnItemsAreMeasuredAndDrawnByTheirHandlers) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(100, 100, 300, 200);
  auto* menu = new TMainMenu(form.get());
  auto* file = new TMenuItem(form.get());
  file->SetCaption(L"文件(&F)");
  auto* open = new TMenuItem(form.get());
  open->SetCaption(L"打开");
  menu->Items()->Add(file);
  file->Add(open);
  int measured = 0, drawn = 0;
  for (TMenuItem* item : {file, open}) {
    item->OnMeasureItem = [&](TObject*, TCanvas&, int& w, int& h) {
      ++measured;
      w = 60;
      h = 20;
    };
    item->OnDrawItem = [&](TObject*, TCanvas& canvas, RECT r, bool) {
      ++drawn;
      canvas.Brush().SetColor(clRed);
      canvas.FillRect(r);
    };
  }
  menu->SetOwnerDraw(true);
  form->SetMenu(menu);
  form->Show();
  PumpMessages(100);
  DrawMenuBar(form->Handle());
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages(100);
  EXPECT_GT(measured, 0);
  EXPECT_GT(drawn, 0);
  // The command of an item reaches its click handler through the form.
  int clicked = 0;
  open->OnClick = [&](TObject*) { ++clicked; };
  SendMessageW(form->Handle(), WM_COMMAND, open->Command(), 0);
  EXPECT_EQ(clicked, 1);
  EXPECT_NE(open->Command(), file->Command());
  EXPECT_NE(file->Handle(), nullptr);
  EXPECT_EQ(menu->FindHandle(file->Handle()), file);
}

}  // namespace

namespace {

TEST(Components, TimerFiresWhileEnabledAndStops) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  auto* timer = new TTimer(form.get());
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  timer->SetInterval(20);
  PumpMessages(200);
  EXPECT_GT(ticks, 2);
  timer->SetEnabled(false);
  const int stopped = ticks;
  PumpMessages(100);
  EXPECT_EQ(ticks, stopped);
  timer->SetEnabled(true);
  timer->Free();  // a freed timer never calls back
  PumpMessages(60);
  EXPECT_EQ(ticks, stopped);
}

TEST(Controls, StatusBarPanelsAndOwnerDraw) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(40, 40, 400, 200);
  auto* bar = new TStatusBar(form.get());
  bar->SetParent(form.get());
  for (int width : {100, 120, 80}) static_cast<TStatusPanel*>(bar->Panels()->Add())->SetWidth(width);
  bar->Panel(1)->SetText(L"中间");
  bar->Panel(2)->SetStyle(TStatusPanelStyle::psOwnerDraw);
  int drawn = 0;
  RECT drawnRect{};
  bar->OnDrawPanel = [&](TStatusBar*, TStatusPanel* panel, const RECT& r) {
    if (panel == bar->Panel(2)) {
      ++drawn;
      drawnRect = r;
    }
  };
  form->Show();
  PumpMessages(100);
  int edges[3]{};
  ASSERT_EQ(SendMessageW(bar->Handle(), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[0], 100);
  EXPECT_EQ(edges[1], 220);
  EXPECT_EQ(edges[2], -1);  // the last panel runs to the end
  wchar_t text[16]{};
  SendMessageW(bar->Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"中间");
  EXPECT_GT(drawn, 0);
  EXPECT_GE(drawnRect.left, 220);
  // The bar sits at the bottom of the form.
  EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
}

TEST(Controls, HintWindowFitsItsTextAndShowsWithoutTheFocus) {
  TestApplication();
  TOwned<THintWindow> hint(new THintWindow(nullptr));
  const RECT small = hint->CalcHintRect(300, L"短");
  const RECT wide = hint->CalcHintRect(300, L"一个比较长的提示文字，会在三百像素处换行，所以高度会增加一些");
  EXPECT_LT(small.right, wide.right);
  EXPECT_LE(wide.right, 300 + 12);
  EXPECT_GT(wide.bottom, small.bottom);  // wrapped onto more lines
  const HWND focused = GetFocus();
  RECT at = small;
  OffsetRect(&at, 100, 100);
  hint->ActivateHint(at, L"短");
  EXPECT_TRUE(IsWindowVisible(hint->Handle()));
  EXPECT_EQ(GetFocus(), focused);
  hint->ReleaseHandle();
  EXPECT_FALSE(IsWindowVisible(hint->Handle()));
}

}  // namespace

// A changed text or state is taken by the built menu in place; only a change of the items' set
// or kind builds a new one. Either way the window shows what the items say.
TEST(Menus, TextAndStateChangesUpdateTheBuiltMenuInPlaceOtherChangesBuildItAnew) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(100, 100, 320, 200);
  auto* menu = new TMainMenu(form.get());
  auto add = [&](TMenuItem* parent, const wchar_t* caption) {
    auto* item = new TMenuItem(form.get());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  };
  TMenuItem* file = add(menu->Items(), L"文件(&F)");
  TMenuItem* open = add(file, L"打开");
  TMenuItem* save = add(file, L"保存");
  TMenuItem* quit = add(file, L"退出");
  form->SetMenu(menu);
  form->Show();
  PumpMessages(30);
  const HMENU bar = GetMenu(form->Handle());
  ASSERT_NE(bar, nullptr);
  auto text = [](HMENU m, UINT position) {
    wchar_t buffer[64]{};
    GetMenuStringW(m, position, buffer, 64, MF_BYPOSITION);
    return std::wstring(buffer);
  };
  auto state = [](HMENU m, UINT position) { return GetMenuState(m, position, MF_BYPOSITION); };

  save->SetVisible(false);  // not in the built menu: the next positions move up
  const HMENU shown = GetMenu(form->Handle());
  ASSERT_NE(shown, bar);
  const HMENU shownDrop = GetSubMenu(shown, 0);
  ASSERT_EQ(GetMenuItemCount(shownDrop), 2);
  struct Step {
    std::function<void()> change;
    bool onBar;
    UINT position;
    std::wstring text;
    UINT stateBits;
  };
  const Step steps[] = {
      {[&] { quit->SetCaption(L"关闭"); }, false, 1, L"关闭", 0},
      {[&] { quit->SetShortCut(scAlt | VK_F4); }, false, 1, L"关闭\t" + ShortCutToText(scAlt | VK_F4), 0},
      {[&] { quit->SetChecked(true); }, false, 1, L"关闭\t" + ShortCutToText(scAlt | VK_F4), MF_CHECKED},
      {[&] { open->SetEnabled(false); }, false, 0, L"打开", MF_GRAYED},
      {[&] { file->SetCaption(L"档案(&F)"); }, true, 0, L"档案(&F)", 0},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(GetMenu(form->Handle()), shown) << "built anew for a change of text or state";
    const HMENU in = step.onBar ? shown : shownDrop;
    EXPECT_EQ(text(in, step.position), step.text);
    EXPECT_EQ(state(in, step.position) & (MF_CHECKED | MF_GRAYED), step.stateBits) << step.position;
  }
  // A separator is another kind of item: the menu is built anew and still says it all.
  open->SetCaption(L"-");
  const HMENU rebuilt = GetMenu(form->Handle());
  EXPECT_NE(rebuilt, shown);
  EXPECT_EQ(GetMenuState(GetSubMenu(rebuilt, 0), 0, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(text(GetSubMenu(rebuilt, 0), 1), L"关闭\t" + ShortCutToText(scAlt | VK_F4));
  EXPECT_EQ(text(rebuilt, 0), L"档案(&F)");
}

// The control of a window is found on its own thread without asking the window server; the
// answer must follow the window's life (made again, destroyed) and hold on other threads too.
TEST(Components, TheControlOfAWindowFollowsItsWindowAndIsFoundFromAnyThread) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  form->Show();
  PumpMessages(10);
  const HWND first = panel->Handle();
  EXPECT_EQ(ControlOfWindow(first), panel);
  panel->RecreateWnd();
  const HWND second = panel->Handle();
  ASSERT_NE(second, first);
  EXPECT_EQ(ControlOfWindow(first), nullptr);
  EXPECT_EQ(ControlOfWindow(second), panel);
  TWinControl* seenElsewhere = nullptr;
  std::thread([&] { seenElsewhere = ControlOfWindow(second); }).join();
  EXPECT_EQ(seenElsewhere, panel);
  panel->Free();
  EXPECT_EQ(ControlOfWindow(second), nullptr);
  EXPECT_EQ(ControlOfWindow(form->Handle()), form.get());
}
