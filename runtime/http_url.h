#pragma once
// Splitting a download address into the parts the request needs, and the
// request bytes built from them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace codarium {

inline constexpr std::uint16_t HttpPort = 80;
inline constexpr std::uint16_t HttpsPort = 443;

struct HttpUrl {
    bool secure = false; // https: fetched over TLS
    std::string host;
    std::uint16_t port = HttpPort;
    std::string path; // after the first "/" behind the host, query included; may be empty

    std::uint16_t defaultPort() const { return secure ? HttpsPort : HttpPort; }
};

// The parts of scheme://[credentials@]host[:port][/path]; none without "://",
// with an empty host, or with a control character that would break the
// request's lines. A scheme of "https" in any letter case is fetched over
// TLS (port 443 unless given); every other scheme is fetched with plain
// HTTP (port 80 unless given). Credentials are dropped.
std::optional<HttpUrl> splitUrl(std::string_view url);

// The GET request for the address: request line, Accept, Host (with ":port"
// unless the port is the scheme's own), Connection: close and the empty
// line, each ended by CR LF.
std::string buildRequest(const HttpUrl& url);

} // namespace codarium
