// TSkinData: published properties and their defaults, the default Skin3rd rows, and the
// component's life: Loaded, SetActive, RefreshSkin, the window filter, the caption hint,
// caption font and icon bitmap.
#include "skin/model/skin_data.h"

#include "base/codec.h"
#include "skin/file/skin_reader.h"
#include "skin/model/skin_manage.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/hintwindow.h"
#include "ui/imagelist.h"

namespace {

const std::vector<std::string>& ControlTypeNames() {
  static const std::vector<std::string> names = {
      "xcMainMenu", "xcPopupMenu",   "xcMenuItem",   "xcToolbar",   "xcControlbar", "xcCombo",
      "xcCheckBox", "xcRadioButton", "xcProgress",   "xcScrollbar", "xcEdit",       "xcButton",
      "xcBitBtn",   "xcSpeedButton", "xcSpin",       "xcPanel",     "xcGroupBox",   "xcStatusBar",
      "xcTab",      "xcTrackBar",    "xcSystemMenu", "xcFastReport"};
  return names;
}

const std::vector<std::string>& OptionNames() {
  static const std::vector<std::string> names = {
      "xoMDIScrollbar", "xoMenuMerge",     "xoTransparent",    "xoPreview", "xoParentBackGround",  "xoNoFocusRect",
      "xoToolbarBK",    "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG",  "xoCaptionButtonHint", "xoFormScrollbar"};
  return names;
}

constexpr std::uint32_t kAllControls = (1u << kSkinControlTypeCount) - 1;
constexpr std::uint32_t kDefaultControls = kAllControls & ~SetOf(xcMenuItem, xcFastReport);
constexpr std::uint32_t kDefaultOptions = SetOf(xoPreview, xoToolbarBK, xoCaptionButtonHint);
// The widest caption-button hint before its text wraps.
constexpr int kHintMaxWidth = 500;

// Shows the archive reader's "older skin file" box with the application's title as caption.
void ShowSkinReaderMessage(const std::string& text) {
  const std::wstring caption = Application() ? Application()->Title() : std::wstring();
  const HWND owner = Application() && Application()->MainForm() && Application()->MainForm()->HandleAllocated()
                         ? Application()->MainForm()->Handle()
                         : nullptr;
  MessageBoxW(owner, Utf8ToWide(text).c_str(), caption.c_str(), MB_OK);
}

}  // namespace

