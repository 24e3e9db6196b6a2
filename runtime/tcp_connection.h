#pragma once
// The blocking IPv4 connection layer under the HTTP and FTP clients, the
// whole-second clock of every network time limit, and the once-per-process
// network start.
#include "runtime/tls_session.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>

namespace codarium {

// Set by a caller to make every network wait of the operations that watch it
// return at once (the operation then fails).
using StopToken = std::atomic<bool>;

struct TcpConnection; // one connected stream socket
using TcpConnectionPtr = TcpConnection*;

enum class PollResult { DataWaiting, Closed, Nothing };

// 1 once the sockets library has been started for this process.
extern std::atomic<int> NetworkStarted;
void startNetwork();
// Starts the network exactly once, whichever worker gets there first and
// however many ask at the same time; every caller returns with it started.
void ensureNetworkStarted();

std::int64_t nowSeconds();

// Connecting waits as long as the system's connect does, or until stop is set,
// or (when limitSeconds is above 0) until that many seconds have passed.
TcpConnectionPtr openConnection(std::string_view host, std::uint16_t port,
                                const StopToken* stop = nullptr, int limitSeconds = 0);
// The IPv4 address of the peer, in host order (for data connections that
// must go to the same server); 0 when it cannot be told.
std::uint32_t peerAddress(TcpConnectionPtr connection);
TcpConnectionPtr openConnectionTo(std::uint32_t address, std::uint16_t port,
                                  const StopToken* stop = nullptr, int limitSeconds = 0);
// Turns the connection into a TLS session with host (see startTlsSession);
// from then on sendAll, receiveWithin and receiveBlock carry the session's
// bytes. Anything but Established leaves the connection unusable.
TlsOutcome startTls(TcpConnectionPtr connection, std::string_view host, int limitSeconds,
                    const StopToken* stop = nullptr);

// One send that does not wait: the count accepted, or -1 on an error or a
// full send buffer. Never raises SIGPIPE.
// These three act on the bare socket: on a TLS connection they refuse (-1,
// Closed), so that no byte ever bypasses the session.
int sendSome(TcpConnectionPtr connection, const void* bytes, int count);
PollResult pollConnection(TcpConnectionPtr connection);
int receiveSome(TcpConnectionPtr connection, void* destination, int maximum);
void closeConnection(TcpConnectionPtr connection);
// Sent bytes the peer has not acknowledged yet; -1 when unknown.
int unacknowledgedCount(TcpConnectionPtr connection);
// Closes with a reset: bytes still on their way are dropped, not delivered.
void resetConnection(TcpConnectionPtr connection);

// True when every byte was accepted within the limit.
bool sendAll(TcpConnectionPtr connection, const void* bytes, int count, int limitSeconds,
             const StopToken* stop = nullptr);
// One block of at most maximum bytes followed by a zero byte (destination
// holds maximum + 1); 0 when nothing came within the limit, the peer closed,
// the receive failed or stop was set.
int receiveWithin(TcpConnectionPtr connection, char* destination, int maximum, int limitSeconds,
                  const StopToken* stop = nullptr);

// receiveWithin with the reason a block did not come, for callers that must
// tell an orderly end from a broken one.
enum class ReceiveStatus { Data, Closed, TimedOut, Failed, Stopped };
struct ReceiveOutcome {
    ReceiveStatus status = ReceiveStatus::Failed;
    int count = 0; // > 0 exactly when status is Data
};
ReceiveOutcome receiveBlock(TcpConnectionPtr connection, char* destination, int maximum,
                            int limitSeconds, const StopToken* stop = nullptr);

// Owns a connection and closes it when it goes out of scope.
struct ConnectionCloser {
    void operator()(TcpConnection* connection) const { closeConnection(connection); }
};
using OwnedConnection = std::unique_ptr<TcpConnection, ConnectionCloser>;

} // namespace codarium
