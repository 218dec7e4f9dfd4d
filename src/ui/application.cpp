// TApplication: the hidden application window, the message loop with keyboard navigation,
// hints and the error handler; TScreen.
#include "ui/application.h"

#include <algorithm>

#include "base/codec.h"
#include "ui/hintwindow.h"

extern TControl* g_MouseControl;

namespace {

TApplication* g_Application = nullptr;

constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;

// The nearest framework control of a window or of one of its parents.
TWinControl* FrameworkControlOf(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    if (TWinControl* control = ControlOfWindow(w)) return control;
  }
  return nullptr;
}

}  // namespace

TApplication* Application() { return g_Application; }

TScreen* Screen() {
  static TScreen screen;
  return &screen;
}

void ShowDispatchError(const std::string& message) {
  if (g_Application) {
    g_Application->ShowException(message);
  } else {
    MessageBoxW(GetActiveWindow(), TApplication::ErrorBoxText(message).c_str(), L"", MB_OK | MB_ICONERROR);
  }
}

const TClassInfo& TApplication::StaticClassInfo() {
  static const TClassInfo info("TApplication", &TComponent::StaticClassInfo(), {});
  return info;
}

TApplication::TApplication() : TComponent(nullptr) {
  g_Application = this;
  WNDCLASSW wc{};
  wc.lpfnWndProc = &TApplication::WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TApplication";
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  FHandle = CreateWindowExW(0, L"TApplication", L"", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU |
                                                        WS_MINIMIZEBOX,
                            0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TApplication::~TApplication() {
  // Forms go while the application object still exists.
  if (!IsDestroying()) BeforeDestruction();
  if (FHandle) DestroyWindow(FHandle);
  if (g_Application == this) g_Application = nullptr;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
}

void TApplication::SetTitle(const std::wstring& title) {
  FTitle = title;
  if (FHandle) SetWindowTextW(FHandle, title.c_str());
}

void TApplication::SetIcon(HICON icon) {
  FIcon = icon;
  if (FHandle) {
    SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
}

std::wstring TApplication::ErrorBoxText(const std::string& message) {
  std::wstring text = Utf8ToWide(message);
  if (!text.empty() && text.back() > L'.') text += L'.';
  return text;
}

void TApplication::ShowException(const std::string& message) {
  if (OnException) {
    OnException(message);
    return;
  }
  HWND owner = GetActiveWindow();
  if (!owner && FMainForm && FMainForm->HandleAllocated()) owner = FMainForm->Handle();
  MessageBoxW(owner, ErrorBoxText(message).c_str(), FTitle.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  while (!FTerminated) {
    if (!HandleMessage()) break;
  }
}

bool TApplication::HandleMessage() {
  MSG msg{};
  const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    FTerminated = true;
    return false;
  }
  ProcessMessage(msg);
  return !FTerminated;
}

void TApplication::ProcessMessages() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      FTerminated = true;
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    ProcessMessage(msg);
  }
}

void TApplication::Terminate() {
  if (FTerminated) return;
  FTerminated = true;
  PostQuitMessage(0);
}

bool TApplication::IsDialogMessageFor(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_SYSCHAR) return false;
  TWinControl* target = FrameworkControlOf(msg.hwnd);
  if (!target) return false;
  TCustomForm* form = GetParentForm(target);
  if (!form) return false;
  if (msg.message == WM_SYSCHAR) return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
  if (target->Perform(CN_KEYDOWN, msg.wParam, msg.lParam) != 0) return true;
  const WPARAM key = msg.wParam;
  LRESULT wanted = 0;
  switch (key) {
    case VK_TAB: wanted = DLGC_WANTTAB | DLGC_WANTALLKEYS; break;
    case VK_RETURN:
    case VK_ESCAPE: wanted = DLGC_WANTALLKEYS | DLGC_WANTMESSAGE; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: wanted = DLGC_WANTARROWS | DLGC_WANTALLKEYS; break;
    default: return false;
  }
  const LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
  if (code & wanted) return false;
  return form->Perform(CM_DIALOGKEY, key, msg.lParam) != 0;
}

void TApplication::ProcessMessage(MSG& msg) {
  if (OnMessage) {
    bool handled = false;
    OnMessage(msg, handled);
    if (handled) return;
  }
  if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN || msg.message == WM_KEYDOWN ||
      msg.message == WM_NCLBUTTONDOWN)
    CancelHint();
  if (IsDialogMessageFor(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  if (msg.message == WM_MOUSEMOVE) HintMouseMessage(g_MouseControl);
}

void TApplication::CancelHint() {
  KillTimer(FHandle, kHintShowTimer);
  KillTimer(FHandle, kHintHideTimer);
  if (FHintWindow && FHintShowing) FHintWindow->ReleaseHandle();
  FHintShowing = false;
}

void TApplication::HintMouseMessage(TControl* control) {
  if (control == FHintControl) return;
  CancelHint();
  FHintControl = control;
  if (!ShowHint || !control || !control->ShowHint() || control->Hint().empty()) return;
  SetTimer(FHandle, kHintShowTimer, static_cast<UINT>(HintPause), nullptr);
}

void TApplication::HintTimer() {
  KillTimer(FHandle, kHintShowTimer);
  if (!FHintControl || FHintControl != g_MouseControl) return;
  if (!FHintWindow) FHintWindow = new THintWindow(this);
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT r = FHintWindow->CalcHintRect(300, FHintControl->Hint());
  OffsetRect(&r, cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4);
  FHintWindow->ActivateHint(r, FHintControl->Hint());
  FHintShowing = true;
  SetTimer(FHandle, kHintHideTimer, static_cast<UINT>(HintHidePause), nullptr);
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (app && msg == WM_TIMER) {
    if (wParam == kHintShowTimer) app->HintTimer();
    if (wParam == kHintHideTimer) app->CancelHint();
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

TCustomForm* TScreen::ActiveForm() const { return dynamic_cast<TCustomForm*>(ControlOfWindow(GetActiveWindow())); }

void TScreen::AddForm(TCustomForm* form) {
  if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) { FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end()); }
