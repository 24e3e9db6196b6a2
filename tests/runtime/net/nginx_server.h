#pragma once
// An nginx started by a test on 127.0.0.1, in the foreground and as one
// process, with its configuration, pid file, logs and temporary folders in
// a folder of its own; stopped when the object goes away.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace codarium::testing {

class NginxServer {
public:
    // The "server { ... }" blocks of the http section, given the free ports
    // chosen for them (listen on "127.0.0.1:<port>").
    using ServerBlocks = std::function<QStringList(const std::vector<std::uint16_t>& ports)>;

    // Chooses portCount free ports, writes the configuration and waits until
    // nginx accepts connections on every port; a port taken meanwhile by
    // someone else makes it try again with new ones.
    NginxServer(std::size_t portCount, const ServerBlocks& blocks);
    ~NginxServer();
    NginxServer(const NginxServer&) = delete;
    NginxServer& operator=(const NginxServer&) = delete;

    bool running() const { return running_; }
    // Why it is not running: nginx's own words, or what was missing.
    const QString& error() const { return error_; }
    // 0 unless running.
    std::uint16_t port(std::size_t index) const;

private:
    bool startOnce(const ServerBlocks& blocks);
    void stop();

    QTemporaryDir folder_;
    QProcess process_;
    std::vector<std::uint16_t> ports_;
    bool running_ = false;
    QString error_;
};

// A server block serving root on 127.0.0.1:port, over TLS with the
// certificate and key when both are given; extra lines go inside the block
// (locations, redirects, "limit_rate 64k;" and the like).
QString nginxServerBlock(std::uint16_t port, const QString& root, const QString& extra = {},
                         const QString& certificate = {}, const QString& key = {});

} // namespace codarium::testing
