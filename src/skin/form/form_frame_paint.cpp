// Painting the skinned frame: the border pieces, the caption band composed off screen with the
// title text, and the small icon.
#include <algorithm>

#include "skin/form/form_skinner.h"
#include "skin/model/skin_draw.h"

namespace {

constexpr TColor kKey = 0xFF00FF;
constexpr UINT kTitleFormat = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_VCENTER;
constexpr UINT kTitleFormatRtl = kTitleFormat | DT_RIGHT | DT_RTLREADING;

RECT ToRect(const TFrameRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

void DrawThreePart(HDC dc, const RECT& target, TBitmap& image, int frameCount, int frameIndex, int leftCap,
                   int rightCap, bool transparent) {
  const int w = target.right - target.left, h = target.bottom - target.top;
  if (w <= 0 || h <= 0 || image.Empty() || frameCount < 1) return;
  const int frameHeight = image.Height() / frameCount;
  const int frameTop = (frameIndex - 1) * frameHeight;
  TBitmap work(w, h);
  HDC to = work.Canvas().Handle();
  HDC from = image.Canvas().Handle();
  SetStretchBltMode(to, COLORONCOLOR);
  {
    TBrushHandle key(CreateSolidBrush(kKey));
    RECT all{0, 0, w, h};
    FillRect(to, &all, key.Get());
  }
  StretchBlt(to, 0, 0, leftCap, h, from, 0, frameTop, leftCap, frameHeight, SRCCOPY);
  const int middle = image.Width() - leftCap - rightCap;
  if (middle > 0) {
    for (int x = leftCap; x < w - rightCap; x += middle)
      StretchBlt(to, x, 0, std::min(middle, w - rightCap - x), h, from, leftCap, frameTop,
                 std::min(middle, w - rightCap - x), frameHeight, SRCCOPY);
  }
  StretchBlt(to, w - rightCap, 0, rightCap, h, from, image.Width() - rightCap, frameTop, rightCap, frameHeight,
             SRCCOPY);
  if (transparent) DrawKeyed(dc, target, work, kKey);
  else BitBlt(dc, target.left, target.top, w, h, to, 0, 0, SRCCOPY);
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!SkinWorkBitmap() || (LifeState != fsActive && LifeState != fsReskinning) || FrameKind == fkNoCaption ||
      (MdiRole == mdiChild && WindowState == wsMaximizedState) || !SkinData || SkinData->SkinPending())
    return;
  std::unique_ptr<TWindowDC> own;
  if (!dc) {
    own = std::make_unique<TWindowDC>(Handle, TWindowDC::Whole);
    dc = own->Get();
  }
  try {
    GetWindowRect(Handle, &WindowRect);
    WindowWidth = WindowRect.right - WindowRect.left;
    WindowHeight = WindowRect.bottom - WindowRect.top;
    const int w = WindowWidth, h = WindowHeight;
    if (WindowState == wsMinimizedState) {
      PaintCaptionBand(dc);
    } else {
      PaintBorderPiece(kBorderLeft, RECT{0, 0, FrameLeft, h}, dc);
      PaintBorderPiece(kBorderRight, RECT{w - FrameRight, 0, w, h}, dc);
      PaintBorderPiece(kBorderBottom, RECT{FrameLeft, h - FrameBottom, w - FrameRight, h}, dc);
      PaintCaptionBand(dc);
      if (MenuBarHeight > 0) {
        RECT band{FrameLeft, FrameTop, w - FrameRight, FrameTop + MenuBarHeight};
        if (MenuBar) MenuBar->PaintMenuBar(dc, band);
        else FillRect(dc, &band, SkinData->FaceBrush());
      }
    }
  } catch (...) {
    // A frame that cannot be painted leaves the window usable.
  }
}

void TWinSkinForm::PaintBorderPiece(int side, const RECT& rect, HDC dc) {
  if (rect.right < 0 || rect.bottom < 0 || rect.right <= rect.left || rect.bottom <= rect.top) return;
  TDataSkinBorder& border = *SkinData->Borders[static_cast<size_t>(side)];
  const bool vertical = side == kBorderTop || side == kBorderBottom;
  const int frame = ActiveLook || border.Frame == 1 ? 1 : 2;
  const int tile = border.Tile == 1 ? 0 : 1;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  TPieceCache& cache = FPieces[static_cast<size_t>(side) % FPieces.size()];
  if (!cache.Bitmap || cache.Width != w || cache.Height != h || cache.Frame != frame) {
    cache.Bitmap = RenderSkinFrame(w, h, border.Image, border.Margins(), vertical, tile, std::max(1, border.Frame), frame);
    cache.Width = w;
    cache.Height = h;
    cache.Frame = frame;
  }
  TBitmap* piece = cache.Bitmap.get();
  if (!piece || piece->Empty()) return;
  BitBlt(dc, rect.left, rect.top, piece->Width(), piece->Height(), piece->Canvas().Handle(), 0, 0, SRCCOPY);
}

bool TWinSkinForm::CopyPieceTop(int side, HDC band, int x) {
  const TPieceCache& cache = FPieces[static_cast<size_t>(side) % FPieces.size()];
  const TDataSkinBorder& border = *SkinData->Borders[static_cast<size_t>(side)];
  const int frame = ActiveLook || border.Frame == 1 ? 1 : 2;
  const int width = side == kBorderLeft ? FrameLeft : FrameRight;
  if (width <= 0) return true;
  if (!cache.Bitmap || cache.Bitmap->Empty() || cache.Width != width || cache.Height != WindowHeight ||
      cache.Frame != frame)
    return false;
  BitBlt(band, x, 0, width, FrameTop, cache.Bitmap->Canvas().Handle(), 0, 0, SRCCOPY);
  return true;
}

void TWinSkinForm::PaintCaptionBand(HDC dc) {
  const int w = WindowWidth;
  if (WindowState == wsMinimizedState) {
    FCaptionBitmap.SetSize(w, WindowHeight);
    HDC band = FCaptionBitmap.Canvas().Handle();
    RECT all{0, 0, w, WindowHeight};
    FillRect(band, &all, SkinData->FaceBrush());
    PaintBorderPiece(kBorderTop, RECT{0, 0, w, FrameTop}, band);
  } else {
    FCaptionBitmap.SetSize(w, FrameTop);
    HDC band = FCaptionBitmap.Canvas().Handle();
    // The band's ends are the tops of the side pieces just painted: taken from their renders,
    // since reading the screen back is a slow round trip on some systems.
    if (!CopyPieceTop(kBorderLeft, band, 0) || !CopyPieceTop(kBorderRight, band, w - FrameRight))
      BitBlt(band, 0, 0, w, FrameTop, dc, 0, 0, SRCCOPY);
    PaintBorderPiece(kBorderTop, RECT{FrameLeft, 0, w - FrameRight, FrameTop}, band);
  }
  UpdateCaptionButtons();
  DrawTitleText(FCaptionBitmap.Canvas(), RECT{FrameLeft, 0, w - FrameRight, FrameTop});
  LayoutCaptionButtons();
  DrawCaptionButtons(FCaptionBitmap.Canvas().Handle());
  BitBlt(dc, 0, 0, FCaptionBitmap.Width(), FCaptionBitmap.Height(), FCaptionBitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::DrawTitleText(TCanvas& canvas, const RECT& title) {
  TDataSkinTitle* t = SkinData->Title.get();
  if (!t) return;
  const std::wstring text = TitlePrefix + ReadWindowText() + TitleSuffix;
  HDC dc = canvas.Handle();
  TSelectObject font(dc, CaptionFont().Handle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(SkinData->Colour(ActiveLook ? SkinColour::TitleTextActive : SkinColour::TitleTextNoActive)));
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  TTitleLayout in;
  in.Dpi = SkinDpi();
  in.Title = TFrameRect{title.left, title.top, title.right, title.bottom};
  in.TextWidth = measured.right - measured.left;
  in.TextHeight = measured.bottom - measured.top;
  in.Alignment = t->TextAlignment;
  in.TextShift = t->LeftWidth;
  in.TextShiftVert = t->TopHeight;
  in.TextRightClip = t->RightWidth;
  in.BackLeft = t->TXTBackleft;
  in.BackRight = t->TXTBackRight;
  in.RightButtonsReserve = RightButtonsReserve;
  in.RightToLeft = RightToLeft;
  in.Popup = StyleBits & kStylePopup;
  in.DialogFrame = FrameKind == fkDialog;
  const TTitlePlacement placement = PlaceTitleText(in);
  TextBackRect = ToRect(placement.Back);
  if (!t->Image.Empty())
    DrawThreePart(dc, RECT{placement.Back.Left, title.top, placement.Back.Right, title.bottom}, t->Image, 2,
                  ActiveLook ? 1 : 2, t->TXTBackleft, t->TXTBackRight, true);
  RECT r = ToRect(placement.Text);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, RightToLeft ? kTitleFormatRtl : kTitleFormat);
  TitleTextRect = r;
  SetBkMode(dc, oldMode);
}

HICON SmallIconOf(HWND window) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
  return icon;
}

void TWinSkinForm::MakeIconBitmap() {
  const int size = GetSystemMetrics(SM_CXSMICON);
  IconSize = size;
  FIconBitmap.SetPixelFormat(TPixelFormat::pf16bit);
  FIconBitmap.SetSize(size, GetSystemMetrics(SM_CYSMICON));
  HDC dc = FIconBitmap.Canvas().Handle();
  {
    TBrushHandle key(CreateSolidBrush(kKey));
    RECT all{0, 0, FIconBitmap.Width(), FIconBitmap.Height()};
    FillRect(dc, &all, key.Get());
  }
  if (const HICON icon = SmallIconOf(Handle))
    DrawIconEx(dc, 0, 0, icon, FIconBitmap.Width(), FIconBitmap.Height(), 0, nullptr, DI_NORMAL);
}
