// Starting corpus of the BMP fuzz target: small pictures in several depths.
#include <fstream>
#include <string>
#include <vector>

#include "base/bmp.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  const std::vector<std::uint8_t> rgb = WriteBmp24(5, 3, std::vector<std::uint32_t>(15, 0x336699));
  std::ofstream(dir + "/rgb24", std::ios::binary).write(reinterpret_cast<const char*>(rgb.data()),
                                                        static_cast<std::streamsize>(rgb.size()));
  // An 8-bit run-length coded picture: header, 2-colour palette, a run and an end marker.
  std::vector<std::uint8_t> rle = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, 40, 0, 0, 0, 4, 0, 0, 0, 1, 0, 0, 0,
                                   1, 0, 8, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
                                   0, 0, 0, 0, 255, 255, 255, 0, 4, 1, 0, 1};
  std::ofstream(dir + "/rle8", std::ios::binary).write(reinterpret_cast<const char*>(rle.data()),
                                                       static_cast<std::streamsize>(rle.size()));
  return 0;
}
