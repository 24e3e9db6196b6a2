#pragma once
// The start-up sequence and the whole run of the program.
namespace codarium::app {

// Start-up up to the event loop. False when a check ended it (its error box
// shown, nothing saved); the caller then releases everything and exits 0.
bool startUp();

// Closes every window and menu (the orderly end without saving).
void releaseAll();

// Start-up, event loop, shutdown. Always 0, the process's exit code.
int runCodarium();

} // namespace codarium::app
