// TMediaPlayer over the platform's media control interface, its button strip and glyphs.
#include "ui/mediaplayer.h"

#include <mmsystem.h>

#include "base/codec.h"
#include "base/error.h"
#include "ui/application.h"
#include "ui/bitmap.h"
#include "ui/dpi.h"
#include "ui/gdi.h"

namespace {

constexpr int kDefaultWidth = 253;
constexpr int kDefaultHeight = 30;
// Longest error text of the platform, with room to spare.
constexpr int kErrorTextLength = 256;
// What a play or record that failed on its own thread is reported as: the notification carries no number.
constexpr unsigned kFailedNotification = MCIERR_HARDWARE;

const wchar_t* DeviceTypeName(TMPDeviceTypes type) {
  switch (type) {
    case TMPDeviceTypes::dtAVIVideo:
      return L"avivideo";
    case TMPDeviceTypes::dtCDAudio:
      return L"cdaudio";
    case TMPDeviceTypes::dtDAT:
      return L"dat";
    case TMPDeviceTypes::dtDigitalVideo:
      return L"digitalvideo";
    case TMPDeviceTypes::dtMMMovie:
      return L"mmmovie";
    case TMPDeviceTypes::dtOther:
      return L"other";
    case TMPDeviceTypes::dtOverlay:
      return L"overlay";
    case TMPDeviceTypes::dtScanner:
      return L"scanner";
    case TMPDeviceTypes::dtSequencer:
      return L"sequencer";
    case TMPDeviceTypes::dtVCR:
      return L"vcr";
    case TMPDeviceTypes::dtVideodisc:
      return L"videodisc";
    case TMPDeviceTypes::dtWaveAudio:
      return L"waveaudio";
    case TMPDeviceTypes::dtAutoSelect:
      break;
  }
  return nullptr;
}

std::wstring PlatformErrorText(unsigned error) {
  wchar_t text[kErrorTextLength] = {};
  if (!mciGetErrorStringW(error, text, kErrorTextLength)) return {};
  return text;
}

const std::vector<std::string>& DeviceTypeNames() {
  static const std::vector<std::string> names = {
      "dtAutoSelect", "dtAVIVideo", "dtCDAudio",   "dtDAT", "dtDigitalVideo", "dtMMMovie",   "dtOther",
      "dtOverlay",    "dtScanner",  "dtSequencer", "dtVCR", "dtVideodisc",    "dtWaveAudio",
  };
  return names;
}

const wchar_t* LookPrefix(TMediaGlyphLook look) {
  switch (look) {
    case TMediaGlyphLook::Disabled:
      return L"DI";
    case TMediaGlyphLook::Colored:
      return L"CL";
    case TMediaGlyphLook::Enabled:
      break;
  }
  return L"EN";
}

}  // namespace

const std::vector<std::string>& MediaButtonNames() {
  static const std::vector<std::string> names = {"btPlay", "btPause", "btStop",   "btNext", "btPrev",
                                                 "btStep", "btBack",  "btRecord", "btEject"};
  return names;
}

const std::vector<std::string>& MediaGlyphStems() {
  static const std::vector<std::string> stems = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                                                 "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
  return stems;
}

std::wstring MediaGlyphName(TMediaGlyphLook look, int button) {
  if (button < 0 || button >= kMediaButtonCount) return {};
  return std::wstring(LookPrefix(look)) + L"_" + Utf8ToWide(MediaGlyphStems()[static_cast<size_t>(button)]);
}

namespace {
std::unique_ptr<TBitmap> LoadGlyphResource(const std::wstring& name) {
  auto glyph = std::make_unique<TBitmap>();
  const HINSTANCE module = GetModuleHandleW(nullptr);
  // A program built without the glyphs keeps empty ones rather than failing.
  if (!name.empty() && FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(2) /* RT_BITMAP */)) {
    try {
      glyph->LoadFromResourceName(module, name.c_str());
    } catch (const Exception&) {
      glyph = std::make_unique<TBitmap>();
    }
  }
  return glyph;
}
}  // namespace

