// TSkinHeader: column headers drawn from the skin's "Headerbar" frames, the column under the
// mouse lit and the one being pressed shown pressed, captions aligned as the columns ask.
#pragma once

#include <vector>

#include "skin/controls/skin_control.h"

// Frames of the "Headerbar" picture.
inline constexpr int kHeaderNormalFrame = 1, kHeaderHotFrame = 2, kHeaderPressedFrame = 3;

class TSkinHeader : public TSkinControl {
  CORVANA_CLASS(TSkinHeader)

public:
  using TSkinControl::TSkinControl;
  ~TSkinHeader() override;

  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  void AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // One per item: its rectangle inset by 3 pixels on the left and right, so the dividers are not
  // part of any column for the mouse-over look.
  std::vector<RECT> ItemRects;
  int HotItem = -1;
  // The column held down by the left button (not a divider being dragged), or -1.
  int PressedItem = -1;

private:
  void DrawHeaderItem(HDC dc, int index, const RECT& rect, HIMAGELIST images);
  // The captions' colour: the skin's "WindowText" where it gives one.
  TColor TextColour() const;
  int ItemAt(POINT point) const;
};
