#pragma once
// The one Qt application object of a program with windows. Only the widget
// layer knows that it is a QApplication; a program's main creates this first
// and keeps it for as long as it shows windows.
#include <memory>
#include <string_view>

class QApplication;

namespace codarium::widgets {

class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The names the desktop matches the windows to the menu entry by: the
    // window class (StartupWMClass) and, under Wayland, the desktop file
    // name; and the installed icon of that name for desktops that take it
    // from the window (none when the program runs from its build folder).
    // Set here so that they do not depend on the name the program was
    // started by.
    void setDesktopIdentity(std::string_view programName, std::string_view desktopId);

private:
    std::unique_ptr<QApplication> application_;
};

} // namespace codarium::widgets
