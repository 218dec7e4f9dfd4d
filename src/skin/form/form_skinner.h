// TWinSkinForm: takes over the non-client area of one top-level window (or MDI frame or
// child) and draws it from the skin: four border images, the caption band with the title
// text, and the window region cut from the border images. It also lists the control
// skinners of its window.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/skin_control.h"
#include "skin/form/caption_buttons.h"
#include "skin/form/caption_rules.h"
#include "skin/form/discovery.h"
#include "skin/form/frame_geometry.h"
#include "skin/form/menu_bar.h"
#include "skin/model/form_skinner_base.h"
#include "skin/model/skin_data.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/extctrls.h"
#include "ui/form.h"
#include "ui/gdi.h"
#include "ui/menus.h"
#include "ui/window_thunk.h"

// The hover timer's interval: leaving hot caption objects, hint times.
inline constexpr UINT kHoverInterval = 250;

// LifeState values.
enum TFormSkinState : int {
  fsAttached = 0,
  fsActive = 1,
  fsReskinning = 3,
  fsDestroying = 4,
  fsFitting = 5,
  fsGone = 6,
};

class TWinSkinForm : public TFormSkinnerBase, public ISkinnerHost {
  CORVANA_CLASS(TWinSkinForm)

public:
  // The owner is the framework form, or null for a bare window.
  explicit TWinSkinForm(TComponent* owner);
  ~TWinSkinForm() override;
  // Makes form skinners for the skin manager from now on.
  static void Register();

  HWND WindowHandle() const override { return Handle; }
  TSkinData* SkinDataOf() const override { return SkinData; }
  bool WindowGone() const override { return LifeState == fsGone; }
  bool IsMdiChild() const override { return MdiRole == mdiChild; }
  void Prepare(HWND window, const void* managerTag, const std::string& className) override;
  void AttachToForm(TSkinData* data, TCustomForm* form) override;
  void AttachToWindow(TSkinData* data) override;
  bool Hooked() const override { return FNewWndProc.Installed(); }
  void Activate();
  // Gives the window its own look back (the caller then repaints and frees the skinner).
  void Unskin() override;
  void ComputeFrameMetrics() override;
  void ReskinForm() override;
  void RepaintFrame() override { PaintFrame(nullptr); }
  void SizeGripCreated(HWND grip) override;
  // Paints the whole non-client area into dc, or into the window's own DC when dc is null.
  void PaintFrame(HDC dc);
  // Without redraw where the window was just resized and repaints anyway: setting a region
  // is a frame change, a second full repaint under some window systems.
  void UpdateWindowRegion(bool redraw = true);
  // Quiet: the window draws nothing for the change; its caller redraws it whole.
  void FitWindowToFrame(bool refresh, bool quiet = false);
  POINT ScreenToFrame(POINT screen) const;
  void CallPrevious(TMessage& message);
  void MdiChildStateChanged(bool) override {}

  // Caption buttons (caption_buttons.cpp).
  void BuildCaptionButtons();
  bool ButtonVisible(size_t index);
  // Visibility of every button and the width the right-aligned ones keep free.
  void UpdateCaptionButtons();
  void LayoutCaptionButtons();
  void DrawCaptionButtons(HDC dc);
  void DrawAppIcon(HDC dc, const RECT& bounds);
  // The first visible, acting button at a point in window coordinates.
  TWinSysButton* ButtonAt(POINT frame) const;
  void RunButtonAction(POINT screen);
  void ShowSystemMenu(POINT screen);
  void BuildSystemPopup();
  void Maximize();
  void Minimize();
  void Restore();
  // After a change of window state no caption button is hot or pressed any more.
  void ForgetButtonStates();
  bool HasCloseItem() const;
  void HoverTick();

  // Menus (menu_track.cpp): the bar item's popup tracked modally, true when it had one.
  bool OpenMenuItem(TMenuBtn* item);
  void PostMenuClick(TMenuBtn* item);
  TMenuBtn* FindAccelItem(wchar_t ch) const;
  void OwnerDrawMainMenus(TComponent* form, bool on);
  void OwnerDrawPopupMenus(TComponent* component, bool on);
  // An MDI frame whose active child is maximized.
  bool MdiChildMaximized() const;
  // One message of the menu loop while a bar popup is tracked; true uses it up.
  bool MenuLoopMessage(MSG& msg);

