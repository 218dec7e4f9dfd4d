// TSkinTrackBar: custom-draw answers, the channel in three stretched pieces and the thumb.
#include "skin/controls/skin_trackbar.h"

#include "skin/model/skin_draw.h"
#include "ui/canvas.h"
#include "ui/gdi.h"
#include "ui/skin_messages.h"

namespace {

// Copies one piece of a picture into the DC, stretched to the target.
void Piece(HDC dc, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh) {
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  StretchBlt(dc, x, y, w, h, source, sx, sy, sw, sh, SRCCOPY);
}

}  // namespace

const TClassInfo& TSkinTrackBar::StaticClassInfo() {
  static const TClassInfo info("TSkinTrackBar", &TSkinControl::StaticClassInfo(), {});
  return info;
}

bool TSkinTrackBar::Vertical() const {
  return Handle && (GetWindowLongW(Handle, GWL_STYLE) & TBS_VERT);
}

bool TSkinTrackBar::BeforeMessage(TMessage& message) {
  if (message.Msg == WM_NOTIFY || message.Msg == CN_NOTIFY) {
    // CN_NOTIFY shares its number with SKINMSG_DONE: only a real header is read.
    if (!IsNotifyHeaderPointer(message.LParam)) return TSkinControl::BeforeMessage(message);
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (header->code != static_cast<UINT>(NM_CUSTOMDRAW)) return TSkinControl::BeforeMessage(message);
    message.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(message.LParam));
    return false;
  }
  return TSkinControl::BeforeMessage(message);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& record) {
  if (record.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (record.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  switch (record.dwItemSpec) {
    case TBCD_THUMB:
      DrawThumb(record);
      return CDRF_SKIPDEFAULT;
    case TBCD_CHANNEL:
      DrawChannel(record);
      return CDRF_SKIPDEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void TSkinTrackBar::DrawChannel(const NMCUSTOMDRAW& record) {
  if (!Handle || !SkinData) return;
  RECT rect{};
  SendMessageW(Handle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&rect));
  const HDC dc = record.hdc;
  const bool vertical = Vertical();
  if (vertical && SkinData->TrackVert && SkinData->TrackVert->HasImage()) {
    // Windows reports a vertical channel lying down; a channel already standing is taken as is.
    if (rect.right - rect.left > rect.bottom - rect.top) rect = RECT{rect.top, rect.left, rect.bottom, rect.right};
    TDataSkinObject& track = *SkinData->TrackVert;
    const int pw = track.Image.Width(), ph = track.Image.Height();
    const int rw = rect.right - rect.left, rh = rect.bottom - rect.top;
    const int x = pw < rw ? rect.left + (rw - pw) / 2 : rect.left;
    const int top = track.TopHeight, bottom = track.BottomHeight;
    const HDC source = track.Image.Canvas().Handle();
    Piece(dc, x, rect.top, pw, top, source, 0, 0, pw, top);
    Piece(dc, x, rect.top + top, pw, rh - top - bottom, source, 0, top, pw, ph - top - bottom);
    Piece(dc, x, rect.bottom - bottom, pw, bottom, source, 0, ph - bottom, pw, bottom);
    return;
  }
  if (!SkinData->Track || !SkinData->Track->HasImage()) return;
  TDataSkinObject& track = *SkinData->Track;
  const int pw = track.Image.Width(), ph = track.Image.Height();
  const int rw = rect.right - rect.left, rh = rect.bottom - rect.top;
  const int y = ph < rh ? rect.top + (rh - ph) / 2 : rect.top;
  const int left = track.LeftWidth, right = track.RightWidth;
  const HDC source = track.Image.Canvas().Handle();
  Piece(dc, rect.left, y, left, ph, source, 0, 0, left, ph);
  Piece(dc, rect.left + left, y, rw - left - right, ph, source, left, 0, pw - left - right, ph);
  Piece(dc, rect.right - right, y, right, ph, source, pw - right, 0, right, ph);
}

void TSkinTrackBar::DrawThumb(const NMCUSTOMDRAW& record) {
  if (!Handle || !IsWindow(Handle) || !SkinData) return;
  RECT thumb{};
  SendMessageW(Handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  TDataSkinObject* picture = nullptr;
  if (Vertical() && SkinData->TrackbarThumbVert && SkinData->TrackbarThumbVert->HasImage())
    picture = SkinData->TrackbarThumbVert.get();
  else if (SkinData->TrackbarThumbHorz && SkinData->TrackbarThumbHorz->HasImage())
    picture = SkinData->TrackbarThumbHorz.get();
  if (picture) {
    DrawFrameStretched(record.hdc, thumb, kTrackThumbFrames, kTrackThumbFrame, picture->Image);
    return;
  }
  TCanvas canvas;
  canvas.SetHandle(record.hdc);
  canvas.Pen().SetColor(SkinData->Colour(SkinColour::ButtonShadow));
  canvas.Rectangle(thumb);
  canvas.SetHandle(nullptr);
}

void TSkinTrackBar::SkinChanged() {
  // Taking the focus and giving it back makes the platform rebuild its look with the new skin.
  if (Handle) {
    const HWND previous = SetFocus(Handle);
    if (previous && previous != Handle) SetFocus(previous);
  }
  Redraw();
}
