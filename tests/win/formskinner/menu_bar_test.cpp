// The skinned menu bar on a real form under Wine with a frame-coded skin: the band in place of
// the platform's menu bar, item rectangles, looks by pixel, opening items by mouse and by
// keyboard, moving between bar items inside the menu loop, accelerators, commands reaching
// their handler once, changes at run time, and the menu given back at unskin.
#include <gtest/gtest.h>

#include "skin/form/menu_paint.h"
#include "skin/form/popup_menu.h"
#include "ui/extctrls.h"
#include "win/formskinner/menu_test_support.h"

using namespace menutest;

namespace {

class MenuBarTest : public ::testing::Test {
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
    form->SetCaption(L"菜单 Menus");
    menu = new TMainMenu(form.get());
    file = Add(menu->Items(), L"&File");
    open = Add(file, L"&Open");
    open->SetShortCut(scCtrl | 'O');
    Add(file, L"-");
    Add(file, L"E&xit");
    edit = Add(menu->Items(), L"&Edit");
    Add(edit, L"&Undo");
    edit->SetEnabled(false);
    view = Add(menu->Items(), L"&View");
    checked = Add(view, L"&Status bar");
    checked->SetChecked(true);
    more = Add(view, L"&More");
    Add(more, L"&Deep");
    help = Add(menu->Items(), L"&Help");
    about = Add(help, L"&About");
    aboutClicks = std::make_shared<int>(0);
    auto clicks = aboutClicks;
    about->OnClick = [clicks](TObject*) { ++*clicks; };
    form->SetMenu(menu);
    if (rightToLeft) form->SetBiDiMode(TBiDiMode::bdRightToLeft);
    form->Show();
    PumpMessages(30);
    GetClientRect(form->Handle(), &clientBefore);
    ASSERT_TRUE(manager->SkinWindow(form->Handle()));
    PumpMessages(30);
    // Popup menu windows are taken over by the manager's hook as they are created.
    manager->InstallHook();
    skinner = dynamic_cast<TWinSkinForm*>(manager->FormSkinnerOf(form->Handle()));
    ASSERT_NE(skinner, nullptr);
    ASSERT_TRUE(skinner->MenuBar);
    SendMessageW(form->Handle(), SKINMSG_PAINTFRAME, 0, 0);
  }
  void TearDown() override {
    Script().clear();
    form.reset();
    if (manager) manager->Unregister(data.get());
    FreeSkinManager();
  }
  static TMenuItem* Add(TMenuItem* parent, const wchar_t* caption) {
    auto* item = new TMenuItem(parent->Owner());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  TMenuBtn& Item(int i) { return *skinner->MenuBar->Items.at(static_cast<size_t>(i)); }
  LPARAM ScreenPoint(const TMenuBtn& b) const {
    RECT w{};
    GetWindowRect(form->Handle(), &w);
    return MAKELPARAM(w.left + (b.Bounds.left + b.Bounds.right) / 2, w.top + (b.Bounds.top + b.Bounds.bottom) / 2);
  }
  int TextWidth(const wchar_t* text) {
    TWindowDC dc(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    UseMenuFont(canvas);
    const int w = canvas.TextWidth(text);
    canvas.SetHandle(nullptr);
    return w;
  }

  TSkinManage* manager = nullptr;
  TOwned<TSkinData> data;
  TOwned<TForm> form;
  TMainMenu* menu = nullptr;
  TMenuItem *file = nullptr, *open = nullptr, *edit = nullptr, *view = nullptr, *checked = nullptr, *more = nullptr,
            *help = nullptr, *about = nullptr;
  std::shared_ptr<int> aboutClicks;
  TWinSkinForm* skinner = nullptr;
  RECT clientBefore{};
  bool rightToLeft = false;
};

class RightToLeftMenuBarTest : public MenuBarTest {
protected:
  RightToLeftMenuBarTest() { rightToLeft = true; }
};

TEST_F(MenuBarTest, TheBandTakesThePlatformBarsPlaceAndLaysTheItemsOut) {
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  ASSERT_EQ(skinner->MenuBar->ItemCount, 4);
  // The band is as high as the platform's menu bar.
  const int band = GetSystemMetrics(SM_CYMENU);
  EXPECT_EQ(skinner->MenuBarHeight, band);
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(RectText(client), RectText(clientBefore));
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(window.bottom - window.top, client.bottom + kTop + kBottom + band);
  // Items from the bar picture's left cap + 4, each its text width + 10, one pixel short of
  // the band's bottom.
  const wchar_t* texts[] = {L"File", L"Edit", L"View", L"Help"};
  int x = kLeft + kBarLeftCap + 4;
  for (int i = 0; i < 4; ++i) {
    const int w = TextWidth(texts[i]);
    EXPECT_EQ(RectText(Item(i).Bounds), RectText(RECT{x, kTop, x + w + 10, kTop + band - 1})) << i;
    x += w + 10;
  }
  EXPECT_EQ(Item(0).Caption, L"&File");
  EXPECT_FALSE(Item(1).ItemEnabled);
  EXPECT_EQ(Item(2).SubMenu, view->Handle());
  // The band answers as the menu area, the caption above it as the caption.
  EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, ScreenPoint(Item(0))), HTMENU);
  // An empty caption cannot be hit.
  Item(3).Caption.clear();
  const POINT inside{(Item(3).Bounds.left + Item(3).Bounds.right) / 2, Item(3).Bounds.top + 2};
  EXPECT_EQ(skinner->MenuBar->ItemAt(inside), nullptr);
}

