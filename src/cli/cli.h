// The command-line tool: lookup, info and dump over a database file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "base/resolver.h"
#include "base/resolver_pool.h"

// Runs the tool with its arguments (UTF-8, without the program name); returns the exit
// status: 0 ok, 1 some input failed, 2 usage error or a database that cannot be opened.
// Host names are resolved with `resolve` (the system resolver unless a test gives its own).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           const TResolverPool::TResolve& resolve = ResolveHost);
