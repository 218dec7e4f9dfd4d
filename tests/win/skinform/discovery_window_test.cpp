// Discovery over bare windows: real platform child windows of the styles the rows test, a
// nested dialog, windows that are already skinned, and skinners owned by the form skinner.
#include <gtest/gtest.h>

#include "skin/form/discovery.h"
#include "win/skinform/discovery_test_support.h"

namespace {

LRESULT CALLBACK AnswerQuery(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == SKINMSG_QUERY) return 1;
  return CallWindowProcW(reinterpret_cast<WNDPROC>(GetPropW(window, L"OldProc")), window, msg, wParam, lParam);
}

struct BareWindow {
  BareWindow() {
    TestApplication();
    Handle = CreateWindowExW(0, L"#32770", L"bare", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
  }
  ~BareWindow() { DestroyWindow(Handle); }
  HWND Child(const wchar_t* cls, DWORD style, HWND parent = nullptr) const {
    return CreateWindowExW(0, cls, L"x", WS_CHILD | WS_VISIBLE | style, 0, 0, 80, 24, parent ? parent : Handle,
                           nullptr, nullptr, nullptr);
  }
  HWND Handle = nullptr;
};

TEST(WindowDiscovery, ChildWindowsByClassAndStyle) {
  BareWindow bare;
  TOwned<TSkinData> data(new TSkinData(nullptr));
  TTestHost host;
  TOwned<TComponent> formSkinner(new TComponent(nullptr));

  const HWND check = bare.Child(L"BUTTON", BS_AUTOCHECKBOX);
  const HWND ownerDrawn = bare.Child(L"BUTTON", BS_OWNERDRAW);
  const HWND group = bare.Child(L"BUTTON", BS_GROUPBOX);
  const HWND radio = bare.Child(L"BUTTON", BS_AUTORADIOBUTTON);
  const HWND push = bare.Child(L"Button", BS_PUSHBUTTON);
  const HWND simple = bare.Child(L"COMBOBOX", CBS_SIMPLE);
  const HWND dropDown = bare.Child(L"COMBOBOX", CBS_DROPDOWNLIST);
  const HWND sizer = bare.Child(L"SCROLLBAR", SBS_SIZEGRIP);
  const HWND tabStopBar = bare.Child(L"SCROLLBAR", SBS_VERT | WS_TABSTOP);
  const HWND edit = bare.Child(L"EDIT", WS_BORDER);
  const HWND inner = bare.Child(L"#32770", 0);
  const HWND innerButton = bare.Child(L"BUTTON", BS_3STATE, inner);
  // Already skinned (or an overlay of the engine): it answers the query.
  const HWND skinned = bare.Child(L"BUTTON", BS_AUTOCHECKBOX);
  SetPropW(skinned, L"OldProc", reinterpret_cast<HANDLE>(GetWindowLongPtrW(skinned, GWLP_WNDPROC)));
  SetWindowLongPtrW(skinned, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AnswerQuery));
  ASSERT_TRUE(innerButton && skinned);

  TFakeFactories factories({"TSkinCheckBox", "TSkinButton"});
  TControlDiscovery discovery(SiteOf(data.get(), host, formSkinner.get()));
  discovery.DiscoverChildWindows(bare.Handle);

  EXPECT_EQ(Outcome(discovery.RecordOfWindow(check)), "TSkinCheckBox built");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(ownerDrawn)), "none");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(group)), "none");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(radio)), "TSkinRadioButton chosen");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(push)), "TSkinButton built");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(simple)), "none");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(dropDown)), "TSkinComBox chosen");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(sizer)), "TSkinSizer chosen");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(tabStopBar)), "none");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(edit)), "TSkinEdit chosen");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(inner)), "TSkinBoxH chosen");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(innerButton)), "TSkinCheckBox built");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(skinned)), "unclassified");

  // Skinners of bare windows belong to the form skinner and took the windows over.
  ASSERT_EQ(host.List.size(), 3u);
  TSkinControl* skinner = discovery.RecordOfWindow(check)->Skinner;
  EXPECT_EQ(skinner->Owner(), formSkinner.get());
  EXPECT_EQ(skinner->Handle, check);
  EXPECT_EQ(SendMessageW(check, SKINMSG_QUERY, 0, 0), 1);
  EXPECT_EQ(SendMessageW(radio, SKINMSG_QUERY, 0, 0), 0);

  // A second walk gives no second skinner.
  const int made = TFakeSkinner::Made();
  discovery.DiscoverChildWindows(bare.Handle);
  EXPECT_EQ(TFakeSkinner::Made(), made);
  EXPECT_EQ(host.List.size(), 3u);

  // Without the members nothing is chosen for the check box and the edit.
  TOwned<TSkinData> narrow(new TSkinData(nullptr));
  narrow->SetSkinControls(narrow->SkinControls() & ~SetOf(xcCheckBox, xcEdit));
  TTestHost otherHost;
  TControlDiscovery plain(SiteOf(narrow.get(), otherHost, formSkinner.get()));
  const HWND check2 = bare.Child(L"BUTTON", BS_CHECKBOX);
  plain.ClassifyChildWindow(check2);
  plain.ClassifyChildWindow(edit);
  plain.ClassifyChildWindow(nullptr);
  EXPECT_EQ(Outcome(plain.RecordOfWindow(check2)), "none");
  EXPECT_EQ(Outcome(plain.RecordOfWindow(edit)), "none");
  EXPECT_EQ(plain.Records().size(), 2u);
  formSkinner.reset();  // frees the window skinners while their windows live
  EXPECT_TRUE(host.List.empty());
}

TEST(WindowDiscovery, ExtendedComboSkinsItsInnerCombo) {
  BareWindow bare;
  TOwned<TSkinData> data(new TSkinData(nullptr));
  TTestHost host;
  TOwned<TComponent> formSkinner(new TComponent(nullptr));
  INITCOMMONCONTROLSEX init{sizeof(init), ICC_USEREX_CLASSES};
  InitCommonControlsEx(&init);
  const HWND ex = bare.Child(WC_COMBOBOXEXW, CBS_DROPDOWNLIST);
  ASSERT_TRUE(ex);
  const HWND innerCombo = GetWindow(ex, GW_CHILD);
  ASSERT_TRUE(innerCombo);

  TFakeFactories factories({"TSkinComBox"});
  TControlDiscovery discovery(SiteOf(data.get(), host, formSkinner.get()));
  discovery.DiscoverChildWindows(bare.Handle);
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(innerCombo)), "TSkinComBox built");
  EXPECT_EQ(Outcome(discovery.RecordOfWindow(ex)), "none");
  ASSERT_EQ(host.List.size(), 1u);
  EXPECT_EQ(host.List.front()->Handle, innerCombo);
  formSkinner.reset();
}

}  // namespace
