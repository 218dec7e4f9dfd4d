// The skin component and the manager's pieces: property defaults, Skin3rd, the stored
// stream, Loaded's rules, the window filter, scheduling and the hook's activation count.
#include <gtest/gtest.h>

#include "lzh_encoder.h"
#include "skin/file/skin_reader.h"
#include "skin/model/skin_manage.h"
#include "support/temp_dir.h"
#include "test_skin.h"
#include "ui/imagelist.h"
#include "ui/reader.h"
#include "win/support/ui_test.h"

namespace {

// Every test starts without a manager, as the program does.
class SkinDataTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    RegisterSkinModelClasses();
    FreeSkinManager();
  }
  void TearDown() override { FreeSkinManager(); }
};

std::string PropText(TSkinData& data, const char* name) {
  const TPropInfo* prop = FindPropInfo(&data, name);
  return prop ? prop->ValueText(data) : "<no property>";
}

std::vector<std::uint8_t> SmallArchive() {
  return TTestSkin().Strip("top.bmp", 2, 30, 30, 1).Ini("[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\n").Archive();
}

// The SkinStream value of a description: size word, then the bytes, as hex.
std::string StreamHex(const std::vector<std::uint8_t>& bytes, std::uint32_t sizeWord) {
  static const char* digits = "0123456789ABCDEF";
  std::string hex;
  auto put = [&](std::uint8_t b) {
    hex += digits[b >> 4];
    hex += digits[b & 15];
  };
  for (int i = 0; i < 4; ++i) put(static_cast<std::uint8_t>(sizeWord >> (8 * i)));
  for (std::uint8_t b : bytes) put(b);
  return hex;
}

class TSkinTestForm : public TForm {
  CORVANA_CLASS(TSkinTestForm)

public:
  explicit TSkinTestForm(TComponent* owner) : TForm(owner) {}
  // Handlers of the skin component's events, by name as a description names them.
  std::any FindTypedMethod(std::string_view name) override {
    if (name == "RefusePreview")
      return TFormSkinEvent([this](TObject*, const std::string& cls, bool& doSkin) {
        Calls.push_back("form " + cls);
        if (cls == "Preview") doSkin = false;
      });
    if (name == "BeforeSkin" || name == "AfterSkin") {
      const std::string which(name);
      return TSkinFormEvent([this, which](TObject*, HWND, const std::string& cls) { Calls.push_back(which + " " + cls); });
    }
    if (name == "ChooseSkinner")
      return TSkinControlEvent([this](TComponent*, TSkinData*, TControl*, TControl*, const std::string& cls,
                                      TComponent*&) { Calls.push_back("control " + cls); });
    return {};
  }
  std::vector<std::string> Calls;
};

const TClassInfo& TSkinTestForm::StaticClassInfo() {
  static const TClassInfo info("TSkinTestForm", &TForm::StaticClassInfo(), {});
  return info;
}

TOwned<TSkinTestForm> ReadForm(const std::string& skinBlock) {
  TOwned<TSkinTestForm> form(new TSkinTestForm(nullptr));
  ReadComponentText(form.get(), "object SkinTestForm: TSkinTestForm\n  Caption = 'Skin test'\n" + skinBlock + "end\n");
  return form;
}

TEST_F(SkinDataTest, ASkinFileNamedByTheDescriptionIsLoadedWhileTheFormIsRead) {
  TempDir dir;
  const auto archive =
      TTestSkin().Strip("top.bmp", 2, 30, 30, 1).Ini("[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\n[TitlebarSkin]\r\n"
                                                      "SkinName=From File\r\n").Archive();
  const std::string file = dir.Write("皮肤.skn", archive);
  auto form = ReadForm("  object SkinData1: TSkinData\n    SkinFile = '" + file + "'\n  end\n");
  auto* data = form->FindComponentAs<TSkinData>("SkinData1");
  ASSERT_TRUE(data);
  EXPECT_FALSE(data->SkinPending());
  EXPECT_EQ(data->SkinName(), "From File");
  // A file that is no skin keeps the skin in use.
  const std::string text = dir.Write("notes.txt", std::vector<std::uint8_t>{'h', 'i'});
  data->SetSkinFile(text);
  EXPECT_FALSE(data->SkinPending());
  EXPECT_EQ(data->SkinName(), "From File");
  EXPECT_EQ(data->StoredStream().Size(), static_cast<std::int64_t>(archive.size()));
  // A missing file leaves the component pending, and nothing else happens.
  auto missing = ReadForm("  object SkinData1: TSkinData\n    SkinFile = 'no-such-skin.skn'\n  end\n");
  EXPECT_TRUE(missing->FindComponentAs<TSkinData>("SkinData1")->SkinPending());
}

