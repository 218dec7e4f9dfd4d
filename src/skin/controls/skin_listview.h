// TSkinListView: a list view's scroll bars skinned like any scrolled control's, and its column
// header by a TSkinHeader.
#pragma once

#include "skin/controls/skin_scrollbar.h"

class TSkinHeader;

class TSkinListView : public TSkinScrollbar {
  CORVANA_CLASS(TSkinListView)

public:
  using TSkinScrollbar::TSkinScrollbar;
  void AttachScrolled(TControl* control, TSkinData* skinData, ISkinnerHost* formSkinner) override;

  TSkinHeader* Header = nullptr;
};

// TSkinScControl: a stand-alone scroll-bar control covered by one skinned overlay of its own.
class TSkinScControl : public TSkinControl {
  CORVANA_CLASS(TSkinScControl)

public:
  using TSkinControl::TSkinControl;
  ~TSkinScControl() override;

  void AttachScrollContainer(TControl* control, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas);
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;
  void Detach() override;
  void Switched(bool on) override;

  std::unique_ptr<TWScrollbar> ScrollBar;

private:
  void Place();
  void Refresh();
};

void RegisterListSkinners();
