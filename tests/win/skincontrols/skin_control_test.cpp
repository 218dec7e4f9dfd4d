// Control skinners attached to framework controls and bare windows: the message filter,
// switching, registration, recolouring and giving everything back.
#include <gtest/gtest.h>

#include "skinner_test.h"
#include "ui/customcontrol.h"
#include "ui/extctrls.h"
#include "ui/form.h"
#include "ui/platform.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "ui/window_thunk.h"

namespace {

const wchar_t kChinese[] = L"查询 国家:中国 地区:北京";
constexpr TColor kSkinFace = RGB(201, 13, 77);

std::wstring TextOf(HWND window) {
  wchar_t buffer[256] = {};
  SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

class SkinControl : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    Form.reset(new TForm(nullptr));
    Form->SetBounds(60, 60, 420, 300);
    Panel = new TPanel(Form.get());
    Panel->SetBounds(10, 20, 130, 50);
    Panel->SetParent(Form.get());
    Form->Show();
    PumpMessages();
    Data.reset(new TSkinData(nullptr));
    Data->Colours[SkinColour::ButtonFace] = kSkinFace;
  }
  TOwned<TForm> Form;
  TPanel* Panel = nullptr;
  TOwned<TSkinData> Data;
  TFakeHost Host;
};

TEST_F(SkinControl, AttachControlRoutesMessagesAndASecondAttachChangesNothing) {
  auto* skinner = new TRecordingSkinner(Panel);
  EXPECT_TRUE(skinner->Active);
  EXPECT_EQ(skinner->LifeState, kSkinnerCreated);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  EXPECT_TRUE(skinner->Attached);
  EXPECT_EQ(skinner->LifeState, kSkinnerAttached);
  EXPECT_EQ(skinner->Control, Panel);
  EXPECT_EQ(skinner->Handle, Panel->Handle());
  EXPECT_TRUE(skinner->UnicodeWindow);
  EXPECT_FALSE(skinner->NewProc.Installed());
  ASSERT_EQ(Host.List.size(), 1u);

  TFakeHost other;
  TSkinData otherData(nullptr);
  skinner->AttachControl(&other, &otherData, true, nullptr);
  EXPECT_EQ(skinner->SkinData, Data.get());
  EXPECT_EQ(skinner->FormSkinner, &Host);
  EXPECT_FALSE(skinner->Recolour);
  EXPECT_TRUE(other.List.empty());

  // Window messages and framework notifications pass the filter once, then the control.
  SendMessageW(Panel->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kChinese));
  EXPECT_EQ(std::count(skinner->Before.begin(), skinner->Before.end(), static_cast<UINT>(WM_SETTEXT)), 1);
  EXPECT_TRUE(skinner->SawAfter(WM_SETTEXT));
  EXPECT_EQ(TextOf(Panel->Handle()), kChinese);
  Panel->Perform(CM_MOUSEENTER);
  EXPECT_TRUE(skinner->SawBefore(CM_MOUSEENTER));
  skinner->SendMouseLeave();
  EXPECT_TRUE(skinner->SawBefore(CM_MOUSELEAVE));

  // Asked whether it is skinned: answered 1 and not passed on.
  skinner->After.clear();
  EXPECT_EQ(SendMessageW(Panel->Handle(), SKINMSG_QUERY, 0, 0), 1);
  EXPECT_FALSE(skinner->SawAfter(SKINMSG_QUERY));

  skinner->Free();
  EXPECT_TRUE(Host.List.empty());
  // The control's own dispatch method is back: nobody answers the query any more.
  EXPECT_EQ(SendMessageW(Panel->Handle(), SKINMSG_QUERY, 0, 0), 0);
  SendMessageW(Panel->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"back"));
  EXPECT_EQ(TextOf(Panel->Handle()), L"back");
}

