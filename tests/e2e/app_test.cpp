// The real corvana.exe under Wine, driven from outside: start, query, database tab, save,
// updater, and a second start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app_fixture.h"
#include "base/codec.h"

namespace {

namespace fs = std::filesystem;

TEST_F(AppTest, CaptionHiddenVersionAndASingleInstance) {
  WriteDatabase(TestDatabase());
  Start();
  EXPECT_EQ(TAppDriver::Text(app.MainWindow()), L"Corvana Ver:1.0.20100523");
  // The version text sits in a hidden edit on the first tab.
  const auto edits = app.Children(L"TEdit");
  ASSERT_EQ(edits.size(), 1u);
  EXPECT_EQ(TAppDriver::Text(edits[0]), L"1.0.20100523");
  EXPECT_FALSE(IsWindowVisible(edits[0]));

  // The second copy ends without showing anything while it runs: watch it until it is gone.
  TAppDriver second;
  ASSERT_TRUE(second.Start((folder / "corvana.exe").wstring(), folder.wstring()));
  bool showedAWindow = false;
  for (int i = 0; i < 750 && !second.WaitExit(20); ++i) {
    for (const wchar_t* cls : {L"#32770", L"TForm1"}) {
      if (!TopLevelWindows(second.ProcessId(), cls).empty()) showedAWindow = true;
    }
  }
  EXPECT_TRUE(second.WaitExit(0));
  EXPECT_FALSE(showedAWindow);
  EXPECT_EQ(CountTopLevelWindows(L"TForm1"), 1);
}

TEST_F(AppTest, TheMainWindowIsSkinned) {
  WriteDatabase(TestDatabase());
  Start();
  // Taken over when it is activated: it says so and has the outline of the skin's frame.
  EXPECT_TRUE(TAppDriver::WaitUntil([&] { return SendMessageW(app.MainWindow(), 0x3523, 0, 0) == 1; }, 5000));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(app.MainWindow(), region), ERROR);
  DeleteObject(region);
  // The caption band is the skin's: the hit test finds the caption below its top pixels.
  RECT r = TAppDriver::ScreenRect(app.MainWindow());
  EXPECT_EQ(SendMessageW(app.MainWindow(), WM_NCHITTEST, 0, MAKELPARAM((r.left + r.right) / 2, r.top + 12)), HTCAPTION);
}

TEST_F(AppTest, ThePushButtonsAreSkinnedAndWorkByMouseAndKeyboard) {
  WriteDatabase(TestDatabase());
  Start();
  const HWND query = app.Button(L"查询");
  for (const wchar_t* caption : {L"查询", L"保存", L"更新"}) {
    SCOPED_TRACE(TAppDriver::Text(app.Button(caption)));
    EXPECT_TRUE(TAppDriver::WaitUntil([&] { return SendMessageW(app.Button(caption), 0x3523, 0, 0) == 1; }, 5000));
  }
  // The mouse pressed and released at the button's middle, as the system would send it.
  const auto clickAtMiddle = [](HWND button) {
    RECT r{};
    GetClientRect(button, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageW(button, WM_MOUSEMOVE, 0, at);
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(button, WM_LBUTTONUP, 0, at);
  };
  TAppDriver::SetText(app.InputMemo(), L"8.8.8.8");
  clickAtMiddle(query);
  EXPECT_TRUE(TAppDriver::WaitUntil([&] { return TAppDriver::Lines(app.ResultMemo()).size() == 1; }, 10000));
  Sleep(300);
  EXPECT_EQ(TAppDriver::Lines(app.ResultMemo()), (std::vector<std::wstring>{L"IP:8.8.8.255 国家:美国 地区:Google"}));

  // Space down and up on the button.
  TAppDriver::SetText(app.InputMemo(), L"1.0.0.5");
  PostMessageW(query, WM_KEYDOWN, VK_SPACE, 0x00390001);
  PostMessageW(query, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
  EXPECT_TRUE(TAppDriver::WaitUntil(
      [&] { return TAppDriver::Lines(app.ResultMemo()) == std::vector<std::wstring>{L"IP:1.0.0.255 国家:中国 地区:电信"}; },
      10000));

  // "保存" by the mouse opens the save dialog once.
  clickAtMiddle(app.Button(L"保存"));
  const HWND dialog = app.WaitDialog(L"", 10000);
  ASSERT_NE(dialog, nullptr);
  Sleep(300);
  EXPECT_EQ(TopLevelWindows(app.ProcessId(), L"#32770").size(), 1u);
  TAppDriver::PressDialogButton(dialog, IDCANCEL);
  EXPECT_TRUE(TAppDriver::WaitUntil([&] { return app.FindDialog() == nullptr; }, 5000));
}

TEST_F(AppTest, QueryWritesOneLineOfTheRangeEndPerInput) {
  WriteDatabase(TestDatabase());
  Start();
  const auto lines = Query(L"1.0.0.5\r\n1.0.0.255\r\nlocalhost\r\n8.8.8.8", 4);
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"IP:1.0.0.255 国家:中国 地区:电信", L"IP:1.0.0.255 国家:中国 地区:电信",
                                              L"IP:127.255.255.255 国家:本机地址 地区:无",
                                              L"IP:8.8.8.255 国家:美国 地区:Google"}));
  // A second query replaces the results.
  EXPECT_EQ(Query(L"8.8.8.1", 1), (std::vector<std::wstring>{L"IP:8.8.8.255 国家:美国 地区:Google"}));
}

