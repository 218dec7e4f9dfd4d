// The framework's TMediaPlayer under Wine: a WAV file written here opened through the platform's
// media control interface, the mode around play and stop (or the error event where there is no
// sound device), a missing file, the button strip under the real mouse and keyboard messages,
// and the button sets as published text.
#include "ui/mediaplayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/error.h"
#include "ui/form.h"
#include "ui/reader.h"
#include "win/skincontrols/skinner_test.h"

namespace {

// 8-bit mono PCM at 8000 samples a second: a square tone of milliseconds length.
void WriteWav(const std::wstring& path, int milliseconds) {
  const std::uint32_t samples = 8 * static_cast<std::uint32_t>(milliseconds);
  std::vector<std::uint8_t> file(44 + samples);
  const auto put32 = [&](size_t at, std::uint32_t v) { std::memcpy(&file[at], &v, 4); };
  const auto put16 = [&](size_t at, std::uint16_t v) { std::memcpy(&file[at], &v, 2); };
  std::memcpy(&file[0], "RIFF", 4);
  put32(4, 36 + samples);
  std::memcpy(&file[8], "WAVEfmt ", 8);
  put32(16, 16);
  put16(20, 1);     // PCM
  put16(22, 1);     // mono
  put32(24, 8000);  // samples a second
  put32(28, 8000);  // bytes a second
  put16(32, 1);
  put16(34, 8);
  std::memcpy(&file[36], "data", 4);
  put32(40, samples);
  for (std::uint32_t i = 0; i < samples; ++i) file[44 + i] = (i / 10) % 2 ? 200 : 56;
  FILE* out = _wfopen(path.c_str(), L"wb");
  ASSERT_TRUE(out);
  fwrite(file.data(), 1, file.size(), out);
  fclose(out);
}

std::wstring TempPath(const wchar_t* name) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

// The platform's error numbers (MCIERR_BASE 256 plus the error's offset).
constexpr int kInvalidDeviceId = 257;
constexpr int kUnsupportedFunction = 274;
constexpr int kFileNotFound = 275;
constexpr int kNoWaveOutput = 326;

bool Mentions(const std::wstring& text, const wchar_t* word) {
  return text.find(word) != std::wstring::npos;
}

class MediaPlayer : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    Form.reset(new TForm(nullptr));
    Form->SetBounds(40, 40, 420, 200);
    Form->Show();
    Player = new TMediaPlayer(Form.get());
    Player->SetBounds(10, 20, 279, 30);  // nine buttons of 31
    Player->SetParent(Form.get());
    Player->OnError = [this](TObject*, int error, const std::wstring& message) {
      Errors.push_back(error);
      Messages.push_back(message);
    };
    Player->OnClick = [this](TObject*, TMPBtnType button, bool& doDefault) {
      Clicks.push_back(button);
      doDefault = RunActions;
    };
    PumpMessages();
  }
  void Mouse(UINT msg, int x) {
    SendMessageW(Player->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, 15));
  }
  void ClickAt(int x) {
    Mouse(WM_LBUTTONDOWN, x);
    Mouse(WM_LBUTTONUP, x);
  }
  TOwned<TForm> Form;
  TMediaPlayer* Player = nullptr;
  std::vector<int> Errors;
  std::vector<std::wstring> Messages;
  std::vector<TMPBtnType> Clicks;
  bool RunActions = false;
};

