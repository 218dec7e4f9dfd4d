// The code page 936 table against the system's MultiByteToWideChar(936) on every one-
// and two-byte code. The table follows glibc; Windows differs only where it gives the
// user-defined and unassigned codes Private Use Area characters, which the table treats
// as bytes that do not decode (a database's texts hold none of them).
#include <gtest/gtest.h>

#include <cstdio>

#include "base/codec_gbk_table.h"
#include "base/win32.h"

namespace {

// The code point the system gives a one- or two-byte code when that code is one whole
// character, else 0.
char32_t SystemChar(const std::string& code) {
  wchar_t out[4]{};
  const int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, code.data(), static_cast<int>(code.size()), out, 4);
  return n == 1 ? static_cast<char32_t>(out[0]) : 0;
}

char32_t TableChar(const std::string& code) {
  size_t pos = 0;
  const char32_t cp = DecodeGbkChar(code, pos);
  return pos == code.size() && cp != 0xFFFD ? cp : 0;
}

bool IsPrivateUse(char32_t cp) {
  return cp >= 0xE000 && cp <= 0xF8FF;
}

TEST(GbkTableWin32, AgreesWithTheSystemOutsideThePrivateUseArea) {
  int privateUse = 0, characters = 0;
  for (int first = 0; first < 256; ++first) {
    for (int second = -1; second < 256; ++second) {
      std::string code(1, static_cast<char>(first));
      if (second >= 0) code += static_cast<char>(second);
      const char32_t system = SystemChar(code), table = TableChar(code);
      if (table) ++characters;
      if (system == table) continue;
      if (table == 0 && IsPrivateUse(system)) {
        ++privateUse;
        continue;
      }
      ADD_FAILURE() << std::hex << "code " << first << " " << second << ": system U+" << static_cast<unsigned>(system)
                    << ", table U+" << static_cast<unsigned>(table);
    }
  }
  EXPECT_EQ(privateUse, 2149);
  EXPECT_GT(characters, 21000);
}

}  // namespace
