#include "app/app_state.h"
#include "app/qt_translations.h"
#include "app/startup.h"
#include "widgets/application.h"

int main(int argc, char** argv) {
    using codarium::app::ProgramIdentity;
    codarium::widgets::Application application(argc, argv);
    codarium::app::installGermanQtTranslations();
    application.setDesktopIdentity(ProgramIdentity::ProgramName, ProgramIdentity::DesktopId);
    return codarium::app::runCodarium();
}
