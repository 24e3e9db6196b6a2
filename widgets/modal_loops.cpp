#include "widgets/modal_loops.h"

#include "widgets/internal_modal.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <atomic>

namespace codarium::widgets {
namespace detail {

// Set once and cleared only between tests: the session does not come back.
std::atomic<bool>& modalLoopsEndedFlag() {
    static std::atomic<bool> flag{false};
    return flag;
}

} // namespace detail

void endModalLoops() {
    detail::modalLoopsEndedFlag() = true;
    if (QApplication::instance() == nullptr) {
        return;
    }
    // Popups stack; each close reveals the one below. Bounded, as a popup
    // that refuses to close must not hold the session end.
    for (int i = 0; i < 16 && QApplication::activePopupWidget() != nullptr; ++i) {
        QApplication::activePopupWidget()->close();
    }
    // A file dialog shown by the desktop is not visible as a widget, so every
    // dialog is rejected, shown or not; rejecting a closed one does nothing.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(w)) {
            dialog->reject();
        }
    }
}

bool modalLoopsEnded() {
    return detail::modalLoopsEndedFlag().load();
}

} // namespace codarium::widgets
