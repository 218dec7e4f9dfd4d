// The registration of the built control skinners with discovery.
#include "skin/form/control_skinners.h"

#include "skin/controls/skin_bitbutton.h"
#include "skin/controls/skin_mediaplayer.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_checkbox.h"
#include "skin/controls/skinner_kinds_inputs.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_listview.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_tabset.h"
#include "skin/form/discovery.h"

void RegisterControlSkinners() {
  RegisterButtonSkinners();
  RegisterMediaPlayerSkinner();
  RegisterCheckSkinners();
  RegisterContainerSkinners();
  RegisterRangeSkinners();
  RegisterInputSkinners();
  RegisterScrollSkinners();
  RegisterTabSkinners();
  RegisterListSkinners();
  RegisterSkinnerAttach(TAttachMode::ScrollContainer,
                        [](TSkinControl* skinner, TControl* control, TSkinData* skinData, ISkinnerHost* host, TCanvas* canvas) {
                          if (auto* bar = dynamic_cast<TSkinScControl*>(skinner))
                            bar->AttachScrollContainer(control, skinData, host, canvas);
                        });
  RegisterTabSetSkinners();
  RegisterSkinnerAttach(TAttachMode::ScrollBar,
                        [](TSkinControl* skinner, TControl* control, TSkinData* skinData, ISkinnerHost* host, TCanvas* canvas) {
                          if (auto* scroll = dynamic_cast<TSkinScrollbar*>(skinner)) {
                            scroll->WorkCanvas = canvas;
                            scroll->AttachScrolled(control, skinData, host);
                          }
                        });
  RegisterSkinnerAttach(TAttachMode::Graphic,
                        [](TSkinControl* skinner, TControl*, TSkinData* skinData, ISkinnerHost* host, TCanvas* canvas) {
                          if (auto* speed = dynamic_cast<TSkinSpeedButton*>(skinner))
                            speed->AttachGraphic(host, skinData, canvas);
                        });
}
