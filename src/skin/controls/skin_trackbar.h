// TSkinTrackBar: track bars drawn through their custom-draw notifications: the channel from
// "Track" (or "TRACKVERT" for vertical bars) and the thumb from "Trackbar.ThumbHorz/Vert".
#pragma once

#include "skin/controls/skin_control.h"

// The thumb pictures hold five frames; the skinned thumb always shows the second.
inline constexpr int kTrackThumbFrames = 5;
inline constexpr int kTrackThumbFrame = 2;

class TSkinTrackBar : public TSkinControl {
  CORVANA_CLASS(TSkinTrackBar)

public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void SkinChanged() override;

  // The answer to one custom-draw notification.
  LRESULT CustomDraw(const NMCUSTOMDRAW& record);
  void DrawChannel(const NMCUSTOMDRAW& record);
  void DrawThumb(const NMCUSTOMDRAW& record);

private:
  bool Vertical() const;
};
