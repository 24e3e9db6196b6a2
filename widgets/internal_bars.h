#pragma once
// The records behind toolbar and status bar numbers. Internal to this folder.
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <map>

namespace codarium::widgets::detail {

struct ToolBarRecord {
    int window = -1;
    int iconSize = 32;
    QPointer<QToolBar> bar;
    std::map<int, QPointer<QAction>> buttons;
};
ToolBarRecord* toolBarRecord(int toolbar);
QAction* toolBarButton(int toolbar, int command);

struct StatusBarRecord {
    int window = -1;
    QPointer<QStatusBar> bar;
    QPointer<QLabel> field;
};
StatusBarRecord* statusBarRecord(int statusBar);

} // namespace codarium::widgets::detail