TEST_F(MediaPlayer, AGeneratedWaveFileOpensAndItsModeFollowsPlayAndStop) {
  const std::wstring wav = TempPath(L"corvana_mp_tone.wav");
  WriteWav(wav, 500);
  Player->SetFileName(wav);
  EXPECT_EQ(Player->Mode(), TMPModes::mpNotReady);
  Player->Open();
  ASSERT_TRUE(Player->IsOpen()) << "error " << Player->Error();
  EXPECT_EQ(Player->Error(), 0);
  EXPECT_EQ(Player->Mode(), TMPModes::mpStopped);
  EXPECT_EQ(Player->Length(), 500);  // 4000 samples at 8000 a second, in milliseconds
  Player->SetPosition(200);
  EXPECT_EQ(Player->Position(), 200);

  Player->Play();  // returns at once whatever the machine has
  if (HasWaveOutput()) {
    EXPECT_TRUE(Errors.empty());
    EXPECT_TRUE(Player->Mode() == TMPModes::mpPlaying || Player->Mode() == TMPModes::mpStopped);
    Player->Stop();
    EXPECT_EQ(Player->Mode(), TMPModes::mpStopped);
  } else {
    // No sound device: the platform's error through the event, and the device stays usable.
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], kNoWaveOutput);
    EXPECT_EQ(Player->Error(), kNoWaveOutput);
    EXPECT_TRUE(Mentions(Messages[0], L"wave")) << WideToUtf8(Messages[0]);
    EXPECT_EQ(Player->ErrorMessage(), Messages[0]);
    EXPECT_EQ(Player->Mode(), TMPModes::mpStopped);
  }
  // The end of the file and back; the device has no door.
  Player->Next();
  EXPECT_EQ(Player->Position(), 500);
  Player->Previous();
  EXPECT_EQ(Player->Position(), 0);
  const size_t before = Errors.size();
  Player->Eject();
  ASSERT_EQ(Errors.size(), before + 1);
  EXPECT_EQ(Errors.back(), kUnsupportedFunction);
  // A later command that works clears the error.
  Player->Stop();
  EXPECT_EQ(Player->Error(), 0);
  EXPECT_TRUE(Player->ErrorMessage().empty());
  Player->Close();
  EXPECT_FALSE(Player->IsOpen());
  EXPECT_EQ(Player->Mode(), TMPModes::mpNotReady);
  DeleteFileW(wav.c_str());
}

TEST_F(MediaPlayer, AMissingFileGivesACleanErrorAndRaisesWithoutAHandler) {
  Player->SetFileName(TempPath(L"corvana_no_such_sound.wav"));
  Player->Open();
  EXPECT_FALSE(Player->IsOpen());
  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_EQ(Errors[0], kFileNotFound);
  EXPECT_TRUE(Mentions(Messages[0], L"file")) << WideToUtf8(Messages[0]);
  // Play opens first, and fails the same way.
  Player->Play();
  ASSERT_EQ(Errors.size(), 2u);
  EXPECT_EQ(Errors[1], kFileNotFound);

  Player->OnError = nullptr;
  try {
    Player->Open();
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), WideToUtf8(Messages[0]));
  }
  // Nothing to open at all: no file and no device type.
  Player->SetFileName(L"");
  EXPECT_THROW(Player->Play(), Exception);
  EXPECT_FALSE(Player->IsOpen());
}

TEST_F(MediaPlayer, ButtonsClickOnAReleaseOverTheButtonPressed) {
  ClickAt(5);
  ClickAt(31 * 3 + 10);
  ASSERT_EQ(Clicks.size(), 2u);
  EXPECT_EQ(Clicks[0], TMPBtnType::btPlay);
  EXPECT_EQ(Clicks[1], TMPBtnType::btNext);
  EXPECT_TRUE(Errors.empty());  // the handler kept the actions from running

  // Pressed on stop, released on pause or outside: nothing.
  Mouse(WM_LBUTTONDOWN, 31 * 2 + 5);
  Mouse(WM_LBUTTONUP, 31 + 5);
  Mouse(WM_LBUTTONDOWN, 31 * 2 + 5);
  Mouse(WM_LBUTTONUP, 400);
  EXPECT_EQ(Clicks.size(), 2u);

  // Hidden buttons close up: the second visible button is stop.
  Player->SetVisibleButtons(ButtonBit(TMPBtnType::btPlay) | ButtonBit(TMPBtnType::btStop));
  ClickAt(279 / 2 + 10);
  ASSERT_EQ(Clicks.size(), 3u);
  EXPECT_EQ(Clicks[2], TMPBtnType::btStop);
  // A disabled button and a disabled player click nothing.
  Player->SetEnabledButtons(ButtonBit(TMPBtnType::btPlay));
  ClickAt(279 / 2 + 10);
  EXPECT_EQ(Clicks.size(), 3u);
  Player->SetEnabled(false);
  ClickAt(5);
  EXPECT_EQ(Clicks.size(), 3u);
  Player->SetEnabled(true);

  // With the action left to run, play without a file reports the platform's error.
  RunActions = true;
  ClickAt(5);
  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_EQ(Errors[0], kInvalidDeviceId);
}

