// The release date of a database, read from the area text of its last record.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct TDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  bool operator==(const TDate&) const = default;
};

// The area text up to "IP数据" with "年", "月", "日" replaced by "-" (GBK bytes):
// "2010年5月20日IP数据" gives "2010-5-20-". Empty when "IP数据" does not occur.
std::string PrepareDateText(std::string_view area);

// Reads year-month-day separated by "-" (blanks allowed around the numbers, one more
// "-" and blanks allowed at the end). Two numbers are month and day of the current year;
// a year of one or two digits falls in the 100 years starting 50 before the current year.
std::optional<TDate> ParseDateText(std::string_view text, int currentYear);

int CurrentYear();
