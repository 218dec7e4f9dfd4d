// What skinning costs a window: one full frame paint of an 800 x 600 window with the default
// skin (into a memory DC, as the platform's own non-client paint would go), and the real main
// window up to its first whole paint, skinned beside the same start with skinning switched
// off: from a new process's start (this program started again as a child, which signals when
// the window is painted), and from the window's resource within one process. Skinning off
// means the skin engine is switched off once the form is read (the skin file is still read,
// a few milliseconds). A Windows program; run it under Wine on a display (make bench-window).
#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <cstdio>
#include <vector>

#include "app/main_form.h"
#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/application.h"
#include "ui/skin_messages.h"
#include "window_bench.h"

namespace {

// Builds the main window, shows it and handles its messages until it is first painted whole:
// the window's first client paint, which comes after its frame (skinned: the first after the
// skinner has announced itself, so the frame painted is the skin's).
HANDLE gTellWhenPainted = nullptr;  // set in a started copy: the parent's event
bool gLastPainted = false;          // whether the last window was painted in time

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
  gLastPainted = painted;
  if (gTellWhenPainted && painted) SetEvent(gTellWhenPainted);
  form->WindowProc = saved;
  form.reset();
  FreeSkinManager();
  return ms;
}

constexpr DWORD kNotPaintedCode = 3;

// The child's part: the window started and painted once, then the parent is told.
int RunStartChild(bool skinned, const wchar_t* eventName) {
  gTellWhenPainted = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName);
  if (!gTellWhenPainted) return 1;
  TApplication app;
  app.Initialize();
  StartToFirstFrame(skinned);
  CloseHandle(gTellWhenPainted);
  // Told apart from a copy that could not start or crashed, for the parent's report.
  return gLastPainted ? 0 : kNotPaintedCode;
}

// Milliseconds from starting a new process of this program to its main window's first whole
// paint, or a negative number when the child failed (what happened is added to failures).
double ProcessStartToFirstFrame(bool skinned, std::string& failures) {
  wchar_t self[MAX_PATH]{};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring eventName = L"Local\\CorvanaFrameBench" + std::to_wstring(GetCurrentProcessId());
  HANDLE painted = CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
  std::wstring command = L"\"" + std::wstring(self) + L"\" --start-child " + (skinned ? L"skinned " : L"plain ") + eventName;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const auto start = Clock::now();
  double ms = -1;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    HANDLE waits[] = {painted, process.hProcess};
    if (WaitForMultipleObjects(2, waits, FALSE, 30000) == WAIT_OBJECT_0) ms = Ms(Clock::now() - start);
    const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 1);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    if (ms < 0) {
      const std::string what = !ended                    ? "still running, ended by the bench"
                               : code == kNotPaintedCode ? "its window not painted within 10 s"
                                                         : "ended with code " + std::to_string(code);
      failures += std::string(skinned ? "skinned" : "skinning off") + ": " + what + " after " +
                  std::to_string(static_cast<long>(Ms(Clock::now() - start))) + " ms\n";
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  } else {
    failures += std::string(skinned ? "skinned" : "skinning off") + ": could not be started\n";
  }
  CloseHandle(painted);
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--start-child") {
    const std::wstring eventName(argv[3], argv[3] + std::strlen(argv[3]));
    return RunStartChild(std::string(argv[2]) == "skinned", eventName.c_str());
  }
  {
    std::vector<double> skinned, plain;
    std::string failures, warmUp;
    ProcessStartToFirstFrame(true, warmUp);  // the program's files into the cache
    for (int i = 0; i < 7; ++i) {
      plain.push_back(ProcessStartToFirstFrame(false, failures));
      skinned.push_back(ProcessStartToFirstFrame(true, failures));
    }
    if (!failures.empty()) {
      std::printf("a started copy did not paint its window:\n%s", failures.c_str());
      return 1;
    }
    const double s = Median(skinned), p = Median(plain);
    std::printf("process start to the main window's first whole paint: skinned %.1f ms, skinning off %.1f ms (%.2f x)\n",
                s, p, s / p);
  }
  TApplication app;
  app.Initialize();
  std::vector<double> skinned, plain;
  StartToFirstFrame(true);  // first use of fonts, classes and the skin's pictures
  for (int i = 0; i < 7; ++i) {
    plain.push_back(StartToFirstFrame(false));
    skinned.push_back(StartToFirstFrame(true));
  }
  const double s = Median(skinned), p = Median(plain);
  std::printf("main window from its resource to its first whole paint: skinned %.1f ms, skinning off %.1f ms (%.2f x)\n",
              s, p, s / p);

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

  // The same paint onto the screen beside the platform's own frame paint of the same window
  // with skinning off (its default procedure's WM_NCPAINT), so the cost is a ratio.
  const auto screenPaints = [runs](HWND window, bool skinnedFrame) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
      const auto start = Clock::now();
      if (skinnedFrame) SendMessageW(window, SKINMSG_PAINTFRAME, 0, 0);
      else DefWindowProcW(window, WM_NCPAINT, 1, 0);
      GdiFlush();
      t.push_back(Ms(Clock::now() - start));
    }
    return Median(t);
  };
  const double skinnedPaint = screenPaints(form->Handle(), true);
  form.reset();
  FreeSkinManager();
  TOwned<TForm1> plainForm(new TForm1(nullptr));
  SkinManager()->Enabled = false;
  plainForm->Show();
  plainForm->SetBounds(plainForm->Left(), plainForm->Top(), 800, 600);
  Pump();
  const double platformPaint = screenPaints(plainForm->Handle(), false);
  std::printf("frame paint onto the screen, 800 x 600: skinned %.3f ms, the platform's own %.3f ms (%.2f x)\n",
              skinnedPaint, platformPaint, skinnedPaint / platformPaint);
  plainForm.reset();
  FreeSkinManager();
  return 0;
}
