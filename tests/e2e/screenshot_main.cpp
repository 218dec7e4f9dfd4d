// corvana-driver: starts corvana.exe in the current folder, runs a query of addresses and
// names, and saves pictures of both tabs and of a long batch running and stopped by Esc, and of
// the window after a query in each skin of the skins folder but the default one.
//   corvana-driver screenshot OUTDIR
// With query-shot it saves only the window after the query (taken at each display scale):
//   corvana-driver query-shot FILE
#include <cstdio>
#include <string>

#include "driver.h"

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc == 3 ? argv[1] : L"";
  if (mode != L"screenshot" && mode != L"query-shot") {
    std::fprintf(stderr, "usage: corvana-driver screenshot OUTDIR | query-shot FILE\n");
    return 2;
  }
  const std::wstring out = argv[2];
  wchar_t folder[MAX_PATH]{};
  GetCurrentDirectoryW(MAX_PATH, folder);
  TAppDriver app;
  if (!app.Start(std::wstring(folder) + L"\\corvana.exe", folder) || !app.WaitMainWindow()) {
    std::fprintf(stderr, "corvana-driver: corvana.exe did not start\n");
    return 1;
  }
  TAppDriver::SetText(app.InputMemo(),
                      L"8.8.8.8\r\n114.114.114.114\r\nlocalhost\r\n192.168.1.10\r\n203.0.113.7\r\n1.1.1.1\r\n223.5.5.5");
  TAppDriver::Click(app.Button(L"查询"));
  TAppDriver::WaitUntil([&] { return TAppDriver::Lines(app.ResultMemo()).size() >= 7; }, 15000);
  Sleep(500);
  if (mode == L"query-shot") return TAppDriver::SaveScreenshot(app.MainWindow(), out) ? 0 : 1;
  bool ok = TAppDriver::SaveScreenshot(app.MainWindow(), out + L"\\tab1.bmp");
  std::wstring many;
  for (unsigned i = 0; i < 20000; ++i) {
    const unsigned a = 0x01000000u + i * 104729u;
    many += std::to_wstring(a >> 24) + L"." + std::to_wstring((a >> 16) & 255) + L"." + std::to_wstring((a >> 8) & 255) +
            L"." + std::to_wstring(a & 255) + L"\r\n";
  }
  TAppDriver::SetText(app.InputMemo(), many);
  TAppDriver::Click(app.Button(L"查询"));
  TAppDriver::WaitUntil([&] { return TAppDriver::Lines(app.ResultMemo()).size() >= 2000; }, 30000);
  ok = TAppDriver::SaveScreenshot(app.MainWindow(), out + L"\\batch.bmp") && ok;
  PostMessageW(app.InputMemo(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  TAppDriver::WaitUntil([&] { return app.StatusText().rfind(L"已停止", 0) == 0; }, 30000);
  Sleep(300);
  ok = TAppDriver::SaveScreenshot(app.MainWindow(), out + L"\\stopped.bmp") && ok;
  app.SelectTab(1);
  TAppDriver::Click(app.Button(L"数据库版本"));
  TAppDriver::WaitUntil([&] { return TAppDriver::Lines(app.InfoMemo()).size() >= 4; }, 10000);
  Sleep(500);
  ok = TAppDriver::SaveScreenshot(app.MainWindow(), out + L"\\tab2.bmp") && ok;
  app.Kill();
  for (const wchar_t* skin : {L"dark", L"classic"}) {
    TAppDriver skinned;
    const std::wstring file = std::wstring(folder) + L"\\skins\\" + skin + L".skin";
    if (!skinned.Start(std::wstring(folder) + L"\\corvana.exe", folder, L"--skin \"" + file + L"\"") ||
        !skinned.WaitMainWindow()) {
      std::fprintf(stderr, "corvana-driver: corvana.exe did not start with %ls\n", file.c_str());
      return 1;
    }
    SetForegroundWindow(skinned.MainWindow());
    TAppDriver::SetText(skinned.InputMemo(), L"8.8.8.8\r\n114.114.114.114\r\nlocalhost\r\n192.168.1.10\r\n1.1.1.1");
    TAppDriver::Click(skinned.Button(L"查询"));
    TAppDriver::WaitUntil([&] { return TAppDriver::Lines(skinned.ResultMemo()).size() >= 5; }, 15000);
    Sleep(800);
    ok = TAppDriver::SaveScreenshot(skinned.MainWindow(), out + L"\\skin-" + skin + L".bmp") && ok;
    skinned.Kill();
  }
  return ok ? 0 : 1;
}
