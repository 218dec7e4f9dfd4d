// TMediaPlayer: a player of media files through the platform's media control interface (MCI),
// with its own strip of nine buttons: play, pause, stop, next, previous, step, back, record, eject.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/customcontrol.h"

class TBitmap;

enum class TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
inline constexpr int kMediaButtonCount = 9;
// A set of buttons: bit n for the button of ordinal n.
using TButtonSet = std::uint32_t;
inline constexpr TButtonSet ButtonBit(TMPBtnType button) {
  return 1u << static_cast<int>(button);
}
inline constexpr TButtonSet kAllMediaButtons = (1u << kMediaButtonCount) - 1;
// The button index a hit test gives for a point on no button.
inline constexpr int kNoMediaButton = kMediaButtonCount;

// The device's mode, in the order of the platform's MCI_MODE_NOT_READY ... MCI_MODE_OPEN.
enum class TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };
enum class TMPDeviceTypes {
  dtAutoSelect,
  dtAVIVideo,
  dtCDAudio,
  dtDAT,
  dtDigitalVideo,
  dtMMMovie,
  dtOther,
  dtOverlay,
  dtScanner,
  dtSequencer,
  dtVCR,
  dtVideodisc,
  dtWaveAudio
};
enum class TMPNotifyValues { nvSuccessful, nvSuperseded, nvAborted, nvFailure };

// Before a button's action: clearing doDefault leaves the action out.
using TMPBtnClick = std::function<void(TObject* sender, TMPBtnType button, bool& doDefault)>;
// A device error: the platform's error number and its text.
using TMPErrorEvent = std::function<void(TObject* sender, int error, const std::wstring& message)>;

// "btPlay" ... "btEject": the value names of the button sets.
const std::vector<std::string>& MediaButtonNames();
// "MPPLAY" ... "MPEJECT": the stems of the glyph resources.
const std::vector<std::string>& MediaGlyphStems();

// The three looks of a button glyph and their resource prefixes "EN", "DI" and "CL".
enum class TMediaGlyphLook { Enabled, Disabled, Colored };
inline constexpr int kMediaGlyphLooks = 3;
// "EN_MPPLAY" and the other bitmap resource names.
std::wstring MediaGlyphName(TMediaGlyphLook look, int button);
// The glyph bitmap resource of the program, or an empty bitmap when it has none.
std::unique_ptr<TBitmap> LoadMediaGlyph(TMediaGlyphLook look, int button);
// From 175 % on, a glyph drawn at double size ("EN_MPPLAY_2X" ...) is used where the program
// has one; otherwise the 96-DPI glyph is stretched.
inline constexpr int kMediaGlyph2xDpi = 168;
std::unique_ptr<TBitmap> LoadMediaGlyph2x(TMediaGlyphLook look, int button);
// Whether the machine has a wave output device (sound can be heard at all).
bool HasWaveOutput();
// The glyphs' transparent colour: olive.
inline constexpr TColor kMediaGlyphTransparent = 0x008080;

// The strip's layout: the visible buttons left to right, each clientWidth div count wide.
int CountMediaButtons(TButtonSet buttons);
int MediaButtonWidth(TButtonSet visible, int clientWidth);
// The visible button whose range left..left + width (both ends included) holds x, first match;
// kNoMediaButton when none does.
int MediaButtonAt(TButtonSet visible, int buttonWidth, int x);
// The left edge of a visible button in the strip (-1 for a hidden one).
int MediaButtonLeft(TButtonSet visible, int buttonWidth, int button);

class TMediaPlayer : public TCustomControl {
  CORVANA_CLASS(TMediaPlayer)

public:
  explicit TMediaPlayer(TComponent* owner);
  ~TMediaPlayer() override;

  const std::wstring& FileName() const { return FFileName; }
  void SetFileName(const std::wstring& value) { FFileName = value; }
  TMPDeviceTypes DeviceType() const { return FDeviceType; }
  void SetDeviceType(TMPDeviceTypes value) { FDeviceType = value; }
  // Opens the device when the form has been read.
  bool AutoOpen() const { return FAutoOpen; }
  void SetAutoOpen(bool value) { FAutoOpen = value; }
  // Play and record start from the beginning when the position is at the end.
  bool AutoRewind() const { return FAutoRewind; }
  void SetAutoRewind(bool value) { FAutoRewind = value; }
  bool Shareable() const { return FShareable; }
  void SetShareable(bool value) { FShareable = value; }
  // OnNotify is raised when a started play or record ends.
  bool Notify() const { return FNotify; }
  void SetNotify(bool value) { FNotify = value; }

