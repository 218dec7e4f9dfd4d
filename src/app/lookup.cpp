// The lookup steps of the main window that need no window.
#include "app/lookup.h"

#include "base/codec.h"

namespace {
constexpr const wchar_t* kUpdateHost = L"update.corvana.example";
constexpr const wchar_t* kExampleHost = L"www.example.com";
}  // namespace

std::wstring ResultLine(const TStringList& fields) {
  return L"IP:" + GbkToWide(fields[1]) + L" 国家:" + GbkToWide(fields[2]) + L" 地区:" + GbkToWide(fields[3]);
}

std::wstring BatchProgressText(size_t done, size_t total) {
  return L"已查询 " + std::to_wstring(done) + L"/" + std::to_wstring(total) + L"，按 Esc 停止";
}

std::wstring BatchStoppedText(size_t done, size_t total) {
  return L"已停止：已查询 " + std::to_wstring(done) + L"/" + std::to_wstring(total);
}

std::wstring ExampleMessage() {
  return std::wstring(L"请填写要查询的IP或网址. 如: ") + kExampleHost + L" 或 192.168.0.1";
}

std::wstring UpdatePageAddress(const std::wstring& version) {
  return std::wstring(L"http://") + kUpdateHost + L"/?qq=" + version;
}

std::wstring UpdaterPath(const std::wstring& programFile) {
  const size_t slash = programFile.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? std::wstring() : programFile.substr(0, slash);
  return folder + L"\\Kestrune.exe";
}

std::wstring QuotedCommand(const std::wstring& path) { return L"\"" + path + L"\""; }

std::string ResultFileBytes(const std::vector<std::wstring>& lines) {
  std::string bytes = "\xEF\xBB\xBF";
  for (const std::wstring& line : lines) {
    bytes += WideToUtf8(line);
    bytes += "\r\n";
  }
  return bytes;
}
