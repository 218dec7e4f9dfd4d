// TSkinUpDown: pressing through the control's own processing, and the two arrows painted.
#include "skin/controls/skin_updown.h"

#include "skin/model/skin_draw.h"
#include "ui/bitmap.h"
#include "ui/gdi.h"

namespace {

// A pen line whose end point is left out, as LineTo draws it.
void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void Path(HDC dc, std::initializer_list<POINT> points) {
  auto it = points.begin();
  MoveToEx(dc, it->x, it->y, nullptr);
  for (++it; it != points.end(); ++it) LineTo(dc, it->x, it->y);
}

}  // namespace

int UpDownArrowState(bool underCursor, bool pressed, bool enabled) {
  if (!enabled) return kArrowDisabled;
  return underCursor && pressed ? kArrowPressed : kArrowNormal;
}

RECT KeepEditBorder(RECT rect, const RECT& own, const RECT& parent) {
  if (own.top - parent.top < kEditBorderKeep) rect.top += kEditBorderKeep - (own.top - parent.top);
  if (parent.bottom - own.bottom < kEditBorderKeep) rect.bottom -= kEditBorderKeep - (parent.bottom - own.bottom);
  if (parent.right - own.right < kEditBorderKeep) rect.right -= kEditBorderKeep - (parent.right - own.right);
  // An up-down on the left side keeps off that border too.
  if (own.left - parent.left < kEditBorderKeep) rect.left += kEditBorderKeep - (own.left - parent.left);
  return rect;
}

const TClassInfo& TSkinUpDown::StaticClassInfo() {
  static const TClassInfo info("TSkinUpDown", &TSkinControl::StaticClassInfo(),
                               {props::Integer<TSkinUpDown>("Kind", &TSkinUpDown::GetKind, &TSkinUpDown::SetKind)});
  return info;
}

bool TSkinUpDown::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      if (!Handle) return true;
      RECT r{};
      GetClientRect(Handle, &r);
      if (message.WParam) {
        PaintSkin(reinterpret_cast<HDC>(message.WParam), r);
      } else {
        TPaintDC paint(Handle);
        PaintSkin(paint, r);
      }
      message.Result = 0;
      return false;
    }
    case WM_ERASEBKGND:
      if (!Control && Handle && message.WParam) {
        RECT client{};
        GetClientRect(Handle, &client);
        FillColor(reinterpret_cast<HDC>(message.WParam), client, clWhite);
      }
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The control presses, captures and steps by itself first.
      CallDefault(message);
      MouseState |= kMousePressed;
      PaintNow(nullptr);
      return false;
    case WM_LBUTTONUP:
      MouseState &= static_cast<std::uint8_t>(~kMousePressed);
      CallDefault(message);
      PaintNow(nullptr);
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinUpDown::PaintSkin(HDC dc, const RECT& rect) {
  if (!Handle) return;
  RECT r = rect;
  if (EditPartner) {
    RECT client{};
    GetClientRect(Handle, &client);
    FillColor(dc, client, clWhite);
    RECT own{}, parent{};
    GetWindowRect(Handle, &own);
    GetWindowRect(GetParent(Handle), &parent);
    r = KeepEditBorder(r, own, parent);
  }
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  TBitmap work(w, h, TPixelFormat::pf24bit);
  const HDC workDC = work.Canvas().Handle();
  FillFace(workDC, RECT{0, 0, w, h});

  const DWORD style = static_cast<DWORD>(GetWindowLongW(Handle, GWL_STYLE));
  EnabledLook = !(style & WS_DISABLED);
  const bool horizontal = Kind == kUpDownTabSetKind || (style & UDS_HORZ);
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle, &cursor);
  // The cursor in the drawing rectangle's own coordinates.
  cursor.x -= r.left;
  cursor.y -= r.top;
  const bool inside = cursor.x >= 0 && cursor.y >= 0 && cursor.x < w && cursor.y < h;
  const bool pressed = MouseState & kMousePressed;

  RECT first{}, second{};
  if (horizontal) {
    const int half = w / 2;
    first = RECT{0, 0, half, h};
    second = RECT{half, 0, w, h};
  } else {
    const int half = h / 2;
    first = RECT{0, 0, w, half};
    second = RECT{0, half, w, h};
  }
  const bool onFirst = inside && PtInRect(&first, cursor);
  const bool onSecond = inside && PtInRect(&second, cursor);
  const int firstState = UpDownArrowState(onFirst, pressed, EnabledLook);
  const int secondState = UpDownArrowState(onSecond, pressed, EnabledLook);
  TDataSkinBorder* picture = nullptr;
  if (SkinData) picture = horizontal ? SkinData->UpDownHorz.get() : SkinData->UpDownVert.get();
  if (picture && !picture->HasImage()) picture = nullptr;
  PaintArrow(workDC, first, horizontal ? TArrowDirection::Left : TArrowDirection::Up, firstState, picture);
  PaintArrow(workDC, second, horizontal ? TArrowDirection::Right : TArrowDirection::Down, secondState + kUpDownGroup,
             picture);
  LastFirstFrame = firstState;
  LastSecondFrame = secondState + kUpDownGroup;
  BitBlt(dc, r.left, r.top, w, h, workDC, 0, 0, SRCCOPY);
}

