// corvana-lookup-baseline: yesterday's "corvana lookup" loop over standard input (one
// reader, iconv three times per line, unbuffered line writes), for the whole-program bench.
#include <iostream>
#include <memory>

#include "base/error.h"
#include "base/resolver.h"
#include "baseline.h"

int main(int argc, char** argv) {
  if (argc != 3 || std::string(argv[1]) != "--db") {
    std::cerr << "usage: corvana-lookup-baseline --db FILE < ADDRESSES\n";
    return 2;
  }
  std::unique_ptr<TBaselineReader> reader = std::make_unique<TBaselineReader>(argv[2]);
  int status = 0;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    try {
      if (!reader) reader = std::make_unique<TBaselineReader>(argv[2]);
      bool address = !line.empty();
      for (const char c : line) address = address && ((c >= '0' && c <= '9') || c == '.');
      const std::string text = address ? line : ResolveHost(line);
      TStringList fields;
      reader->GetFields(fields, reader->FindRecord(text));
      std::cout << "IP:" + BaselineGbkToUtf8(fields[1]) + " 国家:" + BaselineGbkToUtf8(fields[2]) +
                       " 地区:" + BaselineGbkToUtf8(fields[3])
                << "\n";
    } catch (const Exception& e) {
      status = 1;
      reader.reset();  // the reader closed itself on a failed lookup
      std::cout.flush();
      std::cerr << line << ": " << e.Message() << "\n";
    }
  }
  return status;
}
