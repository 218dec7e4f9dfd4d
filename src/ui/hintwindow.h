// THintWindow: the small pop-up window that shows a hint text.
#pragma once

#include "ui/customcontrol.h"

class THintWindow : public TCustomControl {
  CORVANA_CLASS(THintWindow)

public:
  explicit THintWindow(TComponent* owner);
  // The rectangle (at 0, 0) that a text needs, wrapped at maxWidth pixels.
  RECT CalcHintRect(int maxWidth, const std::wstring& text);
  // Shows the text in a screen rectangle, above other windows, without taking the focus.
  void ActivateHint(RECT rect, const std::wstring& text);
  void ReleaseHandle();
  bool IsShowing() const;

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void WndProc(TMessage& message) override;
};
