// Faults of the form skinner pinned on real windows under Wine: the region of a closed window,
// caption buttons after state changes, the caption of a maximized window after a new text, an
// unskin before activation, popup menus found by discovery, a skinner that could not take its
// window over, and the MDI bookkeeping of maximized children.
#include <gtest/gtest.h>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/menus.h"
#include "ui/skin_messages.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

namespace {

constexpr int kLeft = 6, kTop = 28, kRight = 7, kBottom = 4;
constexpr int kButtonW = 16, kButtonH = 14, kButtonY = 6;
constexpr int kTopSeed = 3, kClose = 20, kMax = 21;
constexpr int kCloseX = 30, kMaxX = 50;

// Borders, a close button and one maximize button shown in both window states.
TTestSkin FrameSkin() {
  TTestSkin skin;
  skin.Strip("left.bmp", 2, kLeft, 30, 1);
  skin.Strip("right.bmp", 2, kRight, 30, 2);
  skin.Strip("top.bmp", 2, 80, kTop, kTopSeed, true);
  skin.Strip("bottom.bmp", 2, 80, kBottom, 4, true);
  for (int seed : {kClose, kMax}) skin.Strip("b" + std::to_string(seed) + ".bmp", 4, kButtonW, kButtonH, seed);
  auto button = [](const std::string& name, int seed, int action, int x) {
    return "[" + name + "]\r\nAction=" + std::to_string(action) + "\r\nAlign=1\r\nXcoord=" + std::to_string(x) +
           "\r\nYcoord=" + std::to_string(kButtonY) + "\r\nframe=4\r\nVisibility=0\r\nButtonImage=b" +
           std::to_string(seed) + ".bmp\r\n";
  };
  skin.Ini("[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\nRightFrame=2\r\nTop=top.bmp\r\n"
           "TopFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n" +
           button("ButtonClose", kClose, caClose, kCloseX) + button("ButtonMax", kMax, caMaximize, kMaxX));
  return skin;
}

SIZE SizeOf(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

class FrameFaults : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    TWinSkinForm::Register();
    manager = SkinManager();
    manager->Enabled = true;
    data = LoadTestSkin(FrameSkin());
    ASSERT_FALSE(data->SkinPending());
    data->SetSkinControls(SetOf(xcMainMenu));
    manager->Register(data.get());
  }
  void TearDown() override {
    form.reset();
    if (manager) manager->Unregister(data.get());
    FreeSkinManager();
  }
  HWND NewForm() {
    form.reset(new TForm(nullptr));
    form->SetBounds(100, 80, 420, 300);
    form->SetCaption(L"加固 Hardening");
    form->Show();
    PumpMessages(30);
    return form->Handle();
  }
  TWinSkinForm* SkinForm() {
    if (!form) NewForm();
    if (!manager->SkinWindow(form->Handle())) return nullptr;
    PumpMessages(30);
    return dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(form->Handle()));
  }
  TWinSysButton* Button(TWinSkinForm& skinner, const char* name) {
    for (const auto& b : skinner.CaptionButtons)
      if (b->SkinButton->Name == name) return b.get();
    return nullptr;
  }
  POINT ScreenCentre(const TWinSysButton& b) const {
    RECT w{};
    GetWindowRect(form->Handle(), &w);
    return POINT{w.left + (b.Bounds.left + b.Bounds.right) / 2, w.top + (b.Bounds.top + b.Bounds.bottom) / 2};
  }
  void Send(UINT msg, POINT screen) { SendMessageW(form->Handle(), msg, HTCAPTION, MAKELPARAM(screen.x, screen.y)); }
  COLORREF PaintedAt(const TWinSysButton& b) {
    const SIZE s = SizeOf(form->Handle());
    TBitmap picture(s.cx, s.cy);
    SendMessageW(form->Handle(), SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), SKIN_MAGIC);
    return GetPixel(picture.Canvas().Handle(), (b.Bounds.left + b.Bounds.right) / 2, (b.Bounds.top + b.Bounds.bottom) / 2);
  }

  TSkinManage* manager = nullptr;
  TOwned<TSkinData> data;
  TOwned<TForm> form;
};

