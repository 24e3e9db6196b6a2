#include "platform/network_state.h"

#include "platform/socket.h"

#include <ifaddrs.h>
#include <net/if.h>

namespace codarium::platform {

bool networkInterfaceUp() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) {
        return false;
    }
    bool up = false;
    for (const ifaddrs* entry = list; entry != nullptr && !up; entry = entry->ifa_next) {
        const unsigned flags = entry->ifa_flags;
        up = (flags & IFF_UP) != 0 && (flags & IFF_RUNNING) != 0 && (flags & IFF_LOOPBACK) == 0;
    }
    ::freeifaddrs(list);
    return up;
}

bool isLoopbackHost(std::string_view host) {
    const auto address = lookUpIPv4(host);
    return address && (*address >> 24) == 127;
}

} // namespace codarium::platform
