// The window-free pieces of the main window's actions.
#include <gtest/gtest.h>

#include "app/lookup.h"
#include "base/codec.h"

namespace {

TEST(Lookup, ResultLineTakesTheRangeEndAndConvertsFromGbk) {
  TStringList fields;
  for (const char* f : {"1.0.0.0", "1.0.0.255", "中国", "电信"}) fields.Add(Utf8ToGbk(f));
  EXPECT_EQ(ResultLine(fields), L"IP:1.0.0.255 国家:中国 地区:电信");
}

TEST(Lookup, UpdatePageAndUpdaterPlaces) {
  EXPECT_EQ(UpdatePageAddress(L"1.0.20100523"), L"http://update.corvana.example/?qq=1.0.20100523");
  EXPECT_EQ(UpdatePageAddress(L"a b&c"), L"http://update.corvana.example/?qq=a b&c");  // placed as it is
  EXPECT_EQ(UpdaterPath(L"C:\\Program Files\\工具\\corvana.exe"), L"C:\\Program Files\\工具\\Kestrune.exe");
  EXPECT_EQ(QuotedCommand(L"C:\\Program Files\\x\\Kestrune.exe"), L"\"C:\\Program Files\\x\\Kestrune.exe\"");
}

TEST(Lookup, ResultFileIsUtf8WithCrLf) {
  EXPECT_EQ(ResultFileBytes({L"IP:1.0.0.255 国家:中国 地区:电信", L"x"}),
            "\xEF\xBB\xBFIP:1.0.0.255 国家:中国 地区:电信\r\nx\r\n");
  EXPECT_EQ(ResultFileBytes({}), "\xEF\xBB\xBF");
}

}  // namespace
