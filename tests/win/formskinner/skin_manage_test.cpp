// The skin manager's rules on real windows: which windows are never taken over, dialogs of
// other modules, "preview" classes, the scheduling before and after the first activation, and
// a message box of the program skinned through the hook.
#include <gtest/gtest.h>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/skin_messages.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

namespace {

TTestSkin PlainFrameSkin() {
  TTestSkin skin;
  skin.Strip("left.bmp", 2, 6, 30, 1);
  skin.Strip("right.bmp", 2, 6, 30, 2);
  skin.Strip("top.bmp", 2, 80, 27, 3, true);
  skin.Strip("bottom.bmp", 2, 80, 6, 4, true);
  skin.Ini("[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\nRightFrame=2\r\nTop=top.bmp\r\n"
           "TopFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n");
  return skin;
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
    manager->Unregister(data.get());
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

}  // namespace
