// THintWindow.
#include "ui/hintwindow.h"

namespace {
constexpr int kMarginX = 4;
constexpr int kMarginY = 2;
}  // namespace

const TClassInfo& THintWindow::StaticClassInfo() {
  static const TClassInfo info("THintWindow", &TCustomControl::StaticClassInfo(), {},
                               [](TComponent* owner) { return new THintWindow(owner); });
  return info;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisibleField(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) Font()->SetLogFont(metrics.lfStatusFont);
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = nullptr;
  params.ClassStyle = CS_SAVEBITS | CS_DROPSHADOW;
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::wstring& text) {
  RECT r{0, 0, maxWidth, 0};
  HDC dc = GetDC(nullptr);
  {
    TSelectObject font(dc, Font()->Handle());
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  }
  ReleaseDC(nullptr, dc);
  r.right += 2 * kMarginX + 2;
  r.bottom += 2 * kMarginY + 2;
  return r;
}

void THintWindow::ActivateHint(RECT rect, const std::wstring& text) {
  SetCaption(text);
  HandleNeeded();
  SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  SetWindowPos(Handle(), HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetVisibleField(true);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  SetVisibleField(false);
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

bool THintWindow::IsShowing() const { return HandleAllocated() && Visible(); }

void THintWindow::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(r);
  canvas.Font().Assign(*Font());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  InflateRect(&r, -kMarginX, -kMarginY);
  canvas.DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

void THintWindow::WndProc(TMessage& message) {
  if (message.Msg == WM_NCHITTEST) {
    message.Result = HTTRANSPARENT;
    return;
  }
  if (message.Msg == CM_TEXTCHANGED) {
    Invalidate();
    return;
  }
  TCustomControl::WndProc(message);
}
