#pragma once
// FTP servers on 127.0.0.1 for the client's tests, each a Python process that
// the test starts and stops: pyftpdlib with one user, or the scripted server
// for replies a real server will not give.
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <string>

namespace codarium::ftptest {

inline constexpr const char* User = "uploader";
inline constexpr const char* Password = "s3cret pass";

class TestServer {
public:
    TestServer() = default;
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;
    ~TestServer();

    // pyftpdlib serving root() to the user and password; readLimit > 0
    // throttles uploads to that many bytes per second.
    bool startPyftpdlib(int readLimit = 0, const char* user = User,
                        const char* password = Password);
    // The scripted server acting out one scenario.
    bool startScripted(const std::string& scenario);

    std::uint16_t port() const { return port_; }
    std::string root() const;     // pyftpdlib's folder
    std::string dataFile() const; // where the scripted server puts an upload
    std::string log() const;      // everything logged so far
    // Waits up to a few seconds for text to appear in the log.
    bool logShows(const std::string& text) const;
    std::string scratch(const std::string& name) const; // a path for the test's own files

private:
    bool start(const QString& script, const QStringList& arguments);

    QTemporaryDir dir_;
    std::unique_ptr<QProcess> process_;
    std::uint16_t port_ = 0;
};

// Polls transferState until the transfer has ended or about `seconds` have
// passed; returns the last state seen.
std::int32_t waitForEnd(int number, int seconds = 20);
// Polls until the state reaches at least `bytes` or the transfer ended.
std::int32_t waitForBytes(int number, std::int32_t bytes, int seconds = 20);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// Reproducible bytes of every value.
std::string patternBytes(std::size_t count);

} // namespace codarium::ftptest