TEST_F(SkinDataTest, TheFourFormEventsAreBoundFromTheDescription) {
  auto form = ReadForm(
      "  object SkinData1: TSkinData\n    OnFormSkin = RefusePreview\n    OnSkinControl = ChooseSkinner\n"
      "    OnBeforeSkinForm = BeforeSkin\n    OnAfterSkinForm = AfterSkin\n  end\n");
  auto* data = form->FindComponentAs<TSkinData>("SkinData1");
  ASSERT_TRUE(data);
  bool doSkin = true;
  data->ShouldSkinWindow(nullptr, "Preview", doSkin);
  EXPECT_FALSE(doSkin);
  ASSERT_TRUE(data->OnBeforeSkinForm && data->OnAfterSkinForm && data->OnSkinControl);
  data->OnBeforeSkinForm(form.get(), nullptr, "TForm1");
  data->OnAfterSkinForm(form.get(), nullptr, "TForm1");
  TComponent* skinner = nullptr;
  data->OnSkinControl(nullptr, data, form.get(), form.get(), "TBUTTON", skinner);
  EXPECT_EQ(form->Calls, (std::vector<std::string>{"form Preview", "BeforeSkin TForm1", "AfterSkin TForm1", "control TBUTTON"}));
  // A handler of another signature, or none of that name, is a fault of the description.
  EXPECT_THROW(ReadForm("  object SkinData1: TSkinData\n    OnFormSkin = BeforeSkin\n  end\n"), Exception);
  EXPECT_THROW(ReadForm("  object SkinData1: TSkinData\n    OnAfterSkinForm = Missing\n  end\n"), Exception);
}

TEST_F(SkinDataTest, PublishedPropertiesStartAtTheirDefaults) {
  TOwned<TSkinData> data(new TSkinData(nullptr));
  EXPECT_EQ(PropText(*data, "Active"), "False");
  EXPECT_EQ(PropText(*data, "DisableTag"), "99");
  EXPECT_EQ(PropText(*data, "SkinControls"),
            "[xcMainMenu,xcPopupMenu,xcToolbar,xcControlbar,xcCombo,xcCheckBox,xcRadioButton,xcProgress,"
            "xcScrollbar,xcEdit,xcButton,xcBitBtn,xcSpeedButton,xcSpin,xcPanel,xcGroupBox,xcStatusBar,xcTab,"
            "xcTrackBar,xcSystemMenu]");
  EXPECT_EQ(PropText(*data, "Options"), "[xoPreview,xoToolbarBK,xoCaptionButtonHint]");
  EXPECT_EQ(PropText(*data, "SkinFormtype"), "sfMainform");
  EXPECT_EQ(PropText(*data, "Version"), "5.40.07.15");
  EXPECT_EQ(PropText(*data, "MenuUpdate"), "True");
  EXPECT_EQ(PropText(*data, "MenuMerge"), "False");
  EXPECT_EQ(PropText(*data, "SkinFile"), "");
  EXPECT_TRUE(data->SkinPending());
  // Assigning the display-only texts changes nothing.
  FindPropInfo(data.get(), "Version")->SetValueText(*data, "1.0");
  EXPECT_EQ(data->Version(), "5.40.07.15");

  ASSERT_EQ(data->Skin3rd()->Count(), 118);
  EXPECT_EQ(data->Skin3rd()->Get(0), L"TCategoryButtons=scrollbar");
  EXPECT_EQ(data->Skin3rd()->Get(1), L"TPngSpeedbutton=pngspeedbutton");
  EXPECT_EQ(data->Skin3rd()->Get(2), L"TPngBitBtn=pngbitbtn");
  EXPECT_EQ(data->Skin3rd()->Get(3), L"TVirtualStringTree=scrollbar");
  int fontSize = 0, combos = 0;
  for (int i = 0; i < 118; ++i) {
    const std::wstring row = data->Skin3rd()->Get(i);
    if (row == L"TLMDFontSizeCombobox=Combobox") ++fontSize;
    if (row.ends_with(L"=combobox") || row.ends_with(L"=Combobox")) ++combos;
  }
  EXPECT_EQ(fontSize, 2);  // duplicates are kept
  EXPECT_EQ(combos, 39);
  // The menu glyphs: four 16 x 16 images from the program's resource.
  EXPECT_EQ(data->MenuGlyphs().Count(), 4);
}

