// The skin manager's rules on real windows: which windows are never taken over, dialogs of
// other modules, "preview" classes, which component draws a window, the popup rules, the
// scheduling before and after the first activation, a refresh with other border widths,
// skinners of destroyed windows, the manager freed with windows open, and a message box of
// the program skinned through the hook.
#include <gtest/gtest.h>

#include <map>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/skin_messages.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

namespace {

// Frame-coded borders of the given widths (two frames each).
TTestSkin BorderSkin(int left, int top, int right, int bottom) {
  TTestSkin skin;
  skin.Strip("left.bmp", 2, left, 30, 1);
  skin.Strip("right.bmp", 2, right, 30, 2);
  skin.Strip("top.bmp", 2, 80, top, 3, true);
  skin.Strip("bottom.bmp", 2, 80, bottom, 4, true);
  skin.Ini("[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\nRightFrame=2\r\nTop=top.bmp\r\n"
           "TopFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n");
  return skin;
}

TTestSkin PlainFrameSkin() {
  return BorderSkin(6, 27, 6, 6);
}

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }

// A visible top-level window of a class registered here, made by the given module.
HWND MakeWindow(const wchar_t* cls, HINSTANCE module, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = cls;
  RegisterClassW(&wc);
  return CreateWindowExW(0, cls, L"w", style, 50, 50, 200, 150, nullptr, nullptr, module, nullptr);
}

class SkinManageTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    TWinSkinForm::Register();
    manager = SkinManager();
    data = LoadTestSkin(PlainFrameSkin());
    data->SetSkinControls(SetOf(xcMainMenu));
    data->SetDisableTag(5);
    manager->Register(data.get());
    manager->Enabled = true;
  }
  void TearDown() override {
    for (HWND w : windows) DestroyWindow(w);
    // A test may have freed the manager already.
    if (SkinManager()) SkinManager()->Unregister(data.get());
    FreeSkinManager();
  }
  HWND Keep(HWND w) {
    windows.push_back(w);
    return w;
  }
  TSkinManage* manager = nullptr;
  TOwned<TSkinData> data;
  std::vector<HWND> windows;
};

TEST_F(SkinManageTest, SomeWindowsAreNeverTakenOver) {
  const HINSTANCE self = GetModuleHandleW(nullptr);
  EXPECT_FALSE(manager->SkinWindow(Keep(MakeWindow(L"TApplication", self))));
  EXPECT_FALSE(manager->SkinWindow(Keep(MakeWindow(L"MyTTERenderWindowX", self))));
  EXPECT_FALSE(manager->SkinWindow(Keep(MakeWindow(L"TcxPopupEditPopupWindow", self))));
  // A form whose Tag is 99, even though DisableTag is 5 here.
  TOwned<TForm> form(new TForm(nullptr));
  form->SetTag(99);
  form->Show();
  EXPECT_FALSE(manager->SkinWindow(form->Handle()));
  form->SetTag(5);
  EXPECT_TRUE(manager->SkinWindow(form->Handle()));
  EXPECT_NE(manager->FormSkinnerOf(form->Handle()), nullptr);
  // A plain child window is left alone outside of an enumeration.
  const HWND child = CreateWindowExW(0, L"STATIC", L"c", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, form->Handle(), nullptr,
                                     self, nullptr);
  EXPECT_FALSE(manager->SkinWindow(child));
  // A window of zero area waits.
  EXPECT_FALSE(manager->SkinWindow(Keep(CreateWindowExW(0, L"STATIC", L"z", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, nullptr,
                                                        nullptr, self, nullptr))));
}

