// Any colour text of a skin description, and ramps between the colours it gives.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/file/colour_math.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int32_t colour = ParseColour(text);
  if (colour & ~0xFFFFFF) std::abort();
  // The parsed colour drives the arithmetic that uses description colours.
  const int n = static_cast<int>(size % 64) + 1;
  const auto ramp = ComputeRamp(n, colour, ParseColour(text.substr(size / 2)));
  if (static_cast<int>(ramp.size()) != n || (n > 1 && ramp.front() != colour)) std::abort();
  const int s = ColourSaturation(colour);
  if (s < 0 || s > 255) std::abort();
  return 0;
}
