// The registration of the built control skinners with discovery.
#include "skin/form/control_skinners.h"

#include "skin/controls/skin_bitbutton.h"
#include "skin/form/discovery.h"

void RegisterControlSkinners() {
  RegisterButtonSkinners();
  RegisterSkinnerAttach(TAttachMode::Graphic,
                        [](TSkinControl* skinner, TControl*, TSkinData* skinData, ISkinnerHost* host, TCanvas* canvas) {
                          if (auto* speed = dynamic_cast<TSkinSpeedButton*>(skinner))
                            speed->AttachGraphic(host, skinData, canvas);
                        });
}
