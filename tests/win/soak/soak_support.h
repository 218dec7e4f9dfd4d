// What the soak programs share: the run's size, memory samples, the figures of a phase and
// the closing of modal windows once the engine has skinned them.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "win/support/gdi_import_count.h"
#include "win/support/window_census.h"

// The share of the full run, in percent: CORVANA_SOAK=full gives 100, a number that many
// percent, nothing the reduced size that `make test` runs.
int SoakPercent();
// A count of the full run scaled to the run's size, never below minimum.
int SoakCount(int full, int minimum);

// A skin archive unlike the default skin (other sizes and colours) named "Soak Second".
std::vector<std::uint8_t> SecondSoakSkin();

// Resident memory (working set) and committed memory (page-file usage) of the process, in MB.
struct TMemorySample {
  double WorkingSetMb = 0;
  double CommittedMb = 0;
};
TMemorySample SampleMemory();

// Pumps the thread's messages until done answers true or the time runs out; answers done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs);

// The figures of one phase: GDI objects counted from the end of the warm-up, window
// procedures against the phase's start, memory after the warm-up and at the end.
class TPhaseFigures {
public:
  explicit TPhaseFigures(std::string name);
  // Called once, after the warm-up rounds.
  void WarmedUp();
  // Takes the end figures and prints the phase's summary line.
  void Finish(const std::string& counts);

  long GdiBalance() const { return FGdiEnd.Created - FGdiWarm.Created - (FGdiEnd.Deleted - FGdiWarm.Deleted); }
  long GdiBalanceWithWarmUp() const { return FGdiEnd.Live() - FGdiStart.Live(); }
  const TWindowProcCheck& Procs() const { return FProcs; }
  double MemoryGrowthMb() const { return FMemEnd.WorkingSetMb - FMemWarm.WorkingSetMb; }
  double CommittedGrowthMb() const { return FMemEnd.CommittedMb - FMemWarm.CommittedMb; }
  std::string LiveObjects() const { return FLive; }
  std::string Windows() const { return FWindows; }

private:
  std::string FName;
  std::map<HWND, LONG_PTR> FBaseline;
  TGdiImportCounts FGdiStart, FGdiWarm, FGdiEnd;
  TMemorySample FMemStart, FMemWarm, FMemEnd;
  TWindowProcCheck FProcs;
  std::string FLive;
  std::string FWindows;
};

// Arms a thread timer that closes the next modal window of the thread of the given class
// ("#32770" for message boxes) once it answers that it is skinned, by posting message; after
// the grace period it is closed unskinned. Answers through the flags when it was closed.
class TModalCloser {
public:
  TModalCloser(const wchar_t* windowClass, UINT message, WPARAM wParam, int graceMs = 4000);
  // The same for one known window.
  TModalCloser(HWND window, UINT message, WPARAM wParam, int graceMs = 4000);
  ~TModalCloser();
  TModalCloser(const TModalCloser&) = delete;
  TModalCloser& operator=(const TModalCloser&) = delete;
  bool Closed() const { return FClosed; }
  bool WasSkinned() const { return FSkinned; }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  void Check();

  const wchar_t* FClass = nullptr;
  HWND FTarget = nullptr;
  UINT FMessage;
  WPARAM FWParam;
  DWORD FStart;
  int FGraceMs;
  UINT_PTR FTimer = 0;
  bool FClosed = false;
  bool FSkinned = false;
};
