// TComboBox.
#include "ui/combobox.h"

const TClassInfo& TComboBox::StaticClassInfo() {
  static const TClassInfo info(
      "TComboBox", &TWinControl::StaticClassInfo(),
      {
          props::Integer<TComboBox>("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount),
          props::SubObject<TComboBox, TStrings>("Items", &TComboBox::Items),
          props::Integer<TComboBox>("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex),
          props::Integer<TComboBox>("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength),
          props::Boolean<TComboBox>("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted),
          props::Enumeration<TComboBox, TComboBoxStyle>("Style", {"csDropDown", "csSimple", "csDropDownList"},
                                                        &TComboBox::Style, &TComboBox::SetStyle),
          props::Wide<TComboBox>("Text", &TComboBox::Text, &TComboBox::SetTextValue),
          props::Event<TComboBox>("OnChange", &TComboBox::OnChange),
          props::Event<TComboBox>("OnCloseUp", &TComboBox::OnCloseUp),
          props::Event<TComboBox>("OnDropDown", &TComboBox::OnDropDown),
          props::Event<TComboBox>("OnSelect", &TComboBox::OnSelect),
      },
      [](TComponent* owner) { return new TComboBox(owner); });
  return info;
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner),
      FItems(std::make_unique<TItemStrings>(*this, ComboBoxItemMessages(), [this] { return FSorted; })) {
  SetControlStyle(csCaptureMouse | csOpaque);
  SetBoundsFields(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

TComboBox::~TComboBox() = default;

int TComboBox::WindowHeight() const {
  if (FStyle == TComboBoxStyle::csSimple) return Height();
  const int item = HandleAllocated()
                       ? static_cast<int>(SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETITEMHEIGHT, 0, 0))
                       : 16;
  return Height() + FDropDownCount * (item > 0 ? item : 16) + 2;
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = L"COMBOBOX";
  params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (FStyle) {
    case TComboBoxStyle::csDropDown:
      params.Style |= CBS_DROPDOWN;
      break;
    case TComboBoxStyle::csSimple:
      params.Style |= CBS_SIMPLE;
      break;
    case TComboBoxStyle::csDropDownList:
      params.Style |= CBS_DROPDOWNLIST;
      break;
  }
  if (FSorted) params.Style |= CBS_SORT;
  params.Height = WindowHeight();
}

void TComboBox::AfterCreateWnd() {
  const HWND h = Handle();
  FItems->RestoreToWindow();
  SendMessageW(h, CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  if (FItemIndex >= 0) SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
  // Typed text that is not an item stays; a list-only combo shows its item's text.
  if (FStyle != TComboBoxStyle::csDropDownList && GetText() != FText) {
    FSettingText = true;
    SetWindowTextW(h, FText.c_str());
    FSettingText = false;
  }
}

void TComboBox::DestroyWnd() {
  // While loading, the index may wait for items that are not there yet.
  if (!IsLoading()) FItemIndex = ItemIndex();
  FItems->SaveFromWindow();
  TWinControl::DestroyWnd();
}

void TComboBox::Loaded() {
  TWinControl::Loaded();
  if (HandleAllocated() && FItemIndex >= 0) SetItemIndex(FItemIndex);
}

void TComboBox::BoundsChanged() {
  if (!HandleAllocated()) {
    TWinControl::BoundsChanged();
    return;
  }
  SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), WindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

int TComboBox::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  return static_cast<int>(SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
  FItemIndex = index < -1 ? -1 : index;
  if (!HandleAllocated()) {
    if (FItemIndex >= 0 && FItemIndex < FItems->Count()) FText = FItems->Get(FItemIndex);
    return;
  }
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
}

void TComboBox::SetText(const std::wstring& text) {
  if (FStyle == TComboBoxStyle::csDropDownList) {
    // Only an item's text can be shown: the item of that text is chosen, or none.
    const int index = FItems->IndexOf(text);
    SetItemIndex(index);
    if (index < 0) FText.clear();
    Perform(CM_TEXTCHANGED);
    return;
  }
  FSettingText = true;
  TWinControl::SetText(text);
  FSettingText = false;
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  RecreateWnd();
}

void TComboBox::SetSorted(bool value) {
  if (value == FSorted) return;
  FSorted = value;
  RecreateWnd();
}

void TComboBox::SetDropDownCount(int value) {
  if (value < 1 || value == FDropDownCount) return;
  FDropDownCount = value;
  if (HandleAllocated()) BoundsChanged();
}

void TComboBox::SetMaxLength(int value) {
  if (value < 0 || value == FMaxLength) return;
  FMaxLength = value;
  if (HandleAllocated()) SendMessageW(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

bool TComboBox::DroppedDown() const {
  return HandleAllocated() && SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBox::SetDroppedDown(bool value) {
  if (FStyle != TComboBoxStyle::csSimple) SendMessageW(Handle(), CB_SHOWDROPDOWN, value, 0);
}

void TComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      switch (HIWORD(message.WParam)) {
        case CBN_SELCHANGE: {
          // The edit part takes the item's text only after this notification: handlers read
          // the new text already.
          const int index = ItemIndex();
          if (FStyle != TComboBoxStyle::csDropDownList && index >= 0) {
            FSettingText = true;
            SetWindowTextW(Handle(), FItems->Get(index).c_str());
            FSettingText = false;
          }
          if (OnSelect) OnSelect(this);
          if (OnChange) OnChange(this);
          break;
        }
        case CBN_EDITCHANGE:
          if (!FSettingText && OnChange) OnChange(this);
          break;
        case CBN_DROPDOWN:
          if (OnDropDown) OnDropDown(this);
          break;
        case CBN_CLOSEUP:
          if (OnCloseUp) OnCloseUp(this);
          break;
        default:
          break;
      }
      return;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      // The edit part and the list ask their combo, which takes the control's colours.
      message.Result = Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
