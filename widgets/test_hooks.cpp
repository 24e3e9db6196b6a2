#include "widgets/test_hooks.h"

#include "platform/code_page.h"
#include "widgets/gadget_host.h"
#include "widgets/internal_bars.h"
#include "widgets/internal_gadgets.h"
#include "widgets/internal_images.h"
#include "widgets/internal_menus.h"
#include "widgets/internal_modal.h"
#include "widgets/internal_properties.h"
#include "widgets/object_registry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace codarium::widgets::testing {

QWidget* windowObject(int window) {
    return windowWidget(window);
}
QWidget* gadgetObject(int gadget) {
    return gadgetWidget(gadget);
}

QMenuBar* menuBarObject(int menu) {
    detail::MenuRecord* r = detail::menuRecord(menu);
    return r != nullptr ? r->bar.data() : nullptr;
}

QMenu* popupMenuObject(int menu) {
    detail::MenuRecord* r = detail::menuRecord(menu);
    return r != nullptr ? r->popup.data() : nullptr;
}

QAction* menuItemAction(int menu, int command) {
    return detail::menuAction(menu, command);
}

QToolBar* toolBarObject(int toolbar) {
    detail::ToolBarRecord* r = detail::toolBarRecord(toolbar);
    return r != nullptr ? r->bar.data() : nullptr;
}

QAction* toolBarAction(int toolbar, int command) {
    return detail::toolBarButton(toolbar, command);
}

QStatusBar* statusBarObject(int statusBar) {
    detail::StatusBarRecord* r = detail::statusBarRecord(statusBar);
    return r != nullptr ? r->bar.data() : nullptr;
}

QImage imageObject(int image) {
    return detail::imageOf(image);
}

int actionImageNumber(const QAction* action) {
    if (action == nullptr) {
        return -1;
    }
    const QVariant v = action->property(detail::property::Image);
    return v.isValid() ? v.toInt() : -1;
}

std::vector<int> toolBarLayout(int toolbar) {
    std::vector<int> out;
    if (QToolBar* bar = toolBarObject(toolbar)) {
        for (QAction* a : bar->actions()) {
            out.push_back(a->isSeparator() ? -1 : a->property(detail::property::Command).toInt());
        }
    }
    return out;
}

namespace {

std::string programText(const QObject* o) {
    return o->property(detail::property::Text).toByteArray().toStdString();
}

void outline(const QList<QAction*>& actions, int depth, std::vector<std::string>& out) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            out.push_back(indent + "-");
        } else if (QMenu* sub = a->menu()) {
            out.push_back(indent + "[" + programText(sub) + "]");
            outline(sub->actions(), depth + 1, out);
        } else {
            out.push_back(indent + std::to_string(a->property(detail::property::Command).toInt()) +
                          ":" + programText(a));
        }
    }
}

} // namespace

std::vector<std::string> menuOutline(int menu) {
    std::vector<std::string> out;
    if (QMenuBar* bar = menuBarObject(menu)) {
        outline(bar->actions(), 0, out);
    } else if (QMenu* popup = popupMenuObject(menu)) {
        outline(popup->actions(), 0, out);
    }
    return out;
}

bool clickButton(int gadget) {
    auto* b = gadgetAs<QPushButton>(gadget);
    if (b == nullptr || !b->isEnabled()) {
        return false;
    }
    b->click();
    return true;
}

bool chooseMenuItem(int menu, int command) {
    QAction* a = menuItemAction(menu, command);
    if (a == nullptr || !a->isEnabled()) {
        return false;
    }
    a->trigger();
    return true;
}

bool clickToolBarButton(int toolbar, int command) {
    QAction* a = toolBarAction(toolbar, command);
    if (a == nullptr || !a->isEnabled()) {
        return false;
    }
    a->trigger();
    return true;
}

bool typeIntoField(int gadget, std::string_view text) {
    QWidget* w = gadgetWidget(gadget);
    if (w == nullptr || !w->isEnabled()) {
        return false;
    }
    const QString s = platform::toQString(text);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->isReadOnly()) {
            return false;
        }
        e->end(false);
        for (const QChar c : s) {
            e->insert(QString(c));
        }
        return true;
    }
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        if (e->isReadOnly()) {
            return false;
        }
        e->moveCursor(QTextCursor::End);
        for (const QChar c : s) {
            e->insertPlainText(QString(c));
        }
        return true;
    }
    return false;
}

bool clickIntoGadget(int gadget) {
    QWidget* w = gadgetWidget(gadget);
    if (w == nullptr || !w->isEnabled()) {
        return false;
    }
    QWidget* target = w;
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        target = e->viewport();
    }
    const QPointF centre(target->width() / 2.0, target->height() / 2.0);
    const QPointF global = target->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
    if (w->focusPolicy() != Qt::NoFocus) {
        w->setFocus(Qt::MouseFocusReason);
    }
    return true;
}

bool pressReturn(int gadget) {
    QWidget* w = gadgetWidget(gadget);
    if (w == nullptr || !w->isEnabled()) {
        return false;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
    return true;
}

bool clickTreeItem(int gadget, int position) {
    auto* t = dynamic_cast<detail::TreeGadget*>(gadgetWidget(gadget));
    if (t == nullptr || !t->isEnabled()) {
        return false;
    }
    const QModelIndex index = t->indexAtPosition(position);
    if (!index.isValid()) {
        return false;
    }
    t->setCurrentIndex(index);
    emit t->clicked(index);
    return true;
}

bool requestWindowClose(int window) {
    QWidget* w = windowWidget(window);
    if (w == nullptr) {
        return false;
    }
    w->close();
    return true;
}

void processPendingEvents() {
    QApplication::sendPostedEvents();
    QApplication::processEvents(QEventLoop::AllEvents, 50);
}

void reopenModalLoops() {
    detail::modalLoopsEndedFlag() = false;
}

} // namespace codarium::widgets::testing