TEST_F(AppTest, ALineThatDoesNotResolveEndsTheBatchSilently) {
  WriteDatabase(TestDatabase());
  Start();
  const auto lines = Query(L"1.0.0.1\r\nbad..name\r\n8.8.8.8", 1);
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"IP:1.0.0.255 国家:中国 地区:电信"}));
  EXPECT_EQ(app.FindDialog(), nullptr);
}

TEST_F(AppTest, EmptyInputShowsTheExampleAndKeepsTheResults) {
  WriteDatabase(TestDatabase());
  Start();
  TAppDriver::SetText(app.ResultMemo(), L"earlier results");
  TAppDriver::SetText(app.InputMemo(), L"");
  TAppDriver::Click(app.Button(L"查询"));
  const HWND box = app.WaitDialog(L"Corvana", 5000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TAppDriver::DialogText(box), L"请填写要查询的IP或网址. 如: www.example.com 或 192.168.0.1");
  TAppDriver::PressDialogButton(box, IDOK);
  EXPECT_TRUE(TAppDriver::WaitUntil([&] { return app.FindDialog() == nullptr; }, 5000));
  EXPECT_EQ(TAppDriver::Text(app.ResultMemo()), L"earlier results");
}

TEST_F(AppTest, WithoutADatabaseTheResultsAreClearedAndNothingElseHappens) {
  Start();
  TAppDriver::SetText(app.ResultMemo(), L"old");
  TAppDriver::SetText(app.InputMemo(), L"1.0.0.1");
  TAppDriver::Click(app.Button(L"查询"));
  EXPECT_TRUE(TAppDriver::WaitUntil([&] { return TAppDriver::Text(app.ResultMemo()).empty(); }, 5000));
  Sleep(500);
  EXPECT_EQ(app.FindDialog(), nullptr);
  // The database tab reports the missing file through the error box.
  app.SelectTab(1);
  TAppDriver::Click(app.Button(L"数据库版本"));
  const HWND box = app.WaitDialog(L"Corvana", 5000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TAppDriver::DialogText(box), L"文件 QQWry.Dat 不存在！.");
  TAppDriver::PressDialogButton(box, IDOK);
}

TEST_F(AppTest, DatabaseTabShowsTheFourLinesOnceAfterTwoPresses) {
  const auto bytes = TestDatabase();
  WriteDatabase(bytes);
  Start();
  app.SelectTab(1);
  const HWND info = app.Button(L"数据库版本");
  TAppDriver::Click(info);
  TAppDriver::Click(info);
  TAppDriver::WaitUntil([&] { return TAppDriver::Lines(app.InfoMemo()).size() >= 4; }, 5000);
  Sleep(300);
  EXPECT_EQ(TAppDriver::Lines(app.InfoMemo()),
            (std::vector<std::wstring>{L"文件大小：" + std::to_wstring(bytes.size()) + L"字节", L"记录总数：4条",
                                       L"更新日期：2010年5月20日", L"数据库版本：示例网络"}));
  // The database is closed again: it can be replaced while the program runs.
  EXPECT_TRUE(DeleteFileW((folder / "QQWry.Dat").c_str()));
}

