// What skinning costs a window: one full frame paint of an 800 x 600 window with the default
// skin (into a memory DC, as the platform's own non-client paint would go), and the real main
// window from its resource up to its first painted frame, skinned beside the same start with
// skinning switched off. A Windows program; run it under Wine on a display (make bench-window).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/main_form.h"
#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/application.h"
#include "ui/skin_messages.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Builds the main window, shows it and handles its messages until it is first painted whole:
// the window's first client paint, which comes after its frame (skinned: the first after the
// skinner has announced itself, so the frame painted is the skin's).
double StartToFirstFrame(bool skinned) {
  const auto start = Clock::now();
  TOwned<TForm1> form(new TForm1(nullptr));
  if (!skinned) SkinManager()->Enabled = false;
  bool announced = !skinned, painted = false;
  TWndMethod saved = form->WindowProc;
  form->WindowProc = [&announced, &painted, saved](TMessage& m) {
    saved(m);
    if (m.Msg == SKINMSG_DONE) announced = true;
    if (m.Msg == WM_PAINT && announced) painted = true;
  };
  form->Show();
  SetForegroundWindow(form->Handle());
  while (!painted) {
    Pump();
    if (Ms(Clock::now() - start) > 10000) break;
  }
  const double ms = Ms(Clock::now() - start);
  form->WindowProc = saved;
  form.reset();
  FreeSkinManager();
  return ms;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  TApplication app;
  app.Initialize();
  std::vector<double> skinned, plain;
  StartToFirstFrame(true);  // first use of fonts, classes and the skin's pictures
  for (int i = 0; i < 7; ++i) {
    plain.push_back(StartToFirstFrame(false));
    skinned.push_back(StartToFirstFrame(true));
  }
  const double s = Median(skinned), p = Median(plain);
  std::printf("main window to its first painted frame: skinned %.1f ms, skinning off %.1f ms (%.2f x)\n", s, p, s / p);

  // One full frame paint of an 800 x 600 window.
  TOwned<TForm1> form(new TForm1(nullptr));
  form->Show();
  SetForegroundWindow(form->Handle());
  for (int i = 0; i < 50 && SendMessageW(form->Handle(), SKINMSG_QUERY, 0, 0) != 1; ++i) {
    Pump();
    Sleep(20);
  }
  form->SetBounds(form->Left(), form->Top(), 800, 600);
  Pump();
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 600);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const int runs = 500;
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    SendMessageW(form->Handle(), SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(memory), SKIN_MAGIC);
    times.push_back(Ms(Clock::now() - start));
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  std::printf("one full frame paint, 800 x 600: median %.3f ms, best %.3f ms (%d runs)\n", Median(times),
              *std::min_element(times.begin(), times.end()), runs);
  form.reset();
  FreeSkinManager();
  return 0;
}
