// Writes the starting corpus of the decoder fuzz target: coded streams of typical skin data.
#include <fstream>
#include <string>

#include "bitmap_file.h"
#include "lzh_encoder.h"

namespace {

void Save(const std::string& dir, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(dir + "/" + name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  Save(dir, "empty", LzhCompress({}));
  Save(dir, "text",
       LzhCompress(Bytes("[Buttons]\r\nBitmap=buttons.bmp\r\nLeftWidth=3\r\nRightWidth=3\r\n"
                         "[Tabs]\r\nImage=tab.bmp\r\nBorder=tabborder.bmp\r\n")));
  Save(dir, "spaces", LzhCompress(Bytes(std::string(300, ' ') + "x" + std::string(70, ' '))));
  Save(dir, "bitmap", LzhCompress(MakeBitmap24(40, 12, [](int x, int y) {
         return static_cast<std::uint32_t>(x < 20 ? 0xFF00FF : (x * 3) << 8 | y * 20);
       })));
  std::vector<std::uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[static_cast<size_t>(i)] = static_cast<std::uint8_t>(i);
  Save(dir, "bytes", LzhCompress(all));
  return 0;
}
