// Group boxes: TCustomGroupBox (an etched frame with the caption in its top edge, painted by
// the control), TGroupBox and TRadioGroup (its radio buttons made from Items, in Columns).
#pragma once

#include <memory>
#include <vector>

#include "ui/checkbox.h"
#include "ui/customcontrol.h"

class TCustomGroupBox : public TCustomControl {
  CORVANA_CLASS(TCustomGroupBox)

public:
  explicit TCustomGroupBox(TComponent* owner);

protected:
  void Paint() override;
  void AdjustClientRect(RECT& rect) override;
  void WndProc(TMessage& message) override;
  // The height of a line of the caption's font.
  int CaptionHeight();
};

class TGroupBox : public TCustomGroupBox {
  CORVANA_CLASS(TGroupBox)

public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

class TRadioGroup : public TCustomGroupBox {
  CORVANA_CLASS(TRadioGroup)

public:
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;
  // One radio button per item; changing the items makes the buttons anew.
  TStrings* Items() const { return FItems.get(); }
  // The checked item, -1 for none. The program's assignment raises no OnClick; the user's
  // choice of another button raises it once.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int index);
  int Columns() const { return FColumns; }
  void SetColumns(int value);
  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TRadioButton* Buttons(int index) const { return FButtons.at(static_cast<size_t>(index)); }

  void Loaded() override;
  // The buttons come from Items: they are not written as children.
  void GetChildren(std::vector<TComponent*>&) const override {}

protected:
  void BoundsChanged() override;
  void WndProc(TMessage& message) override;

private:
  void UpdateButtons();
  void ArrangeButtons();
  void ButtonClicked(TRadioButton* button);
  // Only the checked button (the first without one) is a tab stop: Tab enters the group once.
  void UpdateTabStops();
  std::unique_ptr<TWideStringList> FItems;
  std::vector<TRadioButton*> FButtons;
  int FItemIndex = -1;
  int FColumns = 1;
  bool FUpdating = false;
};
