// GBK conversions through the system's code page 936 tables.
#include "base/codec.h"
#include "base/win32.h"

namespace {

constexpr UINT kGbk = 936;

std::wstring MultiToWide(UINT codePage, std::string_view in) {
  if (in.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, in.data(), static_cast<int>(in.size()), out.data(), n);
  return out;
}

std::string WideToMulti(UINT codePage, std::wstring_view in, bool* lossless = nullptr) {
  if (lossless) *lossless = true;
  if (in.empty()) return {};
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(codePage, 0, in.data(), static_cast<int>(in.size()), nullptr, 0, "?",
                                    &usedDefault);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, in.data(), static_cast<int>(in.size()), out.data(), n, "?", &usedDefault);
  if (lossless) *lossless = !usedDefault;
  return out;
}

}  // namespace

std::wstring GbkToWide(std::string_view gbk) { return MultiToWide(kGbk, gbk); }
std::string WideToGbk(std::wstring_view wide) { return WideToMulti(kGbk, wide); }
std::string GbkToUtf8(std::string_view gbk) { return WideToUtf8(GbkToWide(gbk)); }
void AppendGbkAsUtf8(std::string_view gbk, std::string& out) { out += GbkToUtf8(gbk); }
std::string Utf8ToGbk(std::string_view utf8) { return WideToGbk(Utf8ToWide(utf8)); }

bool Utf8FitsGbk(std::string_view utf8) {
  bool lossless = true;
  WideToMulti(kGbk, Utf8ToWide(utf8), &lossless);
  return lossless;
}
