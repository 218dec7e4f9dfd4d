// The skin viewer's skinned menus worked from outside as a user works them: "打开皮肤…" opens
// the file dialog by mouse and by keyboard, a skin chosen there changes the look of every open
// window, and "关闭皮肤" gives every window its platform look with the same client areas.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bitmap_file.h"
#include "driver.h"
#include "skin_writer.h"

namespace {

constexpr UINT kSkinQuery = 0x3523;
// The test skin's borders: wider than the default skin's, so a window shows which it wears.
constexpr int kLeft = 11, kTop = 34, kRight = 12, kBottom = 9;
constexpr int kFileDialogEdit = 0x480;  // edt1 of the platform's open dialog
constexpr int kFileDialogCombo = 0x47C; // cmb13: the file name box of the explorer-style dialog

std::uint32_t Rgb(int r, int g, int b) { return static_cast<std::uint32_t>((r << 16) | (g << 8) | b); }

std::vector<std::uint8_t> TestSkinArchive() {
  auto strip = [](int w, int h, std::uint32_t a, std::uint32_t b, bool stacked, int frameW, int frameH) {
    return MakeBitmap24(w, h, [=](int x, int y) { return (stacked ? y / frameH : x / frameW) == 0 ? a : b; });
  };
  std::vector<TSkinEntry> entries{
      {"left.bmp", strip(2 * kLeft, 30, Rgb(40, 120, 60), Rgb(90, 140, 100), false, kLeft, 30)},
      {"right.bmp", strip(2 * kRight, 30, Rgb(40, 120, 60), Rgb(90, 140, 100), false, kRight, 30)},
      {"top.bmp", strip(80, 2 * kTop, Rgb(30, 100, 50), Rgb(80, 130, 90), true, 80, kTop)},
      {"bottom.bmp", strip(80, 2 * kBottom, Rgb(40, 120, 60), Rgb(90, 140, 100), true, 80, kBottom)},
      {"bar.bmp", strip(40, 40, Rgb(200, 230, 200), Rgb(180, 200, 180), true, 40, 20)},
      {"item.bmp", strip(5 * 12, 20, Rgb(230, 245, 230), Rgb(120, 200, 130), false, 12, 20)},
      {"back.bmp", strip(16, 16, Rgb(230, 245, 230), Rgb(230, 245, 230), false, 16, 16)},
  };
  const std::string ini =
      "[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\nRightFrame=2\r\nTop=top.bmp\r\nTopFrame=2\r\n"
      "Bottom=bottom.bmp\r\nBottomFrame=2\r\nmenuBar=bar.bmp\r\nTileMenu=1\r\nTextShift=30\r\n"
      "[MenuItem]\r\nImage=item.bmp\r\nLeftWidth=2\r\nRightWidth=2\r\n[MenuBackground]\r\nImage=back.bmp\r\n"
      "[Colours]\r\nButtonFace=220 235 220\r\nMenuBarText=0 60 0\r\nTitleTextActive=255 255 255\r\n";
  entries.push_back({"test.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())});
  return BuildSkinArchive(entries);
}

std::wstring ClassOf(HWND w) {
  wchar_t name[64]{};
  GetClassNameW(w, name, 64);
  return name;
}

POINT ClientOffset(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return POINT{origin.x - r.left, origin.y - r.top};
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

bool Skinned(HWND window) { return SendMessageW(window, kSkinQuery, 0, 0) == 1; }

void Key(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
  Sleep(40);
}

void Tap(WORD vk) {
  Key(vk, false);
  Key(vk, true);
}

void AltChord(WORD vk) {
  Key(VK_MENU, false);
  Tap(vk);
  Key(VK_MENU, true);
}

class SkinViewMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("corvana-skinview-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    skinFile = folder / "green.skin";
    const std::vector<std::uint8_t> archive = TestSkinArchive();
    std::ofstream(skinFile, std::ios::binary).write(reinterpret_cast<const char*>(archive.data()),
                                                     static_cast<std::streamsize>(archive.size()));
    ASSERT_TRUE(app.Start(ProgramFolder() + L"\\corvana-skinview.exe", folder.wstring()));
    ASSERT_TRUE(TAppDriver::WaitUntil(
        [&] {
          const auto found = TopLevelWindows(app.ProcessId(), L"TSkinViewForm");
          main = found.empty() ? nullptr : found.front();
          return main && Skinned(main);
        },
        15000));
    SetForegroundWindow(main);
    Sleep(400);
  }
  void TearDown() override {
    app.Kill();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  HWND Popup() const {
    const auto found = TopLevelWindows(app.ProcessId(), L"#32768");
    return found.empty() ? nullptr : found.front();
  }
  // A point in the band under the caption, on the first bar item ("文件").
  POINT FileItem() const {
    POINT origin{0, 0};
    ClientToScreen(main, &origin);
    return POINT{origin.x + 20, origin.y - 8};
  }
  // The file name box of the open dialog: an edit of its own or the edit inside its combo box.
  static HWND FileNameEdit(HWND dialog) {
    if (HWND edit = GetDlgItem(dialog, kFileDialogEdit); edit && ClassOf(edit) == L"Edit") return edit;
    struct Search {
      HWND Found = nullptr;
    } search;
    EnumChildWindows(
        dialog,
        [](HWND w, LPARAM data) -> BOOL {
          if (ClassOf(w) != L"Edit" || GetDlgCtrlID(w) != kFileDialogCombo) return TRUE;
          reinterpret_cast<Search*>(data)->Found = w;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
  }
  HWND WaitFileDialog() { return app.WaitDialog(L"打开皮肤文件", 8000); }
  static void Cancel(HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); }
  void SaveShot(HWND window, const wchar_t* name) {
    if (const char* dir = std::getenv("CORVANA_SCREENSHOTS"))
      TAppDriver::SaveScreenshot(window, std::filesystem::path(dir).wstring() + L"\\" + name);
  }

  std::filesystem::path folder, skinFile;
  TAppDriver app;
  HWND main = nullptr;
};

TEST_F(SkinViewMenuTest, OpenSkinOpensTheFileDialogByMouseAndByKeyboard) {
  EXPECT_EQ(GetMenu(main), nullptr);  // the skinned band replaces the platform's bar
  TAppDriver::MouseClick(FileItem());
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return Popup() != nullptr; }, 5000));
  Sleep(300);
  SaveShot(main, L"menu-open.bmp");
  RECT popup = TAppDriver::ScreenRect(Popup());
  TAppDriver::MouseClick(POINT{popup.left + 40, popup.top + 12});
  HWND dialog = WaitFileDialog();
  ASSERT_NE(dialog, nullptr);
  Cancel(dialog);
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return app.FindDialog(L"打开皮肤文件") == nullptr; }, 5000));

  // Alt+F opens the file menu; its accelerator O chooses the item.
  SetForegroundWindow(main);
  TAppDriver::WaitUntil([&] { return GetForegroundWindow() == main; }, 3000);
  Sleep(300);
  AltChord('F');
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return Popup() != nullptr; }, 5000));
  Tap('O');
  dialog = WaitFileDialog();
  ASSERT_NE(dialog, nullptr);
  Cancel(dialog);
  EXPECT_TRUE(TAppDriver::WaitUntil([&] { return app.FindDialog(L"打开皮肤文件") == nullptr; }, 5000));

  // Alt+Space opens the skinned system menu, a popup of the same item painter.
  SetForegroundWindow(main);
  Sleep(300);
  AltChord(VK_SPACE);
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return Popup() != nullptr; }, 5000));
  Sleep(300);
  SaveShot(main, L"popup-open.bmp");
  Tap(VK_ESCAPE);
  EXPECT_TRUE(TAppDriver::WaitUntil([&] { return Popup() == nullptr; }, 5000));
}

