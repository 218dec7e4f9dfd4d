// TSkinControl: attaching to a control or a bare window, the message filter, painting entry
// points, and the helpers the control skinners share.
#include "skin/controls/skin_control.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <memory>

#include "base/codec.h"
#include "skin/model/skin_draw.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/gdi.h"
#include "ui/platform.h"
#include "ui/skin_messages.h"
#include "ui/wincontrol.h"

namespace {

// Controls beyond this size in either direction do not fit the 16-bit mouse coordinates.
constexpr int kLargestMouseCoordinate = 32768;
// The ANSI text buffer of WM_GETTEXT on the 9x family.
constexpr int kAnsiTextBuffer = 1000;
// Raster operation that keeps the destination (MaskBlit's background).
constexpr DWORD kDestinationCopy = 0x00AA0029;

TPersistent* AsPersistent(TObject* object) { return dynamic_cast<TPersistent*>(object); }

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(std::max(n, 0)), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), n, nullptr, nullptr);
  return result;
}

bool InvertedRect(const RECT& r) { return r.right < r.left || r.bottom < r.top; }

// The module's shared state: made when the module starts, gone when it ends.
struct TModuleState {
  std::unique_ptr<TBitmap> WorkBitmap = std::make_unique<TBitmap>();
  ~TModuleState() {
    WorkBitmap.reset();
    Ended = true;
  }
  static inline bool Ended = false;
};
TModuleState g_Module;

std::map<std::string, TSkinnerFactory>& SkinnerKinds() {
  static std::map<std::string, TSkinnerFactory> kinds;
  return kinds;
}

}  // namespace

const TClassInfo& TSkinControl::StaticClassInfo() {
  static const TClassInfo info("TSkinControl", &TComponent::StaticClassInfo(), {});
  return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
  *FAlive = false;
  Unhook();
}

void TSkinControl::BeforeDestruction() {
  // The control is still whole here: its dispatch method can be given back.
  Unhook();
  TComponent::BeforeDestruction();
}

void TSkinControl::Unhook() {
  if (SavedWindowProc) {
    // A windowless control (a tool button) was hooked the same way as a windowed one.
    if (TControl* hooked = Control ? Control : GraphicControl) hooked->WindowProc = std::move(SavedWindowProc);
    SavedWindowProc = nullptr;
  }
  if (NewProc.Installed()) NewProc.Remove();
  if (FormSkinner) {
    FormSkinner->RemoveControlSkinner(this);
    FormSkinner = nullptr;
  }
}

void TSkinControl::AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) {
  if (Attached) return;
  Recolour = recolour;
  SkinData = skinData;
  FormSkinner = formSkinner;
  WorkCanvas = workCanvas;
  Control = dynamic_cast<TControl*>(Owner());
  if (!Control) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(Control)) {
    Handle = windowed->Handle();
    UnicodeWindow = IsWindowUnicode(Handle) != FALSE;
  }
  SavedWindowProc = Control->WindowProc;
  Control->WindowProc = [this](TMessage& message) { SkinWndProc(message); };
  if (FormSkinner) FormSkinner->AddControlSkinner(this);
  if (Recolour) {
    ProbeParentBackground(true);
    SavedColor = Control->Color();
    Control->SetColor(FaceColour());
  }
  if (ParentBackgroundCleared) Variant = 1;
  if (!FormSkinner || !FormSkinner->PaintsLater()) Control->Invalidate();
  Attached = true;
  LifeState = kSkinnerAttached;
}

