// Helpers for tests that create real windows: one application object per test program,
// message pumping, and errors collected instead of shown in boxes.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "base/win32.h"
#include "ui/application.h"
#include "ui/reader.h"

// The application of the test program; errors that reach its handler are collected.
inline TApplication& TestApplication() {
  static TApplication* app = [] {
    auto* a = new TApplication();
    a->Initialize();
    a->SetTitle(L"Corvana tests");
    return a;
  }();
  return *app;
}

inline std::vector<std::string>& CollectedErrors() {
  static std::vector<std::string> errors;
  TestApplication().OnException = [](const std::string& m) { errors.push_back(m); };
  return errors;
}

// Handles the messages of the thread for a while (timers, posted messages, mouse tracking).
inline void PumpMessages(int milliseconds = 0) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      if (!TestApplication().IsDialogMessageFor(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    if (milliseconds > 0) Sleep(5);
  } while (std::chrono::steady_clock::now() < end);
}

inline RECT BoundsOf(const TControl& c) { return c.BoundsRect(); }

inline std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}
