// The update check and the updater against a release server that means
// harm: an endless header, an endless body, bodies far longer than an index
// or a listed file, and an index naming paths outside the program directory.
// Each ends within the download's time limits, with bounded memory, and
// writes nothing but the index, and that only inside the program directory.
#include "online/update_install.h"
#include "online/update_leftovers.h"
#include "online/update_texts.h"
#include "online/update_trust.h"
#include "online/update_wait_window.h"
#include "online/worker_flags.h"
#include "online/worker_threads.h"
#include "runtime/http_download.h"
#include "tests/online/gui_events.h"
#include "tests/online/minisign_keys.h"
#include "tests/runtime/net/server_process.h"
#include "widgets/test_hooks.h"
#include "widgets/window_event.h"

#include <QApplication>
#include <QProcess>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sys/resource.h>

namespace codarium::online {
namespace {

using testsupport::ensureApplication;
using testsupport::handleEventsUntil;

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using widgets::MessageResult;

constexpr const char* AbcDigest = "900150983cd24fb0d6963f7d28e17f72";
// Far below the minute the hostile server keeps sending: a client that
// stopped only then would fail.
constexpr auto TimeLimit = std::chrono::seconds(20);
// The most the process may grow while it deals with one hostile answer.
constexpr long MaxGrowthKiB = 64 * 1024;

void write(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file and folder below root with its contents ("/" for a folder).
std::map<std::string, std::string> contents(const fs::path& root) {
    std::map<std::string, std::string> all;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).generic_string();
        all[name] = entry.is_directory() ? "/" : read(entry.path());
    }
    return all;
}

long peakKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

const char* const EndlessScenarios[] = {"endless-header", "endless-body", "huge-body",
                                        "huge-chunk"};

// A parent folder that holds the program directory, so that a write outside
// the program directory shows up beside it.
class HostileUpdateServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server_ = std::make_unique<testing::ServerProcess>(QStringList{
            QString::fromUtf8(CODARIUM_SOURCE_DIR) + "/tests/online/hostile_update_server.py"});
    }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override {
        ASSERT_NE(server_->port(), 0) << "the hostile server did not start";
        ensureApplication();
        hooks::scriptDialogs(true);
        hooks::clearRecordedDialogs();
        widgets::clearWindowEvents();
        resetWorkerFlags();
        parent_ = fs::temp_directory_path() /
                  ("codarium-hostile-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(parent_);
        write(program() / "a.txt", "old");
        write(program() / "Index.ini", "old index\r\n");
        write(parent_ / "beside.txt", "beside");
    }
    void TearDown() override {
        releaseAllThreads();
        hooks::scriptDialogs(false);
        widgets::clearWindowEvents();
        resetWorkerFlags();
        fs::remove_all(parent_);
    }

    fs::path program() const { return parent_ / "Codarium"; }
    UpdateSource source(const char* scenario) const {
        return {"http://127.0.0.1:" + std::to_string(server_->port()), scenario,
                program().string()};
    }

    void runCheck(const UpdateSource& source) {
        const int number =
            startThread([source](int, const StopToken& stop) { runUpdateCheck(source, stop); }, 0);
        ASSERT_NE(number, 0);
        ASSERT_TRUE(handleEventsUntil([&] { return !threadRunning(number); }));
    }

    static std::unique_ptr<testing::ServerProcess> server_;
    fs::path parent_;
};

std::unique_ptr<testing::ServerProcess> HostileUpdateServer::server_;

TEST_F(HostileUpdateServer, TheCheckGivesUpOnEndlessAnswersAndKeepsTheOldIndex) {
    for (const char* scenario : EndlessScenarios) {
        SCOPED_TRACE(scenario);
        hooks::clearRecordedDialogs();
        resetWorkerFlags();
        const auto before = contents(parent_);
        const long peakBefore = peakKiB();
        const auto start = std::chrono::steady_clock::now();
        runCheck(source(scenario));
        EXPECT_LT(std::chrono::steady_clock::now() - start, TimeLimit);
        EXPECT_LT(peakKiB() - peakBefore, MaxGrowthKiB);
        const auto boxes = hooks::recordedMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, indexDownloadFailedText());
        EXPECT_EQ(workerFlags().UpdaterRequested, 0);
        EXPECT_EQ(contents(parent_), before) << "no index, no temporary file, nothing else";
    }
}