void TSkinControl::AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) {
  Handle = handle;
  SkinData = skinData;
  FormSkinner = formSkinner;
  WorkCanvas = workCanvas;
  EnabledLook = true;
  Variant = 0;
  if (FormSkinner) FormSkinner->AddControlSkinner(this);
  UnicodeWindow = IsWindowUnicode(handle) != FALSE;
  if (IsWindowsNT()) {
    const int length = GetWindowTextLengthW(handle);
    std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    const int got = GetWindowTextW(handle, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    WindowText = text;
  } else {
    char buffer[kAnsiTextBuffer] = {};
    SendMessageA(handle, WM_GETTEXT, kAnsiTextBuffer, reinterpret_cast<LPARAM>(buffer));
    buffer[kAnsiTextBuffer - 1] = '\0';
    WindowText = ToWide(buffer);
  }
  if (NewProc.Install(handle, [this](TMessage& message) { SkinWndProc(message); })) OldProc = NewProc.OldProc();
  if (!FormSkinner || !FormSkinner->PaintsLater()) InvalidateRect(handle, nullptr, TRUE);
  Attached = true;
  LifeState = kSkinnerAttached;
}

void TSkinControl::SkinWndProc(TMessage& message) {
  if (message.Msg == SKINMSG_SWITCH) {
    const bool on = static_cast<LONG_PTR>(message.WParam) > 0;
    if (on != Active && !Detached) {
      Active = on;
      Switched(on);
    }
    if (Active) Redraw();
    return;
  }
  if (!Active) {
    CallDefault(message);
    // Switched off, the skinner still learns that its window is gone.
    if (message.Msg == WM_NCDESTROY) {
      LifeState = kSkinnerWindowDestroyed;
      Detach();
    }
    return;
  }
  if (BeforeMessage(message)) {
    // The control's own processing may run a modal loop (the platform's scroll tracking, a
    // menu) inside which this skinner is freed: then nothing more is done here.
    const std::shared_ptr<bool> alive = FAlive;
    CallDefault(message);
    if (*alive) AfterMessage(message);
  }
}

void TSkinControl::CallDefault(TMessage& message) {
  if (SavedWindowProc) {
    SavedWindowProc(message);
  } else if (NewProc.Installed()) {
    // Wide calls for Unicode windows: the ANSI form would garble their text messages.
    message.Result = NewProc.CallOld(message.Msg, message.WParam, message.LParam);
  } else if (OldProc) {
    message.Result = UnicodeWindow ? CallWindowProcW(OldProc, Handle, message.Msg, message.WParam, message.LParam)
                                   : CallWindowProcA(OldProc, Handle, message.Msg, message.WParam, message.LParam);
  }
}

bool TSkinControl::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      LifeState = kSkinnerWindowDestroyed;
      CallDefault(message);
      Detach();
      return false;
    case SKINMSG_QUERY: message.Result = 1; return false;
    default: return true;
  }
}

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED: Redraw(); break;
    case WM_PAINT: PaintNow(reinterpret_cast<HDC>(message.WParam)); break;
    default: break;
  }
}

void TSkinControl::PaintNow(HDC dc) {
  RECT r{};
  if (!Handle || !GetWindowRect(Handle, &r)) return;
  WindowRect = r;
  OffsetRect(&r, -r.left, -r.top);
  try {
    if (dc) {
      PaintSkin(dc, r);
    } else {
      TWindowDC windowDC(Handle, TWindowDC::Whole);
      PaintSkin(windowDC, r);
    }
  } catch (...) {
    // A failed paint leaves the old look; the next paint tries again.
  }
}

void TSkinControl::PaintSkin(HDC, const RECT&) {}

void TSkinControl::Detach() {
  if (Detached) return;
  Detached = true;
  const bool wasOn = Active;
  Active = false;
  // Switched off, the colours were given back already.
  if (wasOn && LifeState != kSkinnerWindowDestroyed && Recolour && Control) {
    ProbeParentBackground(false);
    Control->SetColor(SavedColor);
  }
}

