// TSkinHeader: the header's items composed in one bitmap from "Headerbar" frames, with their
// captions, sort arrows and the rest of the strip.
#include "skin/controls/skin_header.h"

#include <algorithm>

#include "base/scale.h"

#include "skin/controls/tab_caption.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_draw.h"
#include "skin/model/skin_manage.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/gdi.h"

namespace {

// Header item texts are read into a buffer of this many characters.
constexpr int kHeaderTextBuffer = 201;
// Hot items are hit inside their rectangle less this much on each side (the dividers).
constexpr int kDividerRoom = 3;
constexpr int kSortArrowSize = 4;

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

// A small filled triangle at the item's right end, pointing up or down.
void DrawSortArrow(HDC dc, const RECT& item, bool up, COLORREF colour, int dpi) {
  const int cx = item.right - ScaleByDpi(10, dpi), cy = (item.top + item.bottom) / 2;
  const int s = ScaleByDpi(kSortArrowSize, dpi);
  const POINT upArrow[] = {{cx - s, cy + s / 2}, {cx + s, cy + s / 2}, {cx, cy - s / 2 - 1}};
  const POINT downArrow[] = {{cx - s, cy - s / 2}, {cx + s, cy - s / 2}, {cx, cy + s / 2 + 1}};
  TBrushHandle brush(CreateSolidBrush(colour));
  TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
  TSelectObject selectBrush(dc, brush.Get());
  TSelectObject selectPen(dc, pen.Get());
  Polygon(dc, up ? upArrow : downArrow, 3);
}

}  // namespace

const TClassInfo& TSkinHeader::StaticClassInfo() {
  static const TClassInfo info("TSkinHeader", &TSkinControl::StaticClassInfo(), {});
  return info;
}

TSkinHeader::~TSkinHeader() { ItemRects.clear(); }

void TSkinHeader::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) {
  TSkinControl::AttachControl(formSkinner, skinData, recolour, workCanvas);
  HotItem = -1;
}

void TSkinHeader::AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) {
  TSkinControl::AttachWindow(handle, skinData, formSkinner, workCanvas);
  HotItem = -1;
}

int TSkinHeader::ItemAt(POINT point) const {
  for (size_t i = 0; i < ItemRects.size(); ++i)
    if (PtInRect(&ItemRects[i], point)) return static_cast<int>(i);
  return -1;
}

bool TSkinHeader::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: {
      // Without the picture the platform paints the header, captions and all.
      if (!SkinData || !SkinData->Headerbar || !SkinData->Headerbar->HasImage()) return true;
      RECT r{};
      GetClientRect(Handle, &r);
      if (m.WParam) {
        PaintSkin(reinterpret_cast<HDC>(m.WParam), r);
      } else {
        TPaintDC paint(Handle);
        PaintSkin(paint, r);
      }
      m.Result = 0;
      return false;
    }
    case WM_ERASEBKGND:
      if (SkinData && SkinData->Headerbar && SkinData->Headerbar->HasImage()) {
        m.Result = 1;
        return false;
      }
      return true;
    case WM_LBUTTONDOWN: {
      // A press on a column (not on a divider, where the platform starts a resize) shows it pressed.
      PressedItem = ItemAt(PointOf(m.LParam));
      if (PressedItem >= 0) Redraw();
      return true;
    }
    default: return TSkinControl::BeforeMessage(m);
  }
}

void TSkinHeader::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE: {
      const POINT p = PointOf(m.LParam);
      for (size_t i = 0; i < ItemRects.size(); ++i) {
        if (PtInRect(&ItemRects[i], p) && static_cast<int>(i) != HotItem) {
          HotItem = static_cast<int>(i);
          Redraw();
        }
      }
      TrackMouseLeave(Handle);
      break;
    }
    case WM_MOUSELEAVE:
      HotItem = -1;
      Redraw();
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (PressedItem >= 0) {
        PressedItem = -1;
        Redraw();
      }
      break;
    default: TSkinControl::AfterMessage(m); break;
  }
}

