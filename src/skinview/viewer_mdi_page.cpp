// The viewer's menu page: what of the menus the skin draws, and a raw MDI frame (a platform
// window with its own menu and a maximized child) whose menu bar carries the child's buttons.
#include "skinview/viewer_form.h"
#include "skinview/viewer_pages.h"
#include "ui/extctrls.h"

namespace {

constexpr UINT kNewChild = 1001, kCascade = 1002, kTile = 1003, kCloseFrame = 1004;
constexpr UINT kFirstChildId = 2000;
constexpr const wchar_t* kFrameClass = L"CorvanaViewerMdiFrame";
constexpr const wchar_t* kChildClass = L"CorvanaViewerMdiChild";

struct TMdiSample {
  HWND Frame = nullptr;
  HWND Client = nullptr;
  HMENU Menu = nullptr;
  int Children = 0;
};

TMdiSample& Sample() {
  static TMdiSample sample;
  return sample;
}

HWND NewChild(bool maximized) {
  TMdiSample& s = Sample();
  if (!s.Client) return nullptr;
  const std::wstring title = L"子窗口 " + std::to_wstring(++s.Children);
  MDICREATESTRUCTW create{};
  create.szClass = kChildClass;
  create.szTitle = title.c_str();
  create.hOwner = GetModuleHandleW(nullptr);
  create.x = CW_USEDEFAULT;
  create.y = CW_USEDEFAULT;
  create.cx = 260;
  create.cy = 160;
  create.style = maximized ? WS_MAXIMIZE : 0;
  return reinterpret_cast<HWND>(SendMessageW(s.Client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

LRESULT CALLBACK ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    RECT r{};
    GetClientRect(window, &r);
    InflateRect(&r, -8, -8);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, L"MDI 子窗口：最大化时，它的最小化、还原和关闭按钮在框架窗口的菜单栏右端，由皮肤画出。", -1, &r,
              DT_WORDBREAK);
    EndPaint(window, &paint);
    return 0;
  }
  return DefMDIChildProcW(window, msg, wParam, lParam);
}

HMENU MakeFrameMenu() {
  HMENU children = CreatePopupMenu();
  AppendMenuW(children, MF_STRING, kNewChild, L"新建子窗口(&N)\tCtrl+N");
  AppendMenuW(children, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(children, MF_STRING, kCloseFrame, L"关闭框架(&X)");
  HMENU windows = CreatePopupMenu();
  AppendMenuW(windows, MF_STRING, kCascade, L"层叠(&C)");
  AppendMenuW(windows, MF_STRING, kTile, L"平铺(&T)");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(children), L"子窗口(&C)");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windows), L"窗口(&W)");
  return bar;
}

LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMdiSample& s = Sample();
  switch (msg) {
    case WM_CREATE: {
      CLIENTCREATESTRUCT client{};
      client.hWindowMenu = GetSubMenu(GetMenu(window), 1);
      client.idFirstChild = kFirstChildId;
      s.Client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                 WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, window,
                                 nullptr, GetModuleHandleW(nullptr), &client);
      return 0;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kNewChild: NewChild(false); return 0;
        case kCascade: SendMessageW(s.Client, WM_MDICASCADE, 0, 0); return 0;
        case kTile: SendMessageW(s.Client, WM_MDITILE, MDITILE_HORIZONTAL, 0); return 0;
        case kCloseFrame: PostMessageW(window, WM_CLOSE, 0, 0); return 0;
        default: break;
      }
      break;
    case WM_DESTROY:
      // A skinned frame holds no menu of its own: the menu goes with the window either way.
      if (GetMenu(window) != s.Menu && s.Menu) DestroyMenu(s.Menu);
      s = TMdiSample{};
      return 0;
    default: break;
  }
  return DefFrameProcW(window, s.Client, msg, wParam, lParam);
}

void RegisterClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSW frame{};
  frame.lpfnWndProc = FrameProc;
  frame.hInstance = GetModuleHandleW(nullptr);
  frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  frame.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  frame.lpszClassName = kFrameClass;
  RegisterClassW(&frame);
  WNDCLASSW child{};
  child.lpfnWndProc = ChildProc;
  child.hInstance = GetModuleHandleW(nullptr);
  child.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  child.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  child.lpszClassName = kChildClass;
  RegisterClassW(&child);
}

TLabel* Text(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, int height,
             const std::wstring& text) {
  auto* label = new TLabel(&form);
  label->SetParent(&parent);
  label->SetBounds(left, top, width, height);
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetCaption(text);
  return label;
}

}  // namespace

HWND ShowMdiSample(TSkinViewForm& viewer) {
  TMdiSample& s = Sample();
  if (s.Frame && IsWindow(s.Frame)) {
    SetForegroundWindow(s.Frame);
    return s.Frame;
  }
  RegisterClasses();
  s.Menu = MakeFrameMenu();
  RECT owner{};
  GetWindowRect(viewer.Handle(), &owner);
  s.Frame = CreateWindowExW(0, kFrameClass, L"MDI 框架窗口（平台窗口）", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            owner.left + 40, owner.top + 60, 520, 360, viewer.Handle(), s.Menu,
                            GetModuleHandleW(nullptr), nullptr);
  if (!s.Frame) return nullptr;
  NewChild(false);
  NewChild(true);
  ShowWindow(s.Frame, SW_SHOW);
  SetForegroundWindow(s.Frame);
  return s.Frame;
}

void FillMenusPage(TSkinViewForm& form, TTabSheet& page) {
  Text(form, page, 16, 14, 580, 54,
       L"菜单栏由皮肤画在标题栏下面：单击菜单、按 Alt 或 F10、或按 Alt+字母打开菜单；菜单打开时左右方向键和鼠标可在菜单之间移动，Esc 关闭。"
       L"弹出菜单的边框和菜单项（勾选、单选、快捷键、图标、分隔线、不可用的项、子菜单）也来自皮肤。");
  Text(form, page, 16, 74, 580, 36,
       L"在选项卡页面上单击右键打开弹出菜单；在标题栏上右击或按 Alt+空格打开系统菜单。“编辑”菜单不可用。");
  auto* button = new TButton(&form);
  button->SetParent(&page);
  button->SetBounds(16, 120, 180, 25);
  button->SetCaption(L"MDI 框架窗口…");
  button->OnClick = [&form](TObject*) { ShowMdiSample(form); };
  Text(form, page, 206, 125, 390, 36,
       L"平台的 MDI 框架窗口，有自己的菜单和一个最大化的子窗口：子窗口的按钮在菜单栏右端。");
}
