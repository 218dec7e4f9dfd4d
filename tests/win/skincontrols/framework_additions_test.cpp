// The framework pieces the skinners need: window-procedure instances, the settable platform
// version, bidirectional styles, and the skin numbers that share the framework's ranges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/pagecontrol.h"
#include "ui/platform.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "ui/window_thunk.h"
#include "win/support/ui_test.h"

namespace {

const wchar_t kChinese[] = L"IP:1.2.3.4 国家:中国 地区:北京";

std::wstring TextOf(HWND window) {
  wchar_t buffer[256] = {};
  SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

// Someone else's subclass on top of ours.
WNDPROC g_BelowOther = nullptr;
int g_OtherCalls = 0;
LRESULT CALLBACK OtherProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  ++g_OtherCalls;
  return CallWindowProcW(g_BelowOther, w, m, wp, lp);
}

struct TBareEdit {
  explicit TBareEdit(bool unicode) {
    Window = unicode ? CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 200, 30, nullptr, nullptr, nullptr, nullptr)
                     : CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 200, 30, nullptr, nullptr, nullptr, nullptr);
  }
  ~TBareEdit() {
    if (IsWindow(Window)) DestroyWindow(Window);
  }
  HWND Window;
};

TEST(WindowProcInstance, UnicodeWindowKeepsChineseTextWhileSubclassed) {
  TestApplication();
  TBareEdit edit(true);
  ASSERT_TRUE(IsWindowUnicode(edit.Window));
  const LONG_PTR original = GetWindowLongPtrW(edit.Window, GWLP_WNDPROC);
  std::vector<UINT> seen;
  {
    TWindowProcInstance instance;
    ASSERT_TRUE(instance.Install(edit.Window, [&](TMessage& m) {
      seen.push_back(m.Msg);
      m.Result = instance.CallOld(m.Msg, m.WParam, m.LParam);
    }));
    EXPECT_TRUE(instance.Unicode());
    EXPECT_EQ(GetWindowLongPtrW(edit.Window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(instance.Proc()));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(instance.OldProc()), original);
    // A second install on the same instance is refused.
    EXPECT_FALSE(instance.Install(edit.Window, [](TMessage&) {}));

    SendMessageW(edit.Window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kChinese));
    EXPECT_EQ(TextOf(edit.Window), kChinese);
    EXPECT_EQ(GetWindowTextLengthW(edit.Window), static_cast<int>(wcslen(kChinese)));
    EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)), seen.end());
  }
  // Removed while still current: the original procedure is back and our code is gone.
  EXPECT_EQ(GetWindowLongPtrW(edit.Window, GWLP_WNDPROC), original);
  const size_t before = seen.size();
  SendMessageW(edit.Window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x"));
  EXPECT_EQ(seen.size(), before);
}

TEST(WindowProcInstance, AnsiWindowIsSubclassedWithAnsiCalls) {
  TestApplication();
  TBareEdit edit(false);
  ASSERT_FALSE(IsWindowUnicode(edit.Window));
  const LONG_PTR original = GetWindowLongPtrA(edit.Window, GWLP_WNDPROC);
  TWindowProcInstance instance;
  int calls = 0;
  ASSERT_TRUE(instance.Install(edit.Window, [&](TMessage& m) {
    ++calls;
    m.Result = instance.CallOld(m.Msg, m.WParam, m.LParam);
  }));
  EXPECT_FALSE(instance.Unicode());
  // Installing with the wide call would have made the window a Unicode one.
  EXPECT_FALSE(IsWindowUnicode(edit.Window));
  SetWindowTextA(edit.Window, "plain text");
  char buffer[64] = {};
  GetWindowTextA(edit.Window, buffer, 64);
  EXPECT_STREQ(buffer, "plain text");
  EXPECT_GT(calls, 0);
  instance.Remove();
  EXPECT_EQ(GetWindowLongPtrA(edit.Window, GWLP_WNDPROC), original);
}

TEST(WindowProcInstance, RemovedUnderAnotherSubclassBecomesAPassThrough) {
  TestApplication();
  const int live = LiveWindowProcInstances();
  TBareEdit edit(true);
  int ours = 0;
  auto instance = std::make_unique<TWindowProcInstance>();
  ASSERT_TRUE(instance->Install(edit.Window, [&](TMessage& m) {
    ++ours;
    m.Result = instance->CallOld(m.Msg, m.WParam, m.LParam);
  }));
  g_BelowOther = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit.Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OtherProc)));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(g_BelowOther), reinterpret_cast<LONG_PTR>(instance->Proc()));
  instance->Remove();
  // The other subclass stays in place and still reaches the edit through us.
  EXPECT_EQ(GetWindowLongPtrW(edit.Window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OtherProc));
  EXPECT_EQ(LiveWindowProcInstances(), live + 1);
  const int oursBefore = ours;
  g_OtherCalls = 0;
  SendMessageW(edit.Window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kChinese));
  EXPECT_EQ(TextOf(edit.Window), kChinese);
  EXPECT_GT(g_OtherCalls, 0);
  EXPECT_EQ(ours, oursBefore);
  // The pass-through frees itself with the window.
  DestroyWindow(edit.Window);
  EXPECT_EQ(LiveWindowProcInstances(), live);
}

