// TSkinData: the component a form carries to be skinned. It stores the skin archive with the
// form, builds the skin objects and colour table from it, and tells the skin manager which
// windows to take over.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/stream.h"
#include "base/strings.h"
#include "skin/file/picture_scale.h"
#include "skin/model/skin_objects.h"
#include "ui/component.h"
#include "ui/gdi.h"
#include "ui/graphics.h"
#include "ui/imagelist.h"
#include "ui/strings.h"

class TControl;
class THintWindow;
class TQuickIni;
class TSkinReader;

// Kinds of window parts the component skins (bit n for member n).
enum TSkinControlType : int {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcSpin,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcTrackBar,
  xcSystemMenu,
  xcFastReport,
};
inline constexpr int kSkinControlTypeCount = 22;

enum TSkinOption : int {
  xoMDIScrollbar,
  xoMenuMerge,
  xoTransparent,
  xoPreview,
  xoParentBackGround,
  xoNoFocusRect,
  xoToolbarBK,
  xoToolbarButton,
  xoMDIChildBorder,
  xoMenuBG,
  xoCaptionButtonHint,
  xoFormScrollbar,
};
inline constexpr int kSkinOptionCount = 12;

enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

// Set values of SkinControls and Options.
inline constexpr std::uint32_t SetOf(int member) {
  return 1u << member;
}
template <class... M>
inline constexpr std::uint32_t SetOf(int first, M... rest) {
  return SetOf(first) | SetOf(rest...);
}

// Entries of the colour table (9 and 10 are not used; 17 is the sampled title colour).
namespace SkinColour {
enum : int {
  WindowText = 0,
  TitleTextActive = 1,
  TitleTextNoActive = 2,
  ButtonFace = 3,
  ButtonText = 4,
  ButtonHilight = 5,
  Buttonlight = 6,
  ButtonShadow = 7,
  ButtonDkShadow = 8,
  HilightText = 11,
  Hilight = 12,
  Menubar = 13,
  MenuBarText = 14,
  MenuText = 15,
  Menu = 16,
  Title = 17,
  Scrollbar = 18,
};
inline constexpr int Count = 19;
}  // namespace SkinColour

// The value of a colour entry when the description does not give it (a system colour; the
// "Menubar" and title entries follow "ButtonFace").
TColor SkinColourDefault(int entry);

// The border objects, in the order painters number them (1 Left ... 4 Bottom).
enum TSkinBorderSide : int { kBorderLeft, kBorderRight, kBorderTop, kBorderBottom };

inline constexpr const char* kSkinDataVersion = "5.40.07.15";
inline constexpr int kScheduleDelay = 250;
// From 175 % up a skin's twice-size pictures (Name@2x.bmp) are used where it has them.
inline constexpr int kTwiceSizeDpi = 168;

using TFormSkinEvent = std::function<void(TObject* sender, const std::string& name, bool& doSkin)>;
using TSkinControlEvent =
    std::function<void(TComponent* sender, class TSkinData* skinData, TControl* form, TControl* control,
                       const std::string& controlClass, TComponent*& skinnedControl)>;
using TSkinFormEvent = std::function<void(TObject* sender, HWND window, const std::string& name)>;

