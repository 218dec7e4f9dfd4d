// TSkinButton and TSkinMenuButton: state frames, press and click, and their painting.
#include "skin/controls/skin_button.h"

#include <algorithm>

#include "base/strings.h"
#include "skin/model/skin_draw.h"
#include "ui/bitmap.h"
#include "ui/button_glyphs.h"
#include "ui/gdi.h"
#include "ui/skin_messages.h"
#include "ui/wincontrol.h"

namespace {

// Longest class name read for the bare-window click rule.
constexpr int kClassNameLength = 100;
// The timer a skinned button's platform procedure would start for its own animations.
constexpr UINT_PTR kButtonTimer = 1;

bool IsTrue(const std::string& text) { return LowerAscii(text) == "true"; }

std::string WindowClassLower(HWND window) {
  wchar_t buffer[kClassNameLength + 1] = {};
  const int length = GetClassNameW(window, buffer, kClassNameLength + 1);
  std::string out;
  for (int i = 0; i < length; ++i) out += buffer[i] < 128 ? static_cast<char>(buffer[i]) : '?';
  return LowerAscii(out);
}

}  // namespace

int PushButtonFrame(std::uint8_t mouseState, bool focusedOrDefault, bool enabled) {
  if (!enabled) return kButtonDisabled;
  if (mouseState & kMousePressed) return kButtonPressed;
  if (mouseState & kMouseOver) return kButtonHot;
  return focusedOrDefault ? kButtonFocused : kButtonNormal;
}

std::wstring ReplaceFirst(const std::wstring& text, const std::wstring& find, const std::wstring& replacement) {
  if (find.empty()) return text;
  const size_t at = text.find(find);
  if (at == std::wstring::npos) return text;
  std::wstring out = text;
  out.replace(at, find.size(), replacement);
  return out;
}

std::wstring ButtonCaptionText(const std::wstring& caption) { return ReplaceFirst(caption, L"||", L"\r\n"); }

const TClassInfo& TSkinButton::StaticClassInfo() {
  static const TClassInfo info("TSkinButton", &TSkinControl::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TSkinMenuButton::StaticClassInfo() {
  static const TClassInfo info("TSkinMenuButton", &TSkinButton::StaticClassInfo(), {});
  return info;
}

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner), FaceBitmap(std::make_unique<TBitmap>()) {
  FaceBitmap->SetPixelFormat(TPixelFormat::pf24bit);
}

TSkinButton::~TSkinButton() = default;

void TSkinButton::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) {
  if (Attached) return;
  TSkinControl::AttachControl(formSkinner, skinData, recolour, workCanvas);
  if (!Control) return;
  // Buttons of two other families press themselves: the mouse-down is not forwarded to them.
  const std::string cls = LowerAscii(Control->ClassName());
  Variant = cls.rfind("trz", 0) == 0 || cls.rfind("tel", 0) == 0 ? 1 : 0;
  TransparentFace = Control->Tag() == kTransparentButtonTag || (SkinData && SkinData->HasOption(xoTransparent));
}

bool TSkinButton::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      if (!Handle) return true;
      PaintInMessage(message);
      return false;
    }
    case WM_ERASEBKGND: message.Result = 1; return false;
    case WM_TIMER: KillTimer(Handle, kButtonTimer); return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A disabled window gets no mouse from the system; one sent anyway presses nothing.
      if (Handle && !IsWindowEnabled(Handle)) return false;
      if (Handle && GetFocus() != Handle) SetFocus(Handle);
      MouseState |= kMousePressed;
      PaintNow(nullptr);
      if (Variant == 0 && Control) ForwardMouseDown(message);
      return false;
    default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinButton::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT: PaintNow(nullptr); break;
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE) {
        MouseState |= kMousePressed;
        Redraw();
      }
      break;
    case WM_KEYUP:
      if (message.WParam == VK_SPACE) {
        MouseState &= static_cast<std::uint8_t>(~kMousePressed);
        Redraw();
      }
      break;
    case WM_MOUSEMOVE:
      if (Handle && IsWindowEnabled(Handle) && !(MouseState & kMouseOver)) {
        MouseState |= kMouseOver;
        Redraw();
      }
      if (Handle) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle, 0};
        TrackMouseEvent(&track);
      }
      break;
    case WM_LBUTTONUP: {
      if (!(MouseState & kMousePressed)) break;
      MouseState &= static_cast<std::uint8_t>(~kMousePressed);
      Redraw();
      // Released outside (a sent message, or the mouse captured by someone else): no click.
      const POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      RECT client{};
      if (Handle) GetClientRect(Handle, &client);
      if (Handle && PtInRect(&client, at)) RaiseClick();
      break;
    }
    case WM_MOUSELEAVE:
      MouseState &= static_cast<std::uint8_t>(~(kMouseOver | kMousePressed));
      Redraw();
      break;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
    case BM_SETSTYLE:
    case BM_SETSTATE:
    case WM_UPDATEUISTATE:
      // The platform's procedure draws its own look for these; ours goes back over it.
      Redraw();
      break;
    default: TSkinControl::AfterMessage(message); break;
  }
}

