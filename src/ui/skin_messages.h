// The window-message numbers the skin engine reserves, named in this one place.
#pragma once

#include "base/win32.h"

// Asked of a window before it is skinned; a skinned window (or an overlay the engine added)
// answers 1 and consumes it.
inline constexpr UINT SKINMSG_QUERY = 0x3523;
// wParam > 0 switches one skinner on (and redraws), wParam <= 0 off; never passed on.
inline constexpr UINT SKINMSG_SWITCH = 0x3506;
inline constexpr UINT SKINMSG_PAINTFRAME = 0x3502;
// Posted to a window right after its form skinner is attached (wParam 0, lParam 1000).
inline constexpr UINT SKINMSG_ACTIVATE = 0x3503;
inline constexpr UINT SKINMSG_BUTTONACTION = 0x3514;
inline constexpr UINT SKINMSG_BUTTONVISIBLE = 0x3515;
inline constexpr UINT SKINMSG_REDRAWMDI = 0x3516;
inline constexpr UINT SKINMSG_RESKINSCROLL = 0x3517;
inline constexpr UINT SKINMSG_MENUCLICK = 0x3518;
inline constexpr UINT SKINMSG_RESKIN = 0x3401;
// These three lie inside the framework's reflected range (0xBC00 + message): the framework
// never reflects WM_COPYDATA (0x4A), WM_CANCELJOURNAL (0x4B) or 0x4D, and SKINMSG_DONE is the
// same number as CN_NOTIFY, so every CN_NOTIFY handler checks its lParam with
// IsNotifyHeaderPointer first.
// To an edit with SKIN_MAGIC as lParam: paint into the DC of wParam; answered with SKIN_MAGIC.
inline constexpr UINT SKINMSG_PAINTEDIT = 0xBC4A;
inline constexpr UINT SKINMSG_PAINTNC = 0xBC4B;
inline constexpr UINT SKINMSG_PING = 0xBC4D;
inline constexpr UINT SKINMSG_DONE = 0xBC4E;
// The lParam that marks a skin message sharing a number with a framework message.
inline constexpr LPARAM SKIN_MAGIC = 0x41A2;

// Whether a CN_NOTIFY/WM_NOTIFY lParam can be a notification header: not the skin marker and
// not inside the lowest 64 KB, which never holds valid data.
inline bool IsNotifyHeaderPointer(LPARAM lParam) {
  return lParam != SKIN_MAGIC && static_cast<ULONG_PTR>(lParam) >= 0x10000;
}
