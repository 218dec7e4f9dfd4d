// Code page 936 (GBK) by table: no converter to set up per call. Undecodable bytes
// become U+FFFD one byte at a time; characters without a GBK form become "?".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The code point of the character at gbk[pos], moving pos past it; U+FFFD (one byte)
// when the bytes there are no character.
char32_t DecodeGbkChar(std::string_view gbk, size_t& pos);

// The GBK code of a code point: below 0x100 one byte, else lead << 8 | trail; -1 when
// code page 936 has no such character.
int EncodeGbkChar(char32_t codePoint);

// Appends the UTF-8 form of GBK text.
void AppendGbkTableAsUtf8(std::string_view gbk, std::string& out);
std::string GbkTableToUtf8(std::string_view gbk);
// Malformed UTF-8 is replaced whole (the sequence its lead byte announces) by "?", as is
// every character without a GBK form; lossless reports whether anything was replaced.
std::string Utf8ToGbkTable(std::string_view utf8, bool* lossless = nullptr);
