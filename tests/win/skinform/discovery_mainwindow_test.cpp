// Discovery of the real main window, read from the program's resources with its stored skin:
// every control's skinner as the built-in rows choose it, built and attached for every control
// but the labels; the push buttons', panels' and status bar's skinners answer as skinned.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "skin/model/skin_manage.h"
#include "win/skinform/discovery_test_support.h"

namespace {

TEST(MainWindowDiscovery, EachControlGetsItsSkinnerKind) {
  TestApplication();
  {
    TTestHost host;
    TOwned<TForm1> form(new TForm1(nullptr));
    auto* data = dynamic_cast<TSkinData*>(form->SkinData1);
    ASSERT_TRUE(data);
    ASSERT_TRUE(data->Tabs);
    form->Handle();

    TOwned<TComponent> formSkinner(new TComponent(nullptr));
    TControlDiscovery discovery(SiteOf(data, host, formSkinner.get()));
    discovery.DiscoverFormControls(form.get());

    struct Expected {
      TControl* Control;
      const char* Skinner;
      bool Built;
    };
    const Expected expected[] = {
        {form->PageControl1, "TSkinTab", true},
        {form->TabSheet1, "TSkinTabSheet", true},
        {form->TabSheet2, "TSkinTabSheet", true},
        {form->Memo_IPList, "TSkinScrollbar", true},
        {form->Memo_IPLog, "TSkinScrollbar", true},
        {form->Memo1, "TSkinScrollbar", true},
        {form->Edit_Ver, "TSkinEdit", true},
        {form->Panel1, "TSkinBox", true},
        {form->Panel2, "TSkinBox", true},
        {form->Button_TCPUDP, "TSkinButton", true},
        {form->Button2, "TSkinButton", true},
        {form->Button1, "TSkinButton", true},
        {form->Button_IPVer, "TSkinButton", true},
        {form->Button3, "TSkinButton", true},
        {form->StatusBar1, "TSkinStatusBar", true},
        {form->Label1, "", false},
        {form->Label2, "", false},
        {form->Label3, "", false},
    };
    for (const Expected& e : expected) {
      SCOPED_TRACE(e.Control->Name());
      const TDiscoveryRecord* record = discovery.RecordOf(e.Control);
      ASSERT_TRUE(record);
      EXPECT_EQ(record->Decision.Skinner, e.Skinner);
      EXPECT_EQ(record->Source, TDecisionSource::BuiltIn);
      EXPECT_EQ(record->Built, e.Built);
      // A control without a skinner gets nothing in its place.
      EXPECT_EQ(record->Skinner != nullptr, e.Built);
    }
    EXPECT_EQ(discovery.RecordOf(form->Memo_IPLog)->Decision.Attach, TAttachMode::ScrollBar);
    EXPECT_TRUE(discovery.RecordOf(form->Panel1)->Decision.Recolour);
    EXPECT_FALSE(discovery.RecordOf(form->Button1)->Decision.Recolour);
    // The hidden version field has a border, so even the bordered-edit kind would take it.
    EXPECT_TRUE(TControlDiscovery::FactsOf(form->Edit_Ver).HasBorder);
    EXPECT_EQ(discovery.Records().size(), std::size(expected));
    // The push buttons are drawn by their skinner now.
    for (TControl* button : {static_cast<TControl*>(form->Button_TCPUDP), static_cast<TControl*>(form->Button2),
                             static_cast<TControl*>(form->Button1)}) {
      EXPECT_TRUE(discovery.RecordOf(button)->Built);
      EXPECT_EQ(button->Perform(SKINMSG_QUERY), 1);
    }
    EXPECT_EQ(SendMessageW(form->Button1->Handle(), SKINMSG_QUERY, 0, 0), 1);
    // The panels and the status bar have their skinners too, and say so.
    for (TWinControl* control : {static_cast<TWinControl*>(form->Panel1), static_cast<TWinControl*>(form->Panel2),
                                 static_cast<TWinControl*>(form->StatusBar1)}) {
      SCOPED_TRACE(control->Name());
      const TDiscoveryRecord* record = discovery.RecordOf(control);
      ASSERT_TRUE(record);
      EXPECT_TRUE(record->Built);
      ASSERT_TRUE(record->Skinner);
      EXPECT_EQ(record->Skinner->Owner(), control);
      EXPECT_EQ(SendMessageW(control->Handle(), SKINMSG_QUERY, 0, 0), 1);
    }
    EXPECT_EQ(form->Panel1->Color(), data->Colour(SkinColour::ButtonFace));
  }
  FreeSkinManager();
}

}  // namespace
