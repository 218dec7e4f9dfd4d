// The skin viewer's main window under Wine: skinned with its built-in skin once active,
// skinning switched off and on (also by F2), another skin opened at run time, and files that
// are not skins reported while the current skin stays.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "skin/controls/skin_control.h"
#include "skinview/viewer_form.h"
#include "ui/buttons.h"
#include "ui/dpi.h"
#include "ui/skin_messages.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

namespace {

// Longer than the skin manager's scheduling delay, so the scheduled action has run.
constexpr int kSettle = 3 * kScheduleDelay;

std::filesystem::path TempFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  return path;
}

// A skin with frame borders and a name of its own.
std::vector<std::uint8_t> OtherSkin() {
  TTestSkin skin;
  skin.Strip("left.bmp", 2, 6, 40, 1);
  skin.Strip("right.bmp", 2, 6, 40, 2);
  skin.Strip("top.bmp", 2, 100, 28, 3, true);
  skin.Strip("bottom.bmp", 2, 100, 6, 4, true);
  skin.Ini("[TitlebarSkin]\r\nSkinName=Viewer Test\r\n[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\n"
           "Right=right.bmp\r\nRightFrame=2\r\nTop=top.bmp\r\nTopFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n");
  return skin.Archive();
}

class SkinViewTest : public ::testing::Test {
protected:
  void Start(const std::wstring& skinFile = L"") {
    TestApplication();
    TSkinViewForm::OnError = [this](const std::wstring& text) { errors.push_back(text); };
    form.reset(new TSkinViewForm(nullptr, skinFile));
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpMessages(kSettle);
  }
  void TearDown() override {
    form.reset();
    FreeSkinManager();
    TSkinViewForm::OnError = nullptr;
  }
  bool Skinned() { return SendMessageW(form->Handle(), SKINMSG_QUERY, 0, 0) == 1; }
  void Switch(bool on) {
    form->SetSkinning(on);
    PumpMessages(kSettle);
  }

  TOwned<TSkinViewForm> form;
  std::vector<std::wstring> errors;
};

TEST_F(SkinViewTest, TheBuiltInSkinFramesTheWindowAndSwitchingGivesThePlatformFrameBack) {
  Start();
  ASSERT_FALSE(form->SkinData()->SkinPending());
  EXPECT_EQ(form->SkinData()->SkinName(), "Corvana Light");
  EXPECT_TRUE(Skinned());
  EXPECT_NE(form->StatusBar()->SimpleText().find(L"换肤：开启"), std::wstring::npos);
  EXPECT_NE(form->StatusBar()->SimpleText().find(L"Corvana Light"), std::wstring::npos);

  Switch(false);
  EXPECT_FALSE(Skinned());
  EXPECT_NE(form->StatusBar()->SimpleText().find(L"换肤：关闭"), std::wstring::npos);
  EXPECT_EQ(form->ToggleButton->Caption(), L"开启换肤(F2)");
  Switch(true);
  EXPECT_TRUE(Skinned());
  EXPECT_TRUE(errors.empty());
}

TEST_F(SkinViewTest, F2InTheWindowSwitchesSkinning) {
  Start();
  ASSERT_TRUE(Skinned());
  MSG key{form->Pages()->Handle(), WM_KEYDOWN, VK_F2, 0, 0, {}};
  bool handled = false;
  TestApplication().OnMessage(key, handled);
  EXPECT_TRUE(handled);
  PumpMessages(kSettle);
  EXPECT_FALSE(Skinned());
}

