// The soak: the skin viewer's window stays up while a thousand skinned message boxes and a
// thousand skinned dialogs open and close, the skin switches between two skins with every page
// shown, and skinning goes off and on. Each phase prints one summary line and must end with
// every GDI object the program made after its warm-up freed again, every window procedure the
// engine replaced given back (or its window gone) and the working set flat within 2 MB.
// CORVANA_SOAK=full runs the full size (make soak); `make test` runs a twentieth.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "skin/controls/skin_control.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_manage.h"
#include "skinchoice/skin_source.h"
#include "skinview/viewer_form.h"
#include "ui/checkbox.h"
#include "ui/combobox.h"
#include "ui/comctrls_range.h"
#include "ui/extctrls.h"
#include "ui/groupbox.h"
#include "ui/listbox.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/soak/soak_support.h"
#include "win/support/ui_test.h"

namespace {

constexpr double kFlatMb = 2.0;
constexpr int kSwitchTimeoutMs = 5000;

std::filesystem::path WriteTemp(const std::string& name, std::span<const std::uint8_t> bytes) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

class SoakTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InstallGdiImportCounting());
    ASSERT_TRUE(InstallWindowProcWatch());
    TestApplication();
    TSkinViewForm::OnError = [](const std::wstring& text) { Errors().push_back(text); };
    // The engine's shared work bitmap (and its DC) lives as long as the program: made before
    // counting starts.
    if (TBitmap* work = SkinWorkBitmap()) {
      if (work->Empty()) work->SetSize(1, 1);
      work->Canvas().Handle();
    }
    GdiAtStart = GdiImportCounts().Live();
    Form = new TSkinViewForm(nullptr, L"");
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ASSERT_TRUE(PumpUntil([] { return Skinned(Form->Handle()); }, kSwitchTimeoutMs));
    Form->SkinData()->OnSkinChanged = [](TObject*) { ++SkinChanges; };
    // The form's controls are skinned after the form itself; the phases start from a window
    // whose every page has been skinned and shown once.
    PumpMessages(3 * kScheduleDelay);
    VisitPages();
    PumpMessages(3 * kScheduleDelay);
  }
  static void TearDownTestSuite() {
    delete Form;
    Form = nullptr;
    FreeSkinManager();
    TSkinViewForm::OnError = nullptr;
  }
  static std::vector<std::wstring>& Errors() {
    static std::vector<std::wstring> errors;
    return errors;
  }
  static bool Skinned(HWND window) { return SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1; }

  // Every page of the viewer shown and painted once.
  static void VisitPages() {
    TPageControl* pages = Form->Pages();
    for (int i = 0; i < pages->PageCount(); ++i) {
      pages->SetActivePageIndex(i);
      RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      PumpMessages();
    }
    pages->SetActivePageIndex(0);
    PumpMessages();
  }

  static void ExpectClean(const TPhaseFigures& f) {
    EXPECT_EQ(f.GdiBalance(), 0) << "alive: " << f.LiveObjects();
    EXPECT_EQ(f.Procs().NotRestored, 0) << f.Windows();
    EXPECT_EQ(f.Procs().WindowsLeft, 0) << f.Windows();
    EXPECT_LE(f.MemoryGrowthMb(), kFlatMb);
  }

  static inline TSkinViewForm* Form = nullptr;
  static inline int SkinChanges = 0;
  static inline long GdiAtStart = 0;
};

TEST_F(SoakTest, MessageBoxes) {
  const int count = SoakCount(1000, 40);
  TPhaseFigures figures("message boxes");
  int skinned = 0, closed = 0;
  for (int i = 0; i < count; ++i) {
    if (i == count / 4) figures.WarmedUp();
    TModalCloser closer(L"#32770", WM_COMMAND, IDOK);
    // The program's own error box: the application's handler with no replacement set.
    Application()->ShowException("soak box " + std::to_string(i));
    skinned += closer.WasSkinned();
    closed += closer.Closed();
  }
  figures.Finish(std::to_string(count) + " opened, " + std::to_string(skinned) + " skinned, " + std::to_string(closed) +
                 " closed");
  EXPECT_EQ(closed, count);
  EXPECT_EQ(skinned, count);
  ExpectClean(figures);
}

// A dialog of the framework with a control of each common kind.
class TSoakDialog : public TForm {
public:
  explicit TSoakDialog(int n) : TForm(nullptr) {
    SetCaption(L"浸泡对话框 " + std::to_wstring(n));
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBounds(200, 150, 420, 300);
    auto place = [this](TControl* c, int l, int t, int w, int h) {
      c->SetParent(this);
      c->SetBounds(l, t, w, h);
    };
    auto* ok = new TButton(this);
    ok->SetCaption(L"确定");
    place(ok, 300, 230, 90, 26);
    auto* edit = new TEdit(this);
    edit->SetTextValue(L"文本");
    place(edit, 12, 12, 180, 22);
    auto* memo = new TMemo(this);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    place(memo, 12, 44, 180, 80);
    auto* check = new TCheckBox(this);
    check->SetCaption(L"选项");
    check->SetChecked(n % 2 == 0);
    place(check, 210, 12, 120, 20);
    auto* radio = new TRadioButton(this);
    radio->SetCaption(L"单选");
    place(radio, 210, 36, 120, 20);
    auto* combo = new TComboBox(this);
    for (int i = 0; i < 30; ++i) combo->Items()->Add(L"项 " + std::to_wstring(i));
    place(combo, 210, 62, 180, 22);
    auto* list = new TListBox(this);
    for (int i = 0; i < 40; ++i) list->Items()->Add(L"行 " + std::to_wstring(i));
    place(list, 210, 92, 180, 90);
    auto* group = new TGroupBox(this);
    group->SetCaption(L"分组");
    place(group, 12, 132, 180, 60);
    auto* panel = new TPanel(this);
    place(panel, 12, 200, 180, 40);
    auto* progress = new TProgressBar(this);
    progress->SetPosition(40);
    place(progress, 210, 190, 180, 16);
    auto* track = new TTrackBar(this);
    place(track, 210, 210, 80, 30);
  }
};