TEST_F(HostileUpdateServer, TheCheckGivesUpOnATricklingIndexWhenItsTimeIsOver) {
    const auto before = contents(parent_);
    const auto start = std::chrono::steady_clock::now();
    runCheck(source("trickle"));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::seconds(IndexDownloadSeconds - 2));
    EXPECT_LT(took, std::chrono::seconds(IndexDownloadSeconds + 10))
        << "the server would go on for 150 seconds";
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, indexDownloadFailedText());
    EXPECT_EQ(contents(parent_), before);
}

TEST_F(HostileUpdateServer, AnIndexOfPathsOutsideIsOnlyStoredAsTheIndex) {
    const auto key = codarium::testsupport::makeSigningKey(parent_ / "keys", "maker");
    fs::copy_file(key.publicKey, program() / "Aktualisierung.pub");
    fs::remove_all(parent_ / "keys");
    const auto before = contents(parent_);
    hooks::queueMessageBoxAnswer(MessageResult::No);
    runCheck(source("outside"));
    // The server signs nothing, so nothing of its index is offered.
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, widgets::MessageIcon::Error);
    EXPECT_EQ(boxes[0].text, indexTrustFailureText(IndexTrust::NotSigned));

    auto after = contents(parent_);
    EXPECT_NE(after["Codarium/Index.ini"], before.at("Codarium/Index.ini"));
    after["Codarium/Index.ini"] = before.at("Codarium/Index.ini");
    EXPECT_EQ(after.erase("Codarium/Index.ini.minisig"), 1u) << "what it sent as the signature";
    EXPECT_EQ(after, before);
    EXPECT_FALSE(fs::exists("/tmp/codarium-hostile-outside.txt"));
}

TEST_F(HostileUpdateServer, TheUpdaterGivesUpOnEndlessFilesAndChangesNothing) {
    // The installed a.txt differs from the listed one, so it is fetched.
    const std::vector<IndexEntry> entries = {{"a.txt", AbcDigest, "3"}};
    for (const char* scenario : EndlessScenarios) {
        SCOPED_TRACE(scenario);
        const auto before = contents(parent_);
        const long peakBefore = peakKiB();
        const auto start = std::chrono::steady_clock::now();
        FingerprintBuffer buffer;
        const InstallResult result = installUpdate(source(scenario), entries, buffer);
        EXPECT_LT(std::chrono::steady_clock::now() - start, TimeLimit);
        EXPECT_LT(peakKiB() - peakBefore, MaxGrowthKiB);
        EXPECT_EQ(result.error, InstallError::Download);
        EXPECT_EQ(result.file, "a.txt");
        EXPECT_EQ(contents(parent_), before);
    }
}

TEST_F(HostileUpdateServer, TheUpdaterGivesUpOnATricklingFileWhenItsTimeIsOver) {
    const std::vector<IndexEntry> entries = {{"a.txt", AbcDigest, "3"}};
    const auto before = contents(parent_);
    const auto start = std::chrono::steady_clock::now();
    FingerprintBuffer buffer;
    const InstallResult result = installUpdate(source("trickle-header"), entries, buffer);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::seconds(fileDownloadSeconds(3) - 2));
    EXPECT_LT(took, std::chrono::seconds(fileDownloadSeconds(3) + 10))
        << "the server would go on for 150 seconds";
    EXPECT_EQ(result.error, InstallError::Download);
    EXPECT_EQ(contents(parent_), before);
}

