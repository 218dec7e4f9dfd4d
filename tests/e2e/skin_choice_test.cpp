// The skins a user chooses on the real corvana.exe: the system menu's "皮肤" submenu worked by
// keyboard, the choice remembered across starts, following the system's light or dark apps,
// "--skin" with a damaged file, and high contrast turning the skin off and on again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app_fixture.h"
#include "base/stream.h"
#include "registry_value.h"
#include "skin/file/quick_ini.h"
#include "skin/file/skin_reader.h"

namespace {

constexpr UINT kSkinQuery = 0x3523;
// The submenu's choosable items: three skins, "跟随系统" and "不使用皮肤".
constexpr int kSkinMenuItems = 5;
constexpr const wchar_t* kPersonalizeKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr const wchar_t* kHighContrastKey = L"Control Panel\\Accessibility\\HighContrast";

void Key(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
  Sleep(60);
}

void Tap(WORD vk) {
  Key(vk, false);
  Key(vk, true);
}

// The caption's colour where neither title nor buttons reach: 60 % across, 6 rows down.
COLORREF CaptionPixel(HWND window) {
  const RECT r = TAppDriver::ScreenRect(window);
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, r.left + (r.right - r.left) * 6 / 10, r.top + 6);
  ReleaseDC(nullptr, screen);
  return c;
}

bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 6 && std::abs(GetGValue(a) - GetGValue(b)) <= 6 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 6;
}

// Row 6 of the active look of a skin's top border picture, read from the skin file itself.
COLORREF TopPicturePixel(const std::filesystem::path& skin) {
  TMemoryStream archive;
  archive.LoadFromFile(WideToUtf8(skin.wstring()));
  TSkinReader reader;
  EXPECT_TRUE(reader.Load(archive)) << skin;
  TMemoryStream text;
  std::string name;
  reader.FindEntry(".ini", text, name);
  TQuickIni ini;
  ini.LoadFromStream(&text);
  TMemoryStream picture;
  reader.GetEntry(ini.ReadString("Personality", "Top", ""), picture);
  const auto& b = picture.Bytes();
  if (b.size() < 54) return CLR_INVALID;
  auto at = [&](size_t i) {
    return static_cast<std::uint32_t>(b[i]) | b[i + 1] << 8 | b[i + 2] << 16 | b[i + 3] << 24;
  };
  const std::uint32_t offset = at(10), width = at(18), height = at(22);
  const std::uint32_t stride = (width * 3 + 3) & ~3u, row = height - 1 - 6, x = width / 2;
  const size_t p = offset + row * stride + x * 3;
  if (p + 3 > b.size()) return CLR_INVALID;
  return RGB(b[p + 2], b[p + 1], b[p]);
}

void BroadcastSettingChange(WPARAM what, const wchar_t* area) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, what, reinterpret_cast<LPARAM>(area), SMTO_ABORTIFHUNG, 5000,
                      &result);
}

// High contrast the way the system switches it; where the platform cannot (Wine), through the
// per-user setting it keeps and the broadcast that tells programs of it.
void SetHighContrast(bool on) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kHighContrastKey, L"Flags", REG_SZ, on ? L"127" : L"126", 4 * sizeof(wchar_t));
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  contrast.dwFlags = on ? HCF_HIGHCONTRASTON : 0;
  if (!SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, SPIF_SENDCHANGE))
    BroadcastSettingChange(SPI_SETHIGHCONTRAST, nullptr);
}

class SkinChoiceTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    WriteDatabase(TestDatabase());
    std::filesystem::create_directories(folder / "skins");
    for (const char* skin : {"classic.skin", "dark.skin", "light.skin"})
      std::filesystem::copy_file(std::filesystem::path(ProgramFolder()) / "skins" / skin, folder / "skins" / skin);
    // Each test has settings of its own.
    wchar_t old[MAX_PATH]{};
    GetEnvironmentVariableW(L"APPDATA", old, MAX_PATH);
    savedAppData = old;
    SetEnvironmentVariableW(L"APPDATA", (folder / "appdata").wstring().c_str());
    light = TopPicturePixel(folder / "skins" / "light.skin");
    dark = TopPicturePixel(folder / "skins" / "dark.skin");
    classic = TopPicturePixel(folder / "skins" / "classic.skin");
    ASSERT_FALSE(Near(light, dark));
    ASSERT_FALSE(Near(light, classic));
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"APPDATA", savedAppData.c_str());
    AppTest::TearDown();
  }
  void StartWith(const std::wstring& arguments = L"") {
    ASSERT_TRUE(app.Start((folder / "corvana.exe").wstring(), folder.wstring(), arguments));
    ASSERT_NE(app.WaitMainWindow(), nullptr);
    SetForegroundWindow(app.MainWindow());
  }
  void Restart() {
    app.Kill();
    StartWith();
  }
  bool Skinned() const { return SendMessageW(app.MainWindow(), kSkinQuery, 0, 0) == 1; }
  // Waits until the window is skinned and its caption shows the colour.
  bool Wears(COLORREF colour) {
    return TAppDriver::WaitUntil([&] { return Skinned() && Near(CaptionPixel(app.MainWindow()), colour); }, 8000);
  }
  HWND Popup() const {
    const auto found = TopLevelWindows(app.ProcessId(), L"#32768");
    return found.empty() ? nullptr : found.front();
  }
  // The system menu by Alt+Space, its last item ("皮肤"), and there the item at index (0 to 4).
  void ChooseSkinItem(int index) {
    SetForegroundWindow(app.MainWindow());
    TAppDriver::WaitUntil([&] { return GetForegroundWindow() == app.MainWindow(); }, 3000);
    // The skinned system menu takes a second opening within the double-click time as a double
    // click on its icon.
    Sleep(GetDoubleClickTime() + 200);
    Key(VK_MENU, false);
    Tap(VK_SPACE);
    Key(VK_MENU, true);
    ASSERT_TRUE(TAppDriver::WaitUntil([&] { return Popup() != nullptr; }, 5000));
    Sleep(200);
    Tap(VK_UP);
    Tap(VK_RIGHT);
    ASSERT_TRUE(TAppDriver::WaitUntil([&] { return TopLevelWindows(app.ProcessId(), L"#32768").size() == 2; }, 5000));
    Sleep(200);
    // Up reaches the last item whether the platform selected the first one or none; from there
    // upwards: no skin, following, then the skins from the last to the first.
    for (int i = 0; i < kSkinMenuItems - index; ++i) Tap(VK_UP);
    Tap(VK_RETURN);
    ASSERT_TRUE(TAppDriver::WaitUntil([&] { return Popup() == nullptr; }, 5000));
  }
  std::string Settings() const {
    std::ifstream in(folder / "appdata" / "Corvana" / "settings.ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool SettingsSay(const std::string& line) const {
    return TAppDriver::WaitUntil([&] { return Settings().find("Skin=" + line + "\r\n") != std::string::npos; }, 5000);
  }

  std::wstring savedAppData;
  COLORREF light = 0, dark = 0, classic = 0;
};

