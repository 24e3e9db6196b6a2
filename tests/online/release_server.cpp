#include "tests/online/release_server.h"

#include "tests/runtime/net/test_certificates.h"

#include <QTemporaryDir>

namespace codarium::testsupport {
namespace {

using codarium::testing::nginxServerBlock;
using codarium::testing::TestCertificates;

// Made once per process: openssl takes a moment, and every server of every
// test can share them.
const TestCertificates& certificates() {
    static QTemporaryDir folder;
    static const TestCertificates made = codarium::testing::makeTestCertificates(folder.path());
    return made;
}

// Locations that send "/aktualisierung/..." through `hops` relative
// redirects ("/h/aktualisierung/...", "/h/h/aktualisierung/...") to the
// release, the raw request kept so that escapes arrive as they were sent.
QString hopLocations(int hops, const QString& root) {
    QString locations = " absolute_redirect off;\n";
    QString prefix;
    for (int depth = 0; depth < hops; ++depth) {
        locations +=
            QString(" location ^~ %1/aktualisierung/ { return 302 /h$request_uri; }\n").arg(prefix);
        prefix += "/h";
    }
    return locations + QString(" location ^~ %1/aktualisierung/ { alias %2/aktualisierung/; }\n")
                           .arg(prefix, root);
}

} // namespace

const char* routeName(Route route) {
    static const char* const names[] = {"http",   "https",        "http-to-https", "5 hops",
                                        "6 hops", "down to http", "wrong host",    "expired"};
    return names[static_cast<std::size_t>(route)];
}

ReleaseServer::ReleaseServer(const QString& root) {
    const TestCertificates& c = certificates();
    if (!c.error.isEmpty()) {
        error_ = c.error.toStdString();
        return;
    }
    // Only the test CA is trusted, by this process and the updater it starts.
    qputenv("SSL_CERT_FILE", c.caFile.toUtf8());
    qputenv("SSL_CERT_DIR", (root + "/no-such-folder").toUtf8());
    nginx_ = std::make_unique<codarium::testing::NginxServer>(
        static_cast<std::size_t>(Route::Count), [&](const std::vector<std::uint16_t>& p) {
            const auto port = [&](Route r) { return p[static_cast<std::size_t>(r)]; };
            return QStringList{
                nginxServerBlock(port(Route::Http), root),
                nginxServerBlock(port(Route::Https), root, {}, c.localhost, c.key),
                nginxServerBlock(port(Route::HttpToHttps), root,
                                 QString(" location / { return 301 "
                                         "https://localhost:%1$request_uri; }\n")
                                     .arg(port(Route::Https))),
                nginxServerBlock(port(Route::FiveHops), root, hopLocations(5, root), c.localhost,
                                 c.key),
                nginxServerBlock(port(Route::SixHops), root, hopLocations(6, root), c.localhost,
                                 c.key),
                nginxServerBlock(port(Route::DownToHttp), root,
                                 QString(" location / { return 302 "
                                         "http://127.0.0.1:%1$request_uri; }\n")
                                     .arg(port(Route::Http)),
                                 c.localhost, c.key),
                nginxServerBlock(port(Route::WrongHost), root, {}, c.otherHost, c.key),
                nginxServerBlock(port(Route::Expired), root, {}, c.expired, c.key),
            };
        });
    if (!nginx_->running()) {
        error_ = nginx_->error().toStdString();
    }
}

bool ReleaseServer::running() const {
    return nginx_ && nginx_->running();
}

std::string ReleaseServer::error() const {
    return error_;
}

std::string ReleaseServer::server(Route route) const {
    const std::string port =
        std::to_string(running() ? nginx_->port(static_cast<std::size_t>(route)) : 0);
    switch (route) {
    case Route::Http:
    case Route::HttpToHttps:
        return "http://127.0.0.1:" + port;
    default:
        return "https://localhost:" + port;
    }
}

} // namespace codarium::testsupport
