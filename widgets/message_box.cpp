#include "widgets/message_box.h"

#include "platform/code_page.h"
#include "widgets/gui_thread.h"
#include "widgets/internal_script.h"
#include "widgets/internal_text.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

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

MessageResult showBox(std::string_view title, std::string_view text, MessageIcon icon,
                      MessageButtons buttons, const std::atomic<bool>* cancel) {
    QMessageBox box(qtIcon(icon), platform::toQString(title), detail::withLineFeeds(text),
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    QApplication::activeWindow());
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
    if (cancelled) {
        return MessageResult::Cancelled;
    }
    switch (answer) {
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    default:
        return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    }
}

} // namespace

MessageResult messageRequester(std::string_view title, std::string_view text, MessageIcon icon,
                               MessageButtons buttons, const std::atomic<bool>* cancel) {
    if (cancel != nullptr && cancel->load()) {
        return MessageResult::Cancelled;
    }
    if (auto scripted =
            detail::scriptedMessageBox({std::string(title), std::string(text), icon, buttons})) {
        return *scripted;
    }
    if (QApplication::instance() == nullptr) {
        return MessageResult::Cancelled;
    }
    MessageResult result = MessageResult::Cancelled;
    runOnGuiThread([&] { result = showBox(title, text, icon, buttons, cancel); });
    return result;
}

void errorBox(std::string_view text) {
    messageRequester("Fehler", text, MessageIcon::Error, MessageButtons::Ok);
}

} // namespace codarium::widgets
