// TSkinEdit: the flat border after each paint, the printed border and the spin partner.
#include "skin/controls/skin_edit.h"

#include <algorithm>
#include <string>

#include "skin/controls/skin_updown.h"
#include "ui/gdi.h"
#include "ui/skin_messages.h"

namespace {

constexpr int kClassNameLength = 100;
// The printed border needs room for two rings between window and client.
constexpr int kPrintBorderRoom = 2;

std::wstring ClassLower(HWND window) {
  wchar_t buffer[kClassNameLength + 1] = {};
  const int length = GetClassNameW(window, buffer, kClassNameLength + 1);
  std::wstring name(buffer, static_cast<size_t>(std::max(length, 0)));
  std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return c < 128 ? towlower(c) : c; });
  return name;
}

bool IsSpinClass(const std::wstring& name) {
  return name == L"msctls_updown32" || name.find(L"spin") != std::wstring::npos ||
         name.find(L"updown") != std::wstring::npos;
}

void Frame(HDC dc, const RECT& r, TColor colour) {
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
  FrameRect(dc, &r, brush.Get());
}

}  // namespace

void DrawFlatBorder(HDC dc, const RECT& rect, HWND window, TColor shadow, int whiteRings) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  if (client.right == outer.right - outer.left || client.bottom == outer.bottom - outer.top) return;
  RECT r = rect;
  Frame(dc, r, shadow);
  for (int i = 0; i < whiteRings; ++i) {
    InflateRect(&r, -1, -1);
    Frame(dc, r, clWhite);
  }
}

const TClassInfo& TSkinEdit::StaticClassInfo() {
  static const TClassInfo info("TSkinEdit", &TSkinControl::StaticClassInfo(), {});
  return info;
}

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == ArrowSkinner) ArrowSkinner = nullptr;
}

bool TSkinEdit::BeforeMessage(TMessage& message) {
  if ((message.Msg == WM_PAINT || message.Msg == WM_PRINTCLIENT) && message.WParam) {
    // The platform's edit narrows the clip of a DC it is given and leaves it so; the border
    // lies outside that clip.
    {
      TSaveDC save(reinterpret_cast<HDC>(message.WParam));
      CallDefault(message);
    }
    AfterMessage(message);
    return false;
  }
  if (message.Msg == SKINMSG_PAINTEDIT && message.LParam == SKIN_MAGIC) {
    // A paint hand-off: the edit paints itself into the DC given.
    if (message.WParam) {
      TMessage paint{WM_PAINT, message.WParam, 0, 0};
      CallDefault(paint);
    }
    message.Result = SKIN_MAGIC;
    return false;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinEdit::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintNow(reinterpret_cast<HDC>(message.WParam));
      break;
    // The platform draws its sunken border again when only the frame is repainted.
    case WM_NCPAINT:
      PaintNow(nullptr);
      break;
    case WM_PRINTCLIENT:
      try {
        if (message.WParam) {
          PaintPrintBorder(reinterpret_cast<HDC>(message.WParam));
        } else if (Handle) {
          TWindowDC windowDC(Handle, TWindowDC::Whole);
          PaintPrintBorder(windowDC);
        }
      } catch (...) {
        // A failed print keeps the platform's border.
      }
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinEdit::Switched(bool on) {
  if (ArrowSkinner && ArrowSkinner->Handle && IsWindow(ArrowSkinner->Handle))
    SendMessageW(ArrowSkinner->Handle, SKINMSG_SWITCH, on ? 1 : 0, 0);
  TSkinControl::Switched(on);
}

void TSkinEdit::SkinChanged() {
  TSkinControl::SkinChanged();
  if (ArrowSkinner) ArrowSkinner->SkinChanged();
}

void TSkinEdit::FindSpinPartner() {
  for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsSpinClass(ClassLower(child))) continue;
    // Owned by this skinner alone: listed with the form skinner as well, it could be freed twice.
    ArrowSkinner = new TSkinUpDown(this);
    ArrowSkinner->EditPartner = true;
    ArrowSkinner->AttachWindow(child, SkinData, nullptr, WorkCanvas);
    return;
  }
}

void TSkinEdit::PaintSkin(HDC dc, const RECT& rect) {
  if (!Handle) return;
  // An edit without a spin child keeps its border: only the search depends on the switch.
  if (SkinData && SkinData->HasControl(xcSpin) && !ArrowSkinner) FindSpinPartner();
  const TColor shadow = SkinData ? SkinData->Colour(SkinColour::ButtonShadow) : SystemColor(COLOR_BTNSHADOW);
  DrawFlatBorder(dc, rect, Handle, shadow, 2);
}

void TSkinEdit::PaintPrintBorder(HDC dc) {
  if (!Handle) return;
  RECT outer{}, client{};
  GetWindowRect(Handle, &outer);
  GetClientRect(Handle, &client);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  if (width - client.right < kPrintBorderRoom || height - client.bottom < kPrintBorderRoom) return;
  const RECT r{0, 0, width, height};
  RECT inner = r;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  Frame(dc, r, SkinData ? SkinData->Colour(SkinColour::ButtonShadow) : SystemColor(COLOR_BTNSHADOW));
}
