// Shared pieces of the scroll-bar tests: a frame-coded skin with every scroll-bar picture, memos
// full of lines, and probes of an overlay's painting.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/skin_scrollbar.h"
#include "skin/model/skin_data.h"
#include "ui/form.h"
#include "ui/stdctrls.h"
#include "win/skincontrols/skinner_test.h"
#include "win/skinmodel/test_skin.h"
#include "win/support/ui_test.h"

// Colour seeds of the pictures.
inline constexpr int kArrows = 1, kVertTrack = 2, kHorzTrack = 3, kVertThumb = 4, kHorzThumb = 5;
// The arrow strip is 16 high: within 2 of the platform's arrow, so the bar is drawn 16 thick.
inline constexpr int kArrowFrameW = 11, kArrowH = 16;
inline constexpr TColor kTestFace = RGB(70, 71, 72);
inline constexpr TColor kTestShadow = RGB(33, 34, 35);

inline TTestSkin ScrollSkin() {
  TTestSkin skin;
  skin.Strip("sb.bmp", 23, kArrowFrameW, kArrowH, kArrows);
  skin.Strip("vt.bmp", 4, 16, 9, kVertTrack);
  skin.Strip("ht.bmp", 4, 9, 16, kHorzTrack);
  skin.Strip("vth.bmp", 3, 16, 12, kVertThumb);
  skin.Strip("hth.bmp", 3, 12, 16, kHorzThumb);
  skin.Ini("[Scrollbar]\r\nImage=sb.bmp\r\n[VertScroll]\r\nImage=vt.bmp\r\n[HorzScroll]\r\nImage=ht.bmp\r\n"
           "[VertScrollThumb]\r\nImage=vth.bmp\r\n[HorzScrollThumb]\r\nImage=hth.bmp\r\n");
  return skin;
}

inline std::vector<std::wstring> NumberedLines(int count, int width = 0) {
  std::vector<std::wstring> lines;
  for (int i = 0; i < count; ++i) {
    std::wstring line = L"第 " + std::to_wstring(i) + L" 行";
    if (width > 0) line += std::wstring(static_cast<size_t>(width), L'x');
    lines.push_back(line);
  }
  return lines;
}

inline SCROLLBARINFO BarInfo(HWND window, LONG id) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(window, id, &info);
  return info;
}

inline int ScrollPos(HWND window, int bar) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(window, bar, &si);
  return si.nPos;
}

// The overlay's painting, as it would show on the screen.
inline std::unique_ptr<TProbeDC> PaintOf(const TWScrollbar& bar) {
  RECT r{};
  GetClientRect(bar.Window(), &r);
  auto probe = std::make_unique<TProbeDC>(std::max<int>(r.right, 1), std::max<int>(r.bottom, 1), RGB(1, 2, 3));
  SendMessageW(bar.Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(probe->Get()), PRF_CLIENT);
  return probe;
}

inline RECT ScreenRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

class ScrollSkinTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    Data = LoadTestSkin(ScrollSkin());
    ASSERT_FALSE(Data->SkinPending());
    ASSERT_TRUE(Data->Scrollbar && Data->Scrollbar->HasImage());
    Data->Colours[SkinColour::ButtonFace] = kTestFace;
    Data->Colours[SkinColour::ButtonShadow] = kTestShadow;
    Form.reset(new TForm(nullptr));
    Form->SetBounds(60, 60, 640, 480);
    Form->Show();
    PumpMessages();
  }

  // A memo of the given bars with lines enough to scroll both ways.
  TMemo* NewMemo(TScrollStyle bars, int left = 10, int top = 10, int width = 300, int height = 200) {
    auto* memo = new TMemo(Form.get());
    memo->SetParent(Form.get());
    memo->SetWordWrap(false);
    memo->SetScrollBars(bars);
    memo->SetBounds(left, top, width, height);
    memo->Lines()->AddLines(NumberedLines(300, 80));
    PumpMessages();
    return memo;
  }

  TSkinScrollbar* Skin(TMemo* memo) {
    auto* skinner = new TSkinScrollbar(memo);
    skinner->AttachScrolled(memo, Data.get(), &Host);
    PumpMessages();
    return skinner;
  }

  TOwned<TSkinData> Data;
  TOwned<TForm> Form;
  TFakeHost Host;
};
