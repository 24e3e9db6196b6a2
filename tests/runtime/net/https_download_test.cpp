// Downloads from a real nginx on 127.0.0.1, over plain HTTP and over TLS
// with certificates of a test CA, through its redirects and its rate limit.
#include "runtime/http_download.h"

#include "local_listener.h"
#include "nginx_server.h"
#include "test_certificates.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>

using namespace codarium;
using codarium::testing::NginxServer;
using codarium::testing::nginxServerBlock;
using codarium::testing::TestCertificates;

namespace {

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

std::string patterned(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 31 + i / 977) % 251);
    }
    return bytes;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

const std::string Release = patterned(3 * 1024 * 1024 + 17);
const std::string OldContents = "the old contents";

// The ports of the one nginx every case shares.
enum Port : std::size_t {
    Plain,      // http: the files, and a redirect of /to-https/ to Secure
    Secure,     // https for "localhost"; without a server name, other.test's certificate
    WrongHost,  // https with other.test's certificate only
    Expired,    // https with an expired certificate for localhost
    SelfSigned, // https with a certificate nobody vouches for
    PortCount
};

class HttpsDownload : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<QTemporaryDir>();
        const QString root = folder_->filePath("served");
        QDir().mkpath(root + "/files");
        QDir().mkpath(root + "/slow");
        writeFile(root + "/files/release.bin", Release);
        writeFile(root + "/slow/big.bin", patterned(2 * 1024 * 1024));
        QDir().mkpath(folder_->filePath("tls"));
        certificates_ = codarium::testing::makeTestCertificates(folder_->filePath("tls"));
        if (!certificates_.error.isEmpty()) {
            return;
        }
        // The client trusts the test CA and nothing else.
        qputenv("SSL_CERT_FILE", certificates_.caFile.toUtf8());
        qputenv("SSL_CERT_DIR", folder_->filePath("no-such-folder").toUtf8());
        const TestCertificates& c = certificates_;
        nginx_ = std::make_unique<NginxServer>(PortCount, [&](const std::vector<std::uint16_t>& p) {
            const QString redirects =
                QString(
                    " server_name localhost;\n absolute_redirect off;\n"
                    " location = /relative { return 302 files/release.bin; }\n"
                    " location = /sub/dir/up { return 307 ../../files/./release.bin; }\n"
                    " location = /hop1 { return 308 /files/release.bin; }\n"
                    " location = /hop2 { return 307 /hop1; }\n"
                    " location = /hop3 { return 303 /hop2; }\n"
                    " location = /hop4 { return 302 https://localhost:%1/hop3; }\n"
                    " location = /hop5 { return 301 //localhost:%1/hop4; }\n"
                    " location = /hop6 { return 302 /hop5; }\n"
                    " location = /to-http { return 302 http://localhost:%2/files/release.bin; }\n"
                    " location = /to-missing { return 302 /files/missing.bin; }\n"
                    " location /slow/ { limit_rate 64k; }\n")
                    .arg(p[Secure])
                    .arg(p[Plain]);
            return QStringList{
                nginxServerBlock(p[Plain], root,
                                 QString(" location /to-https/ { rewrite ^/to-https/(.*)$ "
                                         "https://localhost:%1/$1 permanent; }\n")
                                     .arg(p[Secure])),
                nginxServerBlock(p[Secure], root, {}, c.otherHost, c.key)
                    .replace(" ssl;", " ssl default_server;"),
                nginxServerBlock(p[Secure], root, redirects, c.localhost, c.key),
                nginxServerBlock(p[WrongHost], root, {}, c.otherHost, c.key),
                nginxServerBlock(p[Expired], root, {}, c.expired, c.key),
                nginxServerBlock(p[SelfSigned], root, {}, c.selfSigned, c.key),
            };
        });
    }
    static void TearDownTestSuite() {
        nginx_.reset();
        folder_.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(certificates_.error.isEmpty()) << certificates_.error.toStdString();
        ASSERT_TRUE(nginx_ && nginx_->running()) << nginx_->error().toStdString();
        ASSERT_TRUE(out_.isValid());
    }

    static std::string url(const char* scheme, const char* host, Port port, const char* path) {
        return std::string(scheme) + "://" + host + ":" + std::to_string(nginx_->port(port)) + path;
    }
    QString destination() const { return out_.filePath("Index.ini"); }
    int fetch(const std::string& address, const StopToken* stop = nullptr, int maxSeconds = 0) {
        return download(address, destination().toStdString(), stop, DownloadLimitBytes, maxSeconds);
    }
    // Nothing but the destination is left in its folder.
    QStringList folderEntries() const {
        return QDir(out_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    void expectRefusedAndUntouched(const std::string& address) {
        SCOPED_TRACE(address);
        writeFile(destination(), OldContents);
        EXPECT_EQ(fetch(address), 0);
        EXPECT_EQ(readFile(destination()), OldContents);
        EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
    }

    static std::unique_ptr<QTemporaryDir> folder_;
    static TestCertificates certificates_;
    static std::unique_ptr<NginxServer> nginx_;
    QTemporaryDir out_;
};

std::unique_ptr<QTemporaryDir> HttpsDownload::folder_;
TestCertificates HttpsDownload::certificates_;
std::unique_ptr<NginxServer> HttpsDownload::nginx_;

} // namespace