// A failed update takes away every folder it made, and a killed one leaves
// partial files and folders that the next start clears and that a release
// made from the killed directory never lists.
TEST_F(HostileUpdateServer, AFailedOrKilledUpdateLeavesNoFolderOrPartialFileBehind) {
    const std::vector<IndexEntry> entries = {{"Neu/Tief/a.txt", AbcDigest, "3"}};
    const auto before = contents(parent_);
    FingerprintBuffer buffer;
    EXPECT_EQ(installUpdate(source("endless-body"), entries, buffer).error, InstallError::Download);
    EXPECT_EQ(contents(parent_), before) << "the folders it made are gone";

    // The real updater, killed while the file trickles in.
    write(program() / "Konfiguration.ini",
          "[Konfiguration]\r\nServer = http://127.0.0.1:" + std::to_string(server_->port()) +
              "\r\nVerzeichnis = trickle\r\n");
    write(program() / "Index.ini",
          std::string("Neu/Tief/Datei.bin\r\n") + AbcDigest + "\r\n100000\r\n");
    fs::copy_file(fs::path(CODARIUM_PROGRAM_DIR) / "Aktualisierung", program() / "Aktualisierung");
    const auto key = codarium::testsupport::makeSigningKey(parent_ / "keys", "maker");
    fs::copy_file(key.publicKey, program() / "Aktualisierung.pub");
    ASSERT_TRUE(codarium::testsupport::signFile(key, program() / "Index.ini"));
    fs::remove_all(parent_ / "keys");
    const auto installed = contents(parent_);
    QProcess updater;
    updater.start(QString::fromStdString((program() / "Aktualisierung").string()), {});
    ASSERT_TRUE(updater.waitForStarted(5000));
    const std::string partialStem =
        "Datei.bin.aktualisierung.tmp-" + std::to_string(updater.processId()) + "-";
    fs::path partial;
    ASSERT_TRUE(handleEventsUntil(
        [&] {
            std::error_code error;
            for (const auto& entry : fs::directory_iterator(program() / "Neu/Tief", error)) {
                if (entry.path().filename().string().starts_with(partialStem)) {
                    partial = entry.path();
                }
            }
            return !partial.empty();
        },
        20000));
    ASSERT_TRUE(handleEventsUntil([&] { return fs::file_size(partial) > 0; }, 5000));
    updater.kill();
    ASSERT_TRUE(updater.waitForFinished(5000));
    ASSERT_TRUE(fs::exists(partial));

    QProcess make;
    make.start("python3", {QString(CODARIUM_SOURCE_DIR) + "/scripts/make-update-index",
                           QString::fromStdString(program().string())});
    ASSERT_TRUE(make.waitForFinished(20000));
    ASSERT_EQ(make.exitCode(), 0);
    const QByteArray index = make.readAllStandardOutput();
    EXPECT_TRUE(index.contains("Konfiguration.ini\r\n")) << index.toStdString();
    EXPECT_FALSE(index.contains("aktualisierung")) << index.toStdString();
    EXPECT_FALSE(index.contains("Aktualisierung.journal")) << index.toStdString();

    // A temporary file of a process that still runs is never taken.
    const fs::path running =
        program() / ("Neu/Tief/Datei.bin.aktualisierung.tmp-" + std::to_string(::getpid()) + "-7");
    write(running, "in Arbeit");
    EXPECT_EQ(cleanUpAfterUpdates(program().string()), CleanUp::Done);
    auto after = contents(parent_);
    EXPECT_EQ(after.erase(fs::relative(running, parent_).generic_string()), 1u);
    // The folder the running process writes in stays, and so does the
    // journal that names it.
    EXPECT_EQ(after.erase("Codarium/Neu/Tief"), 1u);
    EXPECT_EQ(after.erase("Codarium/Neu"), 1u);
    EXPECT_EQ(after.erase("Codarium/Aktualisierung.journal"), 1u);
    EXPECT_EQ(after, installed);
    fs::remove(running);
    EXPECT_EQ(cleanUpAfterUpdates(program().string()), CleanUp::Done);
    EXPECT_EQ(contents(parent_), installed) << "a second start has nothing left to clear";
}

TEST_F(HostileUpdateServer, TheUpdaterFetchesNothingForAnIndexOfPathsOutside) {
    const fs::path index = parent_ / "served-index.ini";
    ASSERT_GT(download(releaseUrl(source("outside"), "Index.ini"), index.string()), 0);
    const auto entries = readUpdateIndex(index.string());
    fs::remove(index);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 6u);

    const auto before = contents(parent_);
    int fetched = 0;
    FingerprintBuffer buffer;
    const InstallResult result = installUpdate(source("outside"), *entries, buffer,
                                               [&](std::string_view, int, int) { ++fetched; });
    EXPECT_EQ(result.error, InstallError::UnsafePath);
    EXPECT_EQ(result.file, "../outside.txt");
    EXPECT_EQ(fetched, 0);
    EXPECT_EQ(contents(parent_), before) << "not even the safe file is fetched";
    EXPECT_FALSE(fs::exists("/tmp/codarium-hostile-outside.txt"));
}

} // namespace
} // namespace codarium::online
