#include "app/app_state.h"
#include "app/qt_translations.h"
#include "app/startup.h"

#include <QApplication>
#include <QIcon>
#include <QString>
#include <string>

int main(int argc, char** argv) {
    using codarium::app::ProgramIdentity;
    QApplication application(argc, argv);
    codarium::app::installGermanQtTranslations();
    // The desktop matches the windows to the menu entry by these: the window
    // class (StartupWMClass) and, under Wayland, the desktop file name. Set
    // here so that they do not depend on the name the program was started by.
    QApplication::setApplicationName(
        QString::fromStdString(std::string(ProgramIdentity::ProgramName)));
    QApplication::setDesktopFileName(
        QString::fromStdString(std::string(ProgramIdentity::DesktopId)));
    // The installed icon, for desktops that take it from the window; none
    // when the program runs from its build folder.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QString::fromStdString(std::string(ProgramIdentity::DesktopId))));
    return codarium::app::runCodarium();
}