TEST_F(MenuBarTest, TheBandAndItsItemsArePaintedByStateFromTheSkin) {
  auto picture = PaintedFrame(form->Handle());
  const RECT w = [&] {
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    return r;
  }();
  const int width = w.right - w.left, midBand = kTop + skinner->MenuBarHeight / 2;
  // The band between the last item and the right cap: the bar picture's first frame.
  EXPECT_EQ(PixelAt(*picture, width - kRight - kBarRightCap - 3, midBand), ColorToRGB(FrameColour(kBarSeed, 1)));
  // Normal items: no frame; the enabled captions in the bar text colour, the disabled one in the
  // platform's shadow colour.
  EXPECT_EQ(PixelAt(*picture, Item(0).Bounds.left, Item(0).Bounds.top), ColorToRGB(FrameColour(kBarSeed, 1)));
  EXPECT_TRUE(AnyPixel(*picture, Item(0).Bounds, kBarText));
  EXPECT_FALSE(AnyPixel(*picture, Item(1).Bounds, kBarText));
  EXPECT_TRUE(AnyPixel(*picture, Item(1).Bounds, static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))));
  // Hot: framed in the skin's highlight colour, then normal again after leaving.
  SendMessageW(form->Handle(), WM_NCMOUSEMOVE, HTMENU, ScreenPoint(Item(2)));
  EXPECT_EQ(Item(2).State, ncHot);
  picture = PaintedFrame(form->Handle());
  EXPECT_EQ(PixelAt(*picture, Item(2).Bounds.left, Item(2).Bounds.top), ColorToRGB(kHilight));
  EXPECT_EQ(PixelAt(*picture, Item(2).Bounds.right - 1, Item(2).Bounds.bottom - 1), ColorToRGB(kHilight));
  SendMessageW(form->Handle(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(w.left + width / 2, w.top + 5));
  EXPECT_EQ(Item(2).State, ncNormal);
  picture = PaintedFrame(form->Handle());
  EXPECT_EQ(PixelAt(*picture, Item(2).Bounds.left, Item(2).Bounds.top), ColorToRGB(FrameColour(kBarSeed, 1)));
  // Inactive: the picture's second frame.
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  picture = PaintedFrame(form->Handle());
  EXPECT_EQ(PixelAt(*picture, width - kRight - kBarRightCap - 3, midBand), ColorToRGB(FrameColour(kBarSeed, 2)));
  SendMessageW(form->Handle(), WM_NCACTIVATE, TRUE, 0);
}

