// TWinControl: window creation, the window procedure, reflection of child notifications,
// windowless children (painting, mouse), alignment, tab order and bevels.
#include "ui/wincontrol.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <unordered_map>

#include "base/codec.h"
#include "base/error.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/skin_messages.h"

extern TControl* g_MouseControl;
void SetMouseControl(TControl* control);

namespace {

thread_local TWinControl* t_CreatingControl = nullptr;
// Wine fails window creation with a title of a megabyte; such texts are set afterwards.
constexpr size_t kLongestCreationText = 4096;

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

// The platform procedure each framework window class builds on.
std::map<std::wstring, WNDPROC>& BaseProcedures() {
  static std::map<std::wstring, WNDPROC> procedures;
  return procedures;
}

WNDPROC RegisterWindowClass(const TCreateParams& params) {
  auto& procedures = BaseProcedures();
  if (const auto it = procedures.find(params.WinClassName); it != procedures.end()) return it->second;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  WNDPROC base = DefWindowProcW;
  if (!params.SuperClassName.empty()) {
    if (!GetClassInfoExW(nullptr, params.SuperClassName.c_str(), &wc) &&
        !GetClassInfoExW(ModuleInstance(), params.SuperClassName.c_str(), &wc))
      throw Exception("Window class " + WideToUtf8(params.SuperClassName) + " is not available");
    base = wc.lpfnWndProc;
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  } else {
    wc.style = params.ClassStyle;
    wc.hCursor = params.ClassCursor ? params.ClassCursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = params.ClassBackground;
  }
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FrameworkWindowProc;
  wc.hInstance = ModuleInstance();
  wc.lpszClassName = params.WinClassName.c_str();
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw Exception("Cannot register window class " + WideToUtf8(params.WinClassName));
  procedures[params.WinClassName] = base;
  return base;
}

// Child windows get identifiers of their own (owner-drawn controls are found by them).
UINT NextChildId() {
  static UINT next = 0x100;
  next = next >= 0xFFF0 ? 0x100 : next + 1;
  return next;
}

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }

// The controls of this thread's windows. The window property stays the record anyone can read,
// but reading it is a trip to the window server on some systems, and it was read per message.
std::unordered_map<HWND, TWinControl*>& ThreadControls() {
  thread_local std::unordered_map<HWND, TWinControl*> controls;
  return controls;
}

}  // namespace

const std::wstring& ControlPropertyName() {
  static const std::wstring name = [] {
    wchar_t buffer[64];
    swprintf(buffer, 64, L"ControlOfs%.8X%.8X",
             static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(ModuleInstance())),
             static_cast<unsigned>(GetCurrentThreadId()));
    return std::wstring(buffer);
  }();
  return name;
}

ATOM ControlPropertyAtom() {
  static const ATOM atom = GlobalAddAtomW(ControlPropertyName().c_str());
  return atom;
}

TWinControl* ControlOfWindow(HWND window) {
  if (!window) return nullptr;
  const auto& controls = ThreadControls();
  if (const auto found = controls.find(window); found != controls.end()) return found->second;
  return static_cast<TWinControl*>(GetPropW(window, MAKEINTATOM(ControlPropertyAtom())));
}

TWinControl* TWinControl::FromHandle(HWND window) { return ControlOfWindow(window); }

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = ControlOfWindow(window);
  if (!control) {
    control = t_CreatingControl;
    if (!control) {
      // A window of a framework class whose control is gone: the platform's procedure.
      wchar_t name[256];
      GetClassNameW(window, name, 256);
      const auto it = BaseProcedures().find(name);
      const WNDPROC base = it == BaseProcedures().end() ? DefWindowProcW : it->second;
      return CallWindowProcW(base, window, msg, wParam, lParam);
    }
    t_CreatingControl = nullptr;
    control->FHandle = window;
    SetPropW(window, MAKEINTATOM(ControlPropertyAtom()), control);
    ThreadControls()[window] = control;
  }
  TMessage message{msg, wParam, lParam, 0};
  control->MainWndProc(message);
  if (msg == WM_NCDESTROY) {
    RemovePropW(window, MAKEINTATOM(ControlPropertyAtom()));
    ThreadControls().erase(window);
    if (control->FHandle == window) control->FHandle = nullptr;
  }
  return message.Result;
}