  TButtonSet VisibleButtons() const { return FVisibleButtons; }
  void SetVisibleButtons(TButtonSet value);
  TButtonSet EnabledButtons() const { return FEnabledButtons; }
  void SetEnabledButtons(TButtonSet value);
  TButtonSet ColoredButtons() const { return FColoredButtons; }
  void SetColoredButtons(TButtonSet value);

  // Device commands. A failure sets Error and ErrorMessage and raises OnError; without an
  // OnError handler it raises Exception with the platform's text.
  void Open();
  void Close();
  // Starts playing and returns at once; the end arrives as a notification.
  void Play();
  // Pauses, or resumes a paused device.
  void Pause();
  void Resume();
  void Stop();
  void Next();      // to the end
  void Previous();  // to the start
  void Step();      // Frames forward, where the device can step
  void Back();      // Frames back
  void StartRecording();
  void Eject();  // where the device has a door
  void Rewind();

  bool IsOpen() const { return FDeviceID != 0; }
  unsigned DeviceID() const { return FDeviceID; }
  TMPModes Mode() const;
  // In milliseconds; 0 while nothing is open.
  int Position() const;
  void SetPosition(int value);
  int Length() const;
  int Frames() const { return FFrames; }
  void SetFrames(int value) { FFrames = value > 0 ? value : 1; }
  int Error() const { return FError; }
  const std::wstring& ErrorMessage() const { return FErrorMessage; }
  TMPNotifyValues NotifyValue() const { return FNotifyValue; }

  // A button pressed as a click would press it: OnClick, then the action unless cleared.
  void ClickButton(TMPBtnType button);

  // These replace the control's plain click event: the player's names the button.
  TMPBtnClick OnClick;
  TNotifyEvent OnNotify;
  TMPErrorEvent OnError;

  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void WndProc(TMessage& message) override;
  void BeforeDestruction() override;
  void ChangeScale(int fromDpi, int toDpi) override;

private:
  // Sends one command; false after reporting a failure.
  bool Command(UINT msg, DWORD_PTR flags, void* params);
  // Records the result; a failure goes to OnError (or raises).
  bool Check(unsigned error);
  // Opens the device first when there is a file to open.
  bool EnsureOpen();
  bool IsWaveDevice() const;
  DWORD_PTR NotifyFlag();
  unsigned StatusItem(DWORD item) const;
  void MouseButton(TMessage& message, bool down);
  void KeyDown(TMessage& message);
  int ButtonAtX(int x);
  void MoveFocusButton(int step);

  std::wstring FFileName;
  TMPDeviceTypes FDeviceType = TMPDeviceTypes::dtAutoSelect;
  bool FAutoOpen = false;
  bool FAutoRewind = true;
  bool FShareable = false;
  bool FNotify = true;
  TButtonSet FVisibleButtons = kAllMediaButtons;
  TButtonSet FEnabledButtons = kAllMediaButtons;
  TButtonSet FColoredButtons = kAllMediaButtons;
  unsigned FDeviceID = 0;
  int FFrames = 1;
  int FError = 0;
  std::wstring FErrorMessage;
  TMPNotifyValues FNotifyValue = TMPNotifyValues::nvSuccessful;
  // The button the last press went down on (kNoMediaButton: none) and whether it looks pressed.
  int FPressed = kNoMediaButton;
  bool FPressedLook = false;
  int FFocusButton = 0;
  std::array<std::array<std::unique_ptr<TBitmap>, kMediaButtonCount>, kMediaGlyphLooks> FGlyphs;
  // Loaded the first time the player is scaled to kMediaGlyph2xDpi or more.
  std::array<std::array<std::unique_ptr<TBitmap>, kMediaButtonCount>, kMediaGlyphLooks> FGlyphs2x;
};