TEST_F(MenuBarTest, AClickOpensTheItemPressedAndACommandReachesItsHandlerOnce) {
  int pressedState = 0;
  TColor pressedFrame = 0;
  Script().push_back([&] {
    pressedState = Item(3).State;
    auto picture = PaintedFrame(form->Handle());
    pressedFrame = static_cast<TColor>(PixelAt(*picture, Item(3).Bounds.left, Item(3).Bounds.top));
    // The first item is selected when the popup opens; Enter chooses it.
    Key(VK_RETURN);
  });
  ASSERT_TRUE(RunScript([&] { PostMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTMENU, ScreenPoint(Item(3))); }));
  EXPECT_EQ(pressedState, ncPressed);
  EXPECT_EQ(pressedFrame, ColorToRGB(kHilight));
  EXPECT_EQ(*aboutClicks, 1);
  EXPECT_EQ(Item(3).State, ncNormal);
  EXPECT_FALSE(skinner->MenuTracking);
  EXPECT_EQ(MenuLoopOpenIndex(), -1);
  // The platform menu got its own look back once the popup closed.
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(help->Handle(), 0, TRUE, &info);
  EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
}

TEST_F(MenuBarTest, AltOpensTheFirstItemAndTheArrowsWalkTheBarBothWays) {
  std::vector<int> seen;
  auto record = [&](WPARAM key) {
    Script().push_back([&seen, key] {
      seen.push_back(MenuLoopOpenIndex());
      Key(key);
    });
  };
  record(VK_LEFT);   // File: left wraps to the last item, Help
  record(VK_RIGHT);  // Help: right wraps to File
  record(VK_RIGHT);  // File: right skips the disabled Edit
  record(VK_UP);     // View: the selection wraps to "More"
  record(VK_RIGHT);  // "More" has children: its submenu opens, the bar item stays
  record(VK_LEFT);   // in the submenu: left closes it, still View
  record(VK_LEFT);   // back in View's own popup: left moves on to File
  record(VK_ESCAPE);
  Script().push_back([&] { seen.push_back(MenuLoopOpenIndex()); });
  ASSERT_TRUE(RunScript([&] { PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0); }));
  EXPECT_EQ(seen, (std::vector<int>{0, 3, 0, 2, 2, 2, 2, 0, -1}));
  EXPECT_FALSE(skinner->MenuTracking);
}

TEST_F(MenuBarTest, AcceleratorLettersOpenTheirItemAndOthersArePassedOn) {
  std::vector<int> seen;
  Script().push_back([&] {
    seen.push_back(MenuLoopOpenIndex());
    Key(VK_ESCAPE);
  });
  LRESULT handled = 0;
  ASSERT_TRUE(RunScript([&] { handled = form->Perform(CM_DIALOGCHAR, 'v', LPARAM(1) << 29); }));
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(seen, std::vector<int>{2});
  // Without Alt, for the disabled item and for a letter no item has: not handled here.
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'v', 0), 0);
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'e', LPARAM(1) << 29), 0);
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'z', LPARAM(1) << 29), 0);
  EXPECT_EQ(skinner->FindAccelItem(L'z'), nullptr);
  PumpMessages(30);
  EXPECT_EQ(OpenPopup(), nullptr);
  // The key-menu command with a letter (Alt+letter reaching the window) opens it too.
  seen.clear();
  Script().push_back([&] {
    seen.push_back(MenuLoopOpenIndex());
    Key(VK_ESCAPE);
  });
  ASSERT_TRUE(RunScript([&] { PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'h'); }));
  EXPECT_EQ(seen, std::vector<int>{3});
}

