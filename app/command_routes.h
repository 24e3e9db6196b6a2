#pragma once
// What each command of the main window's menus, toolbar and popup menus does,
// as one table beside the menus.
namespace codarium::app {

// Runs the command; true when it turns the event into a close request.
bool dispatchCommand(int command, bool byKeyboard = false);

} // namespace codarium::app
