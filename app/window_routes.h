#pragma once
// What the gadgets of the program's own windows do: the main window
// (window 0) and the editor path dialog (window 1). Each window routes its
// gadgets when it is built.
namespace codarium::app {

void routeMainWindow();
void routeEditorPathWindow();

} // namespace codarium::app
