// TScrollBox: a container whose children may reach past its client area; the window's own
// scroll bars move them.
#pragma once

#include <memory>

#include "ui/wincontrol.h"

class TScrollBox;

// One of the box's two bars: how far a line moves, where the view is, and the content's extent.
class TControlScrollBar : public TPersistent {
  CORVANA_CLASS(TControlScrollBar)

public:
  TControlScrollBar(TScrollBox& owner, int bar) : FOwner(owner), FBar(bar) {}
  // Pixels per line (arrow clicks, arrow keys, one line of the wheel).
  int Increment() const { return FIncrement; }
  void SetIncrement(int value) { FIncrement = value > 0 ? value : 1; }
  // How far the view is scrolled, in pixels (0 .. Range - client size).
  int Position() const { return FPosition; }
  void SetPosition(int value);
  // The children's extent along the bar, in pixels, measured from the unscrolled origin.
  int Range() const;
  // False keeps the bar away even when the children reach past the client area.
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  // Whether the bar is shown now.
  bool IsScrollBarVisible() const;

private:
  friend class TScrollBox;
  TScrollBox& FOwner;
  int FBar;  // SB_HORZ or SB_VERT
  int FIncrement = 8;
  int FPosition = 0;
  bool FVisible = true;
};

class TScrollBox : public TWinControl {
  CORVANA_CLASS(TScrollBox)

public:
  explicit TScrollBox(TComponent* owner);
  ~TScrollBox() override;
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle style);
  TControlScrollBar* HorzScrollBar() const { return FHorz.get(); }
  TControlScrollBar* VertScrollBar() const { return FVert.get(); }
  // Shows, hides and sizes the bars for the children as they are now.
  void UpdateScrollBars();
  // Moves the view so that a child is wholly visible (as far as it fits).
  void ScrollInView(TControl* control);

  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void AlignControls(TControl* control, RECT& rect) override;
  void WndProc(TMessage& message) override;

private:
  friend class TControlScrollBar;
  // Moves the view of one bar to a position (held in range); the children move the other way.
  void ScrollTo(TControlScrollBar& bar, int position);
  void Scroll(TControlScrollBar& bar, WPARAM request);
  // tilt: a sideways wheel (positive scrolls right) rather than a turned one (positive scrolls up).
  void Wheel(int delta, bool horizontal, bool tilt);
  int Extent(const TControlScrollBar& bar) const;
  int ClientExtent(const TControlScrollBar& bar);
  std::unique_ptr<TControlScrollBar> FHorz;
  std::unique_ptr<TControlScrollBar> FVert;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FAligningChildren = false;
  int FBusy = 0;       // the box is moving its children or setting its bars
  int FWheelRest = 0;  // part of a notch that high-resolution wheels left over
};