  bool AddControlSkinner(TSkinControl* skinner) override;
  void RemoveControlSkinner(TSkinControl* skinner) override;
  HWND HostWindow() const override { return Handle; }
  bool PaintsLater() const override { return PaintingLater; }
  // A scrolled control made its window anew: its scroll-bar skinner is replaced by a new one.
  void ReskinScroll(HWND oldWindow);
  const std::vector<TSkinControl*>& ControlSkinners() const { return FControlSkinners; }
  // Frees the skinners whose window is gone.
  void PurgeControlSkinners();

  TFrameMetrics Metrics() const {
    return TFrameMetrics{FrameLeft, FrameTop, FrameRight, FrameBottom, MenuBarHeight, SkinDpi()};
  }
  // The scale the skin in use was made for.
  int SkinDpi() const;
  bool WindowProcReplaced() const { return FNewWndProc.Installed(); }

  // What the control walk of the last activation chose (null before the first).
  const TControlDiscovery* Discovery() const { return FDiscovery.get(); }

  // State, in the order the skinner keeps it.
  std::wstring TitleSuffix = L"  ";
  std::wstring TitlePrefix = L" ";
  std::string ClassName;
  bool SavedMenuUpdate = false;
  bool FrameSkinned = false;
  RECT ClientSize{};
  int CaptionTextWidth = 0;
  RECT TitleTextRect{};
  int IconSize = 0;
  std::wstring WindowText;
  int FrameLeft = 0, FrameTop = 0, FrameRight = 0, FrameBottom = 0;
  RECT WindowRect{};
  RECT TextBackRect{};
  RECT PreSkinFrame{};
  int MenuBarHeight = 0;
  int ButtonCount = 0;
  bool MenuTracking = false;
  bool RightToLeft = false;
  bool Sizeable = false;
  bool UnicodeWindow = false;
  bool MessageDialog = false;
  bool IsChildWindow = false;
  HWND MdiClient = nullptr;
  HMENU OsMenu = nullptr;
  HMENU SystemMenu = nullptr;
  TColor SavedFormColor = 0;
  std::uint32_t StyleBits = 0;
  int RightButtonsReserve = 0;
  bool RegionOwned = false;
  TCustomForm* Form = nullptr;
  HWND Handle = nullptr;
  TSkinData* SkinData = nullptr;
  int WindowWidth = 0, WindowHeight = 0;
  int RegionWidth = 0, RegionHeight = 0;
  bool ActiveLook = true;
  TMdiRole MdiRole = mdiNone;
  TFrameKind FrameKind = fkSingle;
  int Caps = 0;
  TFrameWindowState WindowState = wsNormalState;
  int LifeState = fsAttached;
  // Set while a new skin is taken: the window and its controls are painted once at the end.
  bool PaintingLater = false;
  // The form's layout waits between taking the menu off and fitting the frame (HoldAlign).
  bool AlignHeld = false;
  // The attach took the visible style bit off (HideWhileSkinning); the activation gives it back.
  bool HiddenWhileSkinning = false;
  TSkinControl* HotControl = nullptr;
  const void* SkinManagerTag = nullptr;
  std::string WindowClassName;
  UINT DoubleClickTime = 0;
  std::vector<std::unique_ptr<TWinSysButton>> CaptionButtons;
  TNCObject* HotObject = nullptr;
  TOwned<TPopupMenu> SystemPopup;
  DWORD LastSystemMenuTime = 0;
  std::unique_ptr<TWinSkinMenu> MenuBar;
  HMENU TrackedMenu = nullptr;

