// Writes the starting corpus of the settings fuzz target.
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  const char* seeds[] = {"[Corvana]\r\nSkin=dark.skin\r\n",
                         "\xEF\xBB\xBF[corvana]\nskin = None\n",
                         "[Corvana]\nSkin=follow\nSkin=\xE6\xB7\xB1\xE8\x89\xB2.skin\n",
                         "[Other]\nSkin=a.skin\n",
                         "[Corvana]\nSkin=..\\\\x.skin\n",
                         "Skin=a.skin"};
  int i = 0;
  for (const char* seed : seeds) std::ofstream(dir + "/seed" + std::to_string(i++), std::ios::binary) << seed;
  return 0;
}