TEST_F(SkinControl, SwitchOffPassesEverythingOnAndSwitchOnRedrawsAtOnce) {
  // What reaches the control's own dispatch method.
  std::vector<UINT> reached;
  TWndMethod own = Panel->WindowProc;
  Panel->WindowProc = [&](TMessage& m) {
    reached.push_back(m.Msg);
    own(m);
  };
  auto* skinner = new TRecordingSkinner(Panel);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  PumpMessages(50);

  SendMessageW(Panel->Handle(), SKINMSG_SWITCH, 0, 0);
  EXPECT_FALSE(skinner->Active);
  const size_t before = skinner->Before.size();
  const int paints = skinner->Paints;
  SendMessageW(Panel->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"off"));
  EXPECT_EQ(TextOf(Panel->Handle()), L"off");
  EXPECT_EQ(SendMessageW(Panel->Handle(), SKINMSG_QUERY, 0, 0), 0);
  Panel->Invalidate();
  Panel->Update();
  EXPECT_EQ(skinner->Before.size(), before);
  EXPECT_EQ(skinner->Paints, paints);
  // A negative wParam also switches off.
  SendMessageW(Panel->Handle(), SKINMSG_SWITCH, static_cast<WPARAM>(-1), 0);
  EXPECT_FALSE(skinner->Active);

  SendMessageW(Panel->Handle(), SKINMSG_SWITCH, 1, 0);
  EXPECT_TRUE(skinner->Active);
  EXPECT_GT(skinner->Paints, paints);  // painted before SendMessage returned
  EXPECT_EQ(std::count(reached.begin(), reached.end(), SKINMSG_SWITCH), 0);
  skinner->Free();
  Panel->WindowProc = own;  // the recorder refers to this test's locals
}

TEST_F(SkinControl, FocusEnableAndTextChangesRedraw) {
  auto* edit = new TEdit(Form.get());
  edit->SetBounds(10, 100, 120, 24);
  edit->SetParent(Form.get());
  auto* skinner = new TRecordingSkinner(edit);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  PumpMessages(50);
  int paints = skinner->Paints;
  edit->SetEnabled(false);
  EXPECT_TRUE(skinner->SawAfter(CM_ENABLEDCHANGED));
  EXPECT_GT(skinner->Paints, paints);
  paints = skinner->Paints;
  edit->SetTextValue(L"新的");
  EXPECT_GT(skinner->Paints, paints);
  // The full paint went through the window DC: its rectangle is the whole window.
  RECT window{};
  GetWindowRect(edit->Handle(), &window);
  EXPECT_EQ(RectText(skinner->WindowRect), RectText(window));
  EXPECT_EQ(RectText(skinner->PaintRect), RectText(RECT{0, 0, window.right - window.left, window.bottom - window.top}));
}

TEST_F(SkinControl, WindowDestructionEndsTheSkinnerAndFreeingGivesTheMethodBack) {
  Panel->SetParentBackground(true);
  auto* skinner = new TRecordingSkinner(Panel);
  skinner->AttachControl(&Host, Data.get(), true, nullptr);
  EXPECT_EQ(Panel->Color(), kSkinFace);
  Panel->DestroyHandle();
  EXPECT_EQ(skinner->LifeState, kSkinnerWindowDestroyed);
  EXPECT_FALSE(skinner->Active);
  // Detached by the window's end: the control keeps its skinned colour and background flag.
  EXPECT_EQ(Panel->Color(), kSkinFace);
  EXPECT_FALSE(Panel->ParentBackground());
  skinner->Free();
  EXPECT_TRUE(Host.List.empty());
  // The control's messages no longer reach the freed skinner.
  Panel->HandleNeeded();
  EXPECT_EQ(SendMessageW(Panel->Handle(), SKINMSG_QUERY, 0, 0), 0);
  Panel->Perform(CM_MOUSEENTER);
}

