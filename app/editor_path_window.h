#pragma once
// The editor's path: the first-run dialog (window 1) and the file chooser
// that command 15 also opens. The chosen path lives in "PBPfad" and is saved
// at shutdown.
namespace codarium::app {

// At start-up: opens window 1 when "PBPfad" is empty and returns at once;
// the event loop serves the dialog.
void checkEditorPath();

// Window 1 over the main window, which stays disabled while it is open. The
// field proposes the editor the desktop associates with .pb files.
void openEditorPathDialog();

// Gadget 110 and command 15. A chosen file goes into window 1's field when
// the dialog is open, else straight into "PBPfad"; a chosen name that does
// not exist is refused with an error box. Afterwards, in every case, commands
// 19 and 20 follow the tree's current item again.
void chooseEditor();

// Gadget 111: the field's path becomes "PBPfad".
void saveEditorPath();
// Gadget 112: "PBPfad" becomes "0", so the dialog stays away and command 19
// disabled.
void declineEditorPath();

} // namespace codarium::app