const TClassInfo& TSkinData::StaticClassInfo() {
  static const TClassInfo info(
      "TSkinData", &TComponent::StaticClassInfo(),
      [] {
        std::vector<TPropInfo> p = {
            props::Boolean<TSkinData>("Active", &TSkinData::Active, &TSkinData::SetActive),
            props::Integer<TSkinData>("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag),
            props::Set<TSkinData>("SkinControls", ControlTypeNames(), &TSkinData::SkinControls,
                                  &TSkinData::SetSkinControls),
            props::Set<TSkinData>("Options", OptionNames(), &TSkinData::Options, &TSkinData::SetOptions),
            props::SubObject<TSkinData, TStrings>("Skin3rd", &TSkinData::Skin3rd),
            props::String<TSkinData>("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile),
            props::String<TSkinData>("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore),
            props::Enumeration<TSkinData, TSkinFormType>("SkinFormtype",
                                                         {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"},
                                                         &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype),
            props::String<TSkinData>("Version", &TSkinData::Version, &TSkinData::SetVersion),
            props::Boolean<TSkinData>("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate),
            props::Boolean<TSkinData>("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge),
            props::Event<TSkinData>("OnSkinChanged", &TSkinData::OnSkinChanged),
            props::TypedEvent<TSkinData, TFormSkinEvent>("OnFormSkin", &TSkinData::OnFormSkin),
            props::TypedEvent<TSkinData, TSkinControlEvent>("OnSkinControl", &TSkinData::OnSkinControl),
            props::TypedEvent<TSkinData, TSkinFormEvent>("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm),
            props::TypedEvent<TSkinData, TSkinFormEvent>("OnAfterSkinForm", &TSkinData::OnAfterSkinForm),
        };
        TPropInfo stream;
        stream.Name = "SkinStream";
        stream.Kind = TPropKind::Binary;
        stream.ReadBinary = [](TPersistent& o, TStream& s) { static_cast<TSkinData&>(o).ReadSkinStream(s); };
        stream.WriteBinary = [](TPersistent& o, TStream& s) { static_cast<TSkinData&>(o).WriteSkinStream(s); };
        p.push_back(std::move(stream));
        return p;
      }(),
      [](TComponent* owner) { return new TSkinData(owner); });
  return info;
}

void RegisterSkinModelClasses() {
  RegisterComponentClass(TSkinData::StaticClassInfo());
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      FSkinControls(kDefaultControls),
      FOptions(kDefaultOptions),
      FSkin3rd(std::make_unique<TWideStringList>()),
      FCaptionFont(std::make_unique<TFont>()),
      FMenuGlyphs(new TImageList(nullptr)),
      FHint(new THintWindow(nullptr)) {
  if (!TSkinReader::OnMessageBox) TSkinReader::OnMessageBox = ShowSkinReaderMessage;
  MakeDefaultSkin3rd();
  const char* borderNames[] = {"Left", "Right", "Top", "Bottom"};
  for (int i = 0; i < 4; ++i) Borders[static_cast<size_t>(i)] = std::make_unique<TDataSkinBorder>(borderNames[i]);
  Title = std::make_unique<TDataSkinTitle>("Title");
  Buttons = std::make_unique<TDataSkinButton>("Buttons");
  for (int entry = 0; entry < SkinColour::Count; ++entry)
    Colours[static_cast<size_t>(entry)] = SkinColourDefault(entry);
  Colours[SkinColour::Menubar] = Colours[SkinColour::ButtonFace];
  Colours[SkinColour::Title] = Colours[SkinColour::ButtonFace];
  CustomColours.fill(clWhite);
  FFaceBrush.Reset(CreateSolidBrush(ColorToRGB(Colours[SkinColour::ButtonFace])));
  FMenuGlyphs->SetWidth(16);
  FMenuGlyphs->SetHeight(16);
  FMenuGlyphs->LoadFromResourceName(GetModuleHandleW(nullptr), L"REDEDODEVED", clWhite);
  FMaxWidth = GetSystemMetrics(SM_CXMAXIMIZED);
  FMaxHeight = GetSystemMetrics(SM_CYMAXIMIZED);
}

TSkinData::~TSkinData() {
  if (TSkinManage* manager = SkinManager()) manager->Unregister(this);
}

void TSkinData::BeforeDestruction() {
  HideCaptionHint();
  if (TSkinManage* manager = SkinManager()) manager->Unregister(this);
  TComponent::BeforeDestruction();
}

void TSkinData::MakeDefaultSkin3rd() {
  static const wchar_t* const rows[] = {
#include "skin/model/skin3rd_defaults.inc"
  };
  FSkin3rd->BeginUpdate();
  FSkin3rd->Clear();
  for (const wchar_t* row : rows) FSkin3rd->Add(row);
  FSkin3rd->EndUpdate();
}

void TSkinData::SetSkin3rd(const TStrings& rows) {
  FSkin3rd->Assign(rows);
}

void TSkinData::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (IsDesigning() || IsLoading() || IsReading()) return;
  switch (FSkinFormtype) {
    case sfMainform: {
      if (value && FSkinPending) return;
      TSkinManage& manager = EnsureSkinManager();
      // Turning off also names this component, or the timer would find no component and the
      // windows would keep their skin.
      manager.PendingSkinData = this;
      if (value) {
        manager.Schedule(saSkinAll, kScheduleDelay);
        manager.ActivationCount = 1;
      } else {
        manager.Schedule(saUnskinAll, kScheduleDelay);
      }
      break;
    }
    case sfOnlyThisForm: {
      TSkinManage& manager = EnsureSkinManager();
      manager.PendingSkinData = this;
      if (value && FSkinPending) return;
      manager.Schedule(value ? saSkinAll : saUnskinAll, kScheduleDelay);
      break;
    }
    case sfDialog:
    case sfDLL:
      break;
  }
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (IsDesigning()) return;
  if (!SkinPlatform().GetScrollBarInfo) FSkinControls &= ~SetOf(xcScrollbar);
  TSkinManage& manager = EnsureSkinManager();
  manager.Register(this);
  MakeCaptionFont();
  if (FSkinFormtype == sfMainform) {
    manager.InstallHook();
    if (FActive) {
      if (FSkinPending) {
        // A stored skin that does not load switches skinning off quietly.
        FActive = false;
      } else {
        manager.PendingSkinData = this;
        manager.Schedule(saSkinAll, kScheduleDelay);
      }
    }
    if (HasControl(xcMainMenu))
      FSkinControls &= ~SetOf(xcMenuItem);
    else
      FSkinControls &= ~SetOf(xcSystemMenu);
    MakeIconBitmap();
  } else {
    manager.Enabled = true;
    ++manager.ActivationCount;
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form && FActive) manager.SkinForm(form);
  }
}

void TSkinData::RefreshSkin() {
  if (IsDesigning() || IsLoading() || IsReading()) return;
  if (!SkinManager()) Loaded();
  TSkinManage& manager = EnsureSkinManager();
  manager.PendingSkinData = this;
  manager.RefreshUsers();
  if (manager.ActivationCount == 1) manager.Schedule(saRefreshAll, kScheduleDelay);
}

void TSkinData::DoSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::ShouldSkinWindow(HWND window, const std::string& className, bool& doSkin) {
  FAskedWindow = window;
  if (OnFormSkin) {
    OnFormSkin(this, className, doSkin);
    return;
  }
  if (className == "SysMonthCal32") doSkin = false;
  if (HasControl(xcFastReport) && className.starts_with("Tfr")) doSkin = false;
}

void TSkinData::ShowCaptionHint(POINT at, const std::wstring& text) {
  if (!HasOption(xoCaptionButtonHint) || FHintShowing) return;
  RECT rect = FHint->CalcHintRect(kHintMaxWidth, text);
  OffsetRect(&rect, at.x, at.y);
  FHint->ActivateHint(rect, text);
  FHintShowing = true;
}

void TSkinData::HideCaptionHint() {
  if (!FHintShowing) return;
  FHint->ReleaseHandle();
  FHintShowing = false;
}

void TSkinData::MakeCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    // The platform gives the font at the system's scale; a skin made for another draws its own.
    metrics.lfCaptionFont.lfHeight = RescaleDpi(metrics.lfCaptionFont.lfHeight, SystemDpi(), Dpi());
    FCaptionFont->SetLogFont(metrics.lfCaptionFont);
  }
}

void TSkinData::MakeIconBitmap() {
  const int w = RescaleDpi(GetSystemMetrics(SM_CXSMICON), SystemDpi(), Dpi());
  const int h = RescaleDpi(GetSystemMetrics(SM_CYSMICON), SystemDpi(), Dpi());
  TBitmap picture(w, h, TPixelFormat::pf24bit);
  const HDC dc = picture.Canvas().Handle();
  const RECT all{0, 0, w, h};
  const TBrushHandle magenta(CreateSolidBrush(ColorToRGB(clFuchsia)));
  FillRect(dc, &all, magenta.Get());
  HICON icon = nullptr;
  if (TApplication* app = Application(); app && app->Handle()) {
    icon = reinterpret_cast<HICON>(SendMessageW(app->Handle(), WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(app->Handle(), WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = app->Icon();
  }
  if (!icon) return;
  DrawIconEx(dc, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
  FIconBitmap.Assign(picture);
  FIconBitmap.SetTransparentColor(clFuchsia);
}