TEST_F(SoakTest, DialogsWithControls) {
  const int count = SoakCount(1000, 40);
  TPhaseFigures figures("dialogs");
  int skinned = 0, closed = 0;
  for (int i = 0; i < count; ++i) {
    if (i == count / 4) figures.WarmedUp();
    TOwned<TSoakDialog> dialog(new TSoakDialog(i));
    dialog->HandleNeeded();
    TModalCloser closer(dialog->Handle(), WM_CLOSE, 0);
    dialog->ShowModal();
    skinned += closer.WasSkinned();
    closed += closer.Closed();
    dialog.reset();
    PumpMessages();
  }
  figures.Finish(std::to_string(count) + " opened, " + std::to_string(skinned) + " skinned, " + std::to_string(closed) +
                 " closed");
  EXPECT_EQ(closed, count);
  EXPECT_EQ(skinned, count);
  ExpectClean(figures);
}

TEST_F(SoakTest, SwitchingBetweenTwoSkinsWithEveryPageShown) {
  const int count = SoakCount(200, 8);
  TMemoryStream builtIn;
  ASSERT_TRUE(ReadDefaultSkin(builtIn));
  const auto first = WriteTemp("corvana-soak-first.skin", builtIn.Bytes());
  const auto second = WriteTemp("corvana-soak-second.skin", SecondSoakSkin());
  TPhaseFigures figures("skin switches");
  int switched = 0;
  for (int i = 0; i < count; ++i) {
    // Warm-up ends after both skins have been shown once, on the first skin again.
    if (i == std::max(2, count / 4 / 2 * 2)) figures.WarmedUp();
    const bool toSecond = i % 2 == 0;
    const int before = SkinChanges;
    if (!Form->OpenSkinFile((toSecond ? second : first).wstring())) continue;
    if (!PumpUntil([&] { return SkinChanges > before; }, kSwitchTimeoutMs)) continue;
    if (Form->SkinData()->SkinName() != (toSecond ? "Soak Second" : "Corvana Light")) continue;
    VisitPages();
    ++switched;
  }
  figures.Finish(std::to_string(count) + " switches, " + std::to_string(switched) + " applied with every page shown");
  EXPECT_EQ(switched, count);
  EXPECT_TRUE(Errors().empty());
  EXPECT_TRUE(Skinned(Form->Handle()));
  ExpectClean(figures);
  std::filesystem::remove(first);
  std::filesystem::remove(second);
}

TEST_F(SoakTest, SkinningOffAndOn) {
  const int count = SoakCount(500, 20);
  // The baseline is the window with skinning off: every procedure the engine replaces while
  // skinning is on must be back when it is off again.
  Form->SetSkinning(false);
  ASSERT_TRUE(PumpUntil([] { return !Skinned(Form->Handle()); }, kSwitchTimeoutMs));
  PumpMessages(50);
  TPhaseFigures figures("skinning off and on");
  int offs = 0, ons = 0;
  for (int i = 0; i < count; ++i) {
    if (i == count / 4) figures.WarmedUp();
    Form->SetSkinning(true);
    ons += PumpUntil([] { return Skinned(Form->Handle()); }, kSwitchTimeoutMs);
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Form->SetSkinning(false);
    offs += PumpUntil([] { return !Skinned(Form->Handle()); }, kSwitchTimeoutMs);
  }
  figures.Finish(std::to_string(count) + " times on (" + std::to_string(ons) + " skinned) and off (" +
                 std::to_string(offs) + " unskinned)");
  EXPECT_EQ(ons, count);
  EXPECT_EQ(offs, count);
  EXPECT_GT(figures.Procs().Subclassed, 0);
  ExpectClean(figures);
  Form->SetSkinning(true);
  EXPECT_TRUE(PumpUntil([] { return Skinned(Form->Handle()); }, kSwitchTimeoutMs));
}

// Runs last: the whole program's count, from before the window was made to after it is gone.
TEST_F(SoakTest, EveryGdiObjectIsFreedWithTheWindow) {
  const HWND window = Form->Handle();
  Form->Close();
  delete Form;
  Form = nullptr;
  FreeSkinManager();
  PumpMessages(50);
  const long left = GdiImportCounts().Live() - GdiAtStart;
  std::printf("soak end: window closed and skin manager freed; GDI objects left: %+ld (of %ld created in the run)\n",
              left, GdiImportCounts().Created);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(left, 0) << LiveGdiObjectsByCreator();
}

}  // namespace
