// TSkinEdit: single-line edits get a flat border in the skin's colours instead of the sunken
// one, and an up-down (spin) child inside the edit gets its own skinner.
#pragma once

#include "skin/controls/skin_control.h"

class TSkinUpDown;

// The flat border: a "ButtonShadow" line with whiteRings white rings inside it; nothing when
// the window has no border (its client as wide or as tall as the window).
void DrawFlatBorder(HDC dc, const RECT& rect, HWND window, TColor shadow, int whiteRings);

class TSkinEdit : public TSkinControl {
  CORVANA_CLASS(TSkinEdit)

public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;
  // The spin child's skinner follows the edit's switch.
  void Switched(bool on) override;

  // The skinner of the spin child, made at the first paint that finds one.
  TSkinUpDown* ArrowSkinner = nullptr;

  // The border of WM_PRINTCLIENT: the DC's own brush inside a "ButtonShadow" line.
  void PaintPrintBorder(HDC dc);

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  void FindSpinPartner();
};
