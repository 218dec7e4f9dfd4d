// Skin objects: the records that hold one skinned window part (pictures, margins, frame
// count, colours) as a skin description defines it.
#pragma once

#include <memory>
#include <string>

#include "ui/bitmap.h"

// Colour of an object key the description does not give.
inline constexpr TColor kNoObjectColour = -1;

class TDataSkinObject {
public:
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  // The four margins as painters pass them: left, top, right, bottom.
  RECT Margins() const { return RECT{LeftWidth, TopHeight, RightWidth, BottomHeight}; }
  bool HasImage() const { return !Image.Empty(); }

  std::int32_t LeftWidth = 0;
  std::int32_t TopHeight = 0;
  std::int32_t RightWidth = 0;
  std::int32_t BottomHeight = 0;
  TBitmap Image;
  // 1: magenta pixels are transparent (the frame code counts any non-zero value).
  std::int32_t Trans = 0;
  // Non-zero: the centre slice is tiled, else stretched.
  std::int32_t Tile = 0;
  std::string Name;
  std::int32_t Frame = 0;
  // The frame count the description itself gives (0: none), where Frame is forced.
  std::int32_t DeclaredFrame = 0;
  std::int32_t Style = 0;
  TColor NormalColour = 0;
  TColor MouseOverColour = 0;
  TColor PressedColour = 0;
  TColor NormalColour2 = 0;
  TColor MouseOverColour2 = 0;
  TColor PressedColour2 = 0;
};

class TDataSkinBorder : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap SecondImage;
};

class TDataSkinButton : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap CheckButton;
  TBitmap RadioButton;
  std::int32_t RadioButtonFrame = 0;
  std::int32_t CheckButtonFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// The title: Image is the "TextBack" picture; LeftWidth holds TextShift, TopHeight
// TextShiftVert, RightWidth TextRightClip.
class TDataSkinTitle : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t TextAlignment = 0;
  std::int32_t Textbackground = 0;
  std::int32_t FontHeight = 0;
  std::int32_t TXTBackleft = 0;
  std::int32_t TXTBackRight = 0;
  TColor ActiveText = 0;
  TColor InActiveText = 0;
};

// A title-bar button.
class TDataSkinSysButton : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t Xcoord = 0;
  std::int32_t Ycoord = 0;
  std::int32_t CombineOp = 0;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t BackgroundLeftShift = 0;
  std::int32_t BackgroundRightShift = 0;
  std::int32_t BackgroundAlignment = 0;
};

// A replaceable slot: empty while the description gives the section no image.
template <class T>
using TSkinSlot = std::unique_ptr<T>;
