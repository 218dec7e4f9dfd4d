// Damaged skins into the live skin viewer, through the path its Ctrl+O takes: each one is
// applied or refused with a message while the current skin stays; nothing crashes, no load
// hangs (a watchdog ends the program with the skin's number), and afterwards the window still
// answers and closes. CORVANA_SOAK=full loads 240 skins; `make test` loads three of each kind.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <thread>

#include "hostile_skins.h"
#include "skin/controls/skin_control.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "skinchoice/skin_source.h"
#include "skinview/viewer_form.h"
#include "ui/skin_messages.h"
#include "win/soak/soak_support.h"
#include "win/support/ui_test.h"

namespace {

constexpr std::uint64_t kSeed = 22;
// One load, with every page shown afterwards, takes well under a second; a load still running
// after this long is stuck.
constexpr int kHangMs = 60000;

// The skin being loaded, for the watchdog and the crash report.
std::atomic<int> g_Current{-1};
std::atomic<DWORD> g_Started{0};
std::atomic<bool> g_Done{false};

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  std::printf("hostile skins: crash (exception 0x%08lX) while loading skin %d\n",
              static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode), g_Current.load());
  std::fflush(stdout);
  return EXCEPTION_CONTINUE_SEARCH;
}

void Watchdog() {
  while (!g_Done) {
    Sleep(200);
    const int current = g_Current;
    if (current >= 0 && static_cast<int>(GetTickCount() - g_Started) > kHangMs) {
      std::printf("hostile skins: hang while loading skin %d (no answer for %d s)\n", current, kHangMs / 1000);
      std::fflush(stdout);
      TerminateProcess(GetCurrentProcess(), 3);
    }
  }
}

bool Skinned(HWND window) {
  return SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1;
}

int CorpusSize() {
  const int percent = SoakPercent();
  return percent >= 100 ? 20 * kHostileDamageKinds : 3 * kHostileDamageKinds;
}

// Opens the skin file as Ctrl+O does once a file is chosen, then shows every page with the
// skin in use.
bool OpenAndShow(TSkinViewForm& form, const std::filesystem::path& path) {
  const bool used = form.OpenSkinFile(path.wstring());
  for (int p = 0; p < form.Pages()->PageCount(); ++p) {
    form.Pages()->SetActivePageIndex(p);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
  }
  form.Pages()->SetActivePageIndex(0);
  PumpMessages(3 * kScheduleDelay / 2);
  return used;
}

void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(HostileSkinsSoakTest, EveryDamagedSkinIsAppliedOrRefusedAndTheWindowLivesOn) {
  ASSERT_TRUE(InstallGdiImportCounting());
  TestApplication();
  std::vector<std::wstring> errors;
  TSkinViewForm::OnError = [&errors](const std::wstring& text) { errors.push_back(text); };
  // The engine's shared work bitmap (and its DC) lives as long as the program: made before
  // counting starts.
  if (TBitmap* work = SkinWorkBitmap()) {
    if (work->Empty()) work->SetSize(1, 1);
    work->Canvas().Handle();
  }
  const long gdiAtStart = GdiImportCounts().Live();
  auto* form = new TSkinViewForm(nullptr, L"");
  form->Show();
  SetForegroundWindow(form->Handle());
  ASSERT_TRUE(PumpUntil([&] { return Skinned(form->Handle()); }, 5000));
  SetUnhandledExceptionFilter(&ReportCrash);
  std::thread watchdog(&Watchdog);

  // The built-in skin from a file, before and after the corpus, for the figures.
  const auto builtInPath = std::filesystem::temp_directory_path() / "corvana-hostile-builtin.skin";
  TMemoryStream builtIn;
  ASSERT_TRUE(ReadDefaultSkin(builtIn));
  WriteFile(builtInPath, builtIn.Bytes());
  ASSERT_TRUE(OpenAndShow(*form, builtInPath));
  ASSERT_TRUE(OpenAndShow(*form, builtInPath));
  const long gdiBefore = GdiImportCounts().Live();
  const TMemorySample memoryBefore = SampleMemory();

  const auto path = std::filesystem::temp_directory_path() / "corvana-hostile.skin";
  const int count = CorpusSize();
  int applied = 0, refused = 0;
  for (int i = 0; i < count; ++i) {
    const THostileSkin skin = MakeHostileSkin(kSeed, i);
    SCOPED_TRACE("skin " + std::to_string(i) + " " + skin.Note);
    WriteFile(path, skin.Bytes);
    const std::string nameBefore = form->SkinData()->SkinName();
    const std::int64_t storedBefore = form->SkinData()->StoredStream().Size();
    errors.clear();
    g_Started = GetTickCount();
    g_Current = i;
    const bool used = OpenAndShow(*form, path);
    g_Current = -1;
    if (used) {
      ++applied;
      EXPECT_TRUE(errors.empty());
      EXPECT_EQ(form->SkinFileShown(), path.wstring());
    } else {
      ++refused;
      // One clear message, and the skin in use stays what it was.
      ASSERT_EQ(errors.size(), 1u);
      EXPECT_NE(errors[0].find(L"仍使用当前皮肤"), std::wstring::npos);
      EXPECT_EQ(form->SkinData()->SkinName(), nameBefore);
      EXPECT_EQ(form->SkinData()->StoredStream().Size(), storedBefore);
    }
    EXPECT_FALSE(form->SkinData()->SkinPending());
    EXPECT_TRUE(Skinned(form->Handle()));
  }
  g_Done = true;
  watchdog.join();

  errors.clear();
  EXPECT_TRUE(OpenAndShow(*form, builtInPath));
  // Not zero by itself: a control keeps a background brush while a skin gives it a colour of
  // its own. Everything must be gone once the window is.
  const long gdiAgain = GdiImportCounts().Live() - gdiBefore;
  const TMemorySample memoryAfter = SampleMemory();

  DWORD_PTR answer = 0;
  const bool answers =
      SendMessageTimeoutW(form->Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 5000, &answer) != 0;
  EXPECT_TRUE(answers);
  const HWND window = form->Handle();
  form->Close();
  delete form;
  PumpMessages(50);
  EXPECT_FALSE(IsWindow(window));
  FreeSkinManager();
  PumpMessages(50);
  const long gdiLeft = GdiImportCounts().Live() - gdiAtStart;
  EXPECT_EQ(gdiLeft, 0) << LiveGdiObjectsByCreator();
  TSkinViewForm::OnError = nullptr;
  std::filesystem::remove(path);
  std::filesystem::remove(builtInPath);
  std::printf("hostile skins: %d loaded, %d applied, %d refused, 0 crashes, 0 hangs; the window %s and closed\n", count,
              applied, refused, answers ? "answered" : "did not answer");
  std::printf(
      "hostile skins: built-in skin again afterwards: GDI objects %+ld, working set %.1f -> %.1f MB; GDI objects left "
      "after the window closed: %+ld\n",
      gdiAgain, memoryBefore.WorkingSetMb, memoryAfter.WorkingSetMb, gdiLeft);
  std::fflush(stdout);
  EXPECT_EQ(applied + refused, count);
  EXPECT_GT(applied, 0);
  EXPECT_GT(refused, 0);
}

}  // namespace