TEST_F(SkinDataTest, SkinStoreReadsNoneAtRunTimeEvenWithAStoredSkin) {
  TOwned<TSkinData> data(new TSkinData(nullptr));
  const auto archive = SmallArchive();
  data->StoredStream().WriteBuffer(archive.data(), static_cast<std::int64_t>(archive.size()));
  EXPECT_EQ(data->SkinStore(), "(none)");
  FindPropInfo(data.get(), "SkinStore")->SetValueText(*data, "(Good)");
  EXPECT_EQ(data->SkinStore(), "(none)");
}

TEST_F(SkinDataTest, SkinStreamRoundTripsAndLoadsTheSkin) {
  TOwned<TSkinData> first(new TSkinData(nullptr));
  const auto archive = SmallArchive();
  first->StoredStream().WriteBuffer(archive.data(), static_cast<std::int64_t>(archive.size()));
  TMemoryStream written;
  FindPropInfo(first.get(), "SkinStream")->WriteBinary(*first, written);
  ASSERT_EQ(written.Size(), static_cast<std::int64_t>(archive.size()) + 4);
  const std::uint8_t* w = written.Memory();
  EXPECT_EQ(w[0] | (w[1] << 8) | (w[2] << 16) | (w[3] << 24), static_cast<int>(archive.size()));
  EXPECT_TRUE(std::equal(archive.begin(), archive.end(), w + 4));

  TOwned<TSkinData> second(new TSkinData(nullptr));
  written.SetPosition(0);
  FindPropInfo(second.get(), "SkinStream")->ReadBinary(*second, written);
  EXPECT_FALSE(second->SkinPending());
  ASSERT_EQ(second->StoredStream().Size(), static_cast<std::int64_t>(archive.size()));
  EXPECT_EQ(second->Borders[kBorderTop]->Image.Width(), 60);
  EXPECT_EQ(second->Colour(SkinColour::Title), static_cast<TColor>(FrameColour(1, 1)));

  // An empty component writes a zero size word and nothing else.
  TOwned<TSkinData> empty(new TSkinData(nullptr));
  TMemoryStream none;
  empty->WriteSkinStream(none);
  EXPECT_EQ(none.Size(), 4);
}

TEST_F(SkinDataTest, DamagedStoredStreamsLeaveTheComponentPending) {
  std::string shown;
  auto saved = TSkinReader::OnMessageBox;
  TSkinReader::OnMessageBox = [&](const std::string& text) { shown = text; };
  // A size word larger than what follows, a container that is no archive, an empty and a
  // negative size, and a well-formed archive of an unknown version.
  std::vector<std::vector<std::uint8_t>> streams = {
      {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}, {5, 0, 0, 0, 1, 2, 3, 4, 5}, {0, 0, 0, 0}, {0xFE, 0xFF, 0xFF, 0xFF}};
  TSkinContainerLayout layout;
  layout.Version = 12345;
  layout.SkippedLength = 0;
  layout.NameList = "test.ini\r\n";
  const std::string ini = "[A]\r\n";
  layout.Sizes = {static_cast<std::int32_t>(ini.size())};
  layout.Data.assign(ini.begin(), ini.end());
  const auto unknown = LzhCompress(LayOutContainer(layout));
  const auto size = static_cast<std::uint32_t>(unknown.size());
  std::vector<std::uint8_t> sized = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                     static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
  sized.insert(sized.end(), unknown.begin(), unknown.end());
  streams.push_back(sized);
  for (size_t i = 0; i < streams.size(); ++i) {
    shown.clear();
    TOwned<TSkinData> data(new TSkinData(nullptr));
    TMemoryStream stream(streams[i]);
    EXPECT_NO_THROW(data->ReadSkinStream(stream));
    EXPECT_TRUE(data->SkinPending()) << i;
    // Only the archive of an unknown version has a reader that says so.
    EXPECT_EQ(shown, i + 1 == streams.size() ? "This is Older Skin File\rPlease update to new version !" : "") << i;
  }
  shown.clear();
  TOwned<TSkinData> old(new TSkinData(nullptr));
  const auto archive = TTestSkin().Ini("[A]\r\n").Archive();
  std::vector<std::uint8_t> bytes = archive;
  old->StoredStream().WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  EXPECT_TRUE(old->LoadSkinFromStore());
  EXPECT_FALSE(old->SkinPending());
  TSkinReader::OnMessageBox = saved;
  EXPECT_TRUE(shown.empty());
}

