#pragma once
// The commands that hand the library to the editor: command 11 installs it
// as code templates, command 19 opens the current code.
namespace codarium::app {

// Asks first (the editor should be closed), then writes the templates file
// and tells how it went; a missing templates file is reported at once.
void exportTemplates();

// Starts the editor ("PBPfad") with the file of the tree's current code.
// Shows nothing, whether or not the start succeeds.
void openCodeInEditor();

} // namespace codarium::app
