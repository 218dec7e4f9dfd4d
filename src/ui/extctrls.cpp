// TPanel and TTimer.
#include "ui/extctrls.h"

#include <map>

#include "base/error.h"
#include "ui/application.h"

// ---- TPanel ----

const TClassInfo& TPanel::StaticClassInfo() {
  static const TClassInfo info("TPanel", &TCustomControl::StaticClassInfo(),
                               {
                                   props::Enumeration<TPanel, TAlignment>("Alignment", AlignmentNames(),
                                                                          &TPanel::Alignment, &TPanel::SetAlignment),
                                   props::Integer<TPanel>("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth),
                               },
                               [](TComponent* owner) { return new TPanel(owner); });
  return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque);
  SetBoundsFields(0, 0, 185, 41);
  SetBevelOuter(TBevelCut::bvRaised);
  SetBevelInner(TBevelCut::bvNone);
  SetColor(clBtnFace);
  SetParentBackground(true);
}

void TPanel::SetBorderWidth(int value) {
  if (value == FBorderWidth || value < 0) return;
  FBorderWidth = value;
  Realign();
  Invalidate();
}

void TPanel::SetAlignment(TAlignment value) {
  FAlignment = value;
  Invalidate();
}

void TPanel::AdjustClientRect(RECT& rect) {
  int inset = FBorderWidth;
  if (BevelOuter() != TBevelCut::bvNone) inset += BevelWidth();
  if (BevelInner() != TBevelCut::bvNone) inset += BevelWidth();
  InflateRect(&rect, -inset, -inset);
}

namespace {

void Frame3D(HDC dc, RECT& r, COLORREF topLeft, COLORREF bottomRight, int width) {
  for (int i = 0; i < width; ++i) {
    TPenHandle light(CreatePen(PS_SOLID, 1, topLeft));
    TPenHandle dark(CreatePen(PS_SOLID, 1, bottomRight));
    {
      TSelectObject pen(dc, light.Get());
      MoveToEx(dc, r.left, r.bottom - 1, nullptr);
      LineTo(dc, r.left, r.top);
      LineTo(dc, r.right - 1, r.top);
    }
    {
      TSelectObject pen(dc, dark.Get());
      MoveToEx(dc, r.right - 1, r.top, nullptr);
      LineTo(dc, r.right - 1, r.bottom - 1);
      LineTo(dc, r.left - 1, r.bottom - 1);
    }
    InflateRect(&r, -1, -1);
  }
}

void BevelFrame(HDC dc, RECT& r, TBevelCut cut, int width) {
  if (cut == TBevelCut::bvNone) return;
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  if (cut == TBevelCut::bvRaised) Frame3D(dc, r, light, dark, width);
  else if (cut == TBevelCut::bvLowered) Frame3D(dc, r, dark, light, width);
  else InflateRect(&r, -width, -width);
}

}  // namespace

void TPanel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  const HDC dc = canvas.Handle();
  BevelFrame(dc, r, BevelOuter(), BevelWidth());
  if (FBorderWidth > 0) {
    canvas.Brush().SetColor(Color());
    RECT inner = r;
    for (int i = 0; i < FBorderWidth; ++i) {
      canvas.FrameRect(inner);
      InflateRect(&inner, -1, -1);
    }
    r = inner;
  }
  BevelFrame(dc, r, BevelInner(), BevelWidth());
  canvas.Brush().SetColor(Color());
  canvas.FillRect(r);
  const std::wstring caption = Caption();
  if (!caption.empty()) {
    canvas.Font().Assign(*Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (FAlignment == TAlignment::taCenter) format |= DT_CENTER;
    if (FAlignment == TAlignment::taRightJustify) format |= DT_RIGHT;
    canvas.DrawText(caption, r, format);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  }
}

void TPanel::WndProc(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;  // Paint fills everything
    return;
  }
  if (message.Msg == CM_TEXTCHANGED) {
    Invalidate();
    return;
  }
  TCustomControl::WndProc(message);
}

// ---- TTimer ----

namespace {

// One hidden message window receives the WM_TIMER of every timer.
std::map<UINT_PTR, TTimer*>& Timers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}

HWND TimerWindow();

LRESULT CALLBACK TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    const auto it = Timers().find(wParam);
    if (it != Timers().end() && it->second->OnTimer) {
      // Errors in timer handlers are shown like any other handler's.
      try {
        it->second->OnTimer(it->second);
      } catch (const Exception& e) {
        ShowDispatchError(e.Message());
      } catch (const std::exception& e) {
        ShowDispatchError(e.what());
      }
    }
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

HWND TimerWindow() {
  static HWND window = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = TimerWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TPUtilWindow";
    RegisterClassW(&wc);
    return CreateWindowExW(0, L"TPUtilWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  }();
  return window;
}

UINT_PTR NextTimerId() {
  static UINT_PTR next = 1;
  return next++;
}

}  // namespace

const TClassInfo& TTimer::StaticClassInfo() {
  static const TClassInfo info("TTimer", &TComponent::StaticClassInfo(),
                               {
                                   props::Boolean<TTimer>("Enabled", &TTimer::Enabled, &TTimer::SetEnabled),
                                   props::Integer<TTimer>("Interval", &TTimer::Interval, &TTimer::SetInterval),
                                   props::Event<TTimer>("OnTimer", &TTimer::OnTimer),
                               },
                               [](TComponent* owner) { return new TTimer(owner); });
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer() { KillTimer(); }

void TTimer::BeforeDestruction() {
  KillTimer();
  TComponent::BeforeDestruction();
}

void TTimer::KillTimer() {
  if (!FId) return;
  ::KillTimer(TimerWindow(), FId);
  Timers().erase(FId);
  FId = 0;
}

void TTimer::UpdateTimer() {
  KillTimer();
  if (!FEnabled || FInterval <= 0 || IsLoading() || IsDestroying()) return;
  FId = NextTimerId();
  Timers()[FId] = this;
  SetTimer(TimerWindow(), FId, static_cast<UINT>(FInterval), nullptr);
}

void TTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(int value) {
  if (value == FInterval) return;
  FInterval = value;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}