const TClassInfo& TWinControl::StaticClassInfo() {
  static const std::vector<std::string> cuts = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
  static const TClassInfo info(
      "TWinControl", &TControl::StaticClassInfo(),
      {
          props::Set<TWinControl>("BevelEdges", {"beLeft", "beTop", "beRight", "beBottom"}, &TWinControl::BevelEdges,
                                  &TWinControl::SetBevelEdges),
          props::Enumeration<TWinControl, TBevelCut>("BevelInner", cuts, &TWinControl::BevelInner,
                                                     &TWinControl::SetBevelInner),
          props::Enumeration<TWinControl, TBevelCut>("BevelOuter", cuts, &TWinControl::BevelOuter,
                                                     &TWinControl::SetBevelOuter),
          props::Enumeration<TWinControl, TBevelKind>("BevelKind", {"bkNone", "bkTile", "bkSoft", "bkFlat"},
                                                      &TWinControl::BevelKind, &TWinControl::SetBevelKind),
          props::Integer<TWinControl>("BevelWidth", &TWinControl::BevelWidth, &TWinControl::SetBevelWidth),
          props::Boolean<TWinControl>("ParentBackground", &TWinControl::ParentBackground,
                                      &TWinControl::SetParentBackground),
          props::Integer<TWinControl>("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder),
          props::Boolean<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop),
      });
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  if (FHandle) {
    // Deleted without Free: let the window die without reaching this half-destroyed object.
    RemovePropW(FHandle, MAKEINTATOM(ControlPropertyAtom()));
    ThreadControls().erase(FHandle);
    DestroyWindow(FHandle);
    FHandle = nullptr;
  }
}

void TWinControl::BeforeDestruction() {
  SetComponentState(csDestroying, true);
  if (FMouseCapture && GetCapture() == FHandle) ReleaseCapture();
  FMouseCapture = nullptr;
  DestroyHandle();
  // Children go with their parent, whoever owns them.
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    RemoveControl(child);
    child->Free();
  }
  TControl::BeforeDestruction();
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (Parent()) Parent()->HandleNeeded();
  if (FHandle) return;
  CreateWnd();
  // Children get their windows right after their parent.
  for (TControl* child : std::vector<TControl*>(FControls)) {
    if (auto* win = dynamic_cast<TWinControl*>(child)) win->HandleNeeded();
  }
  Realign();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = FText;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle() & csAcceptsControls) params.Style |= WS_CLIPCHILDREN;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
  if (UseRightToLeftReading()) params.ExStyle |= WS_EX_RTLREADING;
  if (UseRightToLeftScrollBar()) params.ExStyle |= WS_EX_LEFTSCROLLBAR;
  if (UseRightToLeftAlignment()) params.ExStyle |= WS_EX_RIGHT;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Parent() ? Parent()->Handle() : nullptr;
  params.WinClassName = Utf8ToWide(ClassName());
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw Exception("Control '" + Name() + "' has no parent window");
  FDefWndProc = RegisterWindowClass(params);
  CreateWindowHandle(params);
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  AfterCreateWnd();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  t_CreatingControl = this;
  HMENU id = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(NextChildId())) : nullptr;
  // A long text (a memo made anew with its lines) does not pass through window creation on
  // every platform: it is set once the window exists.
  const bool textLater = params.Caption.size() > kLongestCreationText;
  HWND window = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), textLater ? L"" : params.Caption.c_str(),
                                params.Style, params.X, params.Y, params.Width, params.Height, params.WndParent, id,
                                ModuleInstance(), nullptr);
  t_CreatingControl = nullptr;
  if (!window) throw Exception("Error creating window for " + Name());
  FHandle = window;
  if (textLater) SetWindowTextW(window, params.Caption.c_str());
}

void TWinControl::DestroyWnd() {
  // The text lives in the window; keep it for the next window.
  FText = GetText();
  DestroyWindow(FHandle);
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TControl* child : FControls) {
    if (auto* win = dynamic_cast<TWinControl*>(child)) win->DestroyHandle();
  }
  if (FHandle) DestroyWnd();
  FHandle = nullptr;
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND);
}

