#include "app/app_state.h"
#include "app/event_loop.h"
#include "app/main_window_numbers.h"
#include "online/file_fingerprint.h"
#include "online/update_journal.h"
#include "online/update_state.h"
#include "online/update_wait_window.h"
#include "online/updater_start.h"
#include "online/worker_threads.h"
#include "program_fixture.h"
#include "tests/runtime/net/local_listener.h"
#include "widgets/gadgets.h"
#include "widgets/progress_gadget.h"
#include "widgets/test_hooks.h"
#include "widgets/windows.h"

#include <QApplication>
#include <chrono>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using testsupport::writeBytes;

class UpdateCommandTest : public testsupport::ProgramTest {
protected:
    void TearDown() override {
        online::releaseAllThreads();
        ProgramTest::TearDown();
    }

    void serveFrom(std::uint16_t port) {
        writeBytes(program("Konfiguration.ini"),
                   "[Konfiguration]\r\nSoftware = Codarium\r\nServer = http://127.0.0.1:" +
                       std::to_string(port) + "\r\nVerzeichnis = codarium\r\n");
    }

    // Lets turns run until the condition holds (bounded).
    template <typename Condition> bool turnsUntil(Condition done, int limitMs = 10000) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
        while (!done()) {
            if (std::chrono::steady_clock::now() > until) {
                return false;
            }
            runPendingTurns();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }
};

TEST_F(UpdateCommandTest, CommandOneOpensTheWaitWindowOnceAndAbbrechenEndsTheCheck) {
    testing::LocalListener silent;
    serveFrom(silent.port());
    ASSERT_TRUE(start());
    runPendingTurns();
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::Update));
    EXPECT_FALSE(runPendingTurns());

    ASSERT_TRUE(widgets::isWindow(UpdateWaitWindow));
    EXPECT_EQ(widgets::windowTitle(UpdateWaitWindow), "Actualiser    ");
    EXPECT_EQ(widgets::windowWidth(UpdateWaitWindow), 500);
    EXPECT_EQ(widgets::windowHeight(UpdateWaitWindow), 120);
    for (int gadget = 1001; gadget <= 1005; ++gadget) {
        EXPECT_EQ(widgets::gadgetWindow(gadget), UpdateWaitWindow) << gadget;
    }
    EXPECT_TRUE(widgets::progressIsMarquee(1004));
    EXPECT_EQ(widgets::gadgetText(1005), "Abbrechen");
    EXPECT_EQ(widgets::gadgetText(1003),
              "Bitte warten Sie, bis die Suche nach neuen Updates abgeschlossen wurde.");
    EXPECT_FALSE(widgets::windowDisabled(MainWindow)) << "the main window stays usable";
    const int thread = online::updateThread();
    ASSERT_NE(thread, 0);
    EXPECT_TRUE(online::threadRunning(thread));
    const int firstConnection = silent.accept();

    // A second command 1 while the check runs starts nothing.
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::Update));
    runPendingTurns();
    EXPECT_EQ(online::updateThread(), thread);
    EXPECT_TRUE(widgets::isWindow(UpdateWaitWindow));

    ASSERT_TRUE(hooks::clickButton(1005));
    runPendingTurns();
    EXPECT_FALSE(widgets::isWindow(UpdateWaitWindow));
    ASSERT_TRUE(turnsUntil([&] { return !online::threadRunning(thread); }));
    runPendingTurns();
    EXPECT_TRUE(hooks::recordedMessageBoxes().empty());
    EXPECT_FALSE(widgets::isWindow(UpdateWaitWindow));
    ::close(firstConnection);
}

