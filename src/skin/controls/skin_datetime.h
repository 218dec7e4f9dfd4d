// TSkinDateTime: date-time pickers get the flat border and a TArrowButton drawn from the skin's
// "ComboxArrow" over the picker's own drop-down button.
#pragma once

#include "skin/controls/skin_control.h"
#include "ui/customcontrol.h"

class TSkinDateTime;

// Frames of "ComboxArrow" the arrow button shows.
inline constexpr int kArrowButtonNormal = 1;
inline constexpr int kArrowButtonHot = 4;

// The arrow button's left edge in the picker's client: beside the left border for
// right-to-left pickers, else against the right border.
int ArrowButtonLeft(int pickerWidth, int arrowWidth, bool rightToLeft);

// A small custom-painted control over the picker's drop-down button; a click on it is passed
// on to the picker, which opens its calendar. Not a tab stop; never skinned itself.
class TArrowButton : public TCustomControl {
  CORVANA_CLASS(TArrowButton)

public:
  explicit TArrowButton(TComponent* owner);
  void PlaceOver(TSkinDateTime* skinner, TWinControl* picker);
  void Reposition(const RECT& rect);

  int ArrowWidth = GetSystemMetrics(SM_CXHSCROLL);
  TWinControl* Picker = nullptr;
  HWND PickerWindow = nullptr;
  TSkinDateTime* Skinner = nullptr;
  std::uint8_t MouseState = 0;

protected:
  void WndProc(TMessage& message) override;
  void Paint() override;

private:
  bool PickerRightToLeft() const;
  bool PickerEnabled() const;
};

class TSkinDateTime : public TSkinControl {
  CORVANA_CLASS(TSkinDateTime)

public:
  using TSkinControl::TSkinControl;
  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // Owned by the skinner (freed with it).
  TArrowButton* ArrowButton = nullptr;

protected:
  void Notification(TComponent* component, TOperation operation) override;
};
