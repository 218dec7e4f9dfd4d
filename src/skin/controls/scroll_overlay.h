// TWScrollbar: the small window laid exactly over one platform scroll bar that paints the skinned
// bar and hands presses back to the scrolled window, so the platform keeps doing the scrolling.
#pragma once

#include <cstdint>
#include <memory>

#include "base/win32.h"
#include "skin/controls/scroll_geometry.h"
#include "ui/graphics.h"

class TBitmap;
class TControl;
class TSkinControl;
class TSkinData;

// Overlay kinds.
inline constexpr std::uint8_t kHorzOverlay = 0;     // the horizontal bar of a window
inline constexpr std::uint8_t kVertOverlay = 1;     // the vertical bar of a window
inline constexpr std::uint8_t kControlOverlay = 2;  // a stand-alone scroll-bar control

// Builds the skinned bar in a width x height bitmap filled with face: the geometry says where the
// pieces go (its Thickness is the drawn thickness); the thumb is drawn only while it lies within
// extent along the axis. Null without a "Scrollbar" picture.
std::unique_ptr<TBitmap> RenderScrollBar(TSkinData& skin, const TScrollBarGeometry& geometry, int width, int height,
                                         bool enabled, int hotPart, bool pressed, int extent, TColor face);

class TWScrollbar {
public:
  TWScrollbar();
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  void AttachToControl(TSkinControl* skinner, TControl* control, std::uint8_t kind);
  void AttachToWindow(TSkinControl* skinner, HWND window, std::uint8_t kind);
  // Places the overlay over its bar, or hides it when the bar is not there.
  void UpdatePosition();
  void HideOverlay();
  TScrollPart HitTest(POINT point) const;
  // Moves the thumb with the cursor since the press.
  void DragThumb();
  // Paints now when shown and the bar looks different from its last paint.
  void Repaint();
  // The next repaint paints whatever it finds (a new skin).
  void ForgetLook() { FPainted = false; }
  void SetEnabled(bool enabled);
  // The bar's rectangle (screen), thumb span and state; false when there is none to be had.
  bool GetBarInfo(SCROLLBARINFO& info) const;
  HWND Window() const { return FWindow; }

  std::uint8_t Kind = kHorzOverlay;
  bool Vertical = false;
  int ArrowSize = 0;
  HWND Target = nullptr;
  TControl* TargetControl = nullptr;
  TSkinControl* Skinner = nullptr;
  int Length = 0;
  int ThumbStart = 0, ThumbEnd = 0;
  POINT Origin{};
  POINT PressCursor{};
  int PressThumbStart = 0;
  bool Pressed = false;
  int HotPart = spNone;
  RECT BarRect{};
  bool Shown = false;

private:
  static LRESULT CALLBACK OverlayProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  void Attach(TSkinControl* skinner, HWND target, std::uint8_t kind);
  void EnsureWindow(HWND parent);
  void Paint(HDC dc);
  void Press(POINT point);
  void Release(POINT point);
  void MouseMove(POINT point);
  TScrollBarGeometry Geometry(const RECT& bar, int thickness) const;

  // What the last paint showed, so a repaint that would draw the same is left out.
  struct TLook {
    RECT Bar{};
    int ThumbStart = 0, ThumbEnd = 0;
    DWORD State = 0;
    int HotPart = 0;
    bool Pressed = false;
    bool operator==(const TLook& o) const {
      return EqualRect(&Bar, &o.Bar) && ThumbStart == o.ThumbStart && ThumbEnd == o.ThumbEnd && State == o.State &&
             HotPart == o.HotPart && Pressed == o.Pressed;
    }
  };
  TLook LookOf(const SCROLLBARINFO& info) const;
  TLook FPaintedLook;
  bool FPainted = false;

  HWND FWindow = nullptr;
  // False once this overlay is destroyed; a press holds a copy across the platform's tracking,
  // inside which the overlay may be freed.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
  // WS_CLIPSIBLINGS given to a bare target so its own bar drawing stays under the overlay.
  bool FAddedClipSiblings = false;
};
