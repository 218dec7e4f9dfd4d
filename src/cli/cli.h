// The command-line tool: lookup, info and dump over a database file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs the tool with its arguments (UTF-8, without the program name); returns the exit
// status: 0 ok, 1 some input failed, 2 usage error or a database that cannot be opened.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