TEST_F(SkinManageTest, OnlyDialogsOfOtherModulesAreCandidates) {
  const HINSTANCE other = GetModuleHandleW(L"kernel32.dll");
  ASSERT_NE(other, nullptr);
  EXPECT_FALSE(manager->SkinWindow(Keep(MakeWindow(L"OtherModuleWindow", other))));
  const HWND dialog = Keep(CreateWindowExW(0, L"#32770", L"d", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 60, 60,
                                           300, 200, nullptr, nullptr, other, nullptr));
  EXPECT_TRUE(manager->SkinWindow(dialog));
  // A dialog inside another (style 0x200) is not.
  const HWND inner = Keep(CreateWindowExW(0, L"#32770", L"i", WS_POPUP | WS_CAPTION | WS_VISIBLE | 0x200, 60, 60, 300,
                                          200, nullptr, nullptr, other, nullptr));
  EXPECT_FALSE(manager->SkinWindow(inner));
}

TEST_F(SkinManageTest, PreviewClassesNeedTheOption) {
  const HINSTANCE self = GetModuleHandleW(nullptr);
  data->SetOptions(0);
  EXPECT_FALSE(manager->SkinWindow(Keep(MakeWindow(L"PrintPREVIEWForm", self))));
  data->SetOptions(SetOf(xoPreview));
  EXPECT_TRUE(manager->SkinWindow(Keep(MakeWindow(L"PreviewPane", self))));
}

TEST_F(SkinManageTest, BeforeTheFirstActivationSchedulingOnlySwitches) {
  ASSERT_EQ(manager->ActivationCount, 0);
  manager->Schedule(saUnskinAll, 250);
  EXPECT_FALSE(manager->Enabled);
  EXPECT_FALSE(manager->Timer().Enabled());
  manager->Schedule(saSkinAll, 250);
  EXPECT_TRUE(manager->Enabled);
  EXPECT_FALSE(manager->Timer().Enabled());
}

TEST_F(SkinManageTest, TheLaterOfTwoSchedulesRunsAlone) {
  TOwned<TForm> form(new TForm(nullptr));
  form->Show();
  ASSERT_TRUE(manager->SkinWindow(form->Handle()));
  PumpMessages(20);
  manager->ActivationCount = 1;
  manager->PendingSkinData = data.get();
  int changes = 0;
  data->OnSkinChanged = [&](TObject*) { ++changes; };
  manager->Schedule(saRefreshAll, 100);
  manager->Schedule(saUnskinAll, 100);
  PumpMessages(400);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(manager->LastRunAction, saUnskinAll);
  EXPECT_EQ(manager->FormSkinnerOf(form->Handle()), nullptr);
  EXPECT_NE(SendMessageW(form->Handle(), SKINMSG_QUERY, 0, 0), 1);
  data->OnSkinChanged = nullptr;
}

TEST_F(SkinManageTest, AMessageBoxOfTheProgramIsSkinnedWhenItOpens) {
  manager->InstallHook();
  manager->ActivationCount = 1;
  static LRESULT answer = 0;
  static bool found = false;
  answer = 0;
  found = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    for (HWND w = FindWindowW(L"#32770", L"皮肤测试"); w; w = nullptr) {
      found = true;
      answer = SendMessageW(w, SKINMSG_QUERY, 0, 0);
      PostMessageW(w, WM_COMMAND, IDOK, 0);
    }
  });
  ASSERT_NE(timer, 0u);
  MessageBoxW(nullptr, L"一个对话框", L"皮肤测试", MB_OK);
  EXPECT_TRUE(found);
  EXPECT_EQ(answer, 1);
}

