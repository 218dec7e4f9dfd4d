// TItemStrings over the item messages of list and combo boxes.
#include "ui/itemstrings.h"

#include <stdexcept>

#include "ui/wincontrol.h"

const TItemMessages& ListBoxItemMessages() {
  static const TItemMessages messages{LB_GETCOUNT,     LB_GETTEXT,      LB_GETTEXTLEN,  LB_ADDSTRING,  LB_INSERTSTRING,
                                      LB_DELETESTRING, LB_RESETCONTENT, LB_GETITEMDATA, LB_SETITEMDATA};
  return messages;
}

const TItemMessages& ComboBoxItemMessages() {
  static const TItemMessages messages{CB_GETCOUNT,     CB_GETLBTEXT,    CB_GETLBTEXTLEN, CB_ADDSTRING,  CB_INSERTSTRING,
                                      CB_DELETESTRING, CB_RESETCONTENT, CB_GETITEMDATA,  CB_SETITEMDATA};
  return messages;
}

TItemStrings::TItemStrings(TWinControl& owner, const TItemMessages& messages, std::function<bool()> sorted)
    : FOwner(owner), FMessages(messages), FSorted(std::move(sorted)) {}

bool TItemStrings::Windowed() const {
  return FOwner.HandleAllocated();
}

HWND TItemStrings::Window() const {
  return const_cast<TWinControl&>(FOwner).Handle();
}

int TItemStrings::Count() const {
  if (!Windowed()) return static_cast<int>(FItems.size());
  return static_cast<int>(SendMessageW(Window(), FMessages.GetCount, 0, 0));
}

std::wstring TItemStrings::Get(int index) const {
  if (!Windowed()) return FItems.at(static_cast<size_t>(index)).text;
  const LRESULT length = SendMessageW(Window(), FMessages.GetTextLen, static_cast<WPARAM>(index), 0);
  if (index < 0 || length < 0) throw std::out_of_range("TItemStrings::Get");
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got =
      SendMessageW(Window(), FMessages.GetText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return text;
}

TObject* TItemStrings::Objects(int index) const {
  if (!Windowed()) return FItems.at(static_cast<size_t>(index)).object;
  const LRESULT data = SendMessageW(Window(), FMessages.GetItemData, static_cast<WPARAM>(index), 0);
  // LB_ERR and CB_ERR are -1: an item without an object holds 0.
  return data == -1 ? nullptr : reinterpret_cast<TObject*>(data);
}

void TItemStrings::PutObject(int index, TObject* object) {
  if (!Windowed()) {
    FItems.at(static_cast<size_t>(index)).object = object;
    return;
  }
  SendMessageW(Window(), FMessages.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
}

int TItemStrings::SortedIndex(const std::wstring& text) const {
  // The platform sorts case-insensitively by the user's locale; the kept list sorts the same.
  int index = 0;
  for (const Item& item : FItems) {
    if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, item.text.data(), static_cast<int>(item.text.size()),
                       text.data(), static_cast<int>(text.size())) == CSTR_GREATER_THAN)
      break;
    ++index;
  }
  return index;
}

int TItemStrings::InsertAt(int index, const std::wstring& text) {
  const bool sorted = FSorted && FSorted();
  if (!Windowed()) {
    if (sorted) index = SortedIndex(text);
    if (index < 0 || index > static_cast<int>(FItems.size())) throw std::out_of_range("TItemStrings::Insert");
    FItems.insert(FItems.begin() + index, Item{text, nullptr});
    return index;
  }
  const LRESULT at =
      sorted ? SendMessageW(Window(), FMessages.AddString, 0, reinterpret_cast<LPARAM>(text.c_str()))
             : SendMessageW(Window(), FMessages.InsertString, static_cast<WPARAM>(index == Count() ? -1 : index),
                            reinterpret_cast<LPARAM>(text.c_str()));
  if (at < 0) throw std::out_of_range("TItemStrings::Insert");
  return static_cast<int>(at);
}

int TItemStrings::Add(const std::wstring& text) {
  return InsertAt(Count(), text);
}

void TItemStrings::Insert(int index, const std::wstring& text) {
  if (index < 0 || index > Count()) throw std::out_of_range("TItemStrings::Insert");
  InsertAt(index, text);
}

void TItemStrings::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("TItemStrings::Delete");
  if (!Windowed()) {
    FItems.erase(FItems.begin() + index);
    return;
  }
  SendMessageW(Window(), FMessages.DeleteString, static_cast<WPARAM>(index), 0);
}

void TItemStrings::Clear() {
  if (!Windowed()) {
    FItems.clear();
    return;
  }
  SendMessageW(Window(), FMessages.ResetContent, 0, 0);
}

void TItemStrings::SaveFromWindow() {
  if (!Windowed()) return;
  std::vector<Item> items;
  const int count = Count();
  items.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) items.push_back(Item{Get(i), Objects(i)});
  FItems = std::move(items);
}

void TItemStrings::RestoreToWindow() {
  if (!Windowed()) return;
  const std::vector<Item> items = std::move(FItems);
  FItems.clear();
  const HWND h = Window();
  SendMessageW(h, WM_SETREDRAW, FALSE, 0);
  SendMessageW(h, FMessages.ResetContent, 0, 0);
  for (const Item& item : items) {
    const LRESULT at = SendMessageW(h, FMessages.AddString, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
    if (at >= 0 && item.object)
      SendMessageW(h, FMessages.SetItemData, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(item.object));
  }
  SendMessageW(h, WM_SETREDRAW, TRUE, 0);
}

void TItemStrings::SetUpdateState(bool updating) {
  if (!Windowed()) return;
  SendMessageW(Window(), WM_SETREDRAW, !updating, 0);
  if (!updating) FOwner.Invalidate();
}
