#include "widgets/message_box.h"

#include "platform/code_page.h"
#include "widgets/dialog_stand_in.h"
#include "widgets/gui_thread.h"
#include "widgets/internal_text.h"
#include "widgets/modal_loops.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace codarium::widgets {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
}

MessageResult resultOf(int answer, MessageButtons buttons) {
    switch (answer) {
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    default:
        return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    }
}

// A box asked for on the GUI thread: modal, as the user expects of a box
// that interrupts their own action.
MessageResult showBox(std::string_view title, std::string_view text, MessageIcon icon,
                      MessageButtons buttons, const std::atomic<bool>* cancel) {
    QMessageBox box(qtIcon(icon), platform::toQString(title), detail::withLineFeeds(text),
                    qtButtons(buttons), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    bool cancelled = false;
    QTimer watch;
    if (cancel != nullptr) {
        QObject::connect(&watch, &QTimer::timeout, &box, [&] {
            if (cancel->load()) {
                cancelled = true;
                box.reject();
            }
        });
        watch.start(50);
    }
    const int answer = box.exec();
    return cancelled || modalLoopsEnded() ? MessageResult::Cancelled : resultOf(answer, buttons);
}

// The answer of a worker's box, handed from the GUI thread to the waiting
// worker. Shared by both sides, so that whichever side finishes last frees it.
struct PendingAnswer {
    std::mutex lock;
    std::condition_variable answered;
    bool done = false;
    MessageResult result = MessageResult::Cancelled;
    // Set by the worker when it stops waiting: the box closes (or never opens).
    std::atomic<bool> abandoned{false};

    void finish(MessageResult answer) {
        {
            std::lock_guard guard(lock);
            if (done) {
                return;
            }
            done = true;
            result = answer;
        }
        answered.notify_all();
    }
};

constexpr int WatchMilliseconds = 50;

// Opens a worker's box on the GUI thread without blocking it: the GUI thread
// never waits for a worker, and the box of a worker that stops waiting closes.
// The box does not block the program's other windows (a wait window's cancel
// button stays usable while it is open).
void openWorkerBox(const std::shared_ptr<PendingAnswer>& pending, const QString& title,
                   const QString& text, MessageIcon icon, MessageButtons buttons) {
    if (pending->abandoned) {
        pending->finish(MessageResult::Cancelled);
        return;
    }
    auto* box = new QMessageBox(qtIcon(icon), title, text, qtButtons(buttons));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    QObject::connect(box, &QMessageBox::finished, box, [pending, buttons](int answer) {
        pending->finish(modalLoopsEnded() ? MessageResult::Cancelled : resultOf(answer, buttons));
    });
    auto* watch = new QTimer(box);
    QObject::connect(watch, &QTimer::timeout, box, [pending, box] {
        if (pending->abandoned) {
            pending->finish(MessageResult::Cancelled);
            box->reject();
        }
    });
    watch->start(WatchMilliseconds);
    box->show();
    box->raise();
    box->activateWindow();
}

MessageResult showWorkerBox(std::string_view title, std::string_view text, MessageIcon icon,
                            MessageButtons buttons, const std::atomic<bool>* cancel) {
    auto pending = std::make_shared<PendingAnswer>();
    QMetaObject::invokeMethod(
        QApplication::instance(),
        [pending, qtTitle = platform::toQString(title), qtText = detail::withLineFeeds(text), icon,
         buttons] { openWorkerBox(pending, qtTitle, qtText, icon, buttons); },
        Qt::QueuedConnection);
    std::unique_lock guard(pending->lock);
    while (!pending->done) {
        if (cancel != nullptr && cancel->load()) {
            pending->abandoned = true;
            return MessageResult::Cancelled;
        }
        pending->answered.wait_for(guard, std::chrono::milliseconds(WatchMilliseconds));
    }
    return pending->result;
}

} // namespace

MessageResult messageRequester(std::string_view title, std::string_view text, MessageIcon icon,
                               MessageButtons buttons, const std::atomic<bool>* cancel) {
    if ((cancel != nullptr && cancel->load()) || modalLoopsEnded()) {
        return MessageResult::Cancelled;
    }
    if (DialogStandIn* standIn = dialogStandIn()) {
        if (auto answer = standIn->answer(
                MessageBoxQuestion{std::string(title), std::string(text), icon, buttons})) {
            return *answer;
        }
    }
    if (QApplication::instance() == nullptr) {
        return MessageResult::Cancelled;
    }
    if (onGuiThread()) {
        return showBox(title, text, icon, buttons, cancel);
    }
    return showWorkerBox(title, text, icon, buttons, cancel);
}

void errorBox(std::string_view text) {
    messageRequester("Fehler", text, MessageIcon::Error, MessageButtons::Ok);
}

} // namespace codarium::widgets
