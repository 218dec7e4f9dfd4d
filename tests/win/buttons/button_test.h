// Shared pieces of the button tests: a skin whose "Buttons" strip is frame-coded (five frames
// of 13 x 9 with margins 2, 3, 4, 2: nothing like the default skin's), and frame probes.
#pragma once

#include <gtest/gtest.h>

#include "skin/model/skin_data.h"
#include "ui/form.h"
#include "win/skincontrols/skinner_test.h"

inline constexpr TColor kPlainFace = RGB(90, 91, 92);

// The frame whose centre slice colours the pixel; 0 for none.
inline int FrameAt(TProbeDC& probe, int x, int y) {
  const COLORREF c = probe.At(x, y);
  for (int f = 1; f <= 5; ++f)
    if (c == SliceColour(f, 4)) return f;
  return 0;
}

// The pixels of one colour inside rect.
inline int CountColour(TProbeDC& probe, const RECT& rect, COLORREF colour) {
  int n = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) n += probe.At(x, y) == colour;
  return n;
}

// The parent colour of the transparent-face tests.
inline constexpr COLORREF kParentColour = RGB(14, 200, 170);

// Makes the top-left corner slice (2 x 3) of every frame the key colour, drawn transparent.
inline void KeyFrameCorners(TDataSkinObject& buttons) {
  buttons.Trans = 1;
  for (int f = 0; f < 5; ++f) {
    const RECT corner{f * 13, 0, f * 13 + 2, 3};
    TSkinControl::FillColor(buttons.Image.Canvas().Handle(), corner, RGB(255, 0, 255));
  }
}

class ButtonSkinTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    Data.reset(new TSkinData(nullptr));
    Data->Colours[SkinColour::ButtonFace] = kPlainFace;
    MakeFrameCodedObject(*Data->Buttons, 5, 13, 9, 2, 3, 4, 2);
    Form.reset(new TForm(nullptr));
    Form->SetBounds(40, 40, 400, 300);
    Form->Show();
    PumpMessages();
  }
  TOwned<TSkinData> Data;
  TOwned<TForm> Form;
  TFakeHost Host;
};
