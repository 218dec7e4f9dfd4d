// TSkinBitButton and TSkinSpeedButton: glyph and caption placement over the skin's button
// frames, and the tool button's attach and message handling.
#include "skin/controls/skin_bitbutton.h"

#include "base/strings.h"
#include "skin/model/skin_draw.h"
#include "ui/bitmap.h"
#include "ui/button_glyphs.h"
#include "ui/customcontrol.h"
#include "ui/imagelist.h"

namespace {

bool IsTrue(const std::string& text) { return LowerAscii(text) == "true"; }

// Glyph number within the strip: pressed 3, disabled 2, else 1.
int GlyphNumberOfFrame(int frame) {
  if (frame == kButtonPressed) return 3;
  if (frame == kButtonDisabled) return 2;
  return 1;
}

}  // namespace

int SpeedButtonFrame(std::uint8_t mouseState, bool down, bool enabled) {
  if (down) return kButtonPressed;
  if (!enabled) return kButtonDisabled;
  if (mouseState & kMousePressed) return kButtonPressed;
  if (mouseState & kMouseOver) return kButtonHot;
  return kButtonNormal;
}

const TClassInfo& TSkinBitButton::StaticClassInfo() {
  static const TClassInfo info("TSkinBitButton", &TSkinButton::StaticClassInfo(),
                               {
                                   props::String<TSkinBitButton>("ImagePropName", &TSkinBitButton::GetImagePropName,
                                                                 &TSkinBitButton::SetImagePropName),
                               });
  return info;
}

const TClassInfo& TSkinSpeedButton::StaticClassInfo() {
  static const TClassInfo info("TSkinSpeedButton", &TSkinBitButton::StaticClassInfo(), {});
  return info;
}

TSkinBitButton::TSkinBitButton(TComponent* owner) : TSkinButton(owner) {}

void TSkinBitButton::PaintSkin(HDC dc, const RECT& rect) { PaintGlyphFace(dc, rect, false); }

void TSkinBitButton::PaintGlyphFace(HDC dc, const RECT& rect, bool speed) {
  TDataSkinButton* skin = ButtonsObject();
  if (!skin || rect.right <= rect.left || rect.bottom <= rect.top) return;
  TControl* control = speed ? GraphicControl : Control;
  const bool imageVariant = !ImagePropName.empty();
  bool down = false;
  std::wstring caption;
  if (speed) {
    if (!control || LowerAscii(GetEnumPropText(control, "Visible")) == "false") return;
    EnabledLook = IsTrue(GetEnumPropText(control, "Enabled"));
    FocusedLook = false;
    down = IsTrue(GetEnumPropText(control, "Down"));
    caption = GetTextProp(control, "Caption");
  } else {
    ReadWindowLook();
    caption = CaptionOf();
  }
  const int frame = speed ? SpeedButtonFrame(MouseState, down, EnabledLook)
                          : PushButtonFrame(MouseState, FocusedLook || (!imageVariant && DefaultLook()), EnabledLook);
  LastFrame = frame;
  const HDC face = BeginFace(rect);
  const SIZE k{rect.right - rect.left, rect.bottom - rect.top};
  const RECT client{0, 0, k.cx, k.cy};
  // A flat tool button shows its frame only while hovered or pressed.
  const bool flat = speed && IsTrue(GetEnumPropText(control, "Flat"));
  if (!flat || frame == kButtonPressed || frame == kButtonHot) DrawSkinObject(face, client, kButtonFrames, frame, *skin);
  PrepareText(face, frame, !speed && !imageVariant);

  // The picture: a property of its own, the glyph strip, or an image-list entry.
  TBitmap* picture = nullptr;
  int count = 1;
  if (imageVariant) {
    picture = static_cast<TBitmap*>(GetObjectPropByName(control, ImagePropName, TBitmap::StaticClassInfo()));
  } else {
    picture = static_cast<TBitmap*>(GetObjectPropByName(control, "Glyph", TBitmap::StaticClassInfo()));
    count = std::max(GetIntProp(control, "NumGlyphs"), 1);
  }
  if (picture && picture->Empty()) picture = nullptr;
  SIZE g = picture ? GlyphSize(*picture, count) : SIZE{0, 0};
  auto* images = static_cast<TImageList*>(GetObjectPropByName(control, "Images", TImageList::StaticClassInfo()));
  const int imageIndex = GetIntProp(control, "ImageIndex");
  const bool useImages = !picture && images && imageIndex != -1;
  if (useImages) g = SIZE{images->Width(), images->Height()};

  if (speed && g.cx * g.cy == 0) {
    DrawCaption(face, client, caption, false);
    EndFace(dc, rect);
    return;
  }
  const TButtonLayout layout = ButtonLayoutOfName(GetEnumPropText(control, "Layout"));
  const bool centred = !speed && LowerAscii(GetEnumPropText(control, "Alignment")) == "tacenter";
  const std::wstring text = ButtonCaptionText(caption);
  SIZE s{0, 0};
  if (!text.empty()) {
    RECT bounds = GlyphCaptionBounds(k, g, layout);
    DrawTextAuto(face, text, bounds, DT_CALCRECT | DT_WORDBREAK);
    s = SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
  }
  const TGlyphPlacement place =
      PlaceGlyph(k, g, s, layout, GetIntProp(control, "Margin"), GetIntProp(control, "Spacing"), centred, speed);
  if (picture) {
    const int number = speed && down ? 4 : GlyphNumberOfFrame(frame);
    DrawGlyph(face, place.Glyph, count, number, *picture);
  } else if (useImages) {
    if (EnabledLook) {
      images->Draw(FaceBitmap->Canvas(), place.Glyph.x, place.Glyph.y, imageIndex, true);
    } else {
      const int disabledIndex = GetIntProp(control, "DisabledIndex");
      if (disabledIndex != -1)
        images->Draw(FaceBitmap->Canvas(), place.Glyph.x, place.Glyph.y, disabledIndex, true);
      else
        images->Draw(FaceBitmap->Canvas(), place.Glyph.x, place.Glyph.y, imageIndex, false);
    }
  }
  RECT textRect = place.Text;
  SetBkMode(face, TRANSPARENT);
  DrawTextAuto(face, text, textRect, ReadingOrderFlags(place.TextFlags | DT_NOCLIP));
  SetBkMode(face, OPAQUE);
  if (!speed) DrawFocusAround(face, place.Text);
  EndFace(dc, rect);
}

