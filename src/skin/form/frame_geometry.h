// The geometry of a skinned frame as pure functions: frame kind and caption capabilities from
// the window's style, the client rectangle inside the skin borders, hit tests, and where the
// title text goes. No window calls, so the rules are tested quickly on their own.
#pragma once

#include <cstdint>

#include "base/scale.h"

struct TFrameRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TFrameRect&) const = default;
};

// Widths of the non-client parts taken from the skin's border images.
struct TFrameMetrics {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int MenuBar = 0;  // the band under the caption
  int Dpi = kDesignDpi;  // the scale the skin was made for; the rules' own lengths follow it
};

enum TFrameKind : int { fkSizeable = 0, fkSingle = 1, fkNoCaption = 2, fkDialog = 3 };
enum TCaptionCaps : int { capMaximize = 1, capMinimize = 2, capHelp = 4, capSystemMenu = 8, capKeepSysMenuStyle = 16 };
enum TFrameWindowState : int { wsNormalState = 0, wsMaximizedState = 1, wsMinimizedState = 2 };
enum TMdiRole : int { mdiNone = 0, mdiFrame = 1, mdiChild = 2 };

// Style bits the rules read (the platform's values).
inline constexpr std::uint32_t kStyleCaption = 0x00C00000;
inline constexpr std::uint32_t kStyleSizeBox = 0x00040000;
inline constexpr std::uint32_t kStyleSysMenu = 0x00080000;
inline constexpr std::uint32_t kStyleMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kStyleMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kStyleModalFrame = 0x80;
inline constexpr std::uint32_t kStylePopup = 0x80000000;
inline constexpr std::uint32_t kStyleChild = 0x40000000;
inline constexpr std::uint32_t kExDialogModalFrame = 0x1;
inline constexpr std::uint32_t kExMdiChild = 0x40;
inline constexpr std::uint32_t kExContextHelp = 0x400;
inline constexpr std::uint32_t kExAppWindow = 0x40000;
inline constexpr std::uint32_t kExLayoutRtl = 0x4000;  // the left-scroll-bar style: right-to-left

TFrameKind FrameKindOf(std::uint32_t style, std::uint32_t exStyle, bool messageDialog);

struct TCapsInput {
  std::uint32_t Style = 0, ExStyle = 0;
  bool SystemMenuKnown = false;
  int PlatformMajor = 0, PlatformMinor = 0;
  bool PlatformNT = true;
  bool HasOwner = false;
};
int CaptionCapsOf(const TCapsInput& input);

// Window state from a placement's show command.
TFrameWindowState WindowStateOfShowCommand(int showCommand);

// The client rectangle of a window at (x, y) of cx x cy inside the skin borders.
TFrameRect SkinnedClientRect(int x, int y, int cx, int cy, const TFrameMetrics& m);

// The hit-test answer: the platform's caption or nowhere becomes caption below the top 3
// pixels, and menu in the band under the caption; the platform's other answers stay.
int SkinnedHitTest(int platformAnswer, int frameY, const TFrameMetrics& m);

// Where the title text goes inside the title rectangle (the top band between the side
// borders, window coordinates).
struct TTitleLayout {
  TFrameRect Title;        // the rectangle the "Top" piece is drawn into
  int TextWidth = 0;       // measured text, single line
  int TextHeight = 0;
  int Alignment = 0;       // 0 left, 1 centre, 2 right
  int TextShift = 0;
  int TextShiftVert = 0;
  int TextRightClip = 0;
  int BackLeft = 0;        // end caps of the text background picture
  int BackRight = 0;
  int RightButtonsReserve = 0;
  bool RightToLeft = false;
  bool Popup = false;      // the window has the pop-up style
  bool DialogFrame = false;
  int Dpi = kDesignDpi;
};
struct TTitlePlacement {
  TFrameRect Back;  // the text background (TextBackRect)
  TFrameRect Text;  // where the text is drawn, with an ellipsis when it does not fit
};
TTitlePlacement PlaceTitleText(const TTitleLayout& in);
