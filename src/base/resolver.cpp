// Host name resolution through gethostbyname on both platforms.
#include "base/resolver.h"

#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

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
#ifdef _WIN32
    result = inet_ntoa(address);  // its buffer belongs to the calling thread
#else
    char text[INET_ADDRSTRLEN]{};
    result = inet_ntop(AF_INET, &address, text, sizeof text) ? text : "";
#endif
  }
  return result;
}

}  // namespace

std::string ResolveHost(const std::string& text) {
  std::string result;
#ifdef _WIN32
  // Wine counts starts and cleanups without a lock: with lookups on several threads at once
  // (a batch's workers) a lost count let one thread's cleanup end the library under another's
  // lookup, which then failed as "not initialised" and a good address ended the batch.
  // Counted one at a time, the library stays up while anyone is using it.
  static std::mutex counting;
  {
    std::lock_guard<std::mutex> guard(counting);
    WSADATA data{};
    WSAStartup(MAKEWORD(1, 1), &data);
  }
  result = LastAddressOf(gethostbyname(text.c_str()));
  {
    std::lock_guard<std::mutex> guard(counting);
    WSACleanup();
  }
#else
  // The reentrant form: resolver pools call this from several threads.
  hostent entry{};
  hostent* host = nullptr;
  int error = 0;
  std::vector<char> buffer(1024);
  while (gethostbyname_r(text.c_str(), &entry, buffer.data(), buffer.size(), &host, &error) == ERANGE &&
         buffer.size() < (1u << 20))
    buffer.resize(buffer.size() * 2);
  result = LastAddressOf(host);
#endif
  return result;
}
