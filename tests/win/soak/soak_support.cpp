// Size, memory, phase figures and the modal closer of the soak programs.
#include "win/soak/soak_support.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bmp.h"
#include "skin.h"
#include "skin_writer.h"
#include "ui/skin_messages.h"
#include "win/support/ui_test.h"

namespace {

// `make test` runs a twentieth of the full soak.
constexpr int kReducedPercent = 5;

TModalCloser* g_Closer = nullptr;

}  // namespace

std::vector<std::uint8_t> SecondSoakSkin() {
  Theme theme;
  theme.captionHeight = 24;
  theme.frameWidth = 6;
  theme.face = {214, 220, 206};
  theme.captionTop = {120, 60, 40};
  theme.captionBottom = {96, 44, 30};
  std::vector<TSkinEntry> entries;
  for (const Picture& p : MakeSkinPictures(theme)) entries.push_back({p.name, EncodeBmp24(p.image)});
  std::string text = MakeDescription(theme);
  const std::string name = "SkinName=Corvana Light";
  text.replace(text.find(name), name.size(), "SkinName=Soak Second");
  entries.push_back({kDescriptionName, std::vector<std::uint8_t>(text.begin(), text.end())});
  return BuildSkinArchive(entries);
}

int SoakPercent() {
  const char* text = std::getenv("CORVANA_SOAK");
  if (!text || !*text) return kReducedPercent;
  if (std::strcmp(text, "full") == 0) return 100;
  const int percent = std::atoi(text);
  return percent > 0 ? percent : kReducedPercent;
}

int SoakCount(int full, int minimum) {
  const long long scaled = static_cast<long long>(full) * SoakPercent() / 100;
  return static_cast<int>(scaled < minimum ? minimum : scaled);
}

TMemorySample SampleMemory() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  TMemorySample sample;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters)) {
    sample.WorkingSetMb = static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
    sample.CommittedMb = static_cast<double>(counters.PagefileUsage) / (1024.0 * 1024.0);
  }
  return sample;
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
    PumpMessages();
    Sleep(2);
  }
  return true;
}

TPhaseFigures::TPhaseFigures(std::string name) : FName(std::move(name)) {
  FBaseline = ThreadWindowProcs();
  ResetWindowProcWatch();
  FGdiStart = GdiImportCounts();
  FGdiWarm = FGdiStart;
  FMemStart = SampleMemory();
  FMemWarm = FMemStart;
}

void TPhaseFigures::WarmedUp() {
  FGdiWarm = GdiImportCounts();
  FMemWarm = SampleMemory();
}

void TPhaseFigures::Finish(const std::string& counts) {
  PumpMessages(50);
  FGdiEnd = GdiImportCounts();
  FMemEnd = SampleMemory();
  FProcs = CheckWindowProcs(FBaseline);
  FLive = LiveGdiObjectsByCreator();
  FWindows = DescribeUncleanWindows(FBaseline);
  std::printf(
      "soak %s: %s; GDI after warm-up: created %ld - deleted %ld = %ld (whole phase %+ld); window procs: %d "
      "subclassed, %d restored, %d destroyed, %d not restored, %d windows left; working set %.1f MB at start, %.1f MB "
      "after "
      "warm-up, %.1f MB at end (%+.2f MB); committed %.1f -> %.1f MB\n",
      FName.c_str(), counts.c_str(), FGdiEnd.Created - FGdiWarm.Created, FGdiEnd.Deleted - FGdiWarm.Deleted,
      GdiBalance(), GdiBalanceWithWarmUp(), FProcs.Subclassed, FProcs.Restored, FProcs.Destroyed, FProcs.NotRestored,
      FProcs.WindowsLeft, FMemStart.WorkingSetMb, FMemWarm.WorkingSetMb, FMemEnd.WorkingSetMb, MemoryGrowthMb(),
      FMemWarm.CommittedMb, FMemEnd.CommittedMb);
  std::fflush(stdout);
}

TModalCloser::TModalCloser(const wchar_t* windowClass, UINT message, WPARAM wParam, int graceMs)
    : FClass(windowClass), FMessage(message), FWParam(wParam), FStart(GetTickCount()), FGraceMs(graceMs) {
  g_Closer = this;
  FTimer = SetTimer(nullptr, 0, 5, &TModalCloser::Tick);
}

TModalCloser::TModalCloser(HWND window, UINT message, WPARAM wParam, int graceMs)
    : FTarget(window), FMessage(message), FWParam(wParam), FStart(GetTickCount()), FGraceMs(graceMs) {
  g_Closer = this;
  FTimer = SetTimer(nullptr, 0, 5, &TModalCloser::Tick);
}

TModalCloser::~TModalCloser() {
  if (FTimer) KillTimer(nullptr, FTimer);
  g_Closer = nullptr;
}

void CALLBACK TModalCloser::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_Closer) g_Closer->Check();
}

void TModalCloser::Check() {
  if (FClosed) return;
  struct Found {
    const wchar_t* Class;
    HWND Window = nullptr;
  } found{FClass, FTarget && IsWindowVisible(FTarget) ? FTarget : nullptr};
  if (FClass)
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
          auto* f = reinterpret_cast<Found*>(data);
          wchar_t name[64] = {};
          GetClassNameW(window, name, 64);
          if (IsWindowVisible(window) && std::wcscmp(name, f->Class) == 0) {
            f->Window = window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
  if (!found.Window) return;
  // The skin manager posts its activation message when it attaches; a message posted after
  // the window answers that it is skinned arrives after that activation has run.
  FSkinned = SendMessageW(found.Window, SKINMSG_QUERY, 0, 0) == 1;
  if (!FSkinned && static_cast<int>(GetTickCount() - FStart) < FGraceMs) return;
  PostMessageW(found.Window, FMessage, FWParam, 0);
  FClosed = true;
  KillTimer(nullptr, FTimer);
  FTimer = 0;
}
