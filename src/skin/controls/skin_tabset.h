// The tab skinners of other toolkits' controls: TSkinTab31 (the older owner-drawn tab set strip,
// read through its published properties) and TSkinAdvPage (a page control that takes its tab
// pictures from two published bitmaps).
#pragma once

#include "skin/controls/skin_control.h"
#include "ui/bitmap.h"

class TSkinUpDown;

class TSkinTab31 : public TSkinControl {
  CORVANA_CLASS(TSkinTab31)

public:
  using TSkinControl::TSkinControl;

  // Takes over the tab set's window and skins its scroller (the first windowed child).
  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  void SkinChanged() override;
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  TBitmap TabImage;
  TSkinUpDown* ArrowSkinner = nullptr;
  TWinControl* Scroller = nullptr;

private:
  void PrepareImage();
};

class TSkinAdvPage : public TSkinControl {
  CORVANA_CLASS(TSkinAdvPage)

public:
  using TSkinControl::TSkinControl;

  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  void SkinChanged() override;
  void Detach() override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void RenderTabPictures();
  bool SkinArrows();

  TSkinUpDown* ArrowSkinner = nullptr;
  // Always 4 when the skin manager makes it: the only kind whose tab pictures are rendered.
  int Kind = 4;
};

// The size the tab pictures of an advanced page control are rendered at.
inline constexpr int kAdvTabWidth = 100, kAdvTabHeight = 21;

void RegisterTabSetSkinners();