TEST_F(AppTest, ALastRecordWithoutTheDateShowsTwoLinesAndTheError) {
  WriteDatabase(TestDatabase("2010年5月20日"));
  Start();
  app.SelectTab(1);
  TAppDriver::Click(app.Button(L"数据库版本"));
  const HWND box = app.WaitDialog(L"Corvana", 5000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TAppDriver::DialogText(box), L"'' is not a valid date.");
  EXPECT_EQ(TAppDriver::Lines(app.InfoMemo()).size(), 2u);
  TAppDriver::PressDialogButton(box, IDOK);
  EXPECT_TRUE(DeleteFileW((folder / "QQWry.Dat").c_str()));  // closed despite the error
}

// Picks a file in the save dialog and confirms it.
void ChooseSaveFile(TAppDriver& app, const std::wstring& path) {
  HWND dialog = nullptr;
  TAppDriver::WaitUntil(
      [&] {
        dialog = app.FindDialog();
        return dialog && GetDlgItem(dialog, IDOK);
      },
      10000);
  ASSERT_NE(dialog, nullptr);
  HWND name = GetDlgItem(dialog, 0x47C);  // the file name box
  if (!name) name = GetDlgItem(dialog, 0x480);
  ASSERT_NE(name, nullptr);
  TAppDriver::SetText(name, path);
  TAppDriver::PressDialogButton(dialog, IDOK);
}

TEST_F(AppTest, SaveWritesTheResultLinesAsUtf8) {
  WriteDatabase(TestDatabase());
  Start();
  Query(L"1.0.0.1\r\n8.8.8.8", 2);
  TAppDriver::Click(app.Button(L"保存"));
  const std::wstring target = (folder / L"结果.txt").wstring();
  ChooseSaveFile(app, target);
  const HWND done = app.WaitDialog(L"保存完毕", 10000);
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(TAppDriver::DialogText(done), L"连接表信息已保存到文件 " + target + L" 中。");
  TAppDriver::PressDialogButton(done, IDOK);
  std::ifstream in(fs::path(target), std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_EQ(content.str(), "\xEF\xBB\xBFIP:1.0.0.255 国家:中国 地区:电信\r\nIP:8.8.8.255 国家:美国 地区:Google\r\n");
}

TEST_F(AppTest, AFileThatCannotBeWrittenGivesAnErrorAndKeepsTheResults) {
  WriteDatabase(TestDatabase());
  Start();
  Query(L"1.0.0.1", 1);
  const std::wstring target = (folder / L"locked.txt").wstring();
  // Held open without sharing, the file cannot be written by anyone else.
  HANDLE lock = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  TAppDriver::Click(app.Button(L"保存"));
  ChooseSaveFile(app, target);
  const HWND box = app.WaitDialog(L"Corvana", 10000);
  CloseHandle(lock);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(TAppDriver::DialogText(box).find(L"无法保存文件"), std::wstring::npos);
  TAppDriver::PressDialogButton(box, IDOK);
  EXPECT_EQ(TAppDriver::Lines(app.ResultMemo()).size(), 1u);
}

TEST_F(AppTest, TheUpgradeButtonStartsTheUpdaterOnlyWhenItIsThere) {
  WriteDatabase(TestDatabase());
  Start();
  app.SelectTab(1);
  TAppDriver::Click(app.Button(L"升级IP数据库"));
  Sleep(1000);
  EXPECT_FALSE(fs::exists(folder / "kestrune-ran.txt"));
  EXPECT_EQ(app.FindDialog(), nullptr);
  fs::copy_file(fs::path(ProgramFolder()) / "kestrune_stub.exe", folder / "Kestrune.exe");
  TAppDriver::Click(app.Button(L"升级IP数据库"));
  EXPECT_TRUE(TAppDriver::WaitUntil([&] { return fs::exists(folder / "kestrune-ran.txt"); }, 10000));
  Sleep(200);
  std::ifstream mark(folder / "kestrune-ran.txt");
  std::string show;
  mark >> show;
  EXPECT_EQ(show, "5");
}

}  // namespace
