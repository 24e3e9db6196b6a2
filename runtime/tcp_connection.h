#pragma once
// The blocking IPv4 connection layer under the HTTP and FTP clients, the
// whole-second clock of every network time limit, and the once-per-process
// network start.
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

// Tested and set by the workers before their first network use.
extern std::atomic<int> NetworkStarted;
void startNetwork();

std::int64_t nowSeconds();

TcpConnectionPtr openConnection(std::string_view host, std::uint16_t port);
// The IPv4 address of the peer, in host order (for data connections that
// must go to the same server).
std::uint32_t peerAddress(TcpConnectionPtr connection);
TcpConnectionPtr openConnectionTo(std::uint32_t address, std::uint16_t port);
int sendSome(TcpConnectionPtr connection, const void* bytes, int count);
PollResult pollConnection(TcpConnectionPtr connection);
int receiveSome(TcpConnectionPtr connection, void* destination, int maximum);
void closeConnection(TcpConnectionPtr connection);

bool sendAll(TcpConnectionPtr connection, const void* bytes, int count, int limitSeconds,
             const StopToken* stop = nullptr);
int receiveWithin(TcpConnectionPtr connection, char* destination, int maximum, int limitSeconds,
                  const StopToken* stop = nullptr);

} // namespace codarium
