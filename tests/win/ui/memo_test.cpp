// Memos under Wine: no practical size limit unless MaxLength asks for one (and then only for
// typing), many lines added in one edit exactly as line-by-line adds would, and the
// application's message hook.
#include <gtest/gtest.h>

#include "base/codec.h"
#include "ui/form.h"
#include "ui/stdctrls.h"
#include "win/support/ui_test.h"

namespace {

std::wstring TextOf(TMemo& memo) {
  const int length = GetWindowTextLengthW(memo.Handle());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(memo.Handle(), text.data(), length + 1)));
  return text;
}

// Long lines, distinct per index, so a megabyte needs few of them.
std::wstring LongLine(int i) { return L"第" + std::to_wstring(i) + L"行 " + std::wstring(2040, L"xyz"[i % 3]); }

// Compares without a character diff: gtest's diff of megabyte texts takes minutes.
::testing::AssertionResult SameText(const std::wstring& actual, const std::wstring& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  return ::testing::AssertionFailure() << "texts of " << actual.size() << " and " << expected.size()
                                       << " characters differ from character " << at;
}

bool PutOnClipboard(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  bool ok = memory != nullptr;
  if (ok) {
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!ok) GlobalFree(memory);
  }
  CloseClipboard();
  return ok;
}

class MemoTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    form.reset(new TForm(nullptr));
    form->SetBounds(40, 40, 400, 300);
    memo = new TMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(0, 0, 380, 260);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    form->Show();
  }
  TOwned<TForm> form;
  TMemo* memo = nullptr;
};

TEST_F(MemoTest, WithoutMaxLengthAMegabyteGoesInByAddByTextAndByPaste) {
  memo->SetWordWrap(false);  // wrapping only costs time here
  std::vector<std::wstring> lines;
  std::wstring all;
  for (int i = 0; all.size() < (1u << 20); ++i) {
    lines.push_back(LongLine(i));
    all += lines.back() + L"\r\n";
  }
  // The platform's own default would stop at 32 767 characters.
  EXPECT_GT(static_cast<size_t>(SendMessageW(memo->Handle(), EM_GETLIMITTEXT, 0, 0)), all.size());

  memo->Lines()->BeginUpdate();
  for (const std::wstring& line : lines) memo->Lines()->Add(line);
  memo->Lines()->EndUpdate();
  EXPECT_TRUE(SameText(TextOf(*memo), all));

  memo->Lines()->Clear();
  memo->Lines()->SetText(all);
  EXPECT_TRUE(SameText(TextOf(*memo), all));

  memo->Lines()->Clear();
  ASSERT_TRUE(PutOnClipboard(form->Handle(), all));
  SendMessageW(memo->Handle(), WM_PASTE, 0, 0);
  EXPECT_TRUE(SameText(TextOf(*memo), all));

  // A new window keeps the text and the limit.
  memo->SetScrollBars(TScrollStyle::ssBoth);
  EXPECT_TRUE(SameText(TextOf(*memo), all));
  memo->Lines()->Clear();
  memo->Lines()->AddLines(lines);
  EXPECT_TRUE(SameText(TextOf(*memo), all));
}

TEST_F(MemoTest, APositiveMaxLengthLimitsTypingAndPastingButNotTheProgram) {
  memo->SetMaxLength(10);
  for (wchar_t c : std::wstring(L"abcdefghijklmnop")) SendMessageW(memo->Handle(), WM_CHAR, c, 1);
  EXPECT_EQ(TextOf(*memo), L"abcdefghij");

  memo->Lines()->Clear();
  ASSERT_TRUE(PutOnClipboard(form->Handle(), L"0123456789ABCDEFGHIJ"));
  SendMessageW(memo->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(*memo), L"0123456789");

  const std::wstring longLine(50, L'长');
  memo->Lines()->Clear();
  memo->Lines()->Add(longLine);
  memo->Lines()->AddLines({longLine, L"tail"});
  EXPECT_EQ(TextOf(*memo), longLine + L"\r\n" + longLine + L"\r\ntail\r\n");
  memo->Lines()->SetText(longLine);
  EXPECT_EQ(TextOf(*memo), longLine);
  // ... and typing is still held to the limit afterwards.
  SendMessageW(memo->Handle(), EM_SETSEL, 0, 0);
  SendMessageW(memo->Handle(), WM_CHAR, L'x', 1);
  EXPECT_EQ(TextOf(*memo), longLine);
}

TEST_F(MemoTest, AddLinesGivesTheTextThatOneAddPerLineGives) {
  auto* other = new TMemo(form.get());
  other->SetParent(form.get());
  const std::vector<std::wstring> added{L"第一", L"", L"third line"};
  // Starting texts that end with a line end, as a cleared pane does: the same text.
  for (const wchar_t* start : {L"", L"a\r\n", L"a\r\n\r\n"}) {
    SetWindowTextW(memo->Handle(), start);
    SetWindowTextW(other->Handle(), start);
    for (const std::wstring& line : added) memo->Lines()->Add(line);
    other->Lines()->AddLines(added);
    EXPECT_EQ(TextOf(*other), TextOf(*memo)) << "starting from \"" << WideToUtf8(start) << "\"";
  }
  // After a last line without its end, every added line is kept (one Add after another
  // loses the empty one there).
  SetWindowTextW(other->Handle(), L"a\r\nb");
  other->Lines()->AddLines(added);
  EXPECT_EQ(other->Lines()->ToVector(), (std::vector<std::wstring>{L"a", L"b", L"第一", L"", L"third line"}));
  // Without a window the lines go to the kept text the same way.
  auto* detached = new TMemo(form.get());
  detached->Lines()->SetText(L"a");
  detached->Lines()->AddLines(added);
  EXPECT_EQ(detached->Lines()->ToVector(), (std::vector<std::wstring>{L"a", L"第一", L"", L"third line"}));
  TWideStringList list;
  list.AddLines(added);
  EXPECT_EQ(list.ToVector(), added);
}

TEST(ApplicationHook, OnMessageSeesMessagesFirstAndCanUseThemUp) {
  TApplication& app = TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  form->Show();
  PumpMessages(50);
  std::vector<WPARAM> seen, reached;
  TWndMethod saved = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_KEYDOWN) reached.push_back(m.WParam);
    saved(m);
  };
  app.OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message != WM_KEYDOWN) return;
    seen.push_back(msg.wParam);
    handled = msg.wParam == VK_ESCAPE;
  };
  PostMessageW(edit->Handle(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  PostMessageW(edit->Handle(), WM_KEYDOWN, 'A', 0x001E0001);
  app.ProcessMessages();
  app.OnMessage = nullptr;
  EXPECT_EQ(seen, (std::vector<WPARAM>{VK_ESCAPE, 'A'}));
  EXPECT_EQ(reached, std::vector<WPARAM>{'A'});
}

}  // namespace
