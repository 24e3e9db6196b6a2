#pragma once
// Splitting a download address into the parts the request needs, and the
// request bytes built from them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace codarium {

struct HttpUrl {
    std::string host;
    std::uint16_t port = 80;
    std::string path; // after the first "/" behind the host, query included; may be empty
};

// The parts of scheme://[credentials@]host[:port][/path]; none without "://",
// with an empty host, or with a control character that would break the
// request's lines. The scheme is not examined and credentials are dropped.
std::optional<HttpUrl> splitUrl(std::string_view url);

// The GET request for the address: request line, Accept, Host (with ":port"
// unless the port is 80), Connection: close and the empty line, each ended
// by CR LF.
std::string buildRequest(const HttpUrl& url);

} // namespace codarium
