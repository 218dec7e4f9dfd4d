// TDateTimePicker.
#include "ui/datetimepicker.h"

#include <cstdio>

#include "base/codec.h"
#include "base/error.h"
#include "ui/skin_messages.h"

namespace {

// The time normalised by the platform (day of the week filled in), or false when it is no time.
int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

bool Normalise(SYSTEMTIME& time) {
  // Some platforms roll 29 February of a common year over into March instead of refusing it.
  if (time.wMonth < 1 || time.wMonth > 12 || time.wDay < 1 || time.wDay > DaysInMonth(time.wYear, time.wMonth) ||
      time.wHour > 23 || time.wMinute > 59 || time.wSecond > 59 || time.wMilliseconds > 999)
    return false;
  FILETIME file{};
  if (!SystemTimeToFileTime(&time, &file)) return false;
  return FileTimeToSystemTime(&file, &time) != FALSE;
}

// Three numbers joined by one separator: "2026-12-08", "10:30:05".
bool ParseTriple(const std::wstring& text, wchar_t separator, int& a, int& b, int& c) {
  wchar_t s1 = 0, s2 = 0;
  int used = 0;
  const int got = swscanf(text.c_str(), L"%d%lc%d%lc%d%n", &a, &s1, &b, &s2, &c, &used);
  return got == 5 && s1 == separator && s2 == separator && used == static_cast<int>(text.size());
}

}  // namespace

const TClassInfo& TDateTimePicker::StaticClassInfo() {
  static const TClassInfo info(
      "TDateTimePicker", &TWinControl::StaticClassInfo(),
      {
          props::Wide<TDateTimePicker>("Date", &TDateTimePicker::DateText, &TDateTimePicker::SetDateText),
          props::Enumeration<TDateTimePicker, TDateTimeKind>("Kind", {"dtkDate", "dtkTime"}, &TDateTimePicker::Kind,
                                                             &TDateTimePicker::SetKind),
          props::Wide<TDateTimePicker>("Time", &TDateTimePicker::TimeText, &TDateTimePicker::SetTimeText),
          props::Event<TDateTimePicker>("OnChange", &TDateTimePicker::OnChange),
      },
      [](TComponent* owner) { return new TDateTimePicker(owner); });
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csCaptureMouse | csOpaque);
  SetBoundsFields(0, 0, 186, 21);
  SetTabStop(true);
  SetColor(clWindow);
  GetLocalTime(&FDateTime);
  FDateTime.wMilliseconds = 0;
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  // The application registers the common classes it always needs; the picker's is extra.
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)registered;
  TWinControl::CreateParams(params);
  params.SuperClassName = DATETIMEPICK_CLASSW;
  params.Style |= FKind == TDateTimeKind::dtkTime ? DTS_TIMEFORMAT : DTS_SHORTDATEFORMAT;
}

void TDateTimePicker::AfterCreateWnd() {
  SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&FDateTime));
}

void TDateTimePicker::DestroyWnd() {
  FDateTime = DateTime();
  TWinControl::DestroyWnd();
}

SYSTEMTIME TDateTimePicker::DateTime() const {
  if (!HandleAllocated()) return FDateTime;
  SYSTEMTIME time{};
  if (SendMessageW(const_cast<TDateTimePicker*>(this)->Handle(), DTM_GETSYSTEMTIME, 0,
                   reinterpret_cast<LPARAM>(&time)) != GDT_VALID)
    return FDateTime;
  return time;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& value) {
  SYSTEMTIME time = value;
  if (!Normalise(time)) throw Exception("Not a valid date and time");
  FDateTime = time;
  if (HandleAllocated()) SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

std::wstring TDateTimePicker::DateText() const {
  const SYSTEMTIME t = DateTime();
  wchar_t text[32];
  swprintf(text, 32, L"%04u-%02u-%02u", t.wYear, t.wMonth, t.wDay);
  return text;
}

void TDateTimePicker::SetDateText(const std::wstring& text) {
  int year = 0, month = 0, day = 0;
  if (!ParseTriple(text, L'-', year, month, day) || year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1 ||
      day > 31)
    throw Exception("'" + WideToUtf8(text) + "' is not a date (yyyy-mm-dd)");
  SYSTEMTIME t = DateTime();
  t.wYear = static_cast<WORD>(year);
  t.wMonth = static_cast<WORD>(month);
  t.wDay = static_cast<WORD>(day);
  SetDateTime(t);
}

std::wstring TDateTimePicker::TimeText() const {
  const SYSTEMTIME t = DateTime();
  wchar_t text[32];
  swprintf(text, 32, L"%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
  return text;
}

void TDateTimePicker::SetTimeText(const std::wstring& text) {
  int hour = 0, minute = 0, second = 0;
  if (!ParseTriple(text, L':', hour, minute, second) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59)
    throw Exception("'" + WideToUtf8(text) + "' is not a time (hh:nn:ss)");
  SYSTEMTIME t = DateTime();
  t.wHour = static_cast<WORD>(hour);
  t.wMinute = static_cast<WORD>(minute);
  t.wSecond = static_cast<WORD>(second);
  SetDateTime(t);
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  if (value == FKind) return;
  FKind = value;
  RecreateWnd();
}

void TDateTimePicker::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    if (!IsNotifyHeaderPointer(message.LParam)) return;
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (header->code == static_cast<UINT>(DTN_DATETIMECHANGE)) {
      FDateTime = DateTime();
      if (OnChange) OnChange(this);
    }
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}
