#pragma once
// A release folder served by nginx on 127.0.0.1 every way the update check
// and the updater meet a server: plain HTTP, HTTPS for "localhost" with a
// test CA this process (and every program it starts) trusts through
// SSL_CERT_FILE, redirects in front of it, and servers that must be refused.
#include "tests/runtime/net/nginx_server.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

namespace codarium::testsupport {

// How the release is reached; the first ones lead to it, the rest must be
// refused.
enum class Route : std::size_t {
    Http,        // plain HTTP
    Https,       // TLS, certificate for localhost from the trusted CA
    HttpToHttps, // plain HTTP answering every request with a 301 to Https
    FiveHops,    // TLS, five redirects (302, relative) before each file
    SixHops,     // the same with six
    DownToHttp,  // TLS answering every request with a 302 to Http
    WrongHost,   // TLS with a trusted certificate for another host
    Expired,     // TLS with a trusted certificate for localhost that has ended
    Count
};

const char* routeName(Route route);
// For the names of the test cases gtest prints.
inline void PrintTo(Route route, std::ostream* out) {
    *out << routeName(route);
}

class ReleaseServer {
public:
    // Serves the folder (which holds "aktualisierung/<Verzeichnis>/...").
    explicit ReleaseServer(const QString& root);

    bool running() const;
    // Why it is not running: openssl's or nginx's words.
    std::string error() const;
    // The "Server" value that reaches the release by the route.
    std::string server(Route route) const;

private:
    std::unique_ptr<codarium::testing::NginxServer> nginx_;
    std::string error_;
};

} // namespace codarium::testsupport