TEST_F(UpdateCommandTest, AFinishedCheckClosesTheWaitWindowAfterTheNextEvent) {
    serveFrom(testing::unusedPort());
    ASSERT_TRUE(start());
    runPendingTurns();
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::Update));
    runPendingTurns();
    const int thread = online::updateThread();
    ASSERT_TRUE(turnsUntil([&] { return !widgets::isWindow(UpdateWaitWindow); }));
    EXPECT_FALSE(online::threadRunning(thread));
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Fehler");
    EXPECT_EQ(workerFlags().UpdateCheckFinished, 0) << "reset by the loop";

    // The next command 1 starts a new check.
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::Update));
    runPendingTurns();
    EXPECT_NE(online::updateThread(), thread);
}

TEST_F(UpdateCommandTest, AnAcceptedCheckEndsTheLoopAndStartsTheUpdater) {
    ASSERT_TRUE(start());
    runPendingTurns();
    workerFlags().UpdaterRequested = 1;
    widgets::postWindowEvent({widgets::EventKind::WakeUp});
    EXPECT_EQ(runEventLoop(), LoopEnd::UpdaterHandOver);

    const std::string updater = program("Aktualisierung");
    writeBytes(updater, "#!/bin/sh\necho \"$PWD\" > \"$(dirname \"$0\")/gestartet\"\n");
    fs::permissions(updater, fs::perms::owner_all);
    EXPECT_TRUE(online::startUpdater(startupState().DataDir));
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(program("gestartet")) && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(fs::exists(program("gestartet")));
}

// The program's start brings a directory that a killed updater left between
// two releases to one of them before it reads anything.
TEST_F(UpdateCommandTest, TheStartFinishesOrUndoesAnUpdateThatWasKilled) {
    // Killed while renaming: A is in place, B still waits beside its old copy.
    fs::create_directories(program("Codes"));
    writeBytes(program("Codes/A.pb"), "neu A");
    writeBytes(program("Codes/A.pb.vorher"), "alt A");
    writeBytes(program("Codes/B.pb"), "alt B");
    writeBytes(program("Codes/B.pb.aktualisierung"), "neu B");
    online::FingerprintBuffer buffer;
    online::UpdateJournal replacing;
    replacing.phase = online::JournalPhase::Replacing;
    replacing.timestamp = 1765000000;
    replacing.files = {
        {"Codes/A.pb", online::fileFingerprint(program("Codes/A.pb"), buffer), 5, true},
        {"Codes/B.pb", online::fileFingerprint(program("Codes/B.pb.aktualisierung"), buffer), 5,
         true},
    };
    ASSERT_TRUE(online::saveJournal(programDir.path().string(), replacing));
    ASSERT_TRUE(start());
    EXPECT_EQ(testsupport::readBytes(program("Codes/A.pb")), "neu A");
    EXPECT_EQ(testsupport::readBytes(program("Codes/B.pb")), "neu B");
    for (const char* left :
         {"Codes/A.pb.vorher", "Codes/B.pb.aktualisierung", "Aktualisierung.journal"}) {
        EXPECT_FALSE(fs::exists(program(left))) << left;
    }
    EXPECT_EQ(online::lastInstalledTimestamp(programDir.path().string()), 1765000000);
}

TEST_F(UpdateCommandTest, TheStartRemovesTheFoldersAndPartialFilesOfAKilledDownload) {
    const pid_t ended = ::fork();
    if (ended == 0) {
        std::_Exit(0);
    }
    ::waitpid(ended, nullptr, 0);
    const std::string partial = "Neu/Tief/X.pb.aktualisierung.tmp-" + std::to_string(ended) + "-0";
    fs::create_directories(program("Neu/Tief"));
    writeBytes(program(partial), "halb");
    online::UpdateJournal fetching;
    fetching.folders = {"Neu", "Neu/Tief"};
    fetching.files = {{"Neu/Tief/X.pb", "0123", 10, false}};
    ASSERT_TRUE(online::saveJournal(programDir.path().string(), fetching));
    ASSERT_TRUE(start());
    EXPECT_FALSE(fs::exists(program("Neu")));
    EXPECT_FALSE(fs::exists(program("Aktualisierung.journal")));
}

} // namespace
} // namespace codarium::app
