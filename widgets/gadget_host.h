#pragma once
// For code that builds a gadget kind of its own around a Qt widget (the code
// view): where to put it and how to number it, so that it behaves like every
// other gadget (geometry, enable, free, lookup, splitter children).
#include "widgets/window_event.h"

#include <QWidget>

namespace codarium::widgets {

// The widget that holds a window's gadgets (its client area), or nullptr.
QWidget* gadgetParentWidget(int window);

// Registers `widget` as gadget `gadget` of `window`, reparents it into the
// window's client area and places it (width or height 0: its natural size).
// A previous gadget of that number is freed. Returns false when the window
// does not exist (the widget is then deleted).
bool adoptGadget(int gadget, int window, QWidget* widget, int x, int y, int width, int height);

// Posts a Gadget event for a gadget (with its window's number).
void postGadgetEvent(int gadget, GadgetEvent subType);

} // namespace codarium::widgets
