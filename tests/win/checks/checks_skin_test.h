// Shared pieces of the check and container skinner tests: a skin whose check, radio, status-bar
// and grip pictures are frame-coded with sizes of their own, a form, and paint probes.
#pragma once

#include <gtest/gtest.h>

#include "skin/form/control_skinners.h"
#include "skin/model/skin_data.h"
#include "ui/form.h"
#include "win/rangeinputs/range_skin_test.h"

// A strip of solid frames w x h; frame f is coloured with code firstCode + f - 1 (centre slice).
inline void MakeCodedStrip(TBitmap& strip, int firstCode, int frames, int w, int h) {
  strip.SetPixelFormat(TPixelFormat::pf24bit);
  strip.SetSize(w * frames, h);
  for (int f = 1; f <= frames; ++f) {
    RECT r{(f - 1) * w, 0, f * w, h};
    TSkinControl::FillColor(strip.Canvas().Handle(), r, CodeColour(firstCode + f - 1, 4));
  }
}

inline constexpr COLORREF kFormColour = RGB(14, 200, 170);
inline constexpr COLORREF kCaptionColour = RGB(0, 0, 255);

class ChecksSkinTest : public RangeSkinTest {
protected:
  void SetUp() override {
    RangeSkinTest::SetUp();
    RegisterControlSkinners();
    Form->SetColor(kFormColour);
    SetCheckPicture(4, 11, 9);
    SetRadioPicture(4, 10, 12);
  }
  // A control whose window is made with its reading order (the parent makes it at once).
  template <class T>
  T* MakeWith(int left, int top, int width, int height, TBiDiMode bidi) {
    auto* c = new T(Form.get());
    c->SetBiDiMode(bidi);
    c->SetBounds(left, top, width, height);
    c->SetParent(Form.get());
    c->Handle();
    return c;
  }
  // Check frames w x h, codes 1 ...; radio frames codes 13 ...
  void SetCheckPicture(int frames, int w, int h) {
    MakeCodedStrip(Data->Buttons->CheckButton, 1, frames, w, h);
    Data->Buttons->CheckButtonFrame = frames;
  }
  void SetRadioPicture(int frames, int w, int h) {
    MakeCodedStrip(Data->Buttons->RadioButton, 13, frames, w, h);
    Data->Buttons->RadioButtonFrame = frames;
  }
  // The code of the centre pixel of rect r in the probe, 0 for none.
  static int CodeIn(TProbeDC& probe, const RECT& r) { return CodeAt(probe, (r.left + r.right) / 2, (r.top + r.bottom) / 2); }
  // Paints the window as WM_PAINT does, after its background (WM_ERASEBKGND), into a new probe.
  static void PaintWhole(HWND window, TProbeDC& probe) {
    SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(probe.Get()), 0);
    PaintInto(window, probe);
  }
  // Pixels of colour c inside [x0, x1) x [y0, y1).
  static int CountColour(TProbeDC& probe, int x0, int y0, int x1, int y1, COLORREF c) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += probe.At(x, y) == c ? 1 : 0;
    return n;
  }
  static int CountNot(TProbeDC& probe, int x0, int y0, int x1, int y1, COLORREF c) {
    return (x1 - x0) * (y1 - y0) - CountColour(probe, x0, y0, x1, y1, c);
  }
};
