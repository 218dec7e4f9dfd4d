// TSkinStatusBar: status bars from the skin's "StatusBarEdges" (lowered, raised and flat
// panels), simple text or panel texts, owner-drawn panels and the "ExtraImages" size grip,
// composed in the work bitmap the control skinners share; DrawCentredText.
#pragma once

#include <string>

#include "skin/controls/check_rules.h"
#include "skin/controls/skin_control.h"

// Frames of "StatusBarEdges".
inline constexpr int kStatusFrames = 3;
inline constexpr int kStatusLowered = 1;
inline constexpr int kStatusRaised = 2;
inline constexpr int kStatusFlat = 3;
// The size grip is frame 5 of "ExtraImages".
inline constexpr int kSizeGripFrame = 5;

// Text centred vertically in rect (and horizontally for DT_CENTER), aligned by align
// (DT_LEFT, DT_RIGHT or DT_CENTER); grey when not enabled; skinner gives the reading order.
void DrawCentredText(const TSkinControl& skinner, HDC dc, const RECT& rect, UINT align, bool enabled,
                     const std::wstring& text);

class TSkinStatusBar : public TSkinControl {
  CORVANA_CLASS(TSkinStatusBar)

public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

private:
  // One panel's background: a frame of "StatusBarEdges", or a plain 3-D line without a picture.
  void PanelBackground(HDC dc, const RECT& rect, int frame);
};
