// TSkinComBox: attaching the lists' skinners, the three drawing modes and the button's states.
#include "skin/controls/skin_combobox.h"

#include "skin/model/skin_draw.h"
#include "skin/model/skin_manage.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/gdi.h"
#include "ui/skin_messages.h"

namespace {

// The combo's button is hidden (a simple combo): STATE_SYSTEM_INVISIBLE.
constexpr DWORD kButtonInvisible = 0x8000;
constexpr DWORD kComboStyleMask = 3;
constexpr DWORD kDropDownBit = 2;
// Gap between the edit area and a "Style 0" button.
constexpr int kButtonGap = 2;

// The scroll-bar skinners come from the kind table, as discovery makes them.
TOwned<TSkinControl> MakeScroller(const char* skinner) {
  const TSkinnerFactory factory = FindSkinnerKind(skinner);
  return TOwned<TSkinControl>(factory ? factory(nullptr) : nullptr);
}

}  // namespace

int ComboFrame(bool pressed, bool focusedOrHot, bool enabled) {
  if (!enabled) return kComboDisabled;
  if (pressed) return kComboPressed;
  return focusedOrHot ? kComboHot : kComboNormal;
}

int MirroredFrame(int frameCount, int frame) {
  return frameCount + 1 - frame;
}

const TClassInfo& TSkinComBox::StaticClassInfo() {
  static const TClassInfo info(
      "TSkinComBox", &TSkinControl::StaticClassInfo(),
      {props::Integer<TSkinComBox>("ExVariant", &TSkinComBox::GetExVariant, &TSkinComBox::SetExVariant)});
  return info;
}

TSkinComBox::~TSkinComBox() {
  Unsubclass();
}

bool TSkinComBox::RefreshInfo() {
  if (!Handle) return false;
  StyleBits = static_cast<std::uint32_t>(GetWindowLongW(Handle, GWL_STYLE));
  ExStyleBits = static_cast<std::uint32_t>(GetWindowLongW(Handle, GWL_EXSTYLE));
  // Older platforms lack the query: then nothing that needs it happens.
  const auto query = SkinPlatform().GetComboBoxInfo;
  if (!query) return false;
  ComboInfo = COMBOBOXINFO{};
  ComboInfo.cbSize = sizeof ComboInfo;
  return query(Handle, &ComboInfo) != FALSE;
}

void TSkinComBox::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) {
  if (Attached) return;
  TSkinControl::AttachControl(formSkinner, skinData, recolour, workCanvas);
  AttachLists(true);
}

void TSkinComBox::AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) {
  if (Attached) return;
  TSkinControl::AttachWindow(handle, skinData, formSkinner, workCanvas);
  AttachLists(false);
}

// The lists' skinners belong to the combo skinner alone: listed with the form skinner as well,
// they would be freed twice. Skin changes reach them through the combo skinner.
void TSkinComBox::AttachLists(bool framework) {
  if (!Handle) return;
  const bool haveInfo = RefreshInfo();
  if ((StyleBits & kComboStyleMask) != CBS_SIMPLE) {
    if ((StyleBits & kDropDownBit) && haveInfo) {
      ListWindow = ComboInfo.hwndList;
      if (framework && ListWindow && !DropScroller) {
        DropScroller = MakeScroller("TComboxScrollBar");
        if (DropScroller) DropScroller->AttachWindow(ListWindow, SkinData, nullptr, WorkCanvas);
      }
    }
    // A Unicode edit part reports its paints and presses through the combo already.
    const HWND child = GetWindow(Handle, GW_CHILD);
    if (!UnicodeWindow && child && ChildProc.Install(child, [this](TMessage& message) { ChildMessage(message); })) {
      ChildWindow = child;
      ChildOldProc = ChildProc.OldProc();
    }
    return;
  }
  if (!haveInfo) return;
  ListWindow = ComboInfo.hwndList;
  if (framework && ListWindow && (GetWindowLongW(ListWindow, GWL_STYLE) & WS_CHILD) && !ListScroller) {
    ListScroller = MakeScroller("TSkinScrollbarH");
    if (ListScroller) ListScroller->AttachWindow(ListWindow, SkinData, nullptr, WorkCanvas);
  }
}

void TSkinComBox::ChildMessage(TMessage& message) {
  message.Result = ChildProc.CallOld(message.Msg, message.WParam, message.LParam);
  switch (message.Msg) {
    case WM_PAINT:
      PaintNow(nullptr);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseState |= kMousePressed;
      Redraw();
      break;
    case WM_LBUTTONUP:
      MouseState &= static_cast<std::uint8_t>(~kMousePressed);
      Redraw();
      break;
    default:
      break;
  }
}

void TSkinComBox::Unsubclass() {
  if (ChildProc.Installed()) ChildProc.Remove();
  ChildWindow = nullptr;
  ChildOldProc = nullptr;
}