std::unique_ptr<TBitmap> LoadMediaGlyph(TMediaGlyphLook look, int button) {
  return LoadGlyphResource(MediaGlyphName(look, button));
}

std::unique_ptr<TBitmap> LoadMediaGlyph2x(TMediaGlyphLook look, int button) {
  const std::wstring name = MediaGlyphName(look, button);
  return LoadGlyphResource(name.empty() ? name : name + L"_2X");
}

bool HasWaveOutput() {
  return waveOutGetNumDevs() > 0;
}

int CountMediaButtons(TButtonSet buttons) {
  int count = 0;
  for (int i = 0; i < kMediaButtonCount; ++i) count += (buttons >> i) & 1;
  return count;
}

int MediaButtonWidth(TButtonSet visible, int clientWidth) {
  const int count = CountMediaButtons(visible);
  return count ? clientWidth / count : 0;
}

int MediaButtonAt(TButtonSet visible, int buttonWidth, int x) {
  int left = 0;
  for (int i = 0; i < kMediaButtonCount; ++i) {
    if (!(visible & (1u << i))) continue;
    if (x >= left && x <= left + buttonWidth) return i;
    left += buttonWidth;
  }
  return kNoMediaButton;
}

int MediaButtonLeft(TButtonSet visible, int buttonWidth, int button) {
  if (button < 0 || button >= kMediaButtonCount || !(visible & (1u << button))) return -1;
  int left = 0;
  for (int i = 0; i < button; ++i)
    if (visible & (1u << i)) left += buttonWidth;
  return left;
}

