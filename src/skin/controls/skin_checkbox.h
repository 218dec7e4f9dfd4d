// Check boxes and radio buttons: TSkinCheckBox and TSkinRadioButton draw the box or circle
// from the "CheckButton" and "RadioButton" pictures of the skin's "Buttons" section, and the
// caption themselves (the frame and layout rules are in check_rules).
#pragma once

#include <string>

#include "skin/controls/check_rules.h"
#include "skin/controls/skin_control.h"

// What check boxes and radio buttons share: the face, the layout, the caption and the
// redraws after the platform's own drawing.
class TSkinCheckControl : public TSkinControl {
  CORVANA_CLASS(TSkinCheckControl)

public:
  using TSkinControl::TSkinControl;
  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  void AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  bool TransparentFace = false;
  // The frame index of the last paint (0 before any or when nothing was drawn).
  int LastFrame = 0;

protected:
  // The picture and its frame count (null when the skin has none).
  virtual TBitmap* Picture(int& frameCount) const = 0;
  virtual int FrameIndex(int frameCount) = 0;
  virtual bool IsRadio() const = 0;
  bool WindowDisabled() const;
};

class TSkinCheckBox : public TSkinCheckControl {
  CORVANA_CLASS(TSkinCheckBox)

public:
  using TSkinCheckControl::TSkinCheckControl;
  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  void AfterMessage(TMessage& message) override;

  // The last BM_SETCHECK wParam plus 1 (0 before any).
  int LastCheck = 0;

protected:
  TBitmap* Picture(int& frameCount) const override;
  int FrameIndex(int frameCount) override;
  bool IsRadio() const override { return false; }
};

class TSkinRadioButton : public TSkinCheckControl {
  CORVANA_CLASS(TSkinRadioButton)

public:
  using TSkinCheckControl::TSkinCheckControl;

protected:
  TBitmap* Picture(int& frameCount) const override;
  int FrameIndex(int frameCount) override;
  bool IsRadio() const override { return true; }
};

// Makes the check and radio skinners (and TSkinObjImage) available to discovery.
void RegisterCheckSkinners();