TEST_F(SkinControl, RecolourAndParentBackgroundAreRestoredOnDetach) {
  Panel->SetColor(RGB(1, 2, 3));
  Panel->SetParentBackground(true);
  auto* skinner = new TRecordingSkinner(Panel);
  skinner->AttachControl(&Host, Data.get(), true, nullptr);
  EXPECT_EQ(Panel->Color(), kSkinFace);
  EXPECT_EQ(skinner->SavedColor, RGB(1, 2, 3));
  EXPECT_FALSE(Panel->ParentBackground());
  EXPECT_TRUE(skinner->ParentBackgroundCleared);
  EXPECT_EQ(skinner->Variant, 1);

  Data->Colours[SkinColour::ButtonFace] = RGB(9, 9, 9);
  skinner->SkinChanged();
  EXPECT_EQ(Panel->Color(), RGB(9, 9, 9));

  skinner->Detach();
  EXPECT_FALSE(skinner->Active);
  EXPECT_TRUE(Panel->ParentBackground());
  EXPECT_EQ(Panel->Color(), RGB(1, 2, 3));
  skinner->Free();

  // A control whose ParentBackground was false is left alone, both ways.
  auto* plain = new TPanel(Form.get());
  plain->SetParent(Form.get());
  plain->SetParentBackground(false);
  auto* second = new TRecordingSkinner(plain);
  second->AttachControl(&Host, Data.get(), true, nullptr);
  EXPECT_FALSE(second->ParentBackgroundCleared);
  EXPECT_EQ(second->Variant, 0);
  second->Detach();
  EXPECT_FALSE(plain->ParentBackground());

  // The skin's own option keeps ParentBackground as it is.
  auto* kept = new TPanel(Form.get());
  kept->SetParent(Form.get());
  kept->SetParentBackground(true);
  Data->SetOptions(SetOf(xoParentBackGround));
  auto* third = new TRecordingSkinner(kept);
  third->AttachControl(&Host, Data.get(), true, nullptr);
  EXPECT_TRUE(kept->ParentBackground());
  EXPECT_FALSE(third->ParentBackgroundCleared);
}

TEST_F(SkinControl, BareWindowKeepsUnicodeTextAndItsProcedureComesBack) {
  const HWND edit = CreateWindowExW(0, L"EDIT", kChinese, WS_CHILD | WS_VISIBLE, 200, 20, 150, 24, Form->Handle(),
                                    nullptr, nullptr, nullptr);
  const LONG_PTR original = GetWindowLongPtrW(edit, GWLP_WNDPROC);
  auto* skinner = new TRecordingSkinner(nullptr);
  skinner->AttachWindow(edit, Data.get(), &Host, nullptr);
  EXPECT_TRUE(skinner->Attached);
  EXPECT_TRUE(skinner->EnabledLook);
  EXPECT_EQ(skinner->Control, nullptr);
  EXPECT_EQ(skinner->WindowText, kChinese);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(skinner->OldProc), original);
  EXPECT_EQ(Host.List.size(), 1u);

  // The wide procedure is called with wide messages: Chinese survives a round trip.
  const wchar_t other[] = L"地区:上海 国家:中国";
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(other));
  EXPECT_EQ(TextOf(edit), other);
  EXPECT_TRUE(skinner->SawBefore(WM_SETTEXT));
  EXPECT_TRUE(skinner->SawAfter(WM_GETTEXT));
  EXPECT_EQ(SendMessageW(edit, SKINMSG_QUERY, 0, 0), 1);

  skinner->Free();
  EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), original);
  EXPECT_TRUE(Host.List.empty());
  EXPECT_EQ(SendMessageW(edit, SKINMSG_QUERY, 0, 0), 0);
  DestroyWindow(edit);
}

WNDPROC g_Below = nullptr;
LRESULT CALLBACK LaterSubclass(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return CallWindowProcW(g_Below, w, m, wp, lp);
}

TEST_F(SkinControl, BareWindowSubclassedAfterUsStaysWhole) {
  const int live = LiveWindowProcInstances();
  const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 200, 60, 150, 24, Form->Handle(), nullptr,
                                    nullptr, nullptr);
  auto* skinner = new TRecordingSkinner(nullptr);
  skinner->AttachWindow(edit, Data.get(), &Host, nullptr);
  g_Below = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
  skinner->Free();
  EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&LaterSubclass));
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kChinese));
  EXPECT_EQ(TextOf(edit), kChinese);
  EXPECT_EQ(SendMessageW(edit, SKINMSG_QUERY, 0, 0), 0);
  DestroyWindow(edit);
  EXPECT_EQ(LiveWindowProcInstances(), live);
}

