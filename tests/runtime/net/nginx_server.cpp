#include "nginx_server.h"

#include "local_listener.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace codarium::testing {

namespace {

constexpr int Attempts = 3;
constexpr auto StartLimit = std::chrono::seconds(10);

QString nginxProgram() {
    const QString onPath = QStandardPaths::findExecutable("nginx");
    return onPath.isEmpty() ? QStandardPaths::findExecutable("nginx", {"/usr/sbin", "/sbin"})
                            : onPath;
}

bool accepts(std::uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected =
        fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return connected;
}

// Everything nginx would otherwise put under its installation's folders
// goes into the prefix: nothing here needs root or touches another nginx.
QByteArray configuration(const QString& prefix, const QStringList& blocks) {
    QByteArray text = "daemon off;\n"
                      "master_process off;\n"
                      "worker_processes 1;\n"
                      "pid " +
                      prefix.toUtf8() +
                      "/nginx.pid;\n"
                      "lock_file " +
                      prefix.toUtf8() +
                      "/nginx.lock;\n"
                      "error_log stderr warn;\n"
                      "events { worker_connections 64; }\n"
                      "http {\n"
                      "  access_log off;\n"
                      "  default_type application/octet-stream;\n"
                      "  sendfile on;\n";
    for (const char* kind : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"}) {
        text += "  " + QByteArray(kind) + "_temp_path " + prefix.toUtf8() + "/temp/" + kind + ";\n";
    }
    for (const QString& block : blocks) {
        text += block.toUtf8() + "\n";
    }
    text += "}\n";
    return text;
}

} // namespace

QString nginxServerBlock(std::uint16_t port, const QString& root, const QString& extra,
                         const QString& certificate, const QString& key) {
    const bool tls = !certificate.isEmpty() && !key.isEmpty();
    QString block = QString("server {\n listen 127.0.0.1:%1%2;\n root %3;\n")
                        .arg(port)
                        .arg(tls ? " ssl" : "", root);
    if (tls) {
        block += QString(" ssl_certificate %1;\n ssl_certificate_key %2;\n").arg(certificate, key);
    }
    return block + extra + "}\n";
}

NginxServer::NginxServer(std::size_t portCount, const ServerBlocks& blocks) {
    if (!folder_.isValid()) {
        error_ = "no folder for nginx";
        return;
    }
    for (int attempt = 0; attempt < Attempts && !running_; ++attempt) {
        ports_.clear();
        // Held open together, so that the ports differ from each other.
        std::vector<std::unique_ptr<LocalListener>> held;
        for (std::size_t i = 0; i < portCount; ++i) {
            held.push_back(std::make_unique<LocalListener>());
            ports_.push_back(held.back()->port());
        }
        held.clear();
        running_ = startOnce(blocks);
    }
}

NginxServer::~NginxServer() {
    stop();
}

std::uint16_t NginxServer::port(std::size_t index) const {
    return running_ && index < ports_.size() ? ports_[index] : 0;
}

bool NginxServer::startOnce(const ServerBlocks& blocks) {
    const QString program = nginxProgram();
    if (program.isEmpty()) {
        error_ = "nginx is not installed (scripts/setup installs nginx-light)";
        return false;
    }
    const QString prefix = folder_.path();
    QDir().mkpath(prefix + "/temp");
    QFile config(prefix + "/nginx.conf");
    if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        config.write(configuration(prefix, blocks(ports_))) < 0) {
        error_ = "cannot write " + config.fileName();
        return false;
    }
    config.close();

    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(program, {"-p", prefix + "/", "-c", config.fileName(), "-e", "stderr"});
    if (!process_.waitForStarted(5000)) {
        error_ = "nginx could not be started";
        return false;
    }
    const auto until = std::chrono::steady_clock::now() + StartLimit;
    while (std::chrono::steady_clock::now() < until) {
        bool all = true;
        for (const std::uint16_t port : ports_) {
            all = all && accepts(port);
        }
        if (all) {
            return true;
        }
        if (process_.waitForFinished(20)) {
            error_ = QString::fromLocal8Bit(process_.readAll());
            return false;
        }
    }
    error_ = "nginx did not accept connections in time";
    stop();
    return false;
}

void NginxServer::stop() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

} // namespace codarium::testing
