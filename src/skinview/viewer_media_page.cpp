// The viewer's media page: a media player with a one-second tone the viewer writes to the temp
// folder itself (some buttons hidden, some disabled), a second player with every button in ink,
// and a line with the first player's mode and the last error either player reported.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "skinview/viewer_form.h"
#include "skinview/viewer_pages.h"
#include "ui/extctrls.h"
#include "ui/mediaplayer.h"

namespace {

constexpr int kToneRate = 11025;  // samples a second, 8-bit mono
constexpr int kToneHertz = 440;
constexpr double kPi = 3.14159265358979323846;
// How often the state line is read again.
constexpr int kStateInterval = 250;

// A one-second sine tone as a WAV file; false when it cannot be written.
bool WriteTone(const std::wstring& path) {
  const std::uint32_t samples = kToneRate;
  std::vector<std::uint8_t> file(44 + samples);
  const auto put32 = [&](size_t at, std::uint32_t v) { std::memcpy(&file[at], &v, 4); };
  const auto put16 = [&](size_t at, std::uint16_t v) { std::memcpy(&file[at], &v, 2); };
  std::memcpy(&file[0], "RIFF", 4);
  put32(4, 36 + samples);
  std::memcpy(&file[8], "WAVEfmt ", 8);
  put32(16, 16);
  put16(20, 1);  // PCM
  put16(22, 1);  // mono
  put32(24, kToneRate);
  put32(28, kToneRate);
  put16(32, 1);
  put16(34, 8);
  std::memcpy(&file[36], "data", 4);
  put32(40, samples);
  for (std::uint32_t i = 0; i < samples; ++i) {
    // Faded in and out over 50 ms so the tone starts and ends without a click.
    const double fade = std::min(1.0, std::min(i, samples - i) / (0.05 * kToneRate));
    const double wave = std::sin(2 * kPi * kToneHertz * i / kToneRate) * fade;
    file[44 + i] = static_cast<std::uint8_t>(128 + 100 * wave);
  }
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  const bool written = fwrite(file.data(), 1, file.size(), out) == file.size();
  return fclose(out) == 0 && written;
}

std::wstring TonePath() {
  wchar_t folder[MAX_PATH] = {};
  const DWORD length = GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder, length > 0 && length < MAX_PATH ? length : 0) + L"corvana-skinview-tone.wav";
}

const wchar_t* ModeText(TMPModes mode) {
  switch (mode) {
    case TMPModes::mpStopped:
      return L"停止";
    case TMPModes::mpPlaying:
      return L"播放中";
    case TMPModes::mpRecording:
      return L"录音中";
    case TMPModes::mpSeeking:
      return L"定位中";
    case TMPModes::mpPaused:
      return L"暂停";
    case TMPModes::mpOpen:
      return L"打开";
    case TMPModes::mpNotReady:
      break;
  }
  return L"未就绪";
}

TLabel* Note(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, int height,
             const std::wstring& text) {
  auto* label = new TLabel(&form);
  label->SetParent(&parent);
  label->SetBounds(left, top, width, height);
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetCaption(text);
  return label;
}

TMediaPlayer* PlacePlayer(TSkinViewForm& form, TWinControl& parent, int left, int top, int width, int height) {
  auto* player = new TMediaPlayer(&form);
  player->SetParent(&parent);
  player->SetBounds(left, top, width, height);
  return player;
}

}  // namespace

void FillMediaPage(TSkinViewForm& form, TTabSheet& page) {
  Note(form, page, 16, 14, 580, 36,
       L"媒体播放器：按钮由皮肤的 Buttons "
       L"画出，图形有正常、不可用和彩色三种。下面的播放器放一段查看器自己生成的一秒钟的音。"
       L"“后退”和“录音”隐藏，“单步”和“弹出”不可用。");
  const std::wstring tone = TonePath();
  const bool written = WriteTone(tone);

  auto* player = PlacePlayer(form, page, 16, 60, 280, 30);
  player->SetName("ViewerMediaPlayer");
  player->SetVisibleButtons(kAllMediaButtons & ~ButtonBit(TMPBtnType::btBack) & ~ButtonBit(TMPBtnType::btRecord));
  player->SetEnabledButtons(kAllMediaButtons & ~ButtonBit(TMPBtnType::btStep) & ~ButtonBit(TMPBtnType::btEject));
  player->SetColoredButtons(kAllMediaButtons);
  auto* state = Note(form, page, 16, 100, 580, 36, L"");
  state->SetName("ViewerMediaState");
  // Errors land in the state line rather than in boxes: a machine without sound is expected here.
  auto lastError = std::make_shared<std::wstring>(written ? L"" : L"无法写入 " + tone);
  player->OnError = [lastError](TObject*, int, const std::wstring& message) { *lastError = message; };
  const auto showState = [player, state, lastError] {
    std::wstring text = L"模式：";
    text += ModeText(player->Mode());
    text += L"    最后的错误：";
    text += lastError->empty() ? L"无" : *lastError;
    if (text != state->Caption()) state->SetCaption(text);
  };
  player->OnNotify = [showState](TObject*) { showState(); };
  if (written) {
    player->SetFileName(tone);
    player->Open();
  }
  showState();
  auto* timer = new TTimer(&form);
  timer->SetInterval(kStateInterval);
  timer->OnTimer = [showState](TObject*) { showState(); };

  Note(form, page, 16, 150, 580, 18, L"九个按钮都显示、都可用、不用彩色图形（没有打开设备）：");
  auto* plain = PlacePlayer(form, page, 16, 172, 420, 34);
  plain->SetColoredButtons(0);
  plain->OnError = [lastError](TObject*, int, const std::wstring& message) { *lastError = message; };
}
