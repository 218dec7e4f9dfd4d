// TControlCanvas, TGraphicControl and TCustomControl.
#include "ui/customcontrol.h"

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::CreateHandle() {
  TWinControl* window = dynamic_cast<TWinControl*>(&FControl);
  const bool windowless = !window;
  if (windowless) window = FControl.Parent();
  if (!window || !window->HandleAllocated()) return;
  FWindow = window->Handle();
  FOwnDC = GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  ++OwnedGdiObjects();
  if (windowless) {
    SetViewportOrgEx(FOwnDC, FControl.Left(), FControl.Top(), nullptr);
    IntersectClipRect(FOwnDC, 0, 0, FControl.Width(), FControl.Height());
  }
  SetHandle(FOwnDC);
}

void TControlCanvas::FreeHandle() {
  if (!FOwnDC) return;
  SetHandle(nullptr);
  ReleaseDC(FWindow, FOwnDC);
  --OwnedGdiObjects();
  FOwnDC = nullptr;
  FWindow = nullptr;
}

const TClassInfo& TGraphicControl::StaticClassInfo() {
  static const TClassInfo info("TGraphicControl", &TControl::StaticClassInfo(), {});
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TControlCanvas>(*this)) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    // The parent hands its paint DC, already moved and clipped to this control.
    FCanvas->FreeHandle();
    FCanvas->Lock();
    FCanvas->SetHandle(reinterpret_cast<HDC>(message.WParam));
    Paint();
    FCanvas->SetHandle(nullptr);
    FCanvas->Unlock();
    return;
  }
  TControl::WndProc(message);
}

const TClassInfo& TCustomControl::StaticClassInfo() {
  static const TClassInfo info("TCustomControl", &TWinControl::StaticClassInfo(), {});
  return info;
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(*this)) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
  FCanvas->FreeHandle();
  FCanvas->Lock();
  FCanvas->SetHandle(dc);
  Paint();
  FCanvas->SetHandle(nullptr);
  FCanvas->Unlock();
}