TEST_F(SkinManageTest, ChooseSkinDataTakesTheFormsOwnThenADialogsThenTheMainThenTheFirst) {
  manager->Unregister(data.get());
  const HINSTANCE self = GetModuleHandleW(nullptr);
  TOwned<TForm> own(new TForm(nullptr));
  own->Show();
  TOwned<TForm> other(new TForm(nullptr));
  other->Show();
  const HWND dialog = Keep(CreateWindowExW(0, L"#32770", L"d", WS_POPUP | WS_CAPTION | WS_VISIBLE, 60, 60, 300, 200,
                                           nullptr, nullptr, self, nullptr));
  const HWND message = Keep(MakeWindow(L"TMessageForm", self));
  EXPECT_EQ(manager->ChooseSkinData(own->Handle()), nullptr);

  // Components registered one by one; after each, the choice for every window.
  struct Step {
    const char* Name;
    TSkinFormType Type;
    bool OwnedByForm;
    const char *Own, *Other, *Dialog, *Message;
  };
  const Step steps[] = {
      {"dll1", sfDLL, false, "dll1", "dll1", "dll1", "dll1"},
      {"dll2", sfDLL, false, "dll1", "dll1", "dll1", "dll1"},
      {"main1", sfMainform, false, "main1", "main1", "main1", "main1"},
      {"dlg1", sfDialog, false, "main1", "main1", "dlg1", "dlg1"},
      {"main2", sfMainform, false, "main2", "main2", "dlg1", "dlg1"},
      {"only1", sfOnlyThisForm, true, "only1", "main2", "dlg1", "dlg1"},
      {"only2", sfOnlyThisForm, true, "only2", "main2", "dlg1", "dlg1"},
      {"dlg2", sfDialog, false, "only2", "main2", "dlg2", "dlg2"},
  };
  std::vector<TOwned<TSkinData>> loose;
  std::map<TSkinData*, std::string> names;
  auto nameOf = [&](HWND w) {
    TSkinData* chosen = manager->ChooseSkinData(w);
    return chosen ? names[chosen] : std::string("none");
  };
  for (const Step& step : steps) {
    TSkinData* component = step.OwnedByForm ? new TSkinData(own.get()) : new TSkinData(nullptr);
    if (!step.OwnedByForm) loose.emplace_back(component);
    component->SetSkinFormtype(step.Type);
    names[component] = step.Name;
    manager->Register(component);
    SCOPED_TRACE(step.Name);
    EXPECT_EQ(nameOf(own->Handle()), step.Own);
    EXPECT_EQ(nameOf(other->Handle()), step.Other);
    EXPECT_EQ(nameOf(dialog), step.Dialog);
    EXPECT_EQ(nameOf(message), step.Message);
  }
  for (const auto& [component, name] : names) manager->Unregister(component);
}

TEST_F(SkinManageTest, PopupMenusAreTakenOverByTheirModesControlAndNeverAsChildren) {
  manager->InstallHook();
  TOwned<TForm> form(new TForm(nullptr));
  form->Show();
  struct Case {
    int Mode;
    std::uint32_t Controls;
    bool MenuBar;
    bool Skinned;
  };
  const Case cases[] = {
      {0, 0, false, false},
      {0, SetOf(xcMainMenu, xcSystemMenu), false, false},
      {0, SetOf(xcPopupMenu), false, true},
      {1, SetOf(xcPopupMenu, xcSystemMenu), true, false},
      {1, SetOf(xcMainMenu), true, true},
      {1, SetOf(xcMenuItem), true, true},
      {2, SetOf(xcPopupMenu, xcMainMenu), false, false},
      {2, SetOf(xcSystemMenu), false, true},
      {7, 0, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Mode) + " " + std::to_string(c.Controls));
    data->SetSkinControls(c.Controls);
    manager->PopupMode = c.Mode;
    manager->MenuBarPopup = c.MenuBar;
    const HWND popup =
        CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP, 10, 10, 80, 60, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(manager->IsSkinnedPopup(popup), c.Skinned);
    if (c.Skinned) {
      ASSERT_EQ(manager->PopupSkinners().size(), 1u);
      EXPECT_EQ(manager->PopupSkinners()[0]->MenuBarMark, c.MenuBar);
    }
    DestroyWindow(popup);
    // The last popup gone, the modes go back to an ordinary popup.
    EXPECT_TRUE(manager->PopupSkinners().empty());
    EXPECT_EQ(manager->PopupMode, 0);
    EXPECT_FALSE(manager->MenuBarPopup);
  }
  // A menu window made with the child style stays the platform's, whatever the mode allows.
  manager->PopupMode = 7;
  const HWND child =
      CreateWindowExW(0, L"#32768", L"", WS_CHILD, 0, 0, 80, 60, form->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(manager->IsSkinnedPopup(child));
  EXPECT_TRUE(manager->PopupSkinners().empty());
  DestroyWindow(child);
  manager->PopupMode = 0;
}

