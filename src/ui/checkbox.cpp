// TButtonControl, TCheckBox and TRadioButton.
#include "ui/checkbox.h"

#include <algorithm>

const std::vector<std::string>& CheckBoxStateNames() {
  static const std::vector<std::string> names = {"cbUnchecked", "cbChecked", "cbGrayed"};
  return names;
}

namespace {

WPARAM CheckOf(TCheckBoxState state) {
  switch (state) {
    case TCheckBoxState::cbChecked: return BST_CHECKED;
    case TCheckBoxState::cbGrayed: return BST_INDETERMINATE;
    default: return BST_UNCHECKED;
  }
}

}  // namespace

// ---- TButtonControl ----

const TClassInfo& TButtonControl::StaticClassInfo() {
  static const TClassInfo info("TButtonControl", &TWinControl::StaticClassInfo(),
                               {
                                   props::Enumeration<TButtonControl, TAlignment>(
                                       "Alignment", {"taLeftJustify", "taRightJustify"}, &TButtonControl::Alignment,
                                       &TButtonControl::SetAlignment),
                               });
  return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csSetCaption | csOpaque);
  SetTabStop(true);
  SetColor(clBtnFace);
  SetParentColor(true);
}

void TButtonControl::SetAlignment(TAlignment value) {
  // Only the two sides: a centred caption has no place beside the box.
  if (value == TAlignment::taCenter) value = TAlignment::taRightJustify;
  if (value == FAlignment) return;
  FAlignment = value;
  RecreateWnd();
}

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = L"BUTTON";
  params.Style |= BS_MULTILINE | BS_VCENTER;
  // The caption left of the box; mirrored for right-to-left reading.
  if ((FAlignment == TAlignment::taLeftJustify) != UseRightToLeftAlignment()) params.Style |= BS_RIGHTBUTTON;
}

void TButtonControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<wchar_t>(message.WParam), Caption()) && CanFocus()) {
        SetFocus();
        UserClick();
        message.Result = 1;
      }
      return;
    case CN_COMMAND:
      // BN_CLICKED: a click or the space key (a radio button also hears it when it gets the
      // focus unchecked). A disabled control changes nothing, whatever message reached it.
      if (HIWORD(message.WParam) == BN_CLICKED && Enabled()) UserClick();
      return;
    default: break;
  }
  TWinControl::WndProc(message);
}

// ---- TCheckBox ----

const TClassInfo& TCheckBox::StaticClassInfo() {
  static const TClassInfo info(
      "TCheckBox", &TButtonControl::StaticClassInfo(),
      {
          props::Boolean<TCheckBox>("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed),
          props::Boolean<TCheckBox>("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked),
          props::Enumeration<TCheckBox, TCheckBoxState>("State", CheckBoxStateNames(), &TCheckBox::State,
                                                        &TCheckBox::SetState),
      },
      [](TComponent* owner) { return new TCheckBox(owner); });
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) { SetBoundsFields(0, 0, 97, 17); }

void TCheckBox::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  // Not the automatic style: the control decides the next state (grayed only with AllowGrayed),
  // and the three-state style lets the program show grayed at any time.
  params.Style |= BS_3STATE;
}

void TCheckBox::AfterCreateWnd() { SendMessageW(Handle(), BM_SETCHECK, CheckOf(FState), 0); }

void TCheckBox::SetState(TCheckBoxState value) {
  if (value == FState) return;
  FState = value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, CheckOf(FState), 0);
}

void TCheckBox::Toggle() {
  switch (FState) {
    case TCheckBoxState::cbUnchecked: SetState(TCheckBoxState::cbChecked); break;
    case TCheckBoxState::cbChecked:
      SetState(FAllowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
      break;
    case TCheckBoxState::cbGrayed: SetState(TCheckBoxState::cbUnchecked); break;
  }
}

void TCheckBox::UserClick() {
  Toggle();
  Click();
}


// ---- TRadioButton ----

const TClassInfo& TRadioButton::StaticClassInfo() {
  static const TClassInfo info(
      "TRadioButton", &TButtonControl::StaticClassInfo(),
      {
          props::Boolean<TRadioButton>("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked),
      },
      [](TComponent* owner) { return new TRadioButton(owner); });
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBoundsFields(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  // Not the automatic style: the siblings are unchecked by the control, which also knows
  // whether a click changed anything.
  params.Style |= BS_RADIOBUTTON;
}

void TRadioButton::AfterCreateWnd() { SendMessageW(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0); }

std::vector<TRadioButton*> TRadioButton::Siblings() const {
  std::vector<TRadioButton*> list;
  if (!Parent()) return list;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    if (auto* radio = dynamic_cast<TRadioButton*>(Parent()->Controls(i))) list.push_back(radio);
  }
  return list;
}

void TRadioButton::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!value) return;
  for (TRadioButton* sibling : Siblings()) {
    if (sibling != this) sibling->SetChecked(false);
  }
}

void TRadioButton::UserClick() {
  if (FChecked) return;  // a click on the checked button changes nothing
  SetChecked(true);
  Click();
}

bool TRadioButton::MoveByArrow(bool forward) {
  const std::vector<TRadioButton*> list = Siblings();
  const auto self = std::find(list.begin(), list.end(), this);
  if (list.size() < 2 || self == list.end()) return false;
  const int n = static_cast<int>(list.size());
  int i = static_cast<int>(self - list.begin());
  for (int step = 1; step < n; ++step) {
    i = forward ? (i + 1) % n : (i + n - 1) % n;
    TRadioButton* next = list[static_cast<size_t>(i)];
    if (!next->CanFocus() || !next->Showing()) continue;
    // Focusing an unchecked radio button makes the platform report a click, which checks it.
    next->SetFocus();
    next->UserClick();
    return true;
  }
  return false;
}

void TRadioButton::WndProc(TMessage& message) {
  if (message.Msg == CN_KEYDOWN) {
    switch (message.WParam) {
      case VK_DOWN:
      case VK_RIGHT:
        message.Result = MoveByArrow(true) ? 1 : 0;
        return;
      case VK_UP:
      case VK_LEFT:
        message.Result = MoveByArrow(false) ? 1 : 0;
        return;
      default: break;
    }
  }
  TButtonControl::WndProc(message);
}