TEST_F(MenuBarTest, TheMouseMovesTheOpenMenuAcrossTheBarButNotOntoADisabledItem) {
  std::vector<int> seen;
  auto moveTo = [&](int index) {
    Script().push_back([this, &seen, index] {
      seen.push_back(MenuLoopOpenIndex());
      const LPARAM at = ScreenPoint(Item(index));
      SetCursorPos(static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at)));
      if (HWND popup = OpenPopup()) PostMessageW(popup, WM_MOUSEMOVE, 0, 0);
    });
  };
  moveTo(2);
  moveTo(1);
  moveTo(3);
  Script().push_back([&] {
    seen.push_back(MenuLoopOpenIndex());
    Key(VK_ESCAPE);
  });
  ASSERT_TRUE(RunScript([&] { PostMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTMENU, ScreenPoint(Item(0))); }));
  EXPECT_EQ(seen, (std::vector<int>{0, 2, 2, 3}));
}

TEST_F(MenuBarTest, ItemsAddedRemovedOrChangedAtRunTimeRebuildTheBar) {
  TMenuItem* tools = Add(menu->Items(), L"&Tools");
  Add(tools, L"&Options");
  PumpMessages(20);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  ASSERT_EQ(skinner->MenuBar->ItemCount, 5);
  EXPECT_EQ(Item(4).Caption, L"&Tools");
  EXPECT_GT(Item(4).Bounds.left, Item(3).Bounds.left);
  help->SetCaption(L"帮助(&H)");
  EXPECT_EQ(Item(3).Caption, L"帮助(&H)");
  edit->SetEnabled(true);
  EXPECT_TRUE(Item(1).ItemEnabled);
  tools->Free();
  EXPECT_EQ(skinner->MenuBar->ItemCount, 4);
  // With MenuUpdate off the bar keeps its items.
  data->SetMenuUpdate(false);
  Add(menu->Items(), L"&Late");
  EXPECT_EQ(skinner->MenuBar->ItemCount, 4);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

TEST_F(MenuBarTest, UnskinGivesTheWindowItsMenuBarBackWithTheSameClient) {
  manager->PendingSkinData = data.get();
  manager->PendingAction = saUnskinAll;
  manager->RunScheduledAction();
  PumpMessages(30);
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(RectText(client), RectText(clientBefore));
}

// Every round trip of the menu or the skin ends with the client it started with; on the way the
// form must not be laid out to a client with the platform's bar added or taken away (each such
// layout moves and repaints every control, twice per change).
TEST_F(MenuBarTest, MenuChangesNewSkinsAndSkinningOffAndOnNeverLayTheClientOutInBetween) {
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetAlign(TAlign::alClient);
  PumpMessages(10);
  const SIZE size{panel->Width(), panel->Height()};
  auto sizes = std::make_shared<std::vector<SIZE>>();
  auto changes = std::make_shared<int>(0);
  TWndMethod panelProc = panel->WindowProc;
  panel->WindowProc = [sizes, panelProc](TMessage& m) {
    if (m.Msg == WM_SIZE) sizes->push_back(SIZE{LOWORD(m.LParam), HIWORD(m.LParam)});
    panelProc(m);
  };
  TWndMethod formProc = form->WindowProc;
  form->WindowProc = [changes, formProc](TMessage& m) {
    if (m.Msg == CM_MENUCHANGED) ++*changes;
    formProc(m);
  };
  auto laidOutOnlyAt = [&](const char* step) {
    PumpMessages(20);
    for (const SIZE& s : *sizes) EXPECT_TRUE(s.cx == size.cx && s.cy == size.cy) << step << ": " << s.cx << "x" << s.cy;
    EXPECT_EQ(panel->Width(), size.cx) << step;
    EXPECT_EQ(panel->Height(), size.cy) << step;
    sizes->clear();
  };
  // Three changes in one update: reported once, drawn by the bar.
  menu->BeginUpdate();
  help->SetCaption(L"帮助(&H)");
  checked->SetChecked(false);
  edit->SetEnabled(true);
  EXPECT_EQ(*changes, 0);
  menu->EndUpdate();
  EXPECT_EQ(*changes, 1);
  EXPECT_EQ(Item(3).Caption, L"帮助(&H)");
  EXPECT_TRUE(Item(1).ItemEnabled);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  menu->BeginUpdate();
  help->SetCaption(L"帮助(&H)");
  menu->EndUpdate();
  EXPECT_EQ(*changes, 1);  // nothing changed: nothing rebuilt
  laidOutOnlyAt("menu change while skinned");
  data->RefreshSkin();
  laidOutOnlyAt("new skin");
  manager->PendingSkinData = data.get();
  manager->PendingAction = saUnskinAll;
  manager->RunScheduledAction();
  ASSERT_EQ(GetMenu(form->Handle()), menu->Handle());
  laidOutOnlyAt("skinning off");
  help->SetCaption(L"&Help");
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  EXPECT_EQ(GetMenuItemCount(GetMenu(form->Handle())), 4);
  laidOutOnlyAt("menu change unskinned");
  manager->Enabled = true;
  ASSERT_TRUE(manager->SkinWindow(form->Handle()));
  laidOutOnlyAt("skinning on");
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  panel->WindowProc = panelProc;
  form->WindowProc = formProc;
}

TEST_F(MenuBarTest, TheBarsPopupIsSkinnedFrameRegionItemFramesAndMarks) {
  bool skinnedPopup = false, ownerMenuSet = false, cornerCut = false;
  TColor border = 0, selected = 0, normal = 0, separator = 0;
  bool checkMark = false;
  Script().push_back([&] {
    const HWND popup = OpenPopup();
    if (!popup) return;
    skinnedPopup = manager->IsSkinnedPopup(popup) && SendMessageW(popup, SKINMSG_QUERY, 0, 0) == 1;
    auto picture = PrintedPopup(popup);
    border = static_cast<TColor>(PixelAt(*picture, 1, picture->Height() / 2));
    const RECT first = ItemRectInPopup(popup, file->Handle(), 0);
    const RECT line = ItemRectInPopup(popup, file->Handle(), 1);
    const RECT exit = ItemRectInPopup(popup, file->Handle(), 2);
    selected = static_cast<TColor>(PixelAt(*picture, first.right - 2, (first.top + first.bottom) / 2));
    normal = static_cast<TColor>(PixelAt(*picture, exit.right - 2, (exit.top + exit.bottom) / 2));
    separator = static_cast<TColor>(PixelAt(*picture, (line.left + line.right) / 2, line.bottom - 1));
    for (const auto& p : manager->PopupSkinners()) ownerMenuSet |= p->OwnerMenu == file->Handle();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(popup, region) != ERROR) cornerCut = !PtInRegion(region, 0, 0) && PtInRegion(region, 6, 6);
    DeleteObject(region);
    Key(VK_ESCAPE);
  });
  ASSERT_TRUE(RunScript([&] { PostMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTMENU, ScreenPoint(Item(0))); }));
  EXPECT_TRUE(skinnedPopup);
  EXPECT_TRUE(ownerMenuSet);
  EXPECT_TRUE(cornerCut);
  EXPECT_EQ(border, ColorToRGB(FrameColour(kBackSeed, 1)));
  EXPECT_EQ(selected, ColorToRGB(FrameColour(kItemSeed, 4)));
  EXPECT_EQ(normal, ColorToRGB(FrameColour(kItemSeed, 1)));
  EXPECT_EQ(separator, ColorToRGB(FrameColour(kItemSeed, 2)));
  // The View popup: a check mark in the button-text colour in the checked item's glyph box.
  Script().push_back([&] {
    const HWND popup = OpenPopup();
    if (!popup) return;
    auto picture = PrintedPopup(popup);
    const RECT item = ItemRectInPopup(popup, view->Handle(), 0);
    checkMark = AnyPixel(*picture, RECT{item.left, item.top, item.left + kItemMargin + 20, item.bottom}, kButtonText);
    Key(VK_ESCAPE);
  });
  ASSERT_TRUE(RunScript([&] { PostMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTMENU, ScreenPoint(Item(2))); }));
  EXPECT_TRUE(checkMark);
  // Popups are released with their windows.
  EXPECT_TRUE(manager->PopupSkinners().empty());
  EXPECT_EQ(manager->PopupMode, 0);
}

