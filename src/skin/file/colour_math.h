// Colour arithmetic of the skin engine on plain 0x00BBGGRR colours: blending, saturation,
// gradient ramps and their cache, the gradient's visible lines, and colour texts.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Channels of a plain colour (red in byte 0).
inline constexpr int RedOf(std::int32_t c) {
  return c & 0xFF;
}
inline constexpr int GreenOf(std::int32_t c) {
  return (c >> 8) & 0xFF;
}
inline constexpr int BlueOf(std::int32_t c) {
  return (c >> 16) & 0xFF;
}
inline constexpr std::int32_t RgbColour(int r, int g, int b) {
  return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

// Mixes two plain colours: weights below 100 are percentages of c1, larger ones per mille
// (so 100 means 10 %). Callers resolve system colours first.
std::int32_t BlendRgb(std::int32_t c1, std::int32_t c2, int weight);

// 255 x (max - min) / max of the channels, rounded half to even, when some channel is 160 or
// more; 200 for darker colours.
int ColourSaturation(std::int32_t colour);

// The colours of a ramp of n steps from c1 to c2 (n >= 1; EAssertionFailed otherwise).
std::vector<std::int32_t> ComputeRamp(int n, std::int32_t c1, std::int32_t c2);

// The program-wide cache of 16 ramps, filled cyclically. A hit compares only the length and
// the two end entries, so ramps that never end exactly on c2 are never found again.
int FindGradient(int n, std::int32_t c1, std::int32_t c2);
int MakeGradient(int n, std::int32_t c1, std::int32_t c2);
int GetGradient(int n, std::int32_t c1, std::int32_t c2);
inline constexpr int kGradientSlots = 16;
const std::vector<std::int32_t>& GradientRamp(int slot);
// Empties every slot and starts filling at slot 0 again (tests start from a known cache).
void ResetGradientCache();

// Lines of a gradient that lie inside the clip: along one axis the gradient covers
// [rectStart, rectEnd) and the clip [clipStart, clipEnd). First and Last are offsets from
// rectStart; nothing is drawn when Last < First.
struct TGradientLines {
  int Count = 0;  // the gradient's extent (ramp length); 0 or less draws nothing
  int First = 0;
  int Last = -1;
};
TGradientLines GradientLinesInClip(int rectStart, int rectEnd, int clipStart, int clipEnd);

// A colour text of a skin description: up to three decimal numbers red, green, blue,
// separated by any non-digit characters ("255 0 128", "10;20;30"). See the .cpp for the
// rule on a last number after only one separator.
std::int32_t ParseColour(std::string_view text);
