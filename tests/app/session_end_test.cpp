// The end of the session while something waits for the user: in this process
// for the boxes and dialogs that run loops of their own, and through the real
// executable for the two seconds a desktop gives it.
#include "app/session_end.h"
#include "program_child.h"
#include "program_fixture.h"
#include "widgets/file_dialog.h"
#include "widgets/message_box.h"
#include "widgets/test_hooks.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/wait.h>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using namespace std::chrono_literals;
using testsupport::readBytes;
using testsupport::writeBytes;

bool aDialogIsShown() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog*>(w) != nullptr && w->isVisible()) {
            return true;
        }
    }
    return false;
}

class SessionEndInProcess : public testsupport::ProgramTest {};

TEST_F(SessionEndInProcess, AnOpenBoxOrFileDialogClosesAndNoOtherOpens) {
    ASSERT_TRUE(start());
    installSessionEndHandlers();
    runPendingTurns();
    hooks::scriptDialogs(false); // real boxes and dialogs, each in its own loop

    struct Case {
        const char* name;
        std::function<bool()> openAndCancelled; // true when it came back cancelled
    };
    const Case cases[] = {
        {"question box",
         [] {
             return widgets::messageRequester("Frage", "Weiter?", widgets::MessageIcon::Question,
                                              widgets::MessageButtons::YesNo) ==
                    widgets::MessageResult::Cancelled;
         }},
        {"file dialog",
         [this] {
             return widgets::openFileRequester("Datei", programDir / "Codarium", "*").empty();
         }},
    };
    bool first = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool shownWhenSignalled = false;
        if (first) {
            // The request arrives while the box waits for the user.
            QTimer::singleShot(0, [&] {
                static_cast<void>(QTest::qWaitFor(aDialogIsShown, 2000));
                shownWhenSignalled = aDialogIsShown();
                std::raise(SIGTERM);
            });
        }
        const auto began = std::chrono::steady_clock::now();
        EXPECT_TRUE(c.openAndCancelled());
        EXPECT_LT(std::chrono::steady_clock::now() - began, 2s);
        if (first) {
            EXPECT_TRUE(shownWhenSignalled);
        }
        // Later ones answer at once without opening.
        EXPECT_FALSE(aDialogIsShown());
        first = false;
    }
    EXPECT_TRUE(runPendingTurns()) << "the close request reaches the loop";
}

// Started on `settings` (none: a first start), idle, then SIGTERM: ended
// with 0 within two seconds. Returns the settings file as it is afterwards.
std::optional<std::string> endWhileWaiting(bool withServerConfig,
                                           const std::optional<std::string>& settings) {
    testsupport::ScratchFolder programDir;
    testsupport::ScratchFolder appData;
    testsupport::installProgram(programDir.path(), withServerConfig);
    const fs::path file = appData.path() / "Marvolt/Codarium/Einstellungen.ini";
    if (settings) {
        fs::create_directories(file.parent_path());
        writeBytes(file.string(), *settings);
    }
    const pid_t pid = testsupport::startProgram(
        programDir.path() / "Codarium", {"APPDATA", "QT_QPA_PLATFORM"},
        {"APPDATA=" + appData.path().string(), "QT_QPA_PLATFORM=offscreen"});
    EXPECT_NE(pid, 0);
    if (pid == 0) {
        return std::nullopt;
    }
    // Idle means its window and its box or dialog are up and waiting.
    EXPECT_TRUE(testsupport::waitUntilIdle(pid, 500ms, 30s));
    ::kill(pid, SIGTERM);
    const auto status = testsupport::waitForExit(pid, 2s);
    testsupport::killProgram(pid);
    EXPECT_TRUE(status.has_value()) << "still running two seconds after SIGTERM";
    if (!status) {
        return std::nullopt;
    }
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << *status;
    return fs::exists(file) ? std::optional(readBytes(file.string())) : std::nullopt;
}

TEST(SessionEndProgram, DuringAStartUpErrorBoxItEndsAndSavesNothing) {
    const std::string settings = "[Einstellungen]\r\nPBPfad = 0\r\nFensterbreite = 700\r\n";
    // Without a server configuration the start ends in an error box.
    EXPECT_EQ(endWhileWaiting(false, settings), settings);
}

TEST(SessionEndProgram, DuringTheFirstRunDialogItEndsAndSaves) {
    const std::optional<std::string> saved = endWhileWaiting(true, std::nullopt);
    ASSERT_TRUE(saved.has_value()) << "the settings are written at the end";
    EXPECT_NE(saved->find("[Einstellungen]"), std::string::npos);
}

} // namespace
} // namespace codarium::app
