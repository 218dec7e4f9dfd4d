// The real main window, read from the program's resources with its stored skin: its version
// field (Edit_Ver, a TEdit) is drawn by a TSkinEdit once discovery runs.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "skin/controls/skin_edit.h"
#include "skin/model/skin_manage.h"
#include "win/skincontrols/skinner_test.h"
#include "win/skinform/discovery_test_support.h"

namespace {

TEST(MainWindowEdit, TheVersionFieldIsDrawnByAnEditSkinner) {
  TestApplication();
  {
    TTestHost host;
    TOwned<TForm1> form(new TForm1(nullptr));
    auto* data = dynamic_cast<TSkinData*>(form->SkinData1);
    ASSERT_TRUE(data);
    form->Handle();
    TOwned<TComponent> formSkinner(new TComponent(nullptr));
    TControlDiscovery discovery(SiteOf(data, host, formSkinner.get()));
    discovery.DiscoverFormControls(form.get());

    const TDiscoveryRecord* record = discovery.RecordOf(form->Edit_Ver);
    ASSERT_TRUE(record);
    EXPECT_EQ(Outcome(record), "TSkinEdit built");
    auto* skinner = dynamic_cast<TSkinEdit*>(record->Skinner);
    ASSERT_TRUE(skinner);
    EXPECT_EQ(skinner->Control, form->Edit_Ver);
    EXPECT_EQ(skinner->Owner(), form->Edit_Ver);
    EXPECT_EQ(SendMessageW(form->Edit_Ver->Handle(), SKINMSG_QUERY, 0, 0), 1);
    EXPECT_NE(std::find(host.List.begin(), host.List.end(), skinner), host.List.end());

    // It draws the flat border in the stored skin's shadow colour.
    RECT r{};
    GetWindowRect(form->Edit_Ver->Handle(), &r);
    TProbeDC probe(r.right - r.left, r.bottom - r.top, RGB(250, 1, 250));
    skinner->PaintSkin(probe.Get(), RECT{0, 0, r.right - r.left, r.bottom - r.top});
    EXPECT_EQ(probe.At(0, 0), ColorToRGB(data->Colour(SkinColour::ButtonShadow)));
    EXPECT_EQ(probe.At(1, 1), RGB(255, 255, 255));
  }
  FreeSkinManager();
}

}  // namespace
