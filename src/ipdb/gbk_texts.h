// GBK byte forms of the Chinese texts the reader writes into or looks for in record
// texts (those texts stay GBK bytes inside this layer).
#pragma once

#include <string_view>

namespace gbk {
inline constexpr std::string_view kUnknownArea = "\xCE\xB4\xD6\xAA\xB5\xD8\xC7\xF8";  // 未知地区
inline constexpr std::string_view kNone = "\xCE\xDE";                                 // 无
inline constexpr std::string_view kIpData = "IP\xCA\xFD\xBE\xDD";                     // IP数据
inline constexpr std::string_view kYear = "\xC4\xEA";                                 // 年
inline constexpr std::string_view kMonth = "\xD4\xC2";                                // 月
inline constexpr std::string_view kDay = "\xC8\xD5";                                  // 日
}  // namespace gbk
