// TPageControl (over the platform's tab control) and its pages, TTabSheet.
#pragma once

#include <vector>

#include "ui/tabcontrol.h"

class TPageControl;

class TTabSheet : public TWinControl {
  CORVANA_CLASS(TTabSheet)

public:
  explicit TTabSheet(TComponent* owner);
  TPageControl* PageControl() const;
  int PageIndex() const;
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool value);
  // The index of this page's tab among the visible tabs, or -1.
  int TabIndex() const;

protected:
  void WndProc(TMessage& message) override;

private:
  bool FTabVisible = true;
};

class TPageControl : public TCustomTabControl {
  CORVANA_CLASS(TPageControl)

public:
  explicit TPageControl(TComponent* owner);
  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int index) const { return FPages.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The visible tab index that shows a page, and back.
  TTabSheet* PageOfTab(int tabIndex) const;

  void Loaded() override;
  bool AcceptChild(TComponent* child) override;

protected:
  void AfterCreateWnd() override;
  void AlignControls(TControl* control, RECT& rect) override;
  void TabChosen(int index) override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void UpdateTabs();
  void ShowActivePage();

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};