const TClassInfo& TMediaPlayer::StaticClassInfo() {
  static const TClassInfo info(
      "TMediaPlayer", &TCustomControl::StaticClassInfo(),
      {
          props::Boolean<TMediaPlayer>("AutoOpen", &TMediaPlayer::AutoOpen, &TMediaPlayer::SetAutoOpen),
          props::Boolean<TMediaPlayer>("AutoRewind", &TMediaPlayer::AutoRewind, &TMediaPlayer::SetAutoRewind),
          props::Set<TMediaPlayer>("ColoredButtons", MediaButtonNames(), &TMediaPlayer::ColoredButtons,
                                   &TMediaPlayer::SetColoredButtons),
          props::Enumeration<TMediaPlayer, TMPDeviceTypes>("DeviceType", DeviceTypeNames(), &TMediaPlayer::DeviceType,
                                                           &TMediaPlayer::SetDeviceType),
          props::Set<TMediaPlayer>("EnabledButtons", MediaButtonNames(), &TMediaPlayer::EnabledButtons,
                                   &TMediaPlayer::SetEnabledButtons),
          props::Wide<TMediaPlayer>("FileName", &TMediaPlayer::FileName, &TMediaPlayer::SetFileName),
          props::Integer<TMediaPlayer>("Frames", &TMediaPlayer::Frames, &TMediaPlayer::SetFrames),
          props::Boolean<TMediaPlayer>("Notify", &TMediaPlayer::Notify, &TMediaPlayer::SetNotify),
          props::Boolean<TMediaPlayer>("Shareable", &TMediaPlayer::Shareable, &TMediaPlayer::SetShareable),
          props::Set<TMediaPlayer>("VisibleButtons", MediaButtonNames(), &TMediaPlayer::VisibleButtons,
                                   &TMediaPlayer::SetVisibleButtons),
          props::TypedEvent<TMediaPlayer, TMPBtnClick>("OnClick", &TMediaPlayer::OnClick),
          props::TypedEvent<TMediaPlayer, TMPErrorEvent>("OnError", &TMediaPlayer::OnError),
          props::Event<TMediaPlayer>("OnNotify", &TMediaPlayer::OnNotify),
      },
      [](TComponent* owner) { return new TMediaPlayer(owner); });
  return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TCustomControl(owner) {
  // Clicks are the buttons' (OnClick names the button), so the plain click event is left out.
  SetControlStyle(csOpaque);
  SetBoundsFields(0, 0, kDefaultWidth, kDefaultHeight);
  SetTabStop(true);
  SetColor(clBtnFace);
  for (int look = 0; look < kMediaGlyphLooks; ++look)
    for (int i = 0; i < kMediaButtonCount; ++i)
      FGlyphs[look][i] = LoadMediaGlyph(static_cast<TMediaGlyphLook>(look), i);
}

TMediaPlayer::~TMediaPlayer() = default;

void TMediaPlayer::BeforeDestruction() {
  if (FDeviceID) {
    mciSendCommandW(FDeviceID, MCI_CLOSE, MCI_WAIT, 0);
    FDeviceID = 0;
  }
  TCustomControl::BeforeDestruction();
}

void TMediaPlayer::Loaded() {
  TCustomControl::Loaded();
  if (!FAutoOpen || FFileName.empty()) return;
  // A form being read has no caller to take an error: it is shown like a handler's.
  try {
    Open();
  } catch (const Exception& e) {
    ShowDispatchError(e.Message());
  }
}

void TMediaPlayer::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TMediaPlayer::SetVisibleButtons(TButtonSet value) {
  FVisibleButtons = value & kAllMediaButtons;
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet value) {
  FEnabledButtons = value & kAllMediaButtons;
  Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet value) {
  FColoredButtons = value & kAllMediaButtons;
  Invalidate();
}

bool TMediaPlayer::Check(unsigned error) {
  FError = static_cast<int>(error);
  FErrorMessage = error ? PlatformErrorText(error) : std::wstring();
  if (!error) return true;
  if (OnError) {
    OnError(this, FError, FErrorMessage);
    return false;
  }
  throw Exception(WideToUtf8(FErrorMessage));
}

bool TMediaPlayer::Command(UINT msg, DWORD_PTR flags, void* params) {
  return Check(mciSendCommandW(FDeviceID, msg, flags, reinterpret_cast<DWORD_PTR>(params)));
}

DWORD_PTR TMediaPlayer::NotifyFlag() {
  // The end of a play or record comes back as MM_MCINOTIFY to the window; never a wait.
  return FNotify ? MCI_NOTIFY : 0;
}

unsigned TMediaPlayer::StatusItem(DWORD item) const {
  if (!FDeviceID) return 0;
  MCI_STATUS_PARMS status{};
  status.dwItem = item;
  if (mciSendCommandW(FDeviceID, MCI_STATUS, MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&status))) return 0;
  return static_cast<unsigned>(status.dwReturn);
}

bool TMediaPlayer::IsWaveDevice() const {
  if (!FDeviceID) return false;
  MCI_GETDEVCAPS_PARMS caps{};
  caps.dwItem = MCI_GETDEVCAPS_DEVICE_TYPE;
  if (mciSendCommandW(FDeviceID, MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&caps)))
    return false;
  return caps.dwReturn == MCI_DEVTYPE_WAVEFORM_AUDIO;
}

void TMediaPlayer::Open() {
  if (FDeviceID) Close();
  MCI_OPEN_PARMSW params{};
  DWORD_PTR flags = MCI_WAIT;
  if (const wchar_t* type = DeviceTypeName(FDeviceType)) {
    params.lpstrDeviceType = type;
    flags |= MCI_OPEN_TYPE;
  }
  if (!FFileName.empty()) {
    params.lpstrElementName = FFileName.c_str();
    flags |= MCI_OPEN_ELEMENT;
  }
  if (FShareable) flags |= MCI_OPEN_SHAREABLE;
  // Neither a type nor a file: the platform has no device to choose.
  if (!(flags & (MCI_OPEN_TYPE | MCI_OPEN_ELEMENT))) {
    Check(MCIERR_MISSING_DEVICE_NAME);
    return;
  }
  if (!Check(mciSendCommandW(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&params)))) return;
  FDeviceID = params.wDeviceID;
  MCI_SET_PARMS set{};
  set.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
  // Devices that count otherwise (a CD's tracks) keep their own format.
  mciSendCommandW(FDeviceID, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&set));
  Invalidate();
}

