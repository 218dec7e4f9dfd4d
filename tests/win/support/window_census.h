// Which windows of the thread exist with which procedure, and which windows had their
// procedure replaced: the check that unskinning gives every window its own procedure back.
#pragma once

#include <map>
#include <string>

#include "base/win32.h"

// The windows of the calling thread (top-level ones and all their children) with the
// procedure each has now.
std::map<HWND, LONG_PTR> ThreadWindowProcs();

// Watches SetWindowLongPtrW/A of GWLP_WNDPROC made by the program (patched once into its
// import table); false when the program imports neither.
bool InstallWindowProcWatch();
// Forgets the windows seen so far.
void ResetWindowProcWatch();

struct TWindowProcCheck {
  int Subclassed = 0;   // windows whose procedure was replaced since the reset
  int Destroyed = 0;    // of those, windows gone
  int Restored = 0;     // of those, windows alive with their procedure of the baseline
  int NotRestored = 0;  // alive with another procedure, or alive and not in the baseline
  int WindowsLeft = 0;  // windows of the thread alive now that the baseline did not have
  bool Clean() const { return NotRestored == 0 && WindowsLeft == 0; }
};

// Compares the windows subclassed since the reset, and the thread's windows, with a
// baseline taken by ThreadWindowProcs.
TWindowProcCheck CheckWindowProcs(const std::map<HWND, LONG_PTR>& baseline);
// The class names of the windows CheckWindowProcs finds not restored or left, for a message.
std::string DescribeUncleanWindows(const std::map<HWND, LONG_PTR>& baseline);
