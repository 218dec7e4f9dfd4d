// Release date of a database: every database writes it as year年month月day日 before
// "IP数据", so it is read in that form whatever the user's date settings say.
#include "ipdb/release_date.h"

#include <ctime>
#include <vector>

#include "base/strings.h"
#include "ipdb/gbk_texts.h"

namespace {

constexpr int kCenturyWindow = 50;

void SkipBlanks(std::string_view text, size_t& pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
}

bool ScanNumber(std::string_view text, size_t& pos, int& value, int& digits) {
  SkipBlanks(text, pos);
  value = 0;
  digits = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    if (digits == 4) return false;  // no date part has more than four digits
    value = value * 10 + (text[pos] - '0');
    ++digits;
    ++pos;
  }
  return digits > 0;
}

bool ScanSeparator(std::string_view text, size_t& pos) {
  SkipBlanks(text, pos);
  if (pos < text.size() && text[pos] == '-') {
    ++pos;
    return true;
  }
  return false;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::string PrepareDateText(std::string_view area) {
  const size_t at = GbkFind(area, gbk::kIpData);
  std::string text(area.substr(0, at == std::string_view::npos ? 0 : at));
  text = GbkReplaceAll(text, gbk::kYear, "-");
  text = GbkReplaceAll(text, gbk::kMonth, "-");
  text = GbkReplaceAll(text, gbk::kDay, "-");
  return text;
}

std::optional<TDate> ParseDateText(std::string_view text, int currentYear) {
  size_t pos = 0;
  std::vector<std::pair<int, int>> numbers;  // value, digit count
  int value = 0, digits = 0;
  if (!ScanNumber(text, pos, value, digits)) return std::nullopt;
  numbers.emplace_back(value, digits);
  while (numbers.size() < 3) {
    if (!ScanSeparator(text, pos)) break;
    const size_t afterSeparator = pos;
    if (!ScanNumber(text, pos, value, digits)) {
      pos = afterSeparator;  // a trailing separator
      break;
    }
    numbers.emplace_back(value, digits);
  }
  if (numbers.size() < 2) return std::nullopt;
  if (numbers.size() == 3) ScanSeparator(text, pos);
  SkipBlanks(text, pos);
  if (pos != text.size()) return std::nullopt;

  TDate date;
  if (numbers.size() == 2) {
    date = TDate{currentYear, numbers[0].first, numbers[1].first};
  } else {
    date = TDate{numbers[0].first, numbers[1].first, numbers[2].first};
    if (numbers[0].second <= 2) {
      const int centuryBase = currentYear - kCenturyWindow;
      date.Year += centuryBase / 100 * 100;
      if (date.Year < centuryBase) date.Year += 100;
    }
  }
  if (date.Year < 1 || date.Year > 9999 || date.Month < 1 || date.Month > 12 || date.Day < 1 ||
      date.Day > DaysInMonth(date.Year, date.Month))
    return std::nullopt;
  return date;
}

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local.tm_year + 1900;
}