TEST_F(FrameFaults, AClosedWindowLeavesNoRegionOfTheSkinnerBehind) {
  TWinSkinForm* skinner = SkinForm();
  ASSERT_NE(skinner, nullptr);
  const HRGN kept = skinner->Region();
  ASSERT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_REGION));
  const long handedOver = HandedOverGdiObjects();
  form.reset();
  PumpMessages(20);
  EXPECT_EQ(GetObjectType(kept), 0u) << "the skinner's own copy of the region is deleted with the window";
  EXPECT_EQ(HandedOverGdiObjects(), handedOver) << "nothing was handed over instead of deleted";
}

TEST_F(FrameFaults, AButtonShowsHotOnlyWhileTheMouseIsOnItAfterRestoreAndMaximize) {
  TWinSkinForm* skinner = SkinForm();
  ASSERT_NE(skinner, nullptr);
  const HWND h = form->Handle();
  // The cursor rests where the button lies in the restored window, so the hover timer keeps the
  // button hot there; after the maximize by double click the mouse is on the caption instead.
  RECT restored{};
  GetWindowRect(h, &restored);
  SetCursorPos(restored.right - kMaxX + kButtonW / 2, restored.top + kButtonY + kButtonH / 2);
  ShowWindow(h, SW_MAXIMIZE);
  PumpMessages(50);
  SendMessageW(h, SKINMSG_PAINTFRAME, 0, 0);
  TWinSysButton* max = Button(*skinner, "BUTTONMAX");
  ASSERT_NE(max, nullptr);
  ASSERT_TRUE(max->Visible);
  const POINT onMax = ScreenCentre(*max);
  Send(WM_NCMOUSEMOVE, onMax);
  Send(WM_NCLBUTTONDOWN, onMax);
  Send(WM_NCLBUTTONUP, onMax);
  PumpMessages(60);
  ASSERT_FALSE(IsZoomed(h)) << "the shared button restores a maximized window";
  RECT w{};
  GetWindowRect(h, &w);
  Send(WM_NCLBUTTONDBLCLK, POINT{(w.left + w.right) / 2, w.top + kTop / 2});
  PumpMessages(60);
  ASSERT_TRUE(IsZoomed(h));
  EXPECT_EQ(PaintedAt(*max), FrameColour(kMax, 1)) << "normal look with the mouse elsewhere";
  EXPECT_EQ(max->State, ncNormal);
}

TEST_F(FrameFaults, AMaximizedWindowRepaintsItsCaptionForANewText) {
  ASSERT_NE(SkinForm(), nullptr);
  const HWND h = form->Handle();
  ShowWindow(h, SW_MAXIMIZE);
  PumpMessages(60);
  const SIZE s = SizeOf(h);
  const RECT mark{s.cx / 2 - 10, 4, s.cx / 2 + 10, kTop - 4};
  {
    TWindowDC dc(h, TWindowDC::Whole);
    const TBrushHandle marker(CreateSolidBrush(RGB(255, 0, 255)));
    FillRect(dc, &mark, marker.Get());
  }
  form->SetCaption(L"新的标题 A new title");
  PumpMessages(30);
  RECT w{};
  GetWindowRect(h, &w);
  TWindowDC screen(nullptr);
  EXPECT_EQ(GetPixel(screen, w.left + s.cx / 2, w.top + kTop / 2), FrameColour(kTopSeed, 1));
}

TEST_F(FrameFaults, UnskinBeforeTheActivationLeavesTheWindowsSize) {
  const HWND h = NewForm();
  const SIZE before = SizeOf(h);
  ASSERT_TRUE(manager->SkinWindow(h));  // its activation is still in the queue
  auto* skinner = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(h));
  ASSERT_NE(skinner, nullptr);
  skinner->Unskin();
  PumpMessages(30);
  const SIZE after = SizeOf(h);
  EXPECT_EQ(after.cx, before.cx);
  EXPECT_EQ(after.cy, before.cy);
}

TEST_F(FrameFaults, PopupMenusOfAFormWithoutASkinnedFrameGetTheSkinnedPainter) {
  data->SetSkinControls(SetOf(xcPopupMenu));
  NewForm();
  auto* popup = new TPopupMenu(form.get());
  auto* item = new TMenuItem(popup);
  item->SetCaption(L"复制 Copy");
  popup->Items()->Add(item);
  ASSERT_NE(SkinForm(), nullptr);
  EXPECT_TRUE(popup->OwnerDraw());
  EXPECT_TRUE(static_cast<bool>(item->OnDrawItem));
}