TEST_F(SkinDataTest, ABadStoredSkinSwitchesAnActiveMainComponentOffQuietly) {
  const size_t errors = CollectedErrors().size();
  auto form = ReadForm("  object SkinData1: TSkinData\n    Active = True\n    SkinStream = {" +
                       StreamHex({1, 2, 3, 4, 5, 6}, 6) + "}\n  end\n");
  auto* data = form->FindComponentAs<TSkinData>("SkinData1");
  ASSERT_TRUE(data);
  EXPECT_TRUE(data->SkinPending());
  EXPECT_FALSE(data->Active());
  EXPECT_EQ(CollectedErrors().size(), errors);
  ASSERT_TRUE(SkinManager());
  EXPECT_EQ(SkinManager()->MainSkinData(), data);
  EXPECT_TRUE(SkinManager()->HookInstalled());
  EXPECT_FALSE(SkinManager()->Enabled);
}

TEST_F(SkinDataTest, AGoodStoredSkinIsLoadedWhileTheFormIsReadAndTurnsSkinningOn) {
  const auto archive = SmallArchive();
  auto form = ReadForm(
      "  object SkinData1: TSkinData\n    Active = True\n    SkinControls = [xcMainMenu, xcMenuItem, "
      "xcSystemMenu, xcScrollbar]\n    SkinStream = {" +
      StreamHex(archive, static_cast<std::uint32_t>(archive.size())) + "}\n  end\n");
  auto* data = form->FindComponentAs<TSkinData>("SkinData1");
  ASSERT_TRUE(data);
  EXPECT_FALSE(data->SkinPending());
  EXPECT_TRUE(data->Active());
  // With the main menu skinned, menu items are not skinned on their own.
  EXPECT_EQ(data->SkinControls(), SetOf(xcMainMenu, xcSystemMenu, xcScrollbar));
  TSkinManage* manager = SkinManager();
  ASSERT_TRUE(manager);
  // No window was activated yet: SkinAll only switched skinning on, the timer is idle.
  EXPECT_TRUE(manager->Enabled);
  EXPECT_EQ(manager->PendingAction, saSkinAll);
  EXPECT_FALSE(manager->Timer().Enabled());
  EXPECT_EQ(data->Version(), "5.40.07.15");

  auto other = ReadForm(
      "  object SkinData1: TSkinData\n    SkinControls = [xcPopupMenu, xcMenuItem, xcSystemMenu]\n"
      "  end\n");
  auto* second = other->FindComponentAs<TSkinData>("SkinData1");
  EXPECT_EQ(second->SkinControls(), SetOf(xcPopupMenu, xcMenuItem));
  // The first main component stays the manager's main one.
  EXPECT_EQ(manager->MainSkinData(), data);
  EXPECT_EQ(manager->SkinDatas().size(), 2u);
  other.reset();
  EXPECT_EQ(manager->SkinDatas().size(), 1u);
  form.reset();
  EXPECT_EQ(manager->MainSkinData(), nullptr);
}