class TSkinData : public TComponent {
  CORVANA_CLASS(TSkinData)

public:
  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  // Published properties.
  bool Active() const { return FActive; }
  void SetActive(bool value);
  int DisableTag() const { return FDisableTag; }
  void SetDisableTag(int value) { FDisableTag = value; }
  std::uint32_t SkinControls() const { return FSkinControls; }
  void SetSkinControls(std::uint32_t value) { FSkinControls = value & ((1u << kSkinControlTypeCount) - 1); }
  bool HasControl(TSkinControlType member) const { return FSkinControls & SetOf(member); }
  std::uint32_t Options() const { return FOptions; }
  void SetOptions(std::uint32_t value) { FOptions = value & ((1u << kSkinOptionCount) - 1); }
  bool HasOption(TSkinOption member) const { return FOptions & SetOf(member); }
  TStrings* Skin3rd() const { return FSkin3rd.get(); }
  void SetSkin3rd(const TStrings& rows);
  const std::string& SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::string& fileName);
  std::string SkinStore() const;
  void SetSkinStore(const std::string&) {}
  TSkinFormType SkinFormtype() const { return FSkinFormtype; }
  void SetSkinFormtype(TSkinFormType value) { FSkinFormtype = value; }
  std::string Version() const { return kSkinDataVersion; }
  void SetVersion(const std::string&) {}
  bool MenuUpdate() const { return FMenuUpdate; }
  void SetMenuUpdate(bool value) { FMenuUpdate = value; }
  bool MenuMerge() const { return FMenuMerge; }
  void SetMenuMerge(bool value) { FMenuMerge = value; }

  TFormSkinEvent OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TSkinControlEvent OnSkinControl;
  TSkinFormEvent OnBeforeSkinForm;
  TSkinFormEvent OnAfterSkinForm;

  // The binary property SkinStream: a 32-bit little-endian size, then the archive.
  void ReadSkinStream(TStream& stream);
  void WriteSkinStream(TStream& stream) const;
  TMemoryStream& StoredStream() { return FStored; }

  // Opens the stored archive and applies its description; false when it does not open (the
  // component then stays pending).
  bool LoadSkinFromStore();
  // Every loader in its binding order; needs the open archive and parsed description.
  void ApplyDescription();
  void LoadColours();
  TColor SampleTitleColour();
  void RefreshSkin();
  void DoSkinChanged();

  // The component's share in deciding whether a window is skinned.
  void ShouldSkinWindow(HWND window, const std::string& className, bool& doSkin);
  void ShowCaptionHint(POINT at, const std::wstring& text);
  void HideCaptionHint();
  bool HintShowing() const { return FHintShowing; }
  // How long the mouse has rested on a caption button, in milliseconds.
  int HintTime = 0;

  void Loaded() override;

  // The display scale the skin objects are made for (the system's unless set): every picture
  // and length in them is already scaled. Setting another makes them again from the stored
  // skin and refreshes the windows that use it.
  int Dpi() const;
  void SetDpi(int dpi);
  // A 96-DPI length of the engine's own at this scale (the one rounding rule).
  int Scaled(int value) const;
  bool UsesTwiceSizePictures() const;

  // True from creation, each SkinFile and the start of each load until a description applied.
  bool SkinPending() const { return FSkinPending; }
  const std::string& SkinName() const { return FSkinName; }
  // Counts the descriptions applied: objects of another load have another number.
  int Generation() const { return FGeneration; }
  HWND AskedWindow() const { return FAskedWindow; }

  // Skin objects. Fixed objects exist for the component's life; slots are empty while the
  // description gives their section no image.
  std::array<std::unique_ptr<TDataSkinBorder>, 4> Borders;
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;
  std::vector<std::unique_ptr<TDataSkinSysButton>> TitleButtons;
  TSkinSlot<TDataSkinObject> MenuBar;
  TSkinSlot<TDataSkinBorder> Progress;
  TSkinSlot<TDataSkinObject> ProgressChunk;
  TSkinSlot<TDataSkinObject> GroupBoxEdge;
  TSkinSlot<TDataSkinBoxLabel> GroupBox;
  TSkinSlot<TDataSkinBorder> Tabs;
  TSkinSlot<TDataSkinObject> StatusBarEdges;
  TSkinSlot<TDataSkinObject> TabPane;
  TSkinSlot<TDataSkinObject> ToolBars;
  TSkinSlot<TDataSkinBorder> ComboButton;
  TSkinSlot<TDataSkinObject> SunkEdge;
  TSkinSlot<TDataSkinObject> ExtraImages;
  TSkinSlot<TDataSkinObject> Headerbar;
  TSkinSlot<TDataSkinObject> MenuItem;
  TSkinSlot<TDataSkinObject> MenuBackground;
  TSkinSlot<TDataSkinObject> Scrollbar;
  TSkinSlot<TDataSkinObject> HorzScroll;
  TSkinSlot<TDataSkinObject> VertScroll;
  TSkinSlot<TDataSkinObject> HorzScrollThumb;
  TSkinSlot<TDataSkinObject> VertScrollThumb;
  TSkinSlot<TDataSkinObject> TrackbarThumbHorz;
  TSkinSlot<TDataSkinObject> TrackbarThumbVert;
  TSkinSlot<TDataSkinObject> TrackbarThumbLeft;
  TSkinSlot<TDataSkinObject> TrackbarThumbRight;
  TSkinSlot<TDataSkinObject> TrackbarThumbUp;
  TSkinSlot<TDataSkinObject> TrackbarThumbDown;
  TSkinSlot<TDataSkinBorder> UpDownHorz;
  TSkinSlot<TDataSkinBorder> UpDownVert;
  TSkinSlot<TDataSkinObject> Track;
  TSkinSlot<TDataSkinObject> TrackVert;
  // Made on first need by the steps after reading.
  std::unique_ptr<TDataSkinObject> Toolbar;
  std::unique_ptr<TDataSkinObject> ComboxArrow;

  // Colour table: value and whether the description gave it.
  std::array<TColor, SkinColour::Count> Colours{};
  std::array<bool, SkinColour::Count> ColourGiven{};
  TColor Colour(int entry) const { return Colours.at(static_cast<size_t>(entry)); }
  std::vector<TColor> CustomColourList;
  std::array<TColor, 10> CustomColours{};

  HBRUSH FaceBrush() const { return FFaceBrush.Get(); }
  TFont& CaptionFont() { return *FCaptionFont; }
  TBitmap& IconBitmap() { return FIconBitmap; }
  TImageList& MenuGlyphs() { return *FMenuGlyphs; }
  int MaxWidth() const { return FMaxWidth; }
  int MaxHeight() const { return FMaxHeight; }

  // The loaders and the steps after reading, in the order ApplyDescription runs them. They
  // read the archive and description of the load in progress.
  void LoadImageEntry(TBitmap& bitmap, const std::string& fileName);
  void LoadSkinObject(TSkinSlot<TDataSkinObject>& slot, const std::string& section);
  void LoadSkinObjectWithSecondImage(TSkinSlot<TDataSkinBorder>& slot, const std::string& section,
                                     const std::string& secondKey);
  void LoadBitmapObject(TSkinSlot<TDataSkinBorder>& slot, const std::string& section);
  void LoadBoxLabelObject(TSkinSlot<TDataSkinBoxLabel>& slot, const std::string& section);
  void LoadBorders();
  void LoadTitle(const std::string& section);
  void LoadMenuBar(TSkinSlot<TDataSkinObject>& slot, const std::string& section);
  void LoadButtonsSection();
  void LoadTitleButtons();
  void LoadMdiButtons(int firstIndex);
  void LoadBuiltInObject(TSkinSlot<TDataSkinObject>& slot, const std::string& name);
  void FixFrameCounts();
  void BuildComboImages();
  void BuildComboArrow();
  void BuildToolbarObject();
  void ReadRgbKeys(const std::string& section, const std::string& stem, TColor& colour);
  // Scales every object to Dpi(); runs once per load, after the frame counts are known.
  void ScaleObjects();

