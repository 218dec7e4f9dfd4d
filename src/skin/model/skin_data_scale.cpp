// TSkinData at a display scale: every picture scaled frame by frame (or its twice-size picture
// taken at high scales) and every length of the description scaled by the same rule, so the
// painters and hit tests, which only read the objects, draw and find the same scaled places.
#include <map>

#include "skin/file/imgutil.h"
#include "skin/file/picture_scale.h"
#include "skin/model/skin_data.h"
#include "ui/dpi.h"

namespace {

TPixelPicture PixelsOf(TBitmap& bitmap) {
  TBitmap copy;
  copy.Assign(bitmap);
  copy.SetPixelFormat(TPixelFormat::pf24bit);
  TPixelPicture p{copy.Width(), copy.Height(), {}};
  p.Pixels.reserve(static_cast<size_t>(p.Width) * static_cast<size_t>(p.Height));
  for (int y = 0; y < p.Height; ++y) {
    const std::uint8_t* row = copy.ScanLine(y);
    for (int x = 0; x < p.Width; ++x)
      p.Pixels.push_back(static_cast<std::uint32_t>(row[3 * x + 2]) << 16 | row[3 * x + 1] << 8 | row[3 * x]);
  }
  return p;
}

void StorePixels(TBitmap& bitmap, const TPixelPicture& p) {
  const bool transparent = bitmap.Transparent();
  const TColor key = bitmap.TransparentColor();
  TBitmap result(p.Width, p.Height, TPixelFormat::pf24bit);
  for (int y = 0; y < p.Height; ++y) {
    std::uint8_t* row = result.ScanLine(y);
    for (int x = 0; x < p.Width; ++x) {
      const std::uint32_t c = p.At(x, y);
      row[3 * x] = static_cast<std::uint8_t>(c);
      row[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  bitmap.Assign(result);
  if (transparent) bitmap.SetTransparentColor(key);
}

}  // namespace

int TSkinData::Dpi() const {
  return FDpi > 0 ? FDpi : SystemDpi();
}

int TSkinData::Scaled(int value) const {
  return ScaleByDpi(value, Dpi());
}

bool TSkinData::UsesTwiceSizePictures() const {
  return Dpi() >= kTwiceSizeDpi;
}

void TSkinData::SetDpi(int dpi) {
  if (dpi == FDpi) return;
  const int before = Dpi();
  FDpi = dpi;
  if (Dpi() == before || IsDesigning()) return;
  MakeCaptionFont();
  // The objects are made again from the stored skin: scaling scaled pictures would blur them.
  if (FStored.Size() > 0 && !FSkinPending && LoadSkinFromStore()) RefreshSkin();
}

void TSkinData::ScalePictureAt(TBitmap& bitmap, TPictureAxis x, TPictureAxis y) {
  const int dpi = Dpi();
  if (bitmap.Empty()) return;
  auto twice = FTwice.find(&bitmap);
  if (twice != FTwice.end() && twice->second) {
    // The twice-size picture is drawn for 192; its frames and ends are twice as long.
    x.Start *= 2, x.End *= 2, y.Start *= 2, y.End *= 2;
    StorePixels(bitmap, ScalePicture(PixelsOf(*twice->second), x, y, TPictureRatio{2 * kDesignDpi, dpi}));
    return;
  }
  if (dpi == kDesignDpi) return;
  StorePixels(bitmap, ScalePicture(PixelsOf(bitmap), x, y, TPictureRatio{kDesignDpi, dpi}));
}

void TSkinData::ScaleObjects() {
  const int dpi = Dpi();
  if (dpi == kDesignDpi && FTwice.empty()) return;
  const auto scale = [dpi](std::int32_t& value) { value = ScaleByDpi(value, dpi); };
  const auto lengths = [&](TDataSkinObject& o) {
    scale(o.LeftWidth), scale(o.TopHeight), scale(o.RightWidth), scale(o.BottomHeight);
  };
  // Frames side by side with the object's own fixed ends.
  const auto strip = [&](TDataSkinObject& o, int frames) {
    ScalePictureAt(o.Image, {std::max(frames, 1), o.LeftWidth, o.RightWidth}, {1, o.TopHeight, o.BottomHeight});
    lengths(o);
  };
  const auto slot = [&](auto& object, int frames) {
    if (object) strip(*object, frames);
  };

  for (auto& border : Borders) {
    TDataSkinBorder& b = *border;
    const bool sideways = b.Name == "Left" || b.Name == "Right";
    const int frames = std::max(b.Frame, 1);
    ScalePictureAt(b.Image, {sideways ? frames : 1, b.LeftWidth, b.RightWidth},
                   {sideways ? 1 : frames, b.TopHeight, b.BottomHeight});
    lengths(b);
  }

  TDataSkinTitle& title = *Title;
  ScalePictureAt(title.Image, {1, title.TXTBackleft, title.TXTBackRight}, {std::max(title.Frame, 1), 0, 0});
  lengths(title);
  scale(title.TXTBackleft), scale(title.TXTBackRight), scale(title.FontHeight);

  if (MenuBar) {
    ScalePictureAt(MenuBar->Image, {1, MenuBar->LeftWidth, MenuBar->RightWidth}, {std::max(MenuBar->Frame, 1), 0, 0});
    lengths(*MenuBar);
  }

  TDataSkinButton& buttons = *Buttons;
  ScalePictureAt(buttons.CheckButton, {std::max(buttons.CheckButtonFrame, 1), 0, 0}, {});
  ScalePictureAt(buttons.RadioButton, {std::max(buttons.RadioButtonFrame, 1), 0, 0}, {});
  strip(buttons, buttons.Frame);

  for (auto& button : TitleButtons) {
    TDataSkinSysButton& b = *button;
    strip(b, b.Frame);
    scale(b.Xcoord), scale(b.Ycoord);
  }

  slot(Progress, Progress ? Progress->Frame : 1);
  slot(ProgressChunk, ProgressChunk ? ProgressChunk->Frame : 1);
  slot(GroupBoxEdge, 2);
  if (GroupBox) {
    strip(*GroupBox, 1);
    scale(GroupBox->BackgroundLeftShift), scale(GroupBox->BackgroundRightShift);
  }
  if (Tabs) {
    ScalePictureAt(Tabs->SecondImage, {}, {});
    strip(*Tabs, Tabs->Frame);
  }
  for (auto* object : {&StatusBarEdges,     &TabPane,           &ToolBars,          &SunkEdge,
                       &ExtraImages,        &Headerbar,         &MenuItem,          &MenuBackground,
                       &Scrollbar,          &HorzScroll,        &VertScroll,        &HorzScrollThumb,
                       &VertScrollThumb,    &TrackbarThumbHorz, &TrackbarThumbVert, &TrackbarThumbLeft,
                       &TrackbarThumbRight, &TrackbarThumbUp,   &TrackbarThumbDown, &Track,
                       &TrackVert})
    slot(*object, *object ? (*object)->Frame : 1);
  if (ComboButton) {
    strip(*ComboButton, ComboButton->Frame);
    // The right-to-left picture is the mirror of the scaled one.
    if (!ComboButton->SecondImage.Empty()) {
      ComboButton->SecondImage.Assign(ComboButton->Image);
      ComboButton->SecondImage.SetPixelFormat(TPixelFormat::pf24bit);
      MirrorHorizontal(ComboButton->SecondImage);
    }
  }
  for (auto* object : {&UpDownHorz, &UpDownVert}) {
    if (!*object) continue;
    ScalePictureAt((*object)->SecondImage, {std::max((*object)->Frame, 1), 0, 0}, {});
    strip(**object, (*object)->Frame);
  }
  FTwice.clear();
}
