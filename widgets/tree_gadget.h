#pragma once
// A tree whose items are addressed by position in its flat order (every item
// followed directly by its children) and built by level: an item of level n
// added at the end becomes a child of the nearest item above it with level
// n - 1 (level 0: a top-level item). New items are collapsed.
//
// The current item (-1: none) is the one selected last, by the user or by the
// program; changing it, either way, posts a Change event. A right click first
// makes the item under the pointer current, then posts RightClick; clicks and
// double clicks post LeftClick and LeftDoubleClick, the start of a drag
// DragStart. The selected-state marking of items is separate from the
// current item: marking an item does not move the current item.
#include <span>
#include <string>
#include <string_view>

namespace codarium::widgets {

// Lines, expand buttons, lines at the root, selection visible without focus.
bool treeGadget(int gadget, int window, int x, int y, int width, int height);

void addTreeItem(int gadget, std::string_view text, int level);
// Appends many items as addTreeItem would one by one, but hands the widget the
// new top-level items in one insertion: a whole library fills in one go.
struct TreeItemText {
    std::string_view text;
    int level = 0;
};
void addTreeItems(int gadget, std::span<const TreeItemText> items);
// Clearing a tree that had a current item posts Change (it now has none).
void clearTree(int gadget);
int treeItemCount(int gadget);
std::string treeItemText(int gadget, int position); // "" when out of range
int treeItemLevel(int gadget, int position);        // 0 when out of range

void setTreeItemExpanded(int gadget, int position, bool expanded);
bool treeItemExpanded(int gadget, int position);

int currentTreeItem(int gadget);
// -1 clears the current item. Posts a Change event when the item changes.
void setCurrentTreeItem(int gadget, int position);

// The marking only; see above.
void setTreeItemSelected(int gadget, int position, bool selected);
bool treeItemSelected(int gadget, int position);

void scrollTreeToTop(int gadget);
// The item's place in the tree's visible area (x, y of its top left corner,
// height); all 0 when out of range or scrolled away.
struct TreeItemPlace {
    int x = 0;
    int y = 0;
    int height = 0;
};
TreeItemPlace treeItemPlace(int gadget, int position);

} // namespace codarium::widgets
