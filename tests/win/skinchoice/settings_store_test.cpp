// The settings file on the platform: written whole through a temporary file, read back, and a
// damaged or unreadable one giving the default; the system's theme and high-contrast settings.
#include "skinchoice/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/win32.h"
#include "skinchoice/system_theme.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("corvana-settings-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::remove_all(folder);
    file = (folder / "Corvana" / "settings.ini").wstring();
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  std::filesystem::path folder;
  std::wstring file;
};

TEST_F(SettingsStoreTest, AChoiceIsWrittenIntoANewFolderReplacedWholeAndReadBack) {
  EXPECT_EQ(LoadSkinChoice(file), TSkinChoice{});  // no file yet: follow the system
  const TSkinChoice dark{TSkinChoice::Kind::File, "dark.skin"};
  ASSERT_TRUE(SaveSkinChoice(file, dark));
  EXPECT_EQ(LoadSkinChoice(file), dark);
  const TSkinChoice none{TSkinChoice::Kind::None, {}};
  ASSERT_TRUE(SaveSkinChoice(file, none));
  EXPECT_EQ(LoadSkinChoice(file), none);
  // Nothing of the temporary file is left behind.
  EXPECT_FALSE(std::filesystem::exists(file + L".new"));
  EXPECT_EQ(
      std::distance(std::filesystem::directory_iterator(folder / "Corvana"), std::filesystem::directory_iterator()), 1);
}

TEST_F(SettingsStoreTest, ADamagedUnreadableOrUnwritablePlaceGivesTheDefault) {
  std::filesystem::create_directories(folder / "Corvana");
  std::ofstream(std::filesystem::path(file), std::ios::binary) << std::string(100000, 'x');
  EXPECT_EQ(LoadSkinChoice(file), TSkinChoice{});
  std::filesystem::remove(file);
  // A folder where the file should be: neither read nor replaced.
  std::filesystem::create_directories(file);
  EXPECT_EQ(LoadSkinChoice(file), TSkinChoice{});
  EXPECT_FALSE(SaveSkinChoice(file, TSkinChoice{TSkinChoice::Kind::None, {}}));
  EXPECT_FALSE(std::filesystem::exists(file + L".new"));
  EXPECT_FALSE(SaveSkinChoice(L"", TSkinChoice{}));
}

TEST_F(SettingsStoreTest, TheSettingsFileLivesInTheApplicationDataFolderNamedByTheEnvironment) {
  wchar_t old[MAX_PATH]{};
  GetEnvironmentVariableW(L"APPDATA", old, MAX_PATH);
  SetEnvironmentVariableW(L"APPDATA", L"C:\\data\\");
  EXPECT_EQ(SettingsFilePath(), L"C:\\data\\Corvana\\settings.ini");
  SetEnvironmentVariableW(L"APPDATA", nullptr);
  EXPECT_NE(SettingsFilePath().find(L"\\Corvana\\settings.ini"), std::wstring::npos);  // the platform's folder
  SetEnvironmentVariableW(L"APPDATA", old);
}

// A per-user value set for one case and put back afterwards.
struct TUserValue {
  const wchar_t* key;
  const wchar_t* name;
  ~TUserValue() { RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name); }
};

TEST(SystemTheme, LightOrDarkAppsAndHighContrastFollowTheUsersSettings) {
  const wchar_t* personalize = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
  const wchar_t* contrast = L"Control Panel\\Accessibility\\HighContrast";
  {
    TUserValue apps{personalize, L"AppsUseLightTheme"};
    EXPECT_TRUE(AppsUseLightTheme());  // missing: light
    for (DWORD value : {0u, 1u}) {
      RegSetKeyValueW(HKEY_CURRENT_USER, personalize, L"AppsUseLightTheme", REG_DWORD, &value, sizeof value);
      EXPECT_EQ(AppsUseLightTheme(), value != 0);
    }
  }
  TUserValue flags{contrast, L"Flags"};
  struct FlagsCase {
    const wchar_t* text;
    bool on;
  };
  for (const FlagsCase& c : {FlagsCase{L"126", false}, FlagsCase{L"127", true}, FlagsCase{L"x", false}}) {
    RegSetKeyValueW(HKEY_CURRENT_USER, contrast, L"Flags", REG_SZ, c.text,
                    static_cast<DWORD>((wcslen(c.text) + 1) * sizeof(wchar_t)));
    EXPECT_EQ(HighContrastOn(), c.on) << c.text;
  }
}

}  // namespace
