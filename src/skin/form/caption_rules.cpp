// Visibility, layout and hints of caption buttons.
#include "skin/form/caption_rules.h"

namespace {

bool HasMinOrMax(int caps) { return caps & (capMinimize | capMaximize); }

}  // namespace

bool CaptionCondition(int code, bool second, const TCaptionContext& c, int action) {
  const bool systemMenu = c.Caps & capSystemMenu;
  switch (code) {
    case -1:
      // The first condition of -1 has no meaning of its own: it leaves the decision to the
      // second, whose -1 hides the button.
      return !second;
    case 0: return true;
    case 1: return c.Maximized;
    case 2: return !c.Maximized;
    case 3: return c.ActiveLook;
    case 4: return !c.ActiveLook;
    case 5: return false;
    case 6:
    case 8: return second ? HasMinOrMax(c.Caps) : HasMinOrMax(c.Caps) && systemMenu;
    case 7: return !(c.Caps & capMaximize);
    case 9: return !(c.Caps & capMinimize);
    case 10: return second ? (c.Caps & capHelp) != 0 : (c.Caps & capHelp) && !HasMinOrMax(c.Caps);
    case kMenuBandVisibility: return c.MdiMaximizedWithMenuBar;
    case 200: return !second && c.FrameKind == fkDialog && !c.MessageDialog;
    default:
      if (code >= 201 && code <= 999) return !second;
      if (code >= 1000 && code <= 2000) return !second && c.AskApplication && c.AskApplication(code, action) > 0;
      return false;
  }
}

TCaptionVisibility CaptionButtonVisibility(int visibility, int visibility1, int action, const TCaptionContext& c) {
  TCaptionVisibility result;
  result.Visible = CaptionCondition(visibility, false, c, action) && CaptionCondition(visibility1, true, c, action);
  const bool systemMenu = c.Caps & capSystemMenu;
  if (action == caClose && !systemMenu) result.Visible = false;
  if (action == caMaximize) result.Enabled = (c.Caps & capMaximize) && systemMenu;
  if (action == caMinimize) result.Enabled = (c.Caps & capMinimize) && systemMenu;
  if ((action == caSystemIcon || action == caSystemIcon2 || action == caSystemIcon3) && c.FrameKind == fkDialog)
    result.Visible = false;
  return result;
}

TFrameRect CaptionButtonBounds(const TCaptionLayoutInput& in) {
  int x = 0, y = 0;
  switch (in.Align) {
    case 0: x = in.Xcoord; y = in.Ycoord; break;
    case 1: x = in.WindowWidth - in.Xcoord; y = in.Ycoord; break;
    case 2:
    case 8: x = in.TextBack.Left - in.Width - in.Xcoord; y = in.Ycoord; break;
    case 3:
    case 9: x = in.TextBack.Right + in.Xcoord; y = in.Ycoord; break;
    case kMenuBandVisibility:
      x = in.WindowWidth - in.Xcoord - in.FrameRight - in.MenuBarLeftWidth;
      y = in.FrameTop + (in.MenuBarHeight - in.Height) / 2;
      break;
    default: break;
  }
  return TFrameRect{x, y, x + in.Width, y + in.Height};
}

bool IsSystemIconAction(int action) { return action == caSystemIcon || action == caSystemIcon2; }

std::wstring CaptionHintText(int action) {
  switch (action) {
    case caClose:
    case caMdiClose:
    case caMdiClose2: return L"Close";
    case caMaximize:
    case caMaximize2: return L"Maximize";
    case caMinimize:
    case caMinimize2:
    case caMdiMinimize:
    case caMdiMinimize2: return L"Minimize";
    case caMdiRestore:
    case caMdiRestore2: return L"Restore";
    default: return std::wstring();
  }
}