TEST_F(SkinChoiceTest, TheSkinMenuListsTheThreeSkinsAndAChoiceDressesTheWindowAndIsRemembered) {
  TRegistryValue apps(kPersonalizeKey, L"AppsUseLightTheme");
  apps.SetDword(1);
  StartWith();
  ASSERT_TRUE(Wears(light));
  // The submenu: the three skins of the folder by file name, then following and no skin.
  struct Item {
    int index;
    const char* remembered;
    bool skinned;
  };
  const Item items[] = {{1, "dark.skin", true},
                        {4, "none", false},
                        {0, "classic.skin", true},
                        {3, "follow", true},
                        {2, "light.skin", true}};
  for (const Item& item : items) {
    SCOPED_TRACE(item.remembered);
    ChooseSkinItem(item.index);
    EXPECT_TRUE(SettingsSay(item.remembered));
    EXPECT_TRUE(TAppDriver::WaitUntil([&] { return Skinned() == item.skinned; }, 5000));
    if (item.index == 1) {
      EXPECT_TRUE(Wears(dark)) << "the dark skin's caption";
    }
    if (item.index == 0) {
      EXPECT_TRUE(Wears(classic)) << "the classic skin's caption";
    }
  }
  // The dark skin again, and it is still there after a restart.
  ChooseSkinItem(1);
  ASSERT_TRUE(Wears(dark));
  Restart();
  EXPECT_TRUE(Wears(dark));
  EXPECT_EQ(app.StatusText(), L"");
}

TEST_F(SkinChoiceTest, FollowingTheSystemStartsDarkOrLightAndSwitchesWhenTheSystemDoes) {
  TRegistryValue apps(kPersonalizeKey, L"AppsUseLightTheme");
  apps.SetDword(0);
  StartWith();
  EXPECT_TRUE(Wears(dark));
  apps.SetDword(1);
  Restart();
  EXPECT_TRUE(Wears(light));
  // Live: the system turns to dark apps and says so.
  apps.SetDword(0);
  BroadcastSettingChange(0, L"ImmersiveColorSet");
  EXPECT_TRUE(Wears(dark));
}

TEST_F(SkinChoiceTest, ADamagedSkinFileStartsWithTheDefaultSkinAndSaysSo) {
  TRegistryValue apps(kPersonalizeKey, L"AppsUseLightTheme");
  apps.SetDword(0);
  std::ofstream(folder / "broken.skin", std::ios::binary) << "this is not a skin archive";
  StartWith(L"--skin \"" + (folder / "broken.skin").wstring() + L"\"");
  EXPECT_TRUE(Wears(light));
  EXPECT_EQ(app.StatusText(), L"皮肤文件无法读取，使用默认皮肤");
  // A good file given the same way is used for the run.
  app.Kill();
  StartWith(L"--skin \"" + (folder / "skins" / "classic.skin").wstring() + L"\"");
  EXPECT_TRUE(Wears(classic));
  EXPECT_EQ(app.StatusText(), L"");
}

TEST_F(SkinChoiceTest, HighContrastTurnsTheSkinOffAndItsEndTurnsItBackOn) {
  TRegistryValue apps(kPersonalizeKey, L"AppsUseLightTheme");
  TRegistryValue flags(kHighContrastKey, L"Flags");
  apps.SetDword(1);
  flags.SetText(L"126");
  StartWith();
  ASSERT_TRUE(Wears(light));
  SetHighContrast(true);
  EXPECT_TRUE(TAppDriver::WaitUntil([&] { return !Skinned(); }, 8000));
  SetHighContrast(false);
  EXPECT_TRUE(Wears(light));
}

}  // namespace
