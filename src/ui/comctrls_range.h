// Controls over a range of whole numbers: TProgressBar, TTrackBar and TUpDown (whose associated
// control shows its position as text).
#pragma once

#include "ui/wincontrol.h"

enum class TProgressBarOrientation { pbHorizontal, pbVertical };
enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TUDOrientation { udHorizontal, udVertical };
enum class TUDAlignButton { udLeft, udRight };

class TProgressBar : public TWinControl {
  CORVANA_CLASS(TProgressBar)

public:
  explicit TProgressBar(TComponent* owner);
  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  // Held within Min..Max, as the platform holds it.
  int Position() const;
  void SetPosition(int value);
  int Step() const { return FStep; }
  void SetStep(int value);
  void StepIt();
  void StepBy(int delta);
  TProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation value);
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool value);

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void DestroyWnd() override;

private:
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FStep = 10;
  TProgressBarOrientation FOrientation = TProgressBarOrientation::pbHorizontal;
  bool FSmooth = false;
};

class TTrackBar : public TWinControl {
  CORVANA_CLASS(TTrackBar)

public:
  explicit TTrackBar(TComponent* owner);
  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  int Position() const;
  void SetPosition(int value);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int value);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int value);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation value);
  // The user moved the thumb (mouse or keyboard): once per new position.
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;

private:
  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FFrequency = 1;
  int FLineSize = 1;
  int FPageSize = 2;
  TTrackBarOrientation FOrientation = TTrackBarOrientation::trHorizontal;
};

class TUpDown : public TWinControl {
  CORVANA_CLASS(TUpDown)

public:
  explicit TUpDown(TComponent* owner);
  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  int Position() const;
  void SetPosition(int value);
  int Increment() const { return FIncrement; }
  void SetIncrement(int value);
  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation value);
  bool Wrap() const { return FWrap; }
  void SetWrap(bool value);
  bool ArrowKeys() const { return FArrowKeys; }
  void SetArrowKeys(bool value);
  bool Thousands() const { return FThousands; }
  void SetThousands(bool value);
  TUDAlignButton AlignButton() const { return FAlignButton; }
  void SetAlignButton(TUDAlignButton value);
  // The control beside which the arrows sit and whose text shows the position.
  TWinControl* Associate() const { return FAssociate; }
  void SetAssociate(TWinControl* control);
  // The user changed the position with the arrows or keys: once per new position.
  TNotifyEvent OnChange;

  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  void BindAssociate();
  void PlaceBesideAssociate();
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FIncrement = 1;
  TUDOrientation FOrientation = TUDOrientation::udVertical;
  bool FWrap = false;
  bool FArrowKeys = true;
  bool FThousands = true;
  TUDAlignButton FAlignButton = TUDAlignButton::udRight;
  TWinControl* FAssociate = nullptr;
};
