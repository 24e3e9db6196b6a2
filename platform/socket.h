#pragma once
// IPv4 stream sockets over the system's socket interface. Nothing here waits
// longer than the caller asks, except receiveBlocking; callers slice longer
// waits so that they can give up in between.
#include <cstdint>
#include <optional>
#include <string_view>

namespace codarium::platform {

using SocketHandle = std::intptr_t;
inline constexpr SocketHandle NoSocket = -1;

// Prepares the socket library for this process (nothing to do on POSIX).
void startSockets();

// The address a dotted IPv4 text stands for (host order); none for any other
// text, which is never looked up.
std::optional<std::uint32_t> parseIPv4(std::string_view text);

// The address of a dotted IPv4 text, else the first IPv4 address the
// system's host-name lookup gives; in host order.
std::optional<std::uint32_t> lookUpIPv4(std::string_view host);

enum class ConnectStart { Connected, InProgress, Failed };
struct PendingConnect {
    SocketHandle socket = NoSocket;
    ConnectStart state = ConnectStart::Failed;
};
// Starts connecting a new stream socket to address:port (host order) without
// waiting; on Failed no socket is left open.
PendingConnect startConnect(std::uint32_t address, std::uint16_t port);
// After the socket became writable: whether the connect succeeded. The
// socket is then switched back to blocking receives.
bool finishConnect(SocketHandle socket);

// The peer's IPv4 address in host order.
std::optional<std::uint32_t> peerIPv4(SocketHandle socket);

// One send that never waits and never raises SIGPIPE: the count accepted, or
// -1 (also when the send buffer is full).
int sendNow(SocketHandle socket, const void* bytes, int count);
// As sendNow, but -2 when the send buffer is full, so that a layer above
// can tell a wait from a broken connection.
int trySend(SocketHandle socket, const void* bytes, int count);
// One receive that waits for data: the count, 0 when the peer has closed,
// negative on error.
int receiveBlocking(SocketHandle socket, void* destination, int maximum);
// One receive that does not wait: as receiveBlocking, and -2 when nothing is
// there yet.
int receiveNow(SocketHandle socket, void* destination, int maximum);
// The number of bytes waiting to be received, or -1 when the query fails.
int bytesWaiting(SocketHandle socket);

enum class Readiness { Ready, NotReady, Failed };
// Waits up to the given milliseconds (0: just tests) for the socket to become
// readable (data, end of stream or an error) or writable.
Readiness waitReadable(SocketHandle socket, int milliseconds);
Readiness waitWritable(SocketHandle socket, int milliseconds);

void closeSocket(SocketHandle socket);

// Bytes accepted by a send that the peer has not acknowledged yet (they still
// wait in the system's send buffer); -1 when the system cannot tell.
int unacknowledgedBytes(SocketHandle socket);
// Closes at once and resets the connection: what the peer has not received
// is dropped instead of being delivered after the close.
void resetSocket(SocketHandle socket);

} // namespace codarium::platform
