// TCustomForm and TForm: top-level windows with a caption, a main menu, focus handling,
// keyboard navigation, and showing modal or not.
#pragma once

#include <functional>
#include <optional>

#include "ui/wincontrol.h"

class TMainMenu;
class TMenuItem;

enum class TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TBorderIcon : std::uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject*, TCloseAction&)>;

inline constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7;

class TCustomForm : public TWinControl {
  CORVANA_CLASS(TCustomForm)

public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  void Show();
  int ShowModal();
  void Close();
  // Frees the form once the messages already queued for it have been handled.
  void Release();
  bool Active() const;

  std::uint32_t BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(std::uint32_t icons);
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState state);
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);
  // False while something else (a skin) draws the menu bar and took the menu off the window:
  // a changed menu is then built and reported (CM_MENUCHANGED) but not put back on the window,
  // which would shrink the client, lay it out, and grow and lay it out again.
  bool MenuOnWindow() const { return FMenuOnWindow; }
  void SetMenuOnWindow(bool value) { FMenuOnWindow = value; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool value) { FAutoScroll = value; }
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool value) { FKeyPreview = value; }
  int ModalResult() const { return FModalResult; }
  // Shown by ShowModal and not yet closed.
  bool Modal() const { return FInModal; }
  void SetModalResult(int result) { FModalResult = result; }
  HICON Icon() const { return FIcon; }
  // The window icon (not owned: shared icons from resources); none uses the application's.
  void SetIcon(HICON icon);
  int FormClientWidth() { return ClientWidth(); }
  int FormClientHeight() { return ClientHeight(); }
  void SetFormClientWidth(int value);
  void SetFormClientHeight(int value);

  // Moves the focus to the next (or previous) control in tab order.
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
  void FocusControl(TWinControl* control);
  // The menu item that a WM_COMMAND from the menu bar or a popup names, searched in the
  // form's menus.
  TMenuItem* FindMenuItem(UINT command);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  // After the form and its controls were taken to another scale while the form has its window
  // (WM_DPICHANGED, or ScaleForDpi on a shown form). CurrentDpi() is the new scale.
  TNotifyEvent OnDpiChanged;

  // Scales the form to dpi now; a form not scaled before it gets its window is scaled to the
  // system's scale then, and to its monitor's once the window exists.
  void ScaleForDpi(int dpi) override;

  // Runs OnCreate (after the form's description has been read).
  void DoCreate();

  RECT ClientRect() override;
  POINT ClientOrigin() override;
  bool Showing() const override;
  void SetClientSize(int width, int height) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void AfterCreateWnd() override;
  // The outer bounds at a scale: the client area scaled, the frame of that scale around it
  // (or the rectangle the system suggested with WM_DPICHANGED).
  RECT ScaledBounds(int dpi) override;
  void WndProc(TMessage& message) override;
  void BeforeDestruction() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

private:
  void ApplyPosition();
  void MenuChanged();
  bool DialogKey(WPARAM key);
  void ShowWindowNow();
  void DpiChangedMessage(TMessage& message);
  // The frame a window of this style has at a scale (client rectangle to outer rectangle).
  RECT FrameAt(int dpi);

  std::uint32_t FBorderIcons = biSystemMenu | biMinimize | biMaximize;
  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TPosition FPosition = TPosition::poDesigned;
  TWindowState FWindowState = TWindowState::wsNormal;
  TMainMenu* FMenu = nullptr;
  bool FMenuOnWindow = true;
  TWinControl* FActiveControl = nullptr;
  bool FAutoScroll = false;
  bool FKeyPreview = false;
  int FModalResult = mrNone;
  bool FPositioned = false;
  bool FInModal = false;
  HICON FIcon = nullptr;
  int FClientWidthStored = 0, FClientHeightStored = 0;
  bool FDpiScaled = false;
  bool FDpiFollowsMonitor = false;
  std::optional<RECT> FSuggestedRect;
  std::optional<SIZE> FClientAfterCreate;
};

class TForm : public TCustomForm {
  CORVANA_CLASS(TForm)

public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

TCustomForm* GetParentForm(TControl* control);
