#pragma once
// A listening TCP socket on 127.0.0.1 owned by a test, and the few raw socket
// calls the tests play the server side with.
#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace codarium::testing {

class LocalListener {
public:
    LocalListener() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
            ::listen(fd_, 8) == 0 &&
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
            port_ = ntohs(address.sin_port);
        }
    }
    ~LocalListener() { ::close(fd_); }
    LocalListener(const LocalListener&) = delete;
    LocalListener& operator=(const LocalListener&) = delete;

    std::uint16_t port() const { return port_; }

    // The next accepted connection, or -1 when none comes within the time.
    int accept(int milliseconds = 5000) const {
        pollfd entry{fd_, POLLIN, 0};
        if (::poll(&entry, 1, milliseconds) != 1) {
            return -1;
        }
        return ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

inline void sendText(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const auto sent = ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (sent <= 0) {
            return;
        }
        done += static_cast<std::size_t>(sent);
    }
}

// Reads until count bytes came or the peer stopped sending for a second.
inline std::string receiveText(int fd, std::size_t count) {
    std::string out;
    char block[4096];
    while (out.size() < count) {
        pollfd entry{fd, POLLIN, 0};
        if (::poll(&entry, 1, 1000) != 1) {
            break;
        }
        const auto got = ::recv(fd, block, sizeof block, 0);
        if (got <= 0) {
            break;
        }
        out.append(block, static_cast<std::size_t>(got));
    }
    return out;
}

// Closes with a reset instead of an orderly end.
inline void resetAndClose(int fd) {
    linger option{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &option, sizeof option);
    ::close(fd);
}

// A port nothing listens on (bound once, then released).
inline std::uint16_t unusedPort() {
    LocalListener listener;
    return listener.port();
}

} // namespace codarium::testing
