// corvana-gbktable: writes the code page 936 table (src/base/gbk_table.inc) from glibc's
// iconv "CP936", after checking that the table codec's rules reproduce that converter:
// ASCII and 0x80 are one-byte codes, leads 0x81..0xFE take trails 0x40..0xFE, and the
// encoder is the decoder's inverse.
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kLeadFirst = 0x81, kLeadLast = 0xFE, kTrailFirst = 0x40, kTrailLast = 0xFE;
constexpr int kTrails = kTrailLast - kTrailFirst + 1;

// Converts a whole input; false when any of it does not convert.
bool Convert(iconv_t cd, const std::string& in, std::string& out) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  out.clear();
  char buffer[64];
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = buffer;
  size_t dstLeft = sizeof buffer;
  const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  if (rc == static_cast<size_t>(-1) || srcLeft != 0) return false;
  out.assign(buffer, sizeof buffer - dstLeft);
  return true;
}

std::string Utf8(char32_t cp) {
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

// The code point of a UTF-8 text holding exactly one character, else 0.
char32_t OneCodePoint(const std::string& s) {
  const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  if (s.size() == 1 && b(0) < 0x80) return b(0);
  if (s.size() == 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
  if (s.size() == 3) return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
  return 0;
}

[[noreturn]] void Fail(const std::string& why) {
  std::cerr << "corvana-gbktable: " << why << "\n";
  std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: corvana-gbktable OUTPUT.inc\n";
    return 2;
  }
  iconv_t decode = iconv_open("UTF-8", "CP936");
  iconv_t encode = iconv_open("CP936", "UTF-8");
  if (decode == reinterpret_cast<iconv_t>(-1) || encode == reinterpret_cast<iconv_t>(-1))
    Fail("iconv has no CP936 converter");
  std::string out;

  // One-byte codes: ASCII stands for itself, 0x80 may be a character, the rest are leads or invalid.
  char32_t single80 = 0;
  for (int b = 0; b < 256; ++b) {
    const bool ok = Convert(decode, std::string(1, static_cast<char>(b)), out);
    if (b < 0x80) {
      if (!ok || OneCodePoint(out) != static_cast<char32_t>(b)) Fail("ASCII does not stand for itself");
    } else if (b == 0x80) {
      single80 = ok ? OneCodePoint(out) : 0;
    } else if (ok) {
      Fail("a one-byte code above 0x80 decodes");
    }
  }

  // Two-byte codes: only leads 0x81..0xFE with trails 0x40..0xFE may decode, each to one BMP character.
  std::vector<std::uint16_t> pairs(static_cast<size_t>((kLeadLast - kLeadFirst + 1) * kTrails), 0);
  for (int lead = 0x80; lead < 256; ++lead) {
    for (int trail = 0; trail < 256; ++trail) {
      const std::string in{static_cast<char>(lead), static_cast<char>(trail)};
      if (!Convert(decode, in, out)) continue;
      const char32_t cp = OneCodePoint(out);
      if (lead == 0x80) continue;  // two one-byte codes
      if (lead < kLeadFirst || lead > kLeadLast || trail < kTrailFirst || trail > kTrailLast || cp == 0 || cp > 0xFFFF)
        Fail("an unexpected two-byte code decodes: " + std::to_string(lead) + "," + std::to_string(trail));
      pairs[static_cast<size_t>((lead - kLeadFirst) * kTrails + (trail - kTrailFirst))] =
          static_cast<std::uint16_t>(cp);
    }
  }

  // The codec encodes by inverting the pairs, so iconv's encoder must be that inverse.
  std::vector<std::uint16_t> inverse(0x10000, 0);
  for (char32_t cp = 0; cp < 0x80; ++cp) inverse[cp] = static_cast<std::uint16_t>(cp);
  if (single80) inverse[single80] = 0x80;
  for (int lead = kLeadFirst; lead <= kLeadLast; ++lead) {
    for (int trail = kTrailFirst; trail <= kTrailLast; ++trail) {
      const std::uint16_t cp = pairs[static_cast<size_t>((lead - kLeadFirst) * kTrails + (trail - kTrailFirst))];
      if (!cp) continue;
      if (inverse[cp]) Fail("two codes decode to one character");
      inverse[cp] = static_cast<std::uint16_t>(lead << 8 | trail);
    }
  }
  for (char32_t cp = 0; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::uint16_t code = 0;
    if (Convert(encode, Utf8(cp), out)) {
      if (out.size() == 1)
        code = static_cast<unsigned char>(out[0]);
      else if (out.size() == 2)
        code = static_cast<std::uint16_t>(static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1]));
      else
        Fail("an encoding longer than two bytes");
    }
    if (code != inverse[cp]) Fail("iconv encodes a character other than the decoder's inverse");
  }

  std::ofstream file(argv[1], std::ios::trunc);
  file << "// Generated by tools/gbktable from glibc's iconv \"CP936\"; do not edit.\n";
  char text[32];
  std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(single80));
  file << "inline constexpr char16_t kGbkSingle80 = " << text << ";\n";
  file << "// Code points of lead 0x81..0xFE, trail 0x40..0xFE; 0 where the pair is no character.\n";
  file << "inline constexpr char16_t kGbkPairs[" << pairs.size() << "] = {\n";
  for (size_t i = 0; i < pairs.size(); ++i) {
    std::snprintf(text, sizeof text, "0x%04X,", pairs[i]);
    file << (i % 12 == 0 ? "  " : " ") << text << (i % 12 == 11 || i + 1 == pairs.size() ? "\n" : "");
  }
  file << "};\n";
  std::cerr << "corvana-gbktable: " << pairs.size() << " pairs\n";
  return file ? 0 : 1;
}
