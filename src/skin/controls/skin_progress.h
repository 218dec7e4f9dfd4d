// TSkinProgress: progress bars drawn from the skin's "Progress" picture (empty track and
// filled bar, or a track with "Progress.Chunk" pieces), lying down or standing up.
#pragma once

#include "skin/controls/skin_control.h"

// Frames of the "Progress" picture in its two styles.
inline constexpr int kProgressFramesBar = 2;    // Style 0: 1 empty track, 2 filled bar
inline constexpr int kProgressFramesChunk = 1;  // Style 1: the track; the bar is made of chunks
inline constexpr int kProgressTrackFrame = 1;
inline constexpr int kProgressBarFrame = 2;

// The filled length of a bar of length span: nothing at position 0 or below, or without a
// positive high limit; an empty range fills nothing rather than dividing by zero.
int ProgressFill(int span, int position, int low, int high);

class TSkinProgress : public TSkinControl {
  CORVANA_CLASS(TSkinProgress)

public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  // Whether the skin draws this bar: a "Progress" picture, and for the chunk style a chunk.
  bool SkinnedLook() const;

private:
  void PaintBarStyle(HDC work, const RECT& r, int pos, int low, int high);
  void PaintChunkStyle(HDC work, const RECT& rect, const RECT& r, int pos, int high);
};
