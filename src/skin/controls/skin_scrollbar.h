// The scroll-bar skinners: TSkinScrollbar (a framework control with the platform's scroll bars,
// two overlays and a flat border), TSkinScrollbarH (a bare window with scroll bars) and
// TComboxScrollBar (a drop-down list, painted in place with its own thumb tracking).
#pragma once

#include <memory>
#include <optional>

#include "skin/controls/scroll_overlay.h"
#include "skin/controls/skin_control.h"

class TSkinScrollbar : public TSkinControl {
  CORVANA_CLASS(TSkinScrollbar)

public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbar() override;

  void Detach() override;
  void Switched(bool on) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;
  virtual void AttachScrolled(TControl* control, TSkinData* skinData, ISkinnerHost* formSkinner);

  void UpdateBars();
  void DrawFlatBorder(HDC dc);

  std::unique_ptr<TWScrollbar> HorzBar, VertBar;
  bool DrawBorder = false;
  TColor SavedFixedColor = 0;
  bool FixedColorChanged = false;

private:
  void RecolourFixed();
  void GiveFixedColourBack();
  void RepaintShown();
};

class TSkinScrollbarH : public TSkinControl {
  CORVANA_CLASS(TSkinScrollbarH)

public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbarH() override;

  void AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) override;
  void Detach() override;
  void Switched(bool on) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;
  void UpdateBars();

  std::unique_ptr<TWScrollbar> HorzBar, VertBar;
};

class TComboxScrollBar : public TSkinControl {
  CORVANA_CLASS(TComboxScrollBar)

public:
  using TSkinControl::TSkinControl;

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  // Tracks the thumb of the list itself for a press on it; false when the press is not its.
  bool TrackListThumb(const TMessage& press);

  int ArrowSize = GetSystemMetrics(SM_CXHSCROLL);
};

// Corner square between two shown overlays, in the scrolled window's coordinates.
RECT OverlayCorner(HWND window, const TWScrollbar& vert, const TWScrollbar& horz);

// Makes the three scroll-bar skinners and the list-view kind's scroll attach known to discovery.
void RegisterScrollSkinners();
