// TSkinControl: the base of every control skinner. It takes over one control's message
// processing (a framework control's dispatch method or a bare window's procedure), decides per
// message whether the control's own processing runs, and paints the control from the skin.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "skin/model/skin_data.h"
#include "ui/control.h"
#include "ui/window_thunk.h"

class TCanvas;
class TBitmap;
class TSkinControl;

// What a control skinner needs of its form skinner (which lives in a higher layer and
// implements this).
class ISkinnerHost {
public:
  virtual ~ISkinnerHost() = default;
  // Lists the skinner unless it is listed already; answers whether it was listed before.
  virtual bool AddControlSkinner(TSkinControl* skinner) = 0;
  // Unlists the skinner without freeing it (the last entry of it only).
  virtual void RemoveControlSkinner(TSkinControl* skinner) = 0;
  // The skinned window, which takes the requests of its control skinners (null: none).
  virtual HWND HostWindow() const { return nullptr; }
  // True while the host takes its controls over or changes skins and redraws the whole window
  // once at the end: a control then neither paints nor marks itself.
  virtual bool PaintsLater() const { return false; }
};

// MouseState bits.
inline constexpr std::uint8_t kMouseOver = 1;
inline constexpr std::uint8_t kMousePressed = 2;

// LifeState values.
inline constexpr int kSkinnerCreated = 0;
inline constexpr int kSkinnerAttached = 1;
inline constexpr int kSkinnerWindowDestroyed = 6;

// The system button-shadow colour: the text colour of every disabled skinned control.
inline constexpr TColor kDisabledTextColour = SystemColor(COLOR_BTNSHADOW);
// The transparent colour of skin pictures.
inline constexpr TColor kMagenta = 0xFF00FF;

class TSkinControl : public TComponent {
  CORVANA_CLASS(TSkinControl)

public:
  // The owner is the skinned control (or null for a bare window).
  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;

  virtual void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas);
  virtual void AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas);
  virtual void Detach();
  // True lets the control's own processing run (followed by AfterMessage).
  virtual bool BeforeMessage(TMessage& message);
  virtual void AfterMessage(TMessage& message);
  virtual void PaintNow(HDC dc);
  virtual void PaintSkin(HDC dc, const RECT& rect);
  virtual void SkinChanged();
  // SKINMSG_SWITCH changed Active: off gives the control its platform look and behaviour back
  // (colours, overlays), on takes it over again.
  virtual void Switched(bool on);
  virtual bool AlwaysTrue() { return true; }

  // The replacement dispatch method / window procedure: every message of the window passes.
  void SkinWndProc(TMessage& message);
  // The control's own processing (the saved dispatch method or window procedure).
  void CallDefault(TMessage& message);
  void Redraw();
  // Answers a paint message itself: PaintSkin into the DC the message carries, or between
  // BeginPaint and EndPaint, over the whole window at origin.
  void PaintInMessage(TMessage& message);
  void SendMouseLeave();

  void FillFace(HDC dc, const RECT& rect);
  void FillParentColor(HDC dc, const RECT& rect);
  static void FillColor(HDC dc, const RECT& rect, TColor colour);
  // The control's parent's integer "Color" property, or fallback.
  TColor ParentColor(TColor fallback);
  void ProbeParentBackground(bool attaching);
  void DrawFocusAroundText(HDC dc, UINT flags, const RECT& rect);
  void ForwardMouseDown(const TMessage& message);
  UINT ReadingOrderFlags(UINT flags) const;
  // The skin's "ButtonFace" (the system face colour without a skin).
  TColor FaceColour() const;

  std::uint8_t MouseState = 0;
  TCanvas* WorkCanvas = nullptr;
  bool EnabledLook = false;
  bool FocusedLook = false;
  std::wstring WindowText;
  TWindowProcInstance NewProc;
  WNDPROC OldProc = nullptr;
  bool Active = true;
  // Detach ran: switched off or not, it restores only once.
  bool Detached = false;
  bool UnicodeWindow = false;
  TSkinData* SkinData = nullptr;
  HWND Handle = nullptr;
  TWndMethod SavedWindowProc;
  TControl* Control = nullptr;
  RECT WindowRect{};
  TControl* GraphicControl = nullptr;
  bool Recolour = false;
  TColor SavedColor = 0;
  bool Attached = false;
  int LifeState = kSkinnerCreated;
  ISkinnerHost* FormSkinner = nullptr;
  int Variant = 0;
  bool ParentBackgroundCleared = false;

protected:
  void BeforeDestruction() override;

private:
  void Unhook();
  // False once the skinner is destroyed; a message in progress holds a copy.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// Shared drawing helpers of the control skinners.

// Frame frameIndex of a side-by-side strip stretched to rect, magenta transparent.
void DrawFrameStretched(HDC dc, const RECT& rect, int frameCount, int frameIndex, TBitmap& image);
void DrawFrameStretched(TCanvas& canvas, const RECT& rect, int frameCount, int frameIndex, TBitmap& image);
// Draws bitmap at rect's top-left (rect's size) leaving out the pixels of transparentColour.
void MaskBlit(HDC dc, const RECT& rect, TBitmap& bitmap, TColor transparentColour);
// Paints the parent's look (background and painting) under control into dc, whose origin is
// the control's top-left.
void DrawParentBackground(TControl* control, HDC dc);
// DrawText: the wide call on NT platforms, the ANSI one elsewhere.
int DrawTextAuto(HDC dc, const std::wstring& text, RECT& rect, UINT format);
// Text in the ANSI code page to wide text.
std::wstring ToWide(std::string_view ansiText);

// Published properties by name, with the defaults skinners rely on.
int GetIntProp(TObject* object, std::string_view name);  // -1: no object, no such integer property
std::string GetEnumPropText(TObject* object, std::string_view name);  // empty when missing
std::wstring GetTextProp(TObject* object, std::string_view name);     // empty when missing
TObject* GetObjectPropByName(TObject* object, std::string_view name, const TClassInfo& cls);  // null
// Integers as decimal text, enumerations by value name, texts; anything else is ignored.
void SetPropText(TObject* object, std::string_view name, const std::wstring& text);

// The bitmap the control skinners share for composing (status bars); null once the module
// has ended, so late painters skip their frames.
TBitmap* SkinWorkBitmap();

// Discovery: skinner kind ("button", "edit", "memo", "panel" ...) to factory. Each layer
// registers the kinds whose skinners it builds; a kind without a factory gets no skinner.
using TSkinnerFactory = TSkinControl* (*)(TComponent* owner);
void RegisterSkinnerKind(std::string_view kind, TSkinnerFactory factory);
// Case-insensitive; null for a kind nobody registered.
TSkinnerFactory FindSkinnerKind(std::string_view kind);