TEST_F(SkinControl, BareWindowDestroyedWhileSkinned) {
  const int live = LiveWindowProcInstances();
  const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 50, 20, Form->Handle(), nullptr, nullptr, nullptr);
  auto* skinner = new TRecordingSkinner(nullptr);
  skinner->AttachWindow(edit, Data.get(), &Host, nullptr);
  DestroyWindow(edit);
  EXPECT_EQ(skinner->LifeState, kSkinnerWindowDestroyed);
  EXPECT_FALSE(skinner->Active);
  skinner->Free();
  EXPECT_EQ(LiveWindowProcInstances(), live);
}

TEST_F(SkinControl, BareWindowTextOnTheAnsiPlatformFamily) {
  const HWND edit = CreateWindowExW(0, L"EDIT", L"plain caption", WS_CHILD, 0, 0, 50, 20, Form->Handle(), nullptr,
                                    nullptr, nullptr);
  SetPlatformVersion({false, 4, 10});
  auto* skinner = new TRecordingSkinner(nullptr);
  skinner->AttachWindow(edit, Data.get(), nullptr, nullptr);
  ResetPlatformVersion();
  EXPECT_EQ(skinner->WindowText, L"plain caption");
  skinner->Free();
  DestroyWindow(edit);
}

TEST_F(SkinControl, PaintNowUsesTheGivenDCAndSwallowsPaintErrors) {
  auto* skinner = new TRecordingSkinner(Panel);
  skinner->AttachControl(&Host, Data.get(), false, nullptr);
  TProbeDC probe(130, 50, RGB(255, 255, 255));
  // WM_PAINT with a DC: the control paints, then the skin goes over it into the same DC.
  SendMessageW(Panel->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
  EXPECT_EQ(probe.At(0, 0), static_cast<COLORREF>(kSkinnedColour));
  EXPECT_EQ(probe.At(129, 49), static_cast<COLORREF>(kSkinnedColour));

  skinner->ThrowInPaint = true;
  const int paints = skinner->Paints;
  EXPECT_NO_THROW(skinner->PaintNow(probe.Get()));
  EXPECT_EQ(skinner->Paints, paints + 1);
  EXPECT_TRUE(CollectedErrors().empty());

  // No window: nothing to paint.
  TRecordingSkinner loose(nullptr);
  loose.PaintNow(probe.Get());
  EXPECT_EQ(loose.Paints, 0);
}

// A windowless control that records its mouse-downs.
class TMouseTarget : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    Button = button;
    Shift = shift;
    X = x;
    Y = y;
    ++Downs;
  }
  TMouseButton Button = TMouseButton::mbRight;
  TShiftState Shift = 0;
  int X = 0, Y = 0, Downs = 0;
};

TEST_F(SkinControl, ForwardMouseDownUsesTheCursorOnHugeControls) {
  auto* target = new TMouseTarget(Form.get());
  target->SetBounds(5, 7, 60, 20);
  target->SetParent(Form.get());
  TRecordingSkinner skinner(target);
  skinner.Control = target;
  skinner.ForwardMouseDown(TMessage{WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 17), 0});
  EXPECT_EQ(target->Downs, 1);
  EXPECT_EQ(target->Button, TMouseButton::mbLeft);
  EXPECT_TRUE(target->Shift & ssShift);
  EXPECT_EQ(target->X, -5);
  EXPECT_EQ(target->Y, 17);

  target->SetBounds(5, 7, 40000, 20);
  // The display is shared with later test programs: the pointer goes back where it was.
  POINT saved{};
  GetCursorPos(&saved);
  POINT origin{0, 0};
  ClientToScreen(Form->Handle(), &origin);
  SetCursorPos(origin.x + 100, origin.y + 30);
  POINT cursor{};
  GetCursorPos(&cursor);
  skinner.ForwardMouseDown(TMessage{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1234, 5), 0});
  EXPECT_EQ(target->X, cursor.x - origin.x - 5);
  EXPECT_EQ(target->Y, cursor.y - origin.y - 7);
  EXPECT_NE(target->X, 1234);
  SetCursorPos(saved.x, saved.y);
}