void TMediaPlayer::Close() {
  if (!FDeviceID) return;
  const unsigned id = FDeviceID;
  FDeviceID = 0;
  Check(mciSendCommandW(id, MCI_CLOSE, MCI_WAIT, 0));
  Invalidate();
}

bool TMediaPlayer::EnsureOpen() {
  if (FDeviceID) return true;
  if (FFileName.empty() && FDeviceType == TMPDeviceTypes::dtAutoSelect) {
    Check(MCIERR_INVALID_DEVICE_ID);
    return false;
  }
  Open();
  return FDeviceID != 0;
}

void TMediaPlayer::Play() {
  if (!EnsureOpen()) return;
  // Without an output the platform may accept the play and fail later on its own thread; the
  // same error is given at once instead.
  if (IsWaveDevice() && !HasWaveOutput()) {
    Check(MCIERR_WAVE_OUTPUTSUNSUITABLE);
    return;
  }
  if (FAutoRewind && Length() > 0 && Position() >= Length()) Rewind();
  MCI_PLAY_PARMS params{};
  params.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
  if (!Command(MCI_PLAY, NotifyFlag(), &params)) return;
  Invalidate();
}

void TMediaPlayer::StartRecording() {
  if (!EnsureOpen()) return;
  if (IsWaveDevice() && waveInGetNumDevs() == 0) {
    Check(MCIERR_WAVE_INPUTSUNSUITABLE);
    return;
  }
  MCI_RECORD_PARMS params{};
  params.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
  Command(MCI_RECORD, NotifyFlag(), &params);
}

void TMediaPlayer::Pause() {
  if (!EnsureOpen()) return;
  if (Mode() == TMPModes::mpPaused) {
    Resume();
    return;
  }
  MCI_GENERIC_PARMS params{};
  Command(MCI_PAUSE, MCI_WAIT, &params);
}

void TMediaPlayer::Resume() {
  if (!EnsureOpen()) return;
  MCI_GENERIC_PARMS params{};
  params.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
  Command(MCI_RESUME, NotifyFlag(), &params);
}

void TMediaPlayer::Stop() {
  if (!EnsureOpen()) return;
  MCI_GENERIC_PARMS params{};
  Command(MCI_STOP, MCI_WAIT, &params);
}

void TMediaPlayer::Rewind() {
  if (!EnsureOpen()) return;
  MCI_SEEK_PARMS params{};
  Command(MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, &params);
}

void TMediaPlayer::Next() {
  if (!EnsureOpen()) return;
  MCI_SEEK_PARMS params{};
  Command(MCI_SEEK, MCI_SEEK_TO_END | MCI_WAIT, &params);
}

void TMediaPlayer::Previous() {
  Rewind();
}

// The video-disc step flags and parameters have the same values and layout as every other
// device's step command.
void TMediaPlayer::Step() {
  if (!EnsureOpen()) return;
  MCI_VD_STEP_PARMS params{};
  params.dwFrames = static_cast<DWORD>(FFrames);
  Command(MCI_STEP, MCI_VD_STEP_FRAMES | MCI_WAIT, &params);
}

void TMediaPlayer::Back() {
  if (!EnsureOpen()) return;
  MCI_VD_STEP_PARMS params{};
  params.dwFrames = static_cast<DWORD>(FFrames);
  Command(MCI_STEP, MCI_VD_STEP_FRAMES | MCI_VD_STEP_REVERSE | MCI_WAIT, &params);
}

