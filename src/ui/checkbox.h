// TCheckBox and TRadioButton over the platform's BUTTON: the control keeps the check state,
// the user's click, space or accelerator changes it (OnClick once per change), and checking a
// radio button unchecks the radio buttons beside it.
#pragma once

#include "ui/stdctrls.h"
#include "ui/wincontrol.h"

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

const std::vector<std::string>& CheckBoxStateNames();

// What check boxes and radio buttons share: the side of the caption (taRightJustify, the
// default, puts the caption right of the box) and accelerators.
class TButtonControl : public TWinControl {
  CORVANA_CLASS(TButtonControl)

public:
  explicit TButtonControl(TComponent* owner);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // The user's change: a click, the space key, an accelerator.
  virtual void UserClick() = 0;

private:
  TAlignment FAlignment = TAlignment::taRightJustify;
};

class TCheckBox : public TButtonControl {
  CORVANA_CLASS(TCheckBox)

public:
  explicit TCheckBox(TComponent* owner);
  TCheckBoxState State() const { return FState; }
  // The program's assignment: no OnClick.
  void SetState(TCheckBoxState value);
  bool Checked() const { return FState == TCheckBoxState::cbChecked; }
  void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  // The user's clicks pass through the grayed state too.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value) { FAllowGrayed = value; }
  // The state after the user's click: unchecked, checked, (grayed,) unchecked.
  void Toggle();

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void UserClick() override;

private:
  TCheckBoxState FState = TCheckBoxState::cbUnchecked;
  bool FAllowGrayed = false;
};

class TRadioButton : public TButtonControl {
  CORVANA_CLASS(TRadioButton)

public:
  explicit TRadioButton(TComponent* owner);
  bool Checked() const { return FChecked; }
  // Checking unchecks the radio buttons of the same parent; the program's assignment raises
  // no OnClick.
  void SetChecked(bool value);

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void WndProc(TMessage& message) override;
  void UserClick() override;

private:
  // The radio buttons of the same parent, this one included, in the parent's order.
  std::vector<TRadioButton*> Siblings() const;
  // An arrow key: the next (or previous) usable radio button beside this one is focused and
  // checked; false when there is none.
  bool MoveByArrow(bool forward);
  bool FChecked = false;
};