TEST_F(HttpsDownload, StoresTheFileOverHttpAndOverTlsByNameAndByAddress) {
    // By name the server picks the certificate through the name the client
    // sends; by address it sends the one that names 127.0.0.1.
    for (const std::string& address : {url("http", "127.0.0.1", Plain, "/files/release.bin"),
                                       url("https", "localhost", Secure, "/files/release.bin"),
                                       url("HTTPS", "localhost", Secure, "/files/release.bin"),
                                       url("https", "127.0.0.1", Secure, "/files/release.bin")}) {
        SCOPED_TRACE(address);
        writeFile(destination(), OldContents);
        EXPECT_EQ(fetch(address), static_cast<int>(Release.size()));
        EXPECT_TRUE(readFile(destination()) == Release);
        EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
    }
}

TEST_F(HttpsDownload, RefusesCertificatesThatDoNotCheckOut) {
    for (const std::string& address : {url("https", "localhost", WrongHost, "/files/release.bin"),
                                       url("https", "localhost", Expired, "/files/release.bin"),
                                       url("https", "localhost", SelfSigned, "/files/release.bin"),
                                       url("https", "127.0.0.1", Expired, "/files/release.bin")}) {
        expectRefusedAndUntouched(address);
    }
}

TEST_F(HttpsDownload, TellsACertificateRefusalFromAWorkingSession) {
    struct Case {
        const char* host;
        Port port;
        TlsOutcome outcome;
    };
    for (const Case c : {Case{"localhost", Secure, TlsOutcome::Established},
                         Case{"127.0.0.1", Secure, TlsOutcome::Established},
                         Case{"localhost", WrongHost, TlsOutcome::CertificateRejected},
                         Case{"localhost", Expired, TlsOutcome::CertificateRejected},
                         Case{"localhost", SelfSigned, TlsOutcome::CertificateRejected}}) {
        SCOPED_TRACE(std::string(c.host) + ":" + std::to_string(nginx_->port(c.port)));
        OwnedConnection connection(openConnection(c.host, nginx_->port(c.port)));
        ASSERT_TRUE(connection);
        EXPECT_EQ(startTls(connection.get(), c.host, 10), c.outcome);
    }
    // A plain HTTP server answers no handshake.
    OwnedConnection plain(openConnection("127.0.0.1", nginx_->port(Plain)));
    ASSERT_TRUE(plain);
    EXPECT_EQ(startTls(plain.get(), "localhost", 10), TlsOutcome::HandshakeFailed);
}

