// The rules of the caption buttons as pure functions: when a title button of the skin is
// shown and enabled, where it goes, and its hint. No window calls, so they are tested quickly.
#pragma once

#include <functional>
#include <string>

#include "skin/form/frame_geometry.h"

// Action codes of title buttons that the engine runs itself.
enum TCaptionAction : int {
  caClose = 0,
  caMaximize = 1,
  caMinimize = 2,
  caSystemIcon = 3,
  caHelp = 4,
  caMdiMinimize = 7,
  caMdiRestore = 8,
  caMdiClose = 9,
  caSystemIcon2 = 11,
  caSystemIcon3 = 12,
  caMaximize2 = 22,
  caMinimize2 = 23,
  caMdiMinimize2 = 60,
  caMdiRestore2 = 61,
  caMdiClose2 = 62,
};

// Visibility code of the MDI child buttons in the menu band.
inline constexpr int kMenuBandVisibility = 100;

// What the visibility rules read of the window.
struct TCaptionContext {
  bool Maximized = false;
  bool ActiveLook = true;
  int Caps = 0;  // TCaptionCaps bits
  TFrameKind FrameKind = fkSizeable;
  bool MessageDialog = false;
  // An MDI frame whose active child is maximized and which has a skinned menu bar.
  bool MdiMaximizedWithMenuBar = false;
  // The application's answer to the visibility question for codes 1000 to 2000 (> 0: shown).
  std::function<long(int code, int action)> AskApplication;
};

struct TCaptionVisibility {
  bool Visible = false;
  bool Enabled = true;
};

// Condition A of a visibility code, or B with `second`.
bool CaptionCondition(int code, bool second, const TCaptionContext& context, int action);
// Both conditions and the adjustments by action.
TCaptionVisibility CaptionButtonVisibility(int visibility, int visibility1, int action, const TCaptionContext& context);

struct TCaptionLayoutInput {
  int Align = 0, Xcoord = 0, Ycoord = 0;
  int Width = 0, Height = 0;        // of one frame of the button's image
  int WindowWidth = 0;
  TFrameRect TextBack;              // the title's background rectangle
  int FrameRight = 0, FrameTop = 0, MenuBarHeight = 0;
  int MenuBarLeftWidth = 0;         // of the skin's menu-bar object, 0 without one
};
TFrameRect CaptionButtonBounds(const TCaptionLayoutInput& in);

bool IsSystemIconAction(int action);
// The hint of a button, empty for none.
std::wstring CaptionHintText(int action);
