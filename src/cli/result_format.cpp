// Output formats of the lookup tool.
#include "cli/result_format.h"

#include "base/codec.h"
#include "base/csv.h"

namespace {

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

void AppendJsonMember(const char* name, std::string_view value, std::string& out) {
  out += '"';
  out += name;
  out += "\":";
  AppendJsonString(value, out);
}

bool ParseOutputFormat(std::string_view name, TOutputFormat& format) {
  if (name == "text")
    format = TOutputFormat::Text;
  else if (name == "csv")
    format = TOutputFormat::Csv;
  else if (name == "json")
    format = TOutputFormat::Json;
  else
    return false;
  return true;
}

void AppendJsonString(std::string_view text, std::string& out) {
  static constexpr char kHex[] = "0123456789abcdef";
  // Malformed UTF-8 (an input line in another code page) is replaced, not copied.
  std::string valid;
  if (!IsAscii(text)) {
    valid = WideToUtf8(Utf8ToWide(text));
    text = valid;
  }
  out += '"';
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (u < 0x20) {
          out += "\\u00";
          out += kHex[u >> 4];
          out += kHex[u & 15];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void AppendResult(TOutputFormat format, const TLookupResult& r, std::string& out) {
  switch (format) {
    case TOutputFormat::Text:
      out += "IP:";
      out += r.End;
      out += " 国家:";
      out += r.Country;
      out += " 地区:";
      out += r.Area;
      break;
    case TOutputFormat::Csv:
      out += CsvLine({std::string(r.Input), std::string(r.Start), std::string(r.End), std::string(r.Country),
                      std::string(r.Area)});
      break;
    case TOutputFormat::Json:
      out += '{';
      AppendJsonMember("input", r.Input, out);
      out += ',';
      AppendJsonMember("start", r.Start, out);
      out += ',';
      AppendJsonMember("end", r.End, out);
      out += ',';
      AppendJsonMember("country", r.Country, out);
      out += ',';
      AppendJsonMember("area", r.Area, out);
      out += '}';
      break;
  }
  out += '\n';
}

void AppendJsonError(std::string_view input, std::string_view message, std::string& out) {
  out += '{';
  AppendJsonMember("input", input, out);
  out += ',';
  AppendJsonMember("error", message, out);
  out += "}\n";
}
