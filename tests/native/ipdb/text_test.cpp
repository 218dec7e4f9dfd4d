// Splitting rules and conversions the database reader depends on.
#include <gtest/gtest.h>

#include "base/codec.h"
#include "base/strings.h"

namespace {

std::vector<std::string> Comma(const std::string& text) {
  TStringList list;
  list.SetCommaText(text);
  return list.Lines();
}

using V = std::vector<std::string>;

TEST(SplitText, KeepsEmptyPiecesAndTheRest) {
  EXPECT_EQ(SplitText("1.2", '.').Lines(), (V{"1", "2"}));
  EXPECT_EQ(SplitText("", '.').Lines(), (V{""}));
  EXPECT_EQ(SplitText("1.", '.').Lines(), (V{"1", ""}));
  EXPECT_EQ(SplitText("..", '.').Lines(), (V{"", "", ""}));
}

TEST(CommaText, BlanksAndCommasSeparate) {
  EXPECT_EQ(Comma("  a b,c"), (V{"a", "b", "c"}));
  EXPECT_EQ(Comma("a , b"), (V{"a", "b"}));
  EXPECT_EQ(Comma("a,,b"), (V{"a", "", "b"}));
  EXPECT_EQ(Comma("a, ,b"), (V{"a", "", "b"}));
  EXPECT_EQ(Comma("a,"), (V{"a", ""}));
  EXPECT_EQ(Comma("a, "), (V{"a"}));
  EXPECT_EQ(Comma("a\tb\x01" "c"), (V{"a", "b", "c"}));
  EXPECT_EQ(Comma(""), V{});
}

TEST(CommaText, QuotedPieces) {
  EXPECT_EQ(Comma("\"a b\",c"), (V{"a b", "c"}));
  EXPECT_EQ(Comma("\"say \"\"hi\"\"\" x"), (V{"say \"hi\"", "x"}));
  EXPECT_EQ(Comma("\"open end"), (V{"open end"}));
}

TEST(CommaText, DoubleByteCharactersStayWhole) {
  // 中 is D6 D0, 国 B9 FA: no trail byte may end a piece, and the texts survive intact.
  const std::string china = Utf8ToGbk("中国");
  EXPECT_EQ(Comma(china + " " + china), (V{china, china}));
  // A lead byte followed by a blank is not a pair: the blank still separates.
  EXPECT_EQ(Comma("\xD6 x"), (V{"\xD6", "x"}));
}

TEST(TryStrToInt, OrdinaryIntegerConversion) {
  std::int32_t v = 0;
  EXPECT_TRUE(TryStrToInt("31", v));
  EXPECT_EQ(v, 31);
  EXPECT_TRUE(TryStrToInt("$1F", v));
  EXPECT_EQ(v, 31);
  EXPECT_TRUE(TryStrToInt("0x1f", v));
  EXPECT_EQ(v, 31);
  EXPECT_TRUE(TryStrToInt("  -12", v));
  EXPECT_EQ(v, -12);
  EXPECT_TRUE(TryStrToInt("2147483647", v));
  EXPECT_TRUE(TryStrToInt("-2147483648", v));
  EXPECT_EQ(v, INT32_MIN);
  EXPECT_TRUE(TryStrToInt("$FFFFFFFF", v));
  EXPECT_EQ(v, -1);
  for (const char* bad : {"", " ", "12abc", "0x", "$", "2147483648", "1 ", "--1", "$1FFFFFFFF", "1.5"}) {
    EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
  }
}

TEST(Codec, GbkRoundTripsAndBadBytesAreReplaced) {
  const std::string gbk = "\xCE\xB4\xD6\xAA\xB5\xD8\xC7\xF8";  // 未知地区
  EXPECT_EQ(GbkToUtf8(gbk), "未知地区");
  EXPECT_EQ(Utf8ToGbk("未知地区"), gbk);
  EXPECT_EQ(GbkToUtf8("abc"), "abc");
  // A lead byte without its trail byte does not swallow the characters around it.
  const std::string broken = GbkToUtf8("a\x81 x");
  EXPECT_EQ(broken.front(), 'a');
  EXPECT_EQ(broken.back(), 'x');
  EXPECT_FALSE(Utf8FitsGbk("\xF0\x9F\x98\x80"));  // an emoji has no GBK form
  EXPECT_EQ(WideToUtf8(Utf8ToWide("宋体 \xF0\x9F\x98\x80")), "宋体 \xF0\x9F\x98\x80");
  EXPECT_EQ(GbkToWide(gbk), L"未知地区");
}

}  // namespace
