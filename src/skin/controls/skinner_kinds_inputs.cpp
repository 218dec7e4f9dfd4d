// The range and input skinners made known to discovery under their class names.
#include "skin/controls/skinner_kinds_inputs.h"

#include "skin/controls/skin_combobox.h"
#include "skin/controls/skin_datetime.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_trackbar.h"
#include "skin/controls/skin_updown.h"

void RegisterRangeSkinners() {
  RegisterSkinnerKind("TSkinProgress", [](TComponent* owner) -> TSkinControl* { return new TSkinProgress(owner); });
  RegisterSkinnerKind("TSkinTrackBar", [](TComponent* owner) -> TSkinControl* { return new TSkinTrackBar(owner); });
  RegisterSkinnerKind("TSkinUpDown", [](TComponent* owner) -> TSkinControl* { return new TSkinUpDown(owner); });
}

void RegisterInputSkinners() {
  RegisterSkinnerKind("TSkinEdit", [](TComponent* owner) -> TSkinControl* { return new TSkinEdit(owner); });
  RegisterSkinnerKind("TSkinComBox", [](TComponent* owner) -> TSkinControl* { return new TSkinComBox(owner); });
  RegisterSkinnerKind("TSkinDateTime", [](TComponent* owner) -> TSkinControl* { return new TSkinDateTime(owner); });
}
