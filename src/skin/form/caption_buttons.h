// Non-client objects of a skinned window: the caption buttons drawn from the skin's title
// buttons (and, later, the menu-bar items), with the four looks they animate through.
#pragma once

#include <windows.h>

#include "skin/model/skin_objects.h"

class TWinSkinForm;

// State values.
enum TNCState : int { ncNone = 0, ncNormal = 1, ncPressed = 2, ncHot = 3 };

class TNCObject {
public:
  explicit TNCObject(TWinSkinForm* owner) : Owner(owner) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseMove();
  virtual void MouseLeave();
  virtual void Paint() {}

  TWinSkinForm* Owner;
  RECT Bounds{};
  bool Visible = false;
  int State = ncNone;
  bool Enabled = true;
};

class TWinSysButton : public TNCObject {
public:
  TWinSysButton(TWinSkinForm* owner, TDataSkinSysButton* button) : TNCObject(owner), SkinButton(button) {}
  void Paint() override;
  // The frame to draw for the current state.
  int FrameIndex() const;

  TDataSkinSysButton* SkinButton;
};
