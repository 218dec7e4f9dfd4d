// The lookup tool's output formats: the window's text line, CSV rows and JSON objects.
#pragma once

#include <string>
#include <string_view>

enum class TOutputFormat { Text, Csv, Json };

// "text", "csv" or "json"; false for anything else.
bool ParseOutputFormat(std::string_view name, TOutputFormat& format);

// One answer; the location texts are UTF-8, the input as it was read.
struct TLookupResult {
  std::string_view Input;
  std::string_view Start, End, Country, Area;
};

// Appends the answer's line (with its line end) in the format: "IP:%s 国家:%s 地区:%s",
// or input,start,end,country,area quoted as CSV needs, or one JSON object.
void AppendResult(TOutputFormat format, const TLookupResult& result, std::string& out);
// {"input":...,"error":...} and a line end.
void AppendJsonError(std::string_view input, std::string_view message, std::string& out);
// A JSON string with quotes; bytes that are not UTF-8 become U+FFFD, so the output
// always is UTF-8.
void AppendJsonString(std::string_view text, std::string& out);
// "name": and the value as a JSON string.
void AppendJsonMember(const char* name, std::string_view value, std::string& out);
