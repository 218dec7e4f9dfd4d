// TSkinUpDown: the two arrows of an up-down (spin) control from "UpDown.Vert"/"UpDown.Horz"
// with their "GlyphImage", or in plain colours without a picture; also the arrows inside edits
// and the scroller of tab sets.
#pragma once

#include "skin/controls/skin_control.h"

// "UpDown.*" strips: eight frames, the first arrow (up or left) in 1-4, the second in 5-8; in
// each group 1 normal, 2 pressed, 3 disabled, 4 mouse over.
inline constexpr int kUpDownFrames = 8;
inline constexpr int kUpDownGroup = 4;
inline constexpr int kArrowNormal = 1;
inline constexpr int kArrowPressed = 2;
inline constexpr int kArrowDisabled = 3;
// Kind of the scroller of a tab set: laid out horizontally whatever its style.
inline constexpr int kUpDownTabSetKind = 1;
// Pixels of an edit's border an up-down inside it leaves alone.
inline constexpr int kEditBorderKeep = 3;

enum class TArrowDirection { Up, Down, Left, Right };

// The state of one arrow: pressed only for the half under the cursor; disabled for both.
int UpDownArrowState(bool underCursor, bool pressed, bool enabled);
// The drawing rectangle of an up-down inside an edit (own and parent window rectangles in
// screen coordinates, rect at the origin): moved in where it would cover the edit's border.
RECT KeepEditBorder(RECT rect, const RECT& own, const RECT& parent);

class TSkinUpDown : public TSkinControl {
  CORVANA_CLASS(TSkinUpDown)

public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;

  bool EditPartner = false;
  int Kind = 0;
  int GetKind() const { return Kind; }
  void SetKind(int value) { Kind = value; }

  // The arrow frames of the last paint (1..8 with the group added), for the look's readers.
  int LastFirstFrame = 0;
  int LastSecondFrame = 0;

private:
  void PaintArrow(HDC dc, const RECT& r, TArrowDirection direction, int state, TDataSkinBorder* picture);
  void PlainArrow(HDC dc, const RECT& r, TArrowDirection direction, int state);
};
