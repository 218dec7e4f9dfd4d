// TSkinObjImage: the glyph strips built from "CheckButton" and "RadioButton".
#include "skin/controls/skin_objimage.h"

#include "ui/bitmap.h"
#include "ui/wincontrol.h"

namespace {

// The transparent colour the strips are drawn with, as the decimal text of its value.
constexpr const wchar_t* kMagentaText = L"16711935";

}  // namespace

const TClassInfo& TSkinObjImage::StaticClassInfo() {
  static const TClassInfo info("TSkinObjImage", &TSkinControl::StaticClassInfo(),
                               {props::Integer<TSkinObjImage>("Kind", &TSkinObjImage::GetKind, &TSkinObjImage::SetKind)});
  return info;
}

void TSkinObjImage::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool, TCanvas* workCanvas) {
  // The control draws itself from the glyphs: no message of it is taken over.
  if (Attached) return;
  SkinData = skinData;
  FormSkinner = formSkinner;
  WorkCanvas = workCanvas;
  Control = dynamic_cast<TControl*>(Owner());
  if (auto* windowed = dynamic_cast<TWinControl*>(Control)) Handle = windowed->Handle();
  if (FormSkinner) FormSkinner->AddControlSkinner(this);
  BuildGlyphs();
  Attached = true;
  LifeState = kSkinnerAttached;
}

void TSkinObjImage::BuildGlyphs() {
  if (!SkinData || !SkinData->Buttons || !Control) return;
  TDataSkinButton& buttons = *SkinData->Buttons;
  const bool radio = Kind == kObjImageRadio;
  TBitmap& picture = radio ? buttons.RadioButton : buttons.CheckButton;
  const int frames = radio ? buttons.RadioButtonFrame : buttons.CheckButtonFrame;
  const std::vector<int> glyphs = ObjImageGlyphFrames(Kind, frames);
  if (picture.Empty() || frames < 1 || glyphs.empty()) return;
  const int w = picture.Width() / frames, h = picture.Height();
  if (w < 1) return;

  TBitmap strip(w * static_cast<int>(glyphs.size()), h);
  RECT all{0, 0, strip.Width(), h};
  FillColor(strip.Canvas().Handle(), all, kMagenta);
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const int frame = glyphs[i];
    if (frame < 1 || frame > frames) continue;
    BitBlt(strip.Canvas().Handle(), static_cast<int>(i) * w, 0, w, h, picture.Canvas().Handle(), (frame - 1) * w, 0,
           SRCCOPY);
  }

  if (Kind == kObjImagePropertiesCheck) {
    TObject* properties = GetObjectPropByName(Control, "Properties", TPersistent::StaticClassInfo());
    auto* glyph = static_cast<TBitmap*>(GetObjectPropByName(properties, "Glyph", TBitmap::StaticClassInfo()));
    if (!glyph) return;
    glyph->Assign(strip);
    glyph->SetTransparentColor(kMagenta);
    glyph->SetTransparent(false);
    return;
  }
  auto* custom = static_cast<TBitmap*>(GetObjectPropByName(Control, "CustomGlyphs", TBitmap::StaticClassInfo()));
  if (custom) custom->Assign(strip);
  SetPropText(Control, "transparentcolor", kMagentaText);
  // Off and on again: the control takes the new strip.
  SetPropText(Control, "UseCustomGlyphs", L"false");
  SetPropText(Control, "UseCustomGlyphs", L"true");
  if (Control) Control->Invalidate();
}

void TSkinObjImage::Detach() {
  if (Detached) return;
  Detached = true;
  Active = false;
  if (LifeState == kSkinnerWindowDestroyed || !Control) return;
  if (Kind == kObjImagePropertiesCheck) {
    TObject* properties = GetObjectPropByName(Control, "Properties", TPersistent::StaticClassInfo());
    if (auto* glyph = static_cast<TBitmap*>(GetObjectPropByName(properties, "Glyph", TBitmap::StaticClassInfo())))
      glyph->Clear();
  } else {
    SetPropText(Control, "UseCustomGlyphs", L"false");
  }
}

void TSkinObjImage::SkinChanged() { BuildGlyphs(); }
