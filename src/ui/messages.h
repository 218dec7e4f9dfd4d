// The message record of the framework and the numbers of its own notifications.
#pragma once

#include <functional>

#include "base/win32.h"

// One message as it travels through a control's dispatch method; a handler sets Result.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// A control's replaceable dispatch method. A skinner saves the current one and installs its
// own; every window message and every framework notification of the control passes it.
using TWndMethod = std::function<void(TMessage&)>;

// Framework notifications. They are delivered through the dispatch method (Perform), never
// posted to windows, so their numbers only have to stay clear of the platform's. The numbers
// are fixed: skinners and applications compare against them.
//
//   CM_ACTIVATE          0xB000  a form became the active form
//   CM_DEACTIVATE        0xB001  a form stopped being the active form
//   CM_GOTFOCUS          0xB002  (reserved)
//   CM_LOSTFOCUS         0xB003  (reserved)
//   CM_CANCELMODE        0xB004  a modal loop or capture should end
//   CM_DIALOGKEY         0xB005  a navigation key (Tab, Enter, Esc, arrows) nobody else took;
//                                wParam = virtual key; Result non-zero = handled
//   CM_DIALOGCHAR        0xB006  an Alt+character (accelerator); wParam = character code
//   CM_FOCUSCHANGED      0xB007  to a form: the focused control changed; lParam = the control
//   CM_PARENTFONTCHANGED 0xB008  the parent's font changed (controls with ParentFont follow)
//   CM_PARENTCOLORCHANGED 0xB009 the parent's colour changed (controls with ParentColor follow)
//   CM_HITTEST           0xB00A  (reserved)
//   CM_VISIBLECHANGED    0xB00B  Visible changed; wParam = new value (0/1)
//   CM_ENABLEDCHANGED    0xB00C  Enabled changed
//   CM_COLORCHANGED      0xB00D  Color changed
//   CM_FONTCHANGED       0xB00E  Font changed
//   CM_CURSORCHANGED     0xB00F  Cursor changed
//   CM_CTL3DCHANGED      0xB010  (reserved)
//   CM_PARENTCTL3DCHANGED 0xB011 (reserved)
//   CM_TEXTCHANGED       0xB012  Caption/Text changed
//   CM_MOUSEENTER        0xB013  the mouse entered the control
//   CM_MOUSELEAVE        0xB014  the mouse left the control
//   CM_MENUCHANGED       0xB015  to a form: its main menu was rebuilt
//   CM_APPKEYDOWN        0xB016  (reserved)
//   CM_APPSYSCOMMAND     0xB017  (reserved)
//   CM_BUTTONPRESSED     0xB018  (reserved)
//   CM_SHOWINGCHANGED    0xB019  a windowed control's showing state changed
//   CM_ENTER             0xB01A  the control received the focus
//   CM_EXIT              0xB01B  the control lost the focus
//   CM_DESIGNHITTEST     0xB01C  (reserved)
//   CM_ICONCHANGED       0xB01D  the application icon changed
//   CM_WANTSPECIALKEY    0xB01E  (reserved)
//   CM_INVOKEHELP        0xB01F  (reserved)
//   CM_WINDOWHOOK        0xB020  (reserved)
//   CM_RELEASE           0xB021  a form asks to be freed (posted to its window)
//   CM_SHOWHINTCHANGED   0xB022  ShowHint changed
//   CM_PARENTSHOWHINTCHANGED 0xB023 (reserved)
//   CM_SYSCOLORCHANGE    0xB024  system colours changed
//   CM_WININICHANGE      0xB025  (reserved)
//   CM_FONTCHANGE        0xB026  (reserved)
//   CM_TIMECHANGE        0xB027  (reserved)
//   CM_TABSTOPCHANGED    0xB028  TabStop changed
//   CM_UIACTIVATE        0xB029  (reserved)
//   CM_UIDEACTIVATE      0xB02A  (reserved)
//   CM_DOCWINDOWACTIVATE 0xB02B  (reserved)
//   CM_CONTROLLISTCHANGE 0xB02C  a control was added to or removed from a parent
//   CM_GETDATALINK       0xB02D  (reserved)
//   CM_CHILDKEY          0xB02E  (reserved)
//   CM_DRAG              0xB02F  (reserved)
//   CM_HINTSHOW          0xB030  a hint is about to show
//   CM_DIALOGHANDLE      0xB031  (reserved)
//   CM_ISTOOLCONTROL     0xB032  (reserved)
//   CM_RECREATEWND       0xB033  the control's window is to be destroyed and created again
//   CM_INVALIDATE        0xB034  (reserved)
//   CM_SYSFONTCHANGED    0xB035  (reserved)
//   CM_CONTROLCHANGE     0xB036  to a parent: a child's bounds changed; wParam = the child
//   CM_CHANGED           0xB037  (reserved)
//   CM_DPICHANGED        0xB038  the control was taken to another scale; wParam = new pixels
//                                per inch, lParam = old (its bounds and font are already scaled)
//
// Reflected notifications: a parent that receives WM_COMMAND, WM_NOTIFY, WM_DRAWITEM,
// WM_MEASUREITEM, WM_*SCROLL or WM_CTLCOLOR* for a framework child sends it on to that child's
// dispatch method as CN_BASE + the message number (CN_COMMAND 0xBD11, CN_NOTIFY 0xBC4E,
// CN_VSCROLL 0xBD15 ...); the child's answer becomes the parent's.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
inline constexpr UINT CM_CANCELMODE = CM_BASE + 4;
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
inline constexpr UINT CM_ENTER = CM_BASE + 26;
inline constexpr UINT CM_EXIT = CM_BASE + 27;
inline constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
inline constexpr UINT CM_RELEASE = CM_BASE + 33;
inline constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
inline constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
inline constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
inline constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
inline constexpr UINT CM_HINTSHOW = CM_BASE + 48;
inline constexpr UINT CM_RECREATEWND = CM_BASE + 51;
inline constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
inline constexpr UINT CM_DPICHANGED = CM_BASE + 56;

inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
