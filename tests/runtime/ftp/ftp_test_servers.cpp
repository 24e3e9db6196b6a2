#include "ftp_test_servers.h"

#include "runtime/ftp_client.h"

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <fstream>
#include <limits>
#include <thread>

namespace codarium::ftptest {

namespace {

// pyftpdlib comes from the distribution; prefer its interpreter over one
// earlier on PATH that may lack it.
QString python() {
    return QFileInfo::exists("/usr/bin/python3") ? QStringLiteral("/usr/bin/python3")
                                                 : QStringLiteral("python3");
}

QString scriptPath(const char* name) {
    return QStringLiteral(CODARIUM_SOURCE_DIR "/tests/runtime/ftp/") + QString::fromUtf8(name);
}

} // namespace

TestServer::~TestServer() {
    if (process_) {
        process_->kill();
        process_->waitForFinished(5000);
    }
}

bool TestServer::start(const QString& script, const QStringList& arguments) {
    if (!dir_.isValid()) {
        return false;
    }
    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->start(python(), QStringList{script} + arguments);
    if (!process_->waitForStarted(5000)) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!process_->canReadLine() && std::chrono::steady_clock::now() < deadline) {
        process_->waitForReadyRead(200);
    }
    const QByteArray line = process_->readLine().trimmed();
    if (!line.startsWith("PORT ")) {
        return false;
    }
    port_ = static_cast<std::uint16_t>(line.mid(5).toUInt());
    return port_ != 0;
}

bool TestServer::startPyftpdlib(int readLimit, const char* user, const char* password) {
    QDir(dir_.path()).mkdir("root");
    QStringList arguments{
        "--root", QString::fromStdString(root()),        "--user", user, "--password", password,
        "--log",  QString::fromStdString(scratch("log"))};
    if (readLimit > 0) {
        arguments << "--read-limit" << QString::number(readLimit);
    }
    return start(scriptPath("pyftpd_launcher.py"), arguments);
}

bool TestServer::startScripted(const std::string& scenario) {
    return start(scriptPath("scripted_ftp_server.py"),
                 {"--scenario", QString::fromStdString(scenario), "--log",
                  QString::fromStdString(scratch("log")), "--data",
                  QString::fromStdString(dataFile())});
}

std::string TestServer::root() const {
    return scratch("root");
}
std::string TestServer::dataFile() const {
    return scratch("data");
}
std::string TestServer::log() const {
    return readFile(scratch("log"));
}
bool TestServer::logShows(const std::string& text) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (log().find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::string TestServer::scratch(const std::string& name) const {
    return dir_.path().toStdString() + "/" + name;
}

std::int32_t waitForBytes(int number, std::int32_t bytes, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    std::int32_t state = transferState(number);
    while (state != TransferFailed && state != TransferDone && state < bytes &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        state = transferState(number);
    }
    return state;
}

std::int32_t waitForEnd(int number, int seconds) {
    return waitForBytes(number, std::numeric_limits<std::int32_t>::max(), seconds);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string patternBytes(std::size_t count) {
    std::string bytes(count, '\0');
    std::uint32_t x = 2463534242u;
    for (auto& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<char>(x & 0xFF);
    }
    return bytes;
}

} // namespace codarium::ftptest