TEST_F(SkinManageTest, RefreshAllGivesTheComponentsWindowsTheNewBordersAroundTheSameClient) {
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(40, 40, 300, 200);
  form->Show();
  const HWND bare = Keep(MakeWindow(L"CorvanaRefreshBare", GetModuleHandleW(nullptr)));
  // A form with a component of its own keeps that component's borders.
  TOwned<TForm> otherForm(new TForm(nullptr));
  otherForm->Show();
  auto* otherData = new TSkinData(otherForm.get());
  const std::vector<std::uint8_t> otherArchive = BorderSkin(4, 22, 4, 4).Archive();
  otherData->StoredStream().WriteBuffer(otherArchive.data(), static_cast<std::int64_t>(otherArchive.size()));
  ASSERT_TRUE(otherData->LoadSkinFromStore());
  otherData->SetSkinControls(SetOf(xcMainMenu));
  otherData->SetSkinFormtype(sfOnlyThisForm);
  manager->Register(otherData);
  RECT clients[2]{};
  const HWND windows2[2] = {form->Handle(), bare};
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(manager->SkinWindow(windows2[i]));
    PumpMessages(20);
    GetClientRect(windows2[i], &clients[i]);
  }
  ASSERT_TRUE(manager->SkinWindow(otherForm->Handle()));
  auto* otherSkinner = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(otherForm->Handle()));
  ASSERT_NE(otherSkinner, nullptr);
  PumpMessages(20);

  constexpr int kLeft = 3, kTop = 41, kRight = 12, kBottom = 8;
  const std::vector<std::uint8_t> archive = BorderSkin(kLeft, kTop, kRight, kBottom).Archive();
  data->StoredStream().Clear();
  data->StoredStream().WriteBuffer(archive.data(), static_cast<std::int64_t>(archive.size()));
  ASSERT_TRUE(data->LoadSkinFromStore());
  manager->ActivationCount = 1;
  manager->PendingSkinData = data.get();
  manager->PendingAction = saRefreshAll;
  manager->RunScheduledAction();
  PumpMessages(20);
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    auto* skinner = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(windows2[i]));
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(skinner->FrameLeft, kLeft);
    EXPECT_EQ(skinner->FrameTop, kTop);
    EXPECT_EQ(skinner->FrameRight, kRight);
    EXPECT_EQ(skinner->FrameBottom, kBottom);
    RECT client{}, window{};
    GetClientRect(windows2[i], &client);
    GetWindowRect(windows2[i], &window);
    EXPECT_EQ(RectText(client), RectText(clients[i]));
    EXPECT_EQ(window.right - window.left, client.right + kLeft + kRight);
    EXPECT_EQ(window.bottom - window.top, client.bottom + kTop + kBottom);
  }
  EXPECT_EQ(otherSkinner->FrameLeft, 4);
  EXPECT_EQ(otherSkinner->FrameTop, 22);
  EXPECT_EQ(otherSkinner->SkinDataOf(), otherData);
}