void TWinControl::InsertControl(TControl* control) {
  control->FParent = this;
  FControls.push_back(control);
  // A control made by code is in design units (or at another form's scale): it joins this
  // parent's scale before it gets a window.
  if (control->FCurrentDpi != CurrentDpi()) control->ChangeScale(control->FCurrentDpi, CurrentDpi());
  if (auto* win = dynamic_cast<TWinControl*>(control)) {
    FTabList.push_back(win);
    if (FHandle) win->HandleNeeded();
  } else if (FHandle) {
    control->Invalidate();
  }
  if (control->ParentFont()) control->Perform(CM_PARENTFONTCHANGED);
  if (control->ParentColor()) control->Perform(CM_PARENTCOLORCHANGED);
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
  if (!IsLoading() && !control->IsLoading()) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  const auto it = std::find(FControls.begin(), FControls.end(), control);
  if (it == FControls.end()) return;
  if (FMouseCapture == control) FMouseCapture = nullptr;
  if (!control->IsWindowed() && FHandle) control->Invalidate();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
  FControls.erase(std::find(FControls.begin(), FControls.end(), control));
  if (auto* win = dynamic_cast<TWinControl*>(control)) {
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), win), FTabList.end());
    win->DestroyHandle();
  }
  control->FParent = nullptr;
  if (!IsDestroying()) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled, bool allowWindowed) {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || (!allowWindowed && c->IsWindowed()) || (!allowDisabled && !c->Enabled())) continue;
    const RECT r = c->BoundsRect();
    if (PtInRect(&r, point)) return c;
  }
  return nullptr;
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->FTabList;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (IsReading() || !Parent()) {
    FStoredTabOrder = order;
    return;
  }
  auto& list = Parent()->FTabList;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  const int position = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + position, this);
}