TColor TSkinHeader::TextColour() const {
  // A skin that gives no text colour keeps the platform's button text on its bar.
  return SkinData && SkinData->ColourGiven[SkinColour::WindowText] ? SkinData->Colour(SkinColour::WindowText)
                                                                  : SystemColor(COLOR_BTNTEXT);
}

void TSkinHeader::DrawHeaderItem(HDC dc, int index, const RECT& rect, HIMAGELIST images) {
  TDataSkinObject& bar = *SkinData->Headerbar;
  wchar_t buffer[kHeaderTextBuffer] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = buffer;
  item.cchTextMax = kHeaderTextBuffer;
  SendMessageW(Handle, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  buffer[kHeaderTextBuffer - 1] = L'\0';
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  int frame = index == HotItem ? kHeaderHotFrame : kHeaderNormalFrame;
  if (index == PressedItem && bar.Frame >= kHeaderPressedFrame) frame = kHeaderPressedFrame;
  std::unique_ptr<TBitmap> face = RenderSkinFrame(w, h, bar.Image, bar.Margins(), false, bar.Tile, std::max(bar.Frame, 1), frame);
  if (!face) return;
  const HDC fdc = face->Canvas().Handle();
  const HGDIOBJ oldFont = SelectObject(fdc, reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
  const RECT local{0, 0, w, h};
  if (buffer[0] != L'\0') {
    TTabCaption caption;
    caption.Text = buffer;
    caption.ImageIndex = (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) ? item.iImage : -1;
    caption.Images = images;
    caption.Colour = TextColour();
    caption.ReadingFlags = ReadingOrderFlags(0);
    caption.WordBreak = false;
    const int align = item.fmt & HDF_JUSTIFYMASK;
    DrawTabCaption(fdc, local, align == HDF_RIGHT ? TCaptionAlign::Right
                               : align == HDF_CENTER ? TCaptionAlign::Centre
                                                     : TCaptionAlign::Left, caption);
  }
  if (item.fmt & (HDF_SORTUP | HDF_SORTDOWN))
    DrawSortArrow(fdc, local, (item.fmt & HDF_SORTUP) != 0, ColorToRGB(TextColour()),
                    SkinData ? SkinData->Dpi() : kDesignDpi);
  if (oldFont) SelectObject(fdc, oldFont);
  BitBlt(dc, rect.left, rect.top, w, h, fdc, 0, 0, SRCCOPY);
}

void TSkinHeader::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !SkinData->Headerbar || !SkinData->Headerbar->HasImage() || !Handle) return;
  TDataSkinObject& bar = *SkinData->Headerbar;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  TBitmap work(width, height, TPixelFormat::pf24bit);
  const HDC wdc = work.Canvas().Handle();
  SetBkMode(wdc, TRANSPARENT);
  EnabledLook = true;
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, HDM_GETIMAGELIST, 0, 0));
  const int count = std::max(static_cast<int>(SendMessageW(Handle, HDM_GETITEMCOUNT, 0, 0)), 0);
  ItemRects.assign(static_cast<size_t>(count), RECT{});
  int edge = rect.left;
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageW(Handle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    DrawHeaderItem(wdc, i, r, images);
    RECT hit = r;
    InflateRect(&hit, -(SkinData ? SkinData->Scaled(kDividerRoom) : kDividerRoom), 0);
    ItemRects[static_cast<size_t>(i)] = hit;
    edge = std::max<int>(edge, r.right);
  }
  // What the columns leave free is the normal face, not the platform's.
  if (edge < rect.right) {
    DrawSkinFrame(wdc, RECT{edge, rect.top, rect.right, rect.bottom}, bar.Image, bar.Margins(), bar.Tile,
                  std::max(bar.Frame, 1), kHeaderNormalFrame, false);
  }
  BitBlt(dc, rect.left, rect.top, width, height, wdc, 0, 0, SRCCOPY);
}