TEST_F(MenuBarTest, TheSystemMenuAndAFormsPopupMenuAreSkinnedAndRunTheirCommandOnce) {
  bool systemSkinned = false;
  TColor systemItem = 0;
  Script().push_back([&] {
    const HWND popup = OpenPopup();
    if (!popup) return;
    systemSkinned = manager->IsSkinnedPopup(popup);
    auto picture = PrintedPopup(popup);
    const HMENU system = skinner->SystemPopup->Handle();
    const RECT last = ItemRectInPopup(popup, system, GetMenuItemCount(system) - 1);
    systemItem = static_cast<TColor>(PixelAt(*picture, last.right - 2, (last.top + last.bottom) / 2));
    Key(VK_ESCAPE);
  });
  RECT w{};
  GetWindowRect(form->Handle(), &w);
  ASSERT_TRUE(RunScript([&] {
    PostMessageW(form->Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM((w.left + w.right) / 2, w.top + 10));
  }));
  EXPECT_TRUE(systemSkinned);
  ASSERT_TRUE(skinner->SystemPopup);
  EXPECT_TRUE(skinner->SystemPopup->OwnerDraw());
  // The last item (close) in the skin's item frame.
  EXPECT_EQ(systemItem, ColorToRGB(FrameColour(kItemSeed, 1)));

  // A popup menu of the form: owner-drawn by the skin, its chosen item run once.
  auto* popupMenu = new TPopupMenu(form.get());
  auto* first = new TMenuItem(form.get());
  first->SetCaption(L"&Copy");
  popupMenu->Items()->Add(first);
  auto clicks = std::make_shared<int>(0);
  first->OnClick = [clicks](TObject*) { ++*clicks; };
  skinner->ReskinForm();
  EXPECT_TRUE(popupMenu->OwnerDraw());
  bool popupSkinned = false;
  Script().push_back([&] {
    const HWND popup = OpenPopup();
    popupSkinned = popup && manager->IsSkinnedPopup(popup);
    Key(VK_DOWN);
  });
  Script().push_back([] { Key(VK_RETURN); });
  ASSERT_TRUE(RunScript([&] { popupMenu->Popup(w.left + 60, w.top + 90); }));
  EXPECT_TRUE(popupSkinned);
  EXPECT_EQ(*clicks, 1);
}

