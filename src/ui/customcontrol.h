// Controls that paint themselves: TGraphicControl (windowless, on its parent's window) and
// TCustomControl (with a window), both through a TControlCanvas.
#pragma once

#include <memory>

#include "ui/canvas.h"
#include "ui/wincontrol.h"

// The canvas of a control: while painting it holds the paint DC; otherwise it fetches a DC of
// the control's window (or of the parent's, clipped and moved to the control) on demand.
class TControlCanvas : public TCanvas {
public:
  explicit TControlCanvas(TControl& control) : FControl(control) {}
  ~TControlCanvas() override;
  void FreeHandle();

protected:
  void CreateHandle() override;

private:
  TControl& FControl;
  HWND FWindow = nullptr;
  HDC FOwnDC = nullptr;
};

class TGraphicControl : public TControl {
  CORVANA_CLASS(TGraphicControl)

public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas& Canvas() { return *FCanvas; }

protected:
  virtual void Paint() {}
  void WndProc(TMessage& message) override;

private:
  std::unique_ptr<TControlCanvas> FCanvas;
};

class TCustomControl : public TWinControl {
  CORVANA_CLASS(TCustomControl)

public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas& Canvas() { return *FCanvas; }

protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;
  bool CustomPaint() const override { return true; }

private:
  std::unique_ptr<TControlCanvas> FCanvas;
};
