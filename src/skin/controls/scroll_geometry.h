// The geometry of a skinned scroll bar as pure functions: parts' rectangles, hit parts, the
// thumb of a stand-alone scroll-bar control, thumb dragging and the drop-down list's own thumb
// tracking, and which skin frame each piece shows. Plain integers only, so the rules are tested
// natively.
#pragma once

#include <optional>

struct TScrollRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool operator==(const TScrollRect&) const = default;
};

// Part codes equal the platform's scroll request codes.
enum TScrollPart : int {
  spNone = -1,
  spFirstArrow = 0,   // up or left
  spSecondArrow = 1,  // down or right
  spPageBefore = 2,   // track before the thumb
  spPageAfter = 3,    // track after the thumb
  spThumb = 5,
};

// A stand-alone scroll-bar control never draws its thumb shorter than this.
inline constexpr int kMinControlThumb = 8;
// The range a stand-alone control assumes when its minimum and maximum are equal.
inline constexpr int kEqualRangeSpan = 9'999'999;

// Thickness of the skinned bar: the skin's arrow picture height, unless it is too far from the
// platform's arrow size to stretch well.
int ScrollBarThickness(int imageHeight, int arrowSize);

// One bar measured from its start along the axis; ThumbStart == ThumbEnd means no thumb.
struct TScrollBarGeometry {
  bool Vertical = true;
  int Length = 0;     // along the axis
  int Thickness = 0;  // across the axis
  int ArrowSize = 0;
  int ThumbStart = 0, ThumbEnd = 0;

  // ArrowSize, or half the length of a bar too short for two arrows.
  int ArrowLength() const;
  bool HasThumb() const { return ThumbEnd > ThumbStart; }
  TScrollRect TrackRect() const;
  // Arrows, page areas and thumb; an empty rectangle for spNone or a part with no room.
  TScrollRect PartRect(TScrollPart part) const;
  // The grip piece centred on the thumb, empty when the thumb has no room for it.
  TScrollRect GripRect(int gripLength) const;
  // p is the offset along the axis from the bar's start.
  TScrollPart HitTest(int p) const;
  // Moves the thumb (keeping its length) to where the cursor took it since the press, inside
  // the track.
  void DragThumb(int pressThumbStart, int cursorDelta);
};

// The scroll information a thumb is computed from; Page 0 (or less) means no page.
struct TScrollRange {
  int Min = 0, Max = 0, Page = 0, Pos = 0;
};

struct TThumbSpan {
  int Start = 0, End = 0;
  bool operator==(const TThumbSpan&) const = default;
};

// The thumb of a stand-alone scroll-bar control of the given length, where the platform's bar
// information does not help; {0, 0} when the track cannot hold a thumb.
TThumbSpan ControlThumb(const TScrollRange& info, int length, int arrowSize);

// The drop-down list tracks its thumb itself: the state taken at the press...
struct TListThumbDrag {
  int Offset = 0;  // thumb start less the arrow
  int Track = 0;   // bar length less both arrows
  int ThumbLength = 0;
  TScrollRange Info;
};
// ...only when the press at p lies on the thumb (both ends included).
std::optional<TListThumbDrag> BeginListThumbDrag(int p, int thumbStart, int thumbEnd, int barLength, int arrowSize,
                                                 const TScrollRange& info);
// The list position for the cursor moved by cursorDelta along the bar since the press.
int ListThumbDragPosition(const TListThumbDrag& drag, int cursorDelta);

// The square between a vertical and a horizontal bar, from the bars' rectangles in client
// coordinates, moved by the client's offset inside the window into window coordinates (a
// bordered control's client edge; nothing for a window without one).
TScrollRect CornerBetween(const TScrollRect& vertBar, const TScrollRect& horzBar, int clientLeft, int clientTop);

// Frames of the skin's pictures for a bar whose part hotPart is under the mouse (or being
// operated) and, with pressed, held: the 23-frame arrow and grip strip, the 4-frame track and
// the thumb.
int ArrowFrame(bool vertical, TScrollPart arrow, int hotPart, bool pressed);
int TrackFrame(bool enabled);
int ThumbFrame(int hotPart, bool pressed);
int GripFrame(bool vertical, int hotPart, bool pressed);
