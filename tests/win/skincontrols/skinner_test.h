// Shared pieces of the control-skinner tests: a recording skinner, a fake form skinner, a
// frame-coded skin object and pixel probes.
#pragma once

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "skin/controls/skin_control.h"
#include "skin/model/skin_draw.h"
#include "ui/bitmap.h"
#include "ui/gdi.h"
#include "win/support/ui_test.h"

// The colour a recording skinner paints when it has no skin object.
inline constexpr TColor kSkinnedColour = RGB(12, 34, 56);

class TRecordingSkinner : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override {
    Before.push_back(message.Msg);
    return TSkinControl::BeforeMessage(message);
  }
  void AfterMessage(TMessage& message) override {
    After.push_back(message.Msg);
    TSkinControl::AfterMessage(message);
  }
  void PaintSkin(HDC dc, const RECT& rect) override {
    ++Paints;
    PaintRect = rect;
    if (ThrowInPaint) throw std::runtime_error("paint failed");
    if (Object)
      DrawSkinObject(dc, rect, Object->Frame, FrameIndex, *Object);
    else
      FillColor(dc, rect, kSkinnedColour);
  }
  bool SawBefore(UINT msg) const { return std::find(Before.begin(), Before.end(), msg) != Before.end(); }
  bool SawAfter(UINT msg) const { return std::find(After.begin(), After.end(), msg) != After.end(); }

  std::vector<UINT> Before, After;
  int Paints = 0;
  RECT PaintRect{};
  bool ThrowInPaint = false;
  TDataSkinObject* Object = nullptr;
  int FrameIndex = 1;
};

// The form skinner's side of registration.
class TFakeHost : public ISkinnerHost {
public:
  bool AddControlSkinner(TSkinControl* skinner) override {
    if (std::find(List.begin(), List.end(), skinner) != List.end()) return true;
    List.push_back(skinner);
    return false;
  }
  void RemoveControlSkinner(TSkinControl* skinner) override {
    const auto it = std::find(List.rbegin(), List.rend(), skinner);
    if (it != List.rend()) List.erase(std::next(it).base());
  }
  std::vector<TSkinControl*> List;
};

// A memory DC over a 24-bit bitmap, filled with one colour.
class TProbeDC {
public:
  TProbeDC(int width, int height, TColor fill) : Bitmap(width, height, TPixelFormat::pf24bit) {
    RECT all{0, 0, width, height};
    TSkinControl::FillColor(Get(), all, fill);
  }
  HDC Get() { return Bitmap.Canvas().Handle(); }
  COLORREF At(int x, int y) { return GetPixel(Get(), x, y); }
  TBitmap Bitmap;
};

// Slice colours of the frame-coded nine-slice object: frame f, slice s (0 top-left, 1 top,
// 2 top-right, 3 left, 4 centre, 5 right, 6 bottom-left, 7 bottom, 8 bottom-right).
inline COLORREF SliceColour(int frame, int slice) {
  return RGB(10 + 60 * frame, 20 + 25 * slice, 200 - 20 * slice);
}

// A strip of frames frameW x frameH with margins l, t, r, b; every slice its own colour.
inline void MakeFrameCodedObject(TDataSkinObject& object, int frames, int frameW, int frameH, int l, int t, int r,
                                 int b) {
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
          TSkinControl::FillColor(dc, piece, SliceColour(f, row * 3 + col));
      }
  }
}