TEST_F(SkinControl, ReadingOrderFollowsTheBiDiMode) {
  TRecordingSkinner skinner(Panel);
  skinner.Control = Panel;
  EXPECT_EQ(skinner.ReadingOrderFlags(DT_LEFT), static_cast<UINT>(DT_LEFT));
  Panel->SetBiDiMode(TBiDiMode::bdRightToLeft);
  EXPECT_EQ(skinner.ReadingOrderFlags(DT_CENTER), static_cast<UINT>(DT_CENTER | DT_RTLREADING));
  skinner.Control = nullptr;
  auto* tool = new TMouseTarget(Form.get());
  tool->SetBiDiMode(TBiDiMode::bdRightToLeftReadingOnly);
  skinner.GraphicControl = tool;
  EXPECT_EQ(skinner.ReadingOrderFlags(0), static_cast<UINT>(DT_RTLREADING));
}

TEST(SkinControlProperties, DefaultsAndWritesByName) {
  TestApplication();
  TOwned<TForm> form(new TForm(nullptr));
  auto* panel = new TPanel(form.get());
  panel->SetName("Panel7");
  panel->SetColor(RGB(4, 5, 6));
  panel->SetCaption(L"标题");

  EXPECT_EQ(GetIntProp(nullptr, "Color"), -1);
  EXPECT_EQ(GetIntProp(panel, "NoSuchProperty"), -1);
  EXPECT_EQ(GetIntProp(panel, "Caption"), -1);  // not an integer
  EXPECT_EQ(GetIntProp(panel, "Color"), RGB(4, 5, 6));

  panel->SetParentBackground(false);
  EXPECT_EQ(GetEnumPropText(panel, "ParentBackground"), "False");
  EXPECT_EQ(GetEnumPropText(panel, "NoSuchProperty"), "");
  EXPECT_EQ(GetEnumPropText(nullptr, "Align"), "");

  EXPECT_EQ(GetTextProp(panel, "Caption"), L"标题");
  EXPECT_EQ(GetTextProp(panel, "Name"), L"Panel7");
  EXPECT_EQ(GetTextProp(panel, "NoSuchProperty"), L"");

  EXPECT_EQ(GetObjectPropByName(panel, "Font", TFont::StaticClassInfo()), panel->Font());
  EXPECT_EQ(GetObjectPropByName(panel, "Font", TCanvas::StaticClassInfo()), nullptr);
  EXPECT_EQ(GetObjectPropByName(panel, "Color", TFont::StaticClassInfo()), nullptr);
  EXPECT_EQ(GetObjectPropByName(nullptr, "Font", TFont::StaticClassInfo()), nullptr);

  SetPropText(panel, "Tag", L"-123");
  EXPECT_EQ(panel->Tag(), -123);
  SetPropText(panel, "Tag", L"12x");  // not a number: ignored
  EXPECT_EQ(panel->Tag(), -123);
  SetPropText(panel, "ParentBackground", L"true");
  EXPECT_TRUE(panel->ParentBackground());
  SetPropText(panel, "ParentBackground", L"maybe");
  EXPECT_TRUE(panel->ParentBackground());
  SetPropText(panel, "Caption", L"新标题");
  EXPECT_EQ(panel->Caption(), L"新标题");
  SetPropText(panel, "Name", L"Renamed");
  EXPECT_EQ(panel->Name(), "Renamed");
  SetPropText(panel, "Font", L"Arial");  // objects are not written
  SetPropText(panel, "NoSuchProperty", L"1");
  SetPropText(nullptr, "Tag", L"1");
}

TSkinControl* MakeRecordingSkinner(TComponent* owner) { return new TRecordingSkinner(owner); }

TEST(SkinnerKinds, OnlyRegisteredKindsHaveFactories) {
  EXPECT_EQ(FindSkinnerKind("button"), nullptr);
  EXPECT_EQ(FindSkinnerKind(""), nullptr);
  RegisterSkinnerKind("TestKind", &MakeRecordingSkinner);
  ASSERT_EQ(FindSkinnerKind("testkind"), &MakeRecordingSkinner);
  EXPECT_EQ(FindSkinnerKind("TESTKIND"), &MakeRecordingSkinner);
  EXPECT_EQ(FindSkinnerKind("testkind2"), nullptr);
  TOwned<TComponent> owner(new TComponent(nullptr));
  EXPECT_NE(dynamic_cast<TRecordingSkinner*>(FindSkinnerKind("TestKind")(owner.get())), nullptr);
}

}  // namespace
