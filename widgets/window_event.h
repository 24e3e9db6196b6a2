#pragma once
// The one event queue that serves every window of the program.

namespace codarium::widgets {

enum class EventKind {
    None,
    SizeWindow,  // a window changed its inner size
    CloseWindow, // a close request
    Menu,        // a menu item, popup item or toolbar button: command holds its number
    Gadget,      // gadget holds the number, subType what happened
    WakeUp,      // posted by a worker after it set a completion flag
};

enum class GadgetEvent {
    Change, // text edited, selection changed, state toggled
    LeftClick,
    RightClick,
    LeftDoubleClick,
    DragStart,
    ReturnKey, // Return pressed in a one-line field built to report it
    Focus,     // keyboard focus gained (fields built to report it)
    LostFocus, // keyboard focus lost (fields built to report it)
};

struct WindowEvent {
    EventKind kind = EventKind::None;
    int window = -1;
    int gadget = -1;
    int command = -1;
    GadgetEvent subType = GadgetEvent::Change;
    bool byKeyboard = false; // a Menu event from a shortcut rather than the mouse
};

// Runs Qt's event loop until an event is queued, then returns the oldest.
WindowEvent waitWindowEvent();
// Returns the oldest queued event without waiting, or an event of kind None.
WindowEvent windowEvent();
// Queues an event; safe from any thread (wakes a waiting waitWindowEvent).
void postWindowEvent(const WindowEvent& event);
// Drops every queued event (tests start from a clean queue).
void clearWindowEvents();

} // namespace codarium::widgets