TSkinSpeedButton::TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}

void TSkinSpeedButton::AttachGraphic(ISkinnerHost* formSkinner, TSkinData* skinData, TCanvas* workCanvas) {
  if (Attached) return;
  GraphicControl = dynamic_cast<TControl*>(Owner());
  if (!GraphicControl) return;
  SkinData = skinData;
  FormSkinner = formSkinner;
  WorkCanvas = workCanvas;
  SavedWindowProc = GraphicControl->WindowProc;
  GraphicControl->WindowProc = [this](TMessage& message) { SkinWndProc(message); };
  if (FormSkinner) FormSkinner->AddControlSkinner(this);
  TransparentFace = GraphicControl->Tag() == kTransparentButtonTag || (SkinData && SkinData->HasOption(xoTransparent));
  Attached = true;
  LifeState = kSkinnerAttached;
  GraphicControl->Invalidate();
}

bool TSkinSpeedButton::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (message.WParam && GraphicControl)
        PaintSkin(reinterpret_cast<HDC>(message.WParam), RECT{0, 0, GraphicControl->Width(), GraphicControl->Height()});
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The control presses itself (down, groups, capture); the skin only mirrors it.
      CallDefault(message);
      if (GraphicControl && GraphicControl->Enabled()) {
        MouseState |= kMousePressed;
        PaintNow(nullptr);
      }
      return false;
    case WM_LBUTTONUP: return true;
    default: return TSkinButton::BeforeMessage(message);
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED: break;
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE) {
        MouseState |= kMousePressed;
        PaintNow(nullptr);
      }
      break;
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) break;
      [[fallthrough]];
    case WM_LBUTTONUP:
      MouseState &= static_cast<std::uint8_t>(~kMousePressed);
      PaintNow(nullptr);
      break;
    case CM_MOUSEENTER:
      MouseState |= kMouseOver;
      PaintNow(nullptr);
      break;
    case CM_MOUSELEAVE:
      MouseState &= static_cast<std::uint8_t>(~(kMouseOver | kMousePressed));
      if (GraphicControl && GraphicControl->Visible()) PaintNow(nullptr);
      break;
    default: TSkinButton::AfterMessage(message); break;
  }
}

void TSkinSpeedButton::PaintNow(HDC) {
  auto* graphic = dynamic_cast<TGraphicControl*>(GraphicControl);
  if (!graphic || Painting) return;
  auto* canvas = dynamic_cast<TControlCanvas*>(&graphic->Canvas());
  const HDC dc = graphic->Canvas().Handle();
  if (!dc) return;
  graphic->Canvas().Lock();
  PaintSkin(dc, RECT{0, 0, graphic->Width(), graphic->Height()});
  graphic->Canvas().Unlock();
  if (canvas) canvas->FreeHandle();
}

void TSkinSpeedButton::PaintSkin(HDC dc, const RECT& rect) {
  if (Painting) return;
  Painting = true;
  try {
    PaintGlyphFace(dc, rect, true);
  } catch (...) {
    // A face bitmap that could not be made ends this paint; the next one tries again.
  }
  Painting = false;
}

void RegisterButtonSkinners() {
  RegisterSkinnerKind("TSkinButton", [](TComponent* owner) -> TSkinControl* { return new TSkinButton(owner); });
  RegisterSkinnerKind("TSkinBitButton", [](TComponent* owner) -> TSkinControl* { return new TSkinBitButton(owner); });
  RegisterSkinnerKind("TSkinSpeedButton",
                      [](TComponent* owner) -> TSkinControl* { return new TSkinSpeedButton(owner); });
  RegisterSkinnerKind("TSkinMenuButton", [](TComponent* owner) -> TSkinControl* { return new TSkinMenuButton(owner); });
}
