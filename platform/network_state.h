#pragma once
// Whether this computer can be on a network at all: the stand-in for asking
// the system about its Internet connection.
#include <string_view>

namespace codarium::platform {

// True when a network interface other than loopback is up and running.
bool networkInterfaceUp();

// True when the host (a name or dotted address) is a loopback address, which
// needs no network interface to be reached.
bool isLoopbackHost(std::string_view host);

} // namespace codarium::platform
