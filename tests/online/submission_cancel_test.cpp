// "Abbrechen" in window 3 against servers that stop answering at each point of
// a submission, through the program's own start-up and event loop: the cancel
// box comes within a second, the GUI thread keeps serving its events all the
// while, and window 2 comes back with everything in it.
#include "submission_fixture.h"

#include <QTimer>

namespace codarium::online::submissiontest {
namespace {

using Clock = std::chrono::steady_clock;

// Notes the longest time between two ticks of a timer on the GUI thread: a
// GUI thread that waits on anything shows up as a long gap.
class GuiThreadWatch {
public:
    GuiThreadWatch() {
        last_ = Clock::now();
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const auto now = Clock::now();
            longestGap_ = std::max(longestGap_, now - last_);
            last_ = now;
            ++ticks_;
        });
        timer_.start();
    }
    Clock::duration longestGap() const { return std::max(longestGap_, Clock::now() - last_); }
    int ticks() const { return ticks_; }

private:
    QTimer timer_;
    Clock::time_point last_;
    Clock::duration longestGap_{};
    int ticks_ = 0;
};

class SubmissionCancel : public SubmissionTest {
protected:
    // Runs the loop's turns for about `duration`.
    void turnFor(Clock::duration duration) {
        const auto until = Clock::now() + duration;
        while (Clock::now() < until) {
            runPendingTurns();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    // Runs the loop's turns until the server's log shows `text` or about five
    // seconds have passed.
    bool turnUntilLogShows(const ftptest::TestServer& server, const std::string& text) {
        const auto until = Clock::now() + std::chrono::seconds(5);
        while (server.log().find(text) == std::string::npos) {
            if (Clock::now() >= until) {
                return false;
            }
            turnFor(std::chrono::milliseconds(10));
        }
        return true;
    }

    // Runs the loop's turns until a box has been shown or `limit` has passed;
    // the time it took.
    Clock::duration turnUntilBox(Clock::duration limit) {
        const auto start = Clock::now();
        while (hooks::recordedMessageBoxes().empty() && Clock::now() - start < limit) {
            runPendingTurns();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return Clock::now() - start;
    }
};

TEST_F(SubmissionCancel, AbbrechenEndsEveryPhaseWithinASecondAndKeepsTheDialog) {
    struct Phase {
        const char* scenario;
        const char* reached; // what the log shows once the program waits there
    };
    const Phase phases[] = {
        {"full-backlog", nullptr},            // connecting: no answer to the connect
        {"silent-greeting", nullptr},         // connected, no greeting
        {"silent-at-pass", "CMD PASS"},       // logging in
        {"silent-after-login", "CMD TYPE I"}, // negotiating the transfer
        {"stall-data", "DATA-FROM"},          // sending: the server takes nothing in
        {"no-closing-reply", "DATA-CLOSED"},  // waiting for the closing reply
    };
    writeCategories(programDir, "Fenster\r\nDateien\r\n");
    openDialog();
    fillDetails("Eva", "e@example.org", "Stockend");
    widgets::setSelectedComboItem(CategoryCombo, 1);
    std::string code;
    while (code.size() < 40000) {
        code += "Debug \"Zeile " + std::to_string(code.size()) + "\"\r\n";
    }
    setCode(code);
    for (const Phase& phase : phases) {
        SCOPED_TRACE(phase.scenario);
        ftptest::TestServer server;
        ASSERT_TRUE(startScriptedServer(server, phase.scenario));
        hooks::clearRecordedDialogs();
        const GuiThreadWatch watch;
        ASSERT_TRUE(hooks::clickButton(SendButton));
        if (phase.reached != nullptr) {
            ASSERT_TRUE(turnUntilLogShows(server, phase.reached)) << server.log();
        }
        turnFor(std::chrono::milliseconds(300));
        // Still waiting there: the phase really stalls.
        ASSERT_TRUE(widgets::isWindow(UploadWindowNumber));
        ASSERT_TRUE(hooks::recordedMessageBoxes().empty());

        ASSERT_TRUE(hooks::clickButton(UploadCancelButton));
        EXPECT_LT(turnUntilBox(std::chrono::seconds(3)), std::chrono::seconds(1));
        ASSERT_TRUE(runUntilUploadEnds(3));
        // The GUI thread served its timer all the while (ticks every 10 ms;
        // a wait on the network would leave a gap of seconds).
        EXPECT_GT(watch.ticks(), 20);
        EXPECT_LT(watch.longestGap(), std::chrono::milliseconds(300));

        const auto shown = boxes();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].title, "WinAPI-Code senden");
        EXPECT_EQ(shown[0].icon, widgets::MessageIcon::Warning);
        EXPECT_EQ(shown[0].text, "Der Vorgang wurde abgebrochen.");
        // Back in window 2, with everything as it was.
        ASSERT_TRUE(widgets::isWindow(SubmissionWindowNumber));
        EXPECT_FALSE(widgets::windowDisabled(SubmissionWindowNumber));
        EXPECT_EQ(widgets::gadgetText(AuthorField), "Eva");
        EXPECT_EQ(widgets::gadgetText(EmailField), "e@example.org");
        EXPECT_EQ(widgets::gadgetText(TitleField), "Stockend");
        EXPECT_EQ(widgets::selectedComboItem(CategoryCombo), 1);
        EXPECT_EQ(viewer::viewFileBytes(SubmissionCodeView), code);
        EXPECT_FALSE(widgets::gadgetDisabled(SendButton));
        // The stalled session is let go before its server goes away.
        ftpCloseAll();
    }
}

} // namespace
} // namespace codarium::online::submissiontest
