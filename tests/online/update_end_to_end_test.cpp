// From publishing a release to running the update: a release folder served
// over HTTP on 127.0.0.1 (and by nginx over HTTPS, behind redirects, and by
// servers that must be refused), its index made by scripts/make-update-index,
// the check in this process and the real updater executable.
#include "online/update_install.h"
#include "online/update_state.h"
#include "online/update_texts.h"
#include "online/update_trust.h"
#include "online/update_wait_window.h"
#include "online/updater_run.h"
#include "online/updater_start.h"
#include "online/worker_flags.h"
#include "online/worker_threads.h"
#include "tests/online/gui_events.h"
#include "tests/online/minisign_keys.h"
#include "tests/online/release_server.h"
#include "tests/runtime/net/local_listener.h"
#include "tests/runtime/net/server_process.h"
#include "widgets/test_hooks.h"

#include <QApplication>
#include <QProcess>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <thread>

namespace codarium::online {
namespace {

using codarium::testsupport::ReleaseServer;
using codarium::testsupport::Route;
using testsupport::ensureApplication;
using testsupport::handleEventsUntil;

namespace fs = std::filesystem;
namespace hooks = widgets::testing;

void write(const fs::path& path, std::string_view bytes, fs::perms mode = fs::perms::none) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    if (mode != fs::perms::none) {
        fs::permissions(path, mode);
    }
}

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every regular file below the folder with its bytes.
std::map<std::string, std::string> contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).string()] = read(entry.path());
        }
    }
    return files;
}

unsigned modeOf(const fs::path& path) {
    return static_cast<unsigned>(fs::status(path).permissions()) & 0777u;
}

// The program's stand-in: records each start in Neustart.txt beside it.
std::string standIn(std::string_view version) {
    return "#!/bin/sh\necho " + std::string(version) + " >> \"$(dirname \"$0\")/Neustart.txt\"\n";
}

std::string config(const std::string& server) {
    return "[Konfiguration]\r\nSoftware = Codarium\r\nServer = " + server +
           "\r\nVerzeichnis = codarium\r\n";
}

class UpdateEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        hooks::scriptDialogs(true);
        resetWorkerFlags();
        root = fs::temp_directory_path() /
               ("codarium-update-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        release = root / "server/aktualisierung/codarium";
        program = root / "program";
        fs::create_directories(release);
        fs::create_directories(program);
        http = std::make_unique<testing::ServerProcess>(
            QStringList{"-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                        QString::fromStdString((root / "server").string())});
        ASSERT_NE(http->port(), 0);
        server = "http://127.0.0.1:" + std::to_string(http->port());

        // The release: a new program, a changed code, a new icon, and files
        // that did not change.
        write(release / "Codarium", standIn("neu"));
        write(release / "Codes/Dialoge/Datei.pb", "MessageRequester(\"neu\", \"neu\")\r\n");
        write(release / "Grafiken/Neu.ico", std::string(3000, '\x42'));
        write(release / "Konfiguration.ini", config(server));
        write(release / "Codes/Dialoge/Gleich.pb", "Debug 1\r\n");

        // The installation: an older program and code, no icon yet.
        write(program / "Codarium", standIn("alt"), fs::perms(0750));
        write(program / "Codes/Dialoge/Datei.pb", "MessageRequester(\"alt\")\r\n", fs::perms(0640));
        write(program / "Konfiguration.ini", config(server));
        write(program / "Codes/Dialoge/Gleich.pb", "Debug 1\r\n");
        write(program / "Einstellungen.ini", "[Einstellungen]\r\n");

        key = codarium::testsupport::makeSigningKey(root / "keys", "maker");
        fs::copy_file(key.publicKey, program / "Aktualisierung.pub");
        publishIndex();
    }
    void TearDown() override {
        releaseAllThreads();
        hooks::scriptDialogs(false);
        resetWorkerFlags();
        http.reset();
        fs::remove_all(root);
    }

    // The index as the maker publishes it: made and signed by the script.
    void publishIndex() {
        QProcess make;
        make.start("python3", {QString(CODARIUM_SOURCE_DIR) + "/scripts/make-update-index",
                               QString::fromStdString(release.string()), "--sign",
                               QString::fromStdString(key.secretKey.string())});
        ASSERT_TRUE(make.waitForFinished(20000));
        ASSERT_EQ(make.exitCode(), 0) << make.readAllStandardError().toStdString();
        ASSERT_TRUE(fs::exists(release / "Index.ini.minisig"));
    }

    // The check's download of the index and its signature.
    void copyIndexToProgram() {
        fs::copy_file(release / "Index.ini", program / "Index.ini",
                      fs::copy_options::overwrite_existing);
        fs::copy_file(release / "Index.ini.minisig", program / "Index.ini.minisig",
                      fs::copy_options::overwrite_existing);
    }

    UpdateSource source() const { return {server, "codarium", program.string()}; }

    // The release and the installation name this server from now on, and
    // the index is published again.
    void serveFrom(const std::string& address) {
        server = address;
        write(release / "Konfiguration.ini", config(server));
        write(program / "Konfiguration.ini", config(server));
        publishIndex();
    }

    // The check as command 1 runs it, answered with `answer`.
    void runCheck(widgets::MessageResult answer) {
        hooks::queueMessageBoxAnswer(answer);
        const UpdateSource s = source();
        const int number =
            startThread([s](int, const StopToken& stop) { runUpdateCheck(s, stop); }, 0);
        ASSERT_NE(number, 0);
        ASSERT_TRUE(handleEventsUntil([&] { return !threadRunning(number); }));
    }

    // The size the check still finds to update.
    void checkInstallAndRestart();

    std::int32_t remainingUpdate() {
        FingerprintBuffer buffer;
        const auto entries = readUpdateIndex((release / "Index.ini").string());
        return entries ? updateSize(*entries, program.string(), buffer).value_or(-1) : -1;
    }

    // What the check, the updater and Konfiguration.ini name as "Server".
    std::string server;
    fs::path root, release, program;
    codarium::testsupport::SigningKey key;
    std::unique_ptr<testing::ServerProcess> http;
};

// The whole way: the check offers the two changed files and the new one
// with their size, the real updater executable installs them with the
// modes of the files they replace, and starts the new program.
void UpdateEndToEndTest::checkInstallAndRestart() {
    const std::string index = read(release / "Index.ini");
    EXPECT_NE(index.find("Codes/Dialoge/Datei.pb\r\n"), std::string::npos);
    EXPECT_EQ(index.find("Index.ini"), std::string::npos);

    runCheck(widgets::MessageResult::Yes);
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    const auto changedSize = std::int32_t(read(release / "Codarium").size() +
                                          read(release / "Codes/Dialoge/Datei.pb").size() + 3000);
    EXPECT_EQ(boxes[0].text, updateQuestionText(changedSize));
    EXPECT_EQ(changedSize / 1024, 3);
    EXPECT_NE(boxes[0].text.find("3 KB"), std::string::npos);
    ASSERT_EQ(workerFlags().UpdaterRequested, 1);
    EXPECT_EQ(read(program / "Index.ini"), index) << "the check left the index beside the program";

    // The hand-over: the real updater, beside the program.
    fs::copy_file(fs::path(CODARIUM_PROGRAM_DIR) / "Aktualisierung", program / "Aktualisierung");
    ASSERT_TRUE(startUpdater(program.string()));
    ASSERT_TRUE(handleEventsUntil([&] { return fs::exists(program / "Neustart.txt"); }));

    EXPECT_EQ(remainingUpdate(), 0) << "every digest matches the release";
    EXPECT_EQ(read(program / "Neustart.txt"), "neu\n") << "the new program was started";
    EXPECT_EQ(read(program / "Grafiken/Neu.ico"), read(release / "Grafiken/Neu.ico"));
    EXPECT_EQ(modeOf(program / "Codarium"), 0750u);
    EXPECT_EQ(modeOf(program / "Codes/Dialoge/Datei.pb"), 0640u);
    EXPECT_EQ(read(program / "Einstellungen.ini"), "[Einstellungen]\r\n");
    for (const auto& [name, bytes] : contents(program)) {
        EXPECT_EQ(name.find(".aktualisierung"), std::string::npos) << name;
        EXPECT_EQ(name.find(".vorher"), std::string::npos) << name;
    }
}

TEST_F(UpdateEndToEndTest, TheUpdaterInstallsTheReleaseAndStartsTheProgramAgain) {
    checkInstallAndRestart();
}

// The same over TLS, behind a redirect from plain HTTP and behind the most
// redirects allowed: each file of the updater goes the same way.
class UpdateOverNginx : public UpdateEndToEndTest, public ::testing::WithParamInterface<Route> {};

TEST_P(UpdateOverNginx, TheUpdaterInstallsTheReleaseAndStartsTheProgramAgain) {
    const ReleaseServer nginx(QString::fromStdString((root / "server").string()));
    ASSERT_TRUE(nginx.running()) << nginx.error();
    serveFrom(nginx.server(GetParam()));
    checkInstallAndRestart();
}

INSTANTIATE_TEST_SUITE_P(Routes, UpdateOverNginx,
                         ::testing::Values(Route::Https, Route::HttpToHttps, Route::FiveHops),
                         [](const auto& info) {
                             std::string name = codarium::testsupport::routeName(info.param);
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

// The updater on its own refuses what the check would have refused: a server
// that presents a certificate it cannot trust, sends it down to plain HTTP or
// on through a sixth redirect gets no file fetched, and nothing changes.
TEST_F(UpdateEndToEndTest, TheUpdaterFetchesNothingOverACertificateOrRedirectItMustRefuse) {
    const ReleaseServer nginx(QString::fromStdString((root / "server").string()));
    ASSERT_TRUE(nginx.running()) << nginx.error();
    copyIndexToProgram();
    for (const Route route :
         {Route::WrongHost, Route::Expired, Route::DownToHttp, Route::SixHops}) {
        SCOPED_TRACE(codarium::testsupport::routeName(route));
        hooks::clearRecordedDialogs();
        fs::remove(program / "Neustart.txt");
        write(program / "Konfiguration.ini", config(nginx.server(route)));
        const auto before = contents(program);
        const auto modeBefore = modeOf(program / "Codarium");
        EXPECT_EQ(runUpdater(program.string()), 0);
        const auto boxes = hooks::recordedMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Fehler");
        EXPECT_EQ(boxes[0].text, installFailureText({InstallError::Download, "Codarium", 0}));
        EXPECT_TRUE(handleEventsUntil([&] { return read(program / "Neustart.txt") == "alt\n"; }))
            << "the old program runs again";
        auto after = contents(program);
        after.erase("Neustart.txt");
        EXPECT_EQ(after, before);
        EXPECT_EQ(modeOf(program / "Codarium"), modeBefore);
    }
}

// Nearly every code has blanks in its name, many a letter outside ASCII:
// python's server answers 400 to a raw blank, so each name must arrive
// percent-encoded as the UTF-8 form of the file's native name.
TEST_F(UpdateEndToEndTest, CodesWhoseNamesHaveBlanksUmlautsAndPercentSignsAreInstalled) {
    const std::string blank = "Codes/Fenster/Halbtransparentes Fenster.pb";
    const std::string umlaut = "Codes/Gr\xC3\xB6\xC3\x9F"
                               "en/F\xC3\xBCnf 100% #1?.pb";
    write(release / blank, "SetLayeredWindowAttributes_(neu)\r\n");
    write(release / umlaut, "Debug \"neu\"\r\n");
    write(program / blank, "SetLayeredWindowAttributes_(alt)\r\n");
    write(program / umlaut, "Debug \"alt\"\r\n");
    publishIndex();
    // The index holds the names as the library does, in Windows-1252.
    EXPECT_NE(read(release / "Index.ini")
                  .find("Codes/Gr\xF6\xDF"
                        "en/F\xFCnf 100% #1?.pb\r\n"),
              std::string::npos);

    runCheck(widgets::MessageResult::Yes);
    ASSERT_EQ(workerFlags().UpdaterRequested, 1);
    fs::copy_file(fs::path(CODARIUM_PROGRAM_DIR) / "Aktualisierung", program / "Aktualisierung");
    ASSERT_TRUE(startUpdater(program.string()));
    ASSERT_TRUE(handleEventsUntil([&] { return fs::exists(program / "Neustart.txt"); }));

    EXPECT_EQ(hooks::recordedMessageBoxes().size(), 1u) << "only the offer, no error box";
    EXPECT_EQ(remainingUpdate(), 0) << "every digest matches the release";
    EXPECT_EQ(read(program / blank), read(release / blank));
    EXPECT_EQ(read(program / umlaut), read(release / umlaut));
    EXPECT_EQ(read(program / "Neustart.txt"), "neu\n");
}

TEST_F(UpdateEndToEndTest, ADamagedFileOnTheServerLeavesEveryInstalledFileAsItWas) {
    // Same size, other bytes: the index no longer matches what is served.
    write(release / "Grafiken/Neu.ico", std::string(3000, '\x43'));
    copyIndexToProgram();
    const auto before = contents(program);
    const auto modeBefore = modeOf(program / "Codarium");

    EXPECT_EQ(runUpdater(program.string()), 0);
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Fehler");
    EXPECT_EQ(boxes[0].text, installFailureText({InstallError::Damaged, "Grafiken/Neu.ico", 0}));

    ASSERT_TRUE(handleEventsUntil([&] { return fs::exists(program / "Neustart.txt"); }));
    EXPECT_EQ(read(program / "Neustart.txt"), "alt\n") << "the old program runs again";
    auto after = contents(program);
    after.erase("Neustart.txt");
    EXPECT_EQ(after, before);
    EXPECT_EQ(modeOf(program / "Codarium"), modeBefore);
}

TEST_F(UpdateEndToEndTest, AProgramDirectoryNamedBeyondTheCodePageIsUpdatedInPlace) {
    // ~/Программы/Codarium: the check, the updater and the restart all work there.
    const fs::path moved =
        root / "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B/Codarium";
    fs::create_directories(moved.parent_path());
    fs::rename(program, moved);
    program = moved;

    runCheck(widgets::MessageResult::Yes);
    ASSERT_EQ(hooks::recordedMessageBoxes().size(), 1u) << "the question, no error";
    ASSERT_EQ(workerFlags().UpdaterRequested, 1);
    fs::copy_file(fs::path(CODARIUM_PROGRAM_DIR) / "Aktualisierung", program / "Aktualisierung");
    ASSERT_TRUE(startUpdater(program.string()));
    ASSERT_TRUE(handleEventsUntil([&] { return fs::exists(program / "Neustart.txt"); }));

    EXPECT_EQ(remainingUpdate(), 0);
    EXPECT_EQ(read(program / "Neustart.txt"), "neu\n");
    EXPECT_EQ(read(program / "Codes/Dialoge/Datei.pb"), read(release / "Codes/Dialoge/Datei.pb"));
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        EXPECT_EQ(entry.path().string().find('?'), std::string::npos) << entry.path();
    }
}

// The updater checks the index beside it on its own: one changed after the
// check, one signed by another key, and an older release than the one it
// installed last are refused before anything is fetched.
TEST_F(UpdateEndToEndTest, TheUpdaterInstallsNothingFromAnIndexItCannotTrust) {
    const auto other = codarium::testsupport::makeSigningKey(root / "keys", "other");
    const struct {
        const char* what;
        std::function<void()> prepare;
        IndexTrust trust;
    } cases[] = {
        {"altered after the check",
         [&] {
             copyIndexToProgram();
             std::string index = read(program / "Index.ini");
             index[0] = 'X';
             write(program / "Index.ini", index);
         },
         IndexTrust::NotSigned},
        {"no signature",
         [&] {
             copyIndexToProgram();
             fs::remove(program / "Index.ini.minisig");
         },
         IndexTrust::NotSigned},
        {"another key",
         [&] {
             copyIndexToProgram();
             ASSERT_TRUE(codarium::testsupport::signFile(other, program / "Index.ini"));
         },
         IndexTrust::NotSigned},
        {"older than the installed release",
         [&] {
             copyIndexToProgram();
             ASSERT_TRUE(codarium::testsupport::signFile(key, program / "Index.ini",
                                                         "timestamp:1000\tfile:Index.ini"));
             ASSERT_TRUE(recordInstalledTimestamp(program.string(), 2000));
         },
         IndexTrust::Older},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        hooks::clearRecordedDialogs();
        fs::remove(program / "Neustart.txt");
        c.prepare();
        const auto before = contents(program);
        EXPECT_EQ(runUpdater(program.string()), 0);
        const auto boxes = hooks::recordedMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Fehler");
        EXPECT_TRUE(boxes[0].text.starts_with(indexTrustFailureText(c.trust))) << boxes[0].text;
        EXPECT_TRUE(handleEventsUntil([&] { return read(program / "Neustart.txt") == "alt\n"; }))
            << "the old program runs again";
        auto after = contents(program);
        after.erase("Neustart.txt");
        EXPECT_EQ(after, before);
    }
}

// A journal that cannot be read is never guessed at: the updater says so and
// touches nothing, and the program start leaves it as well.
TEST_F(UpdateEndToEndTest, AnUnreadableJournalStopsTheUpdaterBeforeItChangesAnything) {
    copyIndexToProgram();
    write(program / "Aktualisierung.journal", "Aktualisierungsjournal 1\r\nPhase=Erse");
    const auto before = contents(program);
    EXPECT_EQ(runUpdater(program.string()), 0);
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("Aktualisierung.journal"), std::string::npos);
    EXPECT_TRUE(handleEventsUntil([&] { return read(program / "Neustart.txt") == "alt\n"; }));
    auto after = contents(program);
    after.erase("Neustart.txt");
    EXPECT_EQ(after, before);
}

// Once a release is in, the same server cannot bring back the one before.
TEST_F(UpdateEndToEndTest, AfterAnUpdateAnOlderSignedReleaseIsRefused) {
    copyIndexToProgram();
    ASSERT_TRUE(codarium::testsupport::signFile(key, release / "Index.ini",
                                                "timestamp:2000\tfile:Index.ini"));
    copyIndexToProgram();
    EXPECT_EQ(runUpdater(program.string()), 0);
    EXPECT_TRUE(hooks::recordedMessageBoxes().empty());
    EXPECT_EQ(lastInstalledTimestamp(program.string()), 2000);
    EXPECT_EQ(remainingUpdate(), 0);

    // The old release, signed by the maker at its time, served again.
    write(release / "Codarium", standIn("alt"));
    ASSERT_TRUE(codarium::testsupport::signFile(key, release / "Index.ini",
                                                "timestamp:1999\tfile:Index.ini"));
    hooks::clearRecordedDialogs();
    runCheck(widgets::MessageResult::Yes);
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, indexTrustFailureText(IndexTrust::Older));
    EXPECT_EQ(workerFlags().UpdaterRequested, 0);
}

