#include "runtime/http_download.h"

#include "local_listener.h"
#include "server_process.h"

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>

using namespace codarium;
using codarium::testing::ServerProcess;

namespace {

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

std::string patterned(std::size_t size, int step) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * static_cast<std::size_t>(step) + 3) % 256);
    }
    return bytes;
}

const std::string Body1000 = patterned(1000, 7);
const std::string ChunkedBody = "hello world-0123456789abcd-";
const std::string OldContents = "the old contents";

QString scriptPath() {
    return QString::fromUtf8(CODARIUM_SOURCE_DIR) + "/tests/runtime/net/scripted_http_server.py";
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class HttpDownload : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scripted_ = std::make_unique<ServerProcess>(QStringList{scriptPath()});
        files_ = std::make_unique<QTemporaryDir>();
        for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{2048},
                                       std::size_t{2049}, std::size_t{5 * 1024 * 1024}}) {
            writeFile(files_->filePath(QString("file-%1.bin").arg(size)), patterned(size, 13));
        }
        fileServer_ = std::make_unique<ServerProcess>(
            QStringList{"-m", "http.server", "0", "--bind", "127.0.0.1"}, files_->path());
    }
    static void TearDownTestSuite() {
        scripted_.reset();
        fileServer_.reset();
        files_.reset();
    }

    void SetUp() override {
        ASSERT_NE(scripted_->port(), 0) << "scripted server did not start";
        ASSERT_NE(fileServer_->port(), 0) << "file server did not start";
        ASSERT_TRUE(out_.isValid());
    }

    static std::string scripted(const std::string& path) {
        return "http://127.0.0.1:" + std::to_string(scripted_->port()) + "/" + path;
    }
    QString destination() const { return out_.filePath("Index.ini"); }
    std::string destinationPath() const { return destination().toStdString(); }
    int fetch(const std::string& url, const StopToken* stop = nullptr) const {
        return download(url, destinationPath(), stop);
    }
    // The folder holds the destination (when expected) and nothing else: no
    // temporary file is left behind.
    QStringList folderEntries() const {
        return QDir(out_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    static std::unique_ptr<ServerProcess> scripted_;
    static std::unique_ptr<ServerProcess> fileServer_;
    static std::unique_ptr<QTemporaryDir> files_;
    QTemporaryDir out_;
};

std::unique_ptr<ServerProcess> HttpDownload::scripted_;
std::unique_ptr<ServerProcess> HttpDownload::fileServer_;
std::unique_ptr<QTemporaryDir> HttpDownload::files_;

} // namespace

TEST_F(HttpDownload, StoresFilesOfEverySizeFromAFileServer) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{2048},
                                   std::size_t{2049}, std::size_t{5 * 1024 * 1024}}) {
        SCOPED_TRACE(size);
        writeFile(destination(), OldContents);
        const std::string url = "http://127.0.0.1:" + std::to_string(fileServer_->port()) +
                                "/file-" + std::to_string(size) + ".bin";
        EXPECT_EQ(fetch(url), static_cast<int>(size));
        EXPECT_EQ(readFile(destination()), patterned(size, 13));
        EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
    }
}

TEST_F(HttpDownload, ABodyLongerThanTheLimitFailsAndLeavesTheDestination) {
    const std::string url =
        "http://127.0.0.1:" + std::to_string(fileServer_->port()) + "/file-2049.bin";
    struct Case {
        std::int64_t limit;
        int stored;
    };
    for (const Case c : {Case{2049, 2049}, Case{1'000'000, 2049}, Case{2048, 0}, Case{0, 0}}) {
        SCOPED_TRACE(c.limit);
        writeFile(destination(), OldContents);
        EXPECT_EQ(download(url, destinationPath(), nullptr, c.limit), c.stored);
        EXPECT_EQ(readFile(destination()), c.stored != 0 ? patterned(2049, 13) : OldContents);
        EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
    }
    // Without a length the limit ends the body too, and so does it in chunks.
    for (const char* script : {"close-no-length", "chunked-one-block"}) {
        SCOPED_TRACE(script);
        writeFile(destination(), OldContents);
        EXPECT_EQ(download(scripted(script), destinationPath(), nullptr, 20), 0);
        EXPECT_EQ(readFile(destination()), OldContents);
        EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
    }
}

