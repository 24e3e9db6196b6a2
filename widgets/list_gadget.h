#pragma once
// A report-view list with columns: single selection, whole rows, selection
// visible without focus. A change of the selected row posts Change; clicks
// and double clicks post LeftClick / LeftDoubleClick.
#include <string>
#include <string_view>
#include <vector>

namespace codarium::widgets {

// Creates the list with its first column.
bool listIconGadget(int gadget, int window, int x, int y, int width, int height,
                    std::string_view firstColumnTitle, int firstColumnWidth);
// Inserts a column at position `column` (appends when it is the count).
void addListColumn(int gadget, int column, std::string_view title, int width);
int listColumnCount(int gadget);
std::string listColumnTitle(int gadget, int column);
int listColumnWidth(int gadget, int column);

// Appends a row (position -1) or inserts it at `position`; missing cells stay
// empty, surplus cells are dropped.
void addListRow(int gadget, const std::vector<std::string>& cells, int position = -1);
void removeListRow(int gadget, int row);
void clearList(int gadget);
int listRowCount(int gadget);
std::string listCellText(int gadget, int row, int column); // "" when out of range
void setListCellText(int gadget, int row, int column, std::string_view text);
// The tooltip of a whole row ("" removes it).
void setListRowToolTip(int gadget, int row, std::string_view text);
std::string listRowToolTip(int gadget, int row);

int selectedListRow(int gadget);              // -1: none
void setSelectedListRow(int gadget, int row); // -1 clears

} // namespace codarium::widgets
