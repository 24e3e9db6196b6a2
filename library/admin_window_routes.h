#pragma once
// What the gadgets of the administrator's dialogs (windows 4 to 8) do.
namespace codarium::library {

// Routes the gadget events of `window`, one of windows 4 to 8, to their
// operations; any other window is left as it is.
void routeAdminDialog(int window);

} // namespace codarium::library