void TSkinControl::Switched(bool on) {
  if (Recolour && Control && LifeState != kSkinnerWindowDestroyed) {
    if (on) {
      ProbeParentBackground(true);
      SavedColor = Control->Color();
      Control->SetColor(FaceColour());
    } else {
      ProbeParentBackground(false);
      ParentBackgroundCleared = false;
      Control->SetColor(SavedColor);
    }
  }
  if (on || !Handle || !IsWindow(Handle)) return;
  // The platform paints everything again, its frame included.
  RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSkinControl::SkinChanged() {
  if (Recolour && Control) Control->SetColor(FaceColour());
  Redraw();
}

void TSkinControl::Redraw() {
  if (GraphicControl) {
    GraphicControl->Invalidate();
  } else if (Handle) {
    if (!FormSkinner || !FormSkinner->PaintsLater()) {
      InvalidateRect(Handle, nullptr, TRUE);
      UpdateWindow(Handle);
    }
  }
}

void TSkinControl::PaintInMessage(TMessage& message) {
  RECT r{};
  GetWindowRect(Handle, &r);
  WindowRect = r;
  OffsetRect(&r, -r.left, -r.top);
  if (message.WParam) {
    PaintSkin(reinterpret_cast<HDC>(message.WParam), r);
  } else {
    TPaintDC paint(Handle);
    PaintSkin(paint, r);
  }
  message.Result = 0;
}

void TSkinControl::SendMouseLeave() {
  if (Handle) SendMessageW(Handle, CM_MOUSELEAVE, 0, 0);
}

TColor TSkinControl::FaceColour() const {
  return SkinData ? SkinData->Colour(SkinColour::ButtonFace) : SystemColor(COLOR_BTNFACE);
}

void TSkinControl::FillColor(HDC dc, const RECT& rect, TColor colour) {
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
  ::FillRect(dc, &rect, brush.Get());
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) { FillColor(dc, rect, FaceColour()); }

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) { FillColor(dc, rect, ParentColor(FaceColour())); }

TColor TSkinControl::ParentColor(TColor fallback) {
  if (!Control || !Control->Parent()) return fallback;
  const TPropInfo* prop = FindPropInfo(Control->Parent(), "Color");
  if (!prop || prop->Kind != TPropKind::Integer || !prop->GetOrd) return fallback;
  return static_cast<TColor>(prop->GetOrd(*Control->Parent()));
}

void TSkinControl::ProbeParentBackground(bool attaching) {
  if (!Control || (SkinData && SkinData->HasOption(xoParentBackGround))) return;
  if (!FindPropInfo(Control, "ParentBackground")) return;
  if (attaching) {
    if (Lower(GetEnumPropText(Control, "ParentBackground")) == "true") {
      ParentBackgroundCleared = true;
      SetPropText(Control, "ParentBackground", L"False");
    }
  } else if (ParentBackgroundCleared) {
    SetPropText(Control, "ParentBackground", L"True");
  }
}

void TSkinControl::DrawFocusAroundText(HDC dc, UINT flags, const RECT& rect) {
  RECT t = rect;
  DrawTextAuto(dc, WindowText, t, flags | DT_CALCRECT | DT_NOCLIP);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int textWidth = t.right - t.left, textHeight = t.bottom - t.top;
  if (flags & DT_CENTER)
    OffsetRect(&t, (width - textWidth) / 2, (height - textHeight) / 2 - 1);
  else if (flags & DT_RIGHT)
    OffsetRect(&t, width - textWidth, 0);
  InflateRect(&t, 2, 1);
  t.left = std::clamp<LONG>(t.left, rect.left, rect.right);
  t.right = std::clamp<LONG>(t.right, rect.left, rect.right);
  t.top = std::clamp<LONG>(t.top, rect.top, rect.bottom);
  t.bottom = std::clamp<LONG>(t.bottom, rect.top, rect.bottom);
  ::DrawFocusRect(dc, &t);
}

