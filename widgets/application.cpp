#include "widgets/application.h"

#include <QApplication>
#include <QIcon>
#include <QString>

namespace codarium::widgets {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Application::Application(int& argc, char** argv)
    : application_(std::make_unique<QApplication>(argc, argv)) {}

Application::~Application() = default;

void Application::setDesktopIdentity(std::string_view programName, std::string_view desktopId) {
    QApplication::setApplicationName(fromUtf8(programName));
    QApplication::setDesktopFileName(fromUtf8(desktopId));
    QApplication::setWindowIcon(QIcon::fromTheme(fromUtf8(desktopId)));
}

} // namespace codarium::widgets
