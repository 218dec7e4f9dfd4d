// Writes the starting corpus of the colour text fuzz target.
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  const char* seeds[] = {"255 0 128", "10;20;30", "7,8", "7,8,", "  236 233 216  ", "1,2,3,4", "99999999999999"};
  int i = 0;
  for (const char* seed : seeds) std::ofstream(dir + "/seed" + std::to_string(i++), std::ios::binary) << seed;
  return 0;
}
