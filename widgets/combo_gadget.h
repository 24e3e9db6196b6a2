#pragma once
// A drop-down list (not editable). A change of the chosen entry posts Change.
// gadgetText gives the chosen entry's text.
#include <string>
#include <string_view>

namespace codarium::widgets {

bool comboBoxGadget(int gadget, int window, int x, int y, int width, int height);
void addComboItem(int gadget, std::string_view text);
void clearCombo(int gadget);
int comboItemCount(int gadget);
std::string comboItemText(int gadget, int index);
int selectedComboItem(int gadget); // -1: none
void setSelectedComboItem(int gadget, int index);

} // namespace codarium::widgets