TEST_F(HttpsDownload, ABareSocketCallNeverBypassesTheSession) {
    OwnedConnection connection(openConnection("localhost", nginx_->port(Secure)));
    ASSERT_TRUE(connection);
    ASSERT_EQ(startTls(connection.get(), "localhost", 10), TlsOutcome::Established);
    char block[16];
    EXPECT_EQ(sendSome(connection.get(), "GET", 3), -1);
    EXPECT_EQ(receiveSome(connection.get(), block, sizeof block), -1);
    EXPECT_EQ(pollConnection(connection.get()), PollResult::Closed);
    // The session itself still works.
    const std::string request =
        "GET /files/release.bin HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n";
    ASSERT_TRUE(sendAll(connection.get(), request.data(), static_cast<int>(request.size()), 10));
    char answer[64];
    ASSERT_GT(receiveWithin(connection.get(), answer, 63, 10), 12);
    EXPECT_EQ(std::string(answer, 12), "HTTP/1.1 200");
}

TEST_F(HttpsDownload, FollowsRedirectsOfEveryKindAndStoresOnlyTheirTarget) {
    // hop5 is five redirects (301, 302, 303, 307, 308) away from the file,
    // through an absolute and a scheme-relative Location.
    for (const std::string& address :
         {url("http", "127.0.0.1", Plain, "/to-https/files/release.bin"),
          url("https", "localhost", Secure, "/relative"),
          url("https", "localhost", Secure, "/sub/dir/up"),
          url("https", "localhost", Secure, "/hop5")}) {
        SCOPED_TRACE(address);
        writeFile(destination(), OldContents);
        EXPECT_EQ(fetch(address), static_cast<int>(Release.size()));
        EXPECT_TRUE(readFile(destination()) == Release);
        EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
    }
}

TEST_F(HttpsDownload, RefusesASixthRedirectADowngradeAndAMissingTarget) {
    for (const std::string& address :
         {url("https", "localhost", Secure, "/hop6"), url("https", "localhost", Secure, "/to-http"),
          url("https", "localhost", Secure, "/to-missing"),
          url("http", "127.0.0.1", Plain, "/to-https/files/missing.bin")}) {
        expectRefusedAndUntouched(address);
    }
}

TEST_F(HttpsDownload, ASlowServerIsHeldToTheWholeTimeAcrossItsRedirect) {
    // 2 MB at 64 KB a second would take half a minute; the redirect from
    // plain HTTP counts against the same two seconds.
    writeFile(destination(), OldContents);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(fetch(url("http", "127.0.0.1", Plain, "/to-https/slow/big.bin"), nullptr, 2), 0);
    EXPECT_GE(secondsSince(start), 1.0);
    EXPECT_LT(secondsSince(start), 4.0);
    EXPECT_EQ(readFile(destination()), OldContents);
    EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
}

TEST_F(HttpsDownload, StopsPromptlyInTheMiddleOfATlsBody) {
    writeFile(destination(), OldContents);
    StopToken stop{false};
    std::thread setter([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        stop = true;
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(fetch(url("https", "localhost", Secure, "/slow/big.bin"), &stop), 0);
    setter.join();
    EXPECT_LT(secondsSince(start), 1.5);
    EXPECT_EQ(readFile(destination()), OldContents);
    EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
}

TEST(TlsHandshake, APeerThatNeverAnswersIsHeldToTheLimitAndToTheStopToken) {
    // The listener never accepts: the system completes the connection, and
    // nobody ever answers the client's greeting.
    codarium::testing::LocalListener silent;
    {
        OwnedConnection connection(openConnection("127.0.0.1", silent.port()));
        ASSERT_TRUE(connection);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(startTls(connection.get(), "localhost", 1), TlsOutcome::TimedOut);
        EXPECT_GE(secondsSince(start), 0.9);
        EXPECT_LT(secondsSince(start), 3.0);
    }
    OwnedConnection connection(openConnection("127.0.0.1", silent.port()));
    ASSERT_TRUE(connection);
    StopToken stop{false};
    std::thread setter([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        stop = true;
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(startTls(connection.get(), "localhost", 10, &stop), TlsOutcome::Stopped);
    setter.join();
    EXPECT_LT(secondsSince(start), 1.0);
}
