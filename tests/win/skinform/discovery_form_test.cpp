// Discovery over real framework forms: the walk, DisableTag, the application's hook, Skin3rd
// lines before the built-in rows, our framework classes by name, and attaching through the
// kind registry (a kind with no factory is chosen, never built).
#include <gtest/gtest.h>

#include "skin/form/discovery.h"
#include "ui/extctrls.h"
#include "ui/form.h"
#include "ui/statusbar.h"
#include "ui/stdctrls.h"
#include "win/skinform/discovery_test_support.h"

namespace fw {

// Classes named as framework classes that have not landed yet (and third-party names).
#define TEST_CLASS(Cls, Base, Name)                                                    \
  class Cls : public Base {                                                             \
    CORVANA_CLASS(Cls)                                                                  \
  public:                                                                               \
    explicit Cls(TComponent* owner) : Base(owner) { SetControlStyle(ControlStyle() | csAcceptsControls); } \
  };                                                                                    \
  const TClassInfo& Cls::StaticClassInfo() {                                            \
    static const TClassInfo info(Name, &Base::StaticClassInfo(), {});                   \
    return info;                                                                        \
  }

TEST_CLASS(TCheckBox, TWinControl, "TCheckBox")
TEST_CLASS(TRadioButton, TWinControl, "TRadioButton")
TEST_CLASS(TRadioGroup, TWinControl, "TRadioGroup")
TEST_CLASS(TRzRadioButton, TWinControl, "TRzRadioButton")
TEST_CLASS(TScrollBox, TWinControl, "TScrollBox")
TEST_CLASS(TSpeedButton, TGraphicControl, "TSpeedButton")
TEST_CLASS(TcxButton, TButton, "TcxButton")
TEST_CLASS(TcxButtonEdit, TButton, "TcxButtonEdit")
TEST_CLASS(TNilButton, TButton, "TNilButton")
TEST_CLASS(TOddButton, TButton, "TOddButton")
TEST_CLASS(TCheckedButton, TButton, "TCheckedButton")

}  // namespace fw

