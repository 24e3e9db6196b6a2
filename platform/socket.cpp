#include "platform/socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <linux/sockios.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace codarium::platform {

namespace {

int fd(SocketHandle socket) {
    return static_cast<int>(socket);
}

bool setNonBlocking(int descriptor, bool on) {
    const int flags = ::fcntl(descriptor, F_GETFL, 0);
    if (flags < 0) {
        return false;
    }
    const int wanted = on ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK);
    return ::fcntl(descriptor, F_SETFL, wanted) == 0;
}

// The events that occurred, 0 after the time ran out, -1 when poll failed.
int waitFor(SocketHandle socket, short events, int milliseconds) {
    pollfd entry{fd(socket), events, 0};
    int result;
    do {
        result = ::poll(&entry, 1, milliseconds);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {
        return -1;
    }
    return result == 0 ? 0 : entry.revents;
}

} // namespace

void startSockets() {}

std::optional<std::uint32_t> parseIPv4(std::string_view text) {
    const std::string copy(text);
    in_addr numeric{};
    if (copy.find('\0') != std::string::npos || ::inet_pton(AF_INET, copy.c_str(), &numeric) != 1) {
        return std::nullopt;
    }
    return ntohl(numeric.s_addr);
}

std::optional<std::uint32_t> lookUpIPv4(std::string_view host) {
    const std::string text(host);
    if (text.empty() || text.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    if (const auto numeric = parseIPv4(text)) {
        return numeric;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(text.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    std::optional<std::uint32_t> address;
    for (const addrinfo* entry = found; entry != nullptr; entry = entry->ai_next) {
        if (entry->ai_family == AF_INET && entry->ai_addr != nullptr) {
            const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(entry->ai_addr);
            address = ntohl(ipv4->sin_addr.s_addr);
            break;
        }
    }
    ::freeaddrinfo(found);
    return address;
}

PendingConnect startConnect(std::uint32_t address, std::uint16_t port) {
    const int descriptor = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        return {};
    }
    if (!setNonBlocking(descriptor, true)) {
        ::close(descriptor);
        return {};
    }
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = htonl(address);
    if (::connect(descriptor, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) {
        if (!setNonBlocking(descriptor, false)) {
            ::close(descriptor);
            return {};
        }
        return {descriptor, ConnectStart::Connected};
    }
    if (errno == EINPROGRESS || errno == EINTR) {
        return {descriptor, ConnectStart::InProgress};
    }
    ::close(descriptor);
    return {};
}

bool finishConnect(SocketHandle socket) {
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd(socket), SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
        return false;
    }
    return setNonBlocking(fd(socket), false);
}

std::optional<std::uint32_t> peerIPv4(SocketHandle socket) {
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    if (::getpeername(fd(socket), reinterpret_cast<sockaddr*>(&peer), &length) != 0 ||
        peer.sin_family != AF_INET) {
        return std::nullopt;
    }
    return ntohl(peer.sin_addr.s_addr);
}

int sendNow(SocketHandle socket, const void* bytes, int count) {
    const int sent = trySend(socket, bytes, count);
    return sent < 0 ? -1 : sent;
}

int trySend(SocketHandle socket, const void* bytes, int count) {
    if (count < 0) {
        return -1;
    }
    ssize_t sent;
    do {
        sent = ::send(fd(socket), bytes, static_cast<size_t>(count), MSG_NOSIGNAL | MSG_DONTWAIT);
    } while (sent < 0 && errno == EINTR);
    if (sent < 0) {
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? -2 : -1;
    }
    return static_cast<int>(sent);
}

int receiveBlocking(SocketHandle socket, void* destination, int maximum) {
    if (maximum < 0) {
        return -1;
    }
    ssize_t received;
    do {
        received = ::recv(fd(socket), destination, static_cast<size_t>(maximum), 0);
    } while (received < 0 && errno == EINTR);
    return received < 0 ? -1 : static_cast<int>(received);
}

int receiveNow(SocketHandle socket, void* destination, int maximum) {
    if (maximum < 0) {
        return -1;
    }
    ssize_t received;
    do {
        received = ::recv(fd(socket), destination, static_cast<size_t>(maximum), MSG_DONTWAIT);
    } while (received < 0 && errno == EINTR);
    if (received < 0) {
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? -2 : -1;
    }
    return static_cast<int>(received);
}

int bytesWaiting(SocketHandle socket) {
    int count = 0;
    if (::ioctl(fd(socket), FIONREAD, &count) != 0) {
        return -1;
    }
    return count;
}

Readiness waitReadable(SocketHandle socket, int milliseconds) {
    // An error or hang-up makes the socket readable too: the next receive
    // reports it.
    const int events = waitFor(socket, POLLIN, milliseconds);
    if (events < 0 || (events & POLLNVAL) != 0) {
        return Readiness::Failed;
    }
    return events == 0 ? Readiness::NotReady : Readiness::Ready;
}

Readiness waitWritable(SocketHandle socket, int milliseconds) {
    // A broken connection is not "writable": a send would only fail again.
    const int events = waitFor(socket, POLLOUT, milliseconds);
    if (events < 0 || (events & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
        return Readiness::Failed;
    }
    return events == 0 ? Readiness::NotReady : Readiness::Ready;
}

void closeSocket(SocketHandle socket) {
    if (socket != NoSocket) {
        ::close(fd(socket));
    }
}

int unacknowledgedBytes(SocketHandle socket) {
    int pending = 0;
    return ::ioctl(fd(socket), SIOCOUTQ, &pending) == 0 ? pending : -1;
}

void resetSocket(SocketHandle socket) {
    if (socket == NoSocket) {
        return;
    }
    const linger reset{1, 0};
    ::setsockopt(fd(socket), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    ::close(fd(socket));
}

} // namespace codarium::platform
