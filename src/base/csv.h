// CSV lines with RFC 4180 quoting, for the database dump and the database builder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reads one line of fields starting at pos and moves pos past its line end; ok turns
// false for an unclosed quote or text after a closing quote.
std::vector<std::string> ReadCsvLine(std::string_view csv, size_t& pos, bool& ok);

// Joins fields into one line, quoting those with commas, quotes, line ends or edge blanks.
std::string CsvLine(const std::vector<std::string>& fields);
