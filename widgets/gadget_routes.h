#pragma once
// Where a window's gadget events go. The code that builds a window names,
// beside it, what each of its gadgets does; the program's one loop then only
// hands each event on, and a new dialog touches nothing but its own folder.
// Main thread only.
#include "widgets/window_event.h"

#include <span>

namespace codarium::widgets {

// One gadget of a window and what its events do. A plain function, so that a
// window's routes are a constant table.
struct GadgetRoute {
    int gadget = -1;
    void (*act)(const WindowEvent& event) = nullptr;
};

// The routes of `window`'s gadgets from now on, in place of any it had. The
// table must outlive the window (a constant table does).
void routeGadgets(int window, std::span<const GadgetRoute> routes);

// Runs the route of the event's gadget in its window; false when there is
// none, and the event is ignored.
bool runGadgetRoute(const WindowEvent& event);

} // namespace codarium::widgets