TEST_F(UpdateEndToEndTest, AnInstalledCopyIsLeftToThePackageManager) {
    write(program / "Paketinstallation", "");
    copyIndexToProgram();
    const auto before = contents(program);

    EXPECT_EQ(runUpdater(program.string()), 0);
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Fehler");
    EXPECT_NE(boxes[0].text.find("Paketverwaltung"), std::string::npos);

    ASSERT_TRUE(handleEventsUntil([&] { return fs::exists(program / "Neustart.txt"); }));
    auto after = contents(program);
    after.erase("Neustart.txt");
    EXPECT_EQ(after, before);
}

TEST_F(UpdateEndToEndTest, AFileThatCannotBePutInPlaceTakesBackTheOnesBeforeIt) {
    // A folder where the code's previous copy would go: the program (first
    // in the index) is replaced, then the code cannot be.
    write(program / "Codes/Dialoge/Datei.pb.vorher/blockiert", "x");
    const auto before = contents(program);
    const auto modeBefore = modeOf(program / "Codarium");
    FingerprintBuffer buffer;
    const auto entries = readUpdateIndex((release / "Index.ini").string());
    ASSERT_TRUE(entries);
    ASSERT_EQ((*entries)[0].path, "Codarium");
    const InstallResult result = installUpdate(source(), *entries, buffer);
    EXPECT_EQ(result.error, InstallError::Replace);
    EXPECT_EQ(result.file, "Codes/Dialoge/Datei.pb");
    EXPECT_EQ(contents(program), before);
    EXPECT_EQ(modeOf(program / "Codarium"), modeBefore);
    EXPECT_FALSE(fs::exists(program / "Grafiken/Neu.ico"));
}