TEST_F(SkinDataTest, MissingScrollBarQueryDropsScrollBarSkinning) {
  auto saved = SkinPlatform().GetScrollBarInfo;
  SkinPlatform().GetScrollBarInfo = nullptr;
  auto form = ReadForm("  object SkinData1: TSkinData\n  end\n");
  SkinPlatform().GetScrollBarInfo = saved;
  auto* data = form->FindComponentAs<TSkinData>("SkinData1");
  EXPECT_FALSE(data->HasControl(xcScrollbar));
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  SkinPlatform().GetScrollBarInfo = nullptr;
  EXPECT_FALSE(GetScrollBarInfoSafe(form->Handle(), OBJID_VSCROLL, info));
  SkinPlatform().GetScrollBarInfo = saved;
  auto again = ReadForm("  object SkinData1: TSkinData\n  end\n");
  EXPECT_TRUE(again->FindComponentAs<TSkinData>("SkinData1")->HasControl(xcScrollbar));
}

// The calls a stand-in for the platform's "TrackMouseEvent" received.
std::vector<TRACKMOUSEEVENT>& TrackCalls() {
  static std::vector<TRACKMOUSEEVENT> calls;
  return calls;
}

BOOL WINAPI RecordTrack(LPTRACKMOUSEEVENT track) {
  TrackCalls().push_back(*track);
  return TRUE;
}

// Whether the platform tracks the mouse's leaving of the window.
bool LeaveTracked(HWND window) {
  TRACKMOUSEEVENT query{};
  query.cbSize = sizeof query;
  query.dwFlags = TME_QUERY;
  TrackMouseEvent(&query);
  return (query.dwFlags & TME_LEAVE) && query.hwndTrack == window;
}

TEST_F(SkinDataTest, TrackMouseLeaveAsksOnlyThroughTheResolvedEntryPoint) {
  TOwned<TForm> form(new TForm(nullptr));
  form->SetBounds(100, 100, 300, 200);
  form->Show();
  PumpMessages(20);
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PumpMessages(20);
  const auto real = SkinPlatform().TrackMouseEvent;
  ASSERT_NE(real, nullptr);

  SkinPlatform().TrackMouseEvent = &RecordTrack;
  TrackMouseLeave(form->Handle());
  ASSERT_EQ(TrackCalls().size(), 1u);
  EXPECT_EQ(TrackCalls()[0].cbSize, sizeof(TRACKMOUSEEVENT));
  EXPECT_EQ(TrackCalls()[0].dwFlags, static_cast<DWORD>(TME_LEAVE));
  EXPECT_EQ(TrackCalls()[0].hwndTrack, form->Handle());

  // Without the entry point nothing reaches the platform; with it, the leave is tracked. The
  // framework's own tracking of the form is cancelled first.
  TRACKMOUSEEVENT cancel{};
  cancel.cbSize = sizeof cancel;
  cancel.dwFlags = TME_CANCEL | TME_LEAVE;
  cancel.hwndTrack = form->Handle();
  TrackMouseEvent(&cancel);
  ASSERT_FALSE(LeaveTracked(form->Handle()));
  SkinPlatform().TrackMouseEvent = nullptr;
  TrackMouseLeave(form->Handle());
  EXPECT_FALSE(LeaveTracked(form->Handle()));
  SkinPlatform().TrackMouseEvent = real;
  TrackMouseLeave(form->Handle());
  EXPECT_TRUE(LeaveTracked(form->Handle()));
  EXPECT_EQ(TrackCalls().size(), 1u);
}

TEST_F(SkinDataTest, ShouldSkinWindowRefusesCalendarsAndFastReportWindows) {
  TOwned<TSkinData> data(new TSkinData(nullptr));
  data->SetOptions(SetOf(xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect,
                         xoToolbarBK, xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoCaptionButtonHint,
                         xoFormScrollbar));
  bool doSkin = true;
  data->ShouldSkinWindow(HWND(0x1234), "SysMonthCal32", doSkin);
  EXPECT_FALSE(doSkin);
  EXPECT_EQ(data->AskedWindow(), HWND(0x1234));
  doSkin = true;
  data->ShouldSkinWindow(nullptr, "TfrPreviewForm", doSkin);
  EXPECT_TRUE(doSkin);  // xcFastReport is off by default
  data->SetSkinControls(data->SkinControls() | SetOf(xcFastReport));
  data->ShouldSkinWindow(nullptr, "TfrPreviewForm", doSkin);
  EXPECT_FALSE(doSkin);
  doSkin = false;
  data->ShouldSkinWindow(nullptr, "TForm1", doSkin);
  EXPECT_FALSE(doSkin);  // the caller's answer stands otherwise
  // A handler decides alone.
  std::string asked;
  data->OnFormSkin = [&](TObject*, const std::string& name, bool& skin) {
    asked = name;
    skin = true;
  };
  doSkin = false;
  data->ShouldSkinWindow(nullptr, "SysMonthCal32", doSkin);
  EXPECT_TRUE(doSkin);
  EXPECT_EQ(asked, "SysMonthCal32");
}

