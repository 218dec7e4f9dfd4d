// Writes the starting corpus of the description fuzz target.
#include <fstream>
#include <string>

namespace {

void Save(const std::string& dir, const std::string& name, const std::string& text) {
  std::ofstream out(dir + "/" + name, std::ios::binary);
  out << text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  Save(dir, "skin",
       "; a skin description\r\n[Personality]\r\nLeft=frameleft.bmp\r\nLeftFrame=2\r\nTextShift=0x10\r\n"
       "ActiveTextR=255\r\n[Buttons]\r\n  Bitmap = buttons.bmp  \r\nNormalColour2=255,0,128\r\nTrans=$1\r\n"
       "[Button1]\r\nAction=-1\r\nVisibility=0\r\n[ Spaced ]\r\nk=a=b\r\n[buttons]\r\nBitmap=late.bmp\r\n");
  Save(dir, "lineends", "[A]\rx=1\ny=2\r\n\n\r#z=3\r\n[]\r\n=\r\n[B\r\nB]\r\n");
  Save(dir, "nul", std::string("[A]\nx=1\0[B]\ny=2\n", 17));
  return 0;
}
