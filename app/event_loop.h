#pragma once
// The one event loop that serves every window, and the tables that send each
// command and gadget event to its operation.
#include "widgets/window_event.h"

namespace codarium::app {

enum class LoopEnd {
    CloseRequest,
    BenchmarkExit,   // the start-up benchmark hook ended the first turn
    UpdaterHandOver, // an accepted update check: the updater takes over
};

// Runs until a close request. With CODARIUM_BENCH_STARTUP set in the
// environment (a benchmark hook), the loop ends after its first turn instead,
// once Qt has handled what start-up left pending.
LoopEnd runEventLoop();

// One turn's work on an event already taken; true when the event is (or was
// turned into) a close request.
bool handleEvent(const widgets::WindowEvent& event);

// The worker completion flags, in their fixed order.
void actOnCompletionFlags();

// The command table; true when the command turns the event into a close
// request.
bool dispatchCommand(int command);
// The gadget table.
void dispatchGadget(const widgets::WindowEvent& event);

} // namespace codarium::app
