// TWinControl: controls with a window of their own, the window class registry, and the one
// window procedure through which every framework window's messages reach its control.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  // The framework class name ("TButton", "TForm1") and, for standard controls, the
  // platform class it builds on ("BUTTON", "EDIT", "SysTabControl32" ...).
  std::wstring WinClassName;
  std::wstring SuperClassName;
  UINT ClassStyle = CS_DBLCLKS;
  HCURSOR ClassCursor = nullptr;
  HBRUSH ClassBackground = nullptr;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
enum TBevelEdge : std::uint32_t { beLeft = 1, beTop = 2, beRight = 4, beBottom = 8 };
enum class TBorderStyle { bsNone, bsSingle };

class TWinControl : public TControl {
  CORVANA_CLASS(TWinControl)

public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, made now if there is none yet (parents first).
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // Destroys the window and makes it again with the current properties (CM_RECREATEWND).
  void RecreateWnd();
  void DestroyHandle();

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(static_cast<size_t>(index)); }
  // The windowless or windowed child at a client point (the topmost), or null.
  TControl* ControlAtPos(POINT point, bool allowDisabled, bool allowWindowed = false);
  bool ContainsControl(const TControl* control) const;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value);
  // Every windowed control inside, nested, in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& list);
  std::vector<TWinControl*> TabList() const { return FTabList; }

  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();

  // Paints the windowless children into a DC whose origin is this control's client origin,
  // starting at first (null: all of them).
  void PaintControls(HDC dc, TControl* first);
  // Sends a message to every child control until one answers with a non-zero result.
  void Broadcast(TMessage& message);

  void Realign();
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  bool Aligning() const { return FAligning; }

  TBevelKind BevelKind() const { return FBevelKind; }
  void SetBevelKind(TBevelKind kind);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut cut);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut cut);
  std::uint32_t BevelEdges() const { return FBevelEdges; }
  void SetBevelEdges(std::uint32_t edges);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int width);
  bool ParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool value);

  RECT ClientRect() override;
  POINT ClientOrigin() override;
  bool Showing() const override;
  bool IsWindowed() const override { return true; }
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void Update() override;
  void Loaded() override;
  bool AcceptChild(TComponent* child) override;
  void GetChildren(std::vector<TComponent*>& children) const override;

  // The control of a framework window (its "ControlOfs..." window property), or null.
  static TWinControl* FromHandle(HWND window);

protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  // After the window exists: fonts, texts and state the window keeps itself.
  virtual void AfterCreateWnd() {}
  virtual void DestroyWnd();
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  std::wstring GetText() const override;
  void SetText(const std::wstring& text) override;
  void BoundsChanged() override;
  // Scales the control, then its children, and aligns once at the end.
  void ChangeScale(int fromDpi, int toDpi) override;
  // The area of the client rectangle that children are aligned in.
  virtual void AdjustClientRect(RECT& rect);
  virtual void AlignControls(TControl* control, RECT& rect);
  // WM_PAINT: the control's own painting, then the windowless children.
  virtual void PaintWindow(HDC dc);
  void PaintHandler(TMessage& message);
  // Whether this control draws its window itself (true: WM_PAINT gets a DC from BeginPaint).
  virtual bool CustomPaint() const { return false; }
  // Reads where the window is now into the bounds fields.
  void UpdateBounds();
  void BeforeDestruction() override;
  // Called from the window procedure: the dispatch method with errors handed to the
  // application's error handler.
  void MainWndProc(TMessage& message);
  int BevelSize() const;

  WNDPROC FDefWndProc = nullptr;

private:
  friend class TControl;
  friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void ReflectToChild(TMessage& message, HWND child);
  void RouteMouseToChild(TMessage& message);
  void NcCalcSizeBevel(TMessage& message);
  void NcPaintBevel();

  HWND FHandle = nullptr;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  bool FTabStop = false;
  int FStoredTabOrder = -1;  // the order a description asked for, applied after reading
  int FAlignLevel = 0;
  bool FAligning = false;
  bool FRecreating = false;
  TControl* FMouseCapture = nullptr;
  TBevelKind FBevelKind = TBevelKind::bkNone;
  TBevelCut FBevelInner = TBevelCut::bvRaised;
  TBevelCut FBevelOuter = TBevelCut::bvLowered;
  std::uint32_t FBevelEdges = beLeft | beTop | beRight | beBottom;
  int FBevelWidth = 1;
  bool FParentBackground = false;
  TBrushHandle FBackgroundBrush;
  TColor FBackgroundBrushColor = clNone;
};

// The window procedure of every framework window class.
LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// The name of the window property that holds a window's framework control:
// "ControlOfs" + module handle + thread id, each as eight upper-case hex digits.
const std::wstring& ControlPropertyName();
ATOM ControlPropertyAtom();

// The framework control of any window of the program (via the window property), or null.
TWinControl* ControlOfWindow(HWND window);

// Finds the form (top-level parent) of a control.
class TCustomForm;
TCustomForm* GetParentForm(TControl* control);