TEST_F(SkinDataTest, SchedulingBeforeAndAfterTheFirstActivation) {
  const auto archive = SmallArchive();
  auto form = ReadForm("  object SkinData1: TSkinData\n    SkinStream = {" +
                       StreamHex(archive, static_cast<std::uint32_t>(archive.size())) + "}\n  end\n");
  auto* data = form->FindComponentAs<TSkinData>("SkinData1");
  TSkinManage& manager = *SkinManager();
  int changes = 0;
  data->OnSkinChanged = [&](TObject*) { ++changes; };

  // Before any activation: SetActive only flips Enabled, nothing runs later.
  data->SetActive(true);
  EXPECT_TRUE(manager.Enabled);
  EXPECT_EQ(manager.ActivationCount, 1);  // a main component's SetActive counts as activation
  manager.ActivationCount = 0;
  data->SetActive(false);
  EXPECT_FALSE(manager.Enabled);
  EXPECT_FALSE(manager.Timer().Enabled());
  PumpMessages(400);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(manager.LastRunAction, saNone);

  // Activating a window: the hook counts it.
  form->Show();
  SetActiveWindow(form->Handle());
  PumpMessages(50);
  EXPECT_EQ(manager.ActivationCount, 1);

  // Two schedules within the delay run only the second action, once.
  data->SetActive(true);
  EXPECT_TRUE(manager.Timer().Enabled());
  data->SetActive(false);
  PumpMessages(600);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(manager.LastRunAction, saUnskinAll);
  EXPECT_EQ(manager.LastRunSkinData, data);
  EXPECT_FALSE(manager.Enabled);
  EXPECT_EQ(manager.PendingSkinData, nullptr);
  EXPECT_FALSE(manager.Timer().Enabled());

  // RefreshSkin while windows were activated schedules a refresh.
  data->RefreshSkin();
  PumpMessages(600);
  EXPECT_EQ(manager.LastRunAction, saRefreshAll);
  EXPECT_EQ(changes, 2);

  // A component freed while its action is pending is not used by the timer.
  data->SetActive(true);
  form.reset();
  PumpMessages(600);
  EXPECT_EQ(changes, 2);
}

TEST_F(SkinDataTest, SkinFileLoadsAnArchiveFromDiskOrLeavesThePendingState) {
  TOwned<TSkinData> data(new TSkinData(nullptr));
  data->SetSkinFile("no such file.skin");
  EXPECT_TRUE(data->SkinPending());
  EXPECT_EQ(data->SkinFile(), "no such file.skin");
  EXPECT_EQ(SkinManager(), nullptr);
  data->SetSkinFile(CORVANA_DEFAULT_SKIN);
  EXPECT_FALSE(data->SkinPending());
  EXPECT_EQ(data->SkinName(), "Corvana Light");
  ASSERT_TRUE(SkinManager());  // RefreshSkin made it through Loaded
  EXPECT_EQ(SkinManager()->PendingSkinData, data.get());
}

TEST_F(SkinDataTest, CaptionHintsShowOnlyWithTheOption) {
  TOwned<TSkinData> data(new TSkinData(nullptr));
  data->ShowCaptionHint(POINT{100, 100}, L"关闭");
  EXPECT_TRUE(data->HintShowing());
  data->ShowCaptionHint(POINT{200, 100}, L"最大化");  // one hint at a time
  data->HideCaptionHint();
  EXPECT_FALSE(data->HintShowing());
  data->SetOptions(0);
  data->ShowCaptionHint(POINT{100, 100}, L"关闭");
  EXPECT_FALSE(data->HintShowing());
}

}  // namespace
