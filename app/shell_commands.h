#pragma once
// The commands that are pure user-interface state, and the small operations
// every dialog uses.
#include "widgets/field_rules.h"
#include "widgets/windows.h"

namespace codarium::app {

// Places the main window's gadgets for its current size, and window 9's when
// it is open.
void relayout();

// Commands 16, 17, 18. Returns true when the user chose to restart now: the
// current event then becomes a close request (RestartRequested is set).
bool setToolbarIconSize(int size);

// Command 21.
void toggleWordWrap();

using widgets::closeDialog;

// The button is enabled exactly when the field holds (both fields hold)
// non-blank text.
using widgets::enableWhenBothFilled;
using widgets::enableWhenFilled;

// Command 12.
void showAbout();

// Commands 22 and 23: which settings file is written at shutdown.
void useStandardLocation();
void usePortableLocation();

} // namespace codarium::app
