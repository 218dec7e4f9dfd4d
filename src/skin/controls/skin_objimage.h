// TSkinObjImage: feeds the skin's check and radio pictures to check boxes and radio buttons of
// other component families that draw themselves from glyph strips of their own.
#pragma once

#include "skin/controls/check_rules.h"
#include "skin/controls/skin_control.h"

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
