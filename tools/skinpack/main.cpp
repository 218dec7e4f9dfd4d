// corvana-skin: the skin tool's entry point.
#include <iostream>

#include "skin_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunSkinTool(args, std::cout, std::cerr);
}
