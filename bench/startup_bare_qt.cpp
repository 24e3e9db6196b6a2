// The yardstick of the start-up benchmark: a Qt Widgets program that shows
// one empty window of the main window's size and ends after the first turn
// of its event loop.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    QApplication::processEvents();
    return 0;
}
