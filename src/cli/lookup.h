// The lookup command of the command-line tool: addresses and host names in, one answer
// per input out, in input order.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "base/resolver_pool.h"
#include "cli/result_format.h"

struct TLookupOptions {
  std::string Database = "QQWry.Dat";
  bool Gbk = false;
  TOutputFormat Format = TOutputFormat::Text;
  int Jobs = TResolverPool::kDefaultJobs;
  std::vector<std::string> Operands;  // read standard input when empty
};

// Returns 0 when every input was answered, 1 when some failed, 2 when the database
// cannot be opened. Failures go to `err` as "INPUT: message" (text and CSV) or into the
// output as error objects (JSON). `resolve` must be safe on several threads at once.
int RunLookup(const TLookupOptions& options, std::istream& in, std::ostream& out, std::ostream& err,
              const TResolverPool::TResolve& resolve);
