#include "skin/file/picture_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/scale.h"

namespace {

// Where one target pixel of an axis takes its colour: the source span of its slice, and the
// position inside the source (in source pixels, centre-sampled).
struct TSample {
  int First = 0;    // first source pixel of the slice
  int Last = 0;     // last source pixel of the slice
  int Nearest = 0;  // the source pixel whose centre is nearest
  double At = 0;    // source position
};

// The target spans of one axis and the source spans they show.
struct TSlice {
  int SourceStart, SourceLength, TargetStart, TargetLength;
};

std::vector<TSlice> AxisSlices(int length, const TPictureAxis& axis, const TPictureRatio& ratio) {
  std::vector<TSlice> slices;
  int cells = std::max(axis.Cells, 1);
  int cell = length / cells;
  if (cell < 1) {
    cells = 1;
    cell = length;
  }
  const int target = std::max(ratio.Apply(cell), 1);
  int start = std::clamp(axis.Start, 0, cell), end = std::clamp(axis.End, 0, cell - start);
  int targetStart = std::min(ratio.Apply(start), target);
  int targetEnd = std::min(ratio.Apply(end), target - targetStart);
  // A frame made only of its ends keeps no middle once scaled either.
  if (start + end == cell) targetEnd = target - targetStart;
  for (int k = 0; k < cells; ++k) {
    const int s = k * cell, t = k * target;
    slices.push_back({s, start, t, targetStart});
    slices.push_back({s + start, cell - start - end, t + targetStart, target - targetStart - targetEnd});
    slices.push_back({s + cell - end, end, t + target - targetEnd, targetEnd});
  }
  const int rest = length - cells * cell;
  if (rest > 0) slices.push_back({cells * cell, rest, cells * target, std::min(ratio.Apply(rest), cells - 1)});
  return slices;
}

std::vector<TSample> AxisSamples(int length, const TPictureAxis& axis, const TPictureRatio& ratio) {
  std::vector<TSample> samples;
  for (const TSlice& s : AxisSlices(length, axis, ratio)) {
    if (s.SourceLength <= 0 || s.TargetLength <= 0) continue;
    const double step = static_cast<double>(s.SourceLength) / s.TargetLength;
    for (int i = 0; i < s.TargetLength; ++i) {
      // Exact in integers, so a centre halfway between two pixels always goes the same way.
      const int nearest = s.SourceStart + static_cast<int>((2LL * i + 1) * s.SourceLength / (2LL * s.TargetLength));
      samples.push_back(
          {s.SourceStart, s.SourceStart + s.SourceLength - 1, nearest, s.SourceStart + (i + 0.5) * step - 0.5});
    }
  }
  return samples;
}

std::uint32_t Blend(const TPixelPicture& p, const TSample& sx, const TSample& sy) {
  const int x0 = std::clamp(static_cast<int>(std::floor(sx.At)), sx.First, sx.Last);
  const int y0 = std::clamp(static_cast<int>(std::floor(sy.At)), sy.First, sy.Last);
  const int x1 = std::min(x0 + 1, sx.Last), y1 = std::min(y0 + 1, sy.Last);
  const double fx = std::clamp(sx.At - x0, 0.0, 1.0), fy = std::clamp(sy.At - y0, 0.0, 1.0);
  const int xs[4] = {x0, x1, x0, x1}, ys[4] = {y0, y0, y1, y1};
  const double ws[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
  double sum[3] = {0, 0, 0}, weight = 0;
  for (int i = 0; i < 4; ++i) {
    const std::uint32_t c = p.At(xs[i], ys[i]);
    if (c == kPictureKey || ws[i] <= 0) continue;
    for (int ch = 0; ch < 3; ++ch) sum[ch] += ws[i] * ((c >> (8 * ch)) & 0xFF);
    weight += ws[i];
  }
  if (weight <= 0) return p.At(sx.Nearest, sy.Nearest);
  std::uint32_t out = 0;
  for (int ch = 0; ch < 3; ++ch)
    out |= static_cast<std::uint32_t>(std::clamp(static_cast<int>(sum[ch] / weight + 0.5), 0, 255)) << (8 * ch);
  // A blend that lands on the key would turn into a hole.
  return out == kPictureKey ? out ^ 0x000100 : out;
}

}  // namespace

int TPictureRatio::Apply(int value) const {
  return MulDivRound(value, To, From);
}

int ScaledPictureLength(int length, const TPictureAxis& axis, const TPictureRatio& ratio) {
  int total = 0;
  for (const TSlice& s : AxisSlices(length, axis, ratio)) total = std::max(total, s.TargetStart + s.TargetLength);
  return length > 0 ? total : 0;
}

TPixelPicture ScalePicture(const TPixelPicture& source, const TPictureAxis& x, const TPictureAxis& y,
                           const TPictureRatio& ratio) {
  TPixelPicture out;
  if (source.Width <= 0 || source.Height <= 0 ||
      source.Pixels.size() < static_cast<size_t>(source.Width) * static_cast<size_t>(source.Height))
    return out;
  const std::vector<TSample> xs = AxisSamples(source.Width, x, ratio);
  const std::vector<TSample> ys = AxisSamples(source.Height, y, ratio);
  out.Width = static_cast<int>(xs.size());
  out.Height = static_cast<int>(ys.size());
  out.Pixels.resize(static_cast<size_t>(out.Width) * static_cast<size_t>(out.Height));
  const bool whole = ratio.Whole();
  size_t i = 0;
  for (const TSample& sy : ys) {
    for (const TSample& sx : xs) {
      const std::uint32_t nearest = source.At(sx.Nearest, sy.Nearest);
      out.Pixels[i++] = whole || nearest == kPictureKey ? nearest : Blend(source, sx, sy);
    }
  }
  return out;
}
