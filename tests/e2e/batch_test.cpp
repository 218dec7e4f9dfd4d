// Large batches in the real corvana.exe: every result kept and equal to the command-line
// tool's, the stop at a bad line, progress, Esc, and no second batch while one runs.
#include <gtest/gtest.h>

#include <sstream>

#include "app_fixture.h"
#include "batch_data.h"

namespace {

namespace fs = std::filesystem;

class BatchTest : public AppTest {
protected:
  static const TBatchData& Data() {
    static const TBatchData data(50000);
    return data;
  }
  void SetUp() override {
    AppTest::SetUp();
    WriteDatabase(Data().database);
    Start();
  }
  std::vector<std::wstring> Expected(const std::vector<std::uint32_t>& addresses) const {
    std::vector<std::wstring> lines;
    for (std::uint32_t a : addresses) lines.push_back(Data().ExpectedLine(a));
    return lines;
  }
  size_t ResultLength() const {
    return static_cast<size_t>(SendMessageW(app.ResultMemo(), WM_GETTEXTLENGTH, 0, 0));
  }
};

std::wstring JoinedLines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const std::wstring& line : lines) text += line + L"\r\n";
  return text;
}

TEST_F(BatchTest, TwentyThousandAddressesAllComeBackAsTheCommandLineToolGivesThem) {
  const auto addresses = Data().Addresses(20000);
  TAppDriver::SetText(app.InputMemo(), TBatchData::InputText(addresses));
  ASSERT_TRUE(TAppDriver::ClickAndWait(app.Button(L"查询"), 120000));
  const std::wstring pane = TAppDriver::Text(app.ResultMemo());
  const auto expected = Expected(addresses);
  EXPECT_EQ(pane, JoinedLines(expected));
  EXPECT_EQ(app.StatusText(), L"");

  // The command-line tool on the same lines gives the same text.
  fs::copy_file(fs::path(ProgramFolder()) / "corvana-cli.exe", folder / "corvana-cli.exe");
  {
    std::ofstream input(folder / "input.txt", std::ios::binary);
    input << WideToUtf8(TBatchData::InputText(addresses));
  }
  const int code = RunConsoleProgram(L"\"" + (folder / "corvana-cli.exe").wstring() + L"\" lookup --db QQWry.Dat",
                                     folder.wstring(), (folder / "input.txt").wstring(),
                                     (folder / "output.txt").wstring(), 120000);
  ASSERT_EQ(code, 0);
  std::ifstream output(folder / "output.txt", std::ios::binary);
  std::stringstream bytes;
  bytes << output.rdbuf();
  // Its lines end as a console program's do; the pane's end with CR LF.
  std::wstring cli;
  for (wchar_t c : Utf8ToWide(bytes.str())) {
    if (c == L'\n') cli += L"\r\n";
    else if (c != L'\r') cli += c;
  }
  EXPECT_EQ(pane, cli);
}

TEST_F(BatchTest, ABadLineAfterFifteenThousandGoodOnesKeepsExactlyThose) {
  const auto addresses = Data().Addresses(20000, 3);
  const std::vector<std::uint32_t> before(addresses.begin(), addresses.begin() + 15000);
  const std::vector<std::uint32_t> after(addresses.begin() + 15000, addresses.end());
  TAppDriver::SetText(app.InputMemo(),
                      TBatchData::InputText(before) + L"bad..name\r\n" + TBatchData::InputText(after));
  ASSERT_TRUE(TAppDriver::ClickAndWait(app.Button(L"查询"), 120000));
  EXPECT_EQ(TAppDriver::Text(app.ResultMemo()), JoinedLines(Expected(before)));
  EXPECT_EQ(app.StatusText(), L"");
  EXPECT_EQ(app.FindDialog(), nullptr);
}

TEST_F(BatchTest, EscStopsALongBatchKeepingItsLinesAndASecondPressStartsNothing) {
  const auto addresses = Data().Addresses(20000, 4);
  const auto expected = Expected(addresses);
  TAppDriver::SetText(app.InputMemo(), TBatchData::InputText(addresses));
  const HWND query = app.Button(L"查询");
  TAppDriver::Click(query);
  TAppDriver::Click(query);  // waits in the queue while the first batch runs

  // The window answers and shows progress while the batch runs; results only grow.
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return app.StatusText().rfind(L"已查询 ", 0) == 0; }, 20000));
  DWORD_PTR ignored = 0;
  EXPECT_NE(SendMessageTimeoutW(app.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored), 0);
  EXPECT_NE(app.StatusText().find(L"/20000，按 Esc 停止"), std::wstring::npos) << WideToUtf8(app.StatusText());
  size_t length = ResultLength();
  for (int i = 0; i < 5; ++i) {
    Sleep(40);
    const size_t now = ResultLength();
    EXPECT_GE(now, length);
    length = now;
  }

  PostMessageW(app.InputMemo(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  ASSERT_TRUE(TAppDriver::WaitUntil([&] { return app.StatusText().rfind(L"已停止", 0) == 0; }, 20000));
  const auto lines = TAppDriver::Lines(app.ResultMemo());
  ASSERT_GT(lines.size(), 0u);
  ASSERT_LT(lines.size(), expected.size());
  EXPECT_EQ(lines, std::vector<std::wstring>(expected.begin(), expected.begin() + static_cast<long>(lines.size())));
  EXPECT_EQ(app.StatusText(), L"已停止：已查询 " + std::to_wstring(lines.size()) + L"/20000");
  Sleep(500);
  EXPECT_EQ(TAppDriver::Lines(app.ResultMemo()).size(), lines.size());

  // The button works again, and the panel no longer speaks of the stopped batch.
  TAppDriver::SetText(app.InputMemo(), DottedWide(addresses[0]));
  ASSERT_TRUE(TAppDriver::ClickAndWait(query, 20000));
  EXPECT_EQ(TAppDriver::Lines(app.ResultMemo()), std::vector<std::wstring>{expected[0]});
  EXPECT_EQ(app.StatusText(), L"");
}

}  // namespace