TEST_F(MediaPlayer, TheKeyboardMovesAmongVisibleButtonsAndPresses) {
  Player->SetVisibleButtons(kAllMediaButtons & ~ButtonBit(TMPBtnType::btPause));
  Player->SetFocus();
  PumpMessages();
  EXPECT_EQ(SendMessageW(Player->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
  SendMessageW(Player->Handle(), WM_KEYDOWN, VK_RIGHT, 0);  // from play past the hidden pause
  SendMessageW(Player->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(Player->Handle(), WM_KEYDOWN, VK_LEFT, 0);
  SendMessageW(Player->Handle(), WM_KEYDOWN, VK_LEFT, 0);  // wraps round to eject
  SendMessageW(Player->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_EQ(Clicks.size(), 2u);
  EXPECT_EQ(Clicks[0], TMPBtnType::btStop);
  EXPECT_EQ(Clicks[1], TMPBtnType::btEject);
}

TEST_F(MediaPlayer, ButtonSetsReadAndWriteAsValueNames) {
  const TPropInfo* visible = FindPropInfo(Player, "VisibleButtons");
  ASSERT_TRUE(visible);
  EXPECT_EQ(visible->Kind, TPropKind::Set);
  Player->SetVisibleButtons(ButtonBit(TMPBtnType::btPlay) | ButtonBit(TMPBtnType::btPause));
  EXPECT_EQ(visible->ValueText(*Player), "[btPlay,btPause]");
  ASSERT_TRUE(FindPropInfo(Player, "EnabledButtons")->SetValueText(*Player, "[btStop, btEject]"));
  EXPECT_EQ(Player->EnabledButtons(), ButtonBit(TMPBtnType::btStop) | ButtonBit(TMPBtnType::btEject));
  EXPECT_EQ(FindPropInfo(Player, "ColoredButtons")->ValueText(*Player),
            "[btPlay,btPause,btStop,btNext,btPrev,btStep,btBack,btRecord,btEject]");
  EXPECT_FALSE(FindPropInfo(Player, "ColoredButtons")->SetValueText(*Player, "[btFast]"));
  EXPECT_EQ(FindPropInfo(Player, "DeviceType")->ValueText(*Player), "dtAutoSelect");
  RegisterFrameworkClasses();
  EXPECT_EQ(FindClass("TMediaPlayer"), &TMediaPlayer::StaticClassInfo());
}

TEST_F(MediaPlayer, TheStripShowsTheGlyphOfEachLook) {
  Player->SetColoredButtons(ButtonBit(TMPBtnType::btPlay));
  Player->SetEnabledButtons(kAllMediaButtons & ~ButtonBit(TMPBtnType::btStop));
  TProbeDC probe(279, 30, RGB(255, 0, 255));
  SendMessageW(Player->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
  // Inside the 16 x 14 glyph centred in a 31 x 30 button, away from the button's edges.
  const auto count = [&](int button, COLORREF colour) {
    int n = 0;
    for (int y = 8; y < 22; ++y)
      for (int x = 31 * button + 7; x < 31 * button + 23; ++x) n += probe.At(x, y) == colour;
    return n;
  };
  EXPECT_GT(count(0, RGB(0, 150, 0)), 20);  // play coloured green
  EXPECT_GT(count(1, RGB(0, 0, 0)), 20);    // pause in ink
  EXPECT_EQ(count(1, RGB(0, 150, 0)), 0);
  EXPECT_GT(count(2, RGB(128, 128, 128)), 20);  // stop greyed
  EXPECT_EQ(count(2, RGB(0, 0, 0)), 0);
  EXPECT_EQ(count(0, RGB(128, 128, 0)), 0);  // the olive key never shows
}

// The glyphs take the player's scale: stretched from the 96-DPI glyph, or from 168 DPI the
// double-size one where the program has it; either way the same place and size.
TEST(MediaPlayerScale, GlyphsGrowWithTheFormsScale) {
  TestApplication();
  const auto playGlyph = [](int dpi) {
    TOwned<TForm> form(new TForm(nullptr));
    form->SetBounds(40, 40, 420, 200);
    form->ScaleForDpi(dpi);
    form->Show();
    auto* player = new TMediaPlayer(form.get());
    player->SetBounds(10, 20, 279, 30);
    player->SetParent(form.get());
    player->SetColoredButtons(ButtonBit(TMPBtnType::btPlay));
    PumpMessages();
    TProbeDC probe(player->Width(), player->Height(), RGB(255, 0, 255));
    SendMessageW(player->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.Get()), 0);
    // The green ink's bounding box in the first button.
    RECT box{1000, 1000, -1, -1};
    const int buttonWidth = player->Width() / 9;
    for (int y = 0; y < player->Height(); ++y)
      for (int x = 0; x < buttonWidth; ++x)
        if (probe.At(x, y) == RGB(0, 150, 0)) {
          box.left = std::min<LONG>(box.left, x);
          box.top = std::min<LONG>(box.top, y);
          box.right = std::max<LONG>(box.right, x + 1);
          box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    EXPECT_EQ(player->Height(), MulDiv(30, dpi, 96)) << dpi;
    return std::make_pair(box, buttonWidth);
  };
  const auto [at96, width96] = playGlyph(96);
  ASSERT_GT(at96.right - at96.left, 4);
  for (int dpi : {144, 192}) {
    const auto [box, buttonWidth] = playGlyph(dpi);
    const double scale = dpi / 96.0;
    EXPECT_NEAR(box.right - box.left, (at96.right - at96.left) * scale, 3) << dpi;
    EXPECT_NEAR(box.bottom - box.top, (at96.bottom - at96.top) * scale, 3) << dpi;
    // Still centred in its button.
    EXPECT_NEAR((box.left + box.right) / 2.0, buttonWidth / 2.0, 3) << dpi;
  }
}

// A form description sets the player's properties by name; AutoOpen opens the file once the
// form has been read, and a file that is not there is reported, not thrown out of the reading.
TEST(MediaPlayerDescription, SetsAndAutoOpenComeFromTheDescription) {
  TestApplication();
  RegisterFrameworkClasses();
  const std::wstring wav = TempPath(L"corvana_mp_description.wav");
  WriteWav(wav, 300);
  const auto describe = [](const std::wstring& file) {
    return "object Sample: TForm\n"
           "  object MediaPlayer1: TMediaPlayer\n"
           "    Left = 8\n"
           "    Top = 8\n"
           "    Width = 150\n"
           "    Height = 30\n"
           "    VisibleButtons = [btPlay, btStop, btEject]\n"
           "    EnabledButtons = [btPlay]\n"
           "    ColoredButtons = []\n"
           "    DeviceType = dtWaveAudio\n"
           "    AutoOpen = True\n"
           "    FileName = '" +
           WideToUtf8(file) +
           "'\n"
           "  end\n"
           "end\n";
  };
  TOwned<TForm> form(new TForm(nullptr));
  ReadComponentText(form.get(), describe(wav));
  auto* player = form->FindComponentAs<TMediaPlayer>("MediaPlayer1");
  ASSERT_TRUE(player);
  EXPECT_EQ(player->VisibleButtons(),
            ButtonBit(TMPBtnType::btPlay) | ButtonBit(TMPBtnType::btStop) | ButtonBit(TMPBtnType::btEject));
  EXPECT_EQ(player->EnabledButtons(), ButtonBit(TMPBtnType::btPlay));
  EXPECT_EQ(player->ColoredButtons(), 0u);
  EXPECT_EQ(player->DeviceType(), TMPDeviceTypes::dtWaveAudio);
  EXPECT_TRUE(player->IsOpen());
  EXPECT_EQ(player->Length(), 300);
  form.reset();  // closes the device, so the file can go
  EXPECT_TRUE(DeleteFileW(wav.c_str()));

  CollectedErrors().clear();
  TOwned<TForm> missing(new TForm(nullptr));
  ReadComponentText(missing.get(), describe(TempPath(L"corvana_mp_not_there.wav")));
  EXPECT_FALSE(missing->FindComponentAs<TMediaPlayer>("MediaPlayer1")->IsOpen());
  ASSERT_EQ(CollectedErrors().size(), 1u);
  EXPECT_NE(CollectedErrors()[0].find("file"), std::string::npos) << CollectedErrors()[0];
}

}  // namespace