void TSkinUpDown::PaintArrow(HDC dc, const RECT& r, TArrowDirection direction, int frame, TDataSkinBorder* picture) {
  if (!picture) {
    PlainArrow(dc, r, direction, (frame - 1) % kUpDownGroup + 1);
    return;
  }
  DrawFrameStretched(dc, r, kUpDownFrames, frame, picture->Image);
  TBitmap& glyph = picture->SecondImage;
  if (glyph.Empty()) return;
  const int gw = glyph.Width() / kUpDownFrames, gh = glyph.Height();
  if (gw <= 0) return;
  auto piece = RenderSkinFrame(gw, gh, glyph, RECT{}, false, 0, kUpDownFrames, frame);
  if (piece->Empty()) return;
  const int x = r.left + (r.right - r.left - gw) / 2, y = r.top + (r.bottom - r.top - gh) / 2;
  MaskBlit(dc, RECT{x, y, x + gw, y + gh}, *piece, kMagenta);
}

void TSkinUpDown::PlainArrow(HDC dc, const RECT& r, TArrowDirection direction, int state) {
  const TColor dark = SkinData ? SkinData->Colour(SkinColour::ButtonDkShadow) : SystemColor(COLOR_3DDKSHADOW);
  const TColor shadow = SkinData ? SkinData->Colour(SkinColour::ButtonShadow) : SystemColor(COLOR_BTNSHADOW);
  const bool sunk = state == kArrowPressed || state == kArrowPressed + 2;
  TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(dark)));
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(sunk ? shadow : FaceColour())));
  TSelectObject selectPen(dc, pen.Get());
  TSelectObject selectBrush(dc, brush.Get());
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  const int x = r.left + (r.right - r.left) / 2;
  const bool vertical = direction == TArrowDirection::Up || direction == TArrowDirection::Down;
  const int y = r.top + (r.bottom - r.top) / 2 - (vertical ? 2 : 0);
  switch (direction) {
    case TArrowDirection::Up:
      SetPixel(dc, x, y, ColorToRGB(dark));
      Line(dc, x + 1, y + 1, x + 4, y + 4);
      Line(dc, x, y + 1, x + 3, y + 4);
      Line(dc, x, y + 2, x + 2, y + 4);
      Line(dc, x - 1, y + 1, x - 4, y + 4);
      Line(dc, x, y + 2, x - 3, y + 4);
      Line(dc, x, y + 1, x - 2, y + 4);
      break;
    case TArrowDirection::Down:
      SetPixel(dc, x, y + 3, ColorToRGB(dark));
      Line(dc, x + 1, y + 2, x + 4, y - 1);
      Line(dc, x, y + 2, x + 3, y - 1);
      Line(dc, x, y + 1, x + 2, y);
      Line(dc, x - 1, y + 2, x - 4, y - 1);
      Line(dc, x, y + 2, x - 3, y - 1);
      Line(dc, x, y + 1, x - 2, y);
      break;
    case TArrowDirection::Left:
      Path(dc, {{x, y}, {x + 1, y + 2}, {x + 1, y - 2}, {x - 1, y}, {x + 1, y + 2}});
      break;
    case TArrowDirection::Right:
      Path(dc, {{x, y}, {x - 1, y + 2}, {x - 1, y - 2}, {x + 1, y}, {x - 1, y + 2}});
      break;
  }
}
