#include "widgets/keyboard.h"

#include "platform/code_page.h"
#include "widgets/internal_menus.h"
#include "widgets/internal_properties.h"
#include "widgets/internal_window.h"
#include "widgets/object_registry.h"
#include "widgets/reading_order.h"
#include "widgets/window_event.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace codarium::widgets {
namespace {

QList<QKeySequence> keySequences(std::string_view keys) {
    return QKeySequence::listFromString(platform::toQString(keys), QKeySequence::PortableText);
}

// One QShortcut per key sequence, living as long as the window.
template <typename Action> bool addShortcuts(int window, std::string_view keys, Action action) {
    QWidget* w = windowWidget(window);
    if (w == nullptr) {
        return false;
    }
    for (const QKeySequence& sequence : keySequences(keys)) {
        auto* shortcut = new QShortcut(sequence, w);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, shortcut, action);
    }
    return true;
}

// Gadgets the keyboard can reach, with their places in the window.
std::vector<PlacedGadget> placesOf(const QList<QWidget*>& widgets) {
    std::vector<PlacedGadget> places;
    for (QWidget* w : widgets) {
        const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
        places.push_back({.gadget = w->property(detail::property::Gadget).toInt(),
                          .x = at.x(),
                          .y = at.y(),
                          .height = w->height()});
    }
    return places;
}

// The gadget widgets of a window, labels and focusable ones apart.
void collectGadgets(QWidget* window, QList<QWidget*>& focusable, QList<QWidget*>& labels) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->property(detail::property::Gadget).isValid() || w->isHidden()) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            // An image shows in a label too, but names nothing.
            if (!label->text().isEmpty()) {
                labels.push_back(w);
            }
        } else if (w->focusPolicy() & Qt::TabFocus) {
            focusable.push_back(w);
        }
    }
}

// A menu item's shortcut posts the item's event marked as coming from the
// keyboard, so that what it opens can appear at the keyboard focus rather
// than at the mouse pointer.
class ShortcutMarker final : public QObject {
public:
    ShortcutMarker(int menu, int command, QObject* action)
        : QObject(action), menu_(menu), command_(command) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut) {
            return QObject::eventFilter(watched, event);
        }
        const detail::MenuRecord* r = detail::menuRecord(menu_);
        postWindowEvent({.kind = EventKind::Menu,
                         .window = r != nullptr ? r->window : -1,
                         .command = command_,
                         .byKeyboard = true});
        return true;
    }

private:
    int menu_;
    int command_;
};

// In a multi-line field of a dialog (text or code), Tab and Shift+Tab move
// on as in every other field and Ctrl+Tab types the tab character, as in a
// desktop dialog's multi-line field.
class TabLeavesField final : public QObject {
public:
    explicit TabLeavesField(QObject* field) : QObject(field) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || typing_) {
            return QObject::eventFilter(watched, event);
        }
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            return QObject::eventFilter(watched, event);
        }
        auto* field = static_cast<QWidget*>(watched);
        if (key->modifiers() & Qt::ControlModifier) {
            QKeyEvent plain(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
            typing_ = true;
            QCoreApplication::sendEvent(field, &plain);
            typing_ = false;
            return true;
        }
        const bool back =
            key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier) != 0;
        moveFocus(field, !back);
        return true;
    }

private:
    static bool takesTab(const QWidget* w, const QWidget* from) {
        return w->window() == from->window() && w->isEnabled() && w->isVisible() &&
               (w->focusPolicy() & Qt::TabFocus) != 0 && !w->isAncestorOf(from) &&
               !from->isAncestorOf(w);
    }
    static void moveFocus(QWidget* from, bool forward) {
        for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain();
             w != nullptr && w != from;
             w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
            if (takesTab(w, from)) {
                w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return;
            }
        }
    }

    bool typing_ = false; // the plain Tab of a Ctrl+Tab is on its way
};

// An open drop-down list or context menu takes Escape, as in Qt's own
// dialogs: without this, the list closes itself while the key is offered to
// the shortcuts and the dialog's Escape shortcut then cancels the dialog too,
// losing what was typed. Accepting the offer makes the key an ordinary key
// press of the popup, which closes only the popup.
class PopupTakesEscape final : public QObject {
    static constexpr const char* Name = "codarium-popup-takes-escape";

public:
    explicit PopupTakesEscape(QObject* application) : QObject(application) {
        setObjectName(Name);
        application->installEventFilter(this);
    }

