// Helpers for the menu tests: a frame-coded skin with menu pictures, a form with a main menu,
// and scripts that run step by step inside the modal menu loops.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_manage.h"
#include "ui/skin_messages.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

namespace menutest {

constexpr int kLeft = 6, kTop = 28, kRight = 7, kBottom = 4;
constexpr int kBarSeed = 30, kItemSeed = 40, kBackSeed = 50;
constexpr int kBarLeftCap = 9, kBarRightCap = 5;
constexpr int kItemFrameW = 14, kItemFrameH = 22, kItemMargin = 3;
constexpr int kBackSide = 24, kBackMargin = 5;
constexpr TColor kKey = RGB(255, 0, 255);
inline const TColor kBarText = RGB(10, 20, 30);
inline const TColor kHilight = RGB(250, 1, 2);
inline const TColor kButtonText = RGB(3, 150, 4);
inline const TColor kMenuText = RGB(5, 6, 160);

// Borders as in the frame tests; a two-frame menu-bar picture stacked vertically; five item
// frames side by side; a popup background whose top-left corner is magenta (cut out of the
// popup's region when transparent).
inline TTestSkin MenuSkin(bool withItemPictures = true, int backgroundTrans = 1) {
  TTestSkin skin;
  skin.Strip("left.bmp", 2, kLeft, 30, 1);
  skin.Strip("right.bmp", 2, kRight, 30, 2);
  skin.Strip("top.bmp", 2, 80, kTop, 3, true);
  skin.Strip("bottom.bmp", 2, 80, kBottom, 4, true);
  skin.Strip("bar.bmp", 2, 40, 17, kBarSeed, true);
  std::string ini =
      "[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\nRightFrame=2\r\nTop=top.bmp\r\n"
      "TopFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\nmenuBar=bar.bmp\r\nTileMenu=1\r\nTileLeftMenu=" +
      std::to_string(kBarLeftCap) + "\r\nTileRightMenu=" + std::to_string(kBarRightCap) +
      "\r\n[Colours]\r\nMenuBarText=10 20 30\r\nButtonHilight=250 1 2\r\nButtonText=3 150 4\r\nMenuText=5 6 160\r\n";
  if (withItemPictures) {
    skin.Strip("item.bmp", 5, kItemFrameW, kItemFrameH, kItemSeed);
    skin.Picture("back.bmp", kBackSide, kBackSide,
                 [](int x, int y) { return x < 2 && y < 2 ? kKey : FrameColour(kBackSeed, 1); });
    ini += "[MenuItem]\r\nImage=item.bmp\r\nLeftWidth=" + std::to_string(kItemMargin) +
           "\r\nRightWidth=3\r\nTopHeight=2\r\nBottomHeight=2\r\n[MenuBackground]\r\nImage=back.bmp\r\nLeftWidth=" +
           std::to_string(kBackMargin) + "\r\nTopHeight=5\r\nRightWidth=5\r\nBottomHeight=5\r\nTrans=" +
           std::to_string(backgroundTrans) + "\r\n";
  }
  skin.Ini(ini);
  return skin;
}

// The innermost visible popup menu window of the thread.
inline HWND OpenPopup() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM out) -> BOOL {
        wchar_t cls[16]{};
        GetClassNameW(w, cls, 16);
        if (!IsWindowVisible(w) || std::wstring(cls) != L"#32768") return TRUE;
        *reinterpret_cast<HWND*>(out) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Steps run one per timer tick, also inside the modal menu loops (which dispatch timers).
inline std::deque<std::function<void()>>& Script() {
  static std::deque<std::function<void()>> steps;
  return steps;
}

inline void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
  if (Script().empty()) return;
  auto step = std::move(Script().front());
  Script().pop_front();
  step();
}

// Starts the script, runs trigger, and handles messages until the script is done and no menu
// is open (at most a few seconds; a menu still open then is ended).
inline bool RunScript(std::function<void()> trigger, int tickMs = 120) {
  const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(tickMs), RunStep);
  trigger();
  for (int waited = 0; waited < 8000; waited += 20) {
    PumpMessages(20);
    if (Script().empty() && !OpenPopup()) break;
  }
  const bool finished = Script().empty();
  Script().clear();
  KillTimer(nullptr, timer);
  if (OpenPopup()) EndMenu();
  PumpMessages(50);
  return finished;
}

inline void Key(WPARAM key) {
  const HWND popup = OpenPopup();
  if (popup) PostMessageW(popup, WM_KEYDOWN, key, 0);
}

// A picture of the whole window frame painted into memory.
inline std::unique_ptr<TBitmap> PaintedFrame(HWND window) {
  RECT w{};
  GetWindowRect(window, &w);
  auto picture = std::make_unique<TBitmap>(w.right - w.left, w.bottom - w.top);
  SendMessageW(window, SKINMSG_PAINTNC, reinterpret_cast<WPARAM>(picture->Canvas().Handle()), SKIN_MAGIC);
  return picture;
}

// The popup's client painted into memory through WM_PRINTCLIENT (which the platform never
// sends to menu windows itself).
inline std::unique_ptr<TBitmap> PrintedPopup(HWND popup) {
  RECT r{};
  GetWindowRect(popup, &r);
  auto picture = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
  SendMessageW(popup, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture->Canvas().Handle()), PRF_CLIENT);
  return picture;
}

// An item's rectangle in the popup's window coordinates.
inline RECT ItemRectInPopup(HWND popup, HMENU menu, int position) {
  RECT item{}, window{};
  GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &item);
  GetWindowRect(popup, &window);
  OffsetRect(&item, -window.left, -window.top);
  return item;
}

inline bool AnyPixel(TBitmap& b, const RECT& r, TColor colour) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (PixelAt(b, x, y) == ColorToRGB(colour)) return true;
    }
  }
  return false;
}

}  // namespace menutest
