// The dump command: every record of the database as CSV, as CIDR blocks or as JSON lines,
// for loading into query engines (and, as plain CSV, into the database builder).
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

enum class TDumpFormat { Csv, Cidr, Jsonl };

// "csv", "cidr" or "jsonl"; false for anything else.
bool ParseDumpFormat(std::string_view name, TDumpFormat& format);

struct TDumpOptions {
  std::string Database = "QQWry.Dat";
  TDumpFormat Format = TDumpFormat::Csv;
  bool Numeric = false;  // csv: the addresses as unsigned 32-bit integers as well
  bool Header = false;   // csv and cidr: a first line naming the columns
  bool All = false;      // keep the version record (the last one) in the engine formats
};

// Writes the records in UTF-8, CSV quoted as RFC 4180 needs. Plain CSV keeps every record,
// the version record too, since it is what the database builder reads back; cidr, jsonl and
// numeric CSV leave the version record out unless `All`. Returns 0 when all is written, 1
// when some record could not be (a range ending before it starts has no blocks; it is
// named on `err`), 2 when the database cannot be opened or is damaged.
int RunDump(const TDumpOptions& options, std::ostream& out, std::ostream& err);
