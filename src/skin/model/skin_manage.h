// TSkinManage: the one object of the program that watches window creation and activation
// through a thread hook, decides which windows are taken over, owns their form skinners and
// runs the deferred skin-all, unskin-all and refresh actions. Form skinners themselves come
// from a factory that the form layer registers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/win32.h"
#include "skin/model/form_skinner_base.h"
#include "skin/model/popup_skinner_base.h"
#include "ui/extctrls.h"
#include "ui/skin_messages.h"

class TCustomForm;
class TSkinData;
class TSkinManage;

// Scheduled actions.
enum TSkinAction : int { saNone = 0, saSkinAll = 1, saUnskinAll = 2, saRefreshAll = 3 };

// ActivationCount while the manager is being destroyed.
inline constexpr int kManagerClosingCount = 4;
// The lParam of SKINMSG_ACTIVATE.
inline constexpr LPARAM kActivateParam = 1000;

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

  // Takes a window over when the rules allow: true when a form skinner was attached. Its
  // activation (discovery, frame fit, region) is posted, or run at once with activateNow.
  bool SkinWindow(HWND window, bool activateNow = false);
  // A form about to be shown is taken over while hidden, as its activation would take it over
  // once on the screen: the frame is fitted and the region set before anything is drawn, and
  // its first paint is the skinned one. Only while the thread's hook is in place.
  bool SkinBeforeShow(TCustomForm* form);
  // SkinWindow for a visible form without the child style.
  bool SkinForm(TCustomForm* form);
  TSkinData* ChooseSkinData(HWND window) const;
  bool WindowClassAllowed(HWND window, const std::string& cls);
  void SkinPopupMenu(HWND window);
  bool ReleasePopupMenu(HWND window);
  bool IsSkinnedPopup(HWND window) const;
  // The menu code's services over the popup skinners.
  void MarkAllPopups();
  // Gives the menu to the newest popup skinner that has none yet.
  void AssignPopupOwner(HMENU menu);
  // The background of the popup skinner that shows the menu; null when there is none.
  TBitmap* PopupBitmapOf(HMENU menu);
  void SetPopupSkinnerFactory(TPopupSkinnerFactory factory);
  const std::vector<std::unique_ptr<TPopupSkinnerBase>>& PopupSkinners() const { return FPopupSkinners; }
  // The popup whose frame was last painted without an owner menu.
  TPopupSkinnerBase* CurrentPopup = nullptr;
  // Every form skinner of PendingSkinData refreshes its skin.
  void RefreshUsers();
  void SetMdiMaximized(bool maximized);

  void SetFormSkinnerFactory(TFormSkinnerFactory factory);
  const std::vector<TFormSkinnerBase*>& FormSkinners() const { return FFormSkinners; }
  TFormSkinnerBase* FormSkinnerOf(HWND window) const;
  // Called by a form skinner that is being destroyed (not while the manager itself goes).
  void RemoveFormSkinner(TFormSkinnerBase* skinner);
  // Frees the form skinners whose window is gone.
  void Purge();

  // Sets the pending action; before the first activation SkinAll and UnskinAll only switch
  // Enabled, afterwards the timer runs the action after delay milliseconds.
  void Schedule(TSkinAction action, int delay);
  void RunScheduledAction();
  TTimer& Timer() { return *FTimer; }

  bool Enabled = false;
  // Attaches in progress (a form skinner asks while it attaches).
  int AttachState = 0;
  // Set by whoever wants windows hidden while they are skinned; nothing sets it by default.
  bool HideWhileSkinning = false;
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

private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void RunWindowAction(TSkinAction action, TSkinData* data);
  void UnskinOne(TFormSkinnerBase* skinner);
  void SizeGripCreated(HWND parent, HWND grip);
  bool PopupAllowed(HWND window);

  TOwned<TTimer> FTimer;
  std::vector<TSkinData*> FSkinDatas;
  TSkinData* FMainSkinData = nullptr;
  HHOOK FHook = nullptr;
  std::vector<TFormSkinnerBase*> FFormSkinners;
  // The skinners RefreshUsers gave a load of a component to: the scheduled RefreshAll that
  // follows only repaints their frames, as long as no other load came in between.
  std::vector<TFormSkinnerBase*> FFreshUsers;
  const TSkinData* FFreshData = nullptr;
  int FFreshGeneration = -1;
  TFormSkinnerFactory FFactory;
  std::vector<std::unique_ptr<TPopupSkinnerBase>> FPopupSkinners;
  TPopupSkinnerFactory FPopupFactory;
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
  using GetComboBoxInfoProc = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
  GetScrollBarInfoProc GetScrollBarInfo = nullptr;
  TrackMouseEventProc TrackMouseEvent = nullptr;
  GetComboBoxInfoProc GetComboBoxInfo = nullptr;
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
