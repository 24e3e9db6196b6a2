#pragma once
// Whether a server can be reached: one TCP connect to the host and port of a
// download address, given up after a time limit.
#include "runtime/tcp_connection.h"

#include <string_view>

namespace codarium {

// True when a connection to the address's host and port (unless given, 443
// for https and 80 otherwise) was made within limitSeconds; it is closed
// again at once. False for an address download would refuse, a failed
// lookup or connect, the time running out, or stop being set, and for a
// limit of 0 or less, which would leave nothing to wait.
bool serverReachable(std::string_view url, int limitSeconds, const StopToken* stop = nullptr);

} // namespace codarium
