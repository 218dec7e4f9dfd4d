// Display scale. Forms and skins are designed in units of 96 pixels per inch; every size the
// program draws or hit-tests is turned into a window's pixels by ScaleByDpi, the one rounding
// rule, so what is drawn and what is clicked always agree.
#pragma once

#include "base/win32.h"

inline constexpr int kDesignDpi = 96;

// value * dpi / 96 to the nearest pixel, halves away from zero. Going up and back down again
// (96 -> 144 -> 96, 96 -> 120 -> 96, 96 -> 192 -> 96) gives the value back.
int ScaleByDpi(int value, int dpi);
// value taken from one scale to another by the same rule (a live scale change).
int RescaleDpi(int value, int fromDpi, int toDpi);
// The scale as a factor (1.0 at 96).
inline double DpiFactor(int dpi) {
  return static_cast<double>(dpi) / kDesignDpi;
}

// The system's scale: the platform's answer for the process, else the screen's pixels per inch.
int SystemDpi();
// A window's scale: its monitor's under per-monitor awareness, else the system's; the system's
// for a null or dead window.
int WindowDpi(HWND window);
