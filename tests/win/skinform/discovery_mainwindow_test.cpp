// Discovery of the real main window, read from the program's resources with its stored skin:
// every control's skinner as the built-in rows choose it; the push buttons', panels' and status
// bar's skinners are built and attached, skinners that are not built yet are chosen and nothing
// is attached in their place.
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

    const std::pair<TControl*, const char*> expected[] = {
        {form->PageControl1, "TSkinTab"},        {form->TabSheet1, "TSkinTabSheet"},
        {form->TabSheet2, "TSkinTabSheet"},      {form->Memo_IPList, "TSkinScrollbar"},
        {form->Memo_IPLog, "TSkinScrollbar"},    {form->Memo1, "TSkinScrollbar"},
        {form->Edit_Ver, "TSkinEdit"},           {form->Panel1, "TSkinBox"},
        {form->Panel2, "TSkinBox"},              {form->Button_TCPUDP, "TSkinButton"},
        {form->Button2, "TSkinButton"},          {form->Button1, "TSkinButton"},
        {form->Button_IPVer, "TSkinButton"},     {form->Button3, "TSkinButton"},
        {form->StatusBar1, "TSkinStatusBar"},    {form->Label1, ""},
        {form->Label2, ""},                      {form->Label3, ""},
    };
    for (const auto& [control, skinner] : expected) {
      SCOPED_TRACE(control->Name());
      const TDiscoveryRecord* record = discovery.RecordOf(control);
      ASSERT_TRUE(record);
      EXPECT_EQ(record->Decision.Skinner, skinner);
      EXPECT_EQ(record->Source, TDecisionSource::BuiltIn);
      // Built where a skinner exists; otherwise chosen, and no skinner stands in for it.
      const bool buildable = !record->Decision.Skinner.empty() && FindSkinnerKind(record->Decision.Skinner) &&
                             (record->Decision.Attach == TAttachMode::Control || FindSkinnerAttach(record->Decision.Attach));
      EXPECT_EQ(record->Built, buildable);
      if (!buildable) {
        EXPECT_EQ(record->Skinner, nullptr);
      }
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
