// The scroll-bar rules as plain arithmetic; products of ranges and pixels run in 64 bits.
#include "skin/controls/scroll_geometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
// Arrow pictures stretch acceptably by this much; beyond it the platform's size wins.
constexpr int kThicknessTolerance = 2;
// A grip needs at least a pixel of thumb on each side.
constexpr int kGripMargin = 2;

// The platform's multiply-divide: rounded half away from zero.
std::int64_t MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
  const std::int64_t n = a * b;
  const std::int64_t q = (std::llabs(n) + std::llabs(c) / 2) / std::llabs(c);
  return ((n < 0) != (c < 0)) ? -q : q;
}
}  // namespace

int ScrollBarThickness(int imageHeight, int arrowSize) {
  return std::abs(imageHeight - arrowSize) > kThicknessTolerance ? arrowSize : imageHeight;
}

int TScrollBarGeometry::ArrowLength() const {
  const int a = std::max(ArrowSize, 0);
  return Length < 2 * a ? std::max(Length, 0) / 2 : a;
}

namespace {
TScrollRect Along(const TScrollBarGeometry& g, int from, int to) {
  if (to < from) to = from;
  return g.Vertical ? TScrollRect{0, from, g.Thickness, to} : TScrollRect{from, 0, to, g.Thickness};
}
}  // namespace

TScrollRect TScrollBarGeometry::TrackRect() const {
  return Along(*this, ArrowLength(), Length - ArrowLength());
}

TScrollRect TScrollBarGeometry::PartRect(TScrollPart part) const {
  const int a = ArrowLength(), trackEnd = Length - a;
  switch (part) {
    case spFirstArrow:
      return Along(*this, 0, a);
    case spSecondArrow:
      return Along(*this, trackEnd, Length);
    // Without a thumb the whole track pages forward, as the hit test says.
    case spPageBefore:
      return HasThumb() ? Along(*this, a, ThumbStart) : TScrollRect{};
    case spPageAfter:
      return Along(*this, HasThumb() ? std::max(ThumbEnd, a) : a, trackEnd);
    case spThumb:
      return HasThumb() ? Along(*this, ThumbStart, ThumbEnd) : TScrollRect{};
    default:
      return {};
  }
}

TScrollRect TScrollBarGeometry::GripRect(int gripLength) const {
  const int t = ThumbEnd - ThumbStart;
  if (gripLength <= 0 || t < gripLength + kGripMargin) return {};
  const int start = ThumbStart + (t - gripLength) / 2;
  return Along(*this, start, start + gripLength);
}

TScrollPart TScrollBarGeometry::HitTest(int p) const {
  const int a = ArrowLength();
  if (p < a) return spFirstArrow;
  if (p < ThumbStart) return spPageBefore;
  if (p < ThumbEnd) return spThumb;
  if (p < Length - a) return spPageAfter;
  return spSecondArrow;
}

void TScrollBarGeometry::DragThumb(int pressThumbStart, int cursorDelta) {
  const int t = ThumbEnd - ThumbStart, a = ArrowLength();
  // A thumb with no room to move stays at the track's start.
  const int n = std::max(a, std::min(pressThumbStart + cursorDelta, Length - a - t));
  ThumbStart = n;
  ThumbEnd = n + t;
}

TThumbSpan ControlThumb(const TScrollRange& info, int length, int arrowSize) {
  const std::int64_t a = std::max(arrowSize, 0), len = length, track = len - 2 * a;
  const bool paged = info.Page > 0;
  if (track < (paged ? kMinControlThumb : a) || track <= 0) return {};
  const bool ranged = info.Max > info.Min;
  const std::int64_t range = ranged ? std::int64_t{info.Max} - info.Min : kEqualRangeSpan;
  // A position outside the range would push the thumb off the track.
  const std::int64_t offset = ranged ? std::clamp(std::int64_t{info.Pos} - info.Min, std::int64_t{0}, range) : 0;
  std::int64_t t = 0, start = a;
  if (paged) {
    t = MulDivRounded(track, std::int64_t{info.Page} - 1, range);
    if (t > kMinControlThumb - 1) {
      if (offset != 0) start = track * offset / range + a;
    } else {
      t = kMinControlThumb;
      if (offset != 0) start = (track - kMinControlThumb) * offset / range + a;
    }
  } else {
    t = a;
    if (offset != 0) start = (len - 3 * a) * offset / range + a;
  }
  // A page as large as the range fills the track, never the arrows.
  t = std::min(t, track);
  start = std::clamp(start, a, a + track - t);
  return {static_cast<int>(start), static_cast<int>(start + t)};
}

