// TSaveDialog over GetSaveFileNameW.
#include "ui/dialogs.h"

#include "base/win32.h"
#include "ui/application.h"

const TClassInfo& TSaveDialog::StaticClassInfo() {
  static const TClassInfo info(
      "TSaveDialog", &TComponent::StaticClassInfo(),
      {
          props::Wide<TSaveDialog>("DefaultExt", &TSaveDialog::DefaultExt, &TSaveDialog::SetDefaultExt),
          props::Wide<TSaveDialog>("FileName", &TSaveDialog::FileName, &TSaveDialog::SetFileName),
          props::Wide<TSaveDialog>("Filter", &TSaveDialog::Filter, &TSaveDialog::SetFilter),
          props::Integer<TSaveDialog>("FilterIndex", &TSaveDialog::FilterIndex, &TSaveDialog::SetFilterIndex),
          props::Wide<TSaveDialog>("InitialDir", &TSaveDialog::InitialDir, &TSaveDialog::SetInitialDir),
          props::Wide<TSaveDialog>("Title", &TSaveDialog::Title, &TSaveDialog::SetTitle),
      },
      [](TComponent* owner) { return new TSaveDialog(owner); });
  return info;
}

std::wstring TSaveDialog::PlatformFilter(const std::wstring& filter) {
  std::wstring result = filter;
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  result.push_back(L'\0');
  result.push_back(L'\0');
  return result;
}

bool TSaveDialog::Execute() {
  std::wstring buffer = FFileName;
  buffer.resize(32768, L'\0');
  const std::wstring filter = PlatformFilter(FFilter);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = FFilter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FFilterIndex);
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = FInitialDir.empty() ? nullptr : FInitialDir.c_str();
  ofn.lpstrTitle = FTitle.empty() ? nullptr : FTitle.c_str();
  ofn.lpstrDefExt = FDefaultExt.empty() ? nullptr : FDefaultExt.c_str();
  ofn.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_HIDEREADONLY;
  if (!GetSaveFileNameW(&ofn)) return false;
  FFileName = buffer.c_str();
  FFilterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}
