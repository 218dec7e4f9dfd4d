// The tab skinners: TSkinTab (tab controls and page controls with ordinary tabs: the tab row and
// the page border, tabs on any side, close boxes), TSkinTabSheet (the pages) and TSkinTabBtn
// (page controls whose tabs look like buttons).
#pragma once

#include <memory>
#include <vector>

#include "skin/controls/skin_control.h"
#include "skin/controls/tab_geometry.h"
#include "ui/bitmap.h"

class TSkinUpDown;

// A close box was clicked: wParam the tab window, lParam the tab; an answer of 0 lets the
// skinner destroy the page.
inline constexpr UINT SKINMSG_TABCLOSE = 0x3507;
// Frames of the "Tabs" picture.
inline constexpr int kOtherTabFrame = 1, kCurrentTabFrame = 2, kHotTabFrame = 4;
// The Tag of a page control that shows close boxes on its tabs.
inline constexpr int kCloseBoxTag = 7777;

class TSkinTab : public TSkinControl {
  CORVANA_CLASS(TSkinTab)

public:
  using TSkinControl::TSkinControl;

  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  void AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) override;
  void SkinChanged() override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  void PrepareImages();
  // Skins the tab control's scroll arrows once; whether they are visible.
  bool SkinArrows();
  bool HitCloseBox(const TMessage& message);

  std::vector<TTabRect> CloseBoxes;
  TTabPlacement Placement = TTabPlacement::Top;
  bool UnicodeTabs = true;
  TBitmap TabImage;
  TBitmap PaneImage;
  TBitmap StripBitmap;
  TSkinUpDown* ArrowSkinner = nullptr;
  bool CloseBoxesOn = false;
  // The tab under the mouse, drawn with the hot frame when the picture has one; -1 for none.
  int HotTab = -1;

private:
  void AfterAttach();
  void DrawPane(HDC dc, const TTabRect& pane);
  std::wstring TabText(int index, int& image) const;
  void DestroyPage(int tab);
};

class TSkinTabSheet : public TSkinControl {
  CORVANA_CLASS(TSkinTabSheet)

public:
  using TSkinControl::TSkinControl;
  // Always recoloured: labels on the page paint their background in the page's colour.
  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
};

class TSkinTabBtn : public TSkinControl {
  CORVANA_CLASS(TSkinTabBtn)

public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
};

void RegisterTabSkinners();
