// The frame rules as plain arithmetic (integer division truncates toward zero throughout).
#include "skin/form/frame_geometry.h"

#include <algorithm>

namespace {
constexpr int kHitNowhere = 0;
constexpr int kHitCaption = 2;
constexpr int kHitMenu = 5;
// The top pixels stay the platform's: it answers nowhere there to let the border size.
constexpr int kCaptionHitStart = 3;
// Dialog frames carry no icon: their left-aligned text starts that much further left.
constexpr int kDialogIconRoom = 16;
constexpr int kRightToLeftTextShift = 10;
constexpr int kButtonGap = 5;
}  // namespace

TFrameKind FrameKindOf(std::uint32_t style, std::uint32_t exStyle, bool messageDialog) {
  TFrameKind kind = fkSingle;
  if ((style & kStyleCaption) != kStyleCaption) kind = fkNoCaption;
  else if (style & kStyleSizeBox) kind = fkSizeable;
  else if (style & kStyleModalFrame) kind = fkDialog;
  if (exStyle & kExDialogModalFrame) kind = fkDialog;
  if (messageDialog) kind = fkDialog;
  return kind;
}

int CaptionCapsOf(const TCapsInput& in) {
  int caps = 0;
  if ((in.Style & kStyleSysMenu) || in.SystemMenuKnown) caps |= capSystemMenu;
  if (in.Style & kStyleMinimizeBox) caps |= capMinimize;
  if (in.Style & kStyleMaximizeBox) caps |= capMaximize;
  if (in.ExStyle & kExContextHelp) caps |= capHelp;
  if (in.PlatformMajor >= 5 && in.PlatformMinor == 0 &&
      ((in.PlatformNT && (in.ExStyle & kExAppWindow)) || (!in.HasOwner && !(in.ExStyle & kExMdiChild))))
    caps |= capKeepSysMenuStyle;
  return caps;
}

TFrameWindowState WindowStateOfShowCommand(int showCommand) {
  switch (showCommand) {
    case 2:
    case 6:
    case 7: return wsMinimizedState;
    case 3: return wsMaximizedState;
    default: return wsNormalState;
  }
}

TFrameRect SkinnedClientRect(int x, int y, int cx, int cy, const TFrameMetrics& m) {
  return TFrameRect{x + m.Left, y + m.Top + m.MenuBar, x + cx - m.Right, y + cy - m.Bottom};
}

int SkinnedHitTest(int platformAnswer, int frameY, const TFrameMetrics& m) {
  if (platformAnswer != kHitNowhere && platformAnswer != kHitCaption) return platformAnswer;
  int answer = platformAnswer;
  if (frameY > ScaleByDpi(kCaptionHitStart, m.Dpi)) answer = kHitCaption;
  if (frameY > m.Top && m.MenuBar > 0) answer = kHitMenu;
  return answer;
}

TTitlePlacement PlaceTitleText(const TTitleLayout& in) {
  const TFrameRect& r = in.Title;
  TFrameRect t{r.Left, r.Top, r.Left + in.TextWidth + in.BackLeft + in.BackRight, r.Top + in.TextHeight};
  const int tw = t.Width(), rw = r.Width(), th = t.Height(), rh = r.Height();
  int x = 0;
  switch (in.Alignment) {
    case 0: x = in.TextShift; break;
    case 1: x = (rw - tw) / 2; break;
    case 2: x = rw - in.TextRightClip - tw; break;
    default: x = 0; break;
  }
  if (in.RightToLeft) {
    switch (in.Alignment) {
      case 0: x = rw - in.RightButtonsReserve - tw; break;
      case 1: x = (rw - tw - in.RightButtonsReserve) / 2; break;
      case 2: x = in.TextShift; break;
      default: break;
    }
  }
  const int y = (rh - th) / 2 + in.TextShiftVert / 2;
  t.Left += x;
  t.Right += x;
  t.Top += y;
  t.Bottom += y;
  if (in.RightToLeft && x <= 0) t.Left = in.TextShift;
  if (in.RightToLeft) {
    t.Left += ScaleByDpi(kRightToLeftTextShift, in.Dpi);
    t.Right += ScaleByDpi(kRightToLeftTextShift, in.Dpi);
  } else if (in.Popup) {
    const int gap = ScaleByDpi(kButtonGap, in.Dpi);
    if (r.Right - in.RightButtonsReserve - gap < t.Right && in.RightButtonsReserve > gap)
      t.Right = r.Right - in.RightButtonsReserve - gap;
  } else {
    t.Right = std::min(t.Right, r.Right - in.TextRightClip);
  }
  if (in.DialogFrame && in.Alignment == 0) t.Left -= ScaleByDpi(kDialogIconRoom, in.Dpi);
  TTitlePlacement placement;
  placement.Back = t;
  t.Left += in.BackLeft;
  t.Right -= in.BackRight;
  placement.Text = t;
  return placement;
}