  TCanvas& WorkCanvas() { return *FWorkCanvas; }
  TFont& CaptionFont() { return *FCaptionFont; }
  TBitmap& CaptionBitmap() { return FCaptionBitmap; }
  TBitmap& IconBitmap() { return FIconBitmap; }
  HRGN Region() const { return FRegion.Get(); }

private:
  void Attach(TSkinData* data);
  void ReadClassification();
  void FrameWndProc(TMessage& message);
  bool FrameStage1(TMessage& message, bool& passed);
  bool FrameStage2(TMessage& message);
  void FrameStage3(TMessage& message);
  void FormWindowProc(TMessage& message);
  void MdiClientWndProc(TMessage& message);
  void OnNcCalcSize(TMessage& message);
  void OnNcHitTest(TMessage& message);
  void OnNcPaint(TMessage& message);
  void OnNcActivate(TMessage& message);
  void OnSize(TMessage& message);
  void OnBackground(TMessage& message);
  void OnWindowText(TMessage& message);
  void ReadWindowState();
  void SetSysMenuStyle(bool remove);
  void ReapplyFrame();
  void HoldAlign();
  void ReleaseAlign();
  void NotifySkinned();
  void UnskinLight();
  void ReleaseHooks();
  void FreeControlSkinners(bool detach);
  void RestoreWindowProcs();
  std::wstring ReadWindowText() const;
  TCaptionContext CaptionContext() const;
  // The caption objects' part of the non-client mouse messages; false: not handled here.
  bool OnNcMouse(TMessage& message);
  void AddSystemItem(const std::wstring& caption, int tag, int image, bool enabled, bool checked,
                     std::function<void()> click);
  // Menu messages (menu_track.cpp); false: not handled here.
  bool OnMenuItemMessage(TMessage& message);
  bool OnKeyMenu(TMessage& message);
  // An accelerator typed in an owner-drawn popup: the item with that letter runs.
  bool OnMenuChar(TMessage& message);
  TMenuItem* FrameworkItemOf(UINT command, ULONG_PTR data) const;
  void OnDialogChar(TMessage& message);
  // The framework reported a rebuilt main menu.
  void OnMenuChanged();
  void CreateMenuBar();
  // Gives the window its own menu bar back and frees the skinned one.
  void ReleaseMenuBar(bool giveBack);
  // Owner-drawn types of a bar popup's items while it is tracked, and their texts.
  void OwnerDrawSubMenu(HMENU menu);
  void RestoreSubMenuTypes();
  struct TSavedItemType {
    HMENU Menu;
    UINT Position;
    UINT Type;
    std::wstring Text;
  };
  std::vector<TSavedItemType> FSavedTypes;
  std::map<UINT, std::wstring> FOsItemTexts;

  // Painting (form_frame_paint.cpp).
  void PaintBorderPiece(int side, const RECT& rect, HDC dc);
  void PaintCaptionBand(HDC dc);
  void DrawTitleText(TCanvas& canvas, const RECT& title);
  void MakeIconBitmap();

  TWndMethod FSavedFormWindowProc;
  TWindowProcInstance FNewWndProc;
  TWindowProcInstance FNewMdiClientProc;
  std::unique_ptr<TFont> FCaptionFont;
  TOwned<TTimer> FHoverTimer;
  std::unique_ptr<TCanvas> FWorkCanvas;
  std::unique_ptr<TCanvas> FControlCanvas;
  TBitmap FIconBitmap;
  TBitmap FCaptionBitmap;
  TRegionHandle FRegion;
  std::vector<TSkinControl*> FControlSkinners;
  std::unique_ptr<TControlDiscovery> FDiscovery;
  // The last rendering of each border piece: a frame paint that finds the same size and frame
  // copies it instead of building it again (dropped when the skin or its metrics change).
  struct TPieceCache {
    int Width = 0, Height = 0, Frame = 0;
    std::unique_ptr<TBitmap> Bitmap;
  };
  std::array<TPieceCache, 4> FPieces;
  // Per border: the picture has key pixels (1), has none (0), not looked at yet (-1).
  std::array<int, 4> FBorderKeyed{-1, -1, -1, -1};
  bool Keyed(int side);
  // Copies the top of a side border's last render into the caption band; false when there is
  // no render of the current size and look.
  bool CopyPieceTop(int side, HDC band, int x);
  // False once this skinner is destroyed: the modal menu loops hold a copy, since the form may
  // be freed inside them.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
  bool FSystemMenuOpen = false;
};

// A form skinner freed while its bar popup is tracked stops being the menu loop's tracker.
void ForgetMenuLoopTracker(TWinSkinForm* skinner);

// The outline of a picture's non-key pixels (key 0xFF00FF, a tolerance of 1 per channel) as a
// region moved by (x, y); null for an empty picture.
HRGN BitmapToRegion(TBitmap& bitmap, int x, int y);
// Whether any pixel of the picture is the key colour.
bool HasKeyPixels(TBitmap& bitmap);

// A picture of two frames stacked vertically drawn across target with unscaled end caps and
// the middle repeated, magenta transparent or opaque.
void DrawThreePart(HDC dc, const RECT& target, TBitmap& image, int frameCount, int frameIndex, int leftCap,
                   int rightCap, bool transparent);

// The open bar item of the menu loop (-1 when idle) and the form skinner tracking it.
int MenuLoopOpenIndex();
TWinSkinForm* MenuLoopTracker();

// A window's small icon, else its big one, else its class's small icon; null without any.
HICON SmallIconOf(HWND window);