// A form skinner that never gets its window's procedure.
class TUnhookedSkinner : public TFormSkinnerBase {
public:
  using TFormSkinnerBase::TFormSkinnerBase;
  HWND WindowHandle() const override { return Window; }
  TSkinData* SkinDataOf() const override { return nullptr; }
  bool WindowGone() const override { return false; }
  bool IsMdiChild() const override { return false; }
  void Prepare(HWND window, const void*, const std::string&) override { Window = window; }
  void AttachToForm(TSkinData*, TCustomForm*) override {}
  void AttachToWindow(TSkinData*) override {}
  bool Hooked() const override { return false; }
  void Unskin() override {}
  void ComputeFrameMetrics() override {}
  void ReskinForm() override {}
  void RepaintFrame() override {}
  void MdiChildStateChanged(bool) override {}
  void SizeGripCreated(HWND) override {}
  HWND Window = nullptr;
};

TEST_F(FrameFaults, ASkinnerThatCouldNotTakeTheWindowOverDoesNotBlockALaterTry) {
  const HWND h = NewForm();
  manager->SetFormSkinnerFactory([](TComponent* owner) { return new TUnhookedSkinner(owner); });
  EXPECT_FALSE(manager->SkinWindow(h));
  EXPECT_EQ(manager->FormSkinnerOf(h), nullptr);
  TWinSkinForm::Register();
  EXPECT_TRUE(manager->SkinWindow(h));
}

// ---- MDI ----

HWND gClient = nullptr;
LRESULT CALLBACK FrameProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefFrameProcW(w, gClient, m, wp, lp); }
LRESULT CALLBACK ChildProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefMDIChildProcW(w, m, wp, lp); }

TEST_F(FrameFaults, AMaximizedMdiChildAsksForTheMdiButtonsRedrawsThroughItsClientAndRestoreHidesThem) {
  WNDCLASSW frameClass{}, childClass{};
  frameClass.lpfnWndProc = FrameProc;
  frameClass.hInstance = childClass.hInstance = GetModuleHandleW(nullptr);
  frameClass.lpszClassName = L"CorvanaHardeningFrame";
  childClass.lpfnWndProc = ChildProc;
  childClass.lpszClassName = L"CorvanaHardeningChild";
  RegisterClassW(&frameClass);
  RegisterClassW(&childClass);
  const HWND frame = CreateWindowExW(0, L"CorvanaHardeningFrame", L"MDI", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 640,
                                     480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  CLIENTCREATESTRUCT ccs{};
  ccs.idFirstChild = 100;
  gClient = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 600, 400, frame, nullptr,
                            GetModuleHandleW(nullptr), &ccs);
  MDICREATESTRUCTW mcs{};
  mcs.szClass = L"CorvanaHardeningChild";
  mcs.szTitle = L"子窗口";
  mcs.hOwner = GetModuleHandleW(nullptr);
  mcs.cx = 300;
  mcs.cy = 200;
  const auto child = reinterpret_cast<HWND>(SendMessageW(gClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  SendMessageW(gClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  PumpMessages(30);
  ASSERT_TRUE(IsZoomed(child));
  ASSERT_FALSE(manager->MdiMaximized);

  ASSERT_TRUE(manager->SkinWindow(child));
  EXPECT_TRUE(manager->MdiMaximized) << "an attached maximized child shows the MDI buttons";
  // Its activation asks the client it lives in for a redraw.
  MSG msg{};
  while (PeekMessageW(&msg, gClient, SKINMSG_REDRAWMDI, SKINMSG_REDRAWMDI, PM_REMOVE)) {
  }
  ASSERT_TRUE(PeekMessageW(&msg, child, SKINMSG_ACTIVATE, SKINMSG_ACTIVATE, PM_REMOVE));
  DispatchMessageW(&msg);
  EXPECT_TRUE(PeekMessageW(&msg, gClient, SKINMSG_REDRAWMDI, SKINMSG_REDRAWMDI, PM_NOREMOVE));
  EXPECT_EQ(reinterpret_cast<HWND>(msg.wParam), child);

  SendMessageW(child, WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpMessages(30);
  EXPECT_FALSE(IsZoomed(child));
  EXPECT_FALSE(manager->MdiMaximized) << "restoring the child hides the MDI buttons";
  DestroyWindow(frame);
  gClient = nullptr;
}

}  // namespace