TEST_F(SkinViewMenuTest, AChosenSkinDressesEveryWindowAndClosingItGivesThePlatformLookBack) {
  // The raw MDI frame with its maximized child, from View > MDI frame (Alt+V, M).
  AltChord('V');
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return Popup() != nullptr; }, 5000));
  Tap('M');
  HWND frame = nullptr;
  TAppDriver::WaitUntil(
      [&] {
        const auto found = TopLevelWindows(app.ProcessId(), L"CorvanaViewerMdiFrame");
        frame = found.empty() ? nullptr : found.front();
        return frame && Skinned(frame);
      },
      8000);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(GetMenu(frame), nullptr);
  const POINT mainBefore = ClientOffset(main), frameBefore = ClientOffset(frame);
  EXPECT_NE(mainBefore.x, kLeft);

  // File > open skin by keyboard, the test skin typed into the dialog.
  SetForegroundWindow(main);
  Sleep(300);
  AltChord('F');
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return Popup() != nullptr; }, 5000));
  Tap('O');
  const HWND dialog = WaitFileDialog();
  ASSERT_NE(dialog, nullptr);
  const HWND name = FileNameEdit(dialog);
  ASSERT_NE(name, nullptr);
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(skinFile.wstring().c_str()));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(TAppDriver::WaitUntil(
      [&] { return ClientOffset(main).x == kLeft && ClientOffset(frame).x == kLeft; }, 8000));
  EXPECT_GT(ClientOffset(main).y, kTop);  // caption and the menu band
  EXPECT_GT(ClientOffset(frame).y, kTop);
  EXPECT_NE(ClientOffset(frame).x, frameBefore.x);
  const SIZE mainClient = ClientSize(main), frameClient = ClientSize(frame);

  // File > close skin: every window back to the platform's frame and menu bar.
  SetForegroundWindow(main);
  Sleep(300);
  AltChord('F');
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return Popup() != nullptr; }, 5000));
  Tap('C');
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return !Skinned(main) && !Skinned(frame); }, 8000));
  Sleep(300);
  EXPECT_NE(GetMenu(main), nullptr);
  EXPECT_NE(GetMenu(frame), nullptr);
  EXPECT_EQ(ClientSize(main).cx, mainClient.cx);
  EXPECT_EQ(ClientSize(main).cy, mainClient.cy);
  EXPECT_EQ(ClientSize(frame).cx, frameClient.cx);
  EXPECT_EQ(ClientSize(frame).cy, frameClient.cy);
}

}  // namespace
