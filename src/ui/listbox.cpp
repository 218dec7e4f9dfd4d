// TListBox.
#include "ui/listbox.h"

#include <algorithm>

const TClassInfo& TListBox::StaticClassInfo() {
  static const TClassInfo info(
      "TListBox", &TWinControl::StaticClassInfo(),
      {
          props::Enumeration<TListBox, TBorderStyle>("BorderStyle", {"bsNone", "bsSingle"}, &TListBox::BorderStyle,
                                                     &TListBox::SetBorderStyle),
          props::SubObject<TListBox, TStrings>("Items", &TListBox::Items),
          props::Integer<TListBox>("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex),
          props::Boolean<TListBox>("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect),
          props::Boolean<TListBox>("Sorted", &TListBox::Sorted, &TListBox::SetSorted),
          props::Event<TListBox>("OnDblClick", &TListBox::OnDblClick),
      },
      [](TComponent* owner) { return new TListBox(owner); });
  return info;
}

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner),
      FItems(std::make_unique<TItemStrings>(*this, ListBoxItemMessages(), [this] { return FSorted; })) {
  // No csClickEvents: a click is a change of selection, which the platform reports.
  SetControlStyle(csCaptureMouse | csOpaque);
  SetBoundsFields(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

TListBox::~TListBox() = default;

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SuperClassName = L"LISTBOX";
  params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
  if (FSorted) params.Style |= LBS_SORT;
  if (FMultiSelect) params.Style |= LBS_EXTENDEDSEL;
  if (FBorderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::AfterCreateWnd() {
  FItems->RestoreToWindow();
  if (FMultiSelect) {
    if (FSelectedItems.empty() && FItemIndex >= 0) FSelectedItems.push_back(FItemIndex);
    for (int i : FSelectedItems) SendMessageW(Handle(), LB_SETSEL, TRUE, i);
    if (FItemIndex >= 0) SendMessageW(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(FItemIndex), FALSE);
  } else if (FItemIndex >= 0) {
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
  }
  FSelectedItems.clear();
  FNotifiedIndex = ItemIndex();
}

void TListBox::DestroyWnd() {
  // While loading, the index may wait for items that are not there yet.
  if (!IsLoading()) FItemIndex = ItemIndex();
  FSelectedItems.clear();
  if (WindowMultiSelect()) {
    for (int i = 0; i < FItems->Count(); ++i) {
      if (Selected(i)) FSelectedItems.push_back(i);
    }
  }
  FItems->SaveFromWindow();
  TWinControl::DestroyWnd();
}

void TListBox::Loaded() {
  TWinControl::Loaded();
  // The index may have been read before the items.
  if (HandleAllocated() && FItemIndex >= 0) SetItemIndex(FItemIndex);
}

int TListBox::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  const HWND h = const_cast<TListBox*>(this)->Handle();
  if (WindowMultiSelect()) return SelCount() > 0 ? static_cast<int>(SendMessageW(h, LB_GETCARETINDEX, 0, 0)) : -1;
  return static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index) {
  if (index < -1) index = -1;
  FItemIndex = index;
  FNotifiedIndex = index;
  if (!HandleAllocated()) return;
  if (WindowMultiSelect()) {
    SendMessageW(Handle(), LB_SETSEL, FALSE, -1);
    if (index >= 0) {
      SendMessageW(Handle(), LB_SETSEL, TRUE, index);
      SendMessageW(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    }
  } else {
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

bool TListBox::Selected(int index) const {
  if (!HandleAllocated()) {
    if (!FMultiSelect) return index >= 0 && index == FItemIndex;
    return std::find(FSelectedItems.begin(), FSelectedItems.end(), index) != FSelectedItems.end();
  }
  return SendMessageW(const_cast<TListBox*>(this)->Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

bool TListBox::WindowMultiSelect() const {
  // The window's own mode: while a new mode waits for its window, the old window still reads.
  if (!HandleAllocated()) return FMultiSelect;
  const LONG_PTR style = GetWindowLongPtrW(const_cast<TListBox*>(this)->Handle(), GWL_STYLE);
  return (style & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
}

void TListBox::SetSelected(int index, bool value) {
  if (!WindowMultiSelect()) {
    if (value)
      SetItemIndex(index);
    else if (ItemIndex() == index)
      SetItemIndex(-1);
    return;
  }
  if (!HandleAllocated()) {
    FSelectedItems.erase(std::remove(FSelectedItems.begin(), FSelectedItems.end(), index), FSelectedItems.end());
    if (value) FSelectedItems.push_back(index);
    return;
  }
  SendMessageW(Handle(), LB_SETSEL, value, index);
}

int TListBox::SelCount() const {
  if (!HandleAllocated()) return FMultiSelect ? static_cast<int>(FSelectedItems.size()) : (FItemIndex >= 0 ? 1 : 0);
  const HWND h = const_cast<TListBox*>(this)->Handle();
  if (!WindowMultiSelect()) return SendMessageW(h, LB_GETCURSEL, 0, 0) >= 0 ? 1 : 0;
  return static_cast<int>(SendMessageW(h, LB_GETSELCOUNT, 0, 0));
}

void TListBox::SetMultiSelect(bool value) {
  if (value == FMultiSelect) return;
  FMultiSelect = value;
  RecreateWnd();
}

void TListBox::SetSorted(bool value) {
  if (value == FSorted) return;
  FSorted = value;
  RecreateWnd();
}

void TListBox::SetBorderStyle(TBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();
}

void TListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    switch (HIWORD(message.WParam)) {
      case LBN_SELCHANGE: {
        // The platform also reports a key that left the selection where it was.
        const int index = ItemIndex();
        if (WindowMultiSelect() || index != FNotifiedIndex) {
          FNotifiedIndex = index;
          Click();
        }
        break;
      }
      case LBN_DBLCLK:
        if (OnDblClick) OnDblClick(this);
        break;
      default:
        break;
    }
    return;
  }
  TWinControl::WndProc(message);
}