TEST_F(SkinViewTest, F3StepsThePreviewScaleAndTheFrameFollowsWithoutTheDisplayChanging) {
  Start();
  ASSERT_TRUE(Skinned());
  // The caption band the skin's top border gives (the menu band under it follows the font).
  const auto topBorder = [&] {
    auto* skinner = dynamic_cast<TWinSkinForm*>(SkinManager()->FormSkinnerOf(form->Handle()));
    return skinner ? skinner->FrameTop : -1;
  };
  const int start = topBorder();
  EXPECT_NE(form->StatusBar()->SimpleText().find(L"缩放：100%"), std::wstring::npos);
  for (int percent : {125, 150, 200, 100}) {
    SCOPED_TRACE(percent);
    MSG key{form->Pages()->Handle(), WM_KEYDOWN, VK_F3, 0, 0, {}};
    bool handled = false;
    TestApplication().OnMessage(key, handled);
    EXPECT_TRUE(handled);
    PumpMessages(kSettle);
    EXPECT_EQ(form->SkinScalePercent(), percent);
    const std::wstring status = form->StatusBar()->SimpleText();
    EXPECT_NE(status.find(L"缩放：" + std::to_wstring(percent) + L"%"), std::wstring::npos) << status;
    // The display stays at 100 %: a preview says so.
    EXPECT_EQ(status.find(L"（预览") != std::wstring::npos, percent != 100) << status;
    EXPECT_EQ(topBorder(), ScaleByDpi(start, 96 * percent / 100));
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(SkinViewTest, AnotherDisplayScaleRescalesTheViewerLiveAndBack) {
  Start();
  ASSERT_TRUE(Skinned());
  auto* skinner = dynamic_cast<TWinSkinForm*>(SkinManager()->FormSkinnerOf(form->Handle()));
  ASSERT_NE(skinner, nullptr);
  const int top96 = skinner->FrameTop;
  RECT start{};
  GetWindowRect(form->Handle(), &start);
  const auto change = [&](int dpi, const RECT& suggested) {
    SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    PumpMessages(kSettle);
  };
  RECT bigger = start;
  bigger.right = start.left + ScaleByDpi(start.right - start.left, 144);
  bigger.bottom = start.top + ScaleByDpi(start.bottom - start.top, 144);
  change(144, bigger);
  EXPECT_EQ(skinner->FrameTop, ScaleByDpi(top96, 144));
  const std::wstring status = form->StatusBar()->SimpleText();
  EXPECT_NE(status.find(L"缩放：150%"), std::wstring::npos) << status;
  EXPECT_EQ(status.find(L"（预览"), std::wstring::npos) << status;
  change(96, start);
  EXPECT_EQ(skinner->FrameTop, top96);
  RECT back{};
  GetWindowRect(form->Handle(), &back);
  EXPECT_EQ(RectText(back), RectText(start));
  EXPECT_TRUE(errors.empty());
}

TEST_F(SkinViewTest, AnotherSkinFileIsUsedAtRunTime) {
  Start();
  const auto path = TempFile("corvana-skinview-other.skin", OtherSkin());
  EXPECT_TRUE(form->OpenSkinFile(path.wstring()));
  PumpMessages(kSettle);
  EXPECT_EQ(form->SkinData()->SkinName(), "Viewer Test");
  EXPECT_EQ(form->SkinFileShown(), path.wstring());
  EXPECT_TRUE(Skinned());
  const std::wstring status = form->StatusBar()->SimpleText();
  EXPECT_NE(status.find(L"Viewer Test"), std::wstring::npos);
  // The file by its name: a whole path would push the keys out of the bar.
  EXPECT_NE(status.find(L"（corvana-skinview-other.skin）"), std::wstring::npos);
  EXPECT_NE(status.find(L"Ctrl+O"), std::wstring::npos);
  EXPECT_TRUE(errors.empty());
  std::filesystem::remove(path);
}

TEST_F(SkinViewTest, AFileThatIsNotASkinIsReportedAndTheCurrentSkinStays) {
  Start();
  const std::int64_t storedSize = form->SkinData()->StoredStream().Size();
  const auto text = TempFile("corvana-skinview-text.skin", {'n', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'});
  // A container that opens but has no description is not a skin either.
  const auto noDescription = TempFile(
      "corvana-skinview-bare.skin", BuildSkinArchive({{"left.bmp", MakeBitmap24(4, 4, [](int, int) { return 0x123456u; })}}));
  const auto empty = TempFile("corvana-skinview-empty.skin", {});
  for (const auto& path : {text, noDescription, empty, std::filesystem::path(L"C:\\no\\such\\skin.skin")}) {
    errors.clear();
    EXPECT_FALSE(form->OpenSkinFile(path.wstring())) << path;
    ASSERT_EQ(errors.size(), 1u) << path;
    EXPECT_NE(errors[0].find(L"仍使用当前皮肤"), std::wstring::npos);
    PumpMessages(kSettle);
    EXPECT_EQ(form->SkinData()->SkinName(), "Corvana Light");
    EXPECT_FALSE(form->SkinData()->SkinPending());
    EXPECT_EQ(form->SkinData()->StoredStream().Size(), storedSize);
    EXPECT_TRUE(form->SkinFileShown().empty());
    EXPECT_TRUE(Skinned());
  }
  std::filesystem::remove(text);
  std::filesystem::remove(noDescription);
  std::filesystem::remove(empty);
}

TEST_F(SkinViewTest, AStartSkinThatIsNotASkinFallsBackToTheBuiltInOne) {
  const auto text = TempFile("corvana-skinview-start.skin", {'x', 'y', 'z'});
  Start(text.wstring());
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find(L"改用内置默认皮肤"), std::wstring::npos);
  EXPECT_TRUE(form->SkinFileShown().empty());
  EXPECT_EQ(form->SkinData()->SkinName(), "Corvana Light");
  EXPECT_TRUE(Skinned());
  std::filesystem::remove(text);
}

TEST_F(SkinViewTest, TheButtonPageIsSkinnedWithTheMenuButtonAsOne) {
  Start();
  int page = -1;
  for (int i = 0; i < form->Pages()->PageCount(); ++i)
    if (form->Pages()->Pages(i)->Caption() == L"按钮") page = i;
  ASSERT_GE(page, 0);
  form->Pages()->SetActivePageIndex(page);
  PumpMessages(kSettle);
  TTabSheet* sheet = form->Pages()->Pages(page);
  int buttons = 0, speeds = 0;
  for (int i = 0; i < sheet->ControlCount(); ++i) {
    TControl* c = sheet->Controls(i);
    if (!dynamic_cast<TButton*>(c) && !dynamic_cast<TSpeedButton*>(c)) continue;
    SCOPED_TRACE(c->Caption());
    (dynamic_cast<TSpeedButton*>(c) ? speeds : buttons) += 1;
    EXPECT_EQ(c->Perform(SKINMSG_QUERY), 1);
  }
  EXPECT_EQ(buttons, 15);
  EXPECT_EQ(speeds, 4);
  // The menu button is drawn by the menu-button skinner (it owns it).
  TComponent* menuButton = form->FindComponent("ViewerMenuButton");
  ASSERT_TRUE(menuButton);
  bool menuSkinner = false;
  for (int i = 0; i < menuButton->ComponentCount(); ++i)
    menuSkinner = menuSkinner || menuButton->Components(i)->ClassName() == std::string("TSkinMenuButton");
  EXPECT_TRUE(menuSkinner);
  EXPECT_TRUE(errors.empty());
}

}  // namespace
