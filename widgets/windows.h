#pragma once
// Numbered top-level windows.
//
// Texts everywhere in this folder are program text (Windows-1252 bytes); they
// are converted to QString here and nowhere else. UTF-8 literals in the source
// go through platform::fromUtf8 first.
//
// Inner size: a window's gadgets live in its client area, the area below its
// menu bar; the toolbar and the status bar sit inside the client area (top
// and bottom edge), so gadget coordinates count from the client's top left
// corner, toolbar included. The inner width is the client width. The inner
// height is the client height plus the menu bar's height (0 without a menu
// bar), which is the height of the whole Qt window without its frame. A
// window opened with inner size w x h therefore reports w x h back as long
// as nobody resizes it, menu bar or not.
#include <string>
#include <string_view>

namespace codarium::widgets {

// Creation flags, or-ed together.
enum WindowFlag : unsigned {
    WindowTitleBar = 1u << 0,       // caption
    WindowSystemMenu = 1u << 1,     // close box (and the system menu)
    WindowMinimizeGadget = 1u << 2, // minimize box
    WindowMaximizeGadget = 1u << 3, // maximize box
    WindowSizeGadget = 1u << 4,     // sizing border
    WindowScreenCentered = 1u << 5, // centred on the screen
    WindowParentCentered = 1u << 6, // centred over the parent window
    WindowInvisible = 1u << 7,      // created hidden (showWindow later)
    WindowNoCloseEntry = 1u << 8,   // close box inert: close requests are ignored
    WindowMaximize = 1u << 24,      // opens maximized (same bit as the stored 16777216)
    WindowMinimize = 1u << 29,      // opens minimized
};
using WindowFlags = unsigned;

// A dialog: title bar, no system menu and no close box (a close request from
// the window manager, e.g. Alt+F4, still arrives as a CloseWindow event).
inline constexpr WindowFlags DialogFlags = WindowTitleBar | WindowParentCentered;
// A normal main window.
inline constexpr WindowFlags MainWindowFlags = WindowTitleBar | WindowSystemMenu |
                                               WindowMinimizeGadget | WindowMaximizeGadget |
                                               WindowSizeGadget | WindowScreenCentered;

// Opens window `window` (replacing an open window of that number) with the
// given inner size at x, y (ignored when centred). parent: the owning window
// or -1; an owned window stays above its parent and closes with it.
// Close requests (close box, window manager) are never carried out by Qt: they
// become CloseWindow events, except for WindowNoCloseEntry windows, where they
// are dropped. Inner size changes become SizeWindow events.
// Returns false when the window cannot be created.
bool openWindow(int window, int x, int y, int innerWidth, int innerHeight, std::string_view title,
                WindowFlags flags, int parent = -1);
void closeWindow(int window); // no-op when it does not exist
bool isWindow(int window);

void showWindow(int window, bool visible);
// Raises the window above the program's others and gives it the focus.
void bringWindowToFront(int window);
void setWindowTitle(int window, std::string_view title);
std::string windowTitle(int window);

// Inner size as defined above; 0 when the window does not exist.
int windowWidth(int window);
int windowHeight(int window);
// Sets the inner size.
void resizeWindow(int window, int innerWidth, int innerHeight);
// Minimum inner size (no maximum).
void setWindowMinimumSize(int window, int innerWidth, int innerHeight);

enum class WindowState { Normal, Maximized, Minimized };
WindowState windowState(int window);
void setWindowState(int window, WindowState state);

// Disabled windows take no input (a dialog disables the window it came from).
void disableWindow(int window, bool disabled);
bool windowDisabled(int window);
// The end of every dialog: re-enables window `parent`, then closes `window`.
void closeDialog(int window, int parent);

// The height of one menu bar line in pixels (the style's menu bar height).
int menuBarLineHeight();
// Height of the window's menu bar as laid out (inner height minus this is
// the client height), 0 without one.
int windowMenuBarHeight(int window);

} // namespace codarium::widgets