TEST(WindowProcInstance, ErrorsStopAtTheProcedure) {
  auto& errors = CollectedErrors();
  errors.clear();
  TBareEdit edit(true);
  TWindowProcInstance instance;
  ASSERT_TRUE(instance.Install(edit.Window, [&](TMessage& m) {
    if (m.Msg == WM_USER + 7) throw std::runtime_error("handler failed");
    m.Result = instance.CallOld(m.Msg, m.WParam, m.LParam);
  }));
  EXPECT_EQ(SendMessageW(edit.Window, WM_USER + 7, 0, 0), 0);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "handler failed");
}

TEST(Platform, VersionCanBeSetForTests) {
  const TPlatformVersion real = PlatformVersion();
  EXPECT_TRUE(real.NT);  // Wine reports an NT system
  EXPECT_GE(real.Major, 5);
  SetPlatformVersion({false, 4, 10});
  EXPECT_FALSE(IsWindowsNT());
  EXPECT_EQ(PlatformVersion().Minor, 10);
  ResetPlatformVersion();
  EXPECT_TRUE(IsWindowsNT());
  EXPECT_EQ(PlatformVersion().Major, real.Major);
}

TEST(BiDiMode, GivesReadingScrollBarAndAlignmentStyles) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  const struct {
    TBiDiMode Mode;
    LONG_PTR Expected;
  } cases[] = {
      {TBiDiMode::bdLeftToRight, 0},
      {TBiDiMode::bdRightToLeft, WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT},
      {TBiDiMode::bdRightToLeftNoAlign, WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR},
      {TBiDiMode::bdRightToLeftReadingOnly, WS_EX_RTLREADING},
  };
  for (const auto& c : cases) {
    auto* edit = new TEdit(form.get());
    edit->SetBiDiMode(c.Mode);
    edit->SetParent(form.get());
    const LONG_PTR ex = GetWindowLongPtrW(edit->Handle(), GWL_EXSTYLE);
    EXPECT_EQ(ex & (WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT), c.Expected)
        << static_cast<int>(c.Mode);
  }
}

// A control that records what reaches its dispatch method.
struct TRecorder {
  explicit TRecorder(TControl& control) : Saved(control.WindowProc) {
    control.WindowProc = [this](TMessage& m) {
      Seen.push_back(m.Msg);
      Saved(m);
    };
  }
  bool Saw(UINT msg) const { return std::find(Seen.begin(), Seen.end(), msg) != Seen.end(); }
  TWndMethod Saved;
  std::vector<UINT> Seen;
};

TEST(SkinNumbers, SkinDoneIsIgnoredByNotifyHandlers) {
  TestApplication();
  EXPECT_EQ(SKINMSG_DONE, CN_NOTIFY);
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(0, 0, 300, 200);
  auto* pages = new TPageControl(form.get());
  pages->SetParent(form.get());
  auto* first = new TTabSheet(pages);
  first->SetParent(pages);
  auto* second = new TTabSheet(pages);
  second->SetParent(pages);
  pages->SetActivePage(second);
  // Sent to the window and performed directly: both must leave the page control alone.
  SendMessageW(pages->Handle(), SKINMSG_DONE, 0, SKIN_MAGIC);
  pages->Perform(CN_NOTIFY, 0, SKIN_MAGIC);
  pages->Perform(CN_NOTIFY, 0, 1);
  SendMessageW(form->Handle(), WM_NOTIFY, 0, SKIN_MAGIC);
  EXPECT_EQ(pages->ActivePage(), second);
  EXPECT_FALSE(IsNotifyHeaderPointer(SKIN_MAGIC));
  EXPECT_FALSE(IsNotifyHeaderPointer(0xFFFF));
  NMHDR header{};
  EXPECT_TRUE(IsNotifyHeaderPointer(reinterpret_cast<LPARAM>(&header)));
}

TEST(SkinNumbers, CopyDataAndCancelJournalAreNeverReflected) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  const HWND child = button->Handle();
  TRecorder recorder(*button);
  COPYDATASTRUCT data{7, 0, nullptr};
  SendMessageW(form->Handle(), WM_COPYDATA, reinterpret_cast<WPARAM>(child), reinterpret_cast<LPARAM>(&data));
  SendMessageW(form->Handle(), WM_CANCELJOURNAL, 0, reinterpret_cast<LPARAM>(child));
  SendMessageW(form->Handle(), 0x4D, 0, reinterpret_cast<LPARAM>(child));
  EXPECT_FALSE(recorder.Saw(CN_BASE + WM_COPYDATA));
  EXPECT_FALSE(recorder.Saw(CN_BASE + WM_CANCELJOURNAL));
  EXPECT_FALSE(recorder.Saw(SKINMSG_PING));
  // The recorder does see what is reflected.
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_SETFOCUS), reinterpret_cast<LPARAM>(child));
  EXPECT_TRUE(recorder.Saw(CN_COMMAND));
  button->WindowProc = recorder.Saved;
}

}  // namespace
