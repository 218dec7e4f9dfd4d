// Skinners freed inside the modal loops they run (a bar popup, the system menu, the platform's
// scroll-bar tracking) write nothing into freed memory afterwards, checked with the quarantine
// of this test program; and a long menu text survives its popup being opened.
#include <gtest/gtest.h>

#include "skin/form/menu_paint.h"
#include "win/formskinner/menu_test_support.h"
#include "win/hardening/quarantine.h"
#include "win/scrollbars/scroll_test.h"

using namespace menutest;

namespace {

class ModalFaults : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    TWinSkinForm::Register();
    manager = SkinManager();
    manager->Enabled = true;
    data = LoadTestSkin(MenuSkin());
    ASSERT_FALSE(data->SkinPending());
    data->SetSkinControls(SetOf(xcMainMenu, xcPopupMenu, xcSystemMenu));
    manager->Register(data.get());
    form.reset(new TForm(nullptr));
    form->SetBounds(100, 80, 460, 300);
    form->SetCaption(L"模态 Modal");
    auto* menu = new TMainMenu(form.get());
    auto* file = new TMenuItem(form.get());
    file->SetCaption(L"&File");
    menu->Items()->Add(file);
    auto* open = new TMenuItem(form.get());
    open->SetCaption(L"&Open");
    file->Add(open);
    form->SetMenu(menu);
    form->Show();
    PumpMessages(30);
    ASSERT_TRUE(manager->SkinWindow(form->Handle()));
    PumpMessages(30);
    manager->InstallHook();
    skinner = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(form->Handle()));
    ASSERT_NE(skinner, nullptr);
    ASSERT_TRUE(skinner->MenuBar && !skinner->MenuBar->Items.empty());
  }
  void TearDown() override {
    Script().clear();
    form.reset();
    if (manager) manager->Unregister(data.get());
    FreeSkinManager();
  }
  // Runs trigger, whose modal loop frees the form at its first step.
  bool FreedInside(std::function<void()> trigger) {
    Script().push_back([this] { form.reset(); });
    StartQuarantine();
    RunScript(std::move(trigger));
    const size_t kept = QuarantinedBlocks();
    const bool intact = StopQuarantineIntact();
    EXPECT_GT(kept, 0u) << "the form and its skinner were freed inside the loop";
    return intact;
  }

  TSkinManage* manager = nullptr;
  TOwned<TSkinData> data;
  TOwned<TForm> form;
  TWinSkinForm* skinner = nullptr;
};

TEST_F(ModalFaults, AFormFreedWhileItsBarPopupIsOpenIsNotWrittenToAfterTheLoop) {
  TMenuBtn* item = skinner->MenuBar->Items.front().get();
  EXPECT_TRUE(FreedInside([this, item] { skinner->OpenMenuItem(item); }));
  EXPECT_EQ(MenuLoopTracker(), nullptr);
}

TEST_F(ModalFaults, AFormFreedWhileItsSystemMenuIsOpenIsNotWrittenToAfterTheLoop) {
  RECT w{};
  GetWindowRect(form->Handle(), &w);
  EXPECT_TRUE(FreedInside([this, w] { skinner->ShowSystemMenu(POINT{w.left + 20, w.top + 20}); }));
}

LRESULT CALLBACK BareProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }

TEST_F(ModalFaults, AMenuTextLongerThanEightyCharactersIsKeptWholeAfterItsPopupOpened) {
  WNDCLASSW cls{};
  cls.lpfnWndProc = BareProc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = L"CorvanaHardeningBare";
  RegisterClassW(&cls);
  std::wstring longText;
  for (int i = 0; longText.size() < 150; ++i) longText += L"菜单项 item " + std::to_wstring(i) + L" ";
  const HMENU popup = CreatePopupMenu();
  AppendMenuW(popup, MF_STRING, 101, longText.c_str());
  const HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"&File");
  const HWND window = CreateWindowExW(0, L"CorvanaHardeningBare", L"Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 120,
                                      400, 300, nullptr, bar, GetModuleHandleW(nullptr), nullptr);
  PumpMessages(30);
  // The manager's hook may have taken the window over at its activation already.
  if (!manager->FormSkinnerOf(window)) {
    ASSERT_TRUE(manager->SkinWindow(window));
  }
  PumpMessages(30);
  auto* bare = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(window));
  ASSERT_TRUE(bare && bare->MenuBar && !bare->MenuBar->Items.empty());
  Script().push_back([] { EndMenu(); });
  RunScript([bare] { bare->OpenMenuItem(bare->MenuBar->Items.front().get()); });
  EXPECT_EQ(MenuStringOf(popup, 101), longText);
  DestroyWindow(window);
  PumpMessages(20);
}

class OverlayFreed : public ScrollSkinTest {};

TEST_F(OverlayFreed, AScrollSkinnerFreedDuringThePlatformsTrackingIsNotWrittenToAfterIt) {
  TMemo* memo = NewMemo(TScrollStyle::ssVertical);
  TSkinScrollbar* scroller = Skin(memo);
  ASSERT_TRUE(scroller->VertBar && scroller->VertBar->Shown);
  const HWND overlay = scroller->VertBar->Window();
  RECT r{};
  GetClientRect(overlay, &r);
  const HWND target = memo->Handle();
  // Inside the tracking: the skinner goes (as at unskinning), then the button comes up.
  Script().push_back([scroller, target] {
    scroller->Free();
    PostMessageW(target, WM_LBUTTONUP, 0, 0);
  });
  StartQuarantine();
  RunScript([overlay, r] { SendMessageW(overlay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom / 2)); },
            60);
  const size_t kept = QuarantinedBlocks();
  EXPECT_TRUE(StopQuarantineIntact());
  EXPECT_GT(kept, 0u);
  EXPECT_FALSE(IsWindow(overlay));
}

}  // namespace
