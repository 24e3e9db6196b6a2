#include "runtime/connection_check.h"

#include "platform/socket.h"
#include "runtime/http_url.h"

#include <chrono>

namespace codarium {
namespace {

constexpr int SliceMilliseconds = 20;

} // namespace

bool serverReachable(std::string_view url, int limitSeconds, const StopToken* stop) {
    const auto parts = splitUrl(url);
    if (!parts) {
        return false;
    }
    const auto address = platform::lookUpIPv4(parts->host);
    if (!address || (stop != nullptr && stop->load())) {
        return false;
    }
    const auto pending = platform::startConnect(*address, parts->port);
    if (pending.state == platform::ConnectStart::Failed) {
        return false;
    }
    bool connected = pending.state == platform::ConnectStart::Connected;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(limitSeconds);
    while (!connected && std::chrono::steady_clock::now() < until &&
           (stop == nullptr || !stop->load())) {
        const auto ready = platform::waitWritable(pending.socket, SliceMilliseconds);
        if (ready == platform::Readiness::Failed) {
            break;
        }
        if (ready == platform::Readiness::Ready) {
            connected = platform::finishConnect(pending.socket);
            break;
        }
    }
    platform::closeSocket(pending.socket);
    return connected;
}

} // namespace codarium