void TSkinComBox::Detach() {
  TSkinControl::Detach();
  Unsubclass();
  for (TOwned<TSkinControl>* scroller : {&ListScroller, &DropScroller}) {
    if (*scroller && (*scroller)->LifeState != kSkinnerWindowDestroyed) (*scroller)->Detach();
    scroller->reset();
  }
}

void TSkinComBox::Switched(bool on) {
  for (TSkinControl* scroller : {ListScroller.get(), DropScroller.get()})
    if (scroller && scroller->Handle && IsWindow(scroller->Handle))
      SendMessageW(scroller->Handle, SKINMSG_SWITCH, on ? 1 : 0, 0);
  TSkinControl::Switched(on);
}

void TSkinComBox::SkinChanged() {
  TSkinControl::SkinChanged();
  for (TSkinControl* scroller : {ListScroller.get(), DropScroller.get()})
    if (scroller) scroller->SkinChanged();
}

void TSkinComBox::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      break;
    case WM_MOUSEMOVE: {
      // The point in window coordinates, where ButtonRect lies.
      POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      RECT window{};
      ClientToScreen(Handle, &at);
      GetWindowRect(Handle, &window);
      at.x -= window.left;
      at.y -= window.top;
      const bool enabled = IsWindowEnabled(Handle);
      const bool onButton = PtInRect(&ButtonRect, at) != FALSE;
      if ((MouseState & kMouseOver) && (!onButton || !enabled)) {
        MouseState &= static_cast<std::uint8_t>(~kMouseOver);
        Redraw();
      } else if (!(MouseState & kMouseOver) && onButton && enabled) {
        MouseState |= kMouseOver;
        Redraw();
      }
      break;
    }
    case WM_DRAWITEM:
    case WM_NCPAINT:
      Redraw();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseState |= kMousePressed;
      Redraw();
      break;
    case WM_LBUTTONUP:
      MouseState &= static_cast<std::uint8_t>(~kMousePressed);
      Redraw();
      break;
    case CM_MOUSELEAVE:
    case WM_MOUSELEAVE:
      if (MouseState & kMouseOver) {
        MouseState &= static_cast<std::uint8_t>(~kMouseOver);
        Redraw();
      }
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

int TSkinComBox::StateFrame() {
  const HWND focus = GetFocus();
  FocusedLook = focus && (focus == Handle || IsChild(Handle, focus));
  EnabledLook = !(StyleBits & WS_DISABLED);
  return ComboFrame(MouseState & kMousePressed, FocusedLook || (MouseState & kMouseOver), EnabledLook);
}

