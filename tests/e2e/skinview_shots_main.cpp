// skinview-driver: starts corvana-skinview.exe from the current folder, shows each of its pages
// in turn by a click on the page's tab, and saves a picture of the window for every page.
//   skinview-driver OUTDIR
// or only page N (1-based) saved as FILE:
//   skinview-driver OUTDIR N FILE
#include <cstdio>
#include <string>

#include "driver.h"

namespace {

// The viewer's page control: the largest tab control of its window.
HWND PagesOf(HWND viewer) {
  HWND best = nullptr;
  int bestArea = 0;
  for (HWND w = FindWindowExW(viewer, nullptr, L"TPageControl", nullptr); w;
       w = FindWindowExW(viewer, w, L"TPageControl", nullptr)) {
    const RECT r = TAppDriver::ScreenRect(w);
    const int area = (r.right - r.left) * (r.bottom - r.top);
    if (area > bestArea) {
      bestArea = area;
      best = w;
    }
  }
  return best;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: skinview-driver OUTDIR [PAGE FILE]\n");
    return 2;
  }
  const int only = argc == 4 ? _wtoi(argv[2]) : 0;
  const std::wstring out = argv[1];
  wchar_t folder[MAX_PATH]{};
  GetCurrentDirectoryW(MAX_PATH, folder);
  const std::wstring program = std::wstring(folder) + L"\\corvana-skinview.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + program + L"\"";
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &process)) {
    std::fprintf(stderr, "skinview-driver: corvana-skinview.exe did not start\n");
    return 1;
  }
  HWND viewer = nullptr;
  TAppDriver::WaitUntil(
      [&] {
        const auto found = TopLevelWindows(process.dwProcessId, L"TSkinViewForm");
        viewer = found.empty() ? nullptr : found.front();
        return viewer != nullptr;
      },
      15000);
  bool ok = viewer != nullptr;
  const HWND pages = viewer ? PagesOf(viewer) : nullptr;
  ok = ok && pages;
  if (ok) {
    WaitForInputIdle(process.hProcess, 5000);
    Sleep(500);
    const int count = static_cast<int>(SendMessageW(pages, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      if (only > 0 && i != only - 1) continue;
      // The tab's rectangle lives in the viewer's memory.
      void* remote = VirtualAllocEx(process.hProcess, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
      RECT r{};
      if (remote && SendMessageW(pages, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote)))
        ReadProcessMemory(process.hProcess, remote, &r, sizeof r, nullptr);
      if (remote) VirtualFreeEx(process.hProcess, remote, 0, MEM_RELEASE);
      const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      PostMessageW(pages, WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageW(pages, WM_LBUTTONUP, 0, at);
      TAppDriver::WaitUntil([&] { return SendMessageW(pages, TCM_GETCURSEL, 0, 0) == i; }, 3000);
      Sleep(600);
      wchar_t name[32];
      swprintf(name, 32, L"\\skinview-%02d.bmp", i + 1);
      ok = TAppDriver::SaveScreenshot(viewer, only > 0 ? out + L"\\" + argv[3] : out + name) && ok;
    }
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ok ? 0 : 1;
}
