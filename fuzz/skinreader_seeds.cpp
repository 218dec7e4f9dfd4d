// Writes the starting corpus of the archive fuzz target: small skins of every version, as
// coded archives (first byte 0) and as plain containers (first byte 1).
#include <fstream>
#include <string>

#include "bitmap_file.h"
#include "skin_writer.h"

namespace {

void Save(const std::string& dir, const std::string& name, std::uint8_t mode, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(dir + "/" + name, std::ios::binary);
  out.put(static_cast<char>(mode));
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  const std::vector<TSkinEntry> entries = {
      {"skin.ini", Bytes("[Buttons]\r\nBitmap=buttons.bmp\r\n[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\n"
                         "[Button1]\r\nAction=1\r\nButtonImage=close.bmp\r\n[Scrollbar]\r\nImage=buttons.bmp\r\n")},
      {"buttons.bmp", MakeBitmap24(10, 4, [](int x, int) { return static_cast<std::uint32_t>(x * 0x111111); })},
      {"top.bmp", MakeBitmap24(3, 4, [](int, int y) { return static_cast<std::uint32_t>(y * 0x102030); })},
      {"close.bmp", MakeBitmap24(6, 2, [](int x, int y) { return static_cast<std::uint32_t>(x + y); })},
      {"empty.bmp", {}},
      // Twice-size pictures for the check: one exactly twice, one too small, one without its 1x.
      {"buttons@2x.bmp", MakeBitmap24(20, 8, [](int x, int) { return static_cast<std::uint32_t>(x * 0x080808); })},
      {"top@2x.bmp", MakeBitmap24(5, 8, [](int, int y) { return static_cast<std::uint32_t>(y * 0x081018); })},
      {"alone@2x.bmp", MakeBitmap24(2, 2, [](int x, int y) { return static_cast<std::uint32_t>(x * y); })}};
  for (std::int32_t version : {20000, 30000, 40000, 50000, 60000, 70000}) {
    Save(dir, "archive" + std::to_string(version), 0, BuildSkinArchive(entries, version));
    Save(dir, "container" + std::to_string(version), 1, BuildSkinContainer(entries, version));
  }
  TSkinContainerLayout odd;
  odd.Version = 20000;
  odd.NameList = "A.BMP\rb\n\r\nc";
  odd.Sizes = {1, 0, 2, 3};
  odd.Data = Bytes("abbccc");
  Save(dir, "lineends", 1, LayOutContainer(odd));
  return 0;
}
