#include "app/keyboard_shortcuts.h"

#include "widgets/keyboard.h"

namespace codarium::app {

void installMainWindowKeys() {
    for (const CommandKeys& k : MainMenuShortcuts) {
        widgets::setMenuItemShortcut(MainMenu, k.command, k.keys);
    }
    for (const CommandKeys& k : CodeViewPopupShortcuts) {
        widgets::setMenuItemShortcut(CodeViewPopupMenu, k.command, k.keys);
    }
    for (const CommandKeys& k : MainWindowKeys) {
        widgets::addWindowShortcut(MainWindow, k.keys, k.command);
    }
}

} // namespace codarium::app