    static void installOnce() {
        QCoreApplication* app = QCoreApplication::instance();
        // By name: without a meta-object of its own the class cannot be told
        // from any other child by its type.
        if (app != nullptr &&
            app->findChild<QObject*>(Name, Qt::FindDirectChildrenOnly) == nullptr) {
            new PopupTakesEscape(app);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            QApplication::activePopupWidget() != nullptr) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void setMenuItemShortcut(int menu, int command, std::string_view keys) {
    if (QAction* action = detail::menuAction(menu, command)) {
        action->setShortcuts(keySequences(keys));
        action->setShortcutContext(Qt::WindowShortcut);
        action->installEventFilter(new ShortcutMarker(menu, command, action));
    }
}

bool addWindowShortcut(int window, std::string_view keys, int command) {
    return addShortcuts(window, keys, [window, command] {
        postWindowEvent(
            {.kind = EventKind::Menu, .window = window, .command = command, .byKeyboard = true});
    });
}

bool addKeyGadget(int window, std::string_view keys, int gadget) {
    return addShortcuts(window, keys, [gadget] {
        auto* button = gadgetAs<QAbstractButton>(gadget);
        if (button != nullptr && button->isEnabled() && button->isVisible()) {
            button->click();
        }
    });
}

void setDialogKeys(int window, const DialogKeys& keys) {
    auto* w = detail::numberedWindow(window);
    if (w == nullptr) {
        return;
    }
    QList<QWidget*> focusable;
    QList<QWidget*> labels;
    collectGadgets(w, focusable, labels);

    // Tab leaves a multi-line field as it leaves every other one, so the
    // whole dialog is reachable from the keyboard.
    for (QWidget* field : focusable) {
        if (qobject_cast<QAbstractScrollArea*>(field) != nullptr &&
            qobject_cast<QAbstractItemView*>(field) == nullptr) {
            field->installEventFilter(new TabLeavesField(field));
        }
    }
    const std::vector<PlacedGadget> fields = placesOf(focusable);
    QWidget* previous = nullptr;
    for (const int gadget : readingOrder(fields)) {
        QWidget* next = gadgetWidget(gadget);
        if (previous != nullptr && next != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
    for (const PlacedGadget& label : placesOf(labels)) {
        const int field = fieldOfLabel(label, fields);
        if (field >= 0) {
            auto* text = gadgetAs<QLabel>(label.gadget);
            QWidget* named = gadgetWidget(field);
            text->setBuddy(named);
            // Item views do not read their buddy; a name of their own they do.
            if (named->accessibleName().isEmpty()) {
                named->setAccessibleName(text->text());
            }
        }
    }

    if (keys.defaultButton >= 0) {
        w->setDefaultGadget(keys.defaultButton);
        if (auto* button = gadgetAs<QPushButton>(keys.defaultButton)) {
            button->setDefault(true); // drawn as the default
        }
    }
    if (keys.cancelButton >= 0) {
        PopupTakesEscape::installOnce();
        addKeyGadget(window, "Esc", keys.cancelButton);
    }
    if (QWidget* first = gadgetWidget(keys.firstField)) {
        first->setFocus(Qt::TabFocusReason);
    }
}

void focusFieldSelectingAll(int gadget) {
    if (auto* field = gadgetAs<QLineEdit>(gadget)) {
        field->setFocus(Qt::ShortcutFocusReason);
        field->selectAll();
    }
}

bool gadgetHasFocus(int gadget) {
    QWidget* w = gadgetWidget(gadget);
    return w != nullptr && w->hasFocus();
}

ScreenPoint gadgetPointOnScreen(int gadget, int x, int y) {
    QWidget* w = gadgetWidget(gadget);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
        w = area->viewport(); // views place their contents in the viewport
    }
    const QPoint p = w != nullptr ? w->mapToGlobal(QPoint(x, y)) : QPoint(x, y);
    return {p.x(), p.y()};
}

void setGadgetAccessibleName(int gadget, std::string_view name) {
    if (QWidget* w = gadgetWidget(gadget)) {
        w->setAccessibleName(platform::toQString(name));
    }
}

} // namespace codarium::widgets
