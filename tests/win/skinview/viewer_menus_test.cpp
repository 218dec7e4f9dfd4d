// The skin viewer's menus under Wine: the main menu in the skinned band, its captions and
// checks following the state, the recent skins, and the menu page's raw MDI frame whose
// maximized child puts its buttons into the frame's skinned menu bar.
#include <gtest/gtest.h>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "skinview/viewer_form.h"
#include "skinview/viewer_pages.h"
#include "ui/skin_messages.h"
#include "win/formskinner/menu_test_support.h"
#include "win/support/ui_test.h"

namespace {

constexpr int kSettle = 3 * kScheduleDelay;

class ViewerMenusTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    TSkinViewForm::OnError = [this](const std::wstring& text) { errors.push_back(text); };
    form.reset(new TSkinViewForm(nullptr, L""));
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpMessages(kSettle);
  }
  void TearDown() override {
    if (mdi && IsWindow(mdi)) DestroyWindow(mdi);
    form.reset();
    FreeSkinManager();
    TSkinViewForm::OnError = nullptr;
  }
  TWinSkinForm* SkinnerOf(HWND window) {
    TSkinManage* manager = SkinManager();
    return manager ? dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(window)) : nullptr;
  }
  TMenuItem* Top(int i) { return form->MainMenu()->Items()->Items(i); }

  TOwned<TSkinViewForm> form;
  std::vector<std::wstring> errors;
  HWND mdi = nullptr;
};

TEST_F(ViewerMenusTest, TheMainMenuLiesInTheSkinnedBandAndFollowsTheState) {
  TWinSkinForm* skinner = SkinnerOf(form->Handle());
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(skinner->MenuBar);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  ASSERT_EQ(skinner->MenuBar->ItemCount, 4);
  EXPECT_EQ(skinner->MenuBar->Items[0]->Caption, L"文件(&F)");
  EXPECT_FALSE(skinner->MenuBar->Items[1]->ItemEnabled);  // the disabled edit menu
  TMenuItem* file = Top(0);
  EXPECT_EQ(file->Items(0)->Caption(), L"打开皮肤(&O)…");
  EXPECT_EQ(file->Items(1)->Caption(), L"关闭皮肤(&C)");
  // Three levels: view > levels > third.
  TMenuItem* view = Top(2);
  bool deep = false;
  for (int i = 0; i < view->Count(); ++i) {
    for (int j = 0; j < view->Items(i)->Count(); ++j) deep |= view->Items(i)->Items(j)->Count() > 0;
  }
  EXPECT_TRUE(deep);
  // The page items are radio items; the shown page is checked.
  TMenuItem* pages = view->Items(1);
  ASSERT_EQ(pages->Count(), form->Pages()->PageCount());
  EXPECT_TRUE(pages->Items(0)->RadioItem());
  EXPECT_TRUE(pages->Items(0)->Checked());
  pages->Items(2)->Click();
  EXPECT_EQ(form->Pages()->ActivePageIndex(), 2);
  EXPECT_TRUE(Top(2)->Items(1)->Items(2)->Checked());
  EXPECT_FALSE(Top(2)->Items(1)->Items(0)->Checked());
  // Switching skinning off renames the item and gives the platform's bar back.
  Top(0)->Items(1)->Click();
  PumpMessages(kSettle);
  EXPECT_EQ(Top(0)->Items(1)->Caption(), L"启用皮肤(&C)");
  EXPECT_EQ(GetMenu(form->Handle()), form->MainMenu()->Handle());
  Top(0)->Items(1)->Click();
  PumpMessages(kSettle);
  EXPECT_EQ(Top(0)->Items(1)->Caption(), L"关闭皮肤(&C)");
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  // No recent skins yet: one disabled placeholder.
  TMenuItem* recent = Top(0)->Items(2);
  ASSERT_EQ(recent->Count(), 1);
  EXPECT_FALSE(recent->Items(0)->Enabled());
  EXPECT_TRUE(errors.empty());
}

TEST_F(ViewerMenusTest, TheRawMdiFrameShowsItsMaximizedChildsButtonsInItsSkinnedBar) {
  mdi = ShowMdiSample(*form);
  ASSERT_NE(mdi, nullptr);
  PumpMessages(kSettle);
  TWinSkinForm* skinner = SkinnerOf(mdi);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->MdiRole, mdiFrame);
  ASSERT_TRUE(skinner->MenuBar);
  EXPECT_EQ(GetMenu(mdi), nullptr);
  ASSERT_EQ(skinner->MenuBar->ItemCount, 2);
  EXPECT_EQ(skinner->MenuBar->Items[0]->Caption, L"子窗口(&C)");
  EXPECT_TRUE(skinner->MdiChildMaximized());
  SendMessageW(mdi, SKINMSG_PAINTFRAME, 0, 0);
  // The three MDI buttons of the skin show in the band, right of the items.
  int shown = 0;
  for (const auto& b : skinner->CaptionButtons) {
    if (b->SkinButton->Visibility != 100 || !b->Visible) continue;
    ++shown;
    EXPECT_GE(b->Bounds.top, skinner->FrameTop);
    EXPECT_LE(b->Bounds.bottom, skinner->FrameTop + GetSystemMetrics(SM_CYMENU));  // the band: a platform menu bar high
    EXPECT_GT(b->Bounds.left, skinner->MenuBar->Items[1]->Bounds.right);
  }
  EXPECT_EQ(shown, 3);
  EXPECT_TRUE(SkinManager()->MdiMaximized);
  // The viewer keeps one frame: asked again, it brings the same one forward.
  EXPECT_EQ(ShowMdiSample(*form), mdi);
  // A new frame menu given to the MDI client becomes the bar's items; the window keeps none.
  HMENU other = CreateMenu();
  AppendMenuW(other, MF_STRING, 3001, L"甲(&A)");
  AppendMenuW(other, MF_STRING, 3002, L"乙(&B)");
  AppendMenuW(other, MF_STRING, 3003, L"丙(&C)");
  SendMessageW(skinner->MdiClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(other), 0);
  PumpMessages(30);
  EXPECT_EQ(GetMenu(mdi), nullptr);
  ASSERT_EQ(skinner->MenuBar->ItemCount, 3);
  EXPECT_EQ(skinner->MenuBar->Items[2]->Caption, L"丙(&C)");
  EXPECT_GT(skinner->MenuBar->Items[2]->Bounds.right, skinner->MenuBar->Items[1]->Bounds.right);
  DestroyWindow(mdi);
  DestroyMenu(other);
}

TEST_F(ViewerMenusTest, ARightClickOnAPageOpensTheSkinnedPopupWhoseItemRunsOnce) {
  using namespace menutest;
  TTabSheet* sheet = form->Pages()->Pages(0);
  ASSERT_TRUE(form->ContextMenu()->OwnerDraw());  // the skin draws its items
  bool skinned = false;
  Script().push_back([&] {
    const HWND popup = OpenPopup();
    skinned = popup && SkinManager()->IsSkinnedPopup(popup);
    // Down to "next page" (the fourth item, past the separator) and run it.
    for (int i = 0; i < 4; ++i) Key(VK_DOWN);
  });
  Script().push_back([] { Key(VK_RETURN); });
  bool handled = false;
  ASSERT_TRUE(RunScript([&] {
    MSG click{sheet->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(40, 40), 0, {}};
    TestApplication().OnMessage(click, handled);
  }));
  EXPECT_TRUE(handled);
  EXPECT_TRUE(skinned);
  EXPECT_EQ(form->Pages()->ActivePageIndex(), 1);
}

}  // namespace
