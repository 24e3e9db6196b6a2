#include "runtime/tcp_connection.h"

#include "platform/socket.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

namespace codarium {

struct TcpConnection {
    platform::SocketHandle socket = platform::NoSocket;
    OwnedTlsSession tls; // set once startTls succeeded
};

std::atomic<int> NetworkStarted{0};

namespace {

// Every wait is cut into slices this long so that a set stop token is seen
// within one slice.
constexpr int SliceMilliseconds = 20;
// The longest single wait for readability before the connection is polled
// again.
constexpr int ReadWaitMilliseconds = 100;
constexpr int SendRetryMilliseconds = 50;

bool stopped(const StopToken* stop) {
    return stop != nullptr && stop->load();
}

// Waits up to the given time for the socket to accept more bytes; a broken
// connection makes it a plain pause.
void waitUntilWritable(platform::SocketHandle socket, int milliseconds, const StopToken* stop) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!stopped(stop)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              end - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) {
            return;
        }
        const int slice = static_cast<int>(std::min<long long>(left, SliceMilliseconds));
        switch (platform::waitWritable(socket, slice)) {
        case platform::Readiness::Ready:
            return;
        case platform::Readiness::Failed:
            std::this_thread::sleep_for(std::chrono::milliseconds(slice));
            break;
        case platform::Readiness::NotReady:
            break;
        }
    }
}

ReceiveOutcome fromTls(TlsReceived received) {
    switch (received.status) {
    case TlsReceive::Data:
        return {ReceiveStatus::Data, received.count};
    case TlsReceive::Closed:
        return {ReceiveStatus::Closed, 0};
    case TlsReceive::TimedOut:
        return {ReceiveStatus::TimedOut, 0};
    case TlsReceive::Stopped:
        return {ReceiveStatus::Stopped, 0};
    case TlsReceive::Failed:
        break;
    }
    return {ReceiveStatus::Failed, 0};
}

} // namespace

void startNetwork() {
    platform::startSockets();
}

void ensureNetworkStarted() {
    static std::once_flag once;
    std::call_once(once, [] {
        startNetwork();
        NetworkStarted = 1;
    });
}

std::int64_t nowSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

TcpConnectionPtr openConnection(std::string_view host, std::uint16_t port, const StopToken* stop,
                                int limitSeconds) {
    const auto address = platform::lookUpIPv4(host);
    if (!address || stopped(stop)) {
        return nullptr;
    }
    return openConnectionTo(*address, port, stop, limitSeconds);
}

std::uint32_t peerAddress(TcpConnectionPtr connection) {
    if (connection == nullptr) {
        return 0;
    }
    return platform::peerIPv4(connection->socket).value_or(0);
}

TcpConnectionPtr openConnectionTo(std::uint32_t address, std::uint16_t port, const StopToken* stop,
                                  int limitSeconds) {
    const auto pending = platform::startConnect(address, port);
    if (pending.state == platform::ConnectStart::Failed) {
        return nullptr;
    }
    bool connected = pending.state == platform::ConnectStart::Connected;
    // The system ends a connect that gets no answer after minutes; until then
    // only the stop token and the caller's limit cut it short.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(limitSeconds);
    while (!connected && !stopped(stop) &&
           (limitSeconds <= 0 || std::chrono::steady_clock::now() < until)) {
        const auto ready = platform::waitWritable(pending.socket, SliceMilliseconds);
        if (ready == platform::Readiness::Failed) {
            break;
        }
        if (ready == platform::Readiness::Ready) {
            connected = platform::finishConnect(pending.socket);
            break;
        }
    }
    if (!connected) {
        platform::closeSocket(pending.socket);
        return nullptr;
    }
    return new TcpConnection{pending.socket, nullptr};
}

TlsOutcome startTls(TcpConnectionPtr connection, std::string_view host, int limitSeconds,
                    const StopToken* stop) {
    if (connection == nullptr || connection->tls) {
        return TlsOutcome::HandshakeFailed;
    }
    auto start = startTlsSession(connection->socket, host, limitSeconds, stop);
    connection->tls = std::move(start.session);
    return start.outcome;
}

int sendSome(TcpConnectionPtr connection, const void* bytes, int count) {
    if (connection == nullptr || connection->tls) {
        return -1;
    }
    return platform::sendNow(connection->socket, bytes, count);
}

