// Shared pieces of the range and input skinner tests: a skin whose pictures are frame-coded
// with sizes of their own (no picture shares a colour with another), a form to put controls
// on, and probes of what a control paints.
#pragma once

#include <gtest/gtest.h>

#include "skin/model/skin_data.h"
#include "ui/form.h"
#include "win/skincontrols/skinner_test.h"

// Colour of slice s (0..8, as SliceColour numbers them) of the picture frame with code c; codes
// are unique per frame of every picture in these tests.
inline COLORREF CodeColour(int code, int slice) {
  return RGB(3 + 9 * code, 20 + 25 * slice, 200 - 20 * slice);
}

// A strip of frames frameW x frameH with margins l, t, r, b; frame f has code firstCode + f - 1.
inline void MakeCodedObject(TDataSkinObject& object, int firstCode, int frames, int frameW, int frameH, int l, int t,
                            int r, int b) {
  object.LeftWidth = l;
  object.TopHeight = t;
  object.RightWidth = r;
  object.BottomHeight = b;
  object.Frame = frames;
  object.Image.SetPixelFormat(TPixelFormat::pf24bit);
  object.Image.SetSize(frameW * frames, frameH);
  const HDC dc = object.Image.Canvas().Handle();
  for (int f = 1; f <= frames; ++f) {
    const int x0 = (f - 1) * frameW;
    const int xs[] = {0, l, frameW - r, frameW}, ys[] = {0, t, frameH - b, frameH};
    for (int row = 0; row < 3; ++row)
      for (int col = 0; col < 3; ++col) {
        RECT piece{x0 + xs[col], ys[row], x0 + xs[col + 1], ys[row + 1]};
        if (piece.right > piece.left && piece.bottom > piece.top)
          TSkinControl::FillColor(dc, piece, CodeColour(firstCode + f - 1, row * 3 + col));
      }
  }
}

// The code whose slice colours the pixel, or 0.
inline int CodeAt(TProbeDC& probe, int x, int y, int slice = 4) {
  const COLORREF c = probe.At(x, y);
  for (int code = 1; code < 28; ++code)
    if (c == CodeColour(code, slice)) return code;
  return 0;
}

inline constexpr TColor kFace = RGB(90, 91, 92);
inline constexpr TColor kShadow = RGB(201, 13, 77);
inline constexpr TColor kDarkShadow = RGB(17, 120, 33);
inline constexpr COLORREF kProbeFill = RGB(250, 1, 250);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);

class RangeSkinTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    Data.reset(new TSkinData(nullptr));
    Data->Colours[SkinColour::ButtonFace] = kFace;
    Data->Colours[SkinColour::ButtonShadow] = kShadow;
    Data->Colours[SkinColour::ButtonDkShadow] = kDarkShadow;
    Form.reset(new TForm(nullptr));
    Form->SetBounds(40, 40, 520, 400);
    Form->Show();
    PumpMessages();
  }
  // A control with its window; reading order and other creation styles are set before it.
  template <class T>
  T* Make(int left, int top, int width, int height, TBiDiMode bidi = TBiDiMode::bdLeftToRight) {
    auto* c = new T(Form.get());
    c->SetParent(Form.get());
    c->SetBounds(left, top, width, height);
    c->SetBiDiMode(bidi);
    c->Handle();
    return c;
  }
  // What the window paints for WM_PAINT into a memory DC of its window's size.
  static void PaintInto(HWND window, TProbeDC& probe) {
    SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
  }
  static SIZE WindowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }
  // Freed in reverse: the form with its skinners first, the host they unlist from last.
  TFakeHost Host;
  TOwned<TSkinData> Data;
  TOwned<TForm> Form;
};
