// TItemStrings: the items of a list box or combo box, kept by the window while it exists and by
// the control otherwise (and across a window made anew).
#pragma once

#include <functional>
#include <vector>

#include "base/win32.h"
#include "ui/strings.h"

class TWinControl;

// The platform's item messages of one window class (LB_* or CB_*).
struct TItemMessages {
  UINT GetCount, GetText, GetTextLen, AddString, InsertString, DeleteString, ResetContent, GetItemData, SetItemData;
};

const TItemMessages& ListBoxItemMessages();
const TItemMessages& ComboBoxItemMessages();

class TItemStrings : public TStrings {
public:
  TItemStrings(TWinControl& owner, const TItemMessages& messages, std::function<bool()> sorted);
  int Count() const override;
  std::wstring Get(int index) const override;
  TObject* Objects(int index) const override;
  void PutObject(int index, TObject* object) override;
  int Add(const std::wstring& text) override;
  // A sorted list ignores the index: the text goes where it sorts.
  void Insert(int index, const std::wstring& text) override;
  void Delete(int index) override;
  void Clear() override;

  // The owner moves the items out of its window before destroying it, and back into the new one.
  void SaveFromWindow();
  void RestoreToWindow();

protected:
  void SetUpdateState(bool updating) override;

private:
  struct Item {
    std::wstring text;
    TObject* object = nullptr;
  };
  bool Windowed() const;
  HWND Window() const;
  int SortedIndex(const std::wstring& text) const;
  int InsertAt(int index, const std::wstring& text);

  TWinControl& FOwner;
  const TItemMessages& FMessages;
  std::function<bool()> FSorted;
  std::vector<Item> FItems;  // while there is no window
};
