// TScrollBar over the platform's SCROLLBAR control: the bar does not move by itself, the control
// moves it from the scroll requests its parent reflects.
#pragma once

#include <functional>

#include "ui/wincontrol.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };
enum class TScrollCode {
  scLineUp,
  scLineDown,
  scPageUp,
  scPageDown,
  scPosition,
  scTrack,
  scTop,
  scBottom,
  scEndScroll
};

// A scroll request before it moves the bar: the handler may change the new position.
using TScrollEvent = std::function<void(TObject*, TScrollCode, int&)>;

class TScrollBar : public TWinControl {
  CORVANA_CLASS(TScrollBar)

public:
  explicit TScrollBar(TComponent* owner);
  // Changing the kind turns the bar: width and height change places.
  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind value);
  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  // Held within Min..Max - PageSize + 1, as the platform holds it.
  int Position() const { return FPosition; }
  void SetPosition(int value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int value);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int value) { FSmallChange = value; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int value) { FLargeChange = value; }
  // The highest position the bar can take.
  int MaxPosition() const;
  // The user moved the bar: once per new position (the program's own moves raise nothing).
  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void WndProc(TMessage& message) override;

private:
  void UpdateScrollInfo();
  void MoveTo(int value, bool notify);
  void Scroll(WORD request);
  TScrollBarKind FKind = TScrollBarKind::sbHorizontal;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FPageSize = 0;
  int FSmallChange = 1;
  int FLargeChange = 1;
};