void TSkinControl::ForwardMouseDown(const TMessage& message) {
  if (!Control) return;
  int x = static_cast<short>(LOWORD(message.LParam));
  int y = static_cast<short>(HIWORD(message.LParam));
  if (Control->Width() > kLargestMouseCoordinate || Control->Height() > kLargestMouseCoordinate) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const POINT local = Control->ScreenToClient(cursor);
    x = local.x;
    y = local.y;
  }
  Control->MouseDown(TMouseButton::mbLeft, ShiftStateOfKeys(message.WParam), x, y);
}

UINT TSkinControl::ReadingOrderFlags(UINT flags) const {
  if ((Control && Control->UseRightToLeftReading()) || (GraphicControl && GraphicControl->UseRightToLeftReading()))
    flags |= DT_RTLREADING;
  return flags;
}

void MaskBlit(HDC dc, const RECT& rect, TBitmap& bitmap, TColor transparentColour) {
  if (InvertedRect(rect) || bitmap.Empty()) return;
  const int w = std::min<int>(rect.right - rect.left, bitmap.Width());
  const int h = std::min<int>(rect.bottom - rect.top, bitmap.Height());
  if (w <= 0 || h <= 0) return;
  const HDC source = bitmap.Canvas().Handle();
  TBitmapHandle mask(CreateBitmap(w, h, 1, 1, nullptr));
  TMemoryDC maskDC(dc);
  const bool nt = IsWindowsNT();
  {
    TSelectObject select(maskDC, mask.Get());
    // Colour to monochrome: pixels of the source's background colour become 1.
    const COLORREF oldBack = SetBkColor(source, ColorToRGB(transparentColour));
    BitBlt(maskDC, 0, 0, w, h, source, 0, 0, SRCCOPY);
    SetBkColor(source, oldBack);
    // MaskBlit copies where the mask is 1, so there the opaque pixels must be 1.
    if (nt) BitBlt(maskDC, 0, 0, w, h, nullptr, 0, 0, DSTINVERT);
  }
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  if (nt) {
    ::MaskBlt(dc, rect.left, rect.top, w, h, source, 0, 0, mask.Get(), 0, 0, MAKEROP4(SRCCOPY, kDestinationCopy));
  } else {
    TSelectObject select(maskDC, mask.Get());
    BitBlt(dc, rect.left, rect.top, w, h, source, 0, 0, SRCINVERT);
    BitBlt(dc, rect.left, rect.top, w, h, maskDC, 0, 0, SRCAND);
    BitBlt(dc, rect.left, rect.top, w, h, source, 0, 0, SRCINVERT);
  }
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

void DrawFrameStretched(HDC dc, const RECT& rect, int frameCount, int frameIndex, TBitmap& image) {
  if (InvertedRect(rect)) return;
  // No margins and no tiling: the whole frame stretched.
  auto frame = RenderSkinFrame(rect.right - rect.left, rect.bottom - rect.top, image, RECT{}, false, 0, frameCount,
                               frameIndex);
  if (frame->Empty()) return;
  MaskBlit(dc, rect, *frame, kMagenta);
}

void DrawFrameStretched(TCanvas& canvas, const RECT& rect, int frameCount, int frameIndex, TBitmap& image) {
  DrawFrameStretched(canvas.Handle(), rect, frameCount, frameIndex, image);
}

void DrawParentBackground(TControl* control, HDC dc) {
  if (!control || !control->Parent()) return;
  TWinControl* parent = control->Parent();
  TSaveDC save(dc);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
  RECT client = control->ClientRect();
  OffsetRect(&client, control->Left(), control->Top());
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  const auto paint = [&] {
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  };
  if (control->IsDesigning()) {
    try {
      paint();
    } catch (...) {
      // A designer keeps going with whatever the parent managed to draw.
    }
  } else {
    paint();
  }
}

int DrawTextAuto(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  if (IsWindowsNT()) return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
  const std::string ansi = ToAnsi(text);
  return DrawTextA(dc, ansi.c_str(), -1, &rect, format);
}

std::wstring ToWide(std::string_view ansiText) {
  if (ansiText.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, ansiText.data(), static_cast<int>(ansiText.size()), nullptr, 0);
  std::wstring result(static_cast<size_t>(std::max(n, 0)), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansiText.data(), static_cast<int>(ansiText.size()), result.data(), n);
  return result;
}

int GetIntProp(TObject* object, std::string_view name) {
  TPersistent* instance = AsPersistent(object);
  const TPropInfo* prop = FindPropInfo(instance, name);
  if (!instance || !prop || prop->Kind != TPropKind::Integer || !prop->GetOrd) return -1;
  return static_cast<int>(prop->GetOrd(*instance));
}

std::string GetEnumPropText(TObject* object, std::string_view name) {
  TPersistent* instance = AsPersistent(object);
  const TPropInfo* prop = FindPropInfo(instance, name);
  if (!instance || !prop) return {};
  return prop->ValueText(*instance);
}

std::wstring GetTextProp(TObject* object, std::string_view name) {
  TPersistent* instance = AsPersistent(object);
  const TPropInfo* prop = FindPropInfo(instance, name);
  if (!instance || !prop) return {};
  switch (prop->Kind) {
    case TPropKind::WideString: return prop->GetWide ? prop->GetWide(*instance) : std::wstring();
    // Narrow framework texts are UTF-8; reading them as ANSI would garble anything beyond ASCII.
    case TPropKind::String: return prop->GetString ? Utf8ToWide(prop->GetString(*instance)) : std::wstring();
    case TPropKind::Object:
    case TPropKind::Method:
    case TPropKind::Binary: return {};
    default: return Utf8ToWide(prop->ValueText(*instance));
  }
}

TObject* GetObjectPropByName(TObject* object, std::string_view name, const TClassInfo& cls) {
  TPersistent* instance = AsPersistent(object);
  const TPropInfo* prop = FindPropInfo(instance, name);
  if (!instance || !prop || prop->Kind != TPropKind::Object || !prop->GetObjectValue) return nullptr;
  TPersistent* value = prop->GetObjectValue(*instance);
  return value && value->InheritsFrom(cls) ? value : nullptr;
}

void SetPropText(TObject* object, std::string_view name, const std::wstring& text) {
  TPersistent* instance = AsPersistent(object);
  const TPropInfo* prop = FindPropInfo(instance, name);
  if (!instance || !prop) return;
  switch (prop->Kind) {
    case TPropKind::Integer: {
      if (!prop->SetOrd) return;
      const std::string digits = WideToUtf8(text);
      std::int32_t value = 0;
      const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
      if (error == std::errc() && end == digits.data() + digits.size() && !digits.empty()) prop->SetOrd(*instance, value);
      return;
    }
    case TPropKind::Enumeration: {
      if (!prop->SetOrd) return;
      const std::string wanted = Lower(WideToUtf8(text));
      for (size_t i = 0; i < prop->Names.size(); ++i) {
        if (Lower(prop->Names[i]) == wanted) {
          prop->SetOrd(*instance, static_cast<std::int64_t>(i));
          return;
        }
      }
      return;
    }
    case TPropKind::String:
      if (prop->SetString) prop->SetString(*instance, WideToUtf8(text));
      return;
    case TPropKind::WideString:
      if (prop->SetWide) prop->SetWide(*instance, text);
      return;
    default: return;
  }
}

TBitmap* SkinWorkBitmap() { return TModuleState::Ended ? nullptr : g_Module.WorkBitmap.get(); }

void RegisterSkinnerKind(std::string_view kind, TSkinnerFactory factory) {
  SkinnerKinds()[Lower(std::string(kind))] = factory;
}

TSkinnerFactory FindSkinnerKind(std::string_view kind) {
  const auto& kinds = SkinnerKinds();
  const auto it = kinds.find(Lower(std::string(kind)));
  return it == kinds.end() ? nullptr : it->second;
}
