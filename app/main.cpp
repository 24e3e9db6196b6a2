#include "app/qt_translations.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    codarium::app::installGermanQtTranslations();
    return codarium::app::runCodarium();
}
