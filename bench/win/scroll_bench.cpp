// What the skinned scroll bar costs a scroll step: the main window's result pane holding 10 000
// lines scrolled one line down (the memo's scrolling, its paint and the bar's), with the skin's
// bar beside the same window with skinning switched off. A Windows program; run it under Wine
// on a display (make bench-window).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "skin/model/skin_manage.h"
#include "ui/application.h"
#include "ui/stdctrls.h"
#include "window_bench.h"

namespace {

constexpr int kLines = 10000;
constexpr int kSteps = 300;

// Milliseconds of each step: one line down and everything it repaints.
std::vector<double> ScrollSteps(bool skinned) {
  TOwned<TForm1> form(new TForm1(nullptr));
  if (!skinned) SkinManager()->Enabled = false;
  form->Show();
  SetForegroundWindow(form->Handle());
  for (int i = 0; i < 50; ++i) {
    Pump();
    Sleep(10);
  }
  std::vector<std::wstring> lines;
  lines.reserve(kLines);
  for (int i = 0; i < kLines; ++i)
    lines.push_back(L"IP:8.8.8." + std::to_wstring(i % 256) + L" 国家:美国 地区:Google 第" + std::to_wstring(i) + L"行");
  form->Memo_IPLog->Lines()->AddLines(lines);
  const HWND memo = form->Memo_IPLog->Handle();
  SendMessageW(memo, WM_VSCROLL, SB_TOP, 0);
  UpdateWindow(memo);
  Pump();
  std::vector<double> steps;
  for (int i = 0; i < kSteps; ++i) {
    const auto start = Clock::now();
    SendMessageW(memo, WM_VSCROLL, SB_LINEDOWN, 0);
    UpdateWindow(memo);
    Pump();
    GdiFlush();
    steps.push_back(Ms(Clock::now() - start));
  }
  form.reset();
  FreeSkinManager();
  return steps;
}

}  // namespace

int main() {
  TApplication app;
  app.Initialize();
  ScrollSteps(true);  // warm-up: fonts, the skin's pictures, the code
  std::vector<double> skinned, plain;
  for (int round = 0; round < 3; ++round) {
    const std::vector<double> s = ScrollSteps(true), p = ScrollSteps(false);
    skinned.insert(skinned.end(), s.begin(), s.end());
    plain.insert(plain.end(), p.begin(), p.end());
  }
  const double s = Median(skinned), p = Median(plain);
  std::printf("one scroll step of a %d-line memo: skinned bar %.3f ms, skinning off %.3f ms (%.2f x), median of %zu\n",
              kLines, s, p, s / p, skinned.size());
  return 0;
}
