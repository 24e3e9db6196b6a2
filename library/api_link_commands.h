#pragma once
// What the shown code's API calls offer in the main window: their entries
// in the link popup, their tooltip and Ctrl+click in the code view. Only
// the view's text is read; the catalogue was read once.
#include <cstdint>
#include <string>

namespace codarium::library {

// A popup command of an API entry (its documentation, or the codes that
// call it); true when `command` is one of them, which it then ran.
bool runApiLinkCommand(int command);

// The tooltip of the main view's text position: the documentation address
// of the catalogued call there, "" for none.
std::string apiCallToolTip(std::intptr_t position);
// Opens the documentation of the catalogued call at the main view's text
// position; false when there is none.
bool openApiCallAt(std::intptr_t position);

// Gives the main view its tooltip and Ctrl+click on API calls.
void attachApiCallPointer();

} // namespace codarium::library
