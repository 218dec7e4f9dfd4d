// Starting corpus of the form description fuzz target.
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  const char* seeds[] = {
      "object F: TForm\n  Left = 1\n  Caption = 'a''b'#13\n  Font.Name = '宋体'\n  A = [x, y]\n"
      "  L = ('p' 'q')\n  C = <\n    item\n      W = $10\n    end>\n  B = {00FF}\n"
      "  object B: TButton\n    OnClick = Go\n  end\nend\n",
      "object A: B\nend\n",
  };
  int n = 0;
  for (const char* seed : seeds) std::ofstream(dir + "/seed" + std::to_string(n++)) << seed;
  return 0;
}
