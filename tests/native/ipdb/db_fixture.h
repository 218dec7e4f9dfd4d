// Helpers that build test databases with the database writer.
#pragma once

#include <string>
#include <vector>

#include "base/codec.h"
#include "qqwry_writer.h"

inline std::string G(const char* utf8) { return Utf8ToGbk(utf8); }

inline std::uint32_t A(const char* dotted) { return *ParseDottedAddress(dotted); }

inline TDbRecord R(const char* start, const char* end, const char* country, const char* area) {
  return TDbRecord{A(start), A(end), G(country), G(area)};
}
