#pragma once
// The records behind menu numbers. Internal to this folder.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <map>
#include <string_view>
#include <vector>

namespace codarium::widgets::detail {

struct MenuRecord {
    int window = -1;                    // the window its events are posted for
    QPointer<QMenuBar> bar;             // a menu bar, or
    QPointer<QMenu> popup;              // a popup menu
    std::vector<QPointer<QMenu>> stack; // the title and submenus being built
    std::map<int, QPointer<QAction>> items;
};

std::map<int, MenuRecord>& menuRecords();
MenuRecord* menuRecord(int menu);
QAction* menuAction(int menu, int command);
// A menu or button label that shows the text exactly.
QString menuLabel(std::string_view text);

} // namespace codarium::widgets::detail
