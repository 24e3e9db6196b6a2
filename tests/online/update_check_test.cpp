#include "online/update_check.h"
#include "online/update_state.h"
#include "online/update_texts.h"
#include "online/update_trust.h"
#include "online/update_wait_window.h"
#include "online/worker_flags.h"
#include "online/worker_threads.h"
#include "runtime/tcp_connection.h"
#include "tests/online/gui_events.h"
#include "tests/online/minisign_keys.h"
#include "tests/online/release_server.h"
#include "tests/runtime/net/local_listener.h"
#include "tests/runtime/net/server_process.h"
#include "tests/support/scratch_folder.h"
#include "widgets/test_hooks.h"
#include "widgets/window_event.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace codarium::online {
namespace {

using testsupport::ensureApplication;
using testsupport::handleEventsUntil;

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using codarium::testsupport::readBytes;
using codarium::testsupport::ReleaseServer;
using codarium::testsupport::Route;
using codarium::testsupport::ScratchFolder;
using codarium::testsupport::writeBytes;
using widgets::MessageIcon;
using widgets::MessageResult;

constexpr const char* AbcDigest = "900150983cd24fb0d6963f7d28e17f72";

bool wakeUpQueued() {
    hooks::processPendingEvents();
    for (auto e = widgets::windowEvent(); e.kind != widgets::EventKind::None;
         e = widgets::windowEvent()) {
        if (e.kind == widgets::EventKind::WakeUp) {
            return true;
        }
    }
    return false;
}

// Every file below the folder with its bytes, but for the index and its
// signature, which the check stores beside the program whatever they hold.
std::map<std::string, std::string> installedFiles(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).generic_string();
        if (entry.is_regular_file() && name != "Index.ini" && name != "Index.ini.minisig") {
            std::ifstream in(entry.path(), std::ios::binary);
            files[name] = {std::istreambuf_iterator<char>(in), {}};
        }
    }
    return files;
}

QMessageBox* visibleBox() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

// A release folder served over HTTP on 127.0.0.1, and a program directory.
class UpdateCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        hooks::scriptDialogs(true);
        widgets::clearWindowEvents();
        resetWorkerFlags();
        fs::create_directories(release());
        fs::copy_file(maker().publicKey, program.file("Aktualisierung.pub"));
    }
    void TearDown() override {
        releaseAllThreads();
        hooks::scriptDialogs(false);
        widgets::clearWindowEvents();
        resetWorkerFlags();
    }

    std::string release() const { return serverRoot.path().string() + "/aktualisierung/codarium"; }
    // The index, signed by the maker (or by `by`) with minisign.
    void publish(std::string_view index, const char* trustedComment = nullptr,
                 const codarium::testsupport::SigningKey* by = nullptr) {
        writeBytes(release() + "/Index.ini", index);
        ASSERT_TRUE(codarium::testsupport::signFile(
            by ? *by : maker(), release() + "/Index.ini",
            trustedComment ? std::optional<std::string>(trustedComment) : std::nullopt));
    }
    static const codarium::testsupport::SigningKey& maker() {
        static const codarium::testsupport::SigningKey key = codarium::testsupport::makeSigningKey(
            fs::temp_directory_path() / ("codarium-check-keys-" + std::to_string(::getpid())),
            "maker");
        return key;
    }

    UpdateSource sourceOnPort(std::uint16_t port) const {
        return {"http://127.0.0.1:" + std::to_string(port), "codarium", program.path()};
    }

    // Runs the check's whole worker run, as the wait window starts it.
    void runCheck(const UpdateSource& source) {
        const int number =
            startThread([source](int, const StopToken& stop) { runUpdateCheck(source, stop); }, 0);
        ASSERT_NE(number, 0);
        ASSERT_TRUE(handleEventsUntil([&] { return !threadRunning(number); }));
    }

    ScratchFolder serverRoot;
    ScratchFolder program;
};