void TSkinComBox::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !SkinData->ComboButton || !SkinData->ComboButton->HasImage() || !Handle) return;
  if (RefreshInfo()) {
    ButtonRect = ComboInfo.rcButton;
    if (ComboInfo.stateButton & kButtonInvisible) return;
  } else if (ExVariant) {
    // Without the platform's answer the arrow goes where the platform puts its button.
    const int w = GetSystemMetrics(SM_CXVSCROLL), inset = 2;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    ButtonRect = (GetWindowLongW(Handle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR)
                     ? RECT{inset, inset, inset + w, height - inset}
                     : RECT{width - inset - w, inset, width - inset, height - inset};
  }
  TDataSkinBorder& button = *SkinData->ComboButton;
  if (button.Style == kComboStyleSystemSized) {
    PaintSystemSized(dc, rect);
    return;
  }
  const RECT r{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  const int state = StateFrame();
  LastFrame = state;
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  const bool rightToLeft = ExStyleBits & WS_EX_LEFTSCROLLBAR;
  const int frames = button.Frame > 0 ? button.Frame : kComboFrames;
  const TColor shadow = SkinData->Colour(SkinColour::ButtonShadow);

  if (ExVariant) {
    TBrushHandle shadowBrush(CreateSolidBrush(ColorToRGB(shadow)));
    TBrushHandle white(CreateSolidBrush(RGB(255, 255, 255)));
    FrameRect(dc, &r, shadowBrush.Get());
    RECT ring = r;
    InflateRect(&ring, -1, -1);
    FrameRect(dc, &ring, white.Get());
    FillFace(dc, ButtonRect);
    if (SkinData->ComboxArrow && SkinData->ComboxArrow->HasImage()) {
      TDataSkinObject& arrow = *SkinData->ComboxArrow;
      DrawFrameStretched(dc, ButtonRect, arrow.Frame > 0 ? arrow.Frame : kComboFrames, state, arrow.Image);
    }
    return;
  }

  if (button.Style == kComboStyleComposite) {
    // The composite strips: "SunkEdge" holds the mirrored look, whose frames run backwards.
    if (rightToLeft && SkinData->SunkEdge && SkinData->SunkEdge->HasImage()) {
      CoverStrayButton(dc, RECT{0, 0, w + 2, r.bottom});
      TDataSkinObject& sunk = *SkinData->SunkEdge;
      const int count = sunk.Frame > 0 ? sunk.Frame : kComboFrames;
      DrawSkinFrame(dc, r, sunk.Image, sunk.Margins(), sunk.Tile, count, MirroredFrame(count, state), true);
    } else {
      DrawSkinFrame(dc, r, button.Image, button.Margins(), button.Tile, frames, state, true);
    }
    return;
  }

  RECT b{}, a{}, keep{};
  const int gap = SkinData ? SkinData->Scaled(kButtonGap) : kButtonGap;
  if (rightToLeft) {
    b = RECT{0, 0, w + 2, r.bottom};
    a = RECT{2, r.top, w + 2, r.bottom};
    keep = RECT{w + 2 + gap, 2, r.right - 2, r.bottom - 2};
  } else {
    b = RECT{r.right - w - 2, 0, r.right, r.bottom};
    a = RECT{r.right - w - 2, r.top, r.right - 2, r.bottom};
    keep = RECT{2, 2, r.right - w - 2 - gap, r.bottom - 2};
  }
  if (rightToLeft) CoverStrayButton(dc, b);
  {
    // The edit area is left as the control painted it.
    TSaveDC save(dc);
    ExcludeClipRect(dc, keep.left, keep.top, keep.right, keep.bottom);
    if (SkinData->SunkEdge && SkinData->SunkEdge->HasImage())
      DrawSkinObject(dc, r, kComboFrames, state, *SkinData->SunkEdge);
    if (rightToLeft && !button.SecondImage.Empty())
      DrawFrameStretched(dc, b, frames, MirroredFrame(frames, state), button.SecondImage);
    else
      DrawFrameStretched(dc, b, frames, state, button.Image);
  }
  ButtonRect = b;
  if (SkinData->ExtraImages && SkinData->ExtraImages->HasImage()) {
    TDataSkinObject& extra = *SkinData->ExtraImages;
    const int count = extra.Frame > 0 ? extra.Frame : 1;
    const int fw = extra.Image.Width() / count, fh = extra.Image.Height();
    if (fw <= 0 || state > count) return;
    auto glyph = RenderSkinFrame(fw, fh, extra.Image, RECT{}, false, 0, count, state);
    if (glyph->Empty()) return;
    const int x = a.left + (a.right - a.left - fw) / 2, y = a.top + (a.bottom - a.top - fh) / 2;
    MaskBlit(dc, RECT{x, y, x + fw, y + fh}, *glyph, kMagenta);
  }
}

void TSkinComBox::CoverStrayButton(HDC dc, const RECT& drawn) {
  // A platform that ignores the left-scroll-bar style (Wine) keeps its own button on the right,
  // where the skin leaves the edit area see-through: it is covered with the box's colour, and
  // the mouse lights the button where the skin draws it.
  RECT platform = ComboInfo.rcButton, overlap{};
  if (IsRectEmpty(&platform) || IntersectRect(&overlap, &platform, &drawn)) return;
  FillColor(dc, platform, Control ? Control->Color() : SystemColor(COLOR_WINDOW));
  ButtonRect = drawn;
}

void TSkinComBox::PaintSystemSized(HDC dc, const RECT& rect) {
  TDataSkinBorder& button = *SkinData->ComboButton;
  const HWND focus = GetFocus();
  FocusedLook = focus && (focus == Handle || IsChild(Handle, focus));
  EnabledLook = !(StyleBits & WS_DISABLED);
  const bool pressed = MouseState & kMousePressed, hot = MouseState & kMouseOver;
  // Disabled shows only while nothing else is going on.
  int state = pressed ? kComboPressed : (FocusedLook || hot) ? kComboHot : kComboNormal;
  if (!EnabledLook && !FocusedLook && !pressed && !hot) state = kComboDisabled;
  LastFrame = state;
  const int frames = button.Frame > 0 ? button.Frame : kComboFrames;
  const int fw = button.Image.Width() / frames;
  const int t = GetSystemMetrics(SM_CYVTHUMB);
  const bool rightToLeft = ExStyleBits & WS_EX_LEFTSCROLLBAR;
  const RECT r{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  const HBRUSH brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT ring = r;
  InflateRect(&ring, -1, -1);
  FrameRect(dc, &ring, brush);
  RECT inner = ring;
  InflateRect(&inner, -1, -1);
  RECT strip = inner, buttonRect = inner;
  if (rightToLeft) {
    strip.right = strip.left + t;
    buttonRect.right = buttonRect.left + fw;
  } else {
    strip.left = strip.right - t;
    buttonRect.left = buttonRect.right - fw;
  }
  ::FillRect(dc, &strip, brush);
  if (button.Image.Height() < t) buttonRect.bottom = buttonRect.top + button.Image.Height();
  TBrushHandle shadow(CreateSolidBrush(ColorToRGB(SkinData->Colour(SkinColour::ButtonShadow))));
  FrameRect(dc, &r, shadow.Get());
  ButtonRect = buttonRect;
  DrawFrameStretched(dc, buttonRect, frames, state, button.Image);
}