TEST_F(HttpDownload, SendsExactlyTheRequestLinesWithPathQueryAndPort) {
    const std::string host = "Host: 127.0.0.1:" + std::to_string(scripted_->port()) + "\r\n";
    const auto expected = [&](const std::string& target) {
        return "GET " + target + " HTTP/1.1\r\nAccept: */*\r\n" + host +
               "Connection: close\r\n\r\n";
    };
    const std::pair<std::string, std::string> cases[] = {
        {scripted("echo/x/Index.ini"), "/echo/x/Index.ini"},
        {scripted("echo?a=1&b=two%20x"), "/echo?a=1&b=two%20x"},
        {scripted(""), "/"},
        {"http://127.0.0.1:" + std::to_string(scripted_->port()), "/"},
        {"http://user:pw@127.0.0.1:" + std::to_string(scripted_->port()) + "/echo", "/echo"},
    };
    for (const auto& [url, target] : cases) {
        SCOPED_TRACE(url);
        const std::string request = expected(target);
        EXPECT_EQ(fetch(url), static_cast<int>(request.size()));
        EXPECT_EQ(readFile(destination()), request);
    }
}

TEST_F(HttpDownload, NamesTheHostAloneForPort80) {
    ServerProcess onPort80(QStringList{scriptPath(), "80"});
    if (onPort80.port() != 80) {
        GTEST_SKIP() << "port 80 is not available here";
    }
    const std::string request =
        "GET /echo HTTP/1.1\r\nAccept: */*\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    for (const char* url : {"http://127.0.0.1/echo", "http://127.0.0.1:80/echo"}) {
        EXPECT_EQ(fetch(url), static_cast<int>(request.size()));
        EXPECT_EQ(readFile(destination()), request);
    }
}

TEST_F(HttpDownload, StoresChunkedBodiesHoweverTheyArrive) {
    for (const char* script :
         {"chunked-one-block", "chunked-bytewise", "mixed-case-chunked", "chunked-over-length"}) {
        SCOPED_TRACE(script);
        EXPECT_EQ(fetch(scripted(script)), static_cast<int>(ChunkedBody.size()));
        EXPECT_EQ(readFile(destination()), ChunkedBody);
    }
}

TEST_F(HttpDownload, ReadsHeaderVariantsAndLongHeaders) {
    const std::pair<const char*, std::string> cases[] = {
        {"mixed-case", "case"},         {"length-without-blank", Body1000},
        {"length-after-tab", Body1000}, {"long-header", Body1000},
        {"split-after-cr", "body"},
    };
    for (const auto& [script, body] : cases) {
        SCOPED_TRACE(script);
        EXPECT_EQ(fetch(scripted(script)), static_cast<int>(body.size()));
        EXPECT_EQ(readFile(destination()), body);
    }
}

TEST_F(HttpDownload, FollowsARedirectButNeverStoresItsBody) {
    // To the same server, relative to the redirect's own path.
    const std::string followed = "GET /echo/after?x=1 HTTP/1.1\r\nAccept: */*\r\nHost: 127.0.0.1:" +
                                 std::to_string(scripted_->port()) +
                                 "\r\nConnection: close\r\n\r\n";
    EXPECT_EQ(fetch(scripted("redirect-relative/x")), static_cast<int>(followed.size()));
    EXPECT_EQ(readFile(destination()), followed);
    // To where nothing answers, and to nowhere at all.
    for (const char* script : {"redirect", "redirect-no-location"}) {
        SCOPED_TRACE(script);
        writeFile(destination(), OldContents);
        EXPECT_EQ(fetch(scripted(script)), 0);
        EXPECT_EQ(readFile(destination()), OldContents);
        EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
    }
}

TEST_F(HttpDownload, AnEmptyBodyReplacesTheDestinationWithAnEmptyFile) {
    writeFile(destination(), OldContents);
    EXPECT_EQ(fetch(scripted("length-zero")), 0);
    EXPECT_TRUE(QFile::exists(destination()));
    EXPECT_EQ(readFile(destination()), "");
    EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
}

