#include "runtime/connection_check.h"

#include "runtime/http_url.h"

namespace codarium {

bool serverReachable(std::string_view url, int limitSeconds, const StopToken* stop) {
    const auto parts = splitUrl(url);
    // The connection's own "no limit" must not turn a check into a wait of
    // minutes.
    if (!parts || limitSeconds <= 0) {
        return false;
    }
    const OwnedConnection connection(openConnection(parts->host, parts->port, stop, limitSeconds));
    return connection != nullptr;
}

} // namespace codarium
