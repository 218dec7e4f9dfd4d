// The code page 936 table against glibc's converter on every one- and two-byte code, on
// every character of the basic plane and on malformed UTF-8, with the replacement rules
// the iconv-based codec had.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <random>

#include "base/codec.h"
#include "base/codec_gbk_table.h"

namespace {

// A reusable iconv conversion with the replacements of the old codec: "?" or U+FFFD for a
// unit that does not convert; a malformed UTF-8 sequence is skipped as its lead announces.
class Iconv {
public:
  Iconv(const char* to, const char* from) : FCd(iconv_open(to, from)), FFromUtf8(std::string_view(from) == "UTF-8") {
    if (FCd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no iconv converter");
  }
  ~Iconv() { iconv_close(FCd); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  std::string operator()(std::string_view in, bool* lossless = nullptr) {
    if (lossless) *lossless = true;
    iconv(FCd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    char buffer[256];
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      const size_t rc = iconv(FCd, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, sizeof buffer - dstLeft);
      if (rc != static_cast<size_t>(-1) || errno == E2BIG) continue;
      if (lossless) *lossless = false;
      out += FFromUtf8 ? "?" : "\xEF\xBF\xBD";
      size_t skip = 1;
      if (FFromUtf8) {
        const auto b = static_cast<unsigned char>(*src);
        skip = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (skip > srcLeft) skip = srcLeft;
      }
      src += skip;
      srcLeft -= skip;
      iconv(FCd, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

private:
  iconv_t FCd;
  bool FFromUtf8;
};

TEST(GbkTable, DecodesEveryOneAndTwoByteCodeAsIconv) {
  Iconv reference("UTF-8", "CP936");
  for (int first = 0; first < 256; ++first) {
    const std::string one(1, static_cast<char>(first));
    ASSERT_EQ(GbkToUtf8(one), reference(one)) << "byte " << first;
    for (int second = 0; second < 256; ++second) {
      const std::string two{static_cast<char>(first), static_cast<char>(second)};
      ASSERT_EQ(GbkToUtf8(two), reference(two)) << "bytes " << first << "," << second;
    }
  }
}

TEST(GbkTable, EncodesEveryBasicPlaneCharacterAsIconv) {
  Iconv reference("CP936", "UTF-8");
  for (char32_t cp = 0; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::string utf8;
    AppendUtf8(cp, utf8);
    bool expectedLossless = false;
    const std::string expected = reference(utf8, &expectedLossless);
    ASSERT_EQ(Utf8ToGbk(utf8), expected) << "U+" << std::hex << static_cast<unsigned>(cp);
    ASSERT_EQ(Utf8FitsGbk(utf8), expectedLossless) << "U+" << std::hex << static_cast<unsigned>(cp);
    if (expectedLossless) {
      ASSERT_EQ(GbkToUtf8(expected), utf8);
    }
  }
  for (char32_t cp = 0x10000; cp <= 0x10FFFF; cp += 0x3F1) {
    std::string utf8;
    AppendUtf8(cp, utf8);
    ASSERT_EQ(Utf8ToGbk(utf8), reference(utf8));
    ASSERT_FALSE(Utf8FitsGbk(utf8));
  }
}

TEST(GbkTable, MalformedInputIsReplacedAsBefore) {
  Iconv toGbk("CP936", "UTF-8");
  Iconv toUtf8("UTF-8", "CP936");
  for (const std::string bad : {"\x80",
                                "a\xBF"
                                "b",
                                "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80x", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80", "\xFF", "\xE4\xB8",
                                "\xE4\xB8"
                                "A",
                                "\xE4"
                                "AB"
                                "\xE4\xB8\xAD",
                                "\xF0\x9F\x98",
                                "\xF0\x9F\x98\x80"
                                "x"}) {
    EXPECT_EQ(Utf8ToGbk(bad), toGbk(bad)) << bad;
    EXPECT_FALSE(Utf8FitsGbk(bad));
  }
  // Random byte strings, weighted towards lead and trail bytes, both ways.
  std::mt19937 random(5);
  const std::string alphabet = "aZ,\x80\x81\xA1\xA4\xB0\xC0\xC2\xD6\xE4\xED\xF0\xF4\xFE\xFF\x40\x7F\xA0\xB8\xAD\xBF";
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    for (unsigned n = random() % 9; n > 0; --n) text += alphabet[random() % alphabet.size()];
    ASSERT_EQ(GbkToUtf8(text), toUtf8(text));
    bool lossless = false;
    ASSERT_EQ(Utf8ToGbk(text), toGbk(text, &lossless));
    ASSERT_EQ(Utf8FitsGbk(text), lossless);
  }
}

}  // namespace
