// corvana-qqwry: builds a database file from CSV (start,end,country,area in UTF-8).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "base/error.h"
#include "qqwry_writer.h"

int main(int argc, char** argv) {
  if (argc != 4 || std::string(argv[1]) != "build") {
    std::cerr << "usage: corvana-qqwry build RECORDS.csv OUTPUT.dat\n"
                 "  RECORDS.csv: start,end,country,area per line, UTF-8, ascending; the last line is\n"
                 "  the version record (country = version text, area = release date + \"IP数据\").\n";
    return 2;
  }
  try {
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) throw Exception(std::string("cannot read ") + argv[2]);
    std::stringstream text;
    text << in.rdbuf();
    const std::vector<std::uint8_t> bytes = BuildDatabase(ReadRecordsCsv(text.str()));
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw Exception(std::string("cannot write ") + argv[3]);
  } catch (const Exception& e) {
    std::cerr << "corvana-qqwry: " << argv[2] << ": " << e.Message() << "\n";
    return 1;
  }
  return 0;
}