protected:
  void BeforeDestruction() override;

private:
  void MakeDefaultSkin3rd();
  void MakeCaptionFont();
  void MakeIconBitmap();
  // Reads the object keys shared by the generic loaders (steps 3 to 6 of the common case).
  void ReadObjectKeys(TDataSkinObject& object, const std::string& section, bool readFrame);
  TColor ReadColour2(const std::string& section, const std::string& key);
  std::string ReadText(const std::string& section, const std::string& key) const;
  int ReadInt(const std::string& section, const std::string& key, int defaultValue) const;
  void ScalePictureAt(TBitmap& bitmap, TPictureAxis x, TPictureAxis y);

  bool FActive = false;
  int FDisableTag = 99;
  std::uint32_t FSkinControls;
  std::uint32_t FOptions;
  std::unique_ptr<TWideStringList> FSkin3rd;
  std::string FSkinFile;
  TSkinFormType FSkinFormtype = sfMainform;
  bool FMenuUpdate = true;
  bool FMenuMerge = false;

  TMemoryStream FStored;
  bool FSkinPending = true;
  std::string FSkinName;
  HWND FAskedWindow = nullptr;

  // The archive and description of the load in progress (null between loads).
  const TSkinReader* FReader = nullptr;
  const TQuickIni* FIni = nullptr;
  TStringList FSections;

  TBrushHandle FFaceBrush;
  std::unique_ptr<TFont> FCaptionFont;
  TBitmap FIconBitmap;
  TOwned<TImageList> FMenuGlyphs;
  TOwned<THintWindow> FHint;
  bool FHintShowing = false;
  int FMaxWidth = 0;
  int FMaxHeight = 0;
  int FDpi = 0;
  int FGeneration = 0;
  // The twice-size pictures of the load in progress, by the picture they stand in for.
  std::map<const TBitmap*, std::unique_ptr<TBitmap>> FTwice;
};

// Makes TSkinData known to form descriptions; call before a form that carries one is read.
void RegisterSkinModelClasses();
