// The skin manager: registration of skin components, the thread's window hook, the
// scheduling timer, and the program-wide skin state.
#include "skin/model/skin_manage.h"

#include <algorithm>
#include <cstring>

#include "skin/model/skin_data.h"
#include "ui/application.h"
#include "ui/form.h"

namespace {

// Hook codes of the computer-based-training hook.
constexpr int kHookCreate = HCBT_CREATEWND;
constexpr int kHookDestroy = HCBT_DESTROYWND;
constexpr int kHookActivate = HCBT_ACTIVATE;
// Style bit of a scroll bar that is a size grip.
constexpr LONG kSizeGripStyle = 0x10;

struct TManagerState {
  std::unique_ptr<TSkinManage> Manager;
  bool ShuttingDown = false;
  ~TManagerState() {
    // At program end, if nobody freed the manager before: the statics its timer needs may be
    // gone already, so it is left to the process's end; late hook calls are only passed on.
    ShuttingDown = true;
    (void)Manager.release();
  }
};

TManagerState& State() {
  static TManagerState state;
  return state;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

}  // namespace

TSkinManage::TSkinManage() : FTimer(new TTimer(nullptr)) {
  FTimer->SetEnabled(false);
  FTimer->SetInterval(100);
  FTimer->OnTimer = [this](TObject*) { RunScheduledAction(); };
}

TSkinManage::~TSkinManage() {
  ActivationCount = kManagerClosingCount;
  Enabled = false;
  FTimer.reset();
  // Every form skinner is detached for good: a window that still exists gets its own look back.
  for (TFormSkinnerBase* skinner : std::vector<TFormSkinnerBase*>(FFormSkinners)) {
    if (!skinner->WindowGone()) skinner->Unskin();
    skinner->Free();
  }
  FFormSkinners.clear();
  CurrentPopup = nullptr;
  for (const auto& popup : FPopupSkinners) popup->Detach();
  FPopupSkinners.clear();
  FSkinDatas.clear();
  FMainSkinData = nullptr;
  PendingSkinData = nullptr;
  if (FHook) UnhookWindowsHookEx(FHook);
  FHook = nullptr;
  State().ShuttingDown = true;
}

void TSkinManage::Register(TSkinData* data) {
  if (!data || std::find(FSkinDatas.begin(), FSkinDatas.end(), data) != FSkinDatas.end()) return;
  FSkinDatas.push_back(data);
  if (!FMainSkinData && data->SkinFormtype() == sfMainform) FMainSkinData = data;
}

void TSkinManage::Unregister(TSkinData* data) {
  FSkinDatas.erase(std::remove(FSkinDatas.begin(), FSkinDatas.end(), data), FSkinDatas.end());
  if (FMainSkinData == data) FMainSkinData = nullptr;
  // A freed component must not be used by a timer that is still to fire.
  if (PendingSkinData == data) PendingSkinData = nullptr;
  if (LastRunSkinData == data) LastRunSkinData = nullptr;
}

void TSkinManage::InstallHook() {
  if (FHook) return;
  FHook = SetWindowsHookExW(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
  // Forms are taken over before they are shown; the activation still takes every other window.
  Screen()->OnFormShowing = [](TCustomForm* form) {
    TManagerState& state = State();
    if (state.ShuttingDown || !state.Manager) return;
    // As in the hook: a failing skinner leaves the window with its own look.
    try {
      state.Manager->SkinBeforeShow(form);
    } catch (...) {
    }
  };
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  TManagerState& state = State();
  TSkinManage* self = state.Manager.get();
  const HHOOK hook = self ? self->FHook : nullptr;
  if (state.ShuttingDown || !self || code < 0) return CallNextHookEx(hook, code, wParam, lParam);
  const HWND window = reinterpret_cast<HWND>(wParam);
  // Nothing may leave a hook procedure; a failing skinner leaves the window with its own look.
  try {
    if (code == kHookCreate) {
      const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
      const CREATESTRUCTW* cs = create ? create->lpcs : nullptr;
      if (cs) {
        const std::wstring cls = ClassNameOf(window);
        if (cls == L"ScrollBar" && (cs->style & kSizeGripStyle) && cs->hwndParent)
          self->SizeGripCreated(cs->hwndParent, window);
        if (!(cs->style & WS_CHILD) && cls == L"#32768") self->SkinPopupMenu(window);
        if (cs->dwExStyle & WS_EX_MDICHILD) self->SkinWindow(window);
      }
    } else if (code == kHookDestroy) {
      self->ReleasePopupMenu(window);
    } else if (code == kHookActivate) {
      if (self->ActivationCount == 0) self->ActivationCount = 1;
      self->SkinWindow(window);
    }
  } catch (...) {
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

void TSkinManage::SkinPopupMenu(HWND window) {
  if (!FPopupFactory || IsSkinnedPopup(window) || !PopupAllowed(window)) return;
  std::unique_ptr<TPopupSkinnerBase> skinner = FPopupFactory();
  if (!skinner) return;
  skinner->Attach(window, ChooseSkinData(window), nullptr);
  skinner->MenuBarMark = MenuBarPopup;
  FPopupSkinners.push_back(std::move(skinner));
}

bool TSkinManage::ReleasePopupMenu(HWND window) {
  bool released = false;
  for (auto it = FPopupSkinners.begin(); it != FPopupSkinners.end(); ++it) {
    if ((*it)->Window != window) continue;
    if (CurrentPopup == it->get()) CurrentPopup = nullptr;
    (*it)->Detach();
    FPopupSkinners.erase(it);
    released = true;
    break;
  }
  if (FPopupSkinners.empty()) {
    MenuBarPopup = false;
    PopupMode = 0;
  }
  return released;
}

bool TSkinManage::IsSkinnedPopup(HWND window) const {
  for (const auto& skinner : FPopupSkinners) {
    if (skinner->Window == window) return true;
  }
  return false;
}

void TSkinManage::MarkAllPopups() {
  for (const auto& skinner : FPopupSkinners) skinner->MenuBarMark = true;
}

void TSkinManage::AssignPopupOwner(HMENU menu) {
  if (!menu) return;
  for (const auto& skinner : FPopupSkinners) {
    if (skinner->OwnerMenu == menu) return;
  }
  for (auto it = FPopupSkinners.rbegin(); it != FPopupSkinners.rend(); ++it) {
    if (!(*it)->OwnerMenu) {
      (*it)->OwnerMenu = menu;
      return;
    }
  }
}

TBitmap* TSkinManage::PopupBitmapOf(HMENU menu) {
  for (const auto& skinner : FPopupSkinners) {
    if (menu && skinner->OwnerMenu == menu) return &skinner->Background;
  }
  return nullptr;
}

void TSkinManage::SetPopupSkinnerFactory(TPopupSkinnerFactory factory) { FPopupFactory = std::move(factory); }

void TSkinManage::Schedule(TSkinAction action, int delay) {
  PendingAction = action;
  FTimer->SetInterval(delay);
  if (ActivationCount == 0) {
    // No window was activated yet: the hook takes each window over as it is activated.
    if (action == saSkinAll) Enabled = true;
    if (action == saUnskinAll) Enabled = false;
    return;
  }
  FTimer->SetEnabled(true);
}

void TSkinManage::RunScheduledAction() {
  FTimer->SetEnabled(false);
  TSkinData* data = PendingSkinData;
  if (!data) return;
  const TSkinAction action = PendingAction;
  if (action == saSkinAll) Enabled = true;
  if (action == saUnskinAll) Enabled = false;
  LastRunAction = action;
  LastRunSkinData = data;
  RunWindowAction(action, data);
  data->DoSkinChanged();
  PendingSkinData = nullptr;
}

TSkinManage* SkinManager() {
  return State().Manager.get();
}

TSkinManage& EnsureSkinManager() {
  TManagerState& state = State();
  if (!state.Manager) {
    state.ShuttingDown = false;
    state.Manager = std::make_unique<TSkinManage>();
  }
  return *state.Manager;
}

void FreeSkinManager() {
  State().Manager.reset();
}

bool SkinShuttingDown() {
  return State().ShuttingDown;
}

namespace {

struct TPlatformLibrary {
  TSkinPlatform Platform;
  HMODULE User = nullptr;
  TPlatformLibrary() {
    Platform.ModuleHandle = GetModuleHandleW(nullptr);
    // The high bit of the version word marks the old non-NT family.
    Platform.IsNT = (GetVersion() & 0x80000000u) == 0;
    User = LoadLibraryW(L"user32.dll");
    if (User) {
      Platform.GetScrollBarInfo = Entry<TSkinPlatform::GetScrollBarInfoProc>("GetScrollBarInfo");
      Platform.TrackMouseEvent = Entry<TSkinPlatform::TrackMouseEventProc>("TrackMouseEvent");
      Platform.GetComboBoxInfo = Entry<TSkinPlatform::GetComboBoxInfoProc>("GetComboBoxInfo");
    }
  }
  // Through the generic function pointer type, which converts to any other without a warning.
  template <class Proc>
  Proc Entry(const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(User, name)));
  }
  ~TPlatformLibrary() {
    if (User) FreeLibrary(User);
  }
};

}  // namespace

TSkinPlatform& SkinPlatform() {
  static TPlatformLibrary library;
  return library.Platform;
}

bool GetScrollBarInfoSafe(HWND window, LONG objectId, SCROLLBARINFO& info) {
  const auto proc = SkinPlatform().GetScrollBarInfo;
  if (!proc) return false;
  return proc(window, objectId, &info) != FALSE;
}

void TrackMouseLeave(HWND window) {
  const auto proc = SkinPlatform().TrackMouseEvent;
  if (!proc) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;  // 16 bytes on the 32-bit platform the record was made for
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window;
  proc(&track);
}
