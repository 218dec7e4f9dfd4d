// Scaling skin pictures to a display scale, as pure pixel arithmetic. A skin picture is a strip
// of frames, each a nine-slice with fixed ends; the scaled strip keeps every frame the same
// whole size (so a painter dividing the width by the frame count finds the frames again) and
// every fixed end its scaled size, and its magenta pixels stay exactly where they were.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The magenta of skin pictures that is never drawn, as a 0x00RRGGBB (and 0x00BBGGRR) value.
inline constexpr std::uint32_t kPictureKey = 0xFF00FF;

// A picture as rows of 0x00RRGGBB pixels, top row first.
struct TPixelPicture {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;
  std::uint32_t At(int x, int y) const {
    return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x)];
  }
};

// One axis of a picture: Cells frames side by side along it (1 when the frames run along the
// other axis), each with fixed ends of Start and End pixels.
struct TPictureAxis {
  int Cells = 1;
  int Start = 0;
  int End = 0;
};

// The scale as a ratio: To / From (96 -> 144 is 1.5; a twice-size picture is scaled from 192).
struct TPictureRatio {
  int From = 96;
  int To = 96;
  int Apply(int value) const;
  bool Whole() const { return From > 0 && To % From == 0; }
};

// The length of the axis once scaled: Cells times the scaled frame, plus what is left over
// beyond the last whole frame, scaled but never as long as one more frame.
int ScaledPictureLength(int length, const TPictureAxis& axis, const TPictureRatio& ratio);

// The picture at the ratio, frame by frame and slice by slice: nearest pixels at whole-number
// ratios, blended between neighbours in between. A pixel is magenta exactly when its nearest
// source pixel is, and magenta never bleeds into a blend. An empty picture stays empty.
TPixelPicture ScalePicture(const TPixelPicture& source, const TPictureAxis& x, const TPictureAxis& y,
                           const TPictureRatio& ratio);
