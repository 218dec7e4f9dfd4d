// TComboBox over the platform's COMBOBOX in its three styles: an edit with a drop-down list, a
// drop-down list only, and an edit over a list that is always shown.
#pragma once

#include <memory>

#include "ui/itemstrings.h"
#include "ui/wincontrol.h"

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
  CORVANA_CLASS(TComboBox)

public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle style);
  TStrings* Items() const { return FItems.get(); }
  int ItemIndex() const;
  void SetItemIndex(int index);
  // Items shown by the open list before it scrolls.
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  // The text of the edit part; with csDropDownList setting it selects the item of that text.
  std::wstring Text() const { return GetText(); }
  void SetTextValue(const std::wstring& text) { SetText(text); }

  // The user changed the text: typed it, or chose another item (once per change; never for
  // changes the program makes).
  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void SetText(const std::wstring& text) override;
  void BoundsChanged() override;

private:
  // The window's height with its list open: the platform takes the list's room from it.
  int WindowHeight() const;
  std::unique_ptr<TItemStrings> FItems;
  TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
  int FItemIndex = -1;
  int FDropDownCount = 8;
  bool FSorted = false;
  int FMaxLength = 0;
  bool FSettingText = false;
};