TEST_F(SkinManageTest, SkinnersOfDestroyedWindowsAreFreed) {
  long gdi = 0;
  int procs = 0;
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    // A form owns its skinner: it goes with the form at once.
    TOwned<TForm> form(new TForm(nullptr));
    form->Show();
    ASSERT_TRUE(manager->SkinWindow(form->Handle()));
    PumpMessages(20);
    const HWND formWindow = form->Handle();
    form.reset();
    EXPECT_EQ(manager->FormSkinnerOf(formWindow), nullptr);
    EXPECT_TRUE(manager->FormSkinners().empty());
    // A bare window's skinner waits for the next purge, which every new decision runs first.
    const HWND bare = MakeWindow(L"CorvanaPurgeBare", GetModuleHandleW(nullptr));
    ASSERT_TRUE(manager->SkinWindow(bare));
    PumpMessages(20);
    DestroyWindow(bare);
    ASSERT_EQ(manager->FormSkinners().size(), 1u);
    EXPECT_TRUE(manager->FormSkinners()[0]->WindowGone());
    const HWND next = MakeWindow(L"CorvanaPurgeNext", GetModuleHandleW(nullptr));
    ASSERT_TRUE(manager->SkinWindow(next));
    ASSERT_EQ(manager->FormSkinners().size(), 1u);
    EXPECT_EQ(manager->FormSkinners()[0]->WindowHandle(), next);
    DestroyWindow(next);
    manager->Purge();
    EXPECT_TRUE(manager->FormSkinners().empty());
    PumpMessages(20);
    // The first round fills the shared caches; no later round leaves anything behind.
    if (round == 0) {
      gdi = OwnedGdiObjects();
      procs = LiveWindowProcInstances();
    }
    EXPECT_EQ(OwnedGdiObjects(), gdi);
    EXPECT_EQ(LiveWindowProcInstances(), procs);
  }
}

TEST_F(SkinManageTest, FreeingTheManagerGivesOpenWindowsTheirOwnLookBack) {
  data->Colours[SkinColour::ButtonFace] = RGB(12, 34, 56);
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(60, 60, 320, 220);
  form->Show();
  const HWND bare = Keep(MakeWindow(L"CorvanaFreeBare", GetModuleHandleW(nullptr)));
  PumpMessages(20);
  const HWND both[2] = {form->Handle(), bare};
  RECT clients[2]{}, frames[2]{};
  LONG_PTR procs[2]{};
  for (int i = 0; i < 2; ++i) {
    GetClientRect(both[i], &clients[i]);
    GetWindowRect(both[i], &frames[i]);
    procs[i] = GetWindowLongPtrW(both[i], GWLP_WNDPROC);
    ASSERT_TRUE(manager->SkinWindow(both[i]));
  }
  // An open popup menu, taken over by the hook as it is made.
  data->SetSkinControls(SetOf(xcMainMenu, xcPopupMenu));
  manager->InstallHook();
  const HWND popup = Keep(
      CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP, 10, 10, 80, 60, nullptr, nullptr, nullptr, nullptr));
  PumpMessages(20);
  ASSERT_EQ(form->Color(), RGB(12, 34, 56));
  ASSERT_NE(GetWindowLongPtrW(bare, GWLP_WNDPROC), procs[1]);
  ASSERT_TRUE(manager->IsSkinnedPopup(popup));
  ASSERT_NE(GetWindowLongPtrW(popup, GWLP_WNDPROC), GetClassLongPtrW(popup, GCLP_WNDPROC));

  FreeSkinManager();
  EXPECT_EQ(SkinManager(), nullptr);
  PumpMessages(20);
  EXPECT_EQ(GetWindowLongPtrW(popup, GWLP_WNDPROC), GetClassLongPtrW(popup, GCLP_WNDPROC));
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GetWindowLongPtrW(both[i], GWLP_WNDPROC), procs[i]);
    EXPECT_NE(SendMessageW(both[i], SKINMSG_QUERY, 0, 0), 1);
    TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(both[i], region.Get()), ERROR);
    RECT client{}, window{};
    GetClientRect(both[i], &client);
    GetWindowRect(both[i], &window);
    EXPECT_EQ(RectText(client), RectText(clients[i]));
    EXPECT_EQ(window.right - window.left, frames[i].right - frames[i].left);
    EXPECT_EQ(window.bottom - window.top, frames[i].bottom - frames[i].top);
    // The platform paints and sizes them again without the skinner.
    SendMessageW(both[i], WM_NCPAINT, 1, 0);
    SetWindowPos(both[i], nullptr, 0, 0, 250, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  EXPECT_EQ(form->Color(), clBtnFace);
  form.reset();
}

}  // namespace
