// TControl: position, alignment, anchors, colour, font, text, visibility, mouse handling and
// the replaceable dispatch method that every message and notification passes.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/component.h"
#include "ui/graphics.h"
#include "ui/messages.h"

class TWinControl;
class TCanvas;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind : std::uint32_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = std::uint32_t;

enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// Cursors by the platform's numbering of the framework: 0 default, negative = stock cursors.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;
HCURSOR CursorHandle(TCursor cursor);

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag : std::uint32_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = std::uint32_t;
TShiftState ShiftStateOfKeys(WPARAM keys);

using TMouseEvent = std::function<void(TObject*, TMouseButton, TShiftState, int, int)>;
using TMouseMoveEvent = std::function<void(TObject*, TShiftState, int, int)>;

// What a control's class does by itself.
enum TControlStyleFlag : std::uint32_t {
  csAcceptsControls = 1,  // may be the parent of other controls
  csClickEvents = 2,      // a left click raises Click (windowless and custom-painted controls)
  csOpaque = 4,           // paints its whole area (parents need not erase under it)
  csCaptureMouse = 8,     // captures the mouse while a button is held
  csSetCaption = 16,      // the name becomes the caption while the caption was never set
};

class TControl : public TComponent {
  CORVANA_CLASS(TControl)

public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }

  virtual RECT ClientRect();
  int ClientWidth() { return ClientRect().right; }
  int ClientHeight() { return ClientRect().bottom; }
  virtual void SetClientSize(int width, int height);
  void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
  void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
  POINT ClientToScreen(POINT point);
  POINT ScreenToClient(POINT point);
  // The control's client origin in screen coordinates.
  virtual POINT ClientOrigin();

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors anchors);

  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible with every parent visible.
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  TFont* Font() const { return FFont.get(); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);

  std::wstring Caption() const { return GetText(); }
  void SetCaption(const std::wstring& text) { SetText(text); }
  std::wstring Text() const { return GetText(); }
  void SetTextValue(const std::wstring& text) { SetText(text); }
  std::wstring Hint() const { return FHint; }
  void SetHint(const std::wstring& hint) { FHint = hint; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor cursor);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode mode);
  bool UseRightToLeftReading() const { return FBiDiMode != TBiDiMode::bdLeftToRight; }
  // Right-to-left modes other than reading-only put the vertical scroll bar on the left;
  // bdRightToLeft also aligns the text to the right.
  bool UseRightToLeftScrollBar() const {
    return FBiDiMode == TBiDiMode::bdRightToLeft || FBiDiMode == TBiDiMode::bdRightToLeftNoAlign;
  }
  bool UseRightToLeftAlignment() const { return FBiDiMode == TBiDiMode::bdRightToLeft; }

  std::uint32_t ControlStyle() const { return FControlStyle; }
  void SetControlStyle(std::uint32_t style) { FControlStyle = style; }

  // The dispatch method. Replace it to see (and swallow) every message of the control; call
  // the saved one to let the control's own processing run.
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  virtual void Invalidate();
  void Repaint();
  virtual void Update();
  void BringToFront();

  // Raises OnClick.
  virtual void Click();
  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

  virtual bool IsWindowed() const { return false; }

  // The scale the control's bounds and font are in: 96 (design units) until its form is
  // scaled, then the pixels per inch of the form's monitor.
  int CurrentDpi() const { return FCurrentDpi; }
  // Scales the control (and everything inside it) from CurrentDpi to dpi. Bounds and font
  // heights are worked out from what was last set, so no rounding piles up over changes.
  virtual void ScaleForDpi(int dpi);

  // Records the current bounds and the parent's client size as the origin of anchoring.
  void UpdateAnchorRules();
  // The bounds anchoring gives for a parent client size.
  RECT AnchoredBounds(int parentWidth, int parentHeight) const;

  void Loaded() override;
  bool HasParent() const override { return FParent != nullptr; }

protected:
  // The control's own processing of one message; unhandled messages reach DefaultHandler.
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  virtual std::wstring GetText() const;
  virtual void SetText(const std::wstring& text);
  // After the bounds changed (the window moves in TWinControl).
  virtual void BoundsChanged() {}
  virtual void VisibleChanging() {}
  void RequestAlign();
  void BeforeDestruction() override;
  // Sets the fields without moving anything (a window reports where it is now).
  void SetBoundsFields(int left, int top, int width, int height);
  // Sets Visible without any notification (classes whose instances start hidden).
  void SetVisibleField(bool visible) { FVisible = visible; }
  // Takes the control to another scale: bounds, font, and whatever a class keeps in pixels
  // (column widths, glyphs ...). Overrides call the inherited one first.
  virtual void ChangeScale(int fromDpi, int toDpi);
  // The bounds at a scale, from the bounds last set by the program and the scale they were
  // set at.
  // (left, top, width and height in the RECT's four fields.)
  virtual RECT ScaledBounds(int dpi);
  // While the control is being scaled: bounds set now are results of scaling, not requests.
  bool Scaling() const { return FScaling; }

  std::unique_ptr<TFont> FFont;
  std::wstring FText;
  bool FTextSet = false;

private:
  friend class TWinControl;
  void FontChanged();
  void HandleMouseButton(TMessage& message, TMouseButton button, bool down, bool dbl);

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = TAlign::alNone;
  TAnchors FAnchors = akLeft | akTop;
  RECT FAnchorOrigin{};
  SIZE FAnchorParentSize{};
  int FAnchorDpi = 96;
  bool FAnchorOriginSet = false;
  int FCurrentDpi = 96;
  RECT FSetBounds{0, 0, 0, 0};  // left, top, width, height as last set by the program
  int FSetBoundsDpi = 96;
  bool FScaling = false;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clWindow;
  bool FParentColor = false;
  bool FParentFont = true;
  std::wstring FHint;
  bool FShowHint = false;
  TCursor FCursor = crDefault;
  TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
  std::uint32_t FControlStyle = csCaptureMouse | csClickEvents | csSetCaption;
  bool FMouseButtonDown = false;
};

// Names of the enumeration and set values as form descriptions write them.
const std::vector<std::string>& AlignNames();
const std::vector<std::string>& AnchorNames();
