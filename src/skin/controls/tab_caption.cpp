// Tab and header captions: icon and text placed by alignment, ellipsis for long texts.
#include "skin/controls/tab_caption.h"

#include <algorithm>

#include "skin/controls/skin_control.h"

namespace {
// How a caption is measured: one line or wrapped words, cut with an ellipsis.
constexpr UINT kMeasureFlags = DT_END_ELLIPSIS | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS;
}  // namespace

TCaptionPlacement PlaceCaption(const RECT& rect, TCaptionAlign align, int iconWidth, int textWidth, int textHeight) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int x = 3;
  if (align == TCaptionAlign::Centre) x = (width - iconWidth - textWidth) / 2;
  if (align == TCaptionAlign::Right) x = width - iconWidth - textWidth - 2;
  if (x < 2) x = 1;
  TCaptionPlacement p;
  if (iconWidth > 0) {
    p.IconLeft = rect.left + x;
    p.IconTop = rect.top + (height - iconWidth) / 2;
  }
  const int left = rect.left + x + iconWidth, top = rect.top + (height - textHeight) / 2;
  // The text never runs past the tab's right edge.
  p.Text = RECT{left, top, std::min<int>(left + textWidth, rect.right), top + textHeight};
  return p;
}

void DrawTabCaption(HDC dc, const RECT& rect, TCaptionAlign align, const TTabCaption& caption) {
  int cx = 0, cy = 0;
  const bool wantsIcon = caption.Images && caption.ImageIndex != -1;
  const bool iconFits = wantsIcon && ImageList_GetIconSize(caption.Images, &cx, &cy) && cx < rect.right - rect.left;
  if (!iconFits) cx = 0;
  RECT t = rect;
  if (wantsIcon) t.right += cx + 2;
  const UINT wrap = caption.WordBreak ? DT_WORDBREAK : 0;
  if (caption.Text.empty()) {
    t.right = t.left;
  } else {
    DrawTextAuto(dc, caption.Text, t, kMeasureFlags | wrap);
  }
  const TCaptionPlacement p = PlaceCaption(rect, align, cx, t.right - t.left, t.bottom - t.top);
  if (p.IconLeft >= 0) ImageList_Draw(caption.Images, caption.ImageIndex, dc, p.IconLeft, p.IconTop, ILD_TRANSPARENT);
  if (caption.Text.empty()) return;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour =
      SetTextColor(dc, ColorToRGB(caption.Enabled ? caption.Colour : kDisabledTextColour));
  RECT r = p.Text;
  DrawTextAuto(dc, caption.Text, r, caption.ReadingFlags | DT_END_ELLIPSIS | DT_EXPANDTABS | wrap);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}
