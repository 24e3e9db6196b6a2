#pragma once
// The administrator's dialogs (windows 4 to 8): creating and removing
// categories, adding codes with their links, removing codes, and emptying
// the whole library. Each dialog disables the window it was opened from and
// routes its gadgets' events (admin_window_routes.h) when it opens.
namespace codarium::library {

// Commands 5 to 8 and button 611.
void openCreateCategoryDialog();
void openRemoveCategoryDialog();
// Opens nothing, and says why, while there is no category yet.
void openAddCodeDialog();
void openAddLinkDialog();
void openRemoveCodeDialog();

// The action buttons 405, 505, 613 and 804: the change with the dialog's
// input, then the tree rebuilt. True when the dialog may close; false when
// the change was refused (a warning names the reason) or an addition failed
// (an error box says so), so that what was typed is still there.
bool createCategoryFromDialog();
bool removeCategoryFromDialog();
bool addCodeFromDialog();
bool removeCodeFromDialog();

// Command 9: asks, then empties the library.
void removeAll();

// Field 710 gets the catalogue's address for the command in field 709.
void proposeLink();
// Button 711: field 709 and 710 become a new row of list 610; false, after a
// warning, when either holds a character the library cannot store.
bool addLinkRow();
// List 610: button 612 follows its selection.
void onLinkListEvent();
// Button 612: the selected row goes, and 612 is disabled.
void removeSelectedLink();
// Tree 803: button 804 is enabled exactly while a code is current.
void onRemoveCodeTreeEvent();

} // namespace codarium::library
