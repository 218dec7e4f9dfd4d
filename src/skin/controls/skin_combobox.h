// TSkinComBox: combo boxes drawn from "SunkEdge", "ComboButton" and "ExtraImages" (or their
// composite), the button mirrored for right-to-left combos, the button lit only under the
// mouse; the drop-down list and a simple combo's list get their scroll-bar skinners.
#pragma once

#include "skin/controls/skin_control.h"

// Frames of the combo pictures.
inline constexpr int kComboFrames = 4;
inline constexpr int kComboNormal = 1;
inline constexpr int kComboPressed = 2;
inline constexpr int kComboDisabled = 3;
inline constexpr int kComboHot = 4;
// "ComboButton" Style values: the button beside a "SunkEdge" border, the system-sized button,
// and the composite picture that draws the whole box.
inline constexpr int kComboStyleParts = 0;
inline constexpr int kComboStyleSystemSized = 1;
inline constexpr int kComboStyleComposite = 2;

// The frame of a combo: pressed, then focused or hot, else normal; disabled wins.
int ComboFrame(bool pressed, bool focusedOrHot, bool enabled);
// Frame index in a strip mirrored left to right: its frames are in the opposite order.
int MirroredFrame(int frameCount, int frame);

class TSkinComBox : public TSkinControl {
  CORVANA_CLASS(TSkinComBox)

public:
  using TSkinControl::TSkinControl;
  ~TSkinComBox() override;

  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  void AttachWindow(HWND handle, TSkinData* skinData, ISkinnerHost* formSkinner, TCanvas* workCanvas) override;
  void Detach() override;
  // The lists' bar skinners follow the combo's switch.
  void Switched(bool on) override;
  void SkinChanged() override;
  void AfterMessage(TMessage& message) override;
  void PaintSkin(HDC dc, const RECT& rect) override;
  void PaintSystemSized(HDC dc, const RECT& rect);

  std::uint32_t StyleBits = 0;
  std::uint32_t ExStyleBits = 0;
  HWND ListWindow = nullptr;
  HWND ChildWindow = nullptr;
  TWindowProcInstance ChildProc;
  WNDPROC ChildOldProc = nullptr;
  // The scroll-bar skinners of a simple combo's list and of a drop-down list.
  TOwned<TSkinControl> ListScroller;
  TOwned<TSkinControl> DropScroller;
  COMBOBOXINFO ComboInfo{};
  // The drop-down button in window coordinates, for the mouse-over look.
  RECT ButtonRect{};
  bool ExVariant = false;
  int GetExVariant() const { return ExVariant ? 1 : 0; }
  void SetExVariant(int value) { ExVariant = value != 0; }
  // The frame of the last paint (0 before any).
  int LastFrame = 0;

private:
  // Style, extended style and the platform's combo information; false without the query.
  bool RefreshInfo();
  void AttachLists(bool framework);
  void ChildMessage(TMessage& message);
  void Unsubclass();
  void CoverStrayButton(HDC dc, const RECT& drawn);
  int StateFrame();
};
