#pragma once
// What every gadget offers, whatever its kind. Gadget numbers are unique
// across all windows; each gadget belongs to one window and sits in that
// window's client area (coordinates as in windows.h). Events of a gadget are
// posted as Gadget events carrying its number and its window's number.
//
// gadgetText, setGadgetText, gadgetState and setGadgetState are safe from any
// thread (workers fill progress windows and read dialog fields); everything
// else is main thread only.
#include <climits>
#include <string>
#include <string_view>

namespace codarium::widgets {

// A coordinate or size argument that keeps its current value.
inline constexpr int Ignore = INT_MIN;

bool isGadget(int gadget);
void freeGadget(int gadget);
int gadgetWindow(int gadget); // -1 when absent

// The gadget's text: field contents, button and label text, the current entry
// of a drop-down list, the current item of a tree; "" when absent.
std::string gadgetText(int gadget);
void setGadgetText(int gadget, std::string_view text);

// The gadget's state: progress value, current tree item / list row / combo
// entry (-1 for none), splitter position; 0 when absent. Setting the current
// item of a tree raises a Change event as a click would.
int gadgetState(int gadget);
void setGadgetState(int gadget, int state);

void disableGadget(int gadget, bool disabled);
bool gadgetDisabled(int gadget);
void hideGadget(int gadget, bool hidden);

void resizeGadget(int gadget, int x, int y, int width, int height); // Ignore keeps a value
int gadgetX(int gadget);
int gadgetY(int gadget);
int gadgetWidth(int gadget);
int gadgetHeight(int gadget);

void setActiveGadget(int gadget);         // keyboard focus
void setGadgetFont(int gadget, int font); // a font number of fonts.h
void setGadgetToolTip(int gadget, std::string_view text);

} // namespace codarium::widgets
