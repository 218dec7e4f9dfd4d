// The container-like controls: TSkinBox recolours panels (and embedded forms) with the skin's
// face colour, TSkinBoxH paints bare dialog pages and tool bars, TSkinSizer hides a dialog's
// size grip in the face colour, TSkinGroupBox draws group boxes with a rounded frame.
#pragma once

#include "skin/controls/skin_control.h"

// The caption of a group box keeps this far from the frame's corner.
inline constexpr int kGroupCaptionIndent = 8;
// Corner ellipse of the rounded group frame.
inline constexpr int kGroupFrameRound = 5;

class TSkinBox : public TSkinControl {
  CORVANA_CLASS(TSkinBox)

public:
  using TSkinControl::TSkinControl;
  // The panel draws itself in its (new) colour: nothing is painted after its messages.
  void AfterMessage(TMessage&) override {}
};

class TSkinBoxH : public TSkinControl {
  CORVANA_CLASS(TSkinBoxH)

public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
};

class TSkinSizer : public TSkinControl {
  CORVANA_CLASS(TSkinSizer)

public:
  using TSkinControl::TSkinControl;
  void PaintSkin(HDC dc, const RECT& rect) override;
};

class TSkinGroupBox : public TSkinControl {
  CORVANA_CLASS(TSkinGroupBox)

public:
  using TSkinControl::TSkinControl;
  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
};

// Makes the panel, group-box and status-bar skinners available to discovery.
void RegisterContainerSkinners();
