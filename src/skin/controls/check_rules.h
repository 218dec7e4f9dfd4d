// The rules of check boxes, radio buttons and status-bar panels as pure functions: the frame of
// each state, where the box and caption go, the glyph strips of other families, the text
// alignment of a panel. Plain integers only, so the rules are tested natively.
#pragma once

#include <string>
#include <vector>

#include "base/scale.h"

struct TCheckRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TCheckRect&) const = default;
};

// Button states and text flags, as the platform numbers them.
inline constexpr unsigned kButtonChecked = 0x1;        // BST_CHECKED
inline constexpr unsigned kButtonIndeterminate = 0x2;  // BST_INDETERMINATE
inline constexpr unsigned kTextLeft = 0x0;             // DT_LEFT
inline constexpr unsigned kTextCenter = 0x1;           // DT_CENTER
inline constexpr unsigned kTextRight = 0x2;            // DT_RIGHT
inline constexpr unsigned kTextRtlReading = 0x20000;   // DT_RTLREADING

// Frames of a check or radio picture with the usual four frames.
inline constexpr int kCheckUnchecked = 1;
inline constexpr int kCheckChecked = 2;
inline constexpr int kCheckUncheckedDisabled = 3;
inline constexpr int kCheckCheckedDisabled = 4;
// Pictures used in groups of four: check boxes of 12 frames (unchecked, checked, mixed),
// radio buttons of 8 (unchecked, checked).
inline constexpr int kCheckGroupedFrames = 12;
inline constexpr int kRadioGroupedFrames = 8;
inline constexpr int kCheckMixed = 9;
inline constexpr int kCheckMixedDisabled = 12;

// The frame of a check box. buttonState is the platform's button state; propertyIndex the
// index a framework control's properties give (0: none, the button state decides).
int CheckBoxFrame(unsigned buttonState, int propertyIndex, bool disabled, int frameCount);
// The frame of a radio button.
int RadioButtonFrame(bool checked, bool disabled, int frameCount);
// The index a check box's published "State" text gives (unchecked 1, checked 2, grayed 4; 0
// for any other text).
int CheckStateIndex(const std::string& stateText);

// Where the box and the caption go in rect for a picture frame w x h, and the caption's flags.
struct TCheckLayout {
  TCheckRect Box;
  TCheckRect Text;
  unsigned Flags = 0;
};
// The gap between box and caption is a 96-DPI length, scaled to dpi.
TCheckLayout CheckLayout(const TCheckRect& rect, int w, int h, bool rightButton, bool radio, bool rightToLeft,
                         int dpi = kDesignDpi);

// TSkinObjImage's kinds: check boxes of the first family ("CustomGlyphs", 9 glyphs), its radio
// buttons (6), check boxes of the second family ("Properties" object's "Glyph", 6).
inline constexpr int kObjImageCheck = 1;
inline constexpr int kObjImageRadio = 2;
inline constexpr int kObjImagePropertiesCheck = 3;
// The frame (1-based, 0 for none) each glyph of a kind's strip copies from a picture of
// frameCount frames; the strip's length is the vector's size.
std::vector<int> ObjImageGlyphFrames(int kind, int frameCount);

// The text flags of a status panel's alignment name ("taLeftJustify" ...), left and right
// swapped for right-to-left panels.
unsigned StatusAlignFlags(const std::string& alignment, bool rightToLeft);
