#include "gui_fixture.h"
#include "widgets/file_dialog.h"
#include "widgets/message_box.h"
#include "widgets/test_hooks.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <atomic>
#include <thread>

namespace codarium::widgets {
namespace {

class DialogTest : public testsupport::GuiTest {};

TEST_F(DialogTest, ScriptedBoxesAnswerInOrderAndAreRecorded) {
    testing::queueMessageBoxAnswer(MessageResult::Yes);
    EXPECT_EQ(messageRequester("Frage", "Eins\rZwei", MessageIcon::Question, MessageButtons::YesNo),
              MessageResult::Yes);
    // Without a queued answer: the harmless one.
    EXPECT_EQ(messageRequester("Frage", "?", MessageIcon::Question, MessageButtons::YesNo),
              MessageResult::No);
    errorBox("Kaputt");
    const auto boxes = testing::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].title, "Frage");
    EXPECT_EQ(boxes[0].text, "Eins\rZwei");
    EXPECT_EQ(boxes[0].icon, MessageIcon::Question);
    EXPECT_EQ(boxes[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(boxes[2].title, "Fehler");
    EXPECT_EQ(boxes[2].icon, MessageIcon::Error);
    EXPECT_EQ(boxes[2].buttons, MessageButtons::Ok);
}

TEST_F(DialogTest, WorkerBoxesAreScriptedToo) {
    testing::queueMessageBoxAnswer(MessageResult::No);
    MessageResult answer = MessageResult::Ok;
    ASSERT_TRUE(testsupport::runOnWorker([&] {
        answer = messageRequester("Actualiser    ", "Neue Version vorhanden.",
                                  MessageIcon::Question, MessageButtons::YesNo);
    }));
    EXPECT_EQ(answer, MessageResult::No);
    ASSERT_EQ(testing::recordedMessageBoxes().size(), 1u);
    EXPECT_EQ(testing::recordedMessageBoxes()[0].title, "Actualiser    ");
}

TEST_F(DialogTest, AWorkersRealBoxIsShownOnTheGuiThreadAndClosesWhenCancelled) {
    testing::scriptDialogs(false);
    std::atomic<bool> cancel{false};
    std::atomic<bool> shown{false};
    // Watches for the box on the GUI thread, then cancels from elsewhere.
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
                EXPECT_EQ(box->text(), QStringLiteral("Zeile 1\nZeile 2"));
                EXPECT_EQ(box->windowTitle(), QStringLiteral("Fehler"));
                shown = true;
                cancel = true;
            }
        }
    });
    probe.start(20);
    MessageResult answer = MessageResult::Ok;
    ASSERT_TRUE(testsupport::runOnWorker([&] {
        answer = messageRequester("Fehler", "Zeile 1\rZeile 2", MessageIcon::Error,
                                  MessageButtons::Ok, &cancel);
    }));
    EXPECT_TRUE(shown);
    EXPECT_EQ(answer, MessageResult::Cancelled);
    // A box whose worker is already cancelled never appears.
    EXPECT_EQ(messageRequester("Fehler", "x", MessageIcon::Error, MessageButtons::Ok, &cancel),
              MessageResult::Cancelled);
}

TEST_F(DialogTest, ScriptedFileDialogs) {
    testing::queueFileDialogAnswer("/opt/purebasic/compilers/purebasic");
    EXPECT_EQ(openFileRequester("PureBasic-Editor ausw\xE4hlen", "PureBasic.exe",
                                "Executable-Dateien|PureBasic.exe"),
              "/opt/purebasic/compilers/purebasic");
    EXPECT_EQ(openFileRequester("Nochmal", "", ""), "");
    const auto dialogs = testing::recordedFileDialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].title, "PureBasic-Editor ausw\xE4hlen");
    EXPECT_EQ(dialogs[0].proposedFile, "PureBasic.exe");
    EXPECT_EQ(dialogs[0].filter, "Executable-Dateien|PureBasic.exe");
}

} // namespace
} // namespace codarium::widgets
