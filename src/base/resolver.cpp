// Host name resolution through gethostbyname on both platforms.
#include "base/resolver.h"

#include <cstring>

#ifdef _WIN32
#include "base/win32.h"
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#endif

namespace {

std::string LastAddressOf(const hostent* host) {
  std::string result;
  if (!host || host->h_addrtype != AF_INET || !host->h_addr_list) return result;
  for (char** entry = host->h_addr_list; *entry; ++entry) {
    in_addr address{};
    memcpy(&address, *entry, sizeof address);
    result = inet_ntoa(address);
  }
  return result;
}

}  // namespace

std::string ResolveHost(const std::string& text) {
  std::string result;
#ifdef _WIN32
  WSADATA data{};
  WSAStartup(MAKEWORD(1, 1), &data);
  result = LastAddressOf(gethostbyname(text.c_str()));
  WSACleanup();
#else
  result = LastAddressOf(gethostbyname(text.c_str()));
#endif
  return result;
}
