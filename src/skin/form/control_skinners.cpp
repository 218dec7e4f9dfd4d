// The registration of the built control skinners with discovery.
#include "skin/form/control_skinners.h"

#include "skin/controls/skin_bitbutton.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_checkbox.h"
#include "skin/controls/skinner_kinds_inputs.h"
#include "skin/form/discovery.h"

void RegisterControlSkinners() {
  RegisterButtonSkinners();
  RegisterCheckSkinners();
  RegisterContainerSkinners();
  RegisterRangeSkinners();
  RegisterInputSkinners();
  RegisterSkinnerAttach(TAttachMode::Graphic,
                        [](TSkinControl* skinner, TControl*, TSkinData* skinData, ISkinnerHost* host, TCanvas* canvas) {
                          if (auto* speed = dynamic_cast<TSkinSpeedButton*>(skinner))
                            speed->AttachGraphic(host, skinData, canvas);
                        });
}