TEST_F(HttpDownload, ABodyWithoutLengthEndsWhenTheServerClosesOrFallsSilent) {
    for (const char* script : {"close-no-length", "silent-no-length"}) {
        SCOPED_TRACE(script);
        EXPECT_EQ(fetch(scripted(script)), 1000);
        EXPECT_EQ(readFile(destination()), Body1000);
    }
}

TEST_F(HttpDownload, RefusedOrBrokenResponsesLeaveTheDestinationUntouched) {
    for (const char* script : {"not-found", "reason-200", "drop-300", "reset-mid-body",
                               "reset-no-length", "chunked-without-end", "too-long-header"}) {
        SCOPED_TRACE(script);
        writeFile(destination(), OldContents);
        EXPECT_EQ(fetch(scripted(script)), 0);
        EXPECT_EQ(readFile(destination()), OldContents);
        EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
    }
}

TEST_F(HttpDownload, AddressesWithoutSchemeOrHostOpenNoConnection) {
    codarium::testing::LocalListener listener;
    const std::string port = std::to_string(listener.port());
    for (const std::string& url : {"127.0.0.1:" + port + "/x", "http://:" + port + "/x",
                                   "http://user@:" + port + "/x", std::string()}) {
        SCOPED_TRACE(url);
        EXPECT_EQ(fetch(url), 0);
        EXPECT_EQ(listener.accept(100), -1);
    }
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(HttpDownload, FailsWhenNoServerListensOrTheFileCannotBeCreated) {
    EXPECT_EQ(fetch("http://127.0.0.1:" + std::to_string(codarium::testing::unusedPort()) + "/x"),
              0);
    EXPECT_EQ(download(scripted("echo"), out_.filePath("missing/Index.ini").toStdString()), 0);
    EXPECT_EQ(download(scripted("echo"), ""), 0);
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(HttpDownload, GivesUpOnAServerThatNeverAnswersAfterTenSeconds) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(fetch(scripted("never-answers")), 0);
    EXPECT_GE(secondsSince(start), 9.0);
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(HttpDownload, GivesUpOnATricklingServerWhenTheWholeTimeIsOver) {
    writeFile(destination(), OldContents);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(download(scripted("trickle"), destinationPath(), nullptr, DownloadLimitBytes, 3), 0);
    EXPECT_GE(secondsSince(start), 2.0);
    EXPECT_LT(secondsSince(start), 6.0) << "no read ever waits long enough for its own limit";
    EXPECT_EQ(readFile(destination()), OldContents);
    EXPECT_EQ(folderEntries(), QStringList{"Index.ini"});
}

TEST_F(HttpDownload, AConnectThatGetsNoAnswerIsHeldToTheWholeTime) {
    // A listener whose one-place queue is taken: the system drops the next
    // connection's greeting, so that connect would wait for minutes.
    const int full = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(full, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::listen(full, 0), 0);
    ASSERT_EQ(::getsockname(full, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const int queued = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_EQ(::connect(queued, reinterpret_cast<sockaddr*>(&address), length), 0);

    const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/x";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(download(url, destinationPath(), nullptr, DownloadLimitBytes, 2), 0);
    EXPECT_GE(secondsSince(start), 0.9);
    EXPECT_LT(secondsSince(start), 4.0);
    EXPECT_TRUE(folderEntries().isEmpty());
    ::close(queued);
    ::close(full);
}

TEST_F(HttpDownload, ReturnsPromptlyWhenStopped) {
    StopToken stop{false};
    std::thread setter([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        stop = true;
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(fetch(scripted("never-answers"), &stop), 0);
    setter.join();
    EXPECT_LT(secondsSince(start), 5.0); // far below the ten-second answer limit

    // Stopped in the middle of a body that goes quiet: nothing is stored.
    writeFile(destination(), OldContents);
    StopToken already{true};
    EXPECT_EQ(fetch(scripted("silent-no-length"), &already), 0);
    EXPECT_EQ(readFile(destination()), OldContents);
}
