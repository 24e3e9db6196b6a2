#pragma once
// A Python server process on 127.0.0.1 started by a test and killed when the
// object goes away.
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <cstdint>

namespace codarium::testing {

class ServerProcess {
public:
    // Runs python3 with the arguments and waits for the port the server
    // prints (a line that is only the number, or "... port N ...").
    explicit ServerProcess(const QStringList& arguments, const QString& workingDirectory = {}) {
        process_.setProgram("python3");
        process_.setArguments(QStringList{"-u"} + arguments);
        if (!workingDirectory.isEmpty()) {
            process_.setWorkingDirectory(workingDirectory);
        }
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        if (!process_.waitForStarted(5000)) {
            return;
        }
        static const QRegularExpression portPattern(R"((?:^|port )(\d+)\b)");
        QByteArray seen;
        while (port_ == 0 && process_.waitForReadyRead(5000)) {
            seen += process_.readAllStandardOutput();
            for (const QByteArray& line : seen.split('\n')) {
                const auto match = portPattern.match(QString::fromLatin1(line.trimmed()));
                if (match.hasMatch()) {
                    port_ = static_cast<std::uint16_t>(match.captured(1).toUInt());
                    break;
                }
            }
        }
    }
    ~ServerProcess() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // 0 when the server did not come up.
    std::uint16_t port() const { return port_; }

private:
    QProcess process_;
    std::uint16_t port_ = 0;
};

} // namespace codarium::testing
