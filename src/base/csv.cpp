// CSV lines with RFC 4180 quoting.
#include "base/csv.h"

// One CSV line into fields (RFC 4180 quoting); pos moves past the line end.
std::vector<std::string> ReadCsvLine(std::string_view csv, size_t& pos, bool& ok) {
  std::vector<std::string> fields;
  std::string field;
  ok = true;
  bool quoted = false;
  bool wasQuoted = false;
  while (pos < csv.size()) {
    const char c = csv[pos];
    if (quoted) {
      if (c == '"') {
        if (pos + 1 < csv.size() && csv[pos + 1] == '"') {
          field += '"';
          pos += 2;
          continue;
        }
        quoted = false;
      } else {
        field += c;
      }
      ++pos;
      continue;
    }
    if (c == '"' && field.empty() && !wasQuoted) {
      quoted = wasQuoted = true;
      ++pos;
    } else if (c == ',') {
      fields.push_back(std::move(field));
      field.clear();
      wasQuoted = false;
      ++pos;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && pos + 1 < csv.size() && csv[pos + 1] == '\n') ++pos;
      ++pos;
      break;
    } else {
      if (wasQuoted) ok = false;  // text after a closing quote
      field += c;
      ++pos;
    }
  }
  if (quoted) ok = false;
  fields.push_back(std::move(field));
  return fields;
}


std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) line += ',';
    const std::string& f = fields[i];
    if (f.find_first_of(",\"\r\n") != std::string::npos || (!f.empty() && (f.front() == ' ' || f.back() == ' '))) {
      line += '"';
      for (const char c : f) {
        if (c == '"') line += '"';
        line += c;
      }
      line += '"';
    } else {
      line += f;
    }
  }
  return line;
}
