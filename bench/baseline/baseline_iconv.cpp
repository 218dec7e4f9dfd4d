// Yesterday's GBK conversion: iconv, a converter opened and closed for every call.
#include <iconv.h>

#include <cerrno>

#include "baseline.h"

namespace {

std::string Convert(const char* to, const char* from, std::string_view in, std::string_view replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  char buffer[1024];
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, sizeof buffer - dstLeft);
    if (rc == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      out.append(replacement);
      size_t skip = 1;
      if (std::string_view(from) == "UTF-8") {
        const auto b = static_cast<unsigned char>(*src);
        skip = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (skip > srcLeft) skip = srcLeft;
      }
      src += skip;
      srcLeft -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string BaselineGbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "CP936", gbk, "\xEF\xBF\xBD"); }
std::string BaselineUtf8ToGbk(std::string_view utf8) { return Convert("CP936", "UTF-8", utf8, "?"); }
