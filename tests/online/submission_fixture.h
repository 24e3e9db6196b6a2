#pragma once
// The program started in this process with window 2 open, a temporary folder
// of its own for the submission file, and an FTP server on 127.0.0.1 for the
// submissions to go to: pyftpdlib with the maker's account, or the scripted
// server for one that stops answering.
#include "../runtime/ftp/ftp_test_servers.h"
#include "app/event_loop.h"
#include "app/main_window_numbers.h"
#include "app/ui_text.h"
#include "online/submission_server.h"
#include "online/submission_window_numbers.h"
#include "online/upload_progress.h"
#include "program_fixture.h"
#include "runtime/ftp_client.h"
#include "viewer/code_view.h"
#include "viewer/code_view_text.h"
#include "widgets/combo_gadget.h"
#include "widgets/gadgets.h"
#include "widgets/progress_gadget.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/test_hooks.h"
#include "widgets/windows.h"

#include <QDir>
#include <QPixmap>
#include <Qsci/qsciscintillabase.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <thread>

namespace codarium::online::submissiontest {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using app::ui;
using testsupport::readBytes;
using testsupport::writeBytes;

// An upload is named by the second it starts in. Waits until a second later
// than the present one has begun, so that the next upload gets a name of its
// own.
inline bool nextSecondBegan() {
    const std::time_t now = std::time(nullptr);
    return testsupport::waitUntil([now] { return std::time(nullptr) > now; },
                                  std::chrono::seconds(2));
}

constexpr const char* MakerUser = "usr7048k2";
constexpr const char* MakerPassword = "KqwTR4nz";
constexpr unsigned int SciGetReadOnly = QsciScintillaBase::SCI_GETREADONLY;

class SubmissionTest : public testsupport::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        const char* tmp = std::getenv("TMPDIR");
        savedTmp_ = tmp != nullptr ? std::optional<std::string>(tmp) : std::nullopt;
        ::setenv("TMPDIR", tmp_.path().c_str(), 1);
    }
    void TearDown() override {
        ftpCloseAll();
        submissionServer() = makerServer();
        if (savedTmp_) {
            ::setenv("TMPDIR", savedTmp_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
        ProgramTest::TearDown();
    }

    // Starts the program and opens window 2 with command 10.
    void openDialog() {
        fs::create_directories(programDir.path() / "Einstellungen");
        ASSERT_TRUE(start());
        runPendingTurns();
        ASSERT_TRUE(hooks::chooseMenuItem(app::MainMenu, app::command::SubmitCode));
        runPendingTurns();
        ASSERT_TRUE(widgets::isWindow(SubmissionWindowNumber));
    }

    bool startServer(int readLimit = 0, const char* password = MakerPassword) {
        if (!server_.startPyftpdlib(readLimit, MakerUser, password)) {
            return false;
        }
        submissionServer() = {"127.0.0.1", server_.port(), MakerUser, MakerPassword};
        return true;
    }

    // The scripted server acting out one scenario (it takes any account).
    bool startScriptedServer(ftptest::TestServer& server, const std::string& scenario) {
        if (!server.startScripted(scenario)) {
            return false;
        }
        submissionServer() = {"127.0.0.1", server.port(), MakerUser, MakerPassword};
        return true;
    }

    void setCode(std::string_view bytes) {
        viewer::setText(SubmissionCodeView, bytes);
        runPendingTurns();
    }

    void fillDetails(std::string_view author, std::string_view email, std::string_view title) {
        widgets::setGadgetText(AuthorField, author);
        widgets::setGadgetText(EmailField, email);
        widgets::setGadgetText(TitleField, title);
        runPendingTurns();
    }

    // Runs the loop's turns until window 3 has closed again (at most about
    // `seconds`), noting the highest percentage window 3 showed.
    bool runUntilUploadEnds(int seconds = 20) {
        runPendingTurns(); // the click that opens window 3
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (widgets::isWindow(UploadWindowNumber)) {
            notePercentage();
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            runPendingTurns();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    void notePercentage() {
        const std::string text = widgets::gadgetText(UploadPercentText);
        if (text.size() > 2 && text.ends_with(" %")) {
            highestPercent_ = std::max(highestPercent_, std::stoi(text));
        }
    }

    // The files on the server: name and contents.
    std::vector<std::pair<std::string, std::string>> arrived() const {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& entry : fs::directory_iterator(server_.root())) {
            files.emplace_back(entry.path().filename().string(), readBytes(entry.path().string()));
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    static bool isTimeStampName(const std::string& name) {
        if (name.size() != 17 || !name.ends_with(".pb")) {
            return false;
        }
        return std::all_of(name.begin(), name.begin() + 14,
                           [](char c) { return c >= '0' && c <= '9'; });
    }

    // A picture of a window for the documentation, when asked for (run under
    // a real display server with CODARIUM_SCREENSHOT_DIR set).
    static void saveScreenshot(int window, const char* name) {
        const char* dir = std::getenv("CODARIUM_SCREENSHOT_DIR");
        if (dir == nullptr) {
            return;
        }
        hooks::processPendingEvents();
        EXPECT_TRUE(hooks::windowObject(window)->grab().save(QDir(dir).filePath(name)));
    }

    std::vector<hooks::RecordedMessageBox> boxes() const { return hooks::recordedMessageBoxes(); }

    testsupport::ScratchFolder tmp_;
    ftptest::TestServer server_;
    std::optional<std::string> savedTmp_;
    int highestPercent_ = -1;
};

inline std::string trailer(std::string_view author, std::string_view email, std::string_view title,
                           std::string_view category) {
    return "\r\n;Autor: " + std::string(author) + "\r\n;E-Mail-Adresse: " + std::string(email) +
           "\r\n;Titel: " + std::string(title) + "\r\n;Kategorie: " + std::string(category) +
           "\r\n";
}

inline void writeCategories(const testsupport::ScratchFolder& programDir, std::string_view lines) {
    fs::create_directories(programDir.path() / "Einstellungen");
    writeBytes(programDir / "Einstellungen/Kategorien.ini", lines);
}

} // namespace codarium::online::submissiontest