void TWinControl::SetTabStop(bool value) {
  if (value == FTabStop) return;
  FTabStop = value;
  if (FHandle) {
    const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
    SetWindowLongPtrW(FHandle, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* c : FTabList) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  if (CanFocus()) ::SetFocus(Handle());
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  bool started = first == nullptr;
  RECT clip{};
  GetClipBox(dc, &clip);
  for (TControl* c : FControls) {
    if (!started) {
      if (c != first) continue;
      started = true;
    }
    if (c->IsWindowed() || !c->Visible()) continue;
    const RECT bounds = c->BoundsRect();
    RECT visible{};
    if (!IntersectRect(&visible, &bounds, &clip)) continue;
    TSaveDC save(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* c : std::vector<TControl*>(FControls)) {
    if (c->WindowProc) c->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::Realign() {
  if (FAlignLevel > 0 || IsLoading() || IsDestroying() || FAligning) return;
  RECT r = ClientRect();
  AdjustClientRect(r);
  AlignControls(nullptr, r);
}

void TWinControl::AdjustClientRect(RECT&) {}

void TWinControl::AlignControls(TControl*, RECT& rect) {
  FAligning = true;
  const RECT client = ClientRect();
  // Top first, then bottom, left and right, and the control taking the rest last; within an
  // edge, controls keep their order from that edge inwards.
  auto place = [&](TAlign align) {
    std::vector<TControl*> list;
    for (TControl* c : FControls) {
      if (c->Align() == align && c->Visible()) list.push_back(c);
    }
    std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
      switch (align) {
        case TAlign::alTop: return a->Top() < b->Top();
        case TAlign::alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case TAlign::alLeft: return a->Left() < b->Left();
        case TAlign::alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
      }
    });
    for (TControl* c : list) {
      const int w = rect.right - rect.left, h = rect.bottom - rect.top;
      switch (align) {
        case TAlign::alTop:
          c->SetBounds(rect.left, rect.top, w, c->Height());
          rect.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(rect.left, rect.bottom - c->Height(), w, c->Height());
          rect.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(rect.left, rect.top, c->Width(), h);
          rect.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(rect.right - c->Width(), rect.top, c->Width(), h);
          rect.right -= c->Width();
          break;
        case TAlign::alClient: c->SetBounds(rect.left, rect.top, w, h); break;
        default: break;
      }
    }
  };
  place(TAlign::alTop);
  place(TAlign::alBottom);
  place(TAlign::alLeft);
  place(TAlign::alRight);
  place(TAlign::alClient);
  for (TControl* c : FControls) {
    if (c->Align() != TAlign::alNone) continue;
    const RECT r = c->AnchoredBounds(client.right - client.left, client.bottom - client.top);
    c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  FAligning = false;
}

RECT TWinControl::ClientRect() {
  RECT r{};
  if (FHandle) {
    GetClientRect(FHandle, &r);
    return r;
  }
  r = RECT{0, 0, Width(), Height()};
  const int bevel = BevelSize();
  if (FBevelEdges & beLeft) r.right -= bevel;
  if (FBevelEdges & beRight) r.right -= bevel;
  if (FBevelEdges & beTop) r.bottom -= bevel;
  if (FBevelEdges & beBottom) r.bottom -= bevel;
  return r;
}

POINT TWinControl::ClientOrigin() {
  POINT origin{0, 0};
  if (FHandle) {
    ::ClientToScreen(FHandle, &origin);
    return origin;
  }
  return TControl::ClientOrigin();
}

bool TWinControl::Showing() const {
  if (!Visible()) return false;
  if (Parent()) return Parent()->Showing();
  return FHandle && IsWindowVisible(FHandle);
}

void TWinControl::SetBounds(int left, int top, int width, int height) { TControl::SetBounds(left, top, width, height); }

void TWinControl::BoundsChanged() {
  if (FHandle) {
    SetWindowPos(FHandle, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    Realign();
  }
}

void TWinControl::ChangeScale(int fromDpi, int toDpi) {
  DisableAlign();
  TControl::ChangeScale(fromDpi, toDpi);
  for (TControl* child : std::vector<TControl*>(FControls)) child->ChangeScale(child->CurrentDpi(), toDpi);
  EnableAlign();
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  RECT r{};
  GetWindowRect(FHandle, &r);
  if (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD) {
    HWND parent = GetParent(FHandle);
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  SetBoundsFields(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Children read their tab order before all of them existed: place them now.
  std::vector<TWinControl*> placed(FTabList.size(), nullptr), rest;
  for (TWinControl* c : FTabList) {
    const int order = c->FStoredTabOrder;
    if (order >= 0 && order < static_cast<int>(placed.size()) && !placed[static_cast<size_t>(order)])
      placed[static_cast<size_t>(order)] = c;
    else
      rest.push_back(c);
  }
  size_t next = 0;
  for (TWinControl*& slot : placed) {
    if (!slot) slot = rest[next++];
  }
  FTabList = placed;
}

void TWinControl::GetChildren(std::vector<TComponent*>& children) const {
  children.insert(children.end(), FControls.begin(), FControls.end());
}

bool TWinControl::AcceptChild(TComponent* child) {
  auto* control = dynamic_cast<TControl*>(child);
  if (!control || !(ControlStyle() & csAcceptsControls)) return false;
  control->SetParent(this);
  return true;
}

std::wstring TWinControl::GetText() const {
  if (!FHandle) return FText;
  const int length = GetWindowTextLengthW(FHandle);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(FHandle, text.data(), length + 1);
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return text;
}

void TWinControl::SetText(const std::wstring& text) {
  FTextSet = true;
  if (text == GetText()) {
    FText = text;
    return;
  }
  FText = text;
  if (FHandle) SetWindowTextW(FHandle, text.c_str());
  Perform(CM_TEXTCHANGED);
}

int TWinControl::BevelSize() const {
  if (FBevelKind == TBevelKind::bkNone) return 0;
  int size = 0;
  if (FBevelInner != TBevelCut::bvNone) size += FBevelWidth;
  if (FBevelOuter != TBevelCut::bvNone) size += FBevelWidth;
  return size;
}

void TWinControl::SetBevelKind(TBevelKind kind) {
  if (kind == FBevelKind) return;
  FBevelKind = kind;
  RecreateWnd();
}

void TWinControl::SetBevelInner(TBevelCut cut) {
  if (cut == FBevelInner) return;
  FBevelInner = cut;
  RecreateWnd();
}

void TWinControl::SetBevelOuter(TBevelCut cut) {
  if (cut == FBevelOuter) return;
  FBevelOuter = cut;
  RecreateWnd();
}

void TWinControl::SetBevelEdges(std::uint32_t edges) {
  if (edges == FBevelEdges) return;
  FBevelEdges = edges;
  RecreateWnd();
}

void TWinControl::SetBevelWidth(int width) {
  if (width == FBevelWidth || width < 1) return;
  FBevelWidth = width;
  RecreateWnd();
}

void TWinControl::SetParentBackground(bool value) {
  if (value == FParentBackground) return;
  FParentBackground = value;
  Invalidate();
}

void TWinControl::NcCalcSizeBevel(TMessage& message) {
  // The bevel is the outermost ring: the platform lays out its border and scroll bars inside it.
  const int size = BevelSize();
  auto* r = reinterpret_cast<RECT*>(message.LParam);
  if (FBevelEdges & beLeft) r->left += size;
  if (FBevelEdges & beTop) r->top += size;
  if (FBevelEdges & beRight) r->right -= size;
  if (FBevelEdges & beBottom) r->bottom -= size;
  DefaultHandler(message);
}

void TWinControl::NcPaintBevel() {
  const int size = BevelSize();
  if (size == 0 || !FHandle) return;
  RECT window{};
  GetWindowRect(FHandle, &window);
  RECT r{0, 0, window.right - window.left, window.bottom - window.top};
  UINT edge = 0;
  if (FBevelInner == TBevelCut::bvLowered) edge |= BDR_SUNKENINNER;
  if (FBevelInner == TBevelCut::bvRaised) edge |= BDR_RAISEDINNER;
  if (FBevelOuter == TBevelCut::bvLowered) edge |= BDR_SUNKENOUTER;
  if (FBevelOuter == TBevelCut::bvRaised) edge |= BDR_RAISEDOUTER;
  UINT flags = 0;
  if (FBevelEdges & beLeft) flags |= BF_LEFT;
  if (FBevelEdges & beTop) flags |= BF_TOP;
  if (FBevelEdges & beRight) flags |= BF_RIGHT;
  if (FBevelEdges & beBottom) flags |= BF_BOTTOM;
  if (FBevelKind == TBevelKind::bkSoft) flags |= BF_SOFT;
  if (FBevelKind == TBevelKind::bkFlat) flags |= BF_FLAT;
  TWindowDC dc(FHandle, TWindowDC::Whole);
  DrawEdge(dc, &r, edge, flags);
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(paint);
}

void TWinControl::PaintHandler(TMessage& message) {
  bool windowless = false;
  for (TControl* c : FControls) {
    if (!c->IsWindowed() && c->Visible()) windowless = true;
  }
  if (!windowless && !CustomPaint()) {
    DefaultHandler(message);
    return;
  }
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  PAINTSTRUCT ps{};
  if (!dc) dc = BeginPaint(FHandle, &ps);
  PaintWindow(dc);
  PaintControls(dc, nullptr);
  if (!message.WParam) EndPaint(FHandle, &ps);
  message.Result = 0;
}

void TWinControl::ReflectToChild(TMessage& message, HWND child) {
  TWinControl* control = ControlOfWindow(child);
  if (control && control != this) {
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  } else {
    DefaultHandler(message);
  }
}

void TWinControl::RouteMouseToChild(TMessage& message) {
  const POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  TControl* target = FMouseCapture;
  if (!target) target = ControlAtPos(point, false);
  if (message.Msg == WM_MOUSEMOVE) {
    SetMouseControl(target ? target : this);
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, FHandle, 0};
    TrackMouseEvent(&track);
  }
  if (!target) {
    TControl::WndProc(message);
    return;
  }
  const bool down = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN ||
                    message.Msg == WM_MBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK;
  const bool up = message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP || message.Msg == WM_MBUTTONUP;
  if (down && (target->ControlStyle() & csCaptureMouse)) {
    FMouseCapture = target;
    SetCapture(FHandle);
  }
  const LPARAM local = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
  message.Result = target->Perform(message.Msg, message.WParam, local);
  if (up && FMouseCapture) {
    FMouseCapture = nullptr;
    if (GetCapture() == FHandle) ReleaseCapture();
  }
}

void TWinControl::MainWndProc(TMessage& message) {
  try {
    if (WindowProc) WindowProc(message);
    else WndProc(message);
  } catch (const Exception& e) {
    ShowDispatchError(e.Message());
  } catch (const std::exception& e) {
    ShowDispatchError(e.what());
  } catch (...) {
    ShowDispatchError("Unexpected error");
  }
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: PaintHandler(message); return;
    case WM_ERASEBKGND:
      if (FDefWndProc == DefWindowProcW) {
        RECT r{};
        GetClientRect(FHandle, &r);
        const TColor colour = FParentBackground && Parent() ? Parent()->Color() : Color();
        if (!FBackgroundBrush || FBackgroundBrushColor != colour) {
          FBackgroundBrush.Reset(CreateSolidBrush(ColorToRGB(colour)));
          FBackgroundBrushColor = colour;
        }
        FillRect(reinterpret_cast<HDC>(message.WParam), &r, FBackgroundBrush.Get());
        message.Result = 1;
        return;
      }
      break;
    case WM_COMMAND:
      if (message.LParam) {
        ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
        return;
      }
      break;
    case WM_NOTIFY: {
      if (IsNotifyHeaderPointer(message.LParam)) {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        ReflectToChild(message, header->hwndFrom);
        return;
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      if (item && item->CtlType != ODT_MENU) {
        ReflectToChild(message, item->hwndItem);
        return;
      }
      break;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam);
      if (item && item->CtlType != ODT_MENU) {
        ReflectToChild(message, GetDlgItem(FHandle, static_cast<int>(item->CtlID)));
        return;
      }
      break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (message.LParam) {
        ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
        return;
      }
      break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: ReflectToChild(message, reinterpret_cast<HWND>(message.LParam)); return;
    case CN_BASE + WM_CTLCOLORMSGBOX:
    case CN_BASE + WM_CTLCOLOREDIT:
    case CN_BASE + WM_CTLCOLORLISTBOX:
    case CN_BASE + WM_CTLCOLORBTN:
    case CN_BASE + WM_CTLCOLORDLG:
    case CN_BASE + WM_CTLCOLORSCROLLBAR:
    case CN_BASE + WM_CTLCOLORSTATIC: {
      const HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, ColorToRGB(Font()->Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      if (!FBackgroundBrush || FBackgroundBrushColor != Color()) {
        FBackgroundBrush.Reset(CreateSolidBrush(ColorToRGB(Color())));
        FBackgroundBrushColor = Color();
      }
      message.Result = reinterpret_cast<LRESULT>(FBackgroundBrush.Get());
      return;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(message.WParam) == FHandle && LOWORD(message.LParam) == HTCLIENT) {
        POINT p{};
        GetCursorPos(&p);
        ::ScreenToClient(FHandle, &p);
        TControl* over = ControlAtPos(p, false);
        const TCursor cursor = over && over->Cursor() != crDefault ? over->Cursor() : Cursor();
        if (cursor != crDefault) {
          ::SetCursor(CursorHandle(cursor));
          message.Result = 1;
          return;
        }
      }
      break;
    case WM_MOUSELEAVE:
      if (g_MouseControl == this || (g_MouseControl && g_MouseControl->Parent() == this && !g_MouseControl->IsWindowed()))
        SetMouseControl(nullptr);
      break;
    case WM_SETFOCUS:
      DefaultHandler(message);
      if (TCustomForm* form = GetParentForm(this); form && static_cast<TControl*>(form) != this)
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
      Perform(CM_ENTER);
      return;
    case WM_KILLFOCUS:
      DefaultHandler(message);
      Perform(CM_EXIT);
      return;
    case WM_SIZE:
    case WM_MOVE:
      DefaultHandler(message);
      UpdateBounds();
      if (message.Msg == WM_SIZE) Realign();
      return;
    case WM_NCCALCSIZE:
      if (FBevelKind != TBevelKind::bkNone) {
        NcCalcSizeBevel(message);
        return;
      }
      break;
    case WM_NCPAINT:
      if (FBevelKind != TBevelKind::bkNone) {
        DefaultHandler(message);
        NcPaintBevel();
        return;
      }
      break;
    case CM_RECREATEWND: {
      if (!FHandle) return;
      const bool focused = Focused();
      FRecreating = true;
      DestroyHandle();
      FRecreating = false;
      HandleNeeded();
      if (focused) ::SetFocus(FHandle);
      return;
    }
    case CM_DIALOGCHAR:
      Broadcast(message);
      return;
    case CM_FONTCHANGED:
      if (FHandle) {
        SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
        InvalidateRect(FHandle, nullptr, TRUE);
      }
      for (TControl* c : FControls) c->Perform(CM_PARENTFONTCHANGED);
      return;
    case CM_COLORCHANGED:
      Invalidate();
      for (TControl* c : FControls) c->Perform(CM_PARENTCOLORCHANGED);
      return;
    case CM_ENABLEDCHANGED:
      if (FHandle) EnableWindow(FHandle, Enabled());
      return;
    case CM_VISIBLECHANGED:
      if (FHandle) {
        if (Visible()) {
          // A window shown for the first time gets its place from alignment first.
          ShowWindow(FHandle, SW_SHOWNOACTIVATE);
        } else {
          ShowWindow(FHandle, SW_HIDE);
        }
      }
      return;
    case CM_TEXTCHANGED: return;
    default: break;
  }
  if (IsMouseMessage(message.Msg)) {
    RouteMouseToChild(message);
    return;
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  // Framework notifications never reach the platform's procedure.
  if (message.Msg >= CM_BASE && message.Msg < CN_BASE + 0x400) return;
  if (FHandle) message.Result = CallWindowProcW(FDefWndProc ? FDefWndProc : DefWindowProcW, FHandle, message.Msg,
                                                message.WParam, message.LParam);
}
