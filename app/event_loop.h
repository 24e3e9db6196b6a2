#pragma once
// The one event loop that serves every window: it hands each command to the
// command table (command_routes.h) and each gadget event to the routes its
// window set (widgets/gadget_routes.h).
#include "app/command_routes.h"
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

// Hands a gadget event to its window's routes.
void dispatchGadget(const widgets::WindowEvent& event);

} // namespace codarium::app
