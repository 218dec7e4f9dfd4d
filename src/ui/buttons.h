// Buttons with glyphs: TBitBtn (a push button with a picture, or one of the standard kinds) and
// the windowless tool button TSpeedButton (down, flat, grouped). Both paint themselves when no
// skin draws them.
#pragma once

#include <memory>

#include "ui/button_glyphs.h"
#include "ui/customcontrol.h"
#include "ui/stdctrls.h"

class TBitBtn : public TButton {
  CORVANA_CLASS(TBitBtn)

public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;
  TBitmap* Glyph() const { return FGlyph.get(); }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return FMargin; }
  void SetMargin(int value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  // A standard kind sets its caption, glyph and dialog result (the caption only while it is
  // empty or another kind's).
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind value);
  void Click() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

private:
  void DrawItem(const DRAWITEMSTRUCT& item);
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TBitBtnKind FKind = TBitBtnKind::bkCustom;
  bool FHot = false;
};

class TSpeedButton : public TGraphicControl {
  CORVANA_CLASS(TSpeedButton)

public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;
  TBitmap* Glyph() const { return FGlyph.get(); }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  // Down stays only with a GroupIndex; setting it raises the group's other buttons.
  bool Down() const { return FDown; }
  void SetDown(bool value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value) { FGroupIndex = value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value) { FAllowAllUp = value; }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return FMargin; }
  void SetMargin(int value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  // Held by the mouse right now (not the same as Down).
  bool Pressed() const { return FPressed; }
  bool Hot() const { return FHot; }
  void Click() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

private:
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  bool FDown = false;
  bool FFlat = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  bool FPressed = false;
  bool FHot = false;
};