PollResult pollConnection(TcpConnectionPtr connection) {
    if (connection == nullptr || connection->tls) {
        return PollResult::Closed;
    }
    const int waiting = platform::bytesWaiting(connection->socket);
    if (waiting != 0) {
        return waiting < 0 ? PollResult::Closed : PollResult::DataWaiting;
    }
    switch (platform::waitReadable(connection->socket, 0)) {
    case platform::Readiness::NotReady:
        return PollResult::Nothing;
    case platform::Readiness::Failed:
        return PollResult::Closed;
    case platform::Readiness::Ready:
        break;
    }
    // Data that arrived between the count and the readability test also makes
    // the socket readable; only a second empty count means the peer is gone.
    return platform::bytesWaiting(connection->socket) > 0 ? PollResult::DataWaiting
                                                          : PollResult::Closed;
}

int receiveSome(TcpConnectionPtr connection, void* destination, int maximum) {
    if (connection == nullptr || connection->tls) {
        return -1;
    }
    return platform::receiveBlocking(connection->socket, destination, maximum);
}

void closeConnection(TcpConnectionPtr connection) {
    if (connection != nullptr) {
        if (connection->tls) {
            endTlsSession(*connection->tls);
        }
        platform::closeSocket(connection->socket);
        delete connection;
    }
}

int unacknowledgedCount(TcpConnectionPtr connection) {
    return connection != nullptr ? platform::unacknowledgedBytes(connection->socket) : -1;
}

void resetConnection(TcpConnectionPtr connection) {
    if (connection != nullptr) {
        platform::resetSocket(connection->socket);
        delete connection;
    }
}

bool sendAll(TcpConnectionPtr connection, const void* bytes, int count, int limitSeconds,
             const StopToken* stop) {
    if (connection == nullptr || count < 0 || (bytes == nullptr && count > 0)) {
        return false;
    }
    if (count == 0) {
        return true;
    }
    if (connection->tls) {
        return tlsSendAll(*connection->tls, static_cast<const char*>(bytes), count, limitSeconds,
                          stop);
    }
    const auto* rest = static_cast<const char*>(bytes);
    int left = count;
    const std::int64_t start = nowSeconds();
    while (nowSeconds() - start < limitSeconds && !stopped(stop)) {
        const int sent = sendSome(connection, rest, left);
        if (sent < 0) {
            waitUntilWritable(connection->socket, SendRetryMilliseconds, stop);
            continue;
        }
        rest += sent;
        left -= sent;
        if (left == 0) {
            return true;
        }
    }
    return false;
}

ReceiveOutcome receiveBlock(TcpConnectionPtr connection, char* destination, int maximum,
                            int limitSeconds, const StopToken* stop) {
    if (connection == nullptr || destination == nullptr || maximum <= 0) {
        return {ReceiveStatus::Failed, 0};
    }
    if (connection->tls) {
        return fromTls(tlsReceive(*connection->tls, destination, maximum, limitSeconds, stop));
    }
    const std::int64_t start = nowSeconds();
    while (nowSeconds() - start <= limitSeconds) {
        if (stopped(stop)) {
            return {ReceiveStatus::Stopped, 0};
        }
        switch (pollConnection(connection)) {
        case PollResult::DataWaiting: {
            const int count = receiveSome(connection, destination, maximum);
            if (count < 0) {
                return {ReceiveStatus::Failed, 0};
            }
            destination[count] = '\0';
            return {count == 0 ? ReceiveStatus::Closed : ReceiveStatus::Data, count};
        }
        case PollResult::Closed: {
            // Tells an orderly end from a reset (and takes data that came in
            // the meantime).
            const int count = platform::receiveNow(connection->socket, destination, maximum);
            if (count > 0) {
                destination[count] = '\0';
                return {ReceiveStatus::Data, count};
            }
            if (count == -2) {
                // Readable yet empty without an end: not expected of a stream
                // socket, so give it a moment rather than spin.
                std::this_thread::sleep_for(std::chrono::milliseconds(SliceMilliseconds));
                break;
            }
            return {count == 0 ? ReceiveStatus::Closed : ReceiveStatus::Failed, 0};
        }
        case PollResult::Nothing: {
            // Waits for readability rather than sleeping, so that data is
            // taken as soon as it arrives.
            for (int waited = 0; waited < ReadWaitMilliseconds && !stopped(stop);
                 waited += SliceMilliseconds) {
                if (platform::waitReadable(connection->socket, SliceMilliseconds) !=
                    platform::Readiness::NotReady) {
                    break;
                }
            }
            break;
        }
        }
    }
    return {ReceiveStatus::TimedOut, 0};
}

int receiveWithin(TcpConnectionPtr connection, char* destination, int maximum, int limitSeconds,
                  const StopToken* stop) {
    const auto outcome = receiveBlock(connection, destination, maximum, limitSeconds, stop);
    if (outcome.status == ReceiveStatus::Data) {
        return outcome.count;
    }
    if (destination != nullptr && maximum >= 0) {
        destination[0] = '\0';
    }
    return 0;
}

} // namespace codarium
