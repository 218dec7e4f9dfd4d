// Display scale. Forms and skins are designed in units of 96 pixels per inch; every size the
// program draws or hit-tests is turned into a window's pixels by ScaleByDpi, the one rounding
// rule, so what is drawn and what is clicked always agree.
#pragma once

#include "base/scale.h"
#include "base/win32.h"

// The scale as a factor (1.0 at 96).
inline double DpiFactor(int dpi) {
  return static_cast<double>(dpi) / kDesignDpi;
}

// The system's scale: the platform's answer for the process, else the screen's pixels per inch.
int SystemDpi();
// A window's scale: its monitor's under per-monitor awareness, else the system's; the system's
// for a null or dead window.
int WindowDpi(HWND window);