TEST_F(UpdateCheckTest, MatchingDigestsReportNoNewVersion) {
    writeBytes(program.file("a.txt"), "abc");
    publish(std::string("a.txt\r\n") + AbcDigest + "\r\n3\r\n");
    testing::ServerProcess http({"-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                                 QString::fromStdString(serverRoot.path())});
    ASSERT_NE(http.port(), 0);
    runCheck(sourceOnPort(http.port()));
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Actualiser    ");
    EXPECT_EQ(boxes[0].text, "Keine neue Version vorhanden.");
    EXPECT_EQ(boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(workerFlags().UpdateCheckFinished, 1);
    EXPECT_EQ(workerFlags().UpdaterRequested, 0);
    EXPECT_TRUE(wakeUpQueued());
    EXPECT_EQ(readBytes(program.file("Index.ini")), readBytes(release() + "/Index.ini"));
}

// The network is started by the first check that reaches the server, and
// stays started: later checks neither start it again nor stop it. A check
// that never reached the server has not started it.
TEST_F(UpdateCheckTest, NetworkStartsOnceAtTheFirstCheckThatReachesTheServer) {
    const int before = NetworkStarted.load(); // 0 in a process of its own
    runCheck(sourceOnPort(testing::unusedPort()));
    ASSERT_EQ(hooks::recordedMessageBoxes().size(), 1u);
    EXPECT_EQ(hooks::recordedMessageBoxes()[0].text, serverUnreachableText());
    EXPECT_EQ(NetworkStarted.load(), before) << "no server was reached";

    writeBytes(program.file("a.txt"), "abc");
    publish(std::string("a.txt\r\n") + AbcDigest + "\r\n3\r\n");
    testing::ServerProcess http({"-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                                 QString::fromStdString(serverRoot.path())});
    ASSERT_NE(http.port(), 0);
    for (int check = 1; check <= 2; ++check) {
        resetWorkerFlags();
        hooks::clearRecordedDialogs();
        runCheck(sourceOnPort(http.port()));
        const auto boxes = hooks::recordedMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u) << check;
        EXPECT_EQ(boxes[0].text, noNewVersionText()) << check;
        EXPECT_EQ(NetworkStarted.load(), 1) << check;
    }
}

TEST_F(UpdateCheckTest, ChangedAndMissingFilesAreOfferedWithTheirSize) {
    writeBytes(program.file("a.txt"), "abc");
    writeBytes(program.file("b.txt"), "old");
    publish(std::string("a.txt\r\n") + AbcDigest + "\r\n3\r\nb.txt\r\n" + AbcDigest +
            "\r\n3000\r\nSub\\c.txt\r\n" + AbcDigest + "\r\n2000\r\n");
    testing::ServerProcess http({"-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                                 QString::fromStdString(serverRoot.path())});
    ASSERT_NE(http.port(), 0);

    hooks::queueMessageBoxAnswer(MessageResult::No);
    runCheck(sourceOnPort(http.port()));
    auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Actualiser    ");
    EXPECT_EQ(boxes[0].text, updateQuestionText(5000));
    EXPECT_NE(boxes[0].text.find("4 KB"), std::string::npos);
    EXPECT_EQ(boxes[0].icon, MessageIcon::Question);
    EXPECT_EQ(boxes[0].buttons, widgets::MessageButtons::YesNo);
    EXPECT_EQ(workerFlags().UpdateCheckFinished, 1) << "No ends the check";
    EXPECT_EQ(workerFlags().UpdaterRequested, 0);

    resetWorkerFlags();
    hooks::clearRecordedDialogs();
    hooks::queueMessageBoxAnswer(MessageResult::Yes);
    runCheck(sourceOnPort(http.port()));
    EXPECT_EQ(workerFlags().UpdaterRequested, 1) << "Yes hands over to the updater";
    EXPECT_EQ(workerFlags().UpdateCheckFinished, 0);
    EXPECT_TRUE(wakeUpQueued());
}

TEST_F(UpdateCheckTest, TheIndexAddressIsPercentEncodedAsUtf8) {
    struct Case {
        std::string directory; // as Konfiguration.ini holds it, Windows-1252
        std::string name;
        std::string url;
    };
    const Case cases[] = {
        {"codarium", "Index.ini", "http://h/aktualisierung/codarium/Index.ini"},
        {"Mein Ordner \xE4", "Index.ini",
         "http://h/aktualisierung/Mein%20Ordner%20%C3%A4/Index.ini"},
        {"schon%20kodiert/100%", "Codes/A b/\xDC 5%.pb",
         "http://h/aktualisierung/schon%20kodiert/100%25/Codes/A%20b/%C3%9C%205%25.pb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(releaseUrl({"http://h", c.directory, ""}, c.name), c.url) << c.directory;
    }

    // A directory with a blank and an umlaut on a real server, which
    // refuses a raw blank.
    const std::string folder = serverRoot.path().string() + "/aktualisierung/Mein Ordner \xC3\xA4";
    fs::create_directories(folder);
    writeBytes(program.file("a.txt"), "abc");
    writeBytes(folder + "/Index.ini", std::string("a.txt\r\n") + AbcDigest + "\r\n3\r\n");
    ASSERT_TRUE(codarium::testsupport::signFile(maker(), folder + "/Index.ini"));
    testing::ServerProcess http({"-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                                 QString::fromStdString(serverRoot.path())});
    ASSERT_NE(http.port(), 0);
    runCheck(
        {"http://127.0.0.1:" + std::to_string(http.port()), "Mein Ordner \xE4", program.path()});
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Keine neue Version vorhanden.");
}

// Whatever the server sends, an index the maker did not sign, or signed
// before the installed release, is never offered.
TEST_F(UpdateCheckTest, AnIndexNotSignedByTheMakerOrOlderThanTheInstalledOneIsNotOffered) {
    writeBytes(program.file("a.txt"), "changed");
    const std::string index = std::string("a.txt\r\n") + AbcDigest + "\r\n3\r\n";
    const codarium::testsupport::SigningKey other = codarium::testsupport::makeSigningKey(
        fs::temp_directory_path() / ("codarium-check-keys-" + std::to_string(::getpid())), "other");
    testing::ServerProcess http({"-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                                 QString::fromStdString(serverRoot.path())});
    ASSERT_NE(http.port(), 0);
    const ReleaseServer nginx(QString::fromStdString(serverRoot.path().string()));
    ASSERT_TRUE(nginx.running()) << nginx.error();
    const std::string signature = release() + "/Index.ini.minisig";
    const struct {
        const char* what;
        std::function<void()> serve;
        IndexTrust trust;
    } cases[] = {
        {"unsigned",
         [&] {
             publish(index);
             fs::remove(signature);
         },
         IndexTrust::NotSigned},
        {"another key", [&] { publish(index, nullptr, &other); }, IndexTrust::NotSigned},
        {"one byte altered after signing",
         [&] {
             publish(index);
             writeBytes(release() + "/Index.ini", "b" + index.substr(1));
         },
         IndexTrust::NotSigned},
        {"signed before the installed release",
         [&] {
             publish(index, "timestamp:1000\tfile:Index.ini");
             ASSERT_TRUE(recordInstalledTimestamp(program.path().string(), 2000));
         },
         IndexTrust::Older},
    };
    // The same over plain HTTP and over TLS: the signature, not the
    // transport, decides.
    for (const std::string& server :
         {"http://127.0.0.1:" + std::to_string(http.port()), nginx.server(Route::Https)}) {
        fs::remove(program.file(UpdateStateFileName));
        for (const auto& c : cases) {
            SCOPED_TRACE(server + ": " + c.what);
            resetWorkerFlags();
            hooks::clearRecordedDialogs();
            c.serve();
            const auto before = installedFiles(program.path());
            runCheck({server, "codarium", program.path()});
            const auto boxes = hooks::recordedMessageBoxes();
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].title, "Fehler");
            EXPECT_EQ(boxes[0].icon, MessageIcon::Error);
            EXPECT_EQ(boxes[0].text, indexTrustFailureText(c.trust));
            EXPECT_EQ(workerFlags().UpdaterRequested, 0);
            EXPECT_EQ(installedFiles(program.path()), before);
        }
    }

    // The same release again is fine, and one signed long ago is offered
    // with a note on its age.
    resetWorkerFlags();
    hooks::clearRecordedDialogs();
    writeBytes(program.file("Konfiguration.ini"), "[Konfiguration]\r\nMaximalesAlter = 30\r\n");
    publish(index, "timestamp:2000\tfile:Index.ini");
    hooks::queueMessageBoxAnswer(MessageResult::No);
    runCheck(sourceOnPort(http.port()));
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MessageIcon::Question);
    EXPECT_TRUE(boxes[0].text.starts_with(updateQuestionText(3)));
    const auto days = (std::time(nullptr) - 2000) / 86400;
    EXPECT_NE(boxes[0].text.find("\r" + releaseAgeNote(days)), std::string::npos);
}

// A certificate that fails or a redirect the client must not follow is a
// failed download of the index: its box, no offer, and the program directory
// as it was, the older index included.
TEST_F(UpdateCheckTest, ACertificateOrRedirectThatMustBeRefusedIsAFailedIndexDownload) {
    writeBytes(program.file("a.txt"), "changed");
    writeBytes(program.file("Index.ini"), "old index\r\n");
    publish(std::string("a.txt\r\n") + AbcDigest + "\r\n3\r\n");
    const ReleaseServer nginx(QString::fromStdString(serverRoot.path().string()));
    ASSERT_TRUE(nginx.running()) << nginx.error();
    const struct {
        Route route;
        bool offered;
    } cases[] = {
        {Route::Https, true},      {Route::HttpToHttps, true}, {Route::FiveHops, true},
        {Route::WrongHost, false}, {Route::Expired, false},    {Route::DownToHttp, false},
        {Route::SixHops, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(codarium::testsupport::routeName(c.route));
        resetWorkerFlags();
        hooks::clearRecordedDialogs();
        writeBytes(program.file("Index.ini"), "old index\r\n");
        fs::remove(program.file("Index.ini.minisig"));
        const auto before = installedFiles(program.path());
        if (c.offered) {
            hooks::queueMessageBoxAnswer(MessageResult::No);
        }
        runCheck({nginx.server(c.route), "codarium", program.path()});
        const auto boxes = hooks::recordedMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(installedFiles(program.path()), before);
        EXPECT_EQ(workerFlags().UpdaterRequested, 0);
        if (c.offered) {
            EXPECT_EQ(boxes[0].text, updateQuestionText(3));
            EXPECT_EQ(readBytes(program.file("Index.ini")), readBytes(release() + "/Index.ini"));
        } else {
            EXPECT_EQ(boxes[0].title, "Fehler");
            EXPECT_EQ(boxes[0].text, indexDownloadFailedText());
            EXPECT_EQ(readBytes(program.file("Index.ini")), "old index\r\n");
            EXPECT_FALSE(fs::exists(program.file("Index.ini.minisig")));
        }
    }
}

TEST_F(UpdateCheckTest, FailingStepsShowTheirBoxAndEndTheCheck) {
    // The index is missing on the server: the older copy stays and is not read.
    writeBytes(program.file("Index.ini"), "old index\r\n");
    testing::ServerProcess http({"-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                                 QString::fromStdString(serverRoot.path())});
    ASSERT_NE(http.port(), 0);
    runCheck(sourceOnPort(http.port()));
    auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Fehler");
    EXPECT_EQ(boxes[0].text, indexDownloadFailedText());
    EXPECT_EQ(boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(readBytes(program.file("Index.ini")), "old index\r\n");
    EXPECT_EQ(workerFlags().UpdateCheckFinished, 1);

    // Nothing listens on the port.
    resetWorkerFlags();
    hooks::clearRecordedDialogs();
    runCheck(sourceOnPort(testing::unusedPort()));
    boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, serverUnreachableText());
    EXPECT_EQ(workerFlags().UpdateCheckFinished, 1);

    // An address the download client cannot use is not reachable either.
    resetWorkerFlags();
    hooks::clearRecordedDialogs();
    runCheck({"127.0.0.1", "codarium", program.path()});
    boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, serverUnreachableText());
}

TEST_F(UpdateCheckTest, StoppedWhileTheServerIsSilentShowsNothingAfterwards) {
    testing::LocalListener silent; // accepts, never answers
    const UpdateSource source = sourceOnPort(silent.port());
    const int number =
        startThread([source](int, const StopToken& stop) { runUpdateCheck(source, stop); }, 0);
    ASSERT_NE(number, 0);
    // The reachability check's connection, then the index download's.
    const int first = silent.accept();
    const int second = silent.accept();
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);
    killThread(number);
    const auto stoppedAt = std::chrono::steady_clock::now();
    ASSERT_TRUE(handleEventsUntil([&] { return !threadRunning(number); }));
    EXPECT_LT(std::chrono::steady_clock::now() - stoppedAt, std::chrono::seconds(5))
        << "stopping does not wait for the download's 10-second limit";
    handleEventsUntil([] { return false; }, 200);
    EXPECT_TRUE(hooks::recordedMessageBoxes().empty());
    EXPECT_EQ(workerFlags().UpdateCheckFinished, 0);
    EXPECT_FALSE(wakeUpQueued());
    ::close(first);
    ::close(second);
}

TEST_F(UpdateCheckTest, AnOpenQuestionClosesWhenTheCheckIsStopped) {
    hooks::scriptDialogs(false);
    writeBytes(program.file("a.txt"), "changed");
    publish(std::string("a.txt\r\n") + AbcDigest + "\r\n3\r\n");
    testing::ServerProcess http({"-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                                 QString::fromStdString(serverRoot.path())});
    ASSERT_NE(http.port(), 0);
    const UpdateSource source = sourceOnPort(http.port());
    const int number =
        startThread([source](int, const StopToken& stop) { runUpdateCheck(source, stop); }, 0);
    ASSERT_TRUE(handleEventsUntil([] { return visibleBox() != nullptr; }));
    EXPECT_NE(visibleBox()->text().indexOf("3 Bytes"), -1);
    killThread(number);
    ASSERT_TRUE(handleEventsUntil([&] { return !threadRunning(number); }));
    EXPECT_TRUE(handleEventsUntil([] { return visibleBox() == nullptr; }));
    EXPECT_EQ(workerFlags().UpdateCheckFinished, 0);
    EXPECT_EQ(workerFlags().UpdaterRequested, 0);
}

} // namespace
} // namespace codarium::online
