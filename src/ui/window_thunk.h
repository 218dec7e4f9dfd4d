// A window-procedure instance bound to an object: subclasses a bare window (one with no
// framework control) so that its messages reach a dispatch method.
#pragma once

#include "ui/messages.h"

class TWindowProcInstance {
public:
  TWindowProcInstance() = default;
  ~TWindowProcInstance() { Remove(); }
  TWindowProcInstance(TWindowProcInstance&& other) noexcept;
  TWindowProcInstance& operator=(TWindowProcInstance&& other) noexcept;
  TWindowProcInstance(const TWindowProcInstance&) = delete;
  TWindowProcInstance& operator=(const TWindowProcInstance&) = delete;

  // Makes the instance the window's procedure; handler sees every message and sets Result,
  // calling CallOld for the window's own processing. Unicode windows are subclassed and
  // called with the wide functions, ANSI windows with the ANSI ones. False when the window
  // does not exist or the instance is installed already.
  bool Install(HWND window, TWndMethod handler);
  // Puts the saved procedure back while the instance is still the window's procedure;
  // otherwise (someone subclassed after us) the instance stays in the chain as a plain
  // pass-through to the saved procedure and frees itself when the window is destroyed.
  void Remove();

  bool Installed() const { return FBlock != nullptr; }
  // The instance's address as a window procedure (null when not installed).
  WNDPROC Proc() const;
  WNDPROC OldProc() const;
  bool Unicode() const;
  HWND Window() const;
  // The saved procedure with the platform's message conversion for the window's kind.
  LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const;

  struct TBlock;

private:
  TBlock* FBlock = nullptr;
};

// Instances that still exist: installed ones and pass-throughs waiting for their window's end.
int LiveWindowProcInstances();
