// corvana-skin: makes and inspects skin archives (pack, list, extract, check, compress,
// decompress).
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs one command (args without the program name). Exit status: 0 done, 1 failed or
// problems found, 2 usage error.
int RunSkinTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