namespace {

template <class T>
T* Add(TWinControl* parent, TComponent* owner, int left = 0) {
  auto* control = new T(owner);
  control->SetBounds(left, 0, 60, 24);
  control->SetParent(parent);
  return control;
}

struct TestForm {
  TestForm() : form(new TForm(nullptr)), data(new TSkinData(nullptr)) {
    TestApplication();
    form->SetBounds(0, 0, 500, 300);
  }
  TTestHost host;  // outlives the skinners, which unlist themselves when freed
  TOwned<TForm> form;
  TOwned<TSkinData> data;
  TOwned<TComponent> formSkinner{new TComponent(nullptr)};
  TSkinData* Data() { return data.get(); }
};

TEST(FormDiscovery, WalkChoosesBuildsWhatIsRegisteredAndNeverSkinsTwice) {
  TestForm t;
  TForm* form = t.form.get();
  auto* button = Add<TButton>(form, form);
  auto* disabled = Add<TButton>(form, form, 70);
  disabled->SetTag(99);
  auto* edit = Add<TEdit>(form, form, 140);
  auto* memo = Add<TMemo>(form, form, 210);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  auto* panel = Add<TPanel>(form, form, 280);
  auto* inner = Add<TButton>(panel, form);
  auto* label = Add<TLabel>(form, form, 350);
  auto* status = Add<TStatusBar>(form, form);
  // A button owned by nothing the walk sees first: the tab-order pass finds it.
  TOwned<TButton> stray(new TButton(nullptr));
  stray->SetParent(panel);
  form->Handle();

  TFakeFactories factories({"TSkinButton"});
  TControlDiscovery discovery(SiteOf(t.Data(), t.host, t.formSkinner.get()));
  discovery.DiscoverFormControls(form);

  EXPECT_EQ(Outcome(discovery.RecordOf(button)), "TSkinButton built");
  EXPECT_EQ(Outcome(discovery.RecordOf(inner)), "TSkinButton built");
  EXPECT_EQ(Outcome(discovery.RecordOf(stray.get())), "TSkinButton built");
  EXPECT_EQ(Outcome(discovery.RecordOf(disabled)), "unclassified");
  EXPECT_EQ(Outcome(discovery.RecordOf(edit)), "TSkinEdit chosen");
  EXPECT_EQ(Outcome(discovery.RecordOf(memo)), "TSkinScrollbar chosen");
  EXPECT_EQ(discovery.RecordOf(memo)->Decision.Attach, TAttachMode::ScrollBar);
  EXPECT_EQ(Outcome(discovery.RecordOf(panel)), "TSkinBox chosen");
  EXPECT_TRUE(discovery.RecordOf(panel)->Decision.Recolour);
  EXPECT_EQ(Outcome(discovery.RecordOf(label)), "none");
  EXPECT_EQ(Outcome(discovery.RecordOf(status)), "TSkinStatusBar chosen");

  // The built ones are attached, listed and answer the query; the chosen ones have nothing.
  ASSERT_EQ(t.host.List.size(), 3u);
  TSkinControl* skinner = discovery.RecordOf(button)->Skinner;
  EXPECT_TRUE(skinner->Attached);
  EXPECT_EQ(skinner->Owner(), button);
  EXPECT_EQ(skinner->Control, button);
  EXPECT_EQ(SendMessageW(button->Handle(), SKINMSG_QUERY, 0, 0), 1);
  EXPECT_EQ(SendMessageW(edit->Handle(), SKINMSG_QUERY, 0, 0), 0);
  EXPECT_EQ(SendMessageW(disabled->Handle(), SKINMSG_QUERY, 0, 0), 0);

  // A second walk adds nothing.
  const int made = TFakeSkinner::Made();
  discovery.DiscoverFormControls(form);
  EXPECT_EQ(t.host.List.size(), 3u);
  EXPECT_EQ(TFakeSkinner::Made(), made);

  // A skinner whose window went away is freed by the next walk, and the control's new window
  // gets a new skinner.
  button->DestroyHandle();
  EXPECT_EQ(skinner->LifeState, kSkinnerWindowDestroyed);
  discovery.DiscoverFormControls(form);
  EXPECT_EQ(t.host.List.size(), 3u);
  EXPECT_EQ(TFakeSkinner::Made(), made + 1);
  ASSERT_TRUE(discovery.RecordOf(button));
  EXPECT_TRUE(discovery.RecordOf(button)->Built);
  EXPECT_EQ(discovery.RecordOf(button)->Skinner->LifeState, kSkinnerAttached);
  EXPECT_EQ(SendMessageW(button->Handle(), SKINMSG_QUERY, 0, 0), 1);
  stray.reset();
  EXPECT_EQ(t.host.List.size(), 2u);
}

TEST(FormDiscovery, DisabledGroupPassesItsTagToItsButtons) {
  TestForm t;
  TForm* form = t.form.get();
  auto* group = Add<fw::TRadioGroup>(form, form);
  auto* one = Add<fw::TRadioButton>(group, group);
  auto* two = Add<fw::TRadioButton>(group, group);
  auto* rz = Add<fw::TRzRadioButton>(group, group);
  auto* other = Add<fw::TRadioGroup>(form, form, 100);
  auto* three = Add<fw::TRadioButton>(other, other);
  auto* four = Add<fw::TRadioButton>(other, other);
  four->SetTag(99);
  form->Handle();

  TFakeFactories factories({"TSkinRadioButton", "TSkinGroupBox"});
  TControlDiscovery discovery(SiteOf(t.Data(), t.host, t.formSkinner.get()));
  group->SetTag(99);
  discovery.DiscoverFormControls(form);
  EXPECT_EQ(one->Tag(), 99);
  EXPECT_EQ(two->Tag(), 99);
  EXPECT_EQ(Outcome(discovery.RecordOf(group)), "unclassified");
  EXPECT_EQ(Outcome(discovery.RecordOf(one)), "unclassified");
  EXPECT_EQ(Outcome(discovery.RecordOf(rz)), "unclassified");

  // A group that is skinned skins its buttons first, each by its class; a disabled button
  // inside it stays as it is.
  EXPECT_EQ(Outcome(discovery.RecordOf(other)), "TSkinGroupBox built");
  EXPECT_TRUE(discovery.RecordOf(other)->Decision.Recolour);
  EXPECT_EQ(Outcome(discovery.RecordOf(three)), "TSkinRadioButton built");
  EXPECT_EQ(Outcome(discovery.RecordOf(four)), "unclassified");
  EXPECT_EQ(t.host.List.size(), 2u);
  EXPECT_EQ(t.host.List.front(), discovery.RecordOf(three)->Skinner);  // buttons before the group

  // A group whose Tag is not DisableTag does not pass it on.
  group->SetTag(0);
  one->SetTag(0);
  rz->SetTag(0);
  discovery.DiscoverFormControls(form);
  EXPECT_EQ(Outcome(discovery.RecordOf(one)), "TSkinRadioButton built");
  EXPECT_EQ(Outcome(discovery.RecordOf(two)), "unclassified");  // still 99
  ASSERT_EQ(Outcome(discovery.RecordOf(rz)), "TSkinObjImage chosen");
  EXPECT_EQ(discovery.RecordOf(rz)->Decision.Kind, 2);
}

TEST(FormDiscovery, Skin3rdDecidesBeforeTheBuiltInRows) {
  TestForm t;
  TForm* form = t.form.get();
  t.data->Skin3rd()->Add(L"TcxButton=bitbtn");
  t.data->Skin3rd()->Add(L"tnilbutton=nil");
  t.data->Skin3rd()->Add(L"TOddButton=wibble");
  t.data->Skin3rd()->Add(L"TCheckedButton=checkbox");
  t.data->Skin3rd()->Add(L"TPANEL=button");
  auto* cx = Add<fw::TcxButton>(form, form);
  auto* cxEdit = Add<fw::TcxButtonEdit>(form, form);
  auto* nil = Add<fw::TNilButton>(form, form);
  auto* odd = Add<fw::TOddButton>(form, form);
  auto* checked = Add<fw::TCheckedButton>(form, form);
  auto* panel = Add<TPanel>(form, form);
  auto* inPanel = Add<TButton>(panel, form);
  t.data->SetSkinControls(t.data->SkinControls() & ~SetOf(xcCheckBox));
  form->Handle();

  // Every one of them is a push button, which the built-in table would skin.
  TFakeFactories factories({"TSkinButton"});
  TControlDiscovery discovery(SiteOf(t.Data(), t.host, t.formSkinner.get()));
  discovery.DiscoverFormControls(form);
  EXPECT_EQ(Outcome(discovery.RecordOf(cx)), "TSkinBitButton chosen");
  EXPECT_EQ(discovery.RecordOf(cx)->Source, TDecisionSource::Skin3rd);
  EXPECT_EQ(Outcome(discovery.RecordOf(cxEdit)), "TSkinButton built");  // the line needs "=" at once
  EXPECT_EQ(discovery.RecordOf(cxEdit)->Source, TDecisionSource::BuiltIn);
  EXPECT_EQ(Outcome(discovery.RecordOf(nil)), "none");
  EXPECT_EQ(Outcome(discovery.RecordOf(odd)), "none");
  EXPECT_EQ(Outcome(discovery.RecordOf(checked)), "none");  // its member is missing
  // A Skin3rd panel is no container: its children are reached by the walk, not by it.
  EXPECT_EQ(Outcome(discovery.RecordOf(panel)), "TSkinButton built");
  EXPECT_EQ(Outcome(discovery.RecordOf(inPanel)), "TSkinButton built");
  EXPECT_EQ(t.host.List.size(), 3u);
}

TEST(FormDiscovery, AnObjectFromTheHandlerStopsTheChoice) {
  TestForm t;
  TForm* form = t.form.get();
  auto* button = Add<TButton>(form, form);
  auto* panel = Add<TPanel>(form, form, 100);
  auto* inner = Add<TButton>(panel, form);
  form->Handle();
  std::vector<std::string> asked;
  TSkinControl* own = nullptr;
  t.data->OnSkinControl = [&](TComponent* sender, TSkinData* data, TControl* parent, TControl* control,
                              const std::string& name, TComponent*& skinned) {
    asked.push_back(name);
    EXPECT_EQ(sender, t.formSkinner.get());
    EXPECT_EQ(data, t.data.get());
    EXPECT_EQ(parent, control == inner ? static_cast<TControl*>(panel) : form);  // ClassifyChildren's parent
    if (control == button) skinned = form;  // not a skinner: nothing is attached
    if (control == panel) {
      own = new TFakeSkinner(panel);
      own->Recolour = true;
      skinned = own;
    }
  };

  TFakeFactories factories({"TSkinButton", "TSkinBox"});
  TControlDiscovery discovery(SiteOf(t.Data(), t.host, t.formSkinner.get()));
  discovery.ClassifyOwnedComponents(form);
  EXPECT_EQ(Outcome(discovery.RecordOf(button)), "TForm chosen");
  EXPECT_EQ(discovery.RecordOf(button)->Source, TDecisionSource::Handler);
  EXPECT_EQ(SendMessageW(button->Handle(), SKINMSG_QUERY, 0, 0), 0);
  // The handler's own skinner is attached with its own recolour flag, and the panel's
  // children are classified (the handler is asked for them too).
  ASSERT_TRUE(own);
  EXPECT_TRUE(own->Attached);
  EXPECT_TRUE(discovery.RecordOf(panel)->Decision.Recolour);
  EXPECT_EQ(own->SkinData, t.data.get());
  EXPECT_EQ(Outcome(discovery.RecordOf(inner)), "TSkinButton built");
  EXPECT_EQ((std::vector<std::string>{"TBUTTON", "TPANEL", "TBUTTON"}), asked);
  EXPECT_EQ(t.host.List.size(), 2u);
}

TEST(FormDiscovery, FrameworkClassesByNameAndAttachesThatHaveNotLanded) {
  TestForm t;
  TForm* form = t.form.get();
  auto* check = Add<fw::TCheckBox>(form, form);
  auto* box = Add<fw::TScrollBox>(form, form, 100);
  auto* inBox = Add<fw::TCheckBox>(box, form);
  auto* speed = Add<fw::TSpeedButton>(form, form, 200);
  form->Handle();

  TFakeFactories factories({"TSkinCheckBox", "TSkinSpeedButton", "TSkinScrollbar"});
  TFakeSkinner::Made() = 0;
  TControlDiscovery discovery(SiteOf(t.Data(), t.host, t.formSkinner.get()));
  discovery.DiscoverFormControls(form);
  EXPECT_EQ(Outcome(discovery.RecordOf(check)), "TSkinCheckBox built");
  EXPECT_EQ(Outcome(discovery.RecordOf(inBox)), "TSkinCheckBox built");
  // The graphic and scroll-bar attaches are not registered: no skinner is even made.
  EXPECT_EQ(Outcome(discovery.RecordOf(speed)), "TSkinSpeedButton chosen");
  EXPECT_EQ(Outcome(discovery.RecordOf(box)), "TSkinScrollbar chosen");
  EXPECT_EQ(TFakeSkinner::Made(), 2);

  // Once a layer registers the attach, the skinner is made and attached through it.
  static std::vector<TControl*> attached;
  RegisterSkinnerAttach(TAttachMode::Graphic, [](TSkinControl* s, TControl* c, TSkinData*, ISkinnerHost* h, TCanvas*) {
    attached.push_back(c);
    s->GraphicControl = c;
    h->AddControlSkinner(s);
  });
  discovery.DiscoverFormControls(form);
  RegisterSkinnerAttach(TAttachMode::Graphic, nullptr);
  EXPECT_EQ(Outcome(discovery.RecordOf(speed)), "TSkinSpeedButton built");
  EXPECT_EQ(attached, std::vector<TControl*>{speed});
  EXPECT_EQ(discovery.RecordOf(speed)->Skinner->Owner(), speed);
  // Drawn by a listed skinner now: the next walk leaves it.
  discovery.DiscoverFormControls(form);
  EXPECT_EQ(attached.size(), 1u);
  EXPECT_EQ(TFakeSkinner::Made(), 3);
}

}  // namespace
