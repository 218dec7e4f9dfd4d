// GBK conversions on POSIX: the code page 936 table (generated from glibc's "CP936").
#include "base/codec.h"
#include "base/codec_gbk_table.h"

std::string GbkToUtf8(std::string_view gbk) {
  return GbkTableToUtf8(gbk);
}

void AppendGbkAsUtf8(std::string_view gbk, std::string& out) {
  AppendGbkTableAsUtf8(gbk, out);
}

std::string Utf8ToGbk(std::string_view utf8) {
  return Utf8ToGbkTable(utf8);
}

bool Utf8FitsGbk(std::string_view utf8) {
  bool lossless = true;
  Utf8ToGbkTable(utf8, &lossless);
  return lossless;
}

std::wstring GbkToWide(std::string_view gbk) {
  return Utf8ToWide(GbkToUtf8(gbk));
}

std::string WideToGbk(std::wstring_view wide) {
  return Utf8ToGbk(WideToUtf8(wide));
}