TEST_F(UpdateEndToEndTest, PathsOutsideTheProgramDirectoryAreRefusedBeforeAnythingIsFetched) {
    const auto before = contents(program);
    FingerprintBuffer buffer;
    int fetched = 0;
    const std::vector<IndexEntry> entries = {
        {"Codarium", "0123", "10"},
        {"..\\..\\etc\\profile", "0123", "10"},
    };
    const InstallResult result =
        installUpdate(source(), entries, buffer, [&](std::string_view, int, int) { ++fetched; });
    EXPECT_EQ(result.error, InstallError::UnsafePath);
    EXPECT_EQ(result.file, "..\\..\\etc\\profile");
    EXPECT_EQ(fetched, 0);
    EXPECT_EQ(contents(program), before);

    // Nor may a release replace the record of the installed one.
    const InstallResult own = installUpdate(
        source(), {{"Codarium", "0123", "10"}, {"Aktualisierung.stand", "0123", "2"}}, buffer);
    EXPECT_EQ(own.error, InstallError::UnsafePath);
    EXPECT_EQ(own.file, "Aktualisierung.stand");
    EXPECT_EQ(contents(program), before);
}

TEST_F(UpdateEndToEndTest, AMissingFileOnTheServerChangesNothing) {
    fs::remove(release / "Codarium");
    const auto before = contents(program);
    FingerprintBuffer buffer;
    const auto entries = readUpdateIndex((release / "Index.ini").string());
    ASSERT_TRUE(entries);
    const InstallResult result = installUpdate(source(), *entries, buffer);
    EXPECT_EQ(result.error, InstallError::Download);
    EXPECT_EQ(result.file, "Codarium");
    EXPECT_EQ(contents(program), before);
}

} // namespace
} // namespace codarium::online
