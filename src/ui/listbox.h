// TListBox over the platform's LISTBOX: items, the selected item (or several), sorting.
#pragma once

#include <memory>
#include <vector>

#include "ui/itemstrings.h"
#include "ui/wincontrol.h"

class TListBox : public TWinControl {
  CORVANA_CLASS(TListBox)

public:
  explicit TListBox(TComponent* owner);
  ~TListBox() override;
  TStrings* Items() const { return FItems.get(); }
  // The selected item, -1 for none; with MultiSelect the item with the focus rectangle.
  int ItemIndex() const;
  void SetItemIndex(int index);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  int SelCount() const;
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle style);
  // OnClick runs when the user changes the selection (mouse or keyboard), once per change.
  TNotifyEvent OnDblClick;

  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;

private:
  bool WindowMultiSelect() const;
  std::unique_ptr<TItemStrings> FItems;
  int FItemIndex = -1;
  int FNotifiedIndex = -1;          // the selection the last click told of
  std::vector<int> FSelectedItems;  // kept while there is no window (MultiSelect)
  bool FMultiSelect = false;
  bool FSorted = false;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
};
