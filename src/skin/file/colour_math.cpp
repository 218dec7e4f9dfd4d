// Colour blending, saturation, gradient ramps with their cache, and colour text parsing.
#include "skin/file/colour_math.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/error.h"
#include "base/strings.h"

namespace {

const char* const kAssertion = "Assertion failure (imgutil)";

struct TGradientCache {
  std::array<std::vector<std::int32_t>, kGradientSlots> Slots;
  int Next = 0;
};

TGradientCache& Cache() {
  static TGradientCache cache;
  return cache;
}

// 64-bit, so no weight a caller passes can overflow the products.
int Blend(std::int64_t a, std::int64_t b, std::int64_t weight, std::int64_t base) {
  return static_cast<int>((a * weight + b * (base - weight) + base / 2) / base);
}

}  // namespace

std::int32_t BlendRgb(std::int32_t c1, std::int32_t c2, int weight) {
  const int base = weight < 100 ? 100 : 1000;
  // Blue is all bits from 16 up, as the original arithmetic takes it; only the low byte of
  // each channel is kept.
  const int r = Blend(c1 & 0xFF, c2 & 0xFF, weight, base);
  const int g = Blend((c1 >> 8) & 0xFF, (c2 >> 8) & 0xFF, weight, base);
  const int b = Blend(c1 >> 16, c2 >> 16, weight, base);
  return RgbColour(r, g, b);
}

int ColourSaturation(std::int32_t colour) {
  const int r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
  const int mx = std::max({r, g, b});
  const int mn = std::min({r, g, b});
  if (r < 160 && g < 160 && b < 160) return 200;
  const double s = mx == 0 ? 0.0 : static_cast<double>(mx - mn) / mx;
  // nearbyint rounds half to even in the default rounding mode.
  return static_cast<int>(std::nearbyint(s * 255.0));
}

std::vector<std::int32_t> ComputeRamp(int n, std::int32_t c1, std::int32_t c2) {
  if (n <= 0) throw EAssertionFailed(kAssertion);
  const int r1 = RedOf(c1), g1 = GreenOf(c1), b1 = BlueOf(c1);
  const int dr = RedOf(c2) - r1, dg = GreenOf(c2) - g1, db = BlueOf(c2) - b1;
  std::vector<std::int32_t> ramp(static_cast<size_t>(n));
  if (n == 1) {
    ramp[0] = RgbColour(r1 + dr / 2, g1 + dg / 2, b1 + db / 2);
    return ramp;
  }
  const int m = n - 1;
  const int h = m / 2;
  // 64-bit products: a ramp can be longer than 2^31 / 255 lines.
  auto step = [m, h](int start, int d, int i) {
    return start + static_cast<int>((static_cast<std::int64_t>(i) * d + h) / m);
  };
  for (int i = 0; i <= m; ++i)
    ramp[static_cast<size_t>(i)] = RgbColour(step(r1, dr, i), step(g1, dg, i), step(b1, db, i));
  return ramp;
}

int FindGradient(int n, std::int32_t c1, std::int32_t c2) {
  if (n <= 0) throw EAssertionFailed(kAssertion);
  const auto& slots = Cache().Slots;
  for (int slot = kGradientSlots - 1; slot >= 0; --slot) {
    const auto& ramp = slots[static_cast<size_t>(slot)];
    if (static_cast<int>(ramp.size()) == n && ramp.front() == c1 && ramp.back() == c2) return slot;
  }
  return -1;
}

int MakeGradient(int n, std::int32_t c1, std::int32_t c2) {
  if (n <= 0) throw EAssertionFailed(kAssertion);
  TGradientCache& cache = Cache();
  const int slot = cache.Next;
  cache.Next = (cache.Next + 1) % kGradientSlots;
  cache.Slots[static_cast<size_t>(slot)] = ComputeRamp(n, c1, c2);
  return slot;
}

int GetGradient(int n, std::int32_t c1, std::int32_t c2) {
  const int slot = FindGradient(n, c1, c2);
  return slot >= 0 ? slot : MakeGradient(n, c1, c2);
}

const std::vector<std::int32_t>& GradientRamp(int slot) {
  return Cache().Slots.at(static_cast<size_t>(slot));
}

void ResetGradientCache() {
  TGradientCache& cache = Cache();
  for (auto& ramp : cache.Slots) ramp.clear();
  cache.Next = 0;
}

TGradientLines GradientLinesInClip(int rectStart, int rectEnd, int clipStart, int clipEnd) {
  TGradientLines lines;
  lines.Count = rectEnd - rectStart;
  if (lines.Count <= 0) return lines;
  lines.First = clipStart > rectStart ? clipStart - rectStart : 0;
  lines.Last = clipEnd < rectEnd ? clipEnd - rectStart - 1 : lines.Count - 1;
  return lines;
}

std::int32_t ParseColour(std::string_view text) {
  text = TrimText(text);
  std::array<std::int64_t, 3> parts{0, 0, 0};
  int stored = 0;
  std::int64_t collecting = 0;
  bool inNumber = false;
  for (const char ch : text) {
    if (ch >= '0' && ch <= '9') {
      // Only the low byte is kept in the end; keep the number small while reading it.
      collecting = (collecting * 10 + (ch - '0')) & 0xFFFFFF;
      inNumber = true;
    } else if (inNumber) {
      if (stored < 3) parts[static_cast<size_t>(stored)] = collecting;
      ++stored;
      collecting = 0;
      inNumber = false;
    }
  }
  // A number still being read becomes blue only after exactly two stored ones: "7,8" is
  // red 7 alone, "7,8," is red 7 and green 8.
  if (stored == 2 && inNumber) parts[2] = collecting;
  return RgbColour(static_cast<int>(parts[0]), static_cast<int>(parts[1]), static_cast<int>(parts[2]));
}
