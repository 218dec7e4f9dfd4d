// TDateTimePicker over the platform's SysDateTimePick32: a date with a drop-down calendar, or a
// time of day with arrows.
#pragma once

#include <string>

#include "ui/wincontrol.h"

enum class TDateTimeKind { dtkDate, dtkTime };

class TDateTimePicker : public TWinControl {
  CORVANA_CLASS(TDateTimePicker)

public:
  explicit TDateTimePicker(TComponent* owner);
  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind value);
  // Date and time together; the day of the week is filled in by the platform.
  SYSTEMTIME DateTime() const;
  // Raises Exception for a time that is not on the calendar (31 February, 25 o'clock).
  void SetDateTime(const SYSTEMTIME& value);
  // "yyyy-mm-dd" and "hh:nn:ss", as form descriptions write them; each keeps the other part.
  std::wstring DateText() const;
  void SetDateText(const std::wstring& text);
  std::wstring TimeText() const;
  void SetTimeText(const std::wstring& text);
  // The user picked another date or time.
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;

private:
  TDateTimeKind FKind = TDateTimeKind::dtkDate;
  SYSTEMTIME FDateTime{};
};
