#pragma once
// The one event loop that serves every window, and the tables that send each
// command and gadget event to its operation.
#include "widgets/window_event.h"

namespace codarium::app {

enum class LoopEnd {
    CloseRequest,
    UpdaterHandOver, // an accepted update check: the updater takes over
};

// Runs until a close request.
LoopEnd runEventLoop();

// One turn's work on an event already taken; true when the event is (or was
// turned into) a close request.
bool handleEvent(const widgets::WindowEvent& event);

// The worker completion flags, in their fixed order.
void actOnCompletionFlags();

// The command table; true when the command turns the event into a close
// request.
bool dispatchCommand(int command, bool byKeyboard = false);
// The gadget table.
void dispatchGadget(const widgets::WindowEvent& event);

} // namespace codarium::app
