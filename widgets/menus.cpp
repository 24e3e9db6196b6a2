#include "widgets/menus.h"

#include "platform/code_page.h"
#include "widgets/internal_images.h"
#include "widgets/internal_menus.h"
#include "widgets/internal_properties.h"
#include "widgets/internal_window.h"
#include "widgets/layer_tables.h"
#include "widgets/window_event.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>

namespace codarium::widgets {
namespace detail {

std::map<int, MenuRecord>& menuRecords() {
    return layerTables().menus;
}

MenuRecord* menuRecord(int menu) {
    auto& records = menuRecords();
    const auto it = records.find(menu);
    if (it == records.end() || (it->second.bar == nullptr && it->second.popup == nullptr)) {
        return nullptr;
    }
    return &it->second;
}

QAction* menuAction(int menu, int command) {
    MenuRecord* r = menuRecord(menu);
    if (r == nullptr) {
        return nullptr;
    }
    const auto it = r->items.find(command);
    return it == r->items.end() ? nullptr : it->second.data();
}

QString menuLabel(std::string_view text) {
    // A single & would become a keyboard mnemonic and vanish from the label.
    return platform::toQString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace detail

using namespace detail;

namespace {

QMenu* currentMenu(MenuRecord& r) {
    if (!r.stack.empty() && r.stack.back() != nullptr) {
        return r.stack.back();
    }
    return r.popup.data();
}

// The menu that the next entries of menu `menu` go into, or nullptr.
QMenu* menuBeingBuilt(int menu) {
    MenuRecord* r = menuRecord(menu);
    return r != nullptr ? currentMenu(*r) : nullptr;
}

// The program's text of an entry, kept as the bytes it was given.
void keepText(QObject* entry, std::string_view text) {
    entry->setProperty(detail::property::Text,
                       QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace

bool createMenu(int menu, int window) {
    auto* w = numberedWindow(window);
    if (w == nullptr) {
        return false;
    }
    freeMenu(menu);
    auto* bar = new QMenuBar(w);
    w->setMenuBar(bar);
    MenuRecord& r = menuRecords()[menu];
    r.window = window;
    r.bar = bar;
    return true;
}

bool createPopupMenu(int menu) {
    freeMenu(menu);
    MenuRecord& r = menuRecords()[menu];
    r.popup = new QMenu();
    return true;
}

void freeMenu(int menu) {
    auto& records = menuRecords();
    const auto it = records.find(menu);
    if (it == records.end()) {
        return;
    }
    if (it->second.bar != nullptr) {
        if (auto* w = numberedWindow(it->second.window);
            w != nullptr && w->menuBar() == it->second.bar) {
            w->setMenuBar(nullptr);
        }
        delete it->second.bar.data();
    }
    if (it->second.popup != nullptr) {
        it->second.popup->deleteLater(); // it may be the menu whose item is being handled
    }
    records.erase(it);
}

bool isMenu(int menu) {
    return menuRecord(menu) != nullptr;
}

void addMenuTitle(int menu, std::string_view title) {
    MenuRecord* r = menuRecord(menu);
    if (r == nullptr || r->bar == nullptr) {
        return;
    }
    QMenu* m = r->bar->addMenu(menuLabel(title));
    keepText(m, title);
    r->stack.clear();
    r->stack.emplace_back(m);
}

void openSubMenu(int menu, std::string_view text) {
    QMenu* parent = menuBeingBuilt(menu);
    if (parent == nullptr) {
        return;
    }
    QMenu* m = parent->addMenu(menuLabel(text));
    keepText(m, text);
    menuRecord(menu)->stack.emplace_back(m);
}

void closeSubMenu(int menu) {
    MenuRecord* r = menuRecord(menu);
    // A menu bar's title stays open; only submenus close.
    const std::size_t keep = r != nullptr && r->bar != nullptr ? 1 : 0;
    if (r != nullptr && r->stack.size() > keep) {
        r->stack.pop_back();
    }
}

void addMenuItem(int menu, int command, std::string_view text, int image) {
    QMenu* parent = menuBeingBuilt(menu);
    if (parent == nullptr) {
        return;
    }
    QAction* action = parent->addAction(menuLabel(text));
    keepText(action, text);
    action->setProperty(detail::property::Command, command);
    action->setProperty(detail::property::Image, image);
    if (image >= 0) {
        action->setIcon(iconOf(image));
    }
    QObject::connect(action, &QAction::triggered, action, [menu, command, action] {
        // Check marks belong to the program: choosing an item never toggles one.
        if (action->isCheckable()) {
            action->setChecked(action->property(detail::property::Checked).toBool());
        }
        MenuRecord* rec = menuRecord(menu);
        postWindowEvent({.kind = EventKind::Menu,
                         .window = rec != nullptr ? rec->window : -1,
                         .command = command});
    });
    menuRecord(menu)->items[command] = action;
}

void addMenuSeparator(int menu) {
    if (QMenu* parent = menuBeingBuilt(menu)) {
        parent->addSeparator();
    }
}

void addMenuNote(int menu, int command, std::string_view text) {
    addMenuItem(menu, command, text);
    disableMenuItem(menu, command, true);
}

void setMenuItemChecked(int menu, int command, bool checked) {
    if (QAction* a = menuAction(menu, command)) {
        a->setCheckable(true);
        a->setProperty(detail::property::Checked, checked);
        a->setChecked(checked);
    }
}

bool menuItemChecked(int menu, int command) {
    QAction* a = menuAction(menu, command);
    return a != nullptr && a->isCheckable() && a->isChecked();
}

void disableMenuItem(int menu, int command, bool disabled) {
    if (QAction* a = menuAction(menu, command)) {
        a->setEnabled(!disabled);
    }
}

bool menuItemDisabled(int menu, int command) {
    QAction* a = menuAction(menu, command);
    return a != nullptr && !a->isEnabled();
}

std::string menuItemText(int menu, int command) {
    QAction* a = menuAction(menu, command);
    return a != nullptr ? a->property(detail::property::Text).toByteArray().toStdString()
                        : std::string();
}

bool hasMenuItem(int menu, int command) {
    return menuAction(menu, command) != nullptr;
}

void displayPopupMenu(int menu, int window, int x, int y) {
    MenuRecord* r = menuRecord(menu);
    if (r == nullptr || r->popup == nullptr) {
        return;
    }
    r->window = window;
    const QPoint at = x >= 0 && y >= 0 ? QPoint(x, y) : QCursor::pos();
    r->popup->popup(at);
}

void highlightMenuItem(int menu, int command) {
    MenuRecord* r = menuRecord(menu);
    QAction* a = menuAction(menu, command);
    if (r != nullptr && r->popup != nullptr && a != nullptr) {
        r->popup->setActiveAction(a);
    }
}

} // namespace codarium::widgets
