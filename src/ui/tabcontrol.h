// TCustomTabControl (the platform's tab control: tab placement, style, Ctrl+Tab) shared by
// TPageControl and TTabControl, a strip of tabs over one client area.
#pragma once

#include <memory>

#include "ui/strings.h"
#include "ui/wincontrol.h"

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };

class TCustomTabControl : public TWinControl {
  CORVANA_CLASS(TCustomTabControl)

public:
  explicit TCustomTabControl(TComponent* owner);
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition position);
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle style);
  // The number of tabs the window shows.
  int TabCount() const;
  // Moves to the next (or previous) tab, wrapping, as Ctrl+Tab (Ctrl+Shift+Tab) does.
  void SelectNextTab(bool forward);
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(RECT& rect) override;
  void WndProc(TMessage& message) override;
  // The user chose the tab at index (by mouse, keyboard or Ctrl+Tab).
  virtual void TabChosen(int index) = 0;
  int CurrentTab() const;

private:
  TTabPosition FTabPosition = TTabPosition::tpTop;
  TTabStyle FStyle = TTabStyle::tsTabs;
};

// A strip of tabs whose texts are Tabs over one client area shared by its child controls.
class TTabControl : public TCustomTabControl {
  CORVANA_CLASS(TTabControl)

public:
  explicit TTabControl(TComponent* owner);
  ~TTabControl() override;
  TStrings* Tabs() const { return FTabs.get(); }
  int TabIndex() const { return FTabIndex; }
  void SetTabIndex(int index);

protected:
  void AfterCreateWnd() override;
  void TabChosen(int index) override;

private:
  void UpdateTabs();
  std::unique_ptr<TWideStringList> FTabs;
  int FTabIndex = -1;
};
