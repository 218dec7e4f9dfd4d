// Host name resolution to a dotted IPv4 address with the system resolver.
#pragma once

#include <string>

// Resolves an address or host name (bytes passed unchanged) with gethostbyname and
// answers the last address of the host entry in dotted form, or the empty text when
// nothing comes back. On Windows the sockets library (version 1.1) is started and
// cleaned up around every call. Safe to call from several threads at once.
std::string ResolveHost(const std::string& text);