TEST_F(RightToLeftMenuBarTest, ItemsRunFromTheRightAndTheArrowsTradePlaces) {
  ASSERT_TRUE(skinner->RightToLeft);
  RECT w{};
  GetWindowRect(form->Handle(), &w);
  // From the band's right end less the bar picture's right cap + 8, leftwards.
  int x = (w.right - w.left) - kRight - (kBarRightCap + 8);
  const wchar_t* texts[] = {L"File", L"Edit"};
  for (int i = 0; i < 2; ++i) {
    const int width = TextWidth(texts[i]);
    EXPECT_EQ(Item(i).Bounds.right, x) << i;
    EXPECT_EQ(Item(i).Bounds.left, x - width - 10) << i;
    x -= width + 10;
  }
  // In a right-to-left bar the left arrow goes on to the next item (past the disabled one).
  std::vector<int> seen;
  Script().push_back([&] {
    seen.push_back(MenuLoopOpenIndex());
    Key(VK_LEFT);
  });
  Script().push_back([&] {
    seen.push_back(MenuLoopOpenIndex());
    Key(VK_ESCAPE);
  });
  ASSERT_TRUE(RunScript([&] { PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0); }));
  EXPECT_EQ(seen, (std::vector<int>{0, 2}));
}

}  // namespace
