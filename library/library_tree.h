#pragma once
// The main window's tree of categories and codes, and the commands that
// follow its content and its current item.
#include <string>
#include <string_view>

namespace codarium::library {

struct TreeCounts {
    int categories = 0;
    int codes = 0;
};

// Adds every category (level 0) and its codes (level 1) to `tree`, which the
// caller has emptied or just created, in list order, all collapsed.
TreeCounts fillLibraryTree(int tree);

// Rebuilds the main tree, writes the counts into the status bar and updates
// the commands that need a non-empty library.
void reloadLibraryTree();
void updateLibraryCommands();

// Any event of the main tree. editorPath is the "PBPfad" setting: "0" means
// the user declined an editor, so "open in editor" is not enabled for it.
void onLibraryTreeEvent(std::string_view editorPath);

void expandAll();
void collapseAll();

// The link popup of the current code (commands 100 and up), at the mouse
// pointer, or from the keyboard at the code view's caret when the view has
// the focus, else below the tree's current item.
void showLinkMenu(bool atKeyboardFocus = false);
// Opens the link of menu command `command` (100 to 130) of the current code.
void openLink(int command);

// The category of the item at `position`: the nearest level-0 item above it.
std::string categoryOfItem(int tree, int position);

} // namespace codarium::library
