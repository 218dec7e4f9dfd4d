// The check, radio and status-panel rules.
#include "skin/controls/check_rules.h"

#include "base/strings.h"

namespace {

// Gap between the box and the caption.
constexpr int kCaptionGap = 2;
// A picture with this many frames also has a fifth, the glyphs' third look.
constexpr int kFiveFramePicture = 5;

// The 12-frame (and 8-frame) pictures: the usual indexes moved into their groups of four.
int Grouped(int index) {
  switch (index) {
    case kCheckChecked: return 5;
    case kCheckUncheckedDisabled: return 4;
    case kCheckCheckedDisabled: return 8;
    default: return index;
  }
}

}  // namespace

int CheckStateIndex(const std::string& stateText) {
  const std::string text = LowerAscii(stateText);
  if (text.find("uncheck") != std::string::npos) return kCheckUnchecked;
  if (text.find("check") != std::string::npos) return kCheckChecked;
  if (text.find("gray") != std::string::npos) return kCheckCheckedDisabled;
  return 0;
}

int CheckBoxFrame(unsigned buttonState, int propertyIndex, bool disabled, int frameCount) {
  int index = propertyIndex ? propertyIndex : (buttonState & kButtonChecked) ? kCheckChecked : kCheckUnchecked;
  if (disabled) index += 2;
  const bool mixed = buttonState & kButtonIndeterminate;
  if (mixed) index = kCheckCheckedDisabled;
  if (frameCount == kCheckGroupedFrames) {
    if (mixed) return disabled ? kCheckMixedDisabled : kCheckMixed;
    index = Grouped(index);
  }
  return index;
}

int RadioButtonFrame(bool checked, bool disabled, int frameCount) {
  int index = checked ? kCheckChecked : kCheckUnchecked;
  if (disabled) index += 2;
  return frameCount == kRadioGroupedFrames ? Grouped(index) : index;
}

TCheckLayout CheckLayout(const TCheckRect& rect, int w, int h, bool rightButton, bool radio, bool rightToLeft,
                         int dpi) {
  TCheckLayout layout;
  const int top = rect.Top + (rect.Bottom - rect.Top - h) / 2;
  layout.Text = rect;
  if (rightButton) {
    // The circle keeps one pixel off the right edge.
    const int right = radio ? rect.Right - 1 : rect.Right;
    layout.Box = TCheckRect{right - w, top, right, top + h};
    layout.Text.Right = layout.Box.Left - ScaleByDpi(kCaptionGap, dpi);
    layout.Flags = rightToLeft ? kTextRtlReading | kTextRight : 0;
  } else {
    layout.Box = TCheckRect{rect.Left, top, rect.Left + w, top + h};
    layout.Text.Left = layout.Box.Right + ScaleByDpi(kCaptionGap, dpi);
    layout.Flags = rightToLeft ? kTextRtlReading : 0;
  }
  return layout;
}

std::vector<int> ObjImageGlyphFrames(int kind, int frameCount) {
  const int fifth = frameCount == kFiveFramePicture ? 5 : 0;
  switch (kind) {
    case kObjImageCheck: return {1, 2, fifth, 1, 2, fifth, 3, 4, fifth};
    case kObjImageRadio: return {1, 2, 1, 2, 3, 4};
    case kObjImagePropertiesCheck: return {1, 2, fifth, 1, 2, fifth};
    default: return {};
  }
}

unsigned StatusAlignFlags(const std::string& alignment, bool rightToLeft) {
  const std::string a = LowerAscii(alignment);
  if (a == "tacenter") return kTextCenter;
  const bool right = a == "tarightjustify";
  return right != rightToLeft ? kTextRight : kTextLeft;
}