void TMediaPlayer::Eject() {
  if (!EnsureOpen()) return;
  MCI_GETDEVCAPS_PARMS caps{};
  caps.dwItem = MCI_GETDEVCAPS_CAN_EJECT;
  // A device without a door says so with the platform's text rather than pretending it opened.
  if (mciSendCommandW(FDeviceID, MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&caps)) ||
      !caps.dwReturn) {
    Check(MCIERR_UNSUPPORTED_FUNCTION);
    return;
  }
  MCI_SET_PARMS params{};
  Command(MCI_SET, MCI_SET_DOOR_OPEN | MCI_WAIT, &params);
}

TMPModes TMediaPlayer::Mode() const {
  const unsigned mode = StatusItem(MCI_STATUS_MODE);
  if (mode < MCI_MODE_NOT_READY || mode > MCI_MODE_OPEN) return TMPModes::mpNotReady;
  return static_cast<TMPModes>(mode - MCI_MODE_NOT_READY);
}

int TMediaPlayer::Position() const {
  return static_cast<int>(StatusItem(MCI_STATUS_POSITION));
}

int TMediaPlayer::Length() const {
  return static_cast<int>(StatusItem(MCI_STATUS_LENGTH));
}

void TMediaPlayer::SetPosition(int value) {
  if (!EnsureOpen()) return;
  MCI_SEEK_PARMS params{};
  params.dwTo = static_cast<DWORD>(value < 0 ? 0 : value);
  Command(MCI_SEEK, MCI_TO | MCI_WAIT, &params);
}

void TMediaPlayer::ClickButton(TMPBtnType button) {
  bool doDefault = true;
  if (OnClick) OnClick(this, button, doDefault);
  if (!doDefault) return;
  switch (button) {
    case TMPBtnType::btPlay:
      Play();
      break;
    case TMPBtnType::btPause:
      Pause();
      break;
    case TMPBtnType::btStop:
      Stop();
      break;
    case TMPBtnType::btNext:
      Next();
      break;
    case TMPBtnType::btPrev:
      Previous();
      break;
    case TMPBtnType::btStep:
      Step();
      break;
    case TMPBtnType::btBack:
      Back();
      break;
    case TMPBtnType::btRecord:
      StartRecording();
      break;
    case TMPBtnType::btEject:
      Eject();
      break;
  }
}

int TMediaPlayer::ButtonAtX(int x) {
  return MediaButtonAt(FVisibleButtons, MediaButtonWidth(FVisibleButtons, ClientWidth()), x);
}

void TMediaPlayer::MouseButton(TMessage& message, bool down) {
  const int x = static_cast<short>(LOWORD(message.LParam));
  const int button = ButtonAtX(x);
  const bool usable = button != kNoMediaButton && (FEnabledButtons & (1u << button)) && Enabled();
  if (down) {
    FPressed = usable ? button : kNoMediaButton;
    FPressedLook = usable;
    if (usable) {
      FFocusButton = button;
      SetCapture(Handle());
      if (CanFocus() && !Focused()) SetFocus();
    }
    Invalidate();
    return;
  }
  const int pressed = FPressed;
  FPressed = kNoMediaButton;
  FPressedLook = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  Invalidate();
  // Released over the button it went down on: that button's click.
  if (pressed != kNoMediaButton && button == pressed && usable) ClickButton(static_cast<TMPBtnType>(button));
}

void TMediaPlayer::MoveFocusButton(int step) {
  for (int n = 1; n <= kMediaButtonCount; ++n) {
    const int i = ((FFocusButton + step * n) % kMediaButtonCount + kMediaButtonCount) % kMediaButtonCount;
    if (FVisibleButtons & (1u << i)) {
      FFocusButton = i;
      Invalidate();
      return;
    }
  }
}

void TMediaPlayer::KeyDown(TMessage& message) {
  switch (message.WParam) {
    case VK_LEFT:
    case VK_UP:
      MoveFocusButton(-1);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      MoveFocusButton(1);
      break;
    case VK_SPACE:
    case VK_RETURN:
      if ((FVisibleButtons & FEnabledButtons & (1u << FFocusButton)) && Enabled())
        ClickButton(static_cast<TMPBtnType>(FFocusButton));
      break;
    default:
      break;
  }
}

