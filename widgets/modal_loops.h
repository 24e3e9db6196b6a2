#pragma once
// Modal boxes and dialogs run event loops of their own, inside which the
// program's loop waits. At the end of the session those loops are ended so
// that the program's loop can see the close request. Main thread only.

namespace codarium::widgets {

// Closes every open popup (drop-down list, context menu) and every open box
// or dialog as if it had been cancelled. From then on no box or file dialog
// opens: a box answers Cancelled at once, the file dialog chooses nothing.
void endModalLoops();

// Whether endModalLoops was called. Any thread.
bool modalLoopsEnded();

} // namespace codarium::widgets
