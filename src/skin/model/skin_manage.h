// TSkinManage: the one object of the program that watches window creation and activation
// through a thread hook and runs the deferred skin-all, unskin-all and refresh actions. The
// parts that take windows over belong to the form skinner, which plugs in as an extension.
#pragma once

#include <memory>
#include <vector>

#include "base/win32.h"
#include "ui/extctrls.h"

class TCustomForm;
class TSkinData;
class TSkinManage;

// Scheduled actions.
enum TSkinAction : int { saNone = 0, saSkinAll = 1, saUnskinAll = 2, saRefreshAll = 3 };

// ActivationCount while the manager is being destroyed.
inline constexpr int kManagerClosingCount = 4;
// Asked of a window before it is taken over; 1 means it is skinned already.
inline constexpr UINT SKINMSG_QUERY = 0x3523;
// Posted to a window right after its form skinner is attached (wParam 0, lParam 1000).
inline constexpr UINT SKINMSG_ACTIVATE = 0x3503;

// What the form skinner layer provides: taking windows and popup menus over, giving them
// back, and applying a scheduled action to the windows. Without one, the manager keeps its
// own state (Enabled, the pending action) and takes no window over.
class TSkinManageExtension {
public:
  virtual ~TSkinManageExtension() = default;
  // SkinWindow's rules after the Enabled check; true when the window was taken over.
  virtual bool SkinWindow(TSkinManage& manager, HWND window) = 0;
  virtual bool SkinForm(TSkinManage& manager, TCustomForm* form) = 0;
  virtual void SkinPopupMenu(TSkinManage& manager, HWND window) = 0;
  virtual bool ReleasePopupMenu(TSkinManage& manager, HWND window) = 0;
  // A size grip scroll bar is being created in parent.
  virtual void SizeGripCreated(TSkinManage& manager, HWND parent) = 0;
  // The window work of a scheduled action for data (Enabled is already set by the manager).
  virtual void RunAction(TSkinManage& manager, TSkinAction action, TSkinData* data) = 0;
  // Every form skinner of data refreshes its skin.
  virtual void RefreshUsers(TSkinManage& manager, TSkinData* data) = 0;
  // The manager is going away: detach and free every skinner.
  virtual void Shutdown(TSkinManage& manager) = 0;
};

class TSkinManage {
public:
  TSkinManage();
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  void Register(TSkinData* data);
  void Unregister(TSkinData* data);
  const std::vector<TSkinData*>& SkinDatas() const { return FSkinDatas; }
  TSkinData* MainSkinData() const { return FMainSkinData; }

  // Installs the thread's window hook (once).
  void InstallHook();
  bool HookInstalled() const { return FHook != nullptr; }

  bool SkinWindow(HWND window);
  bool SkinForm(TCustomForm* form);
  void SkinPopupMenu(HWND window);
  bool ReleasePopupMenu(HWND window);
  void RefreshUsers();

  // Sets the pending action; before the first activation SkinAll and UnskinAll only switch
  // Enabled, afterwards the timer runs the action after delay milliseconds.
  void Schedule(TSkinAction action, int delay);
  void RunScheduledAction();
  TTimer& Timer() { return *FTimer; }

  bool Enabled = false;
  bool Enumerating = false;
  int ActivationCount = 0;
  int PopupMode = 0;
  bool MenuBarPopup = false;
  bool MdiMaximized = false;
  TSkinAction PendingAction = saNone;
  TSkinData* PendingSkinData = nullptr;
  // The last action the timer ran and for which component (kept for the skinner layer and
  // for checks; the window work itself is the extension's).
  TSkinAction LastRunAction = saNone;
  TSkinData* LastRunSkinData = nullptr;

  // The form skinner layer's part; the manager does not own it.
  static void SetExtension(TSkinManageExtension* extension);
  static TSkinManageExtension* Extension();

private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

  TOwned<TTimer> FTimer;
  std::vector<TSkinData*> FSkinDatas;
  TSkinData* FMainSkinData = nullptr;
  HHOOK FHook = nullptr;
};

// The program's manager: null until the first skin component is loaded.
TSkinManage* SkinManager();
// Creates the manager when there is none; answers it.
TSkinManage& EnsureSkinManager();
// Frees the manager (program end); hook calls that still arrive are only passed on.
void FreeSkinManager();
// Set once the manager has been destroyed.
bool SkinShuttingDown();

// Platform entry points resolved by name, which may be missing.
struct TSkinPlatform {
  using GetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  using TrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  GetScrollBarInfoProc GetScrollBarInfo = nullptr;
  TrackMouseEventProc TrackMouseEvent = nullptr;
  HINSTANCE ModuleHandle = nullptr;
  bool IsNT = true;
};
// The program-wide platform state (resolved on first use, released at program end). Tests
// may clear an entry point to see the program without it.
TSkinPlatform& SkinPlatform();

// False when the platform has no "GetScrollBarInfo"; its answer otherwise.
bool GetScrollBarInfoSafe(HWND window, LONG objectId, SCROLLBARINFO& info);
// Asks for a mouse-leave notification when the platform offers "TrackMouseEvent".
void TrackMouseLeave(HWND window);