void TSkinButton::RaiseClick() {
  if (!Handle || !IsWindowEnabled(Handle)) return;
  if (Control) {
    Control->Click();
    return;
  }
  const HWND parent = GetParent(Handle);
  if (!parent) return;
  const WPARAM id = WindowClassLower(Handle) == "tbutton" ? 0 : static_cast<WPARAM>(GetDlgCtrlID(Handle));
  PostMessageW(parent, WM_COMMAND, id, reinterpret_cast<LPARAM>(Handle));
}

TDataSkinButton* TSkinButton::ButtonsObject() const {
  if (!SkinData || !SkinData->Buttons || SkinData->Buttons->Image.Empty()) return nullptr;
  return SkinData->Buttons.get();
}

void TSkinButton::ReadWindowLook() {
  FocusedLook = Handle && GetFocus() == Handle;
  EnabledLook = Handle && !(GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED);
}

std::wstring TSkinButton::CaptionOf() const {
  if (Control) return GetTextProp(Control, "Caption");
  if (!Handle) return WindowText;
  const int length = GetWindowTextLengthW(Handle);
  std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
  text.resize(static_cast<size_t>(std::max(GetWindowTextW(Handle, text.data(), length + 1), 0)));
  return text;
}

bool TSkinButton::DefaultLook() const {
  if (Control) return IsTrue(GetEnumPropText(Control, "Default"));
  return Handle && (GetWindowLongW(Handle, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

HDC TSkinButton::BeginFace(const RECT& rect) {
  const RECT r{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  FaceBitmap->SetSize(r.right, r.bottom);
  const HDC face = FaceBitmap->Canvas().Handle();
  if (TransparentFace)
    DrawParentBackground(Control ? Control : GraphicControl, face);
  else
    FillFace(face, r);
  return face;
}

void TSkinButton::PrepareText(HDC face, int frame, bool normalEveryState) {
  TControl* control = Control ? Control : GraphicControl;
  COLORREF colour = 0;
  if (control) {
    FOldFont = SelectObject(face, control->Font()->Handle());
    colour = ColorToRGB(control->Font()->Color());
  } else {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
    FOldFont = SelectObject(face, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    colour = ColorToRGB(SkinData->Colour(SkinColour::ButtonText));
  }
  const TDataSkinButton& b = *SkinData->Buttons;
  if (b.HasNormalColour2 && (normalEveryState || frame == kButtonNormal)) colour = ColorToRGB(b.NormalColour2);
  if (b.HasMouseOverColour2 && frame == kButtonHot) colour = ColorToRGB(b.MouseOverColour2);
  if (b.HasPressedColour2 && frame == kButtonPressed) colour = ColorToRGB(b.PressedColour2);
  if (frame == kButtonDisabled) colour = ColorToRGB(kDisabledTextColour);
  SetTextColor(face, colour);
}

void TSkinButton::DrawCaption(HDC face, const RECT& client, const std::wstring& caption, bool focusRect) {
  const std::wstring text = ButtonCaptionText(caption);
  RECT t = client;
  InflateRect(&t, -2, -2);
  SetBkMode(face, TRANSPARENT);
  DrawTextAuto(face, text, t, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
  OffsetRect(&t, -t.left, -t.top);
  const int width = client.right - client.left, height = client.bottom - client.top;
  OffsetRect(&t, client.left + (width - t.right) / 2, client.top + (height - t.bottom) / 2 - 1);
  DrawTextAuto(face, text, t, ReadingOrderFlags(DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP));
  SetBkMode(face, OPAQUE);
  if (focusRect) DrawFocusAround(face, t);
}

void TSkinButton::DrawFocusAround(HDC face, RECT textRect) {
  if (!FocusedLook || (SkinData && SkinData->HasOption(xoNoFocusRect))) return;
  InflateRect(&textRect, 2, 2);
  SetTextColor(face, RGB(0, 0, 0));
  SetBkColor(face, RGB(255, 255, 255));
  ::DrawFocusRect(face, &textRect);
}

void TSkinButton::EndFace(HDC dc, const RECT& rect) {
  const HDC face = FaceBitmap->Canvas().Handle();
  BitBlt(dc, rect.left, rect.top, FaceBitmap->Width(), FaceBitmap->Height(), face, 0, 0, SRCCOPY);
  if (FOldFont) {
    SelectObject(face, FOldFont);
    FOldFont = nullptr;
  }
}

void TSkinButton::PaintSkin(HDC dc, const RECT& rect) {
  TDataSkinButton* skin = ButtonsObject();
  if (!skin || rect.right <= rect.left || rect.bottom <= rect.top) return;
  ReadWindowLook();
  const std::wstring caption = CaptionOf();
  const int frame = PushButtonFrame(MouseState, FocusedLook || DefaultLook(), EnabledLook);
  LastFrame = frame;
  const HDC face = BeginFace(rect);
  const RECT client{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  DrawSkinObject(face, client, kButtonFrames, frame, *skin);
  PrepareText(face, frame, true);
  DrawCaption(face, client, caption, true);
  EndFace(dc, rect);
}

void TSkinMenuButton::PaintSkin(HDC dc, const RECT& rect) {
  TDataSkinButton* skin = ButtonsObject();
  if (!skin || rect.right <= rect.left || rect.bottom <= rect.top) return;
  ReadWindowLook();
  const std::wstring caption = ButtonCaptionText(CaptionOf());
  // Focus shows the hot look; the focused frame is not used.
  std::uint8_t state = MouseState;
  if (FocusedLook) state |= kMouseOver;
  const int frame = PushButtonFrame(state, false, EnabledLook);
  LastFrame = frame;
  const HDC face = BeginFace(rect);
  const SIZE k{rect.right - rect.left, rect.bottom - rect.top};
  const RECT client{0, 0, k.cx, k.cy};
  DrawSkinObject(face, client, kButtonFrames, frame, *skin);
  PrepareText(face, frame, false);

  auto* glyph = static_cast<TBitmap*>(GetObjectPropByName(Control, "Glyph", TBitmap::StaticClassInfo()));
  const SIZE g = glyph && !glyph->Empty() ? SIZE{glyph->Width(), glyph->Height()} : SIZE{0, 0};
  SIZE s{0, 0};
  if (!caption.empty()) {
    RECT bounds{0, 0, k.cx - g.cx - kMenuArrow.cx, k.cy};
    InflateRect(&bounds, -2, -2);
    DrawTextAuto(face, caption, bounds, DT_CALCRECT | DT_WORDBREAK);
    s = SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
  }
  int margin = GetIntProp(Control, "Margin");
  int spacing = GetIntProp(Control, "Spacing");
  if (margin == -1 && spacing == -1) {
    margin = (k.cx - (g.cx + s.cx + kMenuArrow.cx)) / 4;
    spacing = margin;
  } else if (margin == -1) {
    margin = (k.cx - (g.cx + s.cx + 2 * spacing + kMenuArrow.cx)) / 2;
  } else if (spacing == -1) {
    spacing = (k.cx - kMenuArrow.cx - 2 * margin - g.cx - s.cx) / 2;
  }
  if (glyph && g.cx > 0) DrawGlyph(face, POINT{margin, (k.cy - g.cy) / 2}, 1, 1, *glyph);
  RECT text{margin + g.cx + spacing, (k.cy - s.cy + 1) / 2, 0, 0};
  text.right = text.left + s.cx;
  text.bottom = text.top + s.cy;
  SetBkMode(face, TRANSPARENT);
  DrawTextAuto(face, caption, text, ReadingOrderFlags(DT_WORDBREAK | DT_NOCLIP));
  SetBkMode(face, OPAQUE);
  // The arrow: a small triangle pointing down after the caption.
  const int x = text.left + 2 * spacing + s.cx, y = (k.cy - kMenuArrow.cy) / 2;
  const COLORREF arrowColour = GetSysColor(EnabledLook ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
  {
    TBrushHandle brush(CreateSolidBrush(arrowColour));
    TPenHandle pen(CreatePen(PS_SOLID, 1, arrowColour));
    TSelectObject selectBrush(face, brush.Get()), selectPen(face, pen.Get());
    const POINT arrow[] = {{x, y + 2}, {x - 3, y - 1}, {x + 3, y - 1}};
    Polygon(face, arrow, 3);
  }
  DrawFocusAround(face, text);
  EndFace(dc, rect);
}
