// Discovery builds the range and input skinners for our framework's controls once they are
// registered, and a Skin3rd "comboboxex" line reaches the combo skinner's ExVariant.
#include "skin/controls/skin_combobox.h"
#include "skin/form/control_skinners.h"
#include "skin/form/discovery.h"
#include "ui/combobox.h"
#include "ui/comctrls_range.h"
#include "ui/datetimepicker.h"
#include "ui/stdctrls.h"
#include "win/rangeinputs/range_skin_test.h"
#include "win/skinform/discovery_test_support.h"

namespace {

class InputDiscovery : public RangeSkinTest {
protected:
  void SetUp() override {
    RangeSkinTest::SetUp();
    RegisterControlSkinners();
    Data->SetSkinControls(SetOf(xcCombo, xcProgress, xcEdit, xcButton, xcSpin));
  }
  TTestHost TestHost;
  TOwned<TComponent> FormSkinner{new TComponent(nullptr)};
};

TEST_F(InputDiscovery, EachRangeAndInputControlGetsItsSkinnerBuilt) {
  auto* progress = Make<TProgressBar>(10, 10, 150, 16);
  auto* track = Make<TTrackBar>(10, 40, 150, 40);
  auto* edit = Make<TEdit>(10, 90, 100, 21);
  auto* arrows = Make<TUpDown>(112, 90, 17, 21);
  arrows->SetAssociate(edit);
  auto* combo = Make<TComboBox>(10, 120, 150, 21);
  auto* picker = Make<TDateTimePicker>(10, 150, 150, 21);
  TControlDiscovery discovery(SiteOf(Data.get(), TestHost, FormSkinner.get()));
  discovery.DiscoverFormControls(Form.get());
  const std::pair<TControl*, const char*> expected[] = {
      {progress, "TSkinProgress built"}, {track, "TSkinTrackBar built"}, {edit, "TSkinEdit built"},
      {arrows, "TSkinUpDown built"},     {combo, "TSkinComBox built"},   {picker, "TSkinDateTime built"},
  };
  for (const auto& [control, outcome] : expected) {
    SCOPED_TRACE(control->ClassName());
    EXPECT_EQ(Outcome(discovery.RecordOf(control)), outcome);
    TSkinControl* skinner = discovery.RecordOf(control)->Skinner;
    ASSERT_TRUE(skinner);
    EXPECT_EQ(skinner->ClassName(), discovery.RecordOf(control)->Decision.Skinner);
    EXPECT_EQ(SendMessageW(static_cast<TWinControl*>(control)->Handle(), SKINMSG_QUERY, 0, 0), 1);
  }
  EXPECT_FALSE(static_cast<TSkinComBox*>(discovery.RecordOf(combo)->Skinner)->ExVariant);
  // The picker's arrow button is the engine's own: a second walk leaves it alone.
  TControlDiscovery again(SiteOf(Data.get(), TestHost, FormSkinner.get()));
  again.DiscoverFormControls(Form.get());
  for (const TDiscoveryRecord& record : again.Records()) EXPECT_NE(record.Control->ClassName(), "TArrowButton");
}

TEST_F(InputDiscovery, AComboBoxExLineSetsExVariantAndAMissingSwitchBuildsNothing) {
  auto* combo = Make<TComboBox>(10, 120, 150, 21);
  Data->Skin3rd()->Add(L"TComboBox=comboboxex");
  TControlDiscovery discovery(SiteOf(Data.get(), TestHost, FormSkinner.get()));
  discovery.DiscoverFormControls(Form.get());
  ASSERT_EQ(Outcome(discovery.RecordOf(combo)), "TSkinComBox built");
  EXPECT_TRUE(static_cast<TSkinComBox*>(discovery.RecordOf(combo)->Skinner)->ExVariant);

  auto* progress = Make<TProgressBar>(10, 10, 150, 16);
  Data->SetSkinControls(SetOf(xcCombo));
  TControlDiscovery without(SiteOf(Data.get(), TestHost, FormSkinner.get()));
  without.DiscoverFormControls(Form.get());
  EXPECT_EQ(Outcome(without.RecordOf(progress)), "none");
  EXPECT_NE(SendMessageW(progress->Handle(), SKINMSG_QUERY, 0, 0), 1);
}

}  // namespace