std::optional<TListThumbDrag> BeginListThumbDrag(int p, int thumbStart, int thumbEnd, int barLength, int arrowSize,
                                                 const TScrollRange& info) {
  if (p < thumbStart || p > thumbEnd) return std::nullopt;
  return TListThumbDrag{thumbStart - arrowSize, barLength - 2 * arrowSize, thumbEnd - thumbStart, info};
}

int ListThumbDragPosition(const TListThumbDrag& drag, int cursorDelta) {
  const TScrollRange& in = drag.Info;
  // The platform treats a maximum below the minimum as an empty range.
  const std::int64_t min = in.Min, max = std::max(in.Max, in.Min), page = in.Page;
  const std::int64_t travel = std::int64_t{drag.Track} - std::max(drag.ThumbLength, 0);
  // A thumb that cannot move has only the first position.
  if (travel <= 0) return in.Min;
  std::int64_t v = std::max<std::int64_t>(std::int64_t{drag.Offset} + cursorDelta, 0);
  std::int64_t pos = 0;
  if (page <= 0) {
    // Thumb travel maps onto the whole range, so the end of the track reaches the maximum.
    v = std::min(v, travel);
    pos = std::min(v * (max - min) / travel + min, max);
  } else {
    // Past the end of the travel the list shows its last page.
    if (v > travel) v = travel + 1;
    pos = v * (max - min - page) / travel + min;
    if (pos >= max - page) pos = max - page + 1;
  }
  return static_cast<int>(std::max(pos, min));
}

TScrollRect CornerBetween(const TScrollRect& vertBar, const TScrollRect& horzBar, int clientLeft, int clientTop) {
  return {vertBar.Left + clientLeft, horzBar.Top + clientTop, vertBar.Right + clientLeft, horzBar.Bottom + clientTop};
}

namespace {
constexpr int kLeftArrowFrame = 1, kRightArrowFrame = 5, kUpArrowFrame = 9, kDownArrowFrame = 13;
constexpr int kHorzGripFrame = 17, kVertGripFrame = 20;
constexpr int kPressedStep = 1, kHotArrowStep = 3, kHotGripStep = 2;
constexpr int kTrackEnabledFrame = 1, kTrackDisabledFrame = 3;
constexpr int kThumbNormalFrame = 1, kThumbPressedFrame = 2, kThumbHotFrame = 3;
}  // namespace

int ArrowFrame(bool vertical, TScrollPart arrow, int hotPart, bool pressed) {
  const bool second = arrow == spSecondArrow;
  const int frame =
      vertical ? (second ? kDownArrowFrame : kUpArrowFrame) : (second ? kRightArrowFrame : kLeftArrowFrame);
  if (hotPart != arrow) return frame;
  return frame + (pressed ? kPressedStep : kHotArrowStep);
}

int TrackFrame(bool enabled) {
  return enabled ? kTrackEnabledFrame : kTrackDisabledFrame;
}

int ThumbFrame(int hotPart, bool pressed) {
  if (hotPart != spThumb) return kThumbNormalFrame;
  return pressed ? kThumbPressedFrame : kThumbHotFrame;
}

int GripFrame(bool vertical, int hotPart, bool pressed) {
  const int frame = vertical ? kVertGripFrame : kHorzGripFrame;
  if (hotPart != spThumb) return frame;
  return frame + (pressed ? kPressedStep : kHotGripStep);
}
