// BMP files: any input is read or refused with a reason; pixels of what is read are all
// reachable.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  TBmpImage image;
  std::string error;
  if (ParseBmp(bytes.data(), bytes.size(), image, error)) {
    std::uint32_t sum = 0;
    for (int y = 0; y < image.Height; y += 7)
      for (int x = 0; x < image.Width; x += 7) sum += image.PixelRgb(x, y);
    (void)sum;
  }
  return 0;
}
