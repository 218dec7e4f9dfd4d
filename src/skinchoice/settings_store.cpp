// The settings file in the user's application-data folder, written atomically.
#include "skinchoice/settings_store.h"

#include <shlobj.h>

#include "base/codec.h"
#include "base/win32.h"

namespace {

constexpr const wchar_t* kSettingsFolder = L"Corvana";
constexpr const wchar_t* kSettingsFile = L"settings.ini";

// A file handle that closes itself.
class TFileHandle {
public:
  explicit TFileHandle(HANDLE handle) : FHandle(handle) {}
  ~TFileHandle() {
    if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  }
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  HANDLE Get() const { return FHandle; }
  bool Valid() const { return FHandle != INVALID_HANDLE_VALUE; }
  void Close() {
    if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
    FHandle = INVALID_HANDLE_VALUE;
  }

private:
  HANDLE FHandle;
};

std::wstring ApplicationDataFolder() {
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
  if (length > 1) {
    std::wstring folder(length, L'\0');
    const DWORD got = GetEnvironmentVariableW(L"APPDATA", folder.data(), length);
    if (got > 0 && got < length) {
      folder.resize(got);
      return folder;
    }
  }
  wchar_t path[MAX_PATH]{};
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return path;
  return {};
}

std::wstring FolderOf(const std::wstring& file) {
  const size_t slash = file.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : file.substr(0, slash);
}

}  // namespace

std::wstring SettingsFilePath() {
  std::wstring folder = ApplicationDataFolder();
  if (folder.empty()) return {};
  if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return folder + kSettingsFolder + L"\\" + kSettingsFile;
}

TSkinChoice LoadSkinChoice(const std::wstring& settingsFile) {
  if (settingsFile.empty()) return {};
  TFileHandle file(CreateFileW(settingsFile.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 || size.QuadPart > static_cast<LONGLONG>(kMaxSettingsSize))
    return {};
  std::string text(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!text.empty() && !ReadFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr)) return {};
  text.resize(read);
  return ParseSkinSettings(text);
}

bool SaveSkinChoice(const std::wstring& settingsFile, const TSkinChoice& choice) {
  if (settingsFile.empty()) return false;
  const std::wstring folder = FolderOf(settingsFile);
  if (!folder.empty()) SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  const std::wstring temporary = settingsFile + L".new";
  const std::string text = FormatSkinSettings(choice);
  {
    TFileHandle file(
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size() && FlushFileBuffers(file.Get());
    file.Close();
    if (!ok) {
      DeleteFileW(temporary.c_str());
      return false;
    }
  }
  if (!MoveFileExW(temporary.c_str(), settingsFile.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return FolderOf(path);
}

std::wstring SkinsFolder() {
  return ProgramFolder() + L"\\skins";
}
