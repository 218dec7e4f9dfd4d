// TSkinMP and TWMediaPlayer: a media player covered by a skinned strip of its nine buttons,
// drawn from the skin's "Buttons" frames and the player's glyphs; presses reach the player.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "skin/controls/skin_control.h"
#include "ui/customcontrol.h"
#include "ui/mediaplayer.h"

class TBitmap;
class TSkinMP;

// The strip laid over a media player: a sibling with the player's bounds, above it. Its Tag is
// the skin component's disable tag, so it is never skinned itself.
class TWMediaPlayer : public TCustomControl {
  CORVANA_CLASS(TWMediaPlayer)

public:
  // Loads the 27 glyphs from the program's bitmap resources (a missing one stays empty).
  explicit TWMediaPlayer(TComponent* owner);
  ~TWMediaPlayer() override;

  // Takes the player as target: Tag, bounds and parent.
  void Bind(TWinControl* target, TSkinMP* skinner, TSkinData* skinData);
  // The target's bounds again.
  void FollowTarget();
  // The button flags from the target's "VisibleButtons", "EnabledButtons" and "ColoredButtons"
  // read as text; answers the number of visible buttons.
  int ReadButtons();
  // The visible button whose range holds x (both ends count), first match; kNoMediaButton
  // (9) when none does.
  std::uint8_t FindHitButton(int x) const;

  std::array<bool, kMediaButtonCount> ButtonVisible{};
  std::array<bool, kMediaButtonCount> ButtonEnabled{};
  std::array<bool, kMediaButtonCount> ButtonColored{};
  std::array<std::unique_ptr<TBitmap>, kMediaButtonCount> EnabledGlyphs;
  std::array<std::unique_ptr<TBitmap>, kMediaButtonCount> DisabledGlyphs;
  std::array<std::unique_ptr<TBitmap>, kMediaButtonCount> ColoredGlyphs;
  TWinControl* Target = nullptr;
  TSkinMP* Skinner = nullptr;
  TSkinData* SkinData = nullptr;
  bool Pressing = false;
  std::uint8_t PressedButton = kNoMediaButton;
  std::uint8_t HitButton = kNoMediaButton;
  int ButtonWidth = 0;

protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

private:
  TColor Face() const;
  void PassToTarget(const TMessage& message);
};

class TSkinMP : public TSkinControl {
  CORVANA_CLASS(TSkinMP)

public:
  using TSkinControl::TSkinControl;
  ~TSkinMP() override;

  void AttachControl(ISkinnerHost* formSkinner, TSkinData* skinData, bool recolour, TCanvas* workCanvas) override;
  void AfterMessage(TMessage& message) override;
  // The player's own painting ran under the strip: the strip paints again over it.
  void PaintSkin(HDC dc, const RECT& rect) override;
  void Detach() override;
  void SkinChanged() override;

  // The parent frees its child controls, the strip among them: this skinner lets go then.
  void Notification(TComponent* component, TOperation operation) override;

  // Held here without a component owner: made at attach, freed at detach unless the player's
  // window is already gone, or freed by its parent (the skinner is told and lets go).
  TOwned<TWMediaPlayer> Player;

protected:
  void BeforeDestruction() override;
};

// Registers "TSkinMP" with discovery.
void RegisterMediaPlayerSkinner();
