// TSkinObjImage: feeds the skin's check and radio pictures to check boxes and radio buttons of
// other component families that draw themselves from glyph strips of their own.
#pragma once

#include "skin/controls/skin_control.h"

// Kinds: check boxes of the first family ("CustomGlyphs", 9 glyphs), its radio buttons (6),
// check boxes of the second family ("Properties" object's "Glyph", 6).
inline constexpr int kObjImageCheck = 1;
inline constexpr int kObjImageRadio = 2;
inline constexpr int kObjImagePropertiesCheck = 3;

// The frame (1-based, 0 for none) each glyph of a kind's strip copies from a picture of
// frameCount frames; the strip's length is the vector's size.
std::vector<int> ObjImageGlyphFrames(int kind, int frameCount);

class TSkinObjImage : public TSkinControl {
  CORVANA_CLASS(TSkinObjImage)

public:
  using TSkinControl::TSkinControl;
  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  void Detach() override;
  void SkinChanged() override;
  // Builds the kind's strip from the skin's picture and hands it to the control.
  void BuildGlyphs();

  int Kind = 0;
  int GetKind() const { return Kind; }
  void SetKind(int value) { Kind = value; }
};
