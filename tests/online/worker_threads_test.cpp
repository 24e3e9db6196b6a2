#include "online/worker_threads.h"
#include "tests/online/gui_events.h"
#include "widgets/gui_thread.h"
#include "widgets/message_box.h"
#include "widgets/test_hooks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace codarium::online {
namespace {

using testsupport::ensureApplication;
using testsupport::handleEventsUntil;

using namespace std::chrono_literals;

QMessageBox* visibleBox() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

void waitForStop(const StopToken& stop) {
    while (!stop) {
        std::this_thread::sleep_for(5ms);
    }
}

class WorkerThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        widgets::testing::scriptDialogs(false);
    }
    void TearDown() override { releaseAllThreads(); }
};

TEST_F(WorkerThreadTest, NumbersCountUpAndEndedThreadsAreReleasedWhenTheNextStarts) {
    const int first = startThread([](int, const StopToken&) {}, 0);
    ASSERT_GE(first, 1);
    ASSERT_TRUE(handleEventsUntil([&] { return !threadRunning(first); }));
    EXPECT_EQ(heldThreadCount(), 1u) << "an ended thread is held until the next start";

    std::atomic<int> seenArgument{0};
    const int second = startThread(
        [&](int argument, const StopToken& stop) {
            seenArgument = argument;
            waitForStop(stop);
        },
        42);
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(heldThreadCount(), 1u);
    EXPECT_TRUE(threadRunning(second));
    killThread(second);
    ASSERT_TRUE(handleEventsUntil([&] { return !threadRunning(second); }));
    EXPECT_EQ(seenArgument, 42);
    // Unknown numbers are ignored.
    killThread(0);
    killThread(second + 100);
    EXPECT_FALSE(threadRunning(second + 100));
    releaseAllThreads();
    EXPECT_EQ(heldThreadCount(), 0u);
}

TEST_F(WorkerThreadTest, AWorkerBlockedInAMessageBoxIsStoppedAndItsBoxCloses) {
    std::atomic<widgets::MessageResult> answer{widgets::MessageResult::Ok};
    const int number = startThread(
        [&](int, const StopToken& stop) {
            answer = widgets::messageRequester("Fehler",
                                               "Fehler beim \xDC"
                                               "berpr\xFC"
                                               "fen des Servers.",
                                               widgets::MessageIcon::Error,
                                               widgets::MessageButtons::Ok, &stop);
        },
        0);
    ASSERT_NE(number, 0);
    ASSERT_TRUE(handleEventsUntil([] { return visibleBox() != nullptr; }));
    // The box leaves the program's other windows usable.
    EXPECT_EQ(visibleBox()->windowModality(), Qt::NonModal);
    EXPECT_TRUE(threadRunning(number));

    killThread(number); // returns at once; the GUI thread keeps running
    ASSERT_TRUE(handleEventsUntil([&] { return !threadRunning(number); }));
    EXPECT_EQ(answer.load(), widgets::MessageResult::Cancelled);
    EXPECT_TRUE(handleEventsUntil([] { return visibleBox() == nullptr; }));
}

TEST_F(WorkerThreadTest, AnAnsweredWorkerBoxHandsTheAnswerBack) {
    std::atomic<widgets::MessageResult> answer{widgets::MessageResult::Cancelled};
    const int number = startThread(
        [&](int, const StopToken& stop) {
            answer = widgets::messageRequester("Actualiser    ", "Neue Version vorhanden.",
                                               widgets::MessageIcon::Question,
                                               widgets::MessageButtons::YesNo, &stop);
        },
        0);
    ASSERT_NE(number, 0);
    ASSERT_TRUE(handleEventsUntil([] { return visibleBox() != nullptr; }));
    visibleBox()->button(QMessageBox::Yes)->click();
    ASSERT_TRUE(handleEventsUntil([&] { return !threadRunning(number); }));
    EXPECT_EQ(answer.load(), widgets::MessageResult::Yes);
}

TEST_F(WorkerThreadTest, WhatAStoppedWorkerPublishesNeverLands) {
    std::atomic<int> flag{0};
    std::atomic<bool> before{false}, after{true};
    const int number = startThread(
        [&](int, const StopToken& stop) {
            before = publishUnlessStopped(stop, [&] { flag = 1; });
            waitForStop(stop);
            after = publishUnlessStopped(stop, [&] { flag = 2; });
        },
        0);
    ASSERT_TRUE(handleEventsUntil([&] { return before.load(); }));
    killThread(number);
    ASSERT_TRUE(handleEventsUntil([&] { return !threadRunning(number); }));
    EXPECT_FALSE(after);
    EXPECT_EQ(flag, 1);
}

TEST_F(WorkerThreadTest, ReleaseAtExitEndsAWorkerThatKeepsCallingTheGuiThread) {
    std::atomic<int> calls{0};
    const int number = startThread(
        [&](int, const StopToken& stop) {
            while (!stop) {
                widgets::runOnGuiThread([&] { ++calls; });
            }
            // One more blocking call after the stop: the GUI thread must
            // still be serving while it waits for the end.
            widgets::runOnGuiThread([&] { ++calls; });
        },
        0);
    ASSERT_TRUE(handleEventsUntil([&] { return calls > 3; }));
    releaseAllThreads(10000);
    EXPECT_FALSE(threadRunning(number));
    EXPECT_EQ(heldThreadCount(), 0u);
}

} // namespace
} // namespace codarium::online
