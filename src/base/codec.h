// Text conversions between GBK (code page 936), UTF-8 and wide text. The database's
// texts are GBK bytes and are converted only at the edge: to UTF-16 for windows, to
// UTF-8 for a terminal. Bytes that do not decode become U+FFFD.
#pragma once

#include <string>
#include <string_view>

std::string GbkToUtf8(std::string_view gbk);
// Appends what GbkToUtf8 answers, without a text of its own per call.
void AppendGbkAsUtf8(std::string_view gbk, std::string& out);
// Characters GBK cannot hold become "?".
std::string Utf8ToGbk(std::string_view utf8);
// Whether every character of the UTF-8 text has a GBK form.
bool Utf8FitsGbk(std::string_view utf8);

// Wide text is UTF-16 on Windows and UTF-32 elsewhere.
std::wstring GbkToWide(std::string_view gbk);
std::string WideToGbk(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);
// Appends one code point in UTF-8.
void AppendUtf8(char32_t codePoint, std::string& out);
std::string WideToUtf8(std::wstring_view wide);
