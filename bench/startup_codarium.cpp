// The program's own start-up, as the start-up benchmark measures it: the real
// start-up sequence and one turn of the event loop, then the end without
// saving. Run from a copy of the program directory, beside the executable.
#include "app/event_loop.h"
#include "app/startup.h"
#include "widgets/window_event.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (codarium::app::startUp()) {
        // The first turn: the first event the window system sends, then what
        // start-up left pending for Qt.
        codarium::app::handleEvent(codarium::widgets::waitWindowEvent());
        QCoreApplication::processEvents();
    }
    codarium::app::releaseAll();
    return 0;
}
