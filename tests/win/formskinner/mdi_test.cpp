// A raw MDI frame of the platform (no framework form) and its children taken over by form
// skinners: the roles, the child's frame from the skin around its own client, a maximized
// child, and the frame's MDI client told of a destroyed child.
#include <gtest/gtest.h>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/skin_messages.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

namespace {

// The top border is shorter than any platform caption, so a child gets a band under it.
constexpr int kLeft = 5, kTop = 14, kRight = 8, kBottom = 3;

TTestSkin MdiSkin() {
  TTestSkin skin;
  skin.Strip("left.bmp", 2, kLeft, 30, 1);
  skin.Strip("right.bmp", 2, kRight, 30, 2);
  skin.Strip("top.bmp", 2, 80, kTop, 3, true);
  skin.Strip("bottom.bmp", 2, 80, kBottom, 4, true);
  skin.Ini("[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\nRightFrame=2\r\nTop=top.bmp\r\n"
           "TopFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n");
  return skin;
}

HWND gClient = nullptr;

LRESULT CALLBACK FrameProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefFrameProcW(w, gClient, m, wp, lp); }
LRESULT CALLBACK ChildProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefMDIChildProcW(w, m, wp, lp); }

void RegisterClasses() {
  WNDCLASSW frame{};
  frame.lpfnWndProc = FrameProc;
  frame.hInstance = GetModuleHandleW(nullptr);
  frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  frame.lpszClassName = L"CorvanaTestMdiFrame";
  RegisterClassW(&frame);
  WNDCLASSW child{};
  child.lpfnWndProc = ChildProc;
  child.hInstance = GetModuleHandleW(nullptr);
  child.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  child.lpszClassName = L"CorvanaTestMdiChild";
  RegisterClassW(&child);
}

class MdiTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    TWinSkinForm::Register();
    RegisterClasses();
    manager = SkinManager();
    data = LoadTestSkin(MdiSkin());
    ASSERT_FALSE(data->SkinPending());
    data->SetSkinControls(SetOf(xcMainMenu));
    manager->Register(data.get());
    manager->Enabled = true;
    frame = CreateWindowExW(0, L"CorvanaTestMdiFrame", L"MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 60,
                            60, 640, 480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    CLIENTCREATESTRUCT ccs{};
    ccs.idFirstChild = 100;
    gClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                              600, 400, frame, nullptr, GetModuleHandleW(nullptr), &ccs);
    PumpMessages(30);
  }
  void TearDown() override {
    if (IsWindow(frame)) DestroyWindow(frame);
    gClient = nullptr;
    manager->Unregister(data.get());
    FreeSkinManager();
  }
  HWND NewChild(const wchar_t* title) {
    MDICREATESTRUCTW mcs{};
    mcs.szClass = L"CorvanaTestMdiChild";
    mcs.szTitle = title;
    mcs.hOwner = GetModuleHandleW(nullptr);
    mcs.x = 20;
    mcs.y = 20;
    mcs.cx = 300;
    mcs.cy = 200;
    const HWND child = reinterpret_cast<HWND>(SendMessageW(gClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    PumpMessages(20);
    return child;
  }
  TWinSkinForm* SkinnerOf(HWND w) { return dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(w)); }
  static RECT Client(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return r;
  }
  static SIZE Size(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }

  TSkinManage* manager = nullptr;
  TOwned<TSkinData> data;
  HWND frame = nullptr;
};

TEST_F(MdiTest, TheFrameAndItsChildTakeTheirRolesAndTheChildKeepsItsClient) {
  ASSERT_TRUE(manager->SkinWindow(frame));
  PumpMessages(30);
  TWinSkinForm* frameSkinner = SkinnerOf(frame);
  ASSERT_NE(frameSkinner, nullptr);
  EXPECT_EQ(frameSkinner->MdiRole, mdiFrame);
  EXPECT_EQ(frameSkinner->MdiClient, gClient);

  const HWND child = NewChild(L"子窗口 1");
  ASSERT_NE(child, nullptr);
  const RECT before = Client(child);
  ASSERT_TRUE(manager->SkinWindow(child));
  PumpMessages(30);
  TWinSkinForm* childSkinner = SkinnerOf(child);
  ASSERT_NE(childSkinner, nullptr);
  EXPECT_EQ(childSkinner->MdiRole, mdiChild);
  EXPECT_EQ(childSkinner->LifeState, fsActive);
  EXPECT_EQ(SendMessageW(child, SKINMSG_QUERY, 0, 0), 1);
  // The skin's frame around the same client area, with a region of the child's size.
  EXPECT_EQ(RectText(Client(child)), RectText(before));
  EXPECT_EQ(Size(child).cx, before.right + kLeft + kRight);
  // The top border is made up to the platform's caption and frame by an empty band under it.
  const int band = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) - kTop;
  ASSERT_GT(band, 0);
  EXPECT_EQ(Size(child).cy, before.bottom + kTop + kBottom + band);
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(child, region.Get()), ERROR);
  RECT box{};
  GetRgnBox(region.Get(), &box);
  EXPECT_EQ(box.right, Size(child).cx);
}

TEST_F(MdiTest, AMaximizedChildFillsTheClientAndItsDestructionClearsTheMaximizedState) {
  ASSERT_TRUE(manager->SkinWindow(frame));
  const HWND child = NewChild(L"子窗口 2");
  ASSERT_TRUE(manager->SkinWindow(child));
  PumpMessages(30);
  TWinSkinForm* childSkinner = SkinnerOf(child);
  ASSERT_NE(childSkinner, nullptr);

  SendMessageW(gClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  PumpMessages(30);
  EXPECT_EQ(childSkinner->WindowState, wsMaximizedState);
  // Maximized, the child's frame is the platform's, outside the MDI client: its client fills it.
  EXPECT_EQ(Client(child).right, Client(gClient).right);
  EXPECT_EQ(Client(child).bottom, Client(gClient).bottom);

  manager->MdiMaximized = true;
  SendMessageW(gClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  PumpMessages(30);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(manager->MdiMaximized);
  // The frame's skinner stays and still answers.
  EXPECT_EQ(SendMessageW(frame, SKINMSG_QUERY, 0, 0), 1);
}

TEST_F(MdiTest, TilingHidesTheMdiButtonsFirst) {
  ASSERT_TRUE(manager->SkinWindow(frame));
  NewChild(L"a");
  NewChild(L"b");
  manager->MdiMaximized = true;
  SendMessageW(gClient, WM_MDITILE, MDITILE_VERTICAL, 0);
  PumpMessages(20);
  EXPECT_FALSE(manager->MdiMaximized);
}

}  // namespace
