// Glyph buttons drawn from the skin's "Buttons" strip: TSkinBitButton (a push button with a
// glyph strip, an image-list picture or a picture property) and TSkinSpeedButton (a windowless
// tool button, painted through its own canvas; the control keeps its press handling).
#pragma once

#include <string>

#include "skin/controls/skin_button.h"

class TSkinBitButton : public TSkinButton {
  CORVANA_CLASS(TSkinBitButton)

public:
  explicit TSkinBitButton(TComponent* owner);
  void PaintSkin(HDC dc, const RECT& rect) override;

  // Non-empty: the picture is the control's object property of this name (not a strip).
  std::string ImagePropName;
  std::string GetImagePropName() const { return ImagePropName; }
  void SetImagePropName(const std::string& value) { ImagePropName = value; }

protected:
  // The face of a glyph button or tool button: frame, glyph, caption.
  void PaintGlyphFace(HDC dc, const RECT& rect, bool speed);
};

class TSkinSpeedButton : public TSkinBitButton {
  CORVANA_CLASS(TSkinSpeedButton)

public:
  explicit TSkinSpeedButton(TComponent* owner);
  // Attaches to the owner, a windowless tool button; Handle stays zero.
  void AttachGraphic(ISkinnerHost* formSkinner, TSkinData* skinData, TCanvas* workCanvas);
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintNow(HDC dc) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  bool Painting = false;
};

// The frame of a tool button: down shows pressed even when disabled; no focused frame.
int SpeedButtonFrame(std::uint8_t mouseState, bool down, bool enabled);

// Makes the four button skinners known to discovery under their class names.
void RegisterButtonSkinners();
