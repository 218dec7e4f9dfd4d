// TPanel (a bevelled container that paints itself) and TTimer.
#pragma once

#include "ui/customcontrol.h"
#include "ui/stdctrls.h"

class TPanel : public TCustomControl {
  CORVANA_CLASS(TPanel)

public:
  explicit TPanel(TComponent* owner);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);

protected:
  void Paint() override;
  void AdjustClientRect(RECT& rect) override;
  void WndProc(TMessage& message) override;

private:
  int FBorderWidth = 0;
  TAlignment FAlignment = TAlignment::taCenter;
};

class TTimer : public TComponent {
  CORVANA_CLASS(TTimer)

public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  int Interval() const { return FInterval; }
  void SetInterval(int value);
  TNotifyEvent OnTimer;
  void Loaded() override;

protected:
  void BeforeDestruction() override;

private:
  void UpdateTimer();
  void KillTimer();
  bool FEnabled = true;
  int FInterval = 1000;
  UINT_PTR FId = 0;
};
