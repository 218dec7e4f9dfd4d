// TApplication (the message loop, the title, the error handler, hints) and TScreen (the
// forms of the program).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/form.h"

class THintWindow;

class TApplication : public TComponent {
  CORVANA_CLASS(TApplication)

public:
  TApplication();
  ~TApplication() override;

  void Initialize();
  // Creates a form owned by the application; the first one becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    if (!FMainForm) FMainForm = form;
    return form;
  }
  TCustomForm* MainForm() const { return FMainForm; }
  void SetMainForm(TCustomForm* form) { FMainForm = form; }

  // Shows the main form and runs the message loop until it closes.
  void Run();
  // Handles every message waiting now, then returns.
  void ProcessMessages();
  // Waits for one message and handles it; false once the loop should end.
  bool HandleMessage();
  void Terminate();
  bool Terminated() const { return FTerminated; }

  std::wstring Title() const { return FTitle; }
  void SetTitle(const std::wstring& title);
  // The hidden application window (class "TApplication").
  HWND Handle() const { return FHandle; }
  HICON Icon() const { return FIcon; }
  void SetIcon(HICON icon);

  int HintPause = 500;
  int HintHidePause = 2500;
  int HintShortPause = 50;
  bool ShowHint = true;
  void CancelHint();

  // The error handler: a modal box with the message ("." appended when its last character
  // sorts after "."), the title as caption and the error icon. OnException replaces the box.
  void ShowException(const std::string& message);
  std::function<void(const std::string&)> OnException;
  // The text the error box shows for a message.
  static std::wstring ErrorBoxText(const std::string& message);

  // Sees every message the loops of the application take, before anything else does; a
  // handler that sets handled uses the message up.
  std::function<void(MSG&, bool& handled)> OnMessage;

  // Keyboard handling before a message is dispatched: navigation keys go to the form as
  // CM_DIALOGKEY, Alt+characters as CM_DIALOGCHAR. True when the message was used up.
  bool IsDialogMessageFor(MSG& msg);

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void ProcessMessage(MSG& msg);
  void HintMouseMessage(TControl* control);
  void HintTimer();

  HWND FHandle = nullptr;
  std::wstring FTitle;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  HICON FIcon = nullptr;
  THintWindow* FHintWindow = nullptr;
  TControl* FHintControl = nullptr;
  bool FHintShowing = false;
};

class TScreen {
public:
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int index) const { return FForms.at(static_cast<size_t>(index)); }
  TCustomForm* ActiveForm() const;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  // Called each time a form's window, made but hidden, is about to be shown: whoever restyles
  // windows does it here, before the window's first paint, not after it is on the screen.
  std::function<void(TCustomForm*)> OnFormShowing;

private:
  std::vector<TCustomForm*> FForms;
};

// The program's application object (null until one is made) and its screen.
TApplication* Application();
TScreen* Screen();

// Shows an error that left a dispatch method or event handler.
void ShowDispatchError(const std::string& message);