void TMediaPlayer::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseButton(message, true);
      return;
    case WM_LBUTTONUP:
      MouseButton(message, false);
      return;
    case WM_MOUSEMOVE:
      if (FPressed != kNoMediaButton && GetCapture() == Handle()) {
        const bool over = ButtonAtX(static_cast<short>(LOWORD(message.LParam))) == FPressed;
        if (over != FPressedLook) {
          FPressedLook = over;
          Invalidate();
        }
      }
      break;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_KEYDOWN:
      KeyDown(message);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case MM_MCINOTIFY:
      if (static_cast<unsigned>(message.LParam) == FDeviceID && FDeviceID) {
        switch (message.WParam) {
          case MCI_NOTIFY_SUPERSEDED:
            FNotifyValue = TMPNotifyValues::nvSuperseded;
            break;
          case MCI_NOTIFY_ABORTED:
            FNotifyValue = TMPNotifyValues::nvAborted;
            break;
          case MCI_NOTIFY_FAILURE:
            FNotifyValue = TMPNotifyValues::nvFailure;
            break;
          default:
            FNotifyValue = TMPNotifyValues::nvSuccessful;
            break;
        }
        Invalidate();
        if (OnNotify) OnNotify(this);
        if (FNotifyValue == TMPNotifyValues::nvFailure) Check(kFailedNotification);
      }
      message.Result = 0;
      return;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

void TMediaPlayer::Paint() {
  TCanvas& canvas = Canvas();
  const HDC dc = canvas.Handle();
  const RECT client = ClientRect();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(client);
  const int width = MediaButtonWidth(FVisibleButtons, client.right);
  if (!width) return;
  const bool enabled = Enabled();
  for (int i = 0; i < kMediaButtonCount; ++i) {
    const int left = MediaButtonLeft(FVisibleButtons, width, i);
    if (left < 0) continue;
    RECT r{left, 0, left + width, client.bottom};
    const bool usable = enabled && (FEnabledButtons & (1u << i));
    const bool pressed = FPressedLook && FPressed == i;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    TMediaGlyphLook look = TMediaGlyphLook::Enabled;
    if (!usable)
      look = TMediaGlyphLook::Disabled;
    else if (FColoredButtons & (1u << i))
      look = TMediaGlyphLook::Colored;
    TBitmap& glyph = *FGlyphs[static_cast<int>(look)][i];
    if (!glyph.Empty()) {
      // The glyph takes the player's scale; a double-size one is drawn into the same place.
      const auto& large = FGlyphs2x[static_cast<int>(look)][i];
      TBitmap& source = CurrentDpi() >= kMediaGlyph2xDpi && large && !large->Empty() ? *large : glyph;
      const int glyphWidth = ScaleByDpi(glyph.Width(), CurrentDpi());
      const int glyphHeight = ScaleByDpi(glyph.Height(), CurrentDpi());
      const int shift = pressed ? 1 : 0;
      const int x = left + (width - glyphWidth) / 2 + shift;
      const int y = (client.bottom - glyphHeight) / 2 + shift;
      TransparentBlt(dc, x, y, glyphWidth, glyphHeight, source.Canvas().Handle(), 0, 0, source.Width(), source.Height(),
                     ColorToRGB(kMediaGlyphTransparent));
    }
    if (Focused() && FFocusButton == i) {
      InflateRect(&r, -3, -3);
      ::DrawFocusRect(dc, &r);
    }
  }
}

void TMediaPlayer::ChangeScale(int fromDpi, int toDpi) {
  TCustomControl::ChangeScale(fromDpi, toDpi);
  if (toDpi >= kMediaGlyph2xDpi && !FGlyphs2x[0][0]) {
    for (int look = 0; look < kMediaGlyphLooks; ++look)
      for (int i = 0; i < kMediaButtonCount; ++i)
        FGlyphs2x[look][i] = LoadMediaGlyph2x(static_cast<TMediaGlyphLook>(look), i);
  }
  Invalidate();
}
